#include "firmware/FlashLoaderWin32.h"

#include <windows.h>

#include <vector>

#include "firmware/FlashLoader.h"
#include "standins/FTD2XX.h"

namespace {

constexpr DWORD kReadMax = 10240;
constexpr DWORD kIdlePollMs = 20;
// What is still in the pipe when the program has been stopped.
constexpr ULONGLONG kAfterStopMs = 2000;

void AppendAnsi(std::wstring& log, const char* bytes, DWORD count)
{
    if (count == 0)
        return;
    const int n = MultiByteToWideChar(CP_ACP, 0, bytes, static_cast<int>(count), nullptr, 0);
    if (n <= 0)
        return;
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes, static_cast<int>(count), &wide[0], n);
    log += wide;
}

} // namespace

ComPortLookup LookUpFlashLoaderComPort(int& port)
{
    port = -1;
    FtdiHandle device = nullptr;
    if (FT_Open(0, &device) != 0)
        return ComPortLookup::kOpenFailed;
    long number = -1;
    const bool answered = FT_GetComPortNumber(device, &number) == 0;
    FT_Close(device);
    if (!answered)
        return ComPortLookup::kQueryFailed;
    port = static_cast<int>(number);
    return ComPortLookup::kFound;
}

std::wstring RunProcessCaptureOutput(const std::wstring& commandLine, int limitMs)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return FlashLoaderStartLine(false);
    // Only the write end goes to the program: a program holding the read end
    // too would keep the pipe open after its own end.
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process = {};
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    const bool started =
        CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW | NORMAL_PRIORITY_CLASS, nullptr,
                       nullptr, &startup, &process) != FALSE;
    std::wstring log = FlashLoaderStartLine(started);
    CloseHandle(writeEnd);

    // The output ends when every holder of the write end has closed it. A
    // program that neither prints nor ends is stopped at the bound, and what
    // it printed until then is still read.
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(limitMs > 0 ? limitMs : 0);
    bool stopped = false;
    std::vector<char> buffer(kReadMax);
    for (;;) {
        if (started && GetTickCount64() >= deadline) {
            if (!stopped) {
                TerminateProcess(process.hProcess, 1);
                stopped = true;
            } else if (GetTickCount64() >= deadline + kAfterStopMs) {
                // A program it started still holds the output open.
                break;
            }
        }
        DWORD available = 0;
        if (!PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr))
            break;
        if (available == 0) {
            Sleep(kIdlePollMs);
            continue;
        }
        DWORD got = 0;
        if (!ReadFile(readEnd, buffer.data(), available < kReadMax ? available : kReadMax, &got, nullptr))
            break;
        AppendAnsi(log, buffer.data(), got);
    }
    CloseHandle(readEnd);
    if (started) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    return log;
}
