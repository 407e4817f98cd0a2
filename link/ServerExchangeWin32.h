#pragma once
// The program's server exchanges: over the real downloader, telling a window
// by a posted message when they end.

#include <windows.h>

#include <string>

#include "link/ServerExchange.h"

class ServerDownload : public ServerExchange {
public:
    ServerDownload();
};

// Posts message (wParam, 0) to the window; a window gone meanwhile gets nothing.
ServerExchangeNotice PostWhenEnded(HWND window, UINT message, WPARAM wParam = 0);

// A list's bytes as text in the system's code page.
std::wstring SystemCodePageText(const std::string& bytes);
