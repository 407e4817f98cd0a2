#pragma once
// Test programs point the firmware server at a local one; the empty text
// restores the real address. Nothing in the shipped program calls this.

#include <string>

void SetFirmwareServerBaseUrlForTests(const std::wstring& url);
