// The settings grid on the real main window's basic settings page under
// Wine: real clicks, keys and the wheel where the dialog's loop, its
// pre-translation or the key state take part; sent messages elsewhere.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "GridWineSupport.h"
#include "app/UpdaterDlg.h"
#include "grid/CellDropDown.h"
#include "grid/ConfigListCtrl.h"
#include "grid/PopUpListLayout.h"
#include "res/resource.h"

using namespace gridtest;

void PrintTo(const CString& text, std::ostream* out)
{
    *out << '"' << AfxWideToUtf8(text.str()) << '"';
}

void PrintTo(const CRect& rect, std::ostream* out)
{
    *out << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}

namespace {

// Records what the grid hands to the settings rules.
struct RecordingRules : GridRuleHooks {
    struct Click {
        int row, column;
    };
    struct Result {
        WPARAM wParam;
        LPARAM lParam;
        int activeRow, activeColumn;
        CString text;
    };
    std::vector<Click> clicks;
    std::vector<Result> results;
    void OnCellClicked(CConfigListCtrl&, UINT, CPoint, int row, int column) override
    {
        clicks.push_back({row, column});
    }
    void OnPopUpListClosed(CConfigListCtrl& grid, WPARAM wParam, LPARAM lParam) override
    {
        results.push_back({wParam, lParam, grid.m_activeRow, grid.m_activeColumn,
                           grid.m_activeCell ? grid.m_activeCell->GetText() : CString()});
    }
};

// A check box that counts its destructions.
struct CountedCheckBox : CCellCheckBox {
    explicit CountedCheckBox(int* destroyed) : m_destroyed(destroyed) {}
    ~CountedCheckBox() override { ++*m_destroyed; }
    int* m_destroyed;
};

struct BasicPage {
    CUpdaterDlg& dialog;
    CDialogDeviceSetting& page;
    CConfigListCtrl& grid;
    void Pump(DWORD ms) { PumpFor(dialog.m_hWnd, ms); }
    bool Until(const std::function<bool()>& done, DWORD ms = 3000) { return PumpUntil(dialog.m_hWnd, done, ms); }
};

std::function<void()> g_script;
UINT_PTR g_scriptTimer = 0;

void CALLBACK RunScript(HWND, UINT, UINT_PTR, DWORD)
{
    ::KillTimer(nullptr, g_scriptTimer);
    auto script = std::move(g_script);
    g_script = nullptr;
    if (script)
        script();
}

// The real main window, run modally; once its first page shows, page 5 is
// shown and the body runs inside the modal loop, as a user's actions would.
void WithBasicPage(const std::function<void(BasicPage&)>& body)
{
    InitControls();
    CUpdaterDlg dialog;
    bool ran = false;
    g_script = [&] {
        PumpUntil(
            dialog.m_hWnd, [&] { return dialog.m_page == 1 && !dialog.m_busy; }, 5000);
        dialog.m_page = 5;
        dialog.UpdatePageButtons();
        BasicPage page{dialog, dialog.m_pageDeviceSetting, dialog.m_pageDeviceSetting.m_grid};
        // Each test lays out its own columns: the page's three go first.
        while (page.grid.DeleteColumn(0)) {}
        page.grid.ShowWindow(SW_SHOW);
        page.grid.EnableWindow(TRUE);
        page.Pump(50);
        [&] {
            ASSERT_TRUE(page.grid.m_hWnd);
            body(page);
        }();
        ran = true;
        page.grid.SetRules(nullptr);
        ::SendMessageW(::GetDlgItem(dialog.m_hWnd, IDC_BUTTON_CLOSE), BM_CLICK, 0, 0);
    };
    g_scriptTimer = ::SetTimer(nullptr, 0, 10, RunScript);
    dialog.DoModal();
    EXPECT_TRUE(ran);
}

// Three columns in the three steps a page takes; widths in pixels.
void AddColumns(CConfigListCtrl& grid, std::initializer_list<int> widths)
{
    int column = 0;
    for (int width : widths) {
        grid.InsertColumnCells(column);
        grid.InsertColumn(column, L"", LVCFMT_LEFT, -1, -1);
        grid.ShiftColumnTexts(column);
        grid.SetColumnWidth(column, width);
        ++column;
    }
}

void AddRow(CConfigListCtrl& grid, int row, const wchar_t* name)
{
    grid.InsertItem(row, L"");
    grid.SetCell(row, 0, (new CCellPushButton(nullptr, 0, 0, 0))->SetBitmapId(IDB_HELP), L"");
    grid.SetSubItemText(row, 1, name);
}

CCellCheckBox* AddCheckRow(CConfigListCtrl& grid, int row, const wchar_t* name, const wchar_t* value)
{
    AddRow(grid, row, name);
    auto* box = new CCellCheckBox;
    grid.SetCell(row, 2, box, value);
    box->SetCheckedText(L"Enable");
    box->SetUncheckedText(L"Disable");
    return box;
}

CCellComboBox* AddComboRow(CConfigListCtrl& grid, int row, const wchar_t* name, const wchar_t* items)
{
    AddRow(grid, row, name);
    auto* combo = new CCellComboBox;
    grid.SetCell(row, 2, combo, items);
    return combo;
}

CRect SubItem(CConfigListCtrl& grid, int row, int column)
{
    CRect rect;
    grid.GetSubItemRect(row, column, LVIR_LABEL, rect);
    return rect;
}

POINT Centre(const RECT& rect)
{
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

const wchar_t* const kTenLevels = L"Level 9\nLevel 1\nLevel 2\nLevel 3\nLevel 4\nLevel 5\nLevel 6\nLevel 7\nLevel "
                                  L"8\nLevel 9\nLevel 10";

// The standard test grid: check boxes in rows 0 and 1, a three-item list in
// row 2 and a ten-item list (current item 8) in row 3.
struct StandardRows {
    CCellCheckBox* first;
    CCellCheckBox* second;
    CCellComboBox* three;
    CCellComboBox* ten;
};

StandardRows FillStandard(BasicPage& p)
{
    AddColumns(p.grid, {30, 150, 200});
    StandardRows rows{};
    rows.first = AddCheckRow(p.grid, 0, L"VOX Phone", L"1");
    rows.second = AddCheckRow(p.grid, 1, L"Sidetone", L"0");
    rows.three = AddComboRow(p.grid, 2, L"VOX Sensitivity", L"Medium\nLow\nMedium\nHigh");
    rows.ten = AddComboRow(p.grid, 3, L"Overlay Sensitivity", kTenLevels);
    p.grid.UpdateWindow();
    p.Pump(50);
    return rows;
}

CPopUpScrollList* OpenList(BasicPage& p, int row)
{
    auto* combo = dynamic_cast<CCellComboBox*>(p.grid.GetCell(row, 2));
    ClickAt(p.dialog.m_hWnd, p.grid.m_hWnd, Centre(SubItem(p.grid, row, 2)));
    p.Until([&] { return combo->m_open != 0; }, 2000);
    p.Pump(50);
    return combo->GetPopUpList();
}

int TextHeightOfM(HWND window)
{
    HDC dc = ::GetDC(window);
    SIZE size{};
    ::GetTextExtentPoint32W(dc, L"M", 1, &size);
    ::ReleaseDC(window, dc);
    return size.cy;
}

// ---------------------------------------------------------------- the list view underneath

TEST(GridOnBasicPage, TheGridControlSitsOnThePageAsAnOwnerDrawnReportList)
{
    WithBasicPage([](BasicPage& p) {
        EXPECT_EQ(IDC_SETTINGS_GRID, p.grid.GetDlgCtrlID());
        const DWORD style = p.grid.GetStyle();
        EXPECT_EQ(static_cast<DWORD>(LVS_REPORT), style & LVS_TYPEMASK);
        EXPECT_TRUE(style & LVS_OWNERDRAWFIXED);
        EXPECT_NE(nullptr, p.grid.m_header.m_hWnd) << "the header is bound at subclassing";
        // 4, 16, 308, 122 in dialog units.
        CRect expected(4, 16, 4 + 308, 16 + 122);
        ::MapDialogRect(p.page.m_hWnd, expected);
        CRect actual;
        p.grid.GetWindowRect(actual);
        p.page.ScreenToClient(actual);
        EXPECT_EQ(expected, actual);
    });
}

TEST(GridOnBasicPage, AFillHoldsTheDrawingAndLeavesTheGridShownOrHiddenAsItWas)
{
    WithBasicPage([](BasicPage& p) {
        AddColumns(p.grid, {30, 150, 200});
        for (bool shown : {true, false}) {
            SCOPED_TRACE(shown ? "shown grid" : "hidden grid");
            p.grid.ShowWindow(shown ? SW_SHOW : SW_HIDE);
            CCellCheckBox* last = nullptr;
            {
                // A list scrolled to its end is built anew, as the pages build theirs.
                for (int row = p.grid.GetItemCount(); row < 25; ++row)
                    AddCheckRow(p.grid, row, L"VOX Phone", L"0");
                ::SendMessageW(p.grid.m_hWnd, LVM_ENSUREVISIBLE, 24, FALSE);
                CConfigListFill fill(p.grid);
                p.grid.DeleteAllItems();
                for (int row = 0; row < 25; ++row)
                    last = AddCheckRow(p.grid, row, L"Sidetone", row % 2 ? L"1" : L"0");
                // Nothing is drawn while the fill lasts.
                p.grid.UpdateWindow();
                EXPECT_TRUE(last->m_cellRect.IsRectEmpty());
            }
            EXPECT_EQ(shown, (p.grid.GetStyle() & WS_VISIBLE) != 0);
            EXPECT_EQ(25, p.grid.GetItemCount());
            EXPECT_EQ(0, ListView_GetTopIndex(p.grid.m_hWnd)) << "a built list starts at its first row";
            p.grid.UpdateWindow();
            p.Pump(50);
            // A shown grid draws its rows once the fill ends; a hidden one draws none.
            auto* first = dynamic_cast<CCellCheckBox*>(p.grid.GetCell(0, 2));
            ASSERT_NE(nullptr, first);
            EXPECT_EQ(shown, !first->m_cellRect.IsRectEmpty());
        }
    });
}

TEST(GridOnBasicPage, RowsAreRemeasuredAtTheFirstPaintAndHitTestsFindSubItems)
{
    WithBasicPage([](BasicPage& p) {
        FillStandard(p);
        EXPECT_EQ(1, p.grid.m_rowsRemeasured);
        CRect row;
        ListView_GetItemRect(p.grid.m_hWnd, 1, &row, LVIR_BOUNDS);
        EXPECT_EQ(::GetSystemMetrics(SM_CYVTHUMB) + 5 * ::GetSystemMetrics(SM_CYEDGE), row.Height());

        LVHITTESTINFO hit{};
        hit.pt = Centre(SubItem(p.grid, 1, 2));
        p.grid.SubItemHitTest(&hit);
        EXPECT_EQ(1, hit.iItem);
        EXPECT_EQ(2, hit.iSubItem);
    });
}

TEST(GridOnBasicPage, LayoutOfTheHeaderMovesTheCellsAndClosesAnOpenList)
{
    WithBasicPage([](BasicPage& p) {
        StandardRows rows = FillStandard(p);
        CPopUpScrollList* list = OpenList(p, 3);
        ASSERT_TRUE(list->IsWindowVisible());
        p.grid.SetColumnWidth(1, 120);
        CRect window;
        p.grid.GetWindowRect(window);
        p.grid.SetWindowPos(nullptr, 0, 0, window.Width() - 10, window.Height(), SWP_NOMOVE | SWP_NOZORDER);
        p.Pump(50);
        EXPECT_FALSE(list->IsWindowVisible()) << "HDM_LAYOUT reached the header and the grid";
        EXPECT_EQ(0, rows.ten->m_open);
        EXPECT_EQ(0, p.page.m_dropDownOpen);
        // The cells follow their columns. (The list lays out its header
        // before it places its rows below it, so only the columns are final.)
        EXPECT_EQ(SubItem(p.grid, 2, 2).left, rows.three->m_cellRect.left);
        EXPECT_EQ(SubItem(p.grid, 2, 2).right, rows.three->m_cellRect.right);
    });
}

// ---------------------------------------------------------------- check boxes

TEST(GridOnBasicPage, CheckBoxClicksChangeOnlyThroughTheUnmarkedOption)
{
    WithBasicPage([](BasicPage& p) {
        StandardRows rows = FillStandard(p);
        const CRect cell = SubItem(p.grid, 0, 2);
        EXPECT_EQ(CString(L"1"), rows.first->GetText());
        EXPECT_EQ(CRect(cell.left, cell.top, cell.left + cell.Width() / 2, cell.bottom), rows.first->m_buttonRect)
            << "Disable is marked, Enable is the click area";

        const POINT enable{cell.left + cell.Width() / 4, cell.top + 8};
        ClickAt(p.dialog.m_hWnd, p.grid.m_hWnd, enable);
        EXPECT_EQ(CString(L"0"), rows.first->GetText());
        EXPECT_EQ(CString(L"0"), p.grid.GetItemText(0, 2));
        EXPECT_FALSE(rows.first->GetCheck());
        EXPECT_EQ(rows.first, p.grid.m_activeCell);

        p.grid.UpdateWindow();
        ClickAt(p.dialog.m_hWnd, p.grid.m_hWnd, enable);
        EXPECT_EQ(CString(L"0"), rows.first->GetText()) << "a click on the marked option changes nothing";

        // Without a label the preferred width is that of "i" and the box.
        auto* bare = new CCellCheckBox;
        p.grid.InsertItem(4, L"");
        p.grid.SetCell(4, 2, bare, L"1");
        HDC dc = ::GetDC(p.grid.m_hWnd);
        HGDIOBJ old = ::SelectObject(dc, bare->m_font.GetSafeHandle());
        SIZE i{};
        ::GetTextExtentPoint32W(dc, L"i", 1, &i);
        ::SelectObject(dc, old);
        ::ReleaseDC(p.grid.m_hWnd, dc);
        EXPECT_EQ(i.cx + 20, bare->GetPreferredWidth());

        auto* odd = new CCellCheckBox;
        p.grid.InsertItem(4, L"");
        p.grid.SetCell(4, 2, odd, L"X");
        EXPECT_EQ(CString(L"0X"), odd->GetText());
        EXPECT_FALSE(odd->GetCheck());
    });
}

TEST(GridOnBasicPage, ADisabledCheckBoxDrawsGreyImages)
{
    WithBasicPage([](BasicPage& p) {
        StandardRows rows = FillStandard(p);
        ASSERT_TRUE(p.grid.SetCellDisabled(0, 2, TRUE));
        const CRect rect(0, 0, 200, 27);
        auto draw = [&](const std::function<void(HDC)>& paint) {
            HDC screen = ::GetDC(nullptr);
            HDC dc = ::CreateCompatibleDC(screen);
            HBITMAP bitmap = ::CreateCompatibleBitmap(screen, rect.Width(), rect.Height());
            ::ReleaseDC(nullptr, screen);
            HGDIOBJ old = ::SelectObject(dc, bitmap);
            paint(dc);
            std::vector<COLORREF> pixels;
            for (int y = 0; y < rect.Height(); ++y)
                for (int x = 0; x < rect.Width(); ++x)
                    pixels.push_back(::GetPixel(dc, x, y));
            ::SelectObject(dc, old);
            ::DeleteObject(bitmap);
            ::DeleteDC(dc);
            return pixels;
        };
        const auto drawn = draw([&](HDC dc) {
            CDC cdc;
            cdc.Attach(dc);
            CRect r = rect;
            rows.first->Draw(&cdc, r, 0);
            cdc.Detach();
        });
        const auto reference = draw([&](HDC dc) {
            ::FillRect(dc, &rect, ::GetSysColorBrush(COLOR_WINDOW));
            ImageList_Draw(CCellCheckBox::Images(), 2, dc, 0, 1, ILD_NORMAL);   // Enable, empty, grey
            ImageList_Draw(CCellCheckBox::Images(), 3, dc, 100, 1, ILD_NORMAL); // Disable, marked, grey
        });
        int differing = 0;
        bool blackText = false, greyText = false;
        for (int y = 0; y < rect.Height(); ++y) {
            for (int x = 0; x < rect.Width(); ++x) {
                const size_t i = static_cast<size_t>(y) * rect.Width() + x;
                const bool image = (x < 20 || (x >= 100 && x < 120)) && y >= 1 && y < 21;
                if (image && drawn[i] != reference[i])
                    ++differing;
                if (!image && drawn[i] == ::GetSysColor(COLOR_WINDOWTEXT))
                    blackText = true;
                if (!image && drawn[i] == ::GetSysColor(COLOR_GRAYTEXT))
                    greyText = true;
            }
        }
        EXPECT_EQ(0, differing) << "images 2 and 3";
        EXPECT_TRUE(greyText);
        EXPECT_FALSE(blackText);
    });
}

TEST(GridOnBasicPage, AHelpButtonInARowLowerThanItsMarginsDrawsOnlyItsIcon)
{
    WithBasicPage([](BasicPage& p) {
        FillStandard(p);
        CCellCtrl* help = p.grid.GetCell(0, 0);
        ASSERT_NE(nullptr, help);
        const COLORREF background = RGB(1, 2, 3);
        HDC screen = ::GetDC(nullptr);
        HDC dc = ::CreateCompatibleDC(screen);
        HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 40, 27);
        ::ReleaseDC(nullptr, screen);
        HGDIOBJ old = ::SelectObject(dc, bitmap);
        CRect all(0, 0, 40, 27);
        HBRUSH brush = ::CreateSolidBrush(background);
        ::FillRect(dc, &all, brush);
        ::DeleteObject(brush);
        CDC cdc;
        cdc.Attach(dc);
        CRect rect = all;
        help->Draw(&cdc, rect, 0);
        cdc.Detach();
        int iconPixels = 0, touchedOutside = 0;
        for (int y = 0; y < 27; ++y)
            for (int x = 0; x < 40; ++x) {
                const bool icon = x >= 3 && x < 19 && y >= 2 && y < 18;
                const bool changed = ::GetPixel(dc, x, y) != background;
                if (icon && changed)
                    ++iconPixels;
                if (!icon && changed)
                    ++touchedOutside;
            }
        ::SelectObject(dc, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(dc);
        EXPECT_GT(iconPixels, 0);
        EXPECT_EQ(0, touchedOutside) << "no frame and no fill around the icon";
    });
}

TEST(GridOnBasicPage, NamesInColumnZeroAreRightAlignedOnTheRestorePageOnly)
{
    WithBasicPage([](BasicPage& p) {
        AddColumns(p.grid, {200, 100});
        p.grid.InsertItem(0, L"name");
        // The leftmost text pixel of column 0, as drawn on the screen.
        auto leftmostInk = [&] {
            p.grid.Invalidate(TRUE);
            p.grid.UpdateWindow();
            p.Pump(30);
            const CRect cell = SubItem(p.grid, 0, 0);
            HDC dc = ::GetDC(p.grid.m_hWnd);
            int leftmost = -1;
            for (int x = cell.left; x < cell.right && leftmost < 0; ++x)
                for (int y = cell.top; y < cell.bottom; ++y)
                    if (::GetPixel(dc, x, y) == ::GetSysColor(COLOR_WINDOWTEXT)) {
                        leftmost = x - cell.left;
                        break;
                    }
            ::ReleaseDC(p.grid.m_hWnd, dc);
            return leftmost;
        };
        const int onPageFive = leftmostInk();
        p.dialog.m_page = 4;
        const int onPageFour = leftmostInk();
        p.dialog.m_page = 5;
        ASSERT_GE(onPageFive, 0);
        EXPECT_LT(onPageFive, 20);
        EXPECT_GT(onPageFour, 120);
    });
}

TEST(GridOnBasicPage, APushButtonWithRoomPostsItsMessageAndKeepsTheListsClick)
{
    WithBasicPage([](BasicPage& p) {
        FillStandard(p);
        auto* button = new CCellPushButton(p.page.m_hWnd, WM_APP + 5, 11, 22);
        p.grid.SetCell(0, 1, button, L"Help");
        HDC screen = ::GetDC(nullptr);
        HDC dc = ::CreateCompatibleDC(screen);
        HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 120, 60);
        ::ReleaseDC(nullptr, screen);
        HGDIOBJ old = ::SelectObject(dc, bitmap);
        CDC cdc;
        cdc.Attach(dc);
        CRect rect(0, 0, 120, 60);
        button->Draw(&cdc, rect, 0);
        cdc.Detach();
        ::SelectObject(dc, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(dc);
        EXPECT_EQ(CRect(15, 15, 105 - ::GetSystemMetrics(SM_CXEDGE), 45), button->m_buttonRect);

        EXPECT_FALSE(button->OnLButtonDown(0, 50, 30)) << "the list's own click handling does not run";
        MSG posted{};
        EXPECT_TRUE(::PeekMessageW(&posted, p.page.m_hWnd, WM_APP + 5, WM_APP + 5, PM_REMOVE));
        EXPECT_EQ(11u, posted.wParam);
        EXPECT_EQ(22, posted.lParam);
        EXPECT_EQ(1, button->m_active);
        EXPECT_FALSE(button->OnLButtonUp(0, 50, 30));
        EXPECT_EQ(0, button->m_active);

        // Outside the button, or without a target, nothing is posted.
        button->OnLButtonDown(0, 5, 5);
        auto* silent = new CCellPushButton(nullptr, WM_APP + 5, 0, 0);
        p.grid.SetCell(1, 1, silent, L"Help");
        silent->m_buttonRect = CRect(0, 0, 50, 50);
        silent->OnLButtonDown(0, 10, 10);
        EXPECT_FALSE(::PeekMessageW(&posted, nullptr, WM_APP + 5, WM_APP + 5, PM_REMOVE));
    });
}

// ---------------------------------------------------------------- clicks, keys, ownership

TEST(GridOnBasicPage, AClickOnADisabledCellDeactivatesAndLetsTheListSelect)
{
    WithBasicPage([](BasicPage& p) {
        StandardRows rows = FillStandard(p);
        ClickAt(p.dialog.m_hWnd, p.grid.m_hWnd, Centre(SubItem(p.grid, 0, 2)));
        ASSERT_EQ(rows.first, p.grid.m_activeCell);
        p.grid.SetCellDisabled(1, 2, TRUE);
        const CString before = rows.second->GetText();
        ClickAt(p.dialog.m_hWnd, p.grid.m_hWnd, Centre(SubItem(p.grid, 1, 2)));
        EXPECT_EQ(nullptr, p.grid.m_activeCell);
        EXPECT_EQ(-1, p.grid.m_activeRow);
        EXPECT_EQ(0, rows.first->m_active);
        EXPECT_EQ(before, rows.second->GetText());
        EXPECT_TRUE(p.grid.GetItemState(1, LVIS_SELECTED) & LVIS_SELECTED) << "the list's own click ran";
    });
}

TEST(GridOnBasicPage, CharactersWithoutAnActiveCellAreSwallowed)
{
    WithBasicPage([](BasicPage& p) {
        AddColumns(p.grid, {100, 100});
        p.grid.InsertItem(0, L"alpha");
        p.grid.InsertItem(1, L"beta");
        p.grid.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        p.grid.SetFocus();
        p.grid.SendMessage(WM_CHAR, L'b', 1);
        EXPECT_TRUE(p.grid.GetItemState(0, LVIS_SELECTED) & LVIS_SELECTED);
        EXPECT_FALSE(p.grid.GetItemState(1, LVIS_SELECTED) & LVIS_SELECTED) << "no incremental search ran";
    });
}

TEST(GridOnBasicPage, SetItemAndDeleteAllItemsDestroyCells)
{
    WithBasicPage([](BasicPage& p) {
        AddColumns(p.grid, {30, 100, 100});
        int destroyed = 0;
        for (int row = 0; row < 3; ++row) {
            p.grid.InsertItem(row, L"");
            p.grid.SetCell(row, 2, new CountedCheckBox(&destroyed), L"1");
        }
        p.grid.SetItem(1, 2, LVIF_TEXT, L"plain", 0, 0, 0, 0);
        EXPECT_EQ(1, destroyed);
        EXPECT_EQ(nullptr, p.grid.GetCell(1, 2));
        EXPECT_EQ(CString(L"plain"), p.grid.GetItemText(1, 2));
        p.grid.DeleteAllItems();
        EXPECT_EQ(3, destroyed);
        EXPECT_EQ(0, p.grid.GetItemCount());
        EXPECT_TRUE(p.grid.m_cellKeys.IsEmpty());
    });
}

TEST(GridOnBasicPage, InsertingColumnZeroMovesTextsAndCellsRight)
{
    WithBasicPage([](BasicPage& p) {
        AddColumns(p.grid, {100, 100});
        p.grid.InsertItem(0, L"a0");
        p.grid.SetSubItemText(0, 1, L"a1");
        p.grid.InsertItem(1, L"b0");
        auto* box = new CCellCheckBox;
        p.grid.SetCell(1, 1, box, L"1");

        p.grid.InsertColumnCells(0);
        p.grid.InsertColumn(0, L"", LVCFMT_LEFT, 60, -1);
        EXPECT_EQ(1, p.grid.ShiftColumnTexts(0));
        EXPECT_EQ(CString(L""), p.grid.GetItemText(0, 0));
        EXPECT_EQ(CString(L"a0"), p.grid.GetItemText(0, 1));
        EXPECT_EQ(CString(L"a1"), p.grid.GetItemText(0, 2));
        EXPECT_EQ(CString(L"b0"), p.grid.GetItemText(1, 1));
        EXPECT_EQ(box, p.grid.GetCell(1, 2));

        // Any other column leaves the texts alone.
        EXPECT_EQ(0, p.grid.ShiftColumnTexts(1));
        EXPECT_EQ(CString(L"a0"), p.grid.GetItemText(0, 1));
    });
}

TEST(GridOnBasicPage, ADividerDoubleClickFitsTheColumnToItsWidestContent)
{
    WithBasicPage([](BasicPage& p) {
        FillStandard(p);
        auto dividerOf = [&](int column) {
            CRect item;
            p.grid.m_header.GetItemRect(column, item);
            return MAKELPARAM(item.right, item.Height() / 2);
        };
        p.grid.m_header.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, dividerOf(1));
        int widest = 0;
        for (const wchar_t* name : {L"VOX Phone", L"Sidetone", L"VOX Sensitivity", L"Overlay Sensitivity"})
            widest = std::max(widest, p.grid.GetStringWidth((CString(name) + L"i")));
        EXPECT_EQ(widest, p.grid.GetColumnWidth(1));

        p.grid.m_header.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, dividerOf(0));
        EXPECT_EQ(20 + ::GetSystemMetrics(SM_CXEDGE), p.grid.GetColumnWidth(0)) << "help icons plus the edge";

        p.grid.m_header.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, dividerOf(2));
        int widestCell = 0;
        for (int row = 0; row < 4; ++row)
            widestCell = std::max(widestCell, p.grid.GetCell(row, 2)->GetPreferredWidth());
        EXPECT_EQ(widestCell, p.grid.GetColumnWidth(2));

        // A press on the header gives the grid the focus.
        ::SetFocus(::GetDlgItem(p.dialog.m_hWnd, IDC_BUTTON_HOME));
        CRect name;
        p.grid.m_header.GetItemRect(1, name);
        ClickAt(p.dialog.m_hWnd, p.grid.m_header.m_hWnd, Centre(name));
        EXPECT_EQ(p.grid.m_hWnd, ::GetFocus());
    });
}

TEST(GridOnBasicPage, TabStepsOverDisabledCellsAndLeavesTheGridAfterTheLast)
{
    WithBasicPage([](BasicPage& p) {
        AddColumns(p.grid, {30, 150, 200});
        AddCheckRow(p.grid, 0, L"A", L"0");
        AddCheckRow(p.grid, 1, L"B", L"0");
        p.grid.InsertItem(2, L"");
        p.grid.SetSubItemText(2, 1, L"C");
        AddCheckRow(p.grid, 3, L"D", L"0");
        // Only the value cells take part: drop the help buttons.
        for (int row = 0; row < 4; ++row)
            p.grid.RemoveCell(row, 0);
        p.grid.SetCellDisabled(1, 2, TRUE);
        // The grid is to be the page's only tab stop, so that Tab from the dialog comes back to it.
        for (int id : {IDC_SETTINGS_DEFAULT, IDC_SETTINGS_CANCEL})
            ::EnableWindow(::GetDlgItem(p.page.m_hWnd, id), FALSE);
        p.grid.UpdateWindow();

        ClickAt(p.dialog.m_hWnd, p.grid.m_hWnd, Centre(SubItem(p.grid, 0, 1)));
        p.grid.ActivateCellByKey(MakeCellKey(0, 2));
        ASSERT_EQ(::GetFocus(), p.grid.m_hWnd);
        PressKey(p.dialog.m_hWnd, VK_TAB);
        EXPECT_EQ(3, p.grid.m_activeRow);
        EXPECT_EQ(2, p.grid.m_activeColumn);
        EXPECT_EQ(::GetFocus(), p.grid.m_hWnd);

        PressKey(p.dialog.m_hWnd, VK_TAB, true);
        EXPECT_EQ(0, p.grid.m_activeRow) << "Shift+Tab steps back over the disabled cell";

        PressKey(p.dialog.m_hWnd, VK_TAB);
        ASSERT_EQ(3, p.grid.m_activeRow);
        PressKey(p.dialog.m_hWnd, VK_TAB);
        EXPECT_EQ(0, p.grid.m_tabStarted) << "the last cell passed Tab on to the dialog";
        EXPECT_EQ(3, p.grid.m_activeRow);

        // The next Tab enters the grid again at its first enabled cell.
        PressKey(p.dialog.m_hWnd, VK_TAB);
        EXPECT_EQ(0, p.grid.m_activeRow);
        EXPECT_EQ(1, p.grid.m_tabStarted);
    });
}

TEST(GridOnBasicPage, AMouseMessageThatLooksLikeTabDoesNotStep)
{
    WithBasicPage([](BasicPage& p) {
        StandardRows rows = FillStandard(p);
        p.grid.SetFocus();
        p.grid.ActivateCellByKey(MakeCellKey(0, 2));
        MSG msg{p.grid.m_hWnd, WM_MOUSEMOVE, MK_CONTROL | MK_LBUTTON, MAKELPARAM(5, 5), 0, {}};
        EXPECT_FALSE(p.grid.PreTranslateMessage(&msg));
        EXPECT_EQ(rows.first, p.grid.m_activeCell);
    });
}

TEST(GridOnBasicPage, TheClickRulesRunOnPageFiveOnly)
{
    WithBasicPage([](BasicPage& p) {
        FillStandard(p);
        RecordingRules rules;
        p.grid.SetRules(&rules);
        ClickAt(p.dialog.m_hWnd, p.grid.m_hWnd, Centre(SubItem(p.grid, 1, 1)));
        ASSERT_EQ(1u, rules.clicks.size());
        EXPECT_EQ(1, rules.clicks[0].row);
        EXPECT_EQ(1, rules.clicks[0].column);

        p.dialog.m_page = 4;
        ClickAt(p.dialog.m_hWnd, p.grid.m_hWnd, Centre(SubItem(p.grid, 0, 1)));
        EXPECT_EQ(1u, rules.clicks.size());
        p.dialog.m_page = 5;
    });
}

// ---------------------------------------------------------------- drop-down lists

TEST(GridOnBasicPage, TenItemsShowSixRowsAndAScrollBarThreeShowThreeAndNone)
{
    WithBasicPage([](BasicPage& p) {
        StandardRows rows = FillStandard(p);
        const int rowHeight = TextHeightOfM(p.grid.m_hWnd);
        CPopUpScrollList* ten = OpenList(p, 3);
        ASSERT_TRUE(ten->IsWindowVisible());
        CRect client;
        ten->GetClientRect(client);
        EXPECT_EQ(6 * rowHeight + 2 * ::GetSystemMetrics(SM_CYBORDER), client.Height());
        EXPECT_TRUE(ten->m_scrollBar.IsWindowVisible());
        EXPECT_EQ(3, ten->m_scrollBar.GetScrollPos()) << "item 8 of 10 shown in the last row";
        EXPECT_EQ(5, ten->m_highlighted);
        EXPECT_EQ(::GetFocus(), ten->m_hWnd);
        EXPECT_EQ(rows.ten, p.grid.m_activeCell) << "focus in the list keeps the cell active";
        EXPECT_EQ(1, p.page.m_dropDownOpen);
        EXPECT_EQ(ten->m_hWnd, p.page.m_dropDownList);

        CPopUpScrollList* three = OpenList(p, 2);
        EXPECT_FALSE(ten->IsWindowVisible());
        ASSERT_TRUE(three->IsWindowVisible());
        three->GetClientRect(client);
        EXPECT_EQ(3 * rowHeight + 2 * ::GetSystemMetrics(SM_CYBORDER), client.Height());
        EXPECT_FALSE(three->m_scrollBar.IsWindowVisible());
        EXPECT_EQ(1, three->m_highlighted);
    });
}

TEST(GridOnBasicPage, ARowClickChoosesScrollPositionPlusRow)
{
    WithBasicPage([](BasicPage& p) {
        StandardRows rows = FillStandard(p);
        RecordingRules rules;
        p.grid.SetRules(&rules);
        CPopUpScrollList* list = OpenList(p, 3);
        ASSERT_TRUE(list->IsWindowVisible());
        ClickAt(p.dialog.m_hWnd, list->m_hWnd, ListRowCentre(list, 2));
        EXPECT_FALSE(list->IsWindowVisible());
        EXPECT_EQ(5, rows.ten->GetCurSel()) << "position 3 + row 2";
        EXPECT_EQ(CString(L"Level 6"), rows.ten->GetText());
        EXPECT_EQ(CString(L"Level 6"), p.grid.GetItemText(3, 2));
        ASSERT_EQ(1u, rules.results.size());
        EXPECT_EQ(kPopUpChosen, rules.results[0].wParam);
        EXPECT_EQ(5, rules.results[0].lParam);
        EXPECT_EQ(3, rules.results[0].activeRow);
        EXPECT_EQ(2, rules.results[0].activeColumn);
        EXPECT_EQ(0, p.page.m_dropDownOpen);
        EXPECT_EQ(nullptr, p.page.m_dropDownList);
        EXPECT_EQ(0, GetButtonCritSect().ReadPressed()) << "the drop button is not left pressed";
        EXPECT_EQ(::GetFocus(), p.grid.m_hWnd);
    });
}

TEST(GridOnBasicPage, FourClosesTheListWithoutChangingTheValue)
{
    WithBasicPage([](BasicPage& p) {
        StandardRows rows = FillStandard(p);
        RecordingRules rules;
        p.grid.SetRules(&rules);
        CPopUpScrollList* list = OpenList(p, 3);
        PressKey(p.dialog.m_hWnd, VK_DOWN);
        PressKey(p.dialog.m_hWnd, VK_F4);
        EXPECT_FALSE(list->IsWindowVisible());
        EXPECT_EQ(8, rows.ten->GetCurSel());
        EXPECT_EQ(CString(L"Level 9"), p.grid.GetItemText(3, 2));
        ASSERT_EQ(1u, rules.results.size()) << "a list with a current item keeps its path";
        EXPECT_EQ(kPopUpClosed, rules.results[0].wParam);
        EXPECT_EQ(0, p.page.m_dropDownOpen);

        // F4 on the cell opens the list again.
        PressKey(p.dialog.m_hWnd, VK_F4);
        EXPECT_TRUE(list->IsWindowVisible());
        EXPECT_EQ(1, p.page.m_dropDownOpen);
    });
}

TEST(GridOnBasicPage, AListWithoutACurrentItemOrAPickOutsideItStoresNothing)
{
    WithBasicPage([](BasicPage& p) {
        AddColumns(p.grid, {30, 150, 200});
        CCellComboBox* combo = AddComboRow(p.grid, 0, L"Unknown", L"x\nLow\nHigh");
        CCellComboBox* known = AddComboRow(p.grid, 1, L"Known", L"Low\nLow\nHigh");
        p.grid.UpdateWindow();
        RecordingRules rules;
        p.grid.SetRules(&rules);
        EXPECT_EQ(-1, combo->GetCurSel());
        EXPECT_EQ(CString(L""), combo->GetText());
        OpenList(p, 0);
        PressKey(p.dialog.m_hWnd, VK_F4);
        EXPECT_EQ(0, combo->m_open);
        EXPECT_TRUE(rules.results.empty());

        OpenList(p, 1);
        EXPECT_EQ(1, p.grid.SendMessage(kPopUpListMessage, kPopUpChosen, 7));
        EXPECT_EQ(0, known->GetCurSel()) << "no item 7";
        EXPECT_EQ(CString(L"Low"), p.grid.GetItemText(1, 2));
        EXPECT_TRUE(rules.results.empty());

        p.grid.DeactivateCell();
        EXPECT_EQ(1, p.grid.SendMessage(kPopUpListMessage, kPopUpChosen, 1)) << "no active cell";
        EXPECT_TRUE(rules.results.empty());
    });
}

TEST(GridOnBasicPage, TheListOpensAboveTheCellWhereTheScreenEnds)
{
    WithBasicPage([](BasicPage& p) {
        FillStandard(p);
        const CRect cell = SubItem(p.grid, 3, 2);
        POINT cellBottom{cell.left, cell.bottom};
        ::ClientToScreen(p.grid.m_hWnd, &cellBottom);
        CRect window;
        p.dialog.GetWindowRect(window);
        const int shift = ::GetSystemMetrics(SM_CYFULLSCREEN) - 20 - cellBottom.y;
        p.dialog.SetWindowPos(nullptr, window.left, window.top + shift, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        p.Pump(50);

        CPopUpScrollList* list = OpenList(p, 3);
        ASSERT_TRUE(list->IsWindowVisible());
        CRect listRect;
        list->GetWindowRect(listRect);
        POINT cellTop{cell.left, cell.top};
        ::ClientToScreen(p.grid.m_hWnd, &cellTop);
        EXPECT_EQ(cellTop.y, listRect.bottom);
        EXPECT_EQ(6 * TextHeightOfM(p.grid.m_hWnd) + 2 * ::GetSystemMetrics(SM_CYBORDER), listRect.Height());
        p.dialog.SetWindowPos(nullptr, window.left, window.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    });
}

TEST(GridOnBasicPage, ACellNarrowerThanItsButtonDoesNotOpen)
{
    WithBasicPage([](BasicPage& p) {
        StandardRows rows = FillStandard(p);
        p.grid.SetColumnWidth(2, rows.ten->m_buttonWidth - 2);
        p.grid.UpdateWindow();
        p.Pump(50);
        ClickAt(p.dialog.m_hWnd, p.grid.m_hWnd, Centre(SubItem(p.grid, 3, 2)));
        EXPECT_EQ(1, rows.ten->m_narrow);
        EXPECT_EQ(0, rows.ten->m_open);
        EXPECT_FALSE(rows.ten->GetPopUpList()->IsWindowVisible());
    });
}

TEST(GridOnBasicPage, OneWheelMessageMovesOneLineAndTheHighlightKeepsItsItem)
{
    WithBasicPage([](BasicPage& p) {
        StandardRows rows = FillStandard(p);
        rows.ten->SetCurSel(0);
        CPopUpScrollList* list = OpenList(p, 3);
        ASSERT_EQ(0, list->m_scrollBar.GetScrollPos());
        MoveTo(list->m_hWnd, ListRowCentre(list, 2));
        p.Pump(50);
        ASSERT_EQ(2, list->m_highlighted);
        Wheel(p.dialog.m_hWnd, -3 * WHEEL_DELTA);
        EXPECT_EQ(1, list->m_scrollBar.GetScrollPos()) << "one line whatever the delta";
        EXPECT_EQ(1, list->m_highlighted) << "still on item 2";
        Wheel(p.dialog.m_hWnd, WHEEL_DELTA);
        EXPECT_EQ(0, list->m_scrollBar.GetScrollPos());
        EXPECT_EQ(2, list->m_highlighted);
        Wheel(p.dialog.m_hWnd, WHEEL_DELTA);
        EXPECT_EQ(0, list->m_scrollBar.GetScrollPos()) << "at the top nothing moves";
        EXPECT_EQ(2, list->m_highlighted);

        Wheel(p.dialog.m_hWnd, -WHEEL_DELTA);
        // A click without a mouse move chooses the item seen highlighted.
        list->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ListRowCentre(list, 2).x, ListRowCentre(list, 2).y));
        EXPECT_EQ(2, rows.ten->GetCurSel());
    });
}

TEST(GridOnBasicPage, EveryWayOfClosingTheListClearsThePagesFlag)
{
    WithBasicPage([](BasicPage& p) {
        StandardRows rows = FillStandard(p);
        auto isClosed = [&] { return p.page.m_dropDownOpen == 0 && p.page.m_dropDownList == nullptr; };

        OpenList(p, 3);
        ASSERT_EQ(1, p.page.m_dropDownOpen);
        p.grid.DeactivateCell();
        EXPECT_TRUE(isClosed()) << "deactivation";

        OpenList(p, 3);
        ClickAt(p.dialog.m_hWnd, p.grid.m_hWnd, Centre(SubItem(p.grid, 3, 2)));
        EXPECT_TRUE(isClosed()) << "a second click";
        EXPECT_FALSE(rows.ten->GetPopUpList()->IsWindowVisible());

        OpenList(p, 3);
        p.grid.SetFocus();
        ::SetFocus(::GetDlgItem(p.dialog.m_hWnd, IDC_BUTTON_HOME));
        p.Pump(30);
        EXPECT_TRUE(isClosed()) << "the grid's focus lost";

        OpenList(p, 3);
        p.grid.RemoveCell(3, 2);
        EXPECT_TRUE(isClosed()) << "the cell destroyed";
    });
}

TEST(GridOnBasicPage, ThePressedLookFollowsTheButtonAndItsThreadsLeaveNoHandles)
{
    WithBasicPage([](BasicPage& p) {
        StandardRows rows = FillStandard(p);
        auto* list = rows.ten->GetPopUpList();
        DWORD before = 0;
        ::GetProcessHandleCount(::GetCurrentProcess(), &before);
        for (int i = 0; i < 5; ++i) {
            OpenList(p, 3);
            ASSERT_EQ(1, rows.ten->m_drawn);
            // The button is up again: the look follows once the thread woke.
            EXPECT_TRUE(p.Until([] { return GetButtonCritSect().ReadPressed() == 0; }, 3000));
            PressKey(p.dialog.m_hWnd, VK_F4);
            ASSERT_FALSE(list->IsWindowVisible());
        }
        p.Pump(400);
        DWORD after = 0;
        ::GetProcessHandleCount(::GetCurrentProcess(), &after);
        EXPECT_LT(after, before + 5) << "one thread handle per opening would be 5 more";
    });
}

// ---------------------------------------------------------------- the demo and its pictures

TEST(GridOnBasicPage, DemoGridPictures)
{
    WithBasicPage([](BasicPage& p) {
        AddColumns(p.grid, {30, 220, 190});
        AddCheckRow(p.grid, 0, L"VOX Phone", L"0");
        AddCheckRow(p.grid, 1, L"VOX Intercom", L"1");
        AddComboRow(p.grid, 2, L"VOX Sensitivity", L"Medium\nLow\nMedium\nHigh");
        AddCheckRow(p.grid, 3, L"Sidetone", L"1");
        p.grid.SetCellDisabled(3, 2, TRUE);
        AddComboRow(p.grid, 4, L"Overlay Sensitivity", kTenLevels);
        AddCheckRow(p.grid, 5, L"Voice Prompt", L"0");
        AddComboRow(p.grid, 6, L"Audio Source Priority", L"Music\nIntercom\nMusic");
        AddCheckRow(p.grid, 7, L"HD Intercom", L"0");
        p.grid.UpdateWindow();
        p.Pump(200);

        CRect window;
        p.dialog.GetWindowRect(window);
        const std::string dir = QUOR_SCREENSHOT_DIR;
        EXPECT_TRUE(SaveScreen(window, dir + "/grid-list-closed.png"));

        CPopUpScrollList* list = OpenList(p, 4);
        ASSERT_TRUE(list->IsWindowVisible());
        MoveTo(list->m_hWnd, ListRowCentre(list, 3));
        p.Pump(300);
        CRect listRect;
        list->GetWindowRect(listRect);
        CRect both;
        ::UnionRect(&both, &window, &listRect);
        EXPECT_TRUE(list->m_scrollBar.IsWindowVisible());
        EXPECT_TRUE(SaveScreen(both, dir + "/grid-list-open.png"));
        PressKey(p.dialog.m_hWnd, VK_F4);
    });
}

} // namespace
