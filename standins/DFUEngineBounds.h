#pragma once
// The time bounds of the DFU library stand-in.

// Destroy (and the destructor) waits this long for a started or queued step
// to end before it lets the step's thread finish on its own.
constexpr unsigned kDfuDestroyWaitMs = 10000;
