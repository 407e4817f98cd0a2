// A whole restore on the real main window under Wine: the simulated 0x2030
// pair (or a DFU-family unit behind the library stand-in) recognised from the
// start page, its settings archive planted in the IMG folder beside the test
// program, the backup list and images served by a local HTTP server. RESTORE
// downloads the chosen image, the update flashes the unit on the restore page's
// job record, and the recognition after it writes the archived settings back
// to the unit before page 4 shows again.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/UpdaterDlg.h"
#include "device/ModelCatalogue.h"
#include "firmware/DialogFirmwareRestore.h"
#include "firmware/FirmwarePrompt.h"
#include "firmware/FirmwareWaitForTests.h"
#include "firmware/ImageHeaderCheck.h"
#include "link/FirmwareServerForTests.h"
#include "link/HidChannel.h"
#include "link/HidDeviceSeam.h"
#include "link/MakerUsb.h"
#include "res/resource.h"
#include "sim/SimDfuChip.h"
#include "sim/SimHeadset.h"
#include "tests/firmware/ImageBuilder.h"
#include "tests/firmware/RestorePageWineSetup.h"
#include "tests/support/MainWindowDriver.h"
#include "tests/support/UsbPlanting.h"
#include "tests/support/WindowPicture.h"
#include "text/FirmwareTexts.h"
#include "text/MainWindowTexts.h"
#include "text/StatusTexts.h"

namespace {

using namespace mainwindow;
using namespace restorepage;

constexpr int kPair = 0x2030;
constexpr int kDfuFamily = 0x2020; // flashed and written through the DFU library

// ---------------------------------------------------------------- what the archive holds

// The archive a run of the manager left before an earlier update, as key=value
// lines; the unit itself holds other settings until the restore writes these.
const std::uint16_t kArchivedWords[10] = {7, 1, 0xED21, 2, 513, 0, 0x1234, 9, 0xFFFF, 33};
const int kArchivedFmTag = 0x56E9; // the write-back tags the block 0x66E9 whatever the archive says
const int kArchivedFrequency = 9010;
const int kArchivedPreset = 2;
const int kArchivedPresets[10] = {8800, 9010, 9550, 10110, 10330, 10450, 10610, 10790, 8750, 10800};
const int kArchivedRds = 1;
const int kArchivedRegion = 3;
const char* const kArchivedSpeedDials[3] = {"+4930123456", "", "112"};

std::string ArchiveText()
{
    std::string text = "keyManagerVersion=1.3\r\nkeyDeviceRecognized=" + std::to_string(kPair) +
                       "\r\nkeyDeviceName=Zenta2 Sim\r\nkeyDeviceVersion=1.1\r\n"
                       "keyDateArchived=03/14/2026 09:26:53\r\n";
    char number[8];
    for (int i = 0; i < 10; ++i) {
        std::snprintf(number, sizeof number, "%02d", i + 1);
        text += "keyBasicSettingOrvan" + std::string(number) + "=" + std::to_string(kArchivedWords[i]) + "\r\n";
    }
    text += "keyFMRadioRegion=" + std::to_string(kArchivedRegion) +
            "\r\nkeyFMRadioMagicCode=" + std::to_string(kArchivedFmTag) +
            "\r\nkeyFMRadioCurrentFrequency=" + std::to_string(kArchivedFrequency) +
            "\r\nkeyFMRadioCurrentPreset=" + std::to_string(kArchivedPreset) + "\r\n";
    for (int i = 0; i < 10; ++i) {
        std::snprintf(number, sizeof number, "%02d", i + 1);
        text += "keyFMRadioPreset" + std::string(number) + "=" + std::to_string(kArchivedPresets[i]) + "\r\n";
    }
    text += "keyFMRadioRDS=" + std::to_string(kArchivedRds) + "\r\n";
    for (int i = 0; i < 3; ++i)
        text += "keySpeedDial0" + std::to_string(i + 1) + "=" + kArchivedSpeedDials[i] + "\r\n";
    return text;
}

// A write-group request as the unit must see it on the wire: report id 1,
// command 4, the group, the word count, the words big-endian, zeros after.
std::vector<unsigned char> GroupWrite(int group, const std::vector<int>& words)
{
    std::vector<unsigned char> frame(kHidRequestSize, 0);
    frame[0] = 1;
    frame[1] = 4;
    frame[2] = static_cast<unsigned char>(group);
    frame[3] = static_cast<unsigned char>(words.size());
    for (std::size_t i = 0; i < words.size(); ++i) {
        frame[4 + 2 * i] = static_cast<unsigned char>((words[i] >> 8) & 0xFF);
        frame[5 + 2 * i] = static_cast<unsigned char>(words[i] & 0xFF);
    }
    return frame;
}

struct ExpectedWrite {
    int productId;
    std::vector<unsigned char> frame;
};

// The archive's settings as the recognition must write them: the basic words
// and the FM block on the second interface, one speed-dial group per number
// (one character a word, as many words as characters) on the first.
std::vector<ExpectedWrite> ArchiveOnTheWire()
{
    std::vector<int> basic(kArchivedWords, kArchivedWords + 10);
    std::vector<int> fm = {0x66E9, kArchivedFrequency, kArchivedPreset};
    fm.insert(fm.end(), kArchivedPresets, kArchivedPresets + 10);
    fm.push_back(kArchivedRds);
    fm.push_back(kArchivedRegion);
    std::vector<ExpectedWrite> writes = {{kHidPairSecondaryProductId, GroupWrite(kHidGroupBasic, basic)},
                                         {kHidPairSecondaryProductId, GroupWrite(kHidGroupFm, fm)}};
    for (int i = 0; i < 3; ++i) {
        const std::string number = kArchivedSpeedDials[i];
        writes.push_back({kHidPairPrimaryProductId,
                          GroupWrite(kHidGroupSpeedDial1 + i, std::vector<int>(number.begin(), number.end()))});
    }
    return writes;
}

// Every write-group request the unit received, in order.
std::vector<ExpectedWrite> GroupWritesSeen(const SimHeadset& hid)
{
    std::vector<ExpectedWrite> seen;
    for (const SimLogEntry& entry : hid.Log()) {
        if (entry.kind == SimLogKind::Write && entry.ok && entry.bytes.size() > 1 &&
            entry.bytes[1] == kHidCmdWriteGroup)
            seen.push_back({entry.productId, entry.bytes});
    }
    return seen;
}

int FirmwareRequestsSeen(const SimHeadset& hid)
{
    int count = 0;
    for (const SimLogEntry& entry : hid.Log()) {
        if (entry.kind == SimLogKind::Write && entry.bytes.size() > 1 &&
            (entry.bytes[1] == kHidCmdStartSection || entry.bytes[1] == kHidCmdSectionData ||
             entry.bytes[1] == kHidCmdFinish))
            ++count;
    }
    return count;
}

// ---------------------------------------------------------------- files

// A backup image of the pair: a first-interface and a second-interface
// section, filled so that each variant's bytes are its own.
struct BackupImage {
    std::vector<std::uint8_t> primary;
    std::vector<std::uint8_t> secondary;
    std::vector<std::uint8_t> file;
};

BackupImage MakeBackupImage(std::uint8_t fill)
{
    BuiltSection first, second;
    first.type = 0;
    first.id = 0;
    first.data.assign(2500, fill); // three data reports
    second.type = 1;
    second.id = 1;
    second.data.assign(700, static_cast<std::uint8_t>(~fill));
    return {first.data, second.data, BuildImage(kPair, {first, second})};
}

// ---------------------------------------------------------------- the seam

// Passes everything to the simulator; once armed, the first enumeration the UI
// thread makes on page 2 (the recognition after the flash) finds the unit
// still off the bus for as many enumerations as asked. The worker's own
// enumerations read nothing of the window.
class LateAfterTheFlashSeam final : public HidDeviceSeam {
public:
    LateAfterTheFlashSeam(SimHeadset& sim, CUpdaterDlg& dialog) : m_sim(sim), m_dialog(dialog)
    {
        SetHidDeviceSeam(this);
    }
    ~LateAfterTheFlashSeam() override { m_sim.Install(); }

    void Arm(int enumerations) { m_enumerations = enumerations; }

    std::vector<HidInterfaceInfo> EnumerateInterfaces() override
    {
        if (::GetCurrentThreadId() == m_uiThread && m_enumerations > 0 && m_dialog.m_page == 2) {
            m_sim.KeepOffTheBus(0, m_enumerations);
            m_enumerations = 0;
        }
        return m_sim.EnumerateInterfaces();
    }
    HidHandle Open(const std::wstring& path) override { return m_sim.Open(path); }
    void Close(HidHandle handle) override { m_sim.Close(handle); }
    bool Write(HidHandle handle, const unsigned char* data, std::size_t size, unsigned timeoutMs) override
    {
        return m_sim.Write(handle, data, size, timeoutMs);
    }
    bool Read(HidHandle handle, unsigned char* data, std::size_t size, unsigned timeoutMs) override
    {
        return m_sim.Read(handle, data, size, timeoutMs);
    }
    void Flush(HidHandle handle) override { m_sim.Flush(handle); }
    std::uint64_t NowMs() override { return m_sim.NowMs(); }

private:
    SimHeadset& m_sim;
    CUpdaterDlg& m_dialog;
    const DWORD m_uiThread = ::GetCurrentThreadId();
    int m_enumerations = 0;
};

// ---------------------------------------------------------------- the fixture

class RestoreWhole : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        m_served = std::make_unique<BackupServer>();
        m_english = MakeBackupImage(0x5A);
        m_french = MakeBackupImage(0x3C);
        m_served->Serve(L"zenta2_en.img", m_english.file);
        m_served->Serve(L"zenta2_fr.img", m_french.file);
        SetFirmwareWaitPercentForTests(0);
    }

    static void TearDownTestSuite()
    {
        m_served.reset();
        SetFirmwareWaitPercentForTests(100);
    }

    void SetUp() override
    {
        ASSERT_NE(0, m_served->Port()) << "the local HTTP server (python3) did not start";
        InitControls();
        m_served->UseIt();
        g_firmwarePromptArmed = 0;
        // Closing the window writes the configuration file, with the voice-prompt
        // language a restore chose: the other test programs find it as it was.
        m_configuration = ReadFileBytes(ConfigurationFilePath());
        WriteFileBytes(InImg(L"hvlxarch", kPair), ArchiveText());
        hid.Install();
        pair = hid.AddHidPairUnit();
    }

    void TearDown() override
    {
        StopWatching();
        g_firmwarePromptArmed = 1;
        RemoveModelFiles({kPair, kDfuFamily});
        std::error_code ignored;
        if (m_configuration == "<missing>")
            std::filesystem::remove(ConfigurationFilePath(), ignored);
        else
            WriteFileBytes(ConfigurationFilePath(), m_configuration);
    }

    void ServeRevisions(const std::string& text) { m_served->ServeRevisions(text); }

    static std::string Key() { return std::string("Zenta2"); }

    // The unit recognised from the start page as a user finds it (landing on
    // page 3, which asks the server), then page 4 from its button, read.
    void RecogniseAndOpenRestorePage(CUpdaterDlg& dialog, int model = kPair)
    {
        const auto idle = [&] { return !dialog.m_busy; };
        ASSERT_TRUE(PumpUntil(dialog.m_hWnd, idle, 15000));
        ::SendMessageW(::GetDlgItem(dialog.m_pageDeviceSelection.m_hWnd, IDC_START_PICTURE), BM_CLICK, 0, 0);
        ASSERT_TRUE(PumpUntil(dialog.m_hWnd, idle, 15000));
        ASSERT_EQ(2, dialog.m_page);
        Click(dialog, IDC_BUTTON_NEXT);
        ASSERT_TRUE(PumpUntil(
            dialog.m_hWnd, [&] { return dialog.m_page == 3 && !dialog.m_busy; }, 15000))
            << "page " << dialog.m_page;
        ASSERT_EQ(model, dialog.m_modelCode);
        ASSERT_NO_FATAL_FAILURE(OpenRestorePage(dialog));
    }

    void OpenRestorePage(CUpdaterDlg& dialog)
    {
        CDialogFirmwareRestore& page = dialog.m_pageFirmwareRestore;
        const int ticks = page.m_archiveTimerTicks;
        Click(dialog, IDC_BUTTON_FIRMWARE_RESTORE);
        ASSERT_TRUE(PumpUntil(
            dialog.m_hWnd, [&] { return page.m_archiveTimerTicks > ticks && !dialog.m_busy; }, 15000));
        ASSERT_EQ(4, dialog.m_page);
    }

    // The main window run modally with the script; closed after it also when
    // an assertion ended the script early.
    void RunWindow(CUpdaterDlg& dialog, const std::function<void()>& script)
    {
        RunModal(dialog, [&] {
            script();
            StopWatching();
            PumpUntil(
                dialog.m_hWnd, [&] { return !dialog.m_busy; }, 15000);
            dialog.m_busy = 0;
            Click(dialog, IDC_BUTTON_CLOSE);
        });
    }

    // Pumps until the condition holds, keeping every distinct status line and
    // the furthest state each page's job record and the progress bar reached.
    bool PumpWatching(CUpdaterDlg& dialog, const std::function<bool()>& done, DWORD timeoutMs)
    {
        return PumpUntil(
            dialog.m_hWnd,
            [&] {
                restoreJobHighest =
                    std::max(restoreJobHighest, dialog.m_pageFirmwareRestore.m_firmwareInfo->Lock()->m_state);
                updateJobHighest =
                    std::max(updateJobHighest, dialog.m_pageFirmwareUpdate.m_firmwareInfo->Lock()->m_state);
                progressHighest = std::max(progressHighest, dialog.m_progress);
                const std::wstring now = dialog.GetStatusText().str();
                if (statusLines.empty() || statusLines.back() != now)
                    statusLines.push_back(now);
                return done();
            },
            timeoutMs);
    }

    bool SawStatus(const std::wstring& text) const
    {
        return std::find(statusLines.begin(), statusLines.end(), text) != statusLines.end();
    }

    std::string StatusHistory() const
    {
        std::string all;
        for (const std::wstring& line : statusLines)
            all += std::string(line.begin(), line.end()) + " | ";
        return all;
    }

    SimHeadset hid;
    SimHeadset::Pair pair{};
    std::vector<std::wstring> statusLines;
    int restoreJobHighest = 0;
    int updateJobHighest = 0;
    int progressHighest = 0;
    ImgFolderForTheRun m_img;
    std::string m_configuration;

    static std::unique_ptr<BackupServer> m_served;
    static BackupImage m_english;
    static BackupImage m_french;
};

std::unique_ptr<BackupServer> RestoreWhole::m_served;
BackupImage RestoreWhole::m_english;
BackupImage RestoreWhole::m_french;

const std::wstring kRestored = L"Firmware restored successfully";

// ---------------------------------------------------------------- the tests

TEST_F(RestoreWhole, TheBackupIsFlashedAndTheArchivedSettingsWrittenBack)
{
    struct Case {
        const char* name;
        std::string revisions;
        int chosen;               // combo entry chosen before RESTORE; -1: none offered
        const BackupImage* image; // what the unit must receive
        int offBusEnumerations;   // after the flash, the unit misses this many enumerations
        bool userPressesNext;     // the posted retry missed it too: the user presses NEXT
        int uiLanguage;
    } cases[] = {
        {"two variants, the second chosen",
         Key() + ":v1.1:English:zenta2_en.img\r\n" + Key() + ":v1.1:French:zenta2_fr.img\r\n", 1, &m_french, 0, false,
         0},
        {"one image, the unit late for the first recognition",
         Key() + ":v1.0:old.img\n" + Key() + ":v1.1:zenta2_en.img\n", -1, &m_english, 1, false, 2},
        {"late for both tries, the record waits for NEXT", Key() + ":v1.1:zenta2_fr.img\n", -1, &m_french, 2, true, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        hid.ClearLog();
        statusLines.clear();
        restoreJobHighest = updateJobHighest = progressHighest = 0;
        pair.primary->sections.clear();
        pair.secondary->sections.clear();
        // The unit's own settings before the restore, other than the archive's.
        pair.secondary->SetGroup(kHidGroupBasic, {5, 3, 0xED21, 2, 0, 0, 0, 0, 0, 0});
        ServeRevisions(c.revisions);
        CUpdaterDlg dialog;
        LateAfterTheFlashSeam seam(hid, dialog);
        const std::wstring restored = GetTextSuccess(4, kPair, c.uiLanguage);
        RunWindow(dialog, [&] {
            dialog.ApplyLanguage(c.uiLanguage, dialog.m_applyToFirmwareLanguage);
            ASSERT_NO_FATAL_FAILURE(RecogniseAndOpenRestorePage(dialog));
            CDialogFirmwareRestore& page = dialog.m_pageFirmwareRestore;
            ASSERT_TRUE(Enabled(dialog, IDC_BUTTON_APPLY)) << StatusHistory();
            EXPECT_EQ(c.chosen >= 0 ? GetTextAfterVoicePromptLanguage(c.uiLanguage)
                                    : GetTextPressRestoreButton(c.uiLanguage),
                      dialog.GetStatusText().str());
            if (c.chosen >= 0) {
                ASSERT_EQ(2, page.m_versionList.GetCount());
                page.m_versionList.SetCurSel(c.chosen);
            } else {
                EXPECT_EQ(0, page.m_versionList.GetCount());
            }
            EXPECT_EQ(0u, GroupWritesSeen(hid).size()); // the first recognition only read the unit
            const int ticks = page.m_archiveTimerTicks;
            seam.Arm(c.offBusEnumerations);
            const int dataReports = pair.primary->dataReports + pair.secondary->dataReports;
            Click(dialog, IDC_BUTTON_APPLY);
            EXPECT_TRUE(dialog.m_busy);
            // A second press while the first restore runs starts nothing, and the window stays.
            Click(dialog, IDC_BUTTON_APPLY);
            ::SendMessageW(::GetDlgItem(dialog.m_hWnd, IDC_BUTTON_CLOSE), BM_CLICK, 0, 0);
            ::SendMessageW(dialog.m_hWnd, WM_CLOSE, 0, 0);
            EXPECT_TRUE(::IsWindowVisible(dialog.m_hWnd));
            if (c.userPressesNext) {
                // Both tries missed the unit: page 2 says so and keeps the archived record.
                ASSERT_TRUE(PumpWatching(
                    dialog, [&] { return dialog.m_page == 2 && !dialog.m_busy; }, 60000))
                    << StatusHistory();
                PumpFor(dialog.m_hWnd, 200);
                EXPECT_EQ(2, dialog.m_page);
                EXPECT_NE(nullptr, dialog.m_pageDeviceRecognition.PendingRecord());
                EXPECT_EQ(0u, GroupWritesSeen(hid).size());
                EXPECT_NE(restored, dialog.GetStatusText().str());
                Click(dialog, IDC_BUTTON_NEXT);
            }
            // Back on page 4, entered by the recognition, with the archive and the list read again.
            ASSERT_TRUE(PumpWatching(
                dialog, [&] { return dialog.m_page == 4 && page.m_archiveTimerTicks > ticks && !dialog.m_busy; },
                60000))
                << StatusHistory();
            PumpFor(dialog.m_hWnd, 100);

            // The update drove page 4's job record, never page 3's.
            EXPECT_GE(restoreJobHighest, kJobTransferring);
            EXPECT_LT(updateJobHighest, kJobUpdateStarted);
            // The chosen backup went to IMG under the model's name and into the unit.
            const std::vector<std::uint8_t> served = c.image->file;
            EXPECT_EQ(std::string(served.begin(), served.end()), ReadFileBytes(InImg(L"img", kPair)));
            EXPECT_EQ(c.image->primary, pair.primary->sections[0]);
            EXPECT_EQ(c.image->secondary, pair.secondary->sections[1]);
            EXPECT_EQ(3 + 1, pair.primary->dataReports + pair.secondary->dataReports - dataReports);
            EXPECT_EQ(100, progressHighest);

            // Written back once, request by request, byte by byte.
            const std::vector<ExpectedWrite> expected = ArchiveOnTheWire();
            const std::vector<ExpectedWrite> seen = GroupWritesSeen(hid);
            ASSERT_EQ(expected.size(), seen.size());
            for (std::size_t i = 0; i < expected.size(); ++i) {
                SCOPED_TRACE(i);
                EXPECT_EQ(expected[i].productId, seen[i].productId);
                EXPECT_EQ(expected[i].frame, seen[i].frame);
            }
            // ... and read back from the unit into the live record.
            for (int i = 0; i < 10; ++i)
                EXPECT_EQ(kArchivedWords[i], dialog.m_device.m_settings[i]) << i;
            EXPECT_EQ(0x66E9, dialog.m_device.m_fmMagicCode);
            EXPECT_EQ(kArchivedPresets[9], dialog.m_device.m_fmPresets[9]);
            EXPECT_EQ(kArchivedRegion, dialog.m_device.m_fmRegion);
            EXPECT_EQ(L"+4930123456", dialog.m_device.m_speedDial[0]);
            EXPECT_EQ(L"", dialog.m_device.m_speedDial[1]);
            EXPECT_EQ(L"112", dialog.m_device.m_speedDial[2]);

            // The restore's own text stays: no press-RESTORE text after the return.
            EXPECT_EQ(0, page.m_entryMode);
            EXPECT_EQ(restored, dialog.GetStatusText().str()) << StatusHistory();
            EXPECT_FALSE(SawStatus(GetTextPressRestoreButton(c.uiLanguage))) << StatusHistory();
            EXPECT_EQ(nullptr, dialog.m_pageDeviceRecognition.PendingRecord());
            EXPECT_TRUE(Enabled(dialog, IDC_BUTTON_APPLY));
            // The restore writes no archive: the earlier one is there for another restore.
            EXPECT_EQ(ArchiveText(), ReadFileBytes(InImg(L"hvlxarch", kPair)));
            EXPECT_TRUE(SaveWindowPicture(dialog.m_hWnd, ScreenshotFolder() + L"\\restore-whole-restored-" +
                                                             std::to_wstring(c.uiLanguage) + L".png"));
        });
    }
}

TEST_F(RestoreWhole, AFailedDownloadFlashesNothingAndWritesNothing)
{
    struct Case {
        const char* name;
        const char* file; // named by the list
        bool lockTarget;  // another program holds IMG's image open
        std::wstring (*reason)(int);
    } cases[] = {
        {"not on the server", "gone.img", false, GetTextCannotConnectServer},
        {"the image in IMG locked", "zenta2_en.img", true, GetTextCannotOpenFile},
    };
    CUpdaterDlg dialog;
    RunWindow(dialog, [&] {
        ASSERT_NO_FATAL_FAILURE(RecogniseAndOpenRestorePage(dialog));
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            ServeRevisions(Key() + ":v1.1:" + c.file + "\n");
            WriteFileBytes(InImg(L"img", kPair), "an earlier image");
            ASSERT_NO_FATAL_FAILURE(OpenRestorePage(dialog));
            hid.ClearLog();
            FileHeldOpen lock(c.lockTarget ? InImg(L"img", kPair) : std::filesystem::path());
            Click(dialog, IDC_BUTTON_APPLY);
            ASSERT_TRUE(PumpUntil(
                dialog.m_hWnd, [&] { return !dialog.m_busy; }, 15000));
            lock.Release();
            PumpFor(dialog.m_hWnd, 300);
            EXPECT_EQ(GetTextDownloadLatestFailed(0) + L". " + c.reason(0), dialog.GetStatusText().str());
            EXPECT_EQ("an earlier image", ReadFileBytes(InImg(L"img", kPair)));
            EXPECT_EQ(0, FirmwareRequestsSeen(hid));
            EXPECT_EQ(0u, GroupWritesSeen(hid).size());
            EXPECT_TRUE(pair.primary->sections.empty());
            EXPECT_EQ(4, dialog.m_page);
            EXPECT_EQ(ArchiveText(), ReadFileBytes(InImg(L"hvlxarch", kPair)));
        }
    });
}

TEST_F(RestoreWhole, ABackupTheUnitMustNotTakeIsRefusedBeforeAnythingIsSent)
{
    std::vector<std::uint8_t> damaged = m_english.file;
    damaged.at(damaged.size() - 100) ^= 0xFF; // the second section's digest no longer matches
    struct Case {
        const char* name;
        std::vector<std::uint8_t> served;
    } cases[] = {
        {"a section that does not match its digest", damaged},
        {"a page of text instead of an image", Bytes("<html>Not here</html>")},
    };
    CUpdaterDlg dialog;
    RunWindow(dialog, [&] {
        ASSERT_NO_FATAL_FAILURE(RecogniseAndOpenRestorePage(dialog));
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            m_served->Serve(L"refused.img", c.served);
            ServeRevisions(Key() + ":v1.1:refused.img\n");
            ASSERT_NO_FATAL_FAILURE(OpenRestorePage(dialog));
            hid.ClearLog();
            statusLines.clear();
            Click(dialog, IDC_BUTTON_APPLY);
            ASSERT_TRUE(PumpWatching(
                dialog, [&] { return !dialog.m_busy; }, 30000))
                << StatusHistory();
            EXPECT_EQ(GetTextFailure(4, kPair, 0) + L". " + GetTextFirmwareCorrupted(0), dialog.GetStatusText().str());
            EXPECT_FALSE(SawStatus(kRestored)) << StatusHistory();
            EXPECT_EQ(0, FirmwareRequestsSeen(hid));
            EXPECT_EQ(0u, GroupWritesSeen(hid).size());
            EXPECT_EQ(4, dialog.m_page);
            EXPECT_TRUE(Enabled(dialog, IDC_BUTTON_APPLY));
            EXPECT_EQ(ArchiveText(), ReadFileBytes(InImg(L"hvlxarch", kPair)));
        }
    });
}

TEST_F(RestoreWhole, TheUnitLeavingDuringTheFlashEndsWithoutSuccessAndKeepsTheArchiveForAnotherTry)
{
    ServeRevisions(Key() + ":v1.1:zenta2_en.img\n");
    pair.primary->firmware.unplugAfterDataReports = 2;
    CUpdaterDlg dialog;
    RunWindow(dialog, [&] {
        ASSERT_NO_FATAL_FAILURE(RecogniseAndOpenRestorePage(dialog));
        OnEveryBox(dialog.m_hWnd, [&](HWND box) {
            ADD_FAILURE() << BoxText(box).str().size() << " characters in a box";
            PressBoxButton(box, IDOK);
        });
        hid.ClearLog();
        Click(dialog, IDC_BUTTON_APPLY);
        ASSERT_TRUE(PumpWatching(
            dialog, [&] { return pair.primary->unplugged && !dialog.m_busy; }, 60000))
            << StatusHistory();
        PumpFor(dialog.m_hWnd, 300);
        // The transfer's failure, on page 4; nothing finished, nothing written back.
        EXPECT_EQ(GetTextFailure(4, kPair, 0) + L". " + GetTextCannotGetStatus(0), dialog.GetStatusText().str());
        EXPECT_FALSE(SawStatus(kRestored)) << StatusHistory();
        EXPECT_EQ(4, dialog.m_page);
        EXPECT_EQ(0, pair.primary->finishCount);
        EXPECT_TRUE(pair.secondary->sections.empty());
        EXPECT_EQ(0u, GroupWritesSeen(hid).size());
        EXPECT_EQ(ArchiveText(), ReadFileBytes(InImg(L"hvlxarch", kPair)));

        // Plugged in again, recognised and restored: the same archive goes to the unit.
        pair.primary->firmware.unplugAfterDataReports = 0;
        hid.PlugIn(0);
        dialog.ShowDeviceSelectionPage();
        ASSERT_NO_FATAL_FAILURE(RecogniseAndOpenRestorePage(dialog));
        CDialogFirmwareRestore& page = dialog.m_pageFirmwareRestore;
        const int ticks = page.m_archiveTimerTicks;
        hid.ClearLog();
        statusLines.clear();
        Click(dialog, IDC_BUTTON_APPLY);
        ASSERT_TRUE(PumpWatching(
            dialog, [&] { return dialog.m_page == 4 && page.m_archiveTimerTicks > ticks && !dialog.m_busy; }, 60000))
            << StatusHistory();
        EXPECT_EQ(kRestored, dialog.GetStatusText().str()) << StatusHistory();
        EXPECT_EQ(m_english.primary, pair.primary->sections[0]);
        EXPECT_EQ(m_english.secondary, pair.secondary->sections[1]);
        const std::vector<ExpectedWrite> expected = ArchiveOnTheWire();
        const std::vector<ExpectedWrite> seen = GroupWritesSeen(hid);
        ASSERT_EQ(expected.size(), seen.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(expected[i].frame, seen[i].frame) << i;
    });
}

TEST_F(RestoreWhole, ADfuFamilyUnitIsFlashedByTheLibraryAndGetsItsArchivedKeys)
{
    hid.Unplug(0); // no HID pair: the recognition takes the library road
    PlantedUsbDevices usb;
    SimDfuChip chip;
    SimDfuDevice& unit = chip.AddDevice(kDfuFamily);
    unit.SetKeyWords(675, {static_cast<std::uint16_t>(kDfuFamily)});
    unit.SetKeyWords(676, {0x000B, 0x0200});
    unit.SetKeyWords(654, {0x0301, 0});
    unit.keys[264] = {'Z', 'e', 'n', 't', 'a', 0};
    ASSERT_TRUE(usb.Plant(PlantedUsbDevices::MakerDeviceKey(kDfuFamily), L"unit", {unit.UsbHardwareId()}));
    chip.onBackInNormalMode = [&](const SimDfuDevice& device, int oldId) {
        usb.Unplug(PlantedUsbDevices::MakerDeviceKey(oldId));
        usb.Plant(PlantedUsbDevices::MakerDeviceKey(device.productId), L"unit", {device.UsbHardwareId()});
    };
    chip.Attach();
    // The archive of an earlier update: voice prompt on, two of three speed dials.
    WriteFileBytes(InImg(L"hvlxarch", kDfuFamily),
                   "keyDeviceRecognized=" + std::to_string(kDfuFamily) +
                       "\r\nkeyDeviceVersion=1.0\r\nkeyVoicePrompt=1\r\nkeyHandsfreeVOX=1\r\n"
                       "keySpeedDial01=+4930123456\r\nkeySpeedDial03=112\r\n");
    // A library image whose header names the model.
    std::string image(1700, ' ');
    const std::string header = "Zenta#2020";
    image.replace(kImageHeaderTextOffset, header.size(), header);
    m_served->Serve(L"zenta.dfu", Bytes(image));
    ServeRevisions("Zenta:v1.0:zenta.dfu\n");
    chip.validImages.insert(InImg(L"img", kDfuFamily).wstring());
    CUpdaterDlg dialog;
    std::vector<std::wstring> boxes;
    RunWindow(dialog, [&] {
        ASSERT_NO_FATAL_FAILURE(RecogniseAndOpenRestorePage(dialog, kDfuFamily));
        CDialogFirmwareRestore& page = dialog.m_pageFirmwareRestore;
        OnEveryBox(dialog.m_hWnd, [&](HWND box) {
            boxes.push_back(BoxText(box).str());
            PressBoxButton(box, IDOK);
        });
        const int ticks = page.m_archiveTimerTicks;
        chip.ClearLog();
        Click(dialog, IDC_BUTTON_APPLY);
        ASSERT_TRUE(PumpWatching(
            dialog, [&] { return dialog.m_page == 4 && page.m_archiveTimerTicks > ticks && !dialog.m_busy; }, 90000))
            << StatusHistory() << " page " << dialog.m_page << " boxes " << boxes.size() << " "
            << (boxes.empty() ? std::string() : std::string(boxes[0].begin(), boxes[0].end())) << " state "
            << page.m_firmwareInfo->Lock()->m_state << " progress " << dialog.m_progress << " steps "
            << chip.PlannedSteps().size();
        // The library's road holds the unit's buttons through the flash, on page 4 as on page 3.
        ASSERT_FALSE(boxes.empty());
        EXPECT_EQ(GetTextHoldButtonPrompt(kDfuFamily, 0), boxes.front());
        EXPECT_EQ(image, ReadFileBytes(InImg(L"img", kDfuFamily)));
        EXPECT_EQ((std::vector<int>{0, 1, 2}), chip.PlannedSteps()); // reconfigure, download, manifest
        EXPECT_GE(restoreJobHighest, kJobImageVerified);
        EXPECT_LT(updateJobHighest, kJobUpdateStarted);
        EXPECT_EQ(kRestored, dialog.GetStatusText().str()) << StatusHistory();

        // The archived keys, written once after the flash, then read back.
        std::vector<int> written;
        for (const SimDfuKeyAccess& access : chip.Log()) {
            if (access.set)
                written.push_back(access.key);
        }
        EXPECT_EQ((std::vector<int>{654, 0x2280, 0x2281, 0x2282}), written);
        EXPECT_EQ(page.m_archive.BuildConfigWord(), unit.KeyWords(654).at(0));
        const auto dialWords = [](const std::string& number) {
            std::vector<std::uint16_t> words(20, 0);
            std::copy(number.begin(), number.end(), words.begin());
            return words;
        };
        EXPECT_EQ(dialWords("+4930123456"), unit.KeyWords(0x2280));
        EXPECT_EQ(dialWords(""), unit.KeyWords(0x2281));
        EXPECT_EQ(dialWords("112"), unit.KeyWords(0x2282));
        EXPECT_EQ(L"+4930123456", dialog.m_device.m_speedDial[0]);
        EXPECT_EQ(L"112", dialog.m_device.m_speedDial[2]);
        EXPECT_EQ(1, dialog.m_device.m_voicePrompt);
    });
    chip.Detach();
}

} // namespace
