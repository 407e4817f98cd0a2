#pragma once
// Where the manager finds its firmware index, revision list, images and its
// own installer. Callers append "Firmware", "Revisions", a file name, or
// "x64/" and "Software".

#include <string>

std::wstring FirmwareServerBaseUrl();
