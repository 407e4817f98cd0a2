// Every row of every grid group clicked on the real page under Wine, at one firmware per group
// (the first version of its newest range): the value cell, then the "?" cell, with clicks posted
// to the grid, and a click below the last row in both columns. Each help box is closed by a hook
// that records its size and text as it opens. Beside the window, the portable rules run the same
// clicks on a recording grid: after every click the page's working record, its greyed rows, its
// refresh, its box, its shown options and its open list must be what the rules predict.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/UpdaterDlg.h"
#include "res/resource.h"
#include "settings/GridChangeRules.h"
#include "settings/SettingsGridBuilder.h"
#include "tests/grid/GridWineSupport.h"
#include "tests/settings/IdleMainWindow.h"
#include "tests/settings/RecordingGrid.h"

using namespace gridtest;

namespace {

constexpr int kEnglish = 0;
// Groups swept by one test program: a few at a time keeps each run short.
constexpr std::size_t kGroupsPerRun = 8;

// ---------------------------------------------------------------- what is swept

struct SweepTarget {
    const char* group;
    int productId;
    int major;
    int minor;
};

std::string Describe(const SweepTarget& target)
{
    std::ostringstream text;
    text << target.group << " as 0x" << std::hex << target.productId << std::dec << " at " << target.major << "."
         << target.minor;
    return text.str();
}

// The first version of the group's newest range (1.0 for a group without thresholds), for its
// first product id and, where that range splits by id, for the other side of the split too.
std::vector<SweepTarget> TargetsOf(const GridRowGroup& group)
{
    std::vector<SweepTarget> targets;
    const int major = group.thresholdCount > 0 ? group.thresholds[group.thresholdCount - 1].major : 1;
    const int minor = group.thresholdCount > 0 ? group.thresholds[group.thresholdCount - 1].minor : 0;
    const GridRange& newest = group.ranges[group.thresholdCount];
    int first = 0;
    for (int id : group.products) {
        if (id != newest.onlyFor) {
            first = id;
            break;
        }
    }
    if (first != 0)
        targets.push_back({group.name, first, major, minor});
    if (newest.onlyFor != 0)
        targets.push_back({group.name, newest.onlyFor, major, minor});
    return targets;
}

std::vector<SweepTarget> TargetsOfRun(std::size_t run)
{
    std::vector<SweepTarget> targets;
    for (std::size_t i = run * kGroupsPerRun; i < (run + 1) * kGroupsPerRun && i < kGridRowChainLength; ++i) {
        for (const SweepTarget& target : TargetsOf(*kGridRowChain[i]))
            targets.push_back(target);
    }
    return targets;
}

// Every value the grid can change, option ints and settings words, in one list to compare.
std::vector<int> GridFields(const DeviceConfig& record)
{
    std::vector<int> fields = {record.m_handsfreeVox,
                               record.m_intercomVox,
                               record.m_edr,
                               record.m_voicePrompt,
                               record.m_plc,
                               record.m_bitpoolRate,
                               record.m_microphoneBoost,
                               record.m_sidetone,
                               record.m_hushguard,
                               record.m_autoGainControl,
                               record.m_radioTransmitGain,
                               record.m_audioChannelTimeout};
    fields.insert(fields.end(), std::begin(record.m_settings), std::end(record.m_settings));
    return fields;
}

// ---------------------------------------------------------------- boxes closed as they open

struct SeenBox {
    int width;
    int height;
    std::wstring text;
};

HWND g_boxOwner = nullptr;
std::vector<SeenBox> g_boxes;

// A box of the main window is recorded once it shows, sized by its own start, and told to
// close with OK; its modal loop takes the command at its next turn.
LRESULT CALLBACK CloseShownBoxes(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == WM_SHOWWINDOW && message->wParam != FALSE &&
        ::GetWindow(message->hwnd, GW_OWNER) == g_boxOwner) {
        wchar_t name[16] = {};
        ::GetClassNameW(message->hwnd, name, 16);
        if (std::wstring(name) == L"#32770") {
            RECT rect{};
            ::GetWindowRect(message->hwnd, &rect);
            wchar_t text[1200] = {};
            ::GetDlgItemTextW(message->hwnd, IDC_MESSAGE_TEXT, text, 1200);
            g_boxes.push_back({rect.right - rect.left, rect.bottom - rect.top, text});
            ::PostMessageW(message->hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(message->hwnd, IDOK)));
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

class BoxCloser {
public:
    explicit BoxCloser(HWND owner)
    {
        g_boxOwner = owner;
        g_boxes.clear();
        m_hook = ::SetWindowsHookExW(WH_CALLWNDPROCRET, CloseShownBoxes, nullptr, ::GetCurrentThreadId());
    }
    ~BoxCloser()
    {
        if (m_hook)
            ::UnhookWindowsHookEx(m_hook);
        g_boxOwner = nullptr;
    }
    bool Hooked() const { return m_hook != nullptr; }

private:
    HHOOK m_hook = nullptr;
};

// ---------------------------------------------------------------- the page and its shadow

class SweptPage {
public:
    SweptPage(CUpdaterDlg& main, const SweepTarget& target, const RECT& gridPlace)
        : m_main(main), m_page(main.m_pageDeviceSetting), m_grid(main.m_pageDeviceSetting.m_grid), m_target(target),
          m_gridPlace(gridPlace)
    {}

    // The unit with the record's defaults at the target's firmware, on page 5; the recording
    // grid is built from the same records.
    bool Enter()
    {
        // The grid is back in its place: one grown for the rows of the group before would hide
        // its first rows behind the page's top.
        m_grid.MoveWindow(m_gridPlace.left, m_gridPlace.top, m_gridPlace.right - m_gridPlace.left,
                          m_gridPlace.bottom - m_gridPlace.top, TRUE);
        m_main.m_device = DeviceConfig();
        EnterBasicPage(m_main, m_target.productId, m_target.major, m_target.minor, kEnglish);
        m_main.RefreshView();
        Drain();
        // The new cells learn where their options are as they are painted, as the user sees them.
        m_grid.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        m_predicted = m_page.m_config;
        m_list = BuildSettingsGrid(m_shadow, m_target.productId, m_main.m_device, m_predicted, kEnglish);
        return m_list != nullptr && m_list == m_page.m_gridList && m_grid.GetItemCount() == m_list->count;
    }

    int RowCount() const { return m_list->count; }

    // One click at (row, column), on the page and through the rules; row -1 is below the rows.
    void Click(int row, int column)
    {
        const std::string where =
            Describe(m_target) + ", row " + std::to_string(row) + " column " + std::to_string(column);
        const POINT point = row < 0 ? PointBelowRows(column) : PointOf(row, column);
        const int refreshes = m_page.m_refreshCalls;
        const std::size_t boxes = g_boxes.size();
        PostClick(point);

        if (row >= 0 && column == kGridValueColumn)
            m_shadow.Toggle(row, column); // a check box toggles itself before the rules run
        const GridRuleContext context{m_target.productId, m_main.m_device, m_predicted, kEnglish, m_list};
        const GridRuleOutcome outcome = RunGridClickRules(m_shadow, context, row, column);

        EXPECT_EQ(GridFields(m_page.m_config), GridFields(m_predicted)) << where;
        const bool refreshed = outcome.action == kRuleRefreshesNow || outcome.action == kRuleRefreshesAtEnd;
        EXPECT_EQ(m_page.m_refreshCalls - refreshes, refreshed ? 1 : 0) << where;
        if (outcome.action == kRuleShowsHelp) {
            ASSERT_EQ(g_boxes.size(), boxes + 1) << where;
            EXPECT_EQ(g_boxes.back().width, outcome.helpWidth) << where;
            EXPECT_EQ(g_boxes.back().height, outcome.helpHeight) << where;
            EXPECT_EQ(g_boxes.back().text, outcome.helpText) << where;
        } else {
            EXPECT_EQ(g_boxes.size(), boxes) << where;
        }
        // A usable drop-down's click opens its list; the next click elsewhere closes it unchosen.
        const RecordedCell* clicked = row >= 0 ? m_shadow.Cell(row, kGridValueColumn) : nullptr;
        const bool opens = column == kGridValueColumn && clicked != nullptr &&
                           clicked->cellClass == kComboBoxCellClass && clicked->disabled.value_or(0) == 0;
        EXPECT_EQ(m_page.m_dropDownOpen, opens ? 1 : 0) << where;
        for (int other = 0; other < m_list->count; ++other) {
            const RecordedCell* shadow = m_shadow.Cell(other, kGridValueColumn);
            CCellCtrl* cell = m_grid.GetCell(other, kGridValueColumn);
            ASSERT_TRUE(shadow != nullptr && cell != nullptr) << where;
            EXPECT_EQ((cell->GetStyle() & 8) != 0, shadow->disabled.value_or(0) != 0)
                << where << ": greyed state of row " << other;
            if (auto* box = dynamic_cast<CCellCheckBox*>(cell)) {
                EXPECT_EQ(box->GetCheck() != FALSE, shadow->text.compare(0, 1, L"1") == 0)
                    << where << ": option shown on row " << other;
            }
        }
    }

private:
    void Drain()
    {
        PumpUntil(
            m_main.m_hWnd, [] { return true; }, 0);
    }

    POINT PointOf(int row, int column)
    {
        const CRect rect = ShownCellRect(m_main, m_grid, row, column, 0);
        POINT point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        // A check box's click lands on the option it does not show.
        if (column == kGridValueColumn) {
            if (auto* box = dynamic_cast<CCellCheckBox*>(m_grid.GetCell(row, column)))
                point.x = box->GetCheck() ? rect.left + rect.Width() / 4 : rect.left + rect.Width() * 3 / 4;
        }
        return point;
    }

    // Ten pixels under the last row, which the grid shows with room to spare.
    POINT PointBelowRows(int column)
    {
        const CRect rect = ShownCellRect(m_main, m_grid, m_grid.GetItemCount() - 1, column, 30);
        return POINT{(rect.left + rect.right) / 2, rect.bottom + 10};
    }

    // The press and the release go into the queue together; the grid has done all its work,
    // a box included, once the queue is empty again.
    void PostClick(POINT point)
    {
        ::PostMessageW(m_grid.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        ::PostMessageW(m_grid.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
        Drain();
    }

    CUpdaterDlg& m_main;
    CDialogDeviceSetting& m_page;
    CConfigListCtrl& m_grid;
    SweepTarget m_target;
    RECT m_gridPlace;
    RecordingGrid m_shadow;
    DeviceConfig m_predicted;
    const GridRowList* m_list = nullptr;
};

class GridSweepWine : public ::testing::TestWithParam<std::size_t> {};

} // namespace

TEST_P(GridSweepWine, EveryRowsValueAndHelpCellDoWhatTheRulesSay)
{
    const std::vector<SweepTarget> targets = TargetsOfRun(GetParam());
    WithIdleMainWindow([&](CUpdaterDlg& main) {
        BoxCloser closer(main.m_hWnd);
        ASSERT_TRUE(closer.Hooked());
        CConfigListCtrl& grid = main.m_pageDeviceSetting.m_grid;
        RECT gridPlace{};
        ::GetWindowRect(grid.m_hWnd, &gridPlace);
        ::MapWindowPoints(nullptr, ::GetParent(grid.m_hWnd), reinterpret_cast<POINT*>(&gridPlace), 2);
        int swept = 0;
        for (const SweepTarget& target : targets) {
            SweptPage page(main, target, gridPlace);
            if (!page.Enter()) {
                // The classic models show no rows; every other group must show its list.
                EXPECT_EQ(FindGridRowList(target.productId, main.m_device), &kGridNoRows) << Describe(target);
                continue;
            }
            ++swept;
            for (int row = 0; row < page.RowCount(); ++row) {
                page.Click(row, kGridValueColumn);
                page.Click(row, kGridHelpColumn);
            }
            page.Click(-1, kGridValueColumn);
            page.Click(-1, kGridHelpColumn);
            if (::testing::Test::HasFatalFailure())
                return;
        }
        EXPECT_GT(swept, 0);
    });
}

INSTANTIATE_TEST_SUITE_P(Chain, GridSweepWine,
                         ::testing::Range<std::size_t>(0, (kGridRowChainLength + kGroupsPerRun - 1) / kGroupsPerRun),
                         [](const ::testing::TestParamInfo<std::size_t>& info) {
                             return "Groups" + std::to_string(info.param * kGroupsPerRun) + "On";
                         });
