#pragma once
// Simulated DFU-family units behind the DFU library stand-in: their USB
// device entries (normal or DFU-mode product id), whether each answers BCCMD,
// a persistent-store key table with per-key "unreadable", the plan of each
// engine step, and a log of every key read and write.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "standins/DFUEngineSimHook.h"

struct SimDfuKeyAccess {
    bool set;
    int device;
    int key;
    int length; // bytes asked for or written
    bool ok;
    std::vector<unsigned char> bytes; // written, or delivered
};

class SimDfuDevice {
public:
    int vendorId = 0;
    int productId = 0;
    std::wstring name;    // the library's device name
    std::wstring path;    // the path behind it ("VID_xxxx", "PID_xxxx")
    bool connects = true; // answers BCCMD (normal mode)
    std::map<int, std::vector<unsigned char>> keys;
    std::set<int> unreadable;
    std::set<int> refused;   // key writes the chip refuses
    int refuseSetNumber = 0; // the n-th key write (from 1) is refused; 0: none
    // After n taken key writes the unit is gone: every later key access fails.
    int lostAfterWrites = -1;
    int setsSeen = 0;     // key writes asked of this unit
    int setsTaken = 0;    // key writes it took
    DfuStepPlan plans[3]; // reconfigure, download, manifest

    // Little-endian words, as the chip stores them.
    void SetKeyWords(int key, const std::vector<std::uint16_t>& words);
    std::vector<std::uint16_t> KeyWords(int key) const;
    // The USB hardware id a scan of the PC would see for this unit.
    std::wstring UsbHardwareId() const;
};

class SimDfuChip final : public DfuSimulatedBus {
public:
    SimDfuChip();
    ~SimDfuChip();
    SimDfuChip(const SimDfuChip&) = delete;
    SimDfuChip& operator=(const SimDfuChip&) = delete;

    // Attaches to the DFU library for this object's lifetime.
    void Attach();
    void Detach();

    // A unit of the maker; product ids of 0x8000 and above are in DFU mode
    // and do not answer BCCMD unless told otherwise.
    SimDfuDevice& AddDevice(int productId);
    SimDfuDevice& DeviceAt(int index) { return *m_devices.at(index); }

    std::vector<SimDfuKeyAccess> Log() const;
    void ClearLog();
    int ConnectCount() const;
    std::vector<int> PlannedSteps() const; // requests the engine ran, in order

    std::set<std::wstring> validImages;

    // Called (on the library's thread, outside the chip's lock) when a unit
    // comes back under its normal-mode id after a successful manifest, with
    // the id it had before; tests move the unit's USB entry with it.
    std::function<void(const SimDfuDevice& device, int oldProductId)> onBackInNormalMode;
    // Called with every key read or write as it is logged, on the library's
    // thread with the chip's lock held: it must not call the chip.
    std::function<void(const SimDfuKeyAccess& access)> onKeyAccess;

    // DfuSimulatedBus
    int DeviceCount() override;
    const wchar_t* DeviceName(int index) override;
    const wchar_t* DevicePath(int index) override;
    bool Connect(int index) override;
    int GetKey(int index, unsigned short key, unsigned char* buffer, int length, int* returned) override;
    int SetKey(int index, unsigned short key, const unsigned char* buffer, int length) override;
    bool IsFileValid(const wchar_t* imagePath) override;
    void PlanStep(int index, int request, DfuStepPlan* plan) override;
    void StepEnded(int index, int request, int resultCode) override;

private:
    mutable std::mutex m_mutex;
    void NameDevice(SimDfuDevice& device, int index);

    std::vector<std::unique_ptr<SimDfuDevice>> m_devices;
    std::vector<SimDfuKeyAccess> m_log;
    std::vector<int> m_steps;
    int m_connects = 0;
    bool m_attached = false;
};
