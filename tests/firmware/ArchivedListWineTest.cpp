// Page 4's list of archived settings (1202) on the real main window for the models with single
// bits and packed numbers, three-step and level VOX, Layertone™, Routecue and ESS: an archive
// written for the model into the IMG folder beside the test program, the backup list from a
// local HTTP server, and the list read back row by row against the hand-written texts, in
// English and in Chinese, drawn.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <ctime>
#include <sstream>
#include <string>
#include <vector>

#include "ArchivedListProbe.h"
#include "ArchivedRowsText.h"
#include "app/UpdaterDlg.h"
#include "device/ModelCatalogue.h"
#include "firmware/ArchivedSettingsList.h"
#include "firmware/DialogFirmwareRestore.h"
#include "firmware/SettingsArchive.h"
#include "res/resource.h"
#include "tests/firmware/RestorePageWineSetup.h"

namespace {

using namespace restorepage;

constexpr int kChinese = 9;

std::wstring ProgramPath()
{
    wchar_t exe[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    return std::wstring(exe, length);
}

std::wstring ArchiveFile(int model)
{
    std::wstring path;
    EXPECT_TRUE(SettingsArchivePath(ProgramPath(), model, path));
    return path;
}

// A unit of the model on firmware major.minor whose Basic settings are the given words and
// option ints, the rest 0.
struct Unit {
    int model;
    int major;
    int minor;
    std::vector<std::pair<int, int>> words; // settings word, value
    int handsfreeVox;
    int intercomVox;
    int voicePrompt;
    int bitpoolRate;
    int sidetone;
    int hushguard;

    DeviceConfig Record() const
    {
        DeviceConfig record;
        record.m_modelCode = model;
        record.m_deviceName = L"Archived list unit";
        record.m_firmwareVersion.major = major;
        record.m_firmwareVersion.minor = minor;
        for (const auto& [word, value] : words)
            record.m_settings[word] = value;
        record.m_handsfreeVox = handsfreeVox;
        record.m_intercomVox = intercomVox;
        record.m_voicePrompt = voicePrompt;
        record.m_bitpoolRate = bitpoolRate;
        record.m_sidetone = sidetone;
        record.m_hushguard = hushguard;
        return record;
    }
};

// clang-format off
// 0x3110 from 2.2: audio boost off (bit 10), phone VOX, FM station guide and guest mode on;
// packed VOX 4, smart volume bit 5, overlay bits 8 and 9, Dualstream™; unit language Finnish.
const Unit k3110 = {0x3110, 2, 2, {{0, (1 << 10) | (1 << 0) | (1 << 12) | (1 << 15)},
                                   {1, 4 | (1 << 5) | (1 << 8) | (1 << 9) | (1 << 11)}, {3, 10}},
                    0, 0, 0, 0, 0, 0};
// 0x6010 from 1.2: Routecue, ESS status bits 10 and sensitivity bits 00, VOX level 7.
const Unit k6010 = {0x6010, 1, 2, {{24, 1}, {2, 2}, {14, 7}, {18, 1}, {19, 3}}, 1, 0, 2, 1, 0, 1};
// Basic and Speed Dial only.
const Unit k5410 = {0x5410, 2, 0, {{14, 10}, {16, 0}, {23, 1}, {22, 0}, {19, 1}}, 0, 1, 0, 0, 0, 2};
const Unit kUnits[] = {
    k3110,
    // The three rows at every version: a voice prompt of 2 is on, an FM guide of -5 is on.
    {0x3030, 1, 0, {{20, -5}}, 0, 0, 2, 0, 0, 1},
    // Three steps, Dualstream™ and the source from 2.0.
    {0x5623, 2, 0, {{14, 2}, {23, 1}, {22, 2}, {21, 1}, {18, 2}}, 1, 1, 1, 0, 1, 0},
    // Layertone™ and a VOX level; the word-16 smart volume.
    {0x5560, 1, 0, {{14, 4}, {23, 1}, {16, 3}, {21, 0}}, 1, 0, 0, 0, 1, 0},
    k5410,
    {0x5416, 1, 1, {{14, 1}, {16, 2}, {23, 1}, {20, 1}}, 1, 1, 1, 0, 1, 1},
    k6010,
    {0x6210, 2, 0, {{23, 1}, {22, 5}, {21, 1}, {20, 1}}, 0, 1, 0, 1, 0, 0},
};
// clang-format on

class ArchivedListWine : public RestorePageOnTheMainWindow {
protected:
    void TearDown() override
    {
        RestorePageOnTheMainWindow::TearDown();
        for (const Unit& unit : kUnits)
            ::DeleteFileW(ArchiveFile(unit.model).c_str());
    }

    // The archive as the update writes it before flashing, the backup of its version on the
    // server, and page 4 opened for a recognised unit of the model that now runs liveMajor.0;
    // true once the page's tick has read the archive and filled the list.
    bool Open(const Unit& unit, int language, int liveMajor)
    {
        DeviceConfig record = unit.Record();
        EXPECT_EQ(1, WriteSettingsArchive(HostFileSystem(), ArchiveFile(unit.model), record, std::time(nullptr)));
        const std::string version = std::to_string(unit.major) + "." + std::to_string(unit.minor);
        s_server->ServeRevisions(ServerKey(unit.model) + ":v" + version + ":a.img\n");
        dialog.m_device.m_firmwareVersion.major = liveMajor;
        dialog.m_device.m_firmwareVersion.minor = 0;
        page().m_archiveTimerTicks = 0;
        Enter(unit.model, language);
        return ArchiveAndListRead();
    }

    bool ListShown() { return (::GetWindowLongW(list(), GWL_STYLE) & WS_VISIBLE) != 0; }

    std::vector<std::wstring> Lines()
    {
        std::vector<std::wstring> lines;
        for (int row = 0; row < RowCount(); ++row)
            lines.push_back(ListText(row, kArchivedListNameColumn) + L" " + ListText(row, kArchivedListColonColumn) +
                            L" " + ListText(row, kArchivedListValueColumn));
        return lines;
    }

    // Paged down with the scroll bar as far as it goes, on the first fill of the page's list as
    // on a later one.
    bool PagedDownTheLastRowIsInView()
    {
        for (int page = 0; page * 6 < RowCount(); ++page)
            ::SendMessageW(list(), WM_VSCROLL, SB_PAGEDOWN, 0);
        RECT last{LVIR_BOUNDS, 0, 0, 0};
        ::SendMessageW(list(), LVM_GETITEMRECT, RowCount() - 1, reinterpret_cast<LPARAM>(&last));
        RECT client;
        ::GetClientRect(list(), &client);
        return last.top >= 0 && last.bottom <= client.bottom;
    }
};

std::string Name(const Unit& unit)
{
    std::ostringstream name;
    name << "0x" << std::hex << std::uppercase << unit.model << std::dec << " at " << unit.major << "." << unit.minor;
    return name.str();
}

// One model of each family, a unit on older firmware connected: the list shows the archive's
// block of the hand-written texts, line by line, with ":" in the middle column.
TEST_F(ArchivedListWine, EachFamilysArchiveIsListedRowByRow)
{
    const archivedrows::Table& table = archivedrows::TheTable();
    for (const Unit& unit : kUnits) {
        SCOPED_TRACE(Name(unit));
        ASSERT_TRUE(Open(unit, 0, unit.major - 1));
        const DeviceConfig record = unit.Record();
        const archivedrows::Block* block = archivedrows::BlockFor(unit.model, {unit.major, unit.minor});
        ASSERT_NE(nullptr, block);
        std::vector<std::wstring> expected;
        for (const archivedrows::Row& row : *block->rows)
            expected.push_back(archivedrows::ExpectedLine(table, row, record));
        EXPECT_TRUE(ListShown());
        EXPECT_EQ(expected, Lines());
    }
}

// The lines the list procedure chooses for the unit's archive in the UI language.
std::vector<std::wstring> ChosenLines(const Unit& unit, int language)
{
    std::vector<std::wstring> lines;
    for (const ArchivedSettingsRow& row : RowsOf(unit.Record(), language).rows)
        lines.push_back(row.name + L" : " + row.value);
    return lines;
}

// From 2.2 the grid shows Channel Select; the list keeps to its 17 rows, in English and in
// Chinese, and the last of them comes into view when paged down to.
TEST_F(ArchivedListWine, A3110ArchiveFromTwoPointTwoListsSeventeenRowsWithoutChannelSelect)
{
    for (int language : {0, kChinese}) {
        SCOPED_TRACE(language);
        ASSERT_TRUE(Open(k3110, language, 1));
        const std::vector<std::wstring> lines = Lines();
        EXPECT_EQ(17u, lines.size());
        EXPECT_EQ(ChosenLines(k3110, language), lines);
        for (const std::wstring& line : lines)
            EXPECT_EQ(std::wstring::npos, line.find(L"Channel Select"));
        EXPECT_TRUE(PagedDownTheLastRowIsInView());
        Picture(language == 0 ? L"archived-list-3110-scrolled" : L"archived-list-3110-scrolled-chinese");
    }
    // The Chinese names are not the English ones.
    EXPECT_NE(ChosenLines(k3110, 0).front(), ChosenLines(k3110, kChinese).front());
}

// Routecue first and the two ESS rows last, in English and in Chinese, drawn at the top and
// paged down.
TEST_F(ArchivedListWine, A6010ArchiveFromOnePointTwoShowsRoutecueFirstAndTheEssRowsLast)
{
    for (int language : {0, kChinese}) {
        SCOPED_TRACE(language);
        ASSERT_TRUE(Open(k6010, language, 1));
        const std::vector<std::wstring> lines = Lines();
        ASSERT_EQ(12u, lines.size());
        EXPECT_EQ(ChosenLines(k6010, language), lines);
        if (language == 0) {
            EXPECT_EQ(L"Routecue : Enabled", lines[0]);
            EXPECT_EQ(L"ESS STATUS : Fog Light + ESS ON", lines[10]);
            EXPECT_EQ(L"ESS Sensitivity : Medium", lines[11]);
        }
        Picture(language == 0 ? L"archived-list-6010" : L"archived-list-6010-chinese");
        EXPECT_TRUE(PagedDownTheLastRowIsInView());
        Picture(language == 0 ? L"archived-list-6010-ess" : L"archived-list-6010-ess-chinese");
    }
}

// Speed Dial and FM Radio are shown by the page itself: the list is emptied and hidden, and
// Basic fills and shows it again. Three categories go through the category list that button
// 1027 opens; two through buttons 1027 and 1025 alone.
TEST_F(ArchivedListWine, SpeedDialAndFmRadioEmptyAndHideTheList)
{
    ASSERT_TRUE(Open(k6010, 0, 1));
    ASSERT_EQ(3, page().m_settingsPageCount);
    for (int index : {1, 2}) {
        SCOPED_TRACE(index);
        ChooseCategory(index);
        EXPECT_EQ(index, page().m_settingsPageIndex);
        EXPECT_FALSE(ListShown());
        EXPECT_EQ(0, RowCount());
    }
    ChooseCategory(0);
    EXPECT_EQ(0, page().m_settingsPageIndex);
    EXPECT_TRUE(ListShown());
    EXPECT_EQ(12, RowCount());

    ASSERT_TRUE(Open(k5410, 0, 1));
    ASSERT_EQ(2, page().m_settingsPageCount);
    Click(IDC_BUTTON_SETTINGS_PAGE_LIST);
    EXPECT_EQ(1, page().m_settingsPageIndex);
    EXPECT_FALSE(ListShown());
    EXPECT_EQ(0, RowCount());
    Click(IDC_BUTTON_FIRST_SETTINGS_PAGE);
    EXPECT_TRUE(ListShown());
    EXPECT_EQ(12, RowCount());
}

} // namespace
