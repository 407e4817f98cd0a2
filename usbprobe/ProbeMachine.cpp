#include "usbprobe/ProbeMachine.h"

#include <cstdio>
#include <cwchar>
#include <iterator>

#include "usbprobe/ProbeUsbIds.h"

// clang-format off
const char kPleaseWaitText[] = "\r\n\r\n  Please wait until this message disappears.\r\n\r\n";
const char kFoundText[] =
    "\r\n\r\n\n\n\n\n           Your Bluetooth Device is found. This message will disappear after %d seconds.";
const char kFirstConnectionText[] =
    "  Power off your product and connect it to your PC using the USB cable.\r\n"
    "  * Zenta2: Leave it powered off.\r\n"
    "  * Other Quor products: Power it on.\r\n"
    "  If you want to install QUOR Bluetooth Device Manager without installing driver,\r\n"
    "  Press [Cancel] button.";
const char kReconnectText[] =
    "  Please connect your product again.\r\n\r\n"
    "  If you want to install your Bluetooth Device Manager without installing driver,\r\n"
    "  Press [Cancel] button.";
const char kDisconnectWaitText[] =
    "\r\n     Please disconnect Your Bluetooth Device and wait until this message\r\n     disappears.\r\n%s";
const char kDisconnectToInstallText[] = "\r\n\r\n  Please disconnect Your Bluetooth Device to install driver.\r\n\r\n";
// clang-format on

bool g_cancelled = false;
int g_countdown = -1;
int g_servicesDisabled = 0;
int g_disconnectTicks = 0;

namespace {

// clang-format off
const ProbeSwitch kSwitches[] = {
    // word   start state          first connect  visible  starts waiting
    {L"/v",   kWaitForChipState,   0,             true,    false},
    {L"/e",   kServicesOnState,    0,             false,   true},
    {L"/d",   kWaitForUnplugState, 1,             false,   false},
};
const ProbeSwitch kNoSwitch = {nullptr, kWaitForDeviceState, 1, true, false};
// clang-format on

std::string Format(const char* format, int number)
{
    char text[256];
    std::snprintf(text, sizeof text, format, number);
    return text;
}

std::string Format(const char* format, const std::string& word)
{
    std::string text(std::snprintf(nullptr, 0, format, word.c_str()) + 1, '\0');
    std::snprintf(&text[0], text.size(), format, word.c_str());
    text.pop_back();
    return text;
}

} // namespace

const ProbeSwitch& ProbeSwitchFor(const wchar_t* commandLine)
{
    if (commandLine == nullptr)
        return kNoSwitch;
    for (const ProbeSwitch& entry : kSwitches) {
        if (std::wcsncmp(commandLine, entry.word, 2) == 0)
            return entry;
    }
    return kNoSwitch;
}

std::string ProbeMachine::Bar(int ticks)
{
    std::string bar = "     ";
    if (ticks > kBarDelayTicks)
        bar.append(static_cast<std::size_t>((ticks - kBarDelayTicks) % kBarCycleTicks), 'o');
    return bar;
}

void ProbeMachine::Start(const wchar_t* commandLine)
{
    const ProbeSwitch& start = ProbeSwitchFor(commandLine);
    m_fields.state = start.startState;
    m_fields.firstConnect = start.firstConnect;
    m_fields.visible = start.visible;
    if (start.startsWaiting) {
        m_view.ShowCancel(false);
        m_view.SetMessage(kPleaseWaitText);
    }
}

bool ProbeMachine::OnTimer(unsigned id)
{
    if (g_cancelled) {
        m_view.KillTimer();
        return false;
    }
    if (id == kProbeTimerId)
        Tick();
    return true;
}

void ProbeMachine::Cancel()
{
    g_cancelled = true;
    m_view.EndDialog();
}

void ProbeMachine::Tick()
{
    switch (m_fields.state) {
    case kWaitForDeviceState: WaitForDevice(); break;
    case kWaitForChipState: WaitForChip(); break;
    case kServicesOffState: ServicesOff(); break;
    case kServicesOnState: ServicesOn(); break;
    case kWaitForUnplugState: WaitForUnplug(); break;
    default: break;
    }
}

void ProbeMachine::WaitForDevice()
{
    if (!m_scanner.FindBluetoothUsbDevice()) {
        g_countdown = -1;
        m_view.ShowCancel(true);
        m_view.SetMessage(m_fields.firstConnect == 1 ? kFirstConnectionText : kReconnectText);
        return;
    }
    m_view.ShowCancel(false);
    if (g_countdown == -1) {
        g_countdown = kCountdownStart;
    } else if (g_countdown == 1) {
        Close();
        return;
    } else {
        --g_countdown;
    }
    m_view.SetMessage(Format(kFoundText, g_countdown));
}

void ProbeMachine::WaitForChip()
{
    if (!m_scanner.FindBluetoothUsbDevice()) {
        m_view.ShowCancel(true);
        m_view.SetMessage(kFirstConnectionText);
        return;
    }
    m_view.ShowCancel(false);
    if (m_fields.lastVendorId == kChipVendorId && m_fields.lastProductId == kRawChipProductId) {
        m_fields.state = kServicesOffState;
        g_servicesDisabled = 0;
        g_disconnectTicks = 0;
    } else {
        m_fields.state = kWaitForDeviceState;
    }
}

void ProbeMachine::ServicesOff()
{
    const bool found = m_scanner.FindBluetoothUsbDevice();
    if (g_servicesDisabled == 0)
        g_servicesDisabled = m_services.DisableWindowsBluetoothServices() ? 1 : 0;
    // While the switch-off keeps failing the user can still end the run.
    m_view.ShowCancel(g_servicesDisabled == 0);
    if (!found && g_servicesDisabled != 0) {
        m_fields.state = kWaitForDeviceState;
        return;
    }
    ++g_disconnectTicks;
    if (g_servicesDisabled == 0 && g_disconnectTicks >= kSwitchOffTickLimit) {
        Cancel();
        return;
    }
    m_view.SetMessage(Format(kDisconnectWaitText, Bar(g_disconnectTicks)));
}

void ProbeMachine::ServicesOn()
{
    m_view.ShowCancel(false);
    m_view.SetMessage(kPleaseWaitText);
    m_services.RestoreWindowsBluetoothServices();
    Close();
}

void ProbeMachine::WaitForUnplug()
{
    if (!m_scanner.FindBluetoothUsbDevice()) {
        m_view.KillTimer();
        m_view.EndDialog();
        return;
    }
    m_view.ShowCancel(false);
    m_view.SetMessage(kDisconnectToInstallText);
    m_fields.visible = true;
    m_view.ShowWindow();
}

void ProbeMachine::Close()
{
    m_view.KillTimer();
    m_view.EnableCancel();
    m_view.EndDialog();
}
