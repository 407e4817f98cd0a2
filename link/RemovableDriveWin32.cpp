#include <windows.h>

#include "link/UsbScan.h"

namespace {

// A card reader without a card answers a look at its drive with a "no disk"
// box unless critical errors are off for the looking thread; the thread's own
// mode comes back afterwards.
class QuietDriveErrors {
public:
    QuietDriveErrors()
        : m_set(SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &m_previous) != FALSE)
    {}
    ~QuietDriveErrors()
    {
        if (m_set)
            SetThreadErrorMode(m_previous, nullptr);
    }
    QuietDriveErrors(const QuietDriveErrors&) = delete;
    QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;

private:
    DWORD m_previous = 0;
    bool m_set;
};

} // namespace

bool FindRemovableDriveWithFile(const std::wstring& fileName, std::wstring* root)
{
    QuietDriveErrors quiet;
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
