#pragma once
// The second microcontroller of the two-chip headset is programmed by the
// outside STM32 flash loader program on the unit's COM port. The manager
// judges the run only from what the program prints; the command line and that
// judgement are plain text work, the same on every host.

#include <string>

constexpr wchar_t kFlashLoaderProgram[] = L"STMFlashLoader.exe";
// The two work files the dual-chip worker writes beside the program.
constexpr wchar_t kDualChipBluetoothWorkFile[] = L"__quiv_bluetooth_fw__.dfu";
constexpr wchar_t kDualChipControllerWorkFile[] = L"__quiv_can_fw__.hex";

// The serial converter's COM port lookup, as the worker meets it.
enum class ComPortLookup {
    kFound,
    kOpenFailed,  // no D2XX device could be opened
    kQueryFailed, // the device gave no answer to the port query
};

// "<folder>STMFlashLoader.exe" (quoted), the fixed options with the port in
// signed decimal (-1 when the converter has none), and the quoted
// microcontroller work file. The folder ends in a backslash; both paths are
// quoted so that a folder with blanks stays one token each.
std::wstring FlashLoaderCommandLine(const std::wstring& programFolder, int comPort);

// The log's first line: whether the program could be started at all.
std::wstring FlashLoaderStartLine(bool started);

// The program has programmed the microcontroller only when its output says
// "DOWNLOADING", in exactly this case.
bool FlashLoaderSucceeded(const std::wstring& log);
