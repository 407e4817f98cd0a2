#pragma once
// The probe tool's one-second state machine, apart from its window.

#include <string>

// The tool's texts, exactly as the user sees them.
extern const char kPleaseWaitText[];
extern const char kFoundText[]; // %d: seconds left
extern const char kFirstConnectionText[];
extern const char kReconnectText[];
extern const char kDisconnectWaitText[]; // %s: the bar
extern const char kDisconnectToInstallText[];

// The states.
constexpr int kWaitForDeviceState = 0;
constexpr int kWaitForChipState = 1;
constexpr int kServicesOffState = 2;
constexpr int kServicesOnState = 3;
constexpr int kWaitForUnplugState = 4;

constexpr unsigned kProbeTimerId = 100;
constexpr unsigned kProbeTimerPeriodMs = 1000;

// Seconds a found device is counted down from before the tool closes.
constexpr int kCountdownStart = 5;
// Ticks in the switched-off state before the bar starts, and its longest run.
constexpr int kBarDelayTicks = 20;
constexpr int kBarCycleTicks = 60;
// Ticks the switch-off may keep failing before the run ends as Cancel ends
// it: without rights to the service keys it never succeeds.
constexpr int kSwitchOffTickLimit = 120;

// The orange of the switched-off state.
constexpr int kOrangeRed = 255;
constexpr int kOrangeGreen = 142;
constexpr int kOrangeBlue = 0;

// The tool's globals: set by Cancel; the countdown (-1: none running); the
// result of the last switch-off; the ticks spent in the switched-off state.
extern bool g_cancelled;
extern int g_countdown;
extern int g_servicesDisabled;
extern int g_disconnectTicks;

// How a run starts, by the first two characters of the command line.
struct ProbeSwitch {
    const wchar_t* word; // nullptr: no switch
    int startState;
    int firstConnect;
    bool visible;
    bool startsWaiting; // Cancel hidden and the please-wait text set at once
};
const ProbeSwitch& ProbeSwitchFor(const wchar_t* commandLine);

// The dialog's fields that the state machine reads and writes.
struct ProbeFields {
    bool& visible;
    int& lastVendorId;
    int& lastProductId;
    int& state;
    int& firstConnect;
};

// The present USB devices: true when one is accepted; the ids of the last
// accepted one go to the dialog's fields.
class ProbeScanner {
public:
    virtual ~ProbeScanner() = default;
    virtual bool FindBluetoothUsbDevice() = 0;
};

class ProbeServiceSwitch {
public:
    virtual ~ProbeServiceSwitch() = default;
    virtual bool DisableWindowsBluetoothServices() = 0;
    virtual void RestoreWindowsBluetoothServices() = 0;
};

class ProbeView {
public:
    virtual ~ProbeView() = default;
    // The message area's text; the whole window is drawn again.
    virtual void SetMessage(const std::string& text) = 0;
    // Cancel enabled and shown, or disabled and hidden.
    virtual void ShowCancel(bool shown) = 0;
    virtual void EnableCancel() = 0;
    virtual void ShowWindow() = 0;
    virtual void KillTimer() = 0;
    // Ends the dialog as its Cancel command does.
    virtual void EndDialog() = 0;
};

class ProbeMachine {
public:
    ProbeMachine(ProbeFields fields, ProbeScanner& scanner, ProbeServiceSwitch& services, ProbeView& view)
        : m_fields(fields), m_scanner(scanner), m_services(services), m_view(view)
    {}

    // The start of the dialog after it has hidden itself.
    void Start(const wchar_t* commandLine);
    // A timer message; false when the default processing must not run.
    bool OnTimer(unsigned id);
    // The Cancel button.
    void Cancel();

    // The bar of the switched-off state after the given number of ticks.
    static std::string Bar(int ticks);

private:
    void Tick();
    void WaitForDevice();
    void WaitForChip();
    void ServicesOff();
    void ServicesOn();
    void WaitForUnplug();
    void Close();

    ProbeFields m_fields;
    ProbeScanner& m_scanner;
    ProbeServiceSwitch& m_services;
    ProbeView& m_view;
};
