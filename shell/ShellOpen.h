#pragma once
// Web pages open through the shell; test programs put a recorder in its place,
// so that no browser starts while they run.
#include <string>

using ShellOpenFunction = void (*)(const std::wstring& url);

// "open" with empty parameters and folder, shown normally; the result is not checked.
void ShellOpenUrl(const std::wstring& url);

// Returns the function that was in place; nullptr puts the shell back.
ShellOpenFunction SetShellOpenForTests(ShellOpenFunction function);

// Starts a program or opens a file through the shell in the same way; false
// when the shell reports a failure (a result of 32 or less).
bool ShellStartFile(const std::wstring& path);
