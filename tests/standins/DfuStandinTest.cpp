// Runs natively against the stand-in's static build and under Wine against
// DFUEngine.dll itself.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <cwctype>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "sim/SimDfuChip.h"
#include "standins/DFUEngine.h"

namespace {

std::vector<std::wstring> Names(CStringListX& list)
{
    std::vector<std::wstring> names;
    CStringListX::Position position = list.GetHeadPosition();
    while (static_cast<CStringX*>(position) != nullptr) {
        CStringX& name = list.GetNext(position);
        names.emplace_back(static_cast<const wchar_t*>(name));
    }
    return names;
}

TEST(DfuStandin, WithoutASimulatedChipEverythingFailsCleanly)
{
    CStringListX names;
    EXPECT_EQ(DFUEngine::GetUSBDeviceNames(names), 0);
    EXPECT_TRUE(names.IsEmpty());
    DFUTransportUSB::init();
    EXPECT_EQ(DFURequestsUSB::EnumerateDevices(names), 0);
    EXPECT_EQ(names.GetCount(), 0);
    EXPECT_EQ(DFUTransportUSB::PathInternal(L"CSR DFU device 1").GetLength(), 0);
    DFUTransportCOM transport;
    EXPECT_FALSE(DFURequestsUSB::ConnectDevice(L"\\\\?\\USB#VID_2B4E&PID_2011#1", transport));
    unsigned char buffer[8] = {0xAA};
    unsigned short got = 99;
    EXPECT_FALSE(transport.BCCMDGetPS(675, buffer, 2, &got));
    EXPECT_EQ(got, 0);
    EXPECT_FALSE(transport.BCCMDSetPS(654, buffer, 4));
    DFUTransportUSB::deinit();

    DFUEngine engine;
    EXPECT_FALSE(engine.CreateUSB(L"CSR DFU device 1"));
    EXPECT_FALSE(engine.StartReconfigure(false, true, L"C:\\image.dfu"));
    EXPECT_FALSE(engine.StartDownload(L"C:\\image.dfu"));
    EXPECT_FALSE(engine.StartManifest());
    EXPECT_FALSE(DFUEngine::IsDFUFileValid(L"C:\\image.dfu"));
    engine.Destroy();
}

class DfuStandinChip : public ::testing::Test {
protected:
    void SetUp() override
    {
        SimDfuDevice& normal = chip.AddDevice(0x2011);
        normal.SetKeyWords(675, {0x2011});
        normal.SetKeyWords(676, {0x000C, 0x0200});
        normal.SetKeyWords(1, {0x2C9B, 0x00D2, 0x007D, 0x001A});
        normal.unreadable.insert(264);
        normal.keys[264] = {'Z', 'e', 'n', 0};
        chip.AddDevice(0xA011);
        chip.Attach();
    }
    SimDfuChip chip;
};

TEST_F(DfuStandinChip, EnumerateConnectAndReadAndWriteKeys)
{
    DFUTransportUSB::init();
    CStringListX names;
    EXPECT_EQ(DFURequestsUSB::EnumerateDevices(names), 2);
    const std::vector<std::wstring> listed = Names(names);
    ASSERT_EQ(listed.size(), 2u);

    std::vector<std::wstring> paths;
    for (const std::wstring& name : listed) {
        CStringX path = DFUTransportUSB::PathInternal(name.c_str());
        // As the callers read it: "VID_" and "PID_", each before four hex digits.
        const std::wstring raw(static_cast<const wchar_t*>(path));
        for (const wchar_t* marker : {L"VID_", L"PID_"}) {
            const std::size_t at = raw.find(marker);
            ASSERT_NE(at, std::wstring::npos) << std::string(raw.begin(), raw.end());
            ASSERT_LE(at + 8, raw.size());
            for (std::size_t i = at + 4; i < at + 8; ++i)
                EXPECT_TRUE(std::iswxdigit(raw[i])) << i;
        }
        CStringX canonical = Device::Canonicalise(path, true);
        const std::wstring text(canonical.GetBuffer(), canonical.GetLength());
        EXPECT_NE(text.find(L"VID_2B4E"), std::wstring::npos) << std::string(text.begin(), text.end());
        paths.push_back(text);
    }
    EXPECT_NE(paths[0].find(L"PID_2011"), std::wstring::npos);
    EXPECT_NE(paths[1].find(L"PID_A011"), std::wstring::npos);

    // The one transport is connected to each unit in turn; the DFU-mode one
    // does not answer.
    DFUTransportCOM transport;
    EXPECT_FALSE(DFURequestsUSB::ConnectDevice(paths[1].c_str(), transport));
    DFUEngine::Result result(0, L"");
    result = DFURequestsUSB::ConnectDevice(paths[0].c_str(), transport);
    ASSERT_TRUE(result);

    unsigned char word[2] = {};
    unsigned short got = 0;
    ASSERT_TRUE(transport.BCCMDGetPS(675, word, 2, &got));
    EXPECT_EQ(word[0] | (word[1] << 8), 0x2011);
    unsigned char version[4] = {};
    ASSERT_TRUE(transport.BCCMDGetPS(676, version, 4, &got));
    EXPECT_EQ(version[0], 12);
    EXPECT_EQ(version[3], 2);

    unsigned char name[256];
    std::memset(name, 0x55, sizeof name);
    result = transport.BCCMDGetPS(264, name, 256, &got);
    EXPECT_FALSE(result);
    EXPECT_NE(result.GetCode(), 0);
    EXPECT_FALSE(transport.BCCMDGetPS(671, name, 30, &got)); // a key the unit does not hold

    const unsigned char config[4] = {0x0B, 0x01, 0, 0};
    EXPECT_TRUE(transport.BCCMDSetPS(654, config, 4));
    EXPECT_EQ(chip.DeviceAt(0).KeyWords(654), (std::vector<std::uint16_t>{0x010B, 0}));
    unsigned char back[4] = {};
    EXPECT_TRUE(transport.BCCMDGetPS(654, back, 4, &got));
    EXPECT_EQ(std::vector<unsigned char>(back, back + 4), std::vector<unsigned char>(config, config + 4));

    const std::vector<SimDfuKeyAccess> log = chip.Log();
    ASSERT_EQ(log.size(), 6u);
    EXPECT_FALSE(log[0].set);
    EXPECT_EQ(log[0].key, 675);
    EXPECT_FALSE(log[2].ok);
    EXPECT_TRUE(log[4].set);
    EXPECT_EQ(log[4].key, 654);
    EXPECT_EQ(log[4].bytes, std::vector<unsigned char>(config, config + 4));
    DFUTransportUSB::deinit();

    // After deinit the transport no longer reaches the unit.
    EXPECT_FALSE(transport.BCCMDGetPS(675, word, 2, &got));
    EXPECT_EQ(DFURequestsUSB::EnumerateDevices(names), 0);
}

TEST_F(DfuStandinChip, DeviceNamesForTheEngine)
{
    CStringListX names;
    EXPECT_EQ(DFUEngine::GetUSBDeviceNames(names), 1);
    EXPECT_EQ(names.GetCount(), 2);
    chip.Detach();
    CStringListX none;
    EXPECT_EQ(DFUEngine::GetUSBDeviceNames(none), 0);
}

class Recorder : public DFUEngine::Callback {
public:
    struct Event {
        int kind; // 0 Notify, 1 Progress, 2 Complete
        int step;
        int activity;
        bool ok;
        int code;
        std::thread::id thread;
    };
    void Notify(int, const DFUEngine::Status& s) override { Add(0, s); }
    void Progress(int, const DFUEngine::Status& s) override { Add(1, s); }
    void Complete(int, const DFUEngine::Status& s) override { Add(2, s); }

    bool WaitForCompletes(int n)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, std::chrono::seconds(10), [&] { return m_completes >= n; });
    }
    std::vector<Event> Events()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_events;
    }

private:
    void Add(int kind, const DFUEngine::Status& s)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_events.push_back(
            {kind, s.step, s.activity, static_cast<bool>(s.result), s.result.GetCode(), std::this_thread::get_id()});
        if (kind == 2)
            ++m_completes;
        m_changed.notify_all();
    }
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<Event> m_events;
    int m_completes = 0;
};

TEST_F(DfuStandinChip, EngineStepsCallBackOnTheLibrarysThread)
{
    chip.validImages.insert(L"C:\\IMG\\Zenta.dfu");
    EXPECT_TRUE(DFUEngine::IsDFUFileValid(L"C:\\IMG\\Zenta.dfu"));
    EXPECT_FALSE(DFUEngine::IsDFUFileValid(L"C:\\IMG\\other.dfu"));

    Recorder recorder;
    DFUEngine engine;
    CStringListX names;
    ASSERT_EQ(DFUEngine::GetUSBDeviceNames(names), 1);
    CStringListX::Position head = names.GetHeadPosition();
    ASSERT_TRUE(engine.CreateUSB(names.GetNext(head)));
    engine.SetCallback(&recorder);
    ASSERT_TRUE(engine.StartReconfigure(false, true, L"C:\\IMG\\Zenta.dfu"));
    ASSERT_TRUE(recorder.WaitForCompletes(1));
    ASSERT_TRUE(engine.StartDownload(L"C:\\IMG\\Zenta.dfu"));
    ASSERT_TRUE(recorder.WaitForCompletes(2));
    ASSERT_TRUE(engine.StartManifest());
    ASSERT_TRUE(recorder.WaitForCompletes(3));
    engine.Destroy();

    std::vector<int> completedSteps;
    bool sawTransfer = false;
    for (const Recorder::Event& e : recorder.Events()) {
        EXPECT_NE(e.thread, std::this_thread::get_id());
        if (e.kind == 2) {
            completedSteps.push_back(e.step);
            EXPECT_TRUE(e.ok);
        }
        sawTransfer = sawTransfer || (e.kind == 1 && e.activity == DFUEngine::activityTransfer);
    }
    EXPECT_EQ(completedSteps,
              (std::vector<int>{DFUEngine::stepReconfigure, DFUEngine::stepDownload, DFUEngine::stepManifest}));
    EXPECT_TRUE(sawTransfer);
    EXPECT_EQ(chip.PlannedSteps(), (std::vector<int>{0, 1, 2}));
    EXPECT_FALSE(engine.StartDownload(L"C:\\IMG\\Zenta.dfu")); // released by Destroy
}

TEST_F(DfuStandinChip, AFailedStepReportsItsCode)
{
    chip.DeviceAt(0).plans[0].resultCode = 7;
    Recorder recorder;
    DFUEngine engine;
    ASSERT_TRUE(engine.CreateUSB(chip.DeviceAt(0).name.c_str()));
    engine.SetCallback(&recorder);
    ASSERT_TRUE(engine.StartReconfigure(false, true, L"x.dfu"));
    ASSERT_TRUE(recorder.WaitForCompletes(1));
    const Recorder::Event last = recorder.Events().back();
    EXPECT_EQ(last.kind, 2);
    EXPECT_EQ(last.step, DFUEngine::stepReconfigure);
    EXPECT_FALSE(last.ok);
    EXPECT_EQ(last.code, 7);
    // The destructor waits for and releases everything by itself.
}

// Releases its engine from inside the step's own Complete.
class DestroyOnComplete : public DFUEngine::Callback {
public:
    DFUEngine* engine = nullptr;
    std::mutex mutex;
    std::condition_variable done;
    bool completed = false;
    void Complete(int, const DFUEngine::Status&) override
    {
        engine->Destroy();
        std::lock_guard<std::mutex> lock(mutex);
        completed = true;
        done.notify_all();
    }
};

TEST_F(DfuStandinChip, AnEngineReleasedInsideItsCallbackCanBeDestroyedAtOnce)
{
    for (int round = 0; round < 200; ++round) {
        DestroyOnComplete callback;
        auto engine = std::make_unique<DFUEngine>();
        callback.engine = engine.get();
        ASSERT_TRUE(engine->CreateUSB(chip.DeviceAt(0).name.c_str()));
        engine->SetCallback(&callback);
        ASSERT_TRUE(engine->StartReconfigure(false, true, L"x.dfu"));
        {
            std::unique_lock<std::mutex> lock(callback.mutex);
            ASSERT_TRUE(callback.done.wait_for(lock, std::chrono::seconds(10), [&] { return callback.completed; }));
        }
        engine.reset(); // the library's thread may still be leaving the callback
        EXPECT_FALSE(DFUEngine().StartManifest());
    }
    // A released engine can be bound and started again.
    Recorder recorder;
    DFUEngine engine;
    ASSERT_TRUE(engine.CreateUSB(chip.DeviceAt(0).name.c_str()));
    engine.SetCallback(&recorder);
    ASSERT_TRUE(engine.StartReconfigure(false, true, L"x.dfu"));
    ASSERT_TRUE(recorder.WaitForCompletes(1));
    engine.Destroy();
    ASSERT_TRUE(engine.CreateUSB(chip.DeviceAt(0).name.c_str()));
    engine.SetCallback(&recorder);
    ASSERT_TRUE(engine.StartDownload(L"x.dfu"));
    ASSERT_TRUE(recorder.WaitForCompletes(2));
}

TEST(DfuStandinStrings, CopiesOwnTheirText)
{
    CStringX a(L"VID_2B4E");
    CStringX b = a;
    CStringX c;
    c = b;
    wchar_t* buffer = b.GetBuffer(20);
    buffer[0] = L'v';
    EXPECT_STREQ(static_cast<const wchar_t*>(a), L"VID_2B4E");
    EXPECT_STREQ(static_cast<const wchar_t*>(c), L"VID_2B4E");
    EXPECT_EQ(a.GetLength(), 8);
    CStringX empty;
    EXPECT_STREQ(static_cast<const wchar_t*>(empty), L"");
    EXPECT_EQ(empty.GetLength(), 0);

    DFUEngine::Result ok(0, L"");
    DFUEngine::Result failed(28, L"refused");
    EXPECT_TRUE(ok);
    EXPECT_FALSE(failed);
    ok = failed;
    EXPECT_EQ(ok.GetCode(), 28);
    DFUEngine::Status s;
    s.result = failed;
    DFUEngine::Status t(s);
    EXPECT_EQ(t.result.GetCode(), 28);

    CStringListX list;
    list.AddTail(CStringX(L"one"));
    list.AddTail(CStringX(L"two"));
    CStringListX::Position p = list.GetHeadPosition();
    EXPECT_STREQ(static_cast<const wchar_t*>(list.GetNext(p)), L"one");
    EXPECT_STREQ(static_cast<const wchar_t*>(list.GetNext(p)), L"two");
    EXPECT_EQ(static_cast<CStringX*>(p), nullptr);
    EXPECT_STREQ(static_cast<const wchar_t*>(list.GetNext(p)), L"");
}

} // namespace
