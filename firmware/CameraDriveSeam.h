#pragma once
// The system's drives and files as the camera drive step meets them: the
// drive letters present, which are removable, and the few file operations on
// the camera's card. The program runs over the system's; tests install a
// simulated card.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CameraDriveSeam {
public:
    virtual ~CameraDriveSeam() = default;
    // Bit 0 = A: present drive letters.
    virtual unsigned LogicalDrives() = 0;
    virtual bool IsRemovable(const std::wstring& root) = 0;
    // A find-file search for the path finds it.
    virtual bool Exists(const std::wstring& path) = 0;
    // The file's lines as text, joined without separators; false when it
    // cannot be opened.
    virtual bool ReadJoinedLines(const std::wstring& path, std::wstring& joined) = 0;
    enum class WriteResult { kNotCreated, kShort, kWritten };
    // Creates the file ("wb") and writes the bytes in one write.
    virtual WriteResult WriteNew(const std::wstring& path, const std::uint8_t* data, std::size_t length) = 0;
    // Renames without replacing an existing target; false on failure.
    virtual bool Rename(const std::wstring& from, const std::wstring& to) = 0;
    // The whole file read as raw bytes; false when it cannot be opened.
    virtual bool ReadBytes(const std::wstring& path, std::vector<std::uint8_t>& bytes) = 0;
    // Bytes in the file; -1 when it cannot be opened.
    virtual long long FileSize(const std::wstring& path) = 0;
    virtual void Remove(const std::wstring& path) = 0;
};

// The installed seam, else the platform's (the system's drives on Windows;
// none elsewhere).
CameraDriveSeam& GetCameraDriveSeam();
// Tests install their card; null returns to the platform's.
void SetCameraDriveSeam(CameraDriveSeam* seam);
CameraDriveSeam& PlatformCameraDriveSeam();
