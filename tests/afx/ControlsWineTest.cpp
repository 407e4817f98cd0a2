// The framework layer's list view, header, scroll bar, image list, window
// classes and worker threads, on real windows under Wine.
#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "afx/afxwin.h"
#include "afxwin_test_ids.h"

namespace {

void InitControls()
{
    INITCOMMONCONTROLSEX controls{sizeof controls, 0xFF};
    ::InitCommonControlsEx(&controls);
}

class DrawnList : public CListCtrl {
public:
    int presubclassed = 0;
    int measured = 0;
    int drawn = 0;
    void MeasureItem(LPMEASUREITEMSTRUCT measureItem) override
    {
        ++measured;
        measureItem->itemHeight = 31;
    }
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override
    {
        ++drawn;
        ::FillRect(drawItem->hDC, &drawItem->rcItem, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    }

protected:
    void PreSubclassWindow() override { ++presubclassed; }
};

class ListDialog : public CDialog {
public:
    ListDialog() : CDialog(IDD_LIST) {}
    DrawnList list;
    CHeaderCtrl header;

protected:
    void DoDataExchange(CDataExchange* dx) override
    {
        CDialog::DoDataExchange(dx);
        DDX_Control(dx, IDC_LIST, list);
    }
};

TEST(FrameworkControls, ListItemsColumnsAndSubItemsRoundTrip)
{
    InitControls();
    ListDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_LIST));
    CListCtrl& list = dialog.list;
    EXPECT_EQ(1, dialog.list.presubclassed) << "bound before its messages arrive";
    EXPECT_EQ(0, list.InsertColumn(0, L"Name", LVCFMT_LEFT, 80));
    EXPECT_EQ(1, list.InsertColumn(1, L"Value", LVCFMT_LEFT, 90));
    EXPECT_EQ(80, list.GetColumnWidth(0));
    EXPECT_EQ(0, list.InsertItem(0, L"first"));
    EXPECT_EQ(1, list.InsertItem(LVIF_TEXT, 1, L"second", 0, 0, 0, 0));
    EXPECT_TRUE(list.SetItemText(0, 1, L"one"));
    EXPECT_TRUE(list.SetItem(1, 1, LVIF_TEXT, L"two", 0, 0, 0, 0));
    EXPECT_EQ(2, list.GetItemCount());
    EXPECT_EQ(CString(L"first"), list.GetItemText(0, 0));
    EXPECT_EQ(CString(L"one"), list.GetItemText(0, 1));
    EXPECT_EQ(CString(L"two"), list.GetItemText(1, 1));
    const CString longText(L'x', 700);
    list.SetItemText(1, 0, longText);
    EXPECT_EQ(longText, list.GetItemText(1, 0)) << "a text longer than the first buffer";

    EXPECT_TRUE(list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_EQ(static_cast<UINT>(LVIS_SELECTED), list.GetItemState(1, LVIS_SELECTED));

    EXPECT_TRUE(list.SetColumnWidth(1, 120));
    EXPECT_EQ(120, list.GetColumnWidth(1));
    EXPECT_GT(list.GetStringWidth(L"wide text"), list.GetStringWidth(L"w"));

    CRect cell;
    ASSERT_TRUE(list.GetSubItemRect(0, 1, LVIR_LABEL, cell));
    EXPECT_EQ(80, cell.left);
    LVHITTESTINFO hit{};
    hit.pt = CPoint(cell.left + 5, (cell.top + cell.bottom) / 2);
    list.SubItemHitTest(&hit);
    EXPECT_EQ(0, hit.iItem);
    EXPECT_EQ(1, hit.iSubItem);

    EXPECT_EQ(nullptr, list.GetHeaderCtrl()) << "no object bound to the header yet";
    ASSERT_TRUE(dialog.header.SubclassWindow(list.GetHeaderWindow()));
    EXPECT_EQ(&dialog.header, list.GetHeaderCtrl());
    EXPECT_EQ(2, dialog.header.GetItemCount());
    CRect headerItem;
    EXPECT_TRUE(dialog.header.GetItemRect(1, headerItem));
    HDHITTESTINFO divider{};
    divider.pt = CPoint(headerItem.left, headerItem.Height() / 2);
    dialog.header.HitTest(&divider);
    EXPECT_TRUE(divider.flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN));

    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(0, list.GetItemCount());
    dialog.DestroyWindow();
}

TEST(FrameworkControls, OwnerDrawnListsAreMeasuredAndDrawnThroughTheirParent)
{
    InitControls();
    ListDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_LIST));
    dialog.list.InsertColumn(0, L"", LVCFMT_LEFT, 80);
    dialog.list.InsertItem(0, L"row");
    dialog.list.InsertItem(1, L"row");
    // Measured at creation, before the object was bound: a position change
    // without a change makes the list ask again.
    CRect window;
    dialog.list.GetWindowRect(window);
    WINDOWPOS position{dialog.list.m_hWnd,
                       nullptr,
                       0,
                       0,
                       window.Width(),
                       window.Height(),
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER};
    dialog.list.SendMessage(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&position));
    EXPECT_GE(dialog.list.measured, 1);
    CRect row;
    ListView_GetItemRect(dialog.list.m_hWnd, 1, &row, LVIR_BOUNDS);
    EXPECT_EQ(31, row.Height());
    dialog.ShowWindow(SW_SHOW);
    dialog.list.UpdateWindow();
    EXPECT_GE(dialog.list.drawn, 2);
    dialog.DestroyWindow();
}

TEST(FrameworkControls, ScrollBarClampsItsPositionToTheLastPage)
{
    InitControls();
    ListDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_LIST));
    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, CRect(0, 0, 16, 80), &dialog, 0));
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = 9;
    info.nPage = 6;
    bar.SetScrollInfo(&info);
    bar.SetScrollPos(8);
    EXPECT_EQ(4, bar.GetScrollPos());
    bar.SetScrollPos(-2);
    EXPECT_EQ(0, bar.GetScrollPos());
    SCROLLINFO read{};
    ASSERT_TRUE(bar.GetScrollInfo(&read, SIF_ALL));
    EXPECT_EQ(9, read.nMax);
    EXPECT_EQ(6u, read.nPage);
    bar.ShowScrollBar(FALSE);
    EXPECT_FALSE(bar.IsWindowVisible());
    dialog.DestroyWindow();
}

TEST(FrameworkControls, ImageListCutsABitmapIntoImages)
{
    CImageList images;
    EXPECT_EQ(0, images.GetImageCount());
    ASSERT_TRUE(images.Create(IDB_IMAGES, 20, 0, RGB(255, 0, 255)));
    EXPECT_EQ(4, images.GetImageCount());
    int cx = 0, cy = 0;
    ImageList_GetIconSize(images, &cx, &cy);
    EXPECT_EQ(20, cx);
    EXPECT_EQ(20, cy);
    EXPECT_FALSE(images.Create(9999, 20, 0, RGB(255, 0, 255))) << "no such bitmap";
    EXPECT_TRUE(images.Create(IDB_IMAGES, 20, 0, RGB(255, 0, 255)));
    EXPECT_TRUE(images.DeleteImageList());
    EXPECT_FALSE(images.DeleteImageList());
}

// The pixels a bitmap button draws in one state, on a bitmap of its own.
std::vector<DWORD> DrawnPixels(CBitmapButton& button, UINT state)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 80;
    info.bmiHeader.biHeight = -20;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    HDC dc = ::CreateCompatibleDC(nullptr);
    DWORD* bits = nullptr;
    HBITMAP target = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
    HGDIOBJ old = ::SelectObject(dc, target);
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_BUTTON;
    draw.itemState = state;
    draw.hDC = dc;
    draw.rcItem = RECT{0, 0, 80, 20};
    button.DrawItem(&draw);
    ::GdiFlush();
    std::vector<DWORD> pixels(bits, bits + 80 * 20);
    ::SelectObject(dc, old);
    ::DeleteObject(target);
    ::DeleteDC(dc);
    return pixels;
}

TEST(FrameworkControls, ABitmapButtonLoadsAPictureItsStatesShareOnce)
{
    CBitmapButton button;
    ASSERT_TRUE(button.LoadBitmaps(IDB_IMAGES, IDB_IMAGES, IDB_IMAGES, IDB_IMAGES));
    EXPECT_NE(nullptr, button.m_bitmap.GetSafeHandle());
    EXPECT_EQ(nullptr, button.m_bitmapSel.GetSafeHandle());
    EXPECT_EQ(nullptr, button.m_bitmapFocus.GetSafeHandle());
    EXPECT_EQ(nullptr, button.m_bitmapDisabled.GetSafeHandle());
    const std::vector<DWORD> normal = DrawnPixels(button, 0);
    EXPECT_NE(std::vector<DWORD>(normal.size(), 0), normal) << "the picture was drawn";
    for (UINT state : {static_cast<UINT>(ODS_SELECTED), static_cast<UINT>(ODS_FOCUS), static_cast<UINT>(ODS_DISABLED)})
        EXPECT_EQ(normal, DrawnPixels(button, state)) << "state " << state;
    // A state's own bitmap that cannot be loaded still fails the call.
    EXPECT_FALSE(button.LoadBitmaps(IDB_IMAGES, 0, 0, 9999));
}

TEST(FrameworkControls, RegisteredWindowClassesAreSharedPerStyle)
{
    const wchar_t* first = AfxRegisterWndClass(CS_SAVEBITS | CS_HREDRAW, nullptr,
                                               reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
    ASSERT_NE(nullptr, first);
    const wchar_t* again = AfxRegisterWndClass(CS_SAVEBITS | CS_HREDRAW, nullptr,
                                               reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
    EXPECT_EQ(std::wstring(first), std::wstring(again));
    const wchar_t* other = AfxRegisterWndClass(CS_HREDRAW);
    EXPECT_NE(std::wstring(first), std::wstring(other));

    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, first, L"", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    EXPECT_EQ(static_cast<ULONG_PTR>(CS_SAVEBITS | CS_HREDRAW), ::GetClassLongPtrW(window.m_hWnd, GCL_STYLE));
    EXPECT_EQ(&window, CWnd::FromHandlePermanent(window.m_hWnd));
    window.DestroyWindow();
}

std::atomic<int> g_threadRuns{0};

UINT __cdecl CountRun(LPVOID param)
{
    g_threadRuns += *static_cast<int*>(param);
    return 7;
}

TEST(FrameworkControls, WorkerThreadsRunOnceAndLeaveNoHandleBehind)
{
    static int one = 1;
    g_threadRuns = 0;
    DWORD before = 0;
    ::GetProcessHandleCount(::GetCurrentProcess(), &before);
    for (int i = 0; i < 20; ++i)
        ASSERT_NE(nullptr, AfxBeginThread(CountRun, &one));
    for (int i = 0; i < 400 && g_threadRuns < 20; ++i)
        ::Sleep(10);
    ::Sleep(100);
    EXPECT_EQ(20, g_threadRuns.load());
    DWORD after = 0;
    ::GetProcessHandleCount(::GetCurrentProcess(), &after);
    EXPECT_LT(after, before + 20) << "a handle per thread would be 20 more";

    // Kept: started suspended, waited for, then deleted by its owner.
    CWinThread* kept = AfxBeginThread(CountRun, &one, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(nullptr, kept);
    kept->m_bAutoDelete = FALSE;
    kept->ResumeThread();
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(kept->m_hThread, 5000));
    DWORD code = 0;
    ::GetExitCodeThread(kept->m_hThread, &code);
    EXPECT_EQ(7u, code);
    delete kept;
    EXPECT_EQ(21, g_threadRuns.load());
    EXPECT_EQ(nullptr, AfxBeginThread(nullptr, nullptr));
}

} // namespace
