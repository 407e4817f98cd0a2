// The framework layer's window machinery under Wine: message tables and their
// inheritance, reflection to controls, owner drawing, pre-translation from
// the message's window upwards, ownership by the main window, and no C++
// exception escaping into the system's window code.
#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>
#include <string>
#include <vector>

#include "afx/afxwin.h"
#include "afxwin_test_ids.h"

namespace {

void InitControls()
{
    INITCOMMONCONTROLSEX controls{sizeof controls, 0xFF};
    ::InitCommonControlsEx(&controls);
}

void Pump(HWND stop)
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!CWnd::WalkPreTranslateTree(stop, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

class ReflectingButton : public CButton {
public:
    int reflectedClicks = 0;

protected:
    afx_msg void OnReflectedClick() { ++reflectedClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReflectingButton, CButton)
ON_CONTROL_REFLECT(BN_CLICKED, OnReflectedClick)
END_MESSAGE_MAP()

class DrawnButton : public CButton {
public:
    int draws = 0;
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override
    {
        ++draws;
        ::FillRect(drawItem->hDC, &drawItem->rcItem, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    }
};

class KeyWatchingEdit : public CEdit {
public:
    std::vector<WPARAM>* order = nullptr;
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN && order)
            order->push_back(1);
        return FALSE;
    }
};

class BaseDialog : public CDialog {
public:
    BaseDialog() : CDialog(IDD_TEST) {}
    int firstClicks = 0;

protected:
    afx_msg void OnFirst() { ++firstClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseDialog, CDialog)
ON_BN_CLICKED(IDC_FIRST, OnFirst)
END_MESSAGE_MAP()

class TestDialog : public BaseDialog {
public:
    std::vector<UINT> rangeIds;
    int parentReflectClicks = 0;
    int initCalls = 0;
    int okCalls = 0;
    std::vector<WPARAM> keyOrder;
    ReflectingButton reflect;
    DrawnButton drawn;
    KeyWatchingEdit edit;

    BOOL OnInitDialog() override
    {
        ++initCalls;
        return BaseDialog::OnInitDialog();
    }
    void OnOK() override
    {
        ++okCalls;
        BaseDialog::OnOK();
    }
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN)
            keyOrder.push_back(2);
        return BaseDialog::PreTranslateMessage(msg);
    }

protected:
    void DoDataExchange(CDataExchange* dx) override
    {
        BaseDialog::DoDataExchange(dx);
        DDX_Control(dx, IDC_REFLECT, reflect);
        DDX_Control(dx, IDC_DRAWN, drawn);
        DDX_Control(dx, IDC_EDIT, edit);
        edit.order = &keyOrder;
    }
    afx_msg void OnRange(UINT id) { rangeIds.push_back(id); }
    afx_msg void OnReflectAtParent() { ++parentReflectClicks; }
    afx_msg LRESULT OnPing(WPARAM wParam, LPARAM lParam) { return static_cast<LRESULT>(wParam + lParam); }
    afx_msg LRESULT OnThrow(WPARAM, LPARAM) { throw std::runtime_error("handler failed"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestDialog, BaseDialog)
ON_COMMAND_RANGE(IDC_SECOND, IDC_THIRD, OnRange)
ON_BN_CLICKED(IDC_REFLECT, OnReflectAtParent)
ON_MESSAGE(WM_APP + 1, OnPing)
ON_MESSAGE(WM_APP + 2, OnThrow)
END_MESSAGE_MAP()

TEST(FrameworkLayer, MessageTablesInheritAndDispatchByIdAndRange)
{
    InitControls();
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_TEST));
    EXPECT_EQ(1, dialog.initCalls);
    ::SendMessageW(::GetDlgItem(dialog, IDC_FIRST), BM_CLICK, 0, 0);
    ::SendMessageW(::GetDlgItem(dialog, IDC_THIRD), BM_CLICK, 0, 0);
    ::SendMessageW(::GetDlgItem(dialog, IDC_SECOND), BM_CLICK, 0, 0);
    EXPECT_EQ(1, dialog.firstClicks);
    EXPECT_EQ((std::vector<UINT>{IDC_THIRD, IDC_SECOND}), dialog.rangeIds);
    EXPECT_EQ(7, dialog.SendMessage(WM_APP + 1, 3, 4));
    dialog.DestroyWindow();
    EXPECT_EQ(nullptr, dialog.m_hWnd);
}

TEST(FrameworkLayer, NotificationsReflectToTheControlFirst)
{
    InitControls();
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_TEST));
    // Bound controls are the objects the dialog holds.
    EXPECT_EQ(&dialog.reflect, dialog.GetDlgItem(IDC_REFLECT));
    ::SendMessageW(dialog.reflect, BM_CLICK, 0, 0);
    EXPECT_EQ(1, dialog.reflect.reflectedClicks);
    EXPECT_EQ(0, dialog.parentReflectClicks);
    dialog.DestroyWindow();
}

TEST(FrameworkLayer, OwnerDrawnButtonsDrawThemselvesWhenTheParentDoesNot)
{
    InitControls();
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_TEST));
    dialog.ShowWindow(SW_SHOW);
    dialog.drawn.Invalidate();
    dialog.drawn.UpdateWindow();
    Pump(dialog);
    EXPECT_GE(dialog.drawn.draws, 1);
    dialog.DestroyWindow();
}

TEST(FrameworkLayer, AnExceptionInAHandlerNeverLeavesTheWindowProcedure)
{
    InitControls();
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_TEST));
    EXPECT_EQ(0, dialog.SendMessage(WM_APP + 2));
    EXPECT_TRUE(dialog.IsWindow());
    EXPECT_EQ(9, dialog.SendMessage(WM_APP + 1, 4, 5));
    dialog.DestroyWindow();
}

// What the program hands to a debugger through OutputDebugString: the system
// raises it as a first-chance exception that a vectored handler sees.
std::string g_debugOutput;

LONG CALLBACK CollectDebugOutput(EXCEPTION_POINTERS* info)
{
    const EXCEPTION_RECORD* record = info->ExceptionRecord;
    if (record->NumberParameters >= 2) {
        if (record->ExceptionCode == 0x40010006) { // DBG_PRINTEXCEPTION_C
            g_debugOutput += reinterpret_cast<const char*>(record->ExceptionInformation[1]);
        } else if (record->ExceptionCode == 0x4001000A) { // DBG_PRINTEXCEPTION_WIDE_C
            for (const wchar_t* c = reinterpret_cast<const wchar_t*>(record->ExceptionInformation[1]); *c; ++c)
                g_debugOutput += static_cast<char>(*c);
        }
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

TEST(FrameworkLayer, AnExceptionStoppedAtTheWindowProcedureIsRecorded)
{
    InitControls();
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_TEST));
    g_debugOutput.clear();
    PVOID handler = ::AddVectoredExceptionHandler(1, CollectDebugOutput);
    dialog.SendMessage(WM_APP + 2);
    ::RemoveVectoredExceptionHandler(handler);
    EXPECT_NE(std::string::npos, g_debugOutput.find("AfxWndProc")) << g_debugOutput;
    EXPECT_NE(std::string::npos, g_debugOutput.find("0x8002")) << "the message it stopped at: " << g_debugOutput;
    EXPECT_NE(std::string::npos, g_debugOutput.find("handler failed")) << g_debugOutput;
    dialog.DestroyWindow();
}

TestDialog* g_typingDialog = nullptr;

void CALLBACK TypeIntoEdit(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    HWND edit = g_typingDialog->edit.m_hWnd;
    ::SetFocus(edit);
    ::PostMessageW(edit, WM_KEYDOWN, 'A', 1);
    ::PostMessageW(edit, WM_KEYUP, 'A', 0xC0000001);
    // Enter in a dialog is its OK command.
    ::PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 1);
}

// The modal loop offers each message to the objects from the message's window
// up to the dialog, the way the main window relies on for its key handling.
TEST(FrameworkLayer, ModalLoopPreTranslatesFromTheTargetUpwards)
{
    InitControls();
    TestDialog dialog;
    g_typingDialog = &dialog;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 10, TypeIntoEdit);
    const INT_PTR result = dialog.DoModal();
    ::KillTimer(nullptr, timer);
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(1, dialog.okCalls);
    ASSERT_GE(dialog.keyOrder.size(), 2u);
    EXPECT_EQ(1u, dialog.keyOrder[0]);
    EXPECT_EQ(2u, dialog.keyOrder[1]);
}

TEST(FrameworkLayer, ADialogWithoutParentIsOwnedByTheMainWindow)
{
    InitControls();
    CWinApp app;
    CDialog main(IDD_TEST);
    ASSERT_TRUE(main.Create(IDD_TEST));
    app.m_pMainWnd = &main;
    CDialog owned(IDD_TEST);
    ASSERT_TRUE(owned.Create(IDD_TEST));
    EXPECT_EQ(main.m_hWnd, ::GetWindow(owned, GW_OWNER));

    // A child dialog of a control: its parent is that control.
    CDialog child(IDD_CHILD);
    CWnd* host = main.GetDlgItem(IDC_EDIT);
    ASSERT_TRUE(child.Create(IDD_CHILD, host));
    EXPECT_EQ(host->m_hWnd, ::GetParent(child));
    owned.DestroyWindow();
    app.m_pMainWnd = nullptr;
    main.DestroyWindow();
    EXPECT_FALSE(::IsWindow(child.m_hWnd));
}

// The thread rule's check is on in the test programs' build, Release
// included: a worker that would destroy a window of this thread, or create a
// child of one, is caught where it does it. The handler here stops the
// operation (the system would have the worker wait for this thread).
struct WrongThread {
    std::string where;
    HWND window;
};

TEST(FrameworkLayer, AWindowTouchedFromAWorkerThreadIsReported)
{
    InitControls();
    CDialog main(IDD_TEST);
    ASSERT_TRUE(main.Create(IDD_TEST));
    SetWindowThreadCheckHandler([](const char* where, HWND window) { throw WrongThread{where, window}; });
    std::vector<WrongThread> reports;
    CWnd child;
    std::thread worker([&] {
        try {
            main.DestroyWindow();
        } catch (const WrongThread& report) {
            reports.push_back(report);
        }
        try {
            child.CreateEx(0, L"STATIC", L"", WS_CHILD, CRect(0, 0, 10, 10), &main, 0);
        } catch (const WrongThread& report) {
            reports.push_back(report);
        }
    });
    worker.join();
    SetWindowThreadCheckHandler(nullptr);
    ASSERT_EQ(2u, reports.size());
    EXPECT_EQ("DestroyWindow", reports[0].where);
    EXPECT_EQ(main.m_hWnd, reports[0].window);
    EXPECT_EQ("CreateEx", reports[1].where);
    EXPECT_EQ(main.m_hWnd, reports[1].window);
    EXPECT_TRUE(::IsWindow(main.m_hWnd));
    EXPECT_EQ(nullptr, child.m_hWnd);
    // From its own thread nothing is reported, and the window goes.
    EXPECT_TRUE(main.DestroyWindow());
}

TEST(FrameworkLayer, WindowsWithoutObjectsGetOneStableWrapper)
{
    InitControls();
    HWND plain = ::CreateWindowExW(0, L"STATIC", L"plain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, plain);
    CWnd* first = CWnd::FromHandle(plain);
    EXPECT_EQ(first, CWnd::FromHandle(plain));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(plain));
    EXPECT_EQ(CString(L"plain"), first->GetWindowText());
    EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));
    ::DestroyWindow(plain);
}

} // namespace
