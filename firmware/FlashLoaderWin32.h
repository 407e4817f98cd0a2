#pragma once
// The two system steps of the flash loader run: the serial converter's COM
// port through the D2XX library, and the program run with its output
// collected through a pipe.

#include <string>

#include "firmware/FlashLoader.h"

// D2XX device 0, opened, asked for its COM port and closed again. The port
// is -1 when the library writes none.
ComPortLookup LookUpFlashLoaderComPort(int& port);

// Starts the command line without a window, its standard output and error
// on one pipe, and collects what it prints (converted from the system's ANSI
// code page) after the start line, until the output ends. A program still
// printing after limitMs is ended there; the log keeps what it printed.
std::wstring RunProcessCaptureOutput(const std::wstring& commandLine, int limitMs);
