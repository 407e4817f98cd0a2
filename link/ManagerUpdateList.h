#pragma once
// The server's list of the newest versions of the maker's programs, and the
// decision whether it offers a newer manager than the one running. Portable,
// so the reading rules are tested natively.
//
// Lines are separated by LF (a CR before it is trimmed away with the fields):
//   NAME:BUILD           build number of the newest version of NAME
//   NAME:vMAJOR.MINOR:FILE newest version of NAME and its installer's file name
// Anything else is ignored.

#include <string>

constexpr int kManagerVersionMajor = 1;
constexpr int kManagerVersionMinor = 3;
constexpr int kManagerVersionBuild = 0;

// The manager's own name in the list (compared exactly, case included).
extern const wchar_t* const kManagerUpdateListName;

struct ManagerUpdateListEntry {
    int major = kManagerVersionMajor;
    int minor = kManagerVersionMinor;
    int build = kManagerVersionBuild;
    // The manager's own version line was read (a build line alone never sets it).
    bool found = false;
    // Follows every version line read up to the first matching one.
    std::wstring installerFile;
};

ManagerUpdateListEntry ParseManagerUpdateList(const std::wstring& text);

// 1 when (major, minor, build) is above the running 1.3 build 0, else 0.
int IsManagerVersionNewer(int major, int minor, int build);

// True when the list names the manager's own version line with a newer version.
bool OffersManagerUpdate(const ManagerUpdateListEntry& entry);

// The installer is saved and started under a name taken from the server, and
// fetched from directly below the base address: a name that is empty, that
// could reach another folder (a slash, a backslash or "..") or name a drive
// or a stream (a colon, as in "C:Setup.exe" or "Setup.exe:data") is never used.
bool IsAcceptableInstallerFileName(const std::wstring& name);

// The list's address and an installer's address below the server's base.
std::wstring ManagerUpdateListUrl(const std::wstring& baseUrl);
std::wstring ManagerInstallerUrl(const std::wstring& baseUrl, const std::wstring& installerFile);
