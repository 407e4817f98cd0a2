#pragma once
// The three operations of FTDI's D2XX library that the manager calls to find
// the COM port of the two-chip headset's serial converter. The manager
// imports them by ordinal (1 open, 80 COM port, 2 close); each returns 0 for
// success. The stand-in built here finds no device unless a test says
// otherwise.

#include <windows.h>

extern "C" {

using FtdiHandle = void*;

// Opens D2XX device number deviceNumber and fills the handle.
unsigned long WINAPI FT_Open(int deviceNumber, FtdiHandle* handle);
// The device's COM port; the number stays as the caller preset it when the
// device has none.
unsigned long WINAPI FT_GetComPortNumber(FtdiHandle handle, long* portNumber);
unsigned long WINAPI FT_Close(FtdiHandle handle);

// Test-only, by name: what the next opens meet, and the opens and closes
// counted since the last scenario was set.
enum FtdiStandInScenario {
    kFtdiNoDevice = 0,
    kFtdiPortQueryFails = 1,
    kFtdiNoPort = 2, // the query succeeds and writes no number
    kFtdiPort = 3,   // the query gives the port number set with the scenario
};
void FtdiStandInSetScenario(int scenario, long port);
void FtdiStandInCounts(int* opens, int* closes);
}
