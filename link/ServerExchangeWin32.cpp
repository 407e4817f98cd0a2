#include "link/ServerExchangeWin32.h"

#include <climits>

#include "link/Download.h"

ServerDownload::ServerDownload() : ServerExchange(FetchFromServer) {}

ServerExchangeNotice PostWhenEnded(HWND window, UINT message, WPARAM wParam)
{
    return [window, message, wParam](int) { ::PostMessageW(window, message, wParam, 0); };
}

std::wstring SystemCodePageText(const std::string& bytes)
{
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX))
        return {};
    const int length = static_cast<int>(bytes.size());
    const int wide = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    if (wide <= 0)
        return {};
    std::wstring text(static_cast<std::size_t>(wide), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, &text[0], wide);
    return text;
}
