#pragma once
// What the camera worker knows per model: which of its headsets carry an
// action camera whose firmware goes through the camera's card, the names of
// the files on that card, which models are finished at once after the
// transfer, and how the camera's version file is read.

#include <string>

// The names on the card, relative to its root: the version file the camera
// keeps, the temporary name the firmware is written under, and the name the
// camera installs from.
struct CameraDriveNames {
    int productId;
    const wchar_t* versionFile;
    const wchar_t* temporaryName;
    const wchar_t* targetName;
};

// Null for a headset without a camera card.
const CameraDriveNames* FindCameraDriveNames(int productId);

// The camera headsets take only sections 0 and 1 over HID; the camera's own
// firmware (section 2) goes through the card.
bool HasCameraDrive(int productId);

// The models finished right after the transfer, without the status poll and
// without asking the user to hold the button.
bool FinishesDirectly(int productId);

// The model whose card takes one more release and request before its version
// is read again.
bool NeedsExtraCameraCycle(int productId);

// The camera's version from its version file's lines joined without
// separators: the text before the first period and the text up to the second
// period (or the end), each read as the C runtime reads a decimal number
// (leading blanks and sign, then digits; 0 when there are none).
void ReadCameraVersion(const std::wstring& joinedLines, int& major, int& minor);

// A drive's root path, "A:\" for letter index 0.
std::wstring DriveRoot(int letterIndex);
