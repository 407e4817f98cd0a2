#include "shell/ShellOpen.h"

#include <windows.h>

#include <shellapi.h>

namespace {

// ShellExecuteW's results up to this one are failures.
const INT_PTR kShellFailureLimit = 32;

void OpenWithShell(const std::wstring& url)
{
    ::ShellExecuteW(nullptr, L"open", url.c_str(), L"", L"", SW_SHOWNORMAL);
}

ShellOpenFunction g_shellOpen = OpenWithShell;

} // namespace

void ShellOpenUrl(const std::wstring& url)
{
    g_shellOpen(url);
}

ShellOpenFunction SetShellOpenForTests(ShellOpenFunction function)
{
    const ShellOpenFunction previous = g_shellOpen;
    g_shellOpen = function ? function : OpenWithShell;
    return previous;
}

bool ShellStartFile(const std::wstring& path)
{
    const INT_PTR result =
        reinterpret_cast<INT_PTR>(::ShellExecuteW(nullptr, L"open", path.c_str(), L"", L"", SW_SHOWNORMAL));
    return result > kShellFailureLimit;
}
