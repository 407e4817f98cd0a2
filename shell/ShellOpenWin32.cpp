#include "shell/ShellOpen.h"

#include <windows.h>

#include <shellapi.h>

namespace {

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
