#include "app/DiagnosticLogWin32.h"

#include <windows.h>

#include <setupapi.h>

namespace {

// Room for a hardware id of 256 bytes and one more for its terminator.
constexpr DWORD kHardwareIdBytes = 256;

} // namespace

bool SystemDiagnosticLogProviders::QueryOsVersion(OsVersionReport& report)
{
    OSVERSIONINFOEXW extended = {};
    extended.dwOSVersionInfoSize = sizeof(extended);
    OSVERSIONINFOW basic = {};
    basic.dwOSVersionInfoSize = sizeof(basic);
    const OSVERSIONINFOW* answer = nullptr;
    if (GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&extended))) {
        answer = reinterpret_cast<const OSVERSIONINFOW*>(&extended);
        report.extended = true;
    } else if (GetVersionExW(&basic)) {
        answer = &basic;
        report.extended = false;
    } else {
        return false;
    }
    report.platform = static_cast<int>(answer->dwPlatformId);
    report.major = static_cast<int>(answer->dwMajorVersion);
    report.minor = static_cast<int>(answer->dwMinorVersion);
    report.build = static_cast<int>(answer->dwBuildNumber);
    report.servicePack = answer->szCSDVersion;
    return true;
}

bool SystemDiagnosticLogProviders::RunsOn64BitWindows()
{
#ifdef _WIN64
    return true; // a 64-bit process runs only on 64-bit Windows
#else
    using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    const auto isWow64 =
        kernel ? reinterpret_cast<IsWow64ProcessFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")))
               : nullptr;
    BOOL wow64 = FALSE;
    return isWow64 && isWow64(GetCurrentProcess(), &wow64) && wow64;
#endif
}

bool SystemDiagnosticLogProviders::ListUsbHardwareIds(std::vector<std::string>& ids)
{
    const HDEVINFO list = SetupDiGetClassDevsW(nullptr, L"USB", nullptr, DIGCF_PRESENT | DIGCF_ALLCLASSES);
    if (list == INVALID_HANDLE_VALUE)
        return false;
    SP_DEVINFO_DATA device = {};
    device.cbSize = sizeof(device);
    for (DWORD index = 0; SetupDiEnumDeviceInfo(list, index, &device); ++index) {
        BYTE buffer[kHardwareIdBytes + 1] = {};
        DWORD type = 0;
        if (!SetupDiGetDeviceRegistryPropertyA(list, &device, SPDRP_HARDWAREID, &type, buffer, kHardwareIdBytes,
                                               nullptr))
            continue;
        buffer[kHardwareIdBytes] = 0;
        ids.emplace_back(reinterpret_cast<const char*>(buffer));
    }
    SetupDiDestroyDeviceInfoList(list);
    return true;
}

std::string SystemDiagnosticLogProviders::ToFileText(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int length =
        WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return {};
    std::string out(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), &out[0], length, nullptr, nullptr);
    return out;
}

bool WriteDiagnosticLogFile(const std::wstring& path, const std::string& text)
{
    const std::wstring temporary = path + L".part";
    const HANDLE file =
        CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const std::string bytes = ToTextModeLineEnds(text);
    DWORD written = 0;
    const bool wrote =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
    const bool closed = CloseHandle(file) != 0;
    if (wrote && closed && MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING))
        return true;
    DeleteFileW(temporary.c_str());
    return false;
}
