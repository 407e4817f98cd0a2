#include <windows.h>

#include "link/UsbScan.h"

bool FindRemovableDriveWithFile(const std::wstring& fileName, std::wstring* root)
{
    const DWORD drives = GetLogicalDrives();
    for (int letter = 0; letter < 26; ++letter) {
        if ((drives & (1u << letter)) == 0)
            continue;
        std::wstring candidate;
        candidate += static_cast<wchar_t>(L'A' + letter);
        candidate += L":\\";
        if (GetDriveTypeW(candidate.c_str()) != DRIVE_REMOVABLE)
            continue;
        const DWORD attributes = GetFileAttributesW((candidate + fileName).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            continue;
        if (root != nullptr)
            *root = candidate;
        return true;
    }
    return false;
}
