// The real UsbProbe.exe under Wine, with its standard output captured, its
// window read back from outside and USB devices planted in the registry
// while it runs.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/UsbPlanting.h"
#include "tests/support/WindowPicture.h"

namespace {

// clang-format off
const wchar_t kFirstConnectionText[] =
    L"  Power off your product and connect it to your PC using the USB cable.\r\n"
    L"  * Zenta2: Leave it powered off.\r\n"
    L"  * Other Quor products: Power it on.\r\n"
    L"  If you want to install QUOR Bluetooth Device Manager without installing driver,\r\n"
    L"  Press [Cancel] button.";
const wchar_t kReconnectText[] =
    L"  Please connect your product again.\r\n\r\n"
    L"  If you want to install your Bluetooth Device Manager without installing driver,\r\n"
    L"  Press [Cancel] button.";
const wchar_t kDisconnectWaitHead[] =
    L"\r\n     Please disconnect Your Bluetooth Device and wait until this message\r\n     disappears.\r\n     ";
const wchar_t kDisconnectToInstallText[] =
    L"\r\n\r\n  Please disconnect Your Bluetooth Device to install driver.\r\n\r\n";
// clang-format on

std::wstring FoundText(int seconds)
{
    return L"\r\n\r\n\n\n\n\n           Your Bluetooth Device is found. This message will disappear after " +
           std::to_wstring(seconds) + L" seconds.";
}

// Long enough for anything the tool does in a few ticks on a busy machine.
constexpr DWORD kPatienceMs = 30000;

bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = kPatienceMs)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs)
            return done();
        Sleep(20);
    }
    return true;
}

std::wstring ProbeExe()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring exe(path);
    exe.resize(exe.find_last_of(L"\\/") + 1);
    return exe + L"UsbProbe.exe";
}

// One run of the tool: started with a switch, its output read on a thread.
class ProbeRun {
public:
    explicit ProbeRun(const std::wstring& arguments)
    {
        SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
        HANDLE write = nullptr;
        if (!CreatePipe(&m_read, &write, &sa, 0))
            return;
        SetHandleInformation(m_read, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOW si = {};
        si.cb = sizeof si;
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdOutput = write;
        si.hStdError = write;
        si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        std::wstring command = L"\"" + ProbeExe() + L"\"";
        if (!arguments.empty())
            command += L" " + arguments;
        if (CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &m_process))
            m_reader = std::thread([this] { ReadOutput(); });
        CloseHandle(write);
    }
    ~ProbeRun()
    {
        if (m_process.hProcess != nullptr) {
            if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
                std::fprintf(stderr, "UsbProbe.exe still runs at the end of the test: ended\n");
                TerminateProcess(m_process.hProcess, 1);
            }
            if (WaitForSingleObject(m_process.hProcess, 10000) != WAIT_OBJECT_0)
                std::fprintf(stderr, "UsbProbe.exe does not end\n");
        }
        StopReading();
        if (m_read != nullptr)
            CloseHandle(m_read);
        if (m_process.hProcess != nullptr) {
            CloseHandle(m_process.hProcess);
            CloseHandle(m_process.hThread);
        }
    }
    ProbeRun(const ProbeRun&) = delete;
    ProbeRun& operator=(const ProbeRun&) = delete;

    bool Started() const { return m_process.hProcess != nullptr; }
    bool Ended() const { return WaitForSingleObject(m_process.hProcess, 0) == WAIT_OBJECT_0; }
    bool WaitForEnd(DWORD timeoutMs = kPatienceMs) const
    {
        return WaitForSingleObject(m_process.hProcess, timeoutMs) == WAIT_OBJECT_0;
    }

    // The tool's dialog once it exists, shown or not.
    HWND Dialog()
    {
        if (m_dialog == nullptr || !IsWindow(m_dialog))
            m_dialog = FindDialog();
        return m_dialog;
    }
    bool Visible() { return Dialog() != nullptr && IsWindowVisible(Dialog()); }
    HWND Cancel() { return Dialog() != nullptr ? GetDlgItem(Dialog(), IDCANCEL) : nullptr; }
    bool CancelUsable() { return Cancel() != nullptr && IsWindowVisible(Cancel()) && IsWindowEnabled(Cancel()); }
    bool CancelGone() { return Cancel() != nullptr && !IsWindowVisible(Cancel()) && !IsWindowEnabled(Cancel()); }

    std::wstring Message()
    {
        HWND message = MessageArea();
        if (message == nullptr)
            return L"";
        wchar_t text[1024] = {};
        DWORD_PTR copied = 0;
        SendMessageTimeoutW(message, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &copied);
        return text;
    }
    bool WaitForMessage(const std::wstring& text)
    {
        return WaitFor([&] { return Message() == text || Ended(); }) && Message() == text;
    }

    void ClickCancel()
    {
        PostMessageW(Dialog(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(Cancel()));
    }

    std::string Output()
    {
        std::lock_guard<std::mutex> lock(m_outputLock);
        return m_output;
    }
    // Everything the tool wrote, once it has ended.
    std::string FinalOutput()
    {
        if (!Ended())
            return "<still running>";
        StopReading();
        return Output();
    }

private:
    void StopReading()
    {
        m_stopReading = true;
        if (m_reader.joinable())
            m_reader.join();
    }

    // Polls the pipe, so that the reader ends once the tool has ended even if
    // something else still holds the pipe's other end.
    void ReadOutput()
    {
        for (;;) {
            DWORD available = 0;
            if (!PeekNamedPipe(m_read, nullptr, 0, nullptr, &available, nullptr))
                return;
            if (available == 0) {
                if (m_stopReading && Ended())
                    return;
                Sleep(10);
                continue;
            }
            char buffer[512];
            DWORD got = 0;
            if (!ReadFile(m_read, buffer, sizeof buffer < available ? sizeof buffer : available, &got, nullptr) ||
                got == 0) {
                return;
            }
            std::lock_guard<std::mutex> lock(m_outputLock);
            m_output.append(buffer, got);
        }
    }

    struct Search {
        DWORD processId;
        HWND found;
    };
    static BOOL CALLBACK MatchDialog(HWND window, LPARAM param)
    {
        Search* search = reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (owner == search->processId && std::wstring(name) == L"#32770") {
            search->found = window;
            return FALSE;
        }
        return TRUE;
    }
    HWND FindDialog()
    {
        Search search = {m_process.dwProcessId, nullptr};
        EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    HWND MessageArea()
    {
        HWND dialog = Dialog();
        if (dialog == nullptr)
            return nullptr;
        for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
            wchar_t name[16] = {};
            GetClassNameW(child, name, 16);
            if (lstrcmpiW(name, L"Static") == 0)
                return child;
        }
        return nullptr;
    }

    PROCESS_INFORMATION m_process = {};
    HANDLE m_read = nullptr;
    std::thread m_reader;
    std::atomic<bool> m_stopReading{false};
    std::mutex m_outputLock;
    std::string m_output;
    HWND m_dialog = nullptr;
};

// The texts seen in the message area while waiting for the run to end.
std::vector<std::wstring> MessagesUntilEnd(ProbeRun& run)
{
    std::vector<std::wstring> seen;
    WaitFor([&] {
        const std::wstring text = run.Message();
        if (!text.empty() && (seen.empty() || seen.back() != text))
            seen.push_back(text);
        return run.Ended();
    });
    return seen;
}

// The two Bluetooth services' keys, which a fresh prefix does not have, made
// for a test and removed after it.
class BluetoothServiceKeys {
public:
    static constexpr const wchar_t* kPort = L"SYSTEM\\CurrentControlSet\\Services\\BTHPORT";
    static constexpr const wchar_t* kUsb = L"SYSTEM\\CurrentControlSet\\Services\\BTHUSB";

    BluetoothServiceKeys(const std::wstring& portPath, const std::wstring& usbPath)
    {
        Write(kPort, portPath);
        Write(kUsb, usbPath);
    }
    ~BluetoothServiceKeys()
    {
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, kPort);
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, kUsb);
    }
    BluetoothServiceKeys(const BluetoothServiceKeys&) = delete;
    BluetoothServiceKeys& operator=(const BluetoothServiceKeys&) = delete;

    static std::wstring Read(const wchar_t* key, DWORD* type = nullptr)
    {
        wchar_t value[300] = {};
        DWORD size = sizeof value - sizeof(wchar_t);
        DWORD valueType = 0;
        if (RegGetValueW(HKEY_LOCAL_MACHINE, key, L"ImagePath", RRF_RT_ANY | RRF_NOEXPAND, &valueType, value, &size) !=
            ERROR_SUCCESS) {
            return L"<unreadable>";
        }
        if (type != nullptr)
            *type = valueType;
        return value;
    }

private:
    static void Write(const wchar_t* key, const std::wstring& path)
    {
        HKEY h = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(h, L"ImagePath", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                       static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(h);
    }
};

const char kChipLine[] = "Found USB Bluetooth Device(USB\\VID_0A12&PID_0001&REV_8891)\r\n";

std::size_t Count(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

const wchar_t kPortPath[] = L"System32\\drivers\\BTHport.sys";
const wchar_t kUsbPath[] = L"System32\\drivers\\BTHUSB.sys";

COLORREF ScreenPixel(HWND window, int x, int y)
{
    POINT point = {x, y};
    ClientToScreen(window, &point);
    HDC screen = GetDC(nullptr);
    const COLORREF color = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return color;
}

TEST(UsbProbeWine, WithoutSwitchWaitsThenCountsDownAndEnds)
{
    PlantedUsbDevices usb;
    ProbeRun run(L"");
    ASSERT_TRUE(run.Started());
    ASSERT_TRUE(run.WaitForMessage(kFirstConnectionText));
    EXPECT_TRUE(run.Visible());
    EXPECT_TRUE(run.CancelUsable());
    EXPECT_TRUE(SaveWindowPicture(run.Dialog(), ScreenshotFolder() + L"\\usbprobe-waiting.png"));

    ASSERT_TRUE(usb.Plant(L"VID_2B4E&PID_5520", L"probe1", {L"usb\\vid_2b4e&pid_5520&rev_0100"}));
    const std::vector<std::wstring> seen = MessagesUntilEnd(run);
    ASSERT_TRUE(run.Ended());
    // Every second of the countdown was shown, in order, after the wait.
    std::vector<std::wstring> expected = {kFirstConnectionText};
    for (int seconds = 5; seconds >= 1; --seconds)
        expected.push_back(FoundText(seconds));
    EXPECT_EQ(seen, expected);
    EXPECT_NE(run.FinalOutput().find("Found Kelmo Bluetooth Device(USB\\VID_2B4E&PID_5520&REV_0100)\r\n"),
              std::string::npos)
        << run.FinalOutput();
}

TEST(UsbProbeWine, RawChipSwitchesTheServicesOffInOrange)
{
    BluetoothServiceKeys services(kPortPath, kUsbPath);
    PlantedUsbDevices usb;
    ProbeRun run(L"/v");
    ASSERT_TRUE(run.Started());
    ASSERT_TRUE(run.WaitForMessage(kFirstConnectionText));
    EXPECT_TRUE(run.Visible());

    ASSERT_TRUE(usb.Plant(L"VID_0A12&PID_0001", L"chip", {L"USB\\VID_0A12&PID_0001&REV_8891"}));
    ASSERT_TRUE(WaitFor([&] { return run.Message().rfind(kDisconnectWaitHead, 0) == 0; })) << "no disconnect text";
    // Two scans later the values are still switched off just once.
    const std::size_t scans = Count(run.Output(), kChipLine);
    ASSERT_TRUE(WaitFor([&] { return Count(run.Output(), kChipLine) >= scans + 2; }));
    DWORD type = 0;
    EXPECT_EQ(BluetoothServiceKeys::Read(BluetoothServiceKeys::kPort, &type), std::wstring(kPortPath) + L".bak");
    EXPECT_EQ(type, static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_EQ(BluetoothServiceKeys::Read(BluetoothServiceKeys::kUsb), std::wstring(kUsbPath) + L".bak");
    EXPECT_TRUE(run.Visible());
    EXPECT_TRUE(run.CancelGone());
    EXPECT_EQ(run.Message(), std::wstring(kDisconnectWaitHead));

    // The window is orange while it waits for the unplugging.
    const COLORREF orange = RGB(255, 142, 0);
    EXPECT_TRUE(WaitFor([&] { return ScreenPixel(run.Dialog(), 2, 2) == orange; }, 5000));
    EXPECT_TRUE(SaveWindowPicture(run.Dialog(), ScreenshotFolder() + L"\\usbprobe-switched-off.png"));

    usb.Unplug(L"VID_0A12&PID_0001");
    EXPECT_TRUE(run.WaitForMessage(kReconnectText));
    EXPECT_TRUE(run.CancelUsable());
    EXPECT_NE(ScreenPixel(run.Dialog(), 2, 2), orange);
    EXPECT_GE(Count(run.Output(), kChipLine), scans + 2);
    run.ClickCancel();
    EXPECT_TRUE(run.WaitForEnd());
    // Only a later run with "/e" switches them on again.
    EXPECT_EQ(BluetoothServiceKeys::Read(BluetoothServiceKeys::kUsb), std::wstring(kUsbPath) + L".bak");
}

TEST(UsbProbeWine, AFailingSwitchOffLeavesCancelUsable)
{
    // No service keys: every switch-off attempt fails.
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, BluetoothServiceKeys::kPort);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, BluetoothServiceKeys::kUsb);
    PlantedUsbDevices usb;
    ASSERT_TRUE(usb.Plant(L"VID_0A12&PID_0001", L"chip", {L"USB\\VID_0A12&PID_0001&REV_8891"}));
    ProbeRun run(L"/v");
    ASSERT_TRUE(run.Started());
    ASSERT_TRUE(WaitFor([&] { return run.Message().rfind(kDisconnectWaitHead, 0) == 0; })) << "no disconnect text";
    EXPECT_TRUE(run.CancelUsable());
    // Unplugging does not end the wait while the services are still on.
    usb.Unplug(L"VID_0A12&PID_0001");
    Sleep(1500);
    const std::size_t scans = Count(run.Output(), kChipLine);
    Sleep(2500);
    EXPECT_EQ(Count(run.Output(), kChipLine), scans);
    EXPECT_EQ(run.Message().rfind(kDisconnectWaitHead, 0), 0u);
    EXPECT_TRUE(run.CancelUsable());
    run.ClickCancel();
    EXPECT_TRUE(run.WaitForEnd());
    EXPECT_EQ(BluetoothServiceKeys::Read(BluetoothServiceKeys::kPort), L"<unreadable>");
}

TEST(UsbProbeWine, SwitchingOnShowsNoWindowAndEnds)
{
    BluetoothServiceKeys services(std::wstring(kPortPath) + L".bak", std::wstring(kUsbPath) + L".bak");
    ProbeRun run(L"/e");
    ASSERT_TRUE(run.Started());
    bool everVisible = false;
    bool dialogSeen = false;
    WaitFor([&] {
        dialogSeen = dialogSeen || run.Dialog() != nullptr;
        everVisible = everVisible || run.Visible();
        return run.Ended();
    });
    EXPECT_TRUE(run.Ended());
    EXPECT_TRUE(dialogSeen);
    EXPECT_FALSE(everVisible);
    DWORD type = 0;
    EXPECT_EQ(BluetoothServiceKeys::Read(BluetoothServiceKeys::kPort, &type), kPortPath);
    EXPECT_EQ(type, static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_EQ(BluetoothServiceKeys::Read(BluetoothServiceKeys::kUsb), kUsbPath);
    EXPECT_EQ(run.FinalOutput(), "");
}

TEST(UsbProbeWine, DisconnectRunWithoutDeviceEndsUnseen)
{
    PlantedUsbDevices usb;
    ProbeRun run(L"/d");
    ASSERT_TRUE(run.Started());
    bool everVisible = false;
    WaitFor([&] {
        everVisible = everVisible || run.Visible();
        return run.Ended();
    });
    EXPECT_TRUE(run.Ended());
    EXPECT_FALSE(everVisible);
}

TEST(UsbProbeWine, DisconnectRunShowsItsTextUntilTheDeviceIsGone)
{
    PlantedUsbDevices usb;
    ASSERT_TRUE(usb.Plant(L"VID_2B4E&PID_2010", L"probe2", {L"USB\\VID_2B4E&PID_2010&REV_0100"}));
    ProbeRun run(L"/d");
    ASSERT_TRUE(run.Started());
    // Unseen until the first tick has found the device and set the text.
    bool shownEarly = false;
    ASSERT_TRUE(WaitFor([&] {
        const bool visible = run.Visible();
        const bool text = run.Message() == kDisconnectToInstallText;
        shownEarly = shownEarly || (visible && !text);
        return visible || run.Ended();
    }));
    EXPECT_FALSE(shownEarly);
    EXPECT_EQ(run.Message(), kDisconnectToInstallText);
    EXPECT_TRUE(run.CancelGone());
    // Still there a tick later.
    Sleep(1500);
    EXPECT_FALSE(run.Ended());
    EXPECT_TRUE(run.Visible());

    usb.Unplug(L"VID_2B4E&PID_2010");
    EXPECT_TRUE(run.WaitForEnd());
    EXPECT_NE(run.FinalOutput().find("Found Quor Bluetooth Device(USB\\VID_2B4E&PID_2010&REV_0100)\r\n"),
              std::string::npos);
}

TEST(UsbProbeWine, CancelEndsTheRun)
{
    PlantedUsbDevices usb;
    ProbeRun run(L"");
    ASSERT_TRUE(run.Started());
    ASSERT_TRUE(run.WaitForMessage(kFirstConnectionText));
    ASSERT_TRUE(run.CancelUsable());
    run.ClickCancel();
    EXPECT_TRUE(run.WaitForEnd());
    EXPECT_EQ(run.FinalOutput(), "");
}

} // namespace
