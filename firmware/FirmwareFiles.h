#pragma once
// File access of the firmware work, behind one small interface so that the
// archive writer's steps (temporary file, checked writes, replace) can be
// driven and broken on purpose by tests.

#include <cstddef>
#include <cstdio>
#include <string>

// Opens a file named by a wide path with a C runtime mode ("rb", "wb").
std::FILE* OpenFirmwareFile(const std::wstring& path, const char* mode);

// Moves from over to, replacing an existing file in one step (copied and then
// deleted when the two lie on different drives); on Windows the move is on the
// disk when this returns.
bool ReplaceFirmwareFile(const std::wstring& from, const std::wstring& to);

// Writes what the C runtime holds of an open file through to the disk, so that
// it is there before its name replaces another.
bool FlushFirmwareFileToDisk(std::FILE* file);

#ifndef _WIN32
// The host's file names are UTF-8.
std::string Utf8Path(const std::wstring& path);
#endif

// The running program's file; empty when it cannot be had whole (and on a
// host without program files of this kind).
std::wstring RunningProgramPath();

// The program's own folder: its path up to and including the last backslash.
// False when the path is empty, cut at 260 characters or names no folder.
bool ProgramFolder(const std::wstring& programPath, std::wstring& folder);

// The program's image folder: the program path up to its last backslash, then
// "IMG\". False when the path is empty, cut at 260 characters or names no
// folder, so nothing is ever written to a drive root or the current folder.
bool ProgramImageFolder(const std::wstring& programPath, std::wstring& folder);

class FirmwareFileSystem {
public:
    virtual ~FirmwareFileSystem() = default;
    // Creates or truncates the file and writes the bytes; false when the
    // create, any write, the flush to the disk or the close fails.
    virtual bool WriteNewFile(const std::wstring& path, const std::string& bytes) = 0;
    // Moves from over to, replacing it in one step and writing through.
    virtual bool ReplaceFile(const std::wstring& from, const std::wstring& to) = 0;
    virtual void RemoveFile(const std::wstring& path) = 0;
    // The whole file when it holds at most cap bytes; refused while another
    // program has it open for writing, and when it is larger (it is then not
    // the kind of file asked for, and is never held in memory whole).
    virtual bool ReadWholeFile(const std::wstring& path, std::size_t cap, std::string& bytes) = 0;
};

// The machine's own files.
FirmwareFileSystem& MachineFileSystem();
// The files in use: the installed ones, else the machine's own.
FirmwareFileSystem& HostFileSystem();
// Tests install theirs; null returns to the machine's.
void SetHostFileSystem(FirmwareFileSystem* files);

// The two parts of a 0x3020 package that the update unpacks into the image
// folder: the Bluetooth chip's image and the camera's own firmware.
constexpr wchar_t kCameraPackageBluetoothFile[] = L"__lensa_dfu_bluetooth__.img";
constexpr wchar_t kCameraPackageFirmwareFile[] = L"__lensa_firmware__.bin";

// Once the Bluetooth chip is updated, the camera's firmware goes onto the
// camera's card (cardRoot, "X:\"), where the camera installs it: an old file
// there is replaced, and the image folder's copy goes only with a move that
// succeeded, so a failed one leaves it for the user. The Bluetooth image is
// deleted either way. True when the firmware reached the card.
bool MoveCameraPackageToCard(FirmwareFileSystem& files, const std::wstring& imageFolder, const std::wstring& cardRoot);
