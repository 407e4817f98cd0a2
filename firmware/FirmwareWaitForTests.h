#pragma once
// Test programs shorten the firmware waits: each wait lasts its time times
// percent / 100 (0 makes it return at once); 100 restores the real time.
// Nothing in the shipped program calls this.

void SetFirmwareWaitPercentForTests(int percent);
