#pragma once
// The fixed waits of the update roads (the unit restarting, the DFU start).
// The shipped program waits the real time; test programs scale it through
// FirmwareWaitForTests.h.

// Blocks the calling thread for the given time.
void FirmwareWait(int milliseconds);

// The time a wait of the given length lasts in this program (shortened in
// test programs), for waits that do more than block.
int ScaledFirmwareWaitMs(int milliseconds);
