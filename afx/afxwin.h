#pragma once
// A thin layer over Win32 with the framework names the manager is written in:
// one window procedure finds the C++ object of a window and dispatches through
// per-class message tables; controls are thin wrappers of one HWND.
//
// The thread rule: only the thread that created a window touches it (creates
// children of it, sends or calls into it, destroys it). A worker thread never
// calls a window's operations; it writes a guarded record (core/GuardedRecord.h)
// or an atomic flag and posts a message (PostMessage, or PostToMainWindow in
// shell/MainDialog.h), and the window's thread reads the record back when the
// message or its timer arrives. Where QUOR_CHECK_WINDOW_THREADS is defined
// (the Windows trees that build the test programs, whatever the build type),
// this layer checks the creating thread wherever it creates, destroys or maps
// a window, and a touch from any other thread is reported.

#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <utility>
#include <vector>

#include "afx/afxstr.h"
#include "afx/afxfile.h"

#define afx_msg

class CWnd;
class CDC;
class CMenu;
class CFont;
class CDataExchange;

// ---------------------------------------------------------------- geometry

class CPoint : public POINT {
public:
    CPoint()
    {
        x = 0;
        y = 0;
    }
    CPoint(int px, int py)
    {
        x = px;
        y = py;
    }
    CPoint(POINT p)
    {
        x = p.x;
        y = p.y;
    }
    explicit CPoint(LPARAM lParam)
    {
        x = static_cast<short>(LOWORD(lParam));
        y = static_cast<short>(HIWORD(lParam));
    }
    bool operator==(const CPoint& o) const { return x == o.x && y == o.y; }
};

class CSize : public SIZE {
public:
    CSize()
    {
        cx = 0;
        cy = 0;
    }
    CSize(int w, int h)
    {
        cx = w;
        cy = h;
    }
    CSize(SIZE s)
    {
        cx = s.cx;
        cy = s.cy;
    }
};

class CRect : public RECT {
public:
    CRect() { left = top = right = bottom = 0; }
    CRect(int l, int t, int r, int b)
    {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    CRect(const RECT& r)
    {
        left = r.left;
        top = r.top;
        right = r.right;
        bottom = r.bottom;
    }
    CRect(POINT p, SIZE s)
    {
        left = p.x;
        top = p.y;
        right = p.x + s.cx;
        bottom = p.y + s.cy;
    }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    CPoint TopLeft() const { return CPoint(left, top); }
    CPoint BottomRight() const { return CPoint(right, bottom); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }
    bool IsRectEmpty() const { return ::IsRectEmpty(this) != FALSE; }
    bool PtInRect(POINT p) const { return ::PtInRect(this, p) != FALSE; }
    void SetRect(int l, int t, int r, int b)
    {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    void SetRectEmpty() { left = top = right = bottom = 0; }
    void DeflateRect(int dx, int dy) { ::InflateRect(this, -dx, -dy); }
    void DeflateRect(int l, int t, int r, int b)
    {
        left += l;
        top += t;
        right -= r;
        bottom -= b;
    }
    void InflateRect(int dx, int dy) { ::InflateRect(this, dx, dy); }
    void OffsetRect(int dx, int dy) { ::OffsetRect(this, dx, dy); }
    void NormalizeRect()
    {
        if (left > right)
            std::swap(left, right);
        if (top > bottom)
            std::swap(top, bottom);
    }
    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
    bool operator==(const RECT& o) const { return ::EqualRect(this, &o) != FALSE; }
};

// ---------------------------------------------------------------- message maps

typedef void (CWnd::*AFX_PMSG)();

enum AfxSig : UINT_PTR {
    AfxSig_end = 0,
    AfxSig_v_v,       // void ()
    AfxSig_v_u,       // void (UINT)             command ranges
    AfxSig_v_up,      // void (UINT_PTR)         WM_TIMER
    AfxSig_b_W_u_u,   // BOOL (CWnd*, UINT, UINT) WM_SETCURSOR
    AfxSig_hbr_D_W_u, // HBRUSH (CDC*, CWnd*, UINT) WM_CTLCOLOR*
    AfxSig_hbr_D_u,   // HBRUSH (CDC*, UINT)     reflected WM_CTLCOLOR*
    AfxSig_v_i_DIS,   // void (int, LPDRAWITEMSTRUCT) WM_DRAWITEM
    AfxSig_v_u_pt,    // void (UINT, CPoint)     mouse buttons and moves
    AfxSig_v_W_pt,    // void (CWnd*, CPoint)    WM_CONTEXTMENU
    AfxSig_v_u_l,     // void (UINT, LPARAM)     WM_SYSCOMMAND
    AfxSig_l_w_l,     // LRESULT (WPARAM, LPARAM) ON_MESSAGE
    AfxSig_v_u_u_u,   // void (UINT, UINT, UINT) keys
    AfxSig_b_D,       // BOOL (CDC*)             WM_ERASEBKGND
    AfxSig_v_u_i_i,   // void (UINT, int, int)   WM_SIZE
    AfxSig_v_NM_pl,   // void (NMHDR*, LRESULT*) WM_NOTIFY
    AfxSig_v_u_u_W,   // void (UINT, UINT, CScrollBar*) scrolling (as CWnd*)
    AfxSig_u_v,       // UINT ()                 WM_GETDLGCODE
    AfxSig_v_W,       // void (CWnd*)            focus changes
    AfxSig_v_POS,     // void (WINDOWPOS*)       WM_WINDOWPOSCHANGING
    AfxSig_hc_v,      // HCURSOR ()              WM_QUERYDRAGICON
    AfxSig_v_i_MIS,   // void (int, LPMEASUREITEMSTRUCT) WM_MEASUREITEM
};

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;
    UINT nCode;
    UINT nID;
    UINT nLastID;
    UINT_PTR nSig;
    AFX_PMSG pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Messages reflected to the control that sent them.
constexpr UINT WM_REFLECT_BASE = 0xBC00;

#define DECLARE_MESSAGE_MAP()                                                                                          \
protected:                                                                                                             \
    static const AFX_MSGMAP* GetThisMessageMap();                                                                      \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                         \
    const AFX_MSGMAP* theClass::GetMessageMap() const                                                                  \
    {                                                                                                                  \
        return GetThisMessageMap();                                                                                    \
    }                                                                                                                  \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                                                    \
    {                                                                                                                  \
        typedef theClass ThisClass;                                                                                    \
        typedef baseClass TheBaseClass;                                                                                \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                                              \
    {                                                                                                                  \
        0, 0, 0, 0, AfxSig_end, nullptr                                                                                \
    }                                                                                                                  \
    }                                                                                                                  \
    ;                                                                                                                  \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};                      \
    return &messageMap;                                                                                                \
    }

#define AFX_ENTRY(msg, code, id, last, sig, type, fn)                                                                  \
    {msg,                                                                                                              \
     static_cast<UINT>(code),                                                                                          \
     static_cast<UINT>(id),                                                                                            \
     static_cast<UINT>(last),                                                                                          \
     sig,                                                                                                              \
     reinterpret_cast<AFX_PMSG>(static_cast<type>(&ThisClass::fn))},

#define ON_COMMAND(id, fn)             AFX_ENTRY(WM_COMMAND, 0, id, id, AfxSig_v_v, void (CWnd::*)(), fn)
#define ON_COMMAND_RANGE(id, last, fn) AFX_ENTRY(WM_COMMAND, 0, id, last, AfxSig_v_u, void (CWnd::*)(UINT), fn)
#define ON_CONTROL(code, id, fn)       AFX_ENTRY(WM_COMMAND, code, id, id, AfxSig_v_v, void (CWnd::*)(), fn)
#define ON_BN_CLICKED(id, fn)          ON_CONTROL(BN_CLICKED, id, fn)
#define ON_STN_CLICKED(id, fn)         ON_CONTROL(STN_CLICKED, id, fn)
#define ON_LBN_SELCHANGE(id, fn)       ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_LBN_KILLFOCUS(id, fn)       ON_CONTROL(LBN_KILLFOCUS, id, fn)
#define ON_CBN_SELCHANGE(id, fn)       ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_DROPDOWN(id, fn)        ON_CONTROL(CBN_DROPDOWN, id, fn)
#define ON_CBN_CLOSEUP(id, fn)         ON_CONTROL(CBN_CLOSEUP, id, fn)
#define ON_EN_CHANGE(id, fn)           ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_KILLFOCUS(id, fn)        ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_CONTROL_REFLECT(code, fn)                                                                                   \
    AFX_ENTRY(WM_COMMAND + WM_REFLECT_BASE, code, 0, 0, AfxSig_v_v, void(CWnd::*)(), fn)
#define ON_NOTIFY(code, id, fn) AFX_ENTRY(WM_NOTIFY, code, id, id, AfxSig_v_NM_pl, void (CWnd::*)(NMHDR*, LRESULT*), fn)
#define ON_NOTIFY_REFLECT(code, fn)                                                                                    \
    AFX_ENTRY(WM_NOTIFY + WM_REFLECT_BASE, code, 0, 0, AfxSig_v_NM_pl, void(CWnd::*)(NMHDR*, LRESULT*), fn)
#define ON_MESSAGE(msg, fn) AFX_ENTRY(msg, 0, 0, 0, AfxSig_l_w_l, LRESULT (CWnd::*)(WPARAM, LPARAM), fn)

#define ON_WM_TIMER() AFX_ENTRY(WM_TIMER, 0, 0, 0, AfxSig_v_up, void (CWnd::*)(UINT_PTR), OnTimer)
#define ON_WM_SETCURSOR()                                                                                              \
    AFX_ENTRY(WM_SETCURSOR, 0, 0, 0, AfxSig_b_W_u_u, BOOL (CWnd::*)(CWnd*, UINT, UINT), OnSetCursor)
#define ON_WM_CTLCOLOR()                                                                                               \
    AFX_ENTRY(WM_CTLCOLORSTATIC, 0, 0, 0, AfxSig_hbr_D_W_u, HBRUSH (CWnd::*)(CDC*, CWnd*, UINT), OnCtlColor)
#define ON_WM_CTLCOLOR_REFLECT()                                                                                       \
    AFX_ENTRY(WM_CTLCOLORSTATIC + WM_REFLECT_BASE, 0, 0, 0, AfxSig_hbr_D_u, HBRUSH(CWnd::*)(CDC*, UINT), CtlColor)
#define ON_WM_DRAWITEM()                                                                                               \
    AFX_ENTRY(WM_DRAWITEM, 0, 0, 0, AfxSig_v_i_DIS, void (CWnd::*)(int, LPDRAWITEMSTRUCT), OnDrawItem)
#define ON_WM_MEASUREITEM()                                                                                            \
    AFX_ENTRY(WM_MEASUREITEM, 0, 0, 0, AfxSig_v_i_MIS, void (CWnd::*)(int, LPMEASUREITEMSTRUCT), OnMeasureItem)
#define ON_WM_LBUTTONDOWN()                                                                                            \
    AFX_ENTRY(WM_LBUTTONDOWN, 0, 0, 0, AfxSig_v_u_pt, void (CWnd::*)(UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_ENTRY(WM_LBUTTONUP, 0, 0, 0, AfxSig_v_u_pt, void (CWnd::*)(UINT, CPoint), OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK()                                                                                          \
    AFX_ENTRY(WM_LBUTTONDBLCLK, 0, 0, 0, AfxSig_v_u_pt, void (CWnd::*)(UINT, CPoint), OnLButtonDblClk)
#define ON_WM_MOUSEMOVE() AFX_ENTRY(WM_MOUSEMOVE, 0, 0, 0, AfxSig_v_u_pt, void (CWnd::*)(UINT, CPoint), OnMouseMove)
#define ON_WM_CONTEXTMENU()                                                                                            \
    AFX_ENTRY(WM_CONTEXTMENU, 0, 0, 0, AfxSig_v_W_pt, void (CWnd::*)(CWnd*, CPoint), OnContextMenu)
#define ON_WM_SYSCOMMAND() AFX_ENTRY(WM_SYSCOMMAND, 0, 0, 0, AfxSig_v_u_l, void (CWnd::*)(UINT, LPARAM), OnSysCommand)
#define ON_WM_CLOSE()      AFX_ENTRY(WM_CLOSE, 0, 0, 0, AfxSig_v_v, void (CWnd::*)(), OnClose)
#define ON_WM_PAINT()      AFX_ENTRY(WM_PAINT, 0, 0, 0, AfxSig_v_v, void (CWnd::*)(), OnPaint)
#define ON_WM_DESTROY()    AFX_ENTRY(WM_DESTROY, 0, 0, 0, AfxSig_v_v, void (CWnd::*)(), OnDestroy)
#define ON_WM_KEYDOWN()    AFX_ENTRY(WM_KEYDOWN, 0, 0, 0, AfxSig_v_u_u_u, void (CWnd::*)(UINT, UINT, UINT), OnKeyDown)
#define ON_WM_ERASEBKGND() AFX_ENTRY(WM_ERASEBKGND, 0, 0, 0, AfxSig_b_D, BOOL (CWnd::*)(CDC*), OnEraseBkgnd)
#define ON_WM_SIZE()       AFX_ENTRY(WM_SIZE, 0, 0, 0, AfxSig_v_u_i_i, void (CWnd::*)(UINT, int, int), OnSize)
#define ON_WM_GETDLGCODE() AFX_ENTRY(WM_GETDLGCODE, 0, 0, 0, AfxSig_u_v, UINT (CWnd::*)(), OnGetDlgCode)
#define ON_WM_SETFOCUS()   AFX_ENTRY(WM_SETFOCUS, 0, 0, 0, AfxSig_v_W, void (CWnd::*)(CWnd*), OnSetFocus)
#define ON_WM_KILLFOCUS()  AFX_ENTRY(WM_KILLFOCUS, 0, 0, 0, AfxSig_v_W, void (CWnd::*)(CWnd*), OnKillFocus)
#define ON_WM_VSCROLL()    AFX_ENTRY(WM_VSCROLL, 0, 0, 0, AfxSig_v_u_u_W, void (CWnd::*)(UINT, UINT, CWnd*), OnVScroll)
#define ON_WM_HSCROLL()    AFX_ENTRY(WM_HSCROLL, 0, 0, 0, AfxSig_v_u_u_W, void (CWnd::*)(UINT, UINT, CWnd*), OnHScroll)
#define ON_WM_WINDOWPOSCHANGING()                                                                                      \
    AFX_ENTRY(WM_WINDOWPOSCHANGING, 0, 0, 0, AfxSig_v_POS, void (CWnd::*)(WINDOWPOS*), OnWindowPosChanging)
#define ON_WM_QUERYDRAGICON() AFX_ENTRY(WM_QUERYDRAGICON, 0, 0, 0, AfxSig_hc_v, HCURSOR (CWnd::*)(), OnQueryDragIcon)

// ---------------------------------------------------------------- application

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    virtual BOOL InitInstance();
    virtual int ExitInstance();
    void SetRegistryKey(const wchar_t* key);
    HICON LoadIcon(UINT id) const;

    HINSTANCE m_hInstance = nullptr;
    // The command line after the program's name.
    LPWSTR m_lpCmdLine = nullptr;
    CWnd* m_pMainWnd = nullptr;
    CString m_registryKey;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxEnableControlContainer();

// The thread rule's check: where names the operation ("DestroyWindow"),
// window the window touched (or the parent or owner of one being created).
// The handler runs on the offending thread; the default one prints the
// offence and stops the program, so no test passes over it. Null restores it.
using WindowThreadCheckHandler = void (*)(const char* where, HWND window);
void SetWindowThreadCheckHandler(WindowThreadCheckHandler handler);
// Reports a window that exists and belongs to another thread of this process.
void CheckWindowThread(HWND window, const char* where);
#ifdef QUOR_CHECK_WINDOW_THREADS
#define QUOR_CHECK_WINDOW_THREAD(window, where) CheckWindowThread((window), (where))
#else
#define QUOR_CHECK_WINDOW_THREAD(window, where) ((void)0)
#endif
// The program's entry: builds nothing itself (globals are built by the
// runtime), runs InitInstance and ends when it returns FALSE.
int AfxWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int show);

// ---------------------------------------------------------------- windows

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL save) : m_pDlgWnd(dialog), m_bSaveAndValidate(save) {}
    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

class CWnd {
public:
    CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    HWND m_hWnd = nullptr;

    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object bound to a window, or a wrapper owned by the layer for a
    // window that no object is bound to.
    static CWnd* FromHandle(HWND hwnd);
    static CWnd* FromHandlePermanent(HWND hwnd);
    BOOL Attach(HWND hwnd);
    HWND Detach();
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();

    BOOL CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id);
    virtual BOOL DestroyWindow();

    // Window operations.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc = nullptr);
    BOOL KillTimer(UINT_PTR id);
    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    void SetWindowText(const wchar_t* text);
    void GetWindowText(CString& text) const;
    CString GetWindowText() const;
    int GetWindowTextLength() const;
    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd* after, int x, int y, int cx, int cy, UINT flags);
    void GetClientRect(LPRECT rect) const;
    void GetWindowRect(LPRECT rect) const;
    void ClientToScreen(LPPOINT point) const;
    void ClientToScreen(LPRECT rect) const;
    void ScreenToClient(LPPOINT point) const;
    void ScreenToClient(LPRECT rect) const;
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE);
    void UpdateWindow();
    BOOL RedrawWindow(LPCRECT rect = nullptr, HRGN region = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    void SetRedraw(BOOL redraw = TRUE);
    CWnd* SetFocus();
    static CWnd* GetFocus();
    CWnd* SetCapture();
    CWnd* GetParent() const;
    CWnd* GetDlgItem(int id) const;
    int GetDlgCtrlID() const;
    void SetDlgItemText(int id, const wchar_t* text);
    CString GetDlgItemText(int id) const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    CMenu* GetSystemMenu(BOOL revert) const;
    HICON SetIcon(HICON icon, BOOL big);
    CDC* GetDC();
    int ReleaseDC(CDC* dc);
    BOOL IsWindow() const { return m_hWnd && ::IsWindow(m_hWnd); }
    void CenterWindow(CWnd* alternateOwner = nullptr);
    BOOL SetForegroundWindow();
    void BringWindowToTop();
    int GetCheckedRadioButton(int first, int last) const;
    void CheckRadioButton(int first, int last, int check);

    // Framework entry points.
    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual void DoDataExchange(CDataExchange* dx);
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // A control gets its notifications back from its parent here first.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual void PostNcDestroy();
    // Called once the object is bound to its window, before the window's
    // messages come to it (subclassing and creation alike).
    virtual void PreSubclassWindow();
    // Walks from the message's window up through its parents to stop, giving
    // each bound object's PreTranslateMessage a chance.
    static BOOL WalkPreTranslateTree(HWND stop, MSG* msg);

    // Default processing of the message being handled.
    LRESULT Default();

    // Handlers with default processing; the message tables name them.
    afx_msg void OnTimer(UINT_PTR id);
    afx_msg BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
    afx_msg void OnDrawItem(int id, LPDRAWITEMSTRUCT drawItem);
    afx_msg void OnMeasureItem(int id, LPMEASUREITEMSTRUCT measureItem);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnContextMenu(CWnd* wnd, CPoint point);
    afx_msg void OnSysCommand(UINT id, LPARAM lParam);
    afx_msg void OnClose();
    afx_msg void OnPaint();
    afx_msg void OnDestroy();
    afx_msg void OnKeyDown(UINT ch, UINT repeat, UINT flags);
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnSetFocus(CWnd* old);
    afx_msg void OnKillFocus(CWnd* next);
    afx_msg void OnVScroll(UINT code, UINT pos, CWnd* bar);
    afx_msg void OnHScroll(UINT code, UINT pos, CWnd* bar);
    afx_msg void OnWindowPosChanging(WINDOWPOS* pos);
    afx_msg HCURSOR OnQueryDragIcon();

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    static BOOL ReflectLastMsg(HWND child, LRESULT* result);

    WNDPROC m_pfnSuper = nullptr;

    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK AfxCbtHook(int, WPARAM, LPARAM);
    friend class CDialog;
};

LRESULT CALLBACK AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

void DDX_Control(CDataExchange* dx, int id, CWnd& control);

// ---------------------------------------------------------------- dialogs

class CDialog : public CWnd {
public:
    CDialog();
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    virtual INT_PTR DoModal();
    // Modeless, from the template; without a parent the dialog is owned by
    // the program's main window.
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    void EndDialog(int result);
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL DestroyWindow() override;

    UINT m_nIDHelp = 0;
    UINT m_lpszTemplateName = 0;
    CWnd* m_pParentWnd = nullptr;

protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    BOOL CreateFromTemplate(UINT templateId, HWND owner);
    static INT_PTR CALLBACK AfxDlgProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    int m_nModalResult = -1;
    bool m_inModalLoop = false;
};

// ---------------------------------------------------------------- GDI

class CGdiObject {
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    virtual ~CGdiObject() { DeleteObject(); }
    HGDIOBJ m_hObject = nullptr;
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    BOOL Attach(HGDIOBJ object)
    {
        DeleteObject();
        m_hObject = object;
        return object != nullptr;
    }
    HGDIOBJ Detach()
    {
        HGDIOBJ o = m_hObject;
        m_hObject = nullptr;
        return o;
    }
    BOOL DeleteObject()
    {
        BOOL ok = FALSE;
        if (m_hObject) {
            ok = ::DeleteObject(m_hObject);
            m_hObject = nullptr;
        }
        return ok;
    }
};

class CBitmap : public CGdiObject {
public:
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
    BOOL LoadBitmap(UINT id);
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    int GetBitmap(BITMAP* info) const;
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
    BOOL CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }
    BOOL CreatePatternBrush(CBitmap* bitmap) { return Attach(::CreatePatternBrush(*bitmap)); }
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
    BOOL CreatePen(int style, int width, COLORREF color) { return Attach(::CreatePen(style, width, color)); }
};

class CFont : public CGdiObject {
public:
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
    BOOL CreateFontIndirect(const LOGFONTW* font) { return Attach(::CreateFontIndirectW(font)); }
    int GetLogFont(LOGFONTW* font) const { return ::GetObjectW(m_hObject, sizeof(LOGFONTW), font); }
};

class CDC {
public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC();
    HDC m_hDC = nullptr;
    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }
    BOOL Attach(HDC dc)
    {
        m_hDC = dc;
        return dc != nullptr;
    }
    HDC Detach()
    {
        HDC d = m_hDC;
        m_hDC = nullptr;
        return d;
    }
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();

    HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(m_hDC, object); }
    HGDIOBJ SelectObject(CGdiObject* object) { return ::SelectObject(m_hDC, object->m_hObject); }
    HGDIOBJ SelectStockObject(int index) { return ::SelectObject(m_hDC, ::GetStockObject(index)); }
    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    COLORREF SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    void FillRect(LPCRECT rect, CBrush* brush) { ::FillRect(m_hDC, rect, *brush); }
    void FillSolidRect(LPCRECT rect, COLORREF color);
    BOOL DrawEdge(LPRECT rect, UINT edge, UINT flags) { return ::DrawEdge(m_hDC, rect, edge, flags); }
    void DrawFocusRect(LPCRECT rect) { ::DrawFocusRect(m_hDC, rect); }
    BOOL RoundRect(LPCRECT rect, POINT corner)
    {
        return ::RoundRect(m_hDC, rect->left, rect->top, rect->right, rect->bottom, corner.x, corner.y);
    }
    BOOL Rectangle(LPCRECT rect) { return ::Rectangle(m_hDC, rect->left, rect->top, rect->right, rect->bottom); }
    int DrawText(const CString& text, LPRECT rect, UINT format)
    {
        return ::DrawTextW(m_hDC, text, text.GetLength(), rect, format);
    }
    BOOL TextOut(int x, int y, const CString& text) { return ::TextOutW(m_hDC, x, y, text, text.GetLength()); }
    CSize GetTextExtent(const CString& text) const;
    BOOL BitBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, DWORD rop);
    BOOL TransparentBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, int srcWidth, int srcHeight,
                        UINT transparent);
    CPoint MoveTo(int x, int y);
    BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
    int GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }
    int SaveDC() { return ::SaveDC(m_hDC); }
    BOOL RestoreDC(int saved) { return ::RestoreDC(m_hDC, saved); }

protected:
    bool m_ownsDc = false;
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;

private:
    HWND m_hWnd;
};

// ---------------------------------------------------------------- menus

class CMenu {
public:
    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    ~CMenu();
    HMENU m_hMenu = nullptr;
    operator HMENU() const { return m_hMenu; }
    static CMenu* FromHandle(HMENU menu);
    BOOL Attach(HMENU menu)
    {
        m_hMenu = menu;
        return menu != nullptr;
    }
    HMENU Detach()
    {
        HMENU m = m_hMenu;
        m_hMenu = nullptr;
        return m;
    }
    BOOL LoadMenu(UINT id);
    BOOL CreatePopupMenu();
    BOOL DestroyMenu();
    CMenu* GetSubMenu(int position) const;
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const wchar_t* text = nullptr);
    BOOL ModifyMenu(UINT position, UINT flags, UINT_PTR id = 0, const wchar_t* text = nullptr);
    BOOL DeleteMenu(UINT position, UINT flags);
    UINT EnableMenuItem(UINT id, UINT enable);
    int GetMenuItemCount() const;
    UINT GetMenuItemID(int position) const;
    int GetMenuString(UINT id, CString& text, UINT flags) const;
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* wnd, LPCRECT rect = nullptr);

private:
    bool m_temporary = false;
};

// ---------------------------------------------------------------- controls

class CStatic : public CWnd {
public:
    HBITMAP SetBitmap(HBITMAP bitmap)
    {
        return reinterpret_cast<HBITMAP>(SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    }
    HBITMAP GetBitmap() const { return reinterpret_cast<HBITMAP>(SendMessage(STM_GETIMAGE, IMAGE_BITMAP, 0)); }
    HICON SetIcon(HICON icon)
    {
        return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(icon), 0));
    }
};

class CButton : public CWnd {
public:
    UINT GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
    void SetState(BOOL highlight) { SendMessage(BM_SETSTATE, highlight); }
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int check) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
    void SetButtonStyle(UINT style, BOOL redraw = TRUE) { SendMessage(BM_SETSTYLE, style, redraw); }
    HBITMAP SetBitmap(HBITMAP bitmap)
    {
        return reinterpret_cast<HBITMAP>(SendMessage(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    }
    // Owner-drawn buttons draw here when the parent does not draw them.
    virtual void DrawItem(LPDRAWITEMSTRUCT drawItem) {}

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

// An owner-drawn push button that shows a bitmap per state: normal, selected
// (pressed), focused and disabled. A state without its own bitmap shows the
// normal one.
class CBitmapButton : public CButton {
public:
    // 0 for a state that has no bitmap of its own; a state given the normal
    // bitmap's id shows the normal bitmap, which is not loaded twice.
    BOOL LoadBitmaps(UINT normal, UINT selected = 0, UINT focused = 0, UINT disabled = 0);
    // Resizes the button to its normal bitmap, keeping its position.
    void SizeToContent();
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;

    CBitmap m_bitmap;
    CBitmap m_bitmapSel;
    CBitmap m_bitmapFocus;
    CBitmap m_bitmapDisabled;
};

class CEdit : public CWnd {
public:
    void SetLimitText(UINT max) { SendMessage(EM_SETLIMITTEXT, max); }
    void SetSel(int start, int end, BOOL noScroll = FALSE)
    {
        SendMessage(EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
        (void)noScroll;
    }
    void SetReadOnly(BOOL readOnly = TRUE) { SendMessage(EM_SETREADONLY, readOnly); }
};

class CListBox : public CWnd {
public:
    int AddString(const wchar_t* text)
    {
        return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    int InsertString(int index, const wchar_t* text)
    {
        return static_cast<int>(
            SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
    }
    int DeleteString(UINT index) { return static_cast<int>(SendMessage(LB_DELETESTRING, index)); }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
    int SetCurSel(int index) { return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index))); }
    void GetText(int index, CString& text) const;
    int SetItemHeight(int index, UINT height)
    {
        return static_cast<int>(SendMessage(LB_SETITEMHEIGHT, static_cast<WPARAM>(index), MAKELPARAM(height, 0)));
    }
    int GetItemHeight(int index) const
    {
        return static_cast<int>(SendMessage(LB_GETITEMHEIGHT, static_cast<WPARAM>(index)));
    }
    int GetItemRect(int index, LPRECT rect) const
    {
        return static_cast<int>(
            SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect)));
    }
    int SetItemData(int index, DWORD_PTR data)
    {
        return static_cast<int>(SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
    }
    DWORD_PTR GetItemData(int index) const
    {
        return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index)));
    }
    int SetTopIndex(int index) { return static_cast<int>(SendMessage(LB_SETTOPINDEX, static_cast<WPARAM>(index))); }
};

class CComboBox : public CWnd {
public:
    int AddString(const wchar_t* text)
    {
        return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    int InsertString(int index, const wchar_t* text)
    {
        return static_cast<int>(
            SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
    }
    int DeleteString(UINT index) { return static_cast<int>(SendMessage(CB_DELETESTRING, index)); }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index))); }
    void GetLBText(int index, CString& text) const;
    int FindStringExact(int start, const wchar_t* text) const
    {
        return static_cast<int>(
            SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text)));
    }
    int SelectString(int start, const wchar_t* text)
    {
        return static_cast<int>(
            SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text)));
    }
    void ShowDropDown(BOOL show = TRUE) { SendMessage(CB_SHOWDROPDOWN, show); }
    BOOL GetDroppedState() const { return static_cast<BOOL>(SendMessage(CB_GETDROPPEDSTATE)); }
    int SetItemHeight(int index, UINT height)
    {
        return static_cast<int>(SendMessage(CB_SETITEMHEIGHT, static_cast<WPARAM>(index), static_cast<LPARAM>(height)));
    }
};

class CProgressCtrl : public CWnd {
public:
    void SetRange(short lower, short upper) { SendMessage(PBM_SETRANGE, 0, MAKELPARAM(lower, upper)); }
    void SetRange32(int lower, int upper)
    {
        SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(lower), static_cast<LPARAM>(upper));
    }
    int SetPos(int pos) { return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(pos))); }
    int GetPos() const { return static_cast<int>(SendMessage(PBM_GETPOS)); }
};

class CToolTipCtrl : public CWnd {
public:
    BOOL Create(CWnd* parent, DWORD style = 0);
    BOOL AddTool(CWnd* wnd, const wchar_t* text);
    void UpdateTipText(const wchar_t* text, CWnd* wnd);
    void RelayEvent(MSG* msg);
    void Activate(BOOL activate);
    int SetMaxTipWidth(int width) { return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, width)); }
    int GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }

private:
    HWND m_owner = nullptr;
};

// ---------------------------------------------------------------- list view and header

class CHeaderCtrl : public CWnd {
public:
    int GetItemCount() const { return static_cast<int>(SendMessage(HDM_GETITEMCOUNT)); }
    BOOL GetItemRect(int index, LPRECT rect) const
    {
        return static_cast<BOOL>(
            SendMessage(HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect)));
    }
    int HitTest(HDHITTESTINFO* info) const
    {
        return static_cast<int>(SendMessage(HDM_HITTEST, 0, reinterpret_cast<LPARAM>(info)));
    }
};

class CListCtrl : public CWnd {
public:
    int InsertColumn(int column, const wchar_t* heading, int format = LVCFMT_LEFT, int width = -1, int subItem = -1);
    BOOL DeleteColumn(int column)
    {
        return static_cast<BOOL>(SendMessage(LVM_DELETECOLUMN, static_cast<WPARAM>(column)));
    }
    int InsertItem(int item, const wchar_t* text);
    int InsertItem(UINT mask, int item, const wchar_t* text, UINT state, UINT stateMask, int image, LPARAM lParam);
    BOOL SetItem(const LVITEMW* item)
    {
        return static_cast<BOOL>(SendMessage(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(item)));
    }
    BOOL SetItem(int item, int subItem, UINT mask, const wchar_t* text, int image, UINT state, UINT stateMask,
                 LPARAM lParam);
    BOOL SetItemText(int item, int subItem, const wchar_t* text);
    CString GetItemText(int item, int subItem) const;
    BOOL SetItemState(int item, UINT state, UINT stateMask);
    UINT GetItemState(int item, UINT stateMask) const
    {
        return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(item), stateMask));
    }
    BOOL DeleteItem(int item) { return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(item))); }
    BOOL DeleteAllItems() { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    // area: LVIR_BOUNDS, LVIR_ICON or LVIR_LABEL.
    BOOL GetSubItemRect(int item, int subItem, int area, CRect& rect) const;
    int SubItemHitTest(LVHITTESTINFO* info) const
    {
        return static_cast<int>(SendMessage(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(info)));
    }
    BOOL SetColumnWidth(int column, int width)
    {
        return static_cast<BOOL>(SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0)));
    }
    int GetColumnWidth(int column) const
    {
        return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column)));
    }
    int GetStringWidth(const wchar_t* text) const
    {
        return static_cast<int>(SendMessage(LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text)));
    }
    DWORD SetExtendedStyle(DWORD style)
    {
        return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(style)));
    }
    HWND GetHeaderWindow() const { return reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER)); }
    // The header's object when one is bound to it, else nullptr.
    CHeaderCtrl* GetHeaderCtrl() const;

    // Owner-drawn lists draw and measure their rows here (reflected by the parent).
    virtual void DrawItem(LPDRAWITEMSTRUCT drawItem) {}
    virtual void MeasureItem(LPMEASUREITEMSTRUCT measureItem) {}

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

// ---------------------------------------------------------------- scroll bar and image list

class CScrollBar : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    int SetScrollPos(int position, BOOL redraw = TRUE) { return ::SetScrollPos(m_hWnd, SB_CTL, position, redraw); }
    int GetScrollPos() const { return ::GetScrollPos(m_hWnd, SB_CTL); }
    BOOL SetScrollInfo(LPSCROLLINFO info, BOOL redraw = TRUE)
    {
        ::SetScrollInfo(m_hWnd, SB_CTL, info, redraw);
        return TRUE;
    }
    BOOL GetScrollInfo(LPSCROLLINFO info, UINT mask = SIF_ALL) const
    {
        info->cbSize = sizeof(SCROLLINFO);
        info->fMask = mask;
        return ::GetScrollInfo(m_hWnd, SB_CTL, info);
    }
    void ShowScrollBar(BOOL show = TRUE) { ::ShowScrollBar(m_hWnd, SB_CTL, show); }
};

class CImageList {
public:
    CImageList() = default;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;
    ~CImageList() { DeleteImageList(); }
    HIMAGELIST m_hImageList = nullptr;
    operator HIMAGELIST() const { return m_hImageList; }
    // Images of width cx cut from a bitmap resource; mask is the colour that
    // stays transparent.
    BOOL Create(UINT bitmapId, int cx, int grow, COLORREF mask);
    BOOL Draw(CDC* dc, int image, POINT point, UINT style) const
    {
        return ImageList_Draw(m_hImageList, image, dc->m_hDC, point.x, point.y, style);
    }
    int GetImageCount() const { return m_hImageList ? ImageList_GetImageCount(m_hImageList) : 0; }
    BOOL DeleteImageList();
};

// A window class registered once for the given class style, cursor, background
// brush and icon; the name is the same for the same four.
const wchar_t* AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                                   HICON icon = nullptr);

// ---------------------------------------------------------------- threads

typedef UINT(__cdecl* AFX_THREADPROC)(LPVOID);

// A worker thread. By default the object deletes itself, and closes its
// handle, when the thread's function returns.
class CWinThread {
public:
    CWinThread(const CWinThread&) = delete;
    CWinThread& operator=(const CWinThread&) = delete;
    virtual ~CWinThread();
    HANDLE m_hThread = nullptr;
    DWORD m_nThreadID = 0;
    BOOL m_bAutoDelete = TRUE;
    DWORD ResumeThread() { return ::ResumeThread(m_hThread); }

private:
    CWinThread(AFX_THREADPROC proc, LPVOID param) : m_proc(proc), m_param(param) {}
    static unsigned __stdcall Start(void* self);
    AFX_THREADPROC m_proc;
    LPVOID m_param;
    friend CWinThread* AfxBeginThread(AFX_THREADPROC, LPVOID, int, UINT, DWORD, LPSECURITY_ATTRIBUTES);
};

CWinThread* AfxBeginThread(AFX_THREADPROC proc, LPVOID param, int priority = THREAD_PRIORITY_NORMAL, UINT stackSize = 0,
                           DWORD createFlags = 0, LPSECURITY_ATTRIBUTES security = nullptr);
