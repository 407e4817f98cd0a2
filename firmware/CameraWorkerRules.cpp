#include "firmware/CameraWorkerRules.h"

#include <cwchar>

#include "core/ProductIdList.h"

namespace {

// clang-format off
const CameraDriveNames kCameraDriveNames[] = {
    {0x5510, L"Zimbo.VER",         L"__zimbo_firmware__.bin",     L"FWCARCAM.bin"},
    {0x5580, L"zimbopro.bin",      L"__zimbo_pro_firmware__.bin", L"SD_ZimboPRO.bin"},
    {0x5570, L"MISC/version.conf", L"__zimbo_evo_firmware__.bin", L"AmbaSysFW_ZimboEVO.bin"},
    {0x3060, L"MISC/version.conf", L"__eskal_pro_firmware__.bin", L"AmbaSysFW_EskalPro.bin"},
};
// clang-format on

const int kDirectFinish[] = {0x5720, 0x3050, 0x6400, 0x5570, 0x3060};
const int kExtraCameraCycle[] = {0x5580};

// The C runtime's reading of a decimal number, clamped to int.
int LeadingInteger(const std::wstring& text)
{
    const long value = std::wcstol(text.c_str(), nullptr, 10);
    if (value > 2147483647L)
        return 2147483647;
    if (value < -2147483647L - 1)
        return -2147483647 - 1;
    return static_cast<int>(value);
}

} // namespace

const CameraDriveNames* FindCameraDriveNames(int productId)
{
    for (const CameraDriveNames& names : kCameraDriveNames) {
        if (names.productId == productId)
            return &names;
    }
    return nullptr;
}

bool HasCameraDrive(int productId)
{
    return FindCameraDriveNames(productId) != nullptr;
}

bool FinishesDirectly(int productId)
{
    return ListOf(kDirectFinish).Contains(productId);
}

bool NeedsExtraCameraCycle(int productId)
{
    return ListOf(kExtraCameraCycle).Contains(productId);
}

void ReadCameraVersion(const std::wstring& joinedLines, int& major, int& minor)
{
    const std::size_t first = joinedLines.find(L'.');
    major = LeadingInteger(joinedLines.substr(0, first));
    if (first == std::wstring::npos) {
        minor = 0;
        return;
    }
    const std::size_t second = joinedLines.find(L'.', first + 1);
    minor = LeadingInteger(
        joinedLines.substr(first + 1, second == std::wstring::npos ? std::wstring::npos : second - first - 1));
}

std::wstring DriveRoot(int letterIndex)
{
    return std::wstring(1, static_cast<wchar_t>(L'A' + letterIndex)) + L":\\";
}
