#include "link/FirmwareServer.h"

#include "link/FirmwareServerForTests.h"

namespace {

// A reserved documentation host: the maker's real server is not ours to name.
const wchar_t kFirmwareServerBaseUrl[] = L"https://firmware.quor.example/kelmobluetoothmanager/";

std::wstring& Override()
{
    static std::wstring url;
    return url;
}

} // namespace

std::wstring FirmwareServerBaseUrl()
{
    return Override().empty() ? std::wstring(kFirmwareServerBaseUrl) : Override();
}

void SetFirmwareServerBaseUrlForTests(const std::wstring& url)
{
    Override() = url;
}
