#pragma once
// Pictures of windows as they are on the screen, saved as PNG files for a
// person to look at.
#include <windows.h>

#include <string>

// The window's rectangle copied from the screen; false when it cannot be
// read or written.
bool SaveWindowPicture(HWND window, const std::wstring& pngPath);

// The folder build/screenshots of the build tree the test program runs from.
std::wstring ScreenshotFolder();
