#pragma once
// The folder a save dialog opens in, and the folder kept after one.

#include <string>

// currentPath when it is set; else the program's folder (modulePath up to and
// including its last backslash) with "IMG\"; "\" when the module path is
// unknown or holds no backslash.
std::wstring InitialSaveFolder(const std::wstring& currentPath, const std::wstring& modulePath);

// The path up to and including its last backslash (empty without one).
std::wstring FolderOfPath(const std::wstring& path);
