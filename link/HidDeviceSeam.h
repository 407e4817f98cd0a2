#pragma once
// The one place where the HID command channel meets the operating system.
// The programs run over SetupAPI, HID.DLL and overlapped file I/O; test
// programs install a simulated headset instead. Everything above this seam
// (the channel, the finders) is the same code in both cases, and so is its
// sense of time: the seam's clock, which the simulator runs on its own.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Same representation as a Win32 HANDLE, so the main window's HANDLE members
// can be passed by address. Null means "no channel".
using HidHandle = void*;

struct HidInterfaceInfo {
    std::wstring path;
    // False when the interface's attributes or capabilities could not be read
    // (for example it refused to open); the ids below are then 0.
    bool attributesKnown = false;
    int vendorId = 0;
    int productId = 0;
    int usagePage = 0;
    int usage = 0;
};

class HidDeviceSeam {
public:
    virtual ~HidDeviceSeam() = default;

    // Every present HID interface, in the system's enumeration order.
    virtual std::vector<HidInterfaceInfo> EnumerateInterfaces() = 0;
    // Null when the path cannot be opened for reading and writing.
    virtual HidHandle Open(const std::wstring& path) = 0;
    virtual void Close(HidHandle handle) = 0;
    // One output report; true when the whole report went out within timeoutMs.
    virtual bool Write(HidHandle handle, const unsigned char* data, std::size_t size, unsigned timeoutMs) = 0;
    // One input report of up to size bytes; false on failure or when nothing
    // arrived within timeoutMs.
    virtual bool Read(HidHandle handle, unsigned char* data, std::size_t size, unsigned timeoutMs) = 0;
    // Drops the input reports queued on this channel: a reply that came
    // after its read gave up must not answer the next request. The platform's
    // seam asks the driver only where such a reply can wait (after a read or
    // write gave up, before the handle's first request).
    virtual void Flush(HidHandle handle) = 0;
    // Milliseconds on a steady clock; deadlines and busy bounds are measured
    // on it.
    virtual std::uint64_t NowMs();
};

// The seam in use: the installed one, else the platform's.
HidDeviceSeam& GetHidDeviceSeam();
// Tests install their simulator; null returns to the platform's seam.
void SetHidDeviceSeam(HidDeviceSeam* seam);
// Defined once per platform (Win32, or an empty bus on other hosts).
HidDeviceSeam& PlatformHidDeviceSeam();

// A thread that waits on a unit while it owns windows keeps them painted:
// the pump installed for that thread runs while the channel waits (before each
// read, and between the slices of a long read on the platform's seam). A pump
// lets paint and sent messages through and takes no input. Threads without
// one (the firmware workers) just wait.
using HidWaitPump = void (*)();
class ScopedHidWaitPump {
public:
    explicit ScopedHidWaitPump(HidWaitPump pump);
    ~ScopedHidWaitPump();
    ScopedHidWaitPump(const ScopedHidWaitPump&) = delete;
    ScopedHidWaitPump& operator=(const ScopedHidWaitPump&) = delete;

private:
    HidWaitPump m_previous;
};
// Runs the calling thread's pump, if any.
void RunHidWaitPump();
bool HasHidWaitPump();

// Closes a channel through the seam that opened it and clears the slot; a
// null slot is left alone. Owners of HID handles close them with this.
void CloseHidHandle(HidHandle* slot);
