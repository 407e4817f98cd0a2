#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "usbprobe/ProbeMachine.h"

namespace {

// The dialog and the PC as the state machine sees them, recorded.
class FakeProbe : public ProbeScanner, public ProbeServiceSwitch, public ProbeView {
public:
    FakeProbe()
    {
        g_cancelled = false;
        g_countdown = -1;
        g_servicesDisabled = 0;
        g_disconnectTicks = 0;
    }

    // The dialog's fields.
    bool visible = true;
    int lastVendorId = 0;
    int lastProductId = 0;
    int state = 0;
    int firstConnect = 1;

    // The PC.
    bool present = false;
    int vendorId = 0x2B4E;
    int productId = 0x2010;
    bool disableSucceeds = true;
    int scans = 0;
    int disables = 0;
    int restores = 0;

    // The window.
    std::string message;
    int messages = 0;
    bool cancelShown = true;
    bool cancelEnabled = true;
    bool shown = false;
    bool timerRunning = true;
    bool ended = false;

    ProbeMachine Machine()
    {
        return ProbeMachine({visible, lastVendorId, lastProductId, state, firstConnect}, *this, *this, *this);
    }
    void Start(const wchar_t* commandLine) { Machine().Start(commandLine); }
    bool Tick() { return Machine().OnTimer(kProbeTimerId); }
    void Ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            Tick();
    }

    bool FindBluetoothUsbDevice() override
    {
        ++scans;
        if (present) {
            lastVendorId = vendorId;
            lastProductId = productId;
        }
        return present;
    }
    bool DisableWindowsBluetoothServices() override
    {
        ++disables;
        return disableSucceeds;
    }
    void RestoreWindowsBluetoothServices() override { ++restores; }
    void SetMessage(const std::string& text) override
    {
        message = text;
        ++messages;
    }
    void ShowCancel(bool show) override { cancelShown = cancelEnabled = show; }
    void EnableCancel() override { cancelEnabled = true; }
    void ShowWindow() override { shown = true; }
    void KillTimer() override { timerRunning = false; }
    void EndDialog() override { ended = true; }
};

std::string Found(int seconds)
{
    return "\r\n\r\n\n\n\n\n           Your Bluetooth Device is found. This message will disappear after " +
           std::to_string(seconds) + " seconds.";
}

TEST(ProbeMachine, TheTexts)
{
    EXPECT_STREQ(kPleaseWaitText, "\r\n\r\n  Please wait until this message disappears.\r\n\r\n");
    EXPECT_STREQ(kFirstConnectionText,
                 "  Power off your product and connect it to your PC using the USB cable.\r\n  * Zenta2: Leave it "
                 "powered off.\r\n  * Other Quor products: Power it on.\r\n  If you want to install QUOR Bluetooth "
                 "Device Manager without installing driver,\r\n  Press [Cancel] button.");
    EXPECT_STREQ(kReconnectText, "  Please connect your product again.\r\n\r\n  If you want to install your Bluetooth "
                                 "Device Manager without installing driver,\r\n  Press [Cancel] button.");
    EXPECT_STREQ(kDisconnectToInstallText,
                 "\r\n\r\n  Please disconnect Your Bluetooth Device to install driver.\r\n\r\n");
}

TEST(ProbeMachine, TheSwitchTable)
{
    struct Case {
        const wchar_t* commandLine;
        int state;
        int firstConnect;
        bool visible;
        bool waiting;
    };
    const Case cases[] = {
        {nullptr, 0, 1, true, false},        {L"", 0, 1, true, false},     {L"/v", 1, 0, true, false},
        {L"/e", 3, 0, false, true},          {L"/d", 4, 1, false, false},  {L"/verbose", 1, 0, true, false},
        {L"/enable now", 3, 0, false, true}, {L"/dx", 4, 1, false, false}, {L"/V", 0, 1, true, false},
        {L"/E", 0, 1, true, false},          {L"/D", 0, 1, true, false},   {L"-v", 0, 1, true, false},
        {L"/", 0, 1, true, false},           {L" /v", 0, 1, true, false},  {L"v", 0, 1, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.commandLine ? std::string(c.commandLine, c.commandLine + std::wcslen(c.commandLine)) : "null");
        FakeProbe probe;
        probe.visible = !c.visible;
        probe.Start(c.commandLine);
        EXPECT_EQ(probe.state, c.state);
        EXPECT_EQ(probe.firstConnect, c.firstConnect);
        EXPECT_EQ(probe.visible, c.visible);
        EXPECT_EQ(probe.cancelShown, !c.waiting);
        EXPECT_EQ(probe.message, c.waiting ? kPleaseWaitText : "");
    }
}

TEST(ProbeMachine, CountdownFromFiveThenClose)
{
    FakeProbe probe;
    probe.Start(nullptr);
    probe.Tick();
    EXPECT_EQ(probe.message, kFirstConnectionText);
    EXPECT_TRUE(probe.cancelShown);

    probe.present = true;
    for (int seconds = 5; seconds >= 1; --seconds) {
        probe.Tick();
        EXPECT_EQ(probe.message, Found(seconds));
        EXPECT_FALSE(probe.cancelShown);
        EXPECT_FALSE(probe.ended);
    }
    probe.Tick();
    EXPECT_TRUE(probe.ended);
    EXPECT_FALSE(probe.timerRunning);
    // The dialog closes with Cancel enabled again, not as if Cancel was pressed.
    EXPECT_TRUE(probe.cancelEnabled);
    EXPECT_FALSE(g_cancelled);
    EXPECT_EQ(probe.message, Found(1));
}

TEST(ProbeMachine, ATickWithoutTheDeviceRestartsTheCountdown)
{
    FakeProbe probe;
    probe.Start(nullptr);
    probe.present = true;
    probe.Ticks(3);
    EXPECT_EQ(probe.message, Found(3));
    probe.present = false;
    probe.Tick();
    EXPECT_EQ(g_countdown, -1);
    EXPECT_EQ(probe.message, kFirstConnectionText);
    EXPECT_TRUE(probe.cancelShown);
    probe.present = true;
    probe.Tick();
    EXPECT_EQ(probe.message, Found(5));
    probe.Ticks(4);
    EXPECT_FALSE(probe.ended);
    probe.Tick();
    EXPECT_TRUE(probe.ended);
}

TEST(ProbeMachine, AProgrammedHeadsetSkipsTheSwitch)
{
    FakeProbe probe;
    probe.Start(L"/v");
    probe.Tick();
    EXPECT_EQ(probe.message, kFirstConnectionText);
    EXPECT_TRUE(probe.cancelShown);
    EXPECT_EQ(probe.state, 1);

    // The chip vendor's other id is no raw chip either.
    for (int productId : {0x5520, 0xFFFF}) {
        FakeProbe other;
        other.Start(L"/v");
        other.present = true;
        other.vendorId = productId == 0xFFFF ? 0x0A12 : 0x2B4E;
        other.productId = productId;
        other.Tick();
        EXPECT_EQ(other.state, 0);
        EXPECT_FALSE(other.cancelShown);
        other.Tick();
        EXPECT_EQ(other.message, Found(5));
        // The reconnect text after a headset that was already programmed.
        other.present = false;
        other.Tick();
        EXPECT_EQ(other.message, kReconnectText);
        EXPECT_EQ(other.disables, 0);
    }
}

TEST(ProbeMachine, TheRawChipSwitchesTheServicesOffOnce)
{
    FakeProbe probe;
    probe.Start(L"/v");
    probe.present = true;
    probe.vendorId = 0x0A12;
    probe.productId = 0x0001;
    probe.Tick();
    EXPECT_EQ(probe.state, 2);
    EXPECT_EQ(probe.disables, 0);

    std::vector<std::string> bars;
    for (int tick = 1; tick <= 150; ++tick) {
        probe.Tick();
        EXPECT_FALSE(probe.cancelShown);
        const std::string head =
            "\r\n     Please disconnect Your Bluetooth Device and wait until this message\r\n     disappears.\r\n";
        ASSERT_EQ(probe.message.substr(0, head.size()), head);
        bars.push_back(probe.message.substr(head.size()));
    }
    EXPECT_EQ(probe.disables, 1);
    EXPECT_EQ(probe.state, 2);
    EXPECT_FALSE(probe.ended);
    const std::string spaces = "     ";
    EXPECT_EQ(bars[0], spaces);
    EXPECT_EQ(bars[19], spaces);
    EXPECT_EQ(bars[20], spaces + "o");
    EXPECT_EQ(bars[21], spaces + "oo");
    EXPECT_EQ(bars[78], spaces + std::string(59, 'o'));
    EXPECT_EQ(bars[79], spaces);
    EXPECT_EQ(bars[80], spaces + "o");
    EXPECT_EQ(bars[139], spaces);

    // Unplugged: the reconnect text, then a countdown for the device that comes back.
    probe.present = false;
    probe.Tick();
    EXPECT_EQ(probe.state, 0);
    probe.Tick();
    EXPECT_EQ(probe.message, kReconnectText);
    EXPECT_TRUE(probe.cancelShown);
    probe.present = true;
    probe.vendorId = 0x2B4E;
    probe.productId = 0x5520;
    probe.Ticks(6);
    EXPECT_TRUE(probe.ended);
    EXPECT_EQ(probe.disables, 1);
}

TEST(ProbeMachine, AFailingSwitchOffIsRetriedAndBounded)
{
    FakeProbe probe;
    probe.Start(L"/v");
    probe.present = true;
    probe.vendorId = 0x0A12;
    probe.productId = 0x0001;
    probe.disableSucceeds = false;
    probe.Tick();
    probe.Tick();
    EXPECT_EQ(probe.disables, 1);
    // Cancel stays usable while the switch-off fails, device or not.
    EXPECT_TRUE(probe.cancelShown);
    EXPECT_TRUE(probe.cancelEnabled);
    probe.present = false;
    probe.Tick();
    EXPECT_EQ(probe.state, 2);
    EXPECT_EQ(probe.disables, 2);
    EXPECT_TRUE(probe.cancelShown);

    probe.Ticks(kSwitchOffTickLimit - 3);
    EXPECT_FALSE(probe.ended);
    probe.Tick();
    EXPECT_TRUE(probe.ended);
    EXPECT_TRUE(g_cancelled);
    // The next tick only stops the timer.
    const int scans = probe.scans;
    EXPECT_FALSE(probe.Tick());
    EXPECT_FALSE(probe.timerRunning);
    EXPECT_EQ(probe.scans, scans);

    // Once the switch succeeds, Cancel goes and the bound no longer counts.
    FakeProbe late;
    late.Start(L"/v");
    late.present = true;
    late.vendorId = 0x0A12;
    late.productId = 0x0001;
    late.disableSucceeds = false;
    late.Ticks(kSwitchOffTickLimit - 10);
    late.disableSucceeds = true;
    late.Tick();
    EXPECT_FALSE(late.cancelShown);
    late.Ticks(50);
    EXPECT_FALSE(late.ended);
    EXPECT_EQ(late.state, 2);
    EXPECT_EQ(late.disables, kSwitchOffTickLimit - 10);
}

TEST(ProbeMachine, SwitchingOnIsOneInvisibleTick)
{
    FakeProbe probe;
    probe.Start(L"/e");
    EXPECT_FALSE(probe.visible);
    EXPECT_FALSE(probe.cancelShown);
    probe.Tick();
    EXPECT_EQ(probe.restores, 1);
    EXPECT_EQ(probe.scans, 0);
    EXPECT_EQ(probe.message, kPleaseWaitText);
    EXPECT_TRUE(probe.ended);
    EXPECT_FALSE(probe.timerRunning);
    EXPECT_FALSE(probe.shown);
    EXPECT_FALSE(probe.visible);
}

TEST(ProbeMachine, WaitingForTheUnplugging)
{
    FakeProbe none;
    none.Start(L"/d");
    none.Tick();
    EXPECT_TRUE(none.ended);
    EXPECT_FALSE(none.timerRunning);
    EXPECT_FALSE(none.shown);
    EXPECT_EQ(none.messages, 0);

    FakeProbe probe;
    probe.Start(L"/d");
    probe.present = true;
    probe.Ticks(3);
    EXPECT_TRUE(probe.visible);
    EXPECT_TRUE(probe.shown);
    EXPECT_FALSE(probe.cancelShown);
    EXPECT_EQ(probe.message, kDisconnectToInstallText);
    EXPECT_FALSE(probe.ended);
    probe.present = false;
    probe.Tick();
    EXPECT_TRUE(probe.ended);
    EXPECT_FALSE(g_cancelled);
}

TEST(ProbeMachine, CancelEndsTheRunAndAPendingTickDoesNothing)
{
    FakeProbe probe;
    probe.Start(nullptr);
    probe.Tick();
    probe.Machine().Cancel();
    EXPECT_TRUE(probe.ended);
    EXPECT_TRUE(g_cancelled);
    const int messages = probe.messages;
    probe.present = true;
    EXPECT_FALSE(probe.Tick());
    EXPECT_FALSE(probe.timerRunning);
    EXPECT_EQ(probe.messages, messages);
    EXPECT_EQ(probe.scans, 1);

    // Another timer only gets the default processing.
    FakeProbe other;
    other.Start(nullptr);
    EXPECT_TRUE(other.Machine().OnTimer(7));
    EXPECT_EQ(other.scans, 0);
}

} // namespace
