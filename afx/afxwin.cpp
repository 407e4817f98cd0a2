#include "afx/afxwin.h"

#include <process.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <exception>
#include <string>

#include <map>
#include <mutex>
#include <tuple>
#include <unordered_map>

namespace {

CWinApp* g_app = nullptr;

// Windows are made and used on the UI thread, but a worker may ask for the
// object of a handle; the maps are guarded so that never tears them.
std::recursive_mutex g_mapLock;
std::unordered_map<HWND, CWnd*> g_permanent;
std::unordered_map<HWND, std::unique_ptr<CWnd>> g_temporary;
std::unordered_map<HMENU, std::unique_ptr<CMenu>> g_tempMenus;

// The message being handled, for Default().
struct CurrentMessage {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
thread_local CurrentMessage t_current{};

// Window whose creation is under way, bound by the CBT hook before the window
// receives its first message.
thread_local CWnd* t_wndInit = nullptr;
thread_local HHOOK t_cbtHook = nullptr;

void PurgeTemporaries()
{
    if (g_temporary.size() < 64)
        return;
    for (auto it = g_temporary.begin(); it != g_temporary.end();) {
        if (!::IsWindow(it->first))
            it = g_temporary.erase(it);
        else
            ++it;
    }
}

// A window touched from another thread works by accident under one system
// and deadlocks or crashes under the next: the check stops right there.
void StopAtWrongThread(const char* where, HWND window)
{
    char line[160] = {};
    ::wsprintfA(line, "QuorDeviceManager: %s on window %p from a thread that did not create it\n", where,
                static_cast<void*>(window));
    ::OutputDebugStringA(line);
    std::fputs(line, stderr);
    std::fflush(stderr);
    std::abort();
}

std::atomic<WindowThreadCheckHandler> g_threadCheckHandler{nullptr};

// An exception must not unwind through the system's window code, so the
// window procedures stop it; it is recorded for a debugger rather than lost.
// Called only from inside a catch block.
void RecordStoppedException(const wchar_t* where, UINT message)
{
    wchar_t head[96] = {};
    ::wsprintfW(head, L"QuorDeviceManager: exception stopped in %s (message 0x%04X)", where, message);
    std::wstring text = head;
    try {
        throw;
    } catch (const std::exception& error) {
        text += L": ";
        for (const char* c = error.what(); c && *c; ++c)
            text += static_cast<wchar_t>(static_cast<unsigned char>(*c));
    } catch (...) {}
    text += L"\n";
    ::OutputDebugStringW(text.c_str());
}

bool IsCtlColor(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

} // namespace

void SetWindowThreadCheckHandler(WindowThreadCheckHandler handler)
{
    g_threadCheckHandler = handler;
}

void CheckWindowThread(HWND window, const char* where)
{
    if (!window || !::IsWindow(window) || ::GetWindowThreadProcessId(window, nullptr) == ::GetCurrentThreadId())
        return;
    const WindowThreadCheckHandler handler = g_threadCheckHandler.load();
    (handler ? handler : StopAtWrongThread)(where, window);
}

// ---------------------------------------------------------------- application

CWinApp::CWinApp()
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

void CWinApp::SetRegistryKey(const wchar_t* key)
{
    m_registryKey = key;
}

HICON CWinApp::LoadIcon(UINT id) const
{
    return ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id));
}

CWinApp* AfxGetApp()
{
    return g_app;
}

CWnd* AfxGetMainWnd()
{
    return g_app ? g_app->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetInstanceHandle()
{
    if (g_app && g_app->m_hInstance)
        return g_app->m_hInstance;
    return ::GetModuleHandleW(nullptr);
}

HINSTANCE AfxGetResourceHandle()
{
    return AfxGetInstanceHandle();
}

void AfxEnableControlContainer()
{
    // No ActiveX controls are hosted; kept for the start-up sequence.
}

int AfxWinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    app->m_hInstance = instance;
    app->m_lpCmdLine = commandLine;
    // This layer runs no message loop of its own: InitInstance runs the
    // program (the manager's runs its main dialog and returns FALSE), and the
    // program ends through ExitInstance whatever it returned.
    try {
        app->InitInstance();
        return app->ExitInstance();
    } catch (...) {
        RecordStoppedException(L"AfxWinMain", 0);
        return -1;
    }
}

// ---------------------------------------------------------------- window procedure

LRESULT CALLBACK AfxCbtHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && t_wndInit) {
        HWND hwnd = reinterpret_cast<HWND>(wParam);
        CWnd* wnd = t_wndInit;
        t_wndInit = nullptr;
        wnd->SubclassWindow(hwnd);
    }
    return ::CallNextHookEx(t_cbtHook, code, wParam, lParam);
}

namespace {

class CreationHook {
public:
    explicit CreationHook(CWnd* wnd)
    {
        m_previousInit = t_wndInit;
        t_wndInit = wnd;
        if (!t_cbtHook) {
            t_cbtHook = ::SetWindowsHookExW(WH_CBT, AfxCbtHook, nullptr, ::GetCurrentThreadId());
            m_installed = true;
        }
    }
    ~CreationHook()
    {
        t_wndInit = m_previousInit;
        if (m_installed) {
            ::UnhookWindowsHookEx(t_cbtHook);
            t_cbtHook = nullptr;
        }
    }

private:
    CWnd* m_previousInit = nullptr;
    bool m_installed = false;
};

} // namespace

LRESULT CALLBACK AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
    if (!wnd)
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    const CurrentMessage saved = t_current;
    t_current = CurrentMessage{hwnd, message, wParam, lParam};
    LRESULT result = 0;
    // No C++ exception may unwind through the system's window code.
    try {
        result = wnd->WindowProc(message, wParam, lParam);
    } catch (...) {
        RecordStoppedException(L"AfxWndProc", message);
        result = 0;
    }
    t_current = saved;
    if (message == WM_NCDESTROY) {
        WNDPROC super = wnd->m_pfnSuper;
        {
            std::lock_guard<std::recursive_mutex> lock(g_mapLock);
            g_permanent.erase(hwnd);
        }
        if (super && reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hwnd, GWLP_WNDPROC)) == AfxWndProc)
            ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(super));
        wnd->m_hWnd = nullptr;
        wnd->m_pfnSuper = nullptr;
        wnd->PostNcDestroy();
    }
    return result;
}

// ---------------------------------------------------------------- CWnd

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    if (m_hWnd) {
        HWND hwnd = m_hWnd;
        if (CWnd::FromHandlePermanent(hwnd) == this) {
            QUOR_CHECK_WINDOW_THREAD(hwnd, "the window object's end");
            // The object goes before its window: unbind first so the window's
            // last messages never reach a destroyed object.
            UnsubclassWindow();
            ::DestroyWindow(hwnd);
        }
        m_hWnd = nullptr;
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd)
{
    if (!hwnd)
        return nullptr;
    std::lock_guard<std::recursive_mutex> lock(g_mapLock);
    auto it = g_permanent.find(hwnd);
    return it == g_permanent.end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandle(HWND hwnd)
{
    if (!hwnd)
        return nullptr;
    if (CWnd* wnd = FromHandlePermanent(hwnd))
        return wnd;
    std::lock_guard<std::recursive_mutex> lock(g_mapLock);
    auto it = g_temporary.find(hwnd);
    if (it != g_temporary.end())
        return it->second.get();
    PurgeTemporaries();
    auto wnd = std::make_unique<CWnd>();
    wnd->m_hWnd = hwnd;
    CWnd* raw = wnd.get();
    g_temporary[hwnd] = std::move(wnd);
    return raw;
}

BOOL CWnd::Attach(HWND hwnd)
{
    if (!hwnd || m_hWnd)
        return FALSE;
    QUOR_CHECK_WINDOW_THREAD(hwnd, "Attach");
    std::lock_guard<std::recursive_mutex> lock(g_mapLock);
    m_hWnd = hwnd;
    g_permanent[hwnd] = this;
    auto it = g_temporary.find(hwnd);
    if (it != g_temporary.end()) {
        it->second->m_hWnd = nullptr;
        g_temporary.erase(it);
    }
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hwnd = m_hWnd;
    if (hwnd) {
        std::lock_guard<std::recursive_mutex> lock(g_mapLock);
        g_permanent.erase(hwnd);
    }
    m_hWnd = nullptr;
    return hwnd;
}

BOOL CWnd::SubclassWindow(HWND hwnd)
{
    if (!Attach(hwnd))
        return FALSE;
    PreSubclassWindow();
    WNDPROC old =
        reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxWndProc)));
    if (old != AfxWndProc)
        m_pfnSuper = old;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    if (!parent)
        return FALSE;
    HWND item = ::GetDlgItem(parent->m_hWnd, static_cast<int>(id));
    return item ? SubclassWindow(item) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    if (m_hWnd && m_pfnSuper)
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

BOOL CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* windowName, DWORD style, const RECT& rect,
                    CWnd* parent, UINT id)
{
    QUOR_CHECK_WINDOW_THREAD(parent ? parent->m_hWnd : nullptr, "CreateEx");
    CreationHook hook(this);
    HWND hwnd = ::CreateWindowExW(exStyle, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
                                  rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), AfxGetInstanceHandle(), nullptr);
    return hwnd != nullptr;
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    QUOR_CHECK_WINDOW_THREAD(m_hWnd, "DestroyWindow");
    return ::DestroyWindow(m_hWnd);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc)
{
    return ::SetTimer(m_hWnd, id, elapse, proc);
}

BOOL CWnd::KillTimer(UINT_PTR id)
{
    return ::KillTimer(m_hWnd, id);
}

BOOL CWnd::ShowWindow(int command)
{
    return ::ShowWindow(m_hWnd, command);
}

BOOL CWnd::IsWindowVisible() const
{
    return ::IsWindowVisible(m_hWnd);
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    return ::EnableWindow(m_hWnd, enable);
}

BOOL CWnd::IsWindowEnabled() const
{
    return ::IsWindowEnabled(m_hWnd);
}

void CWnd::SetWindowText(const wchar_t* text)
{
    ::SetWindowTextW(m_hWnd, text ? text : L"");
}

void CWnd::GetWindowText(CString& text) const
{
    const int length = ::GetWindowTextLengthW(m_hWnd);
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    const int got = ::GetWindowTextW(m_hWnd, &buffer[0], length + 1);
    buffer.resize(static_cast<size_t>(got > 0 ? got : 0));
    text = buffer;
}

CString CWnd::GetWindowText() const
{
    CString text;
    GetWindowText(text);
    return text;
}

int CWnd::GetWindowTextLength() const
{
    return ::GetWindowTextLengthW(m_hWnd);
}

void CWnd::SetFont(CFont* font, BOOL redraw)
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font ? font->m_hObject : nullptr), redraw);
}

CFont* CWnd::GetFont() const
{
    // The wrapper is owned by the layer and never deletes the window's font.
    static thread_local CFont wrapper;
    wrapper.Detach();
    HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (!font)
        return nullptr;
    wrapper.m_hObject = font;
    return &wrapper;
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint)
{
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint)
{
    ::MoveWindow(m_hWnd, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

BOOL CWnd::SetWindowPos(const CWnd* after, int x, int y, int cx, int cy, UINT flags)
{
    return ::SetWindowPos(m_hWnd, after ? after->m_hWnd : nullptr, x, y, cx, cy, flags);
}

void CWnd::GetClientRect(LPRECT rect) const
{
    ::GetClientRect(m_hWnd, rect);
}

void CWnd::GetWindowRect(LPRECT rect) const
{
    ::GetWindowRect(m_hWnd, rect);
}

void CWnd::ClientToScreen(LPPOINT point) const
{
    ::ClientToScreen(m_hWnd, point);
}

void CWnd::ClientToScreen(LPRECT rect) const
{
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(&rect->left));
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(&rect->right));
}

void CWnd::ScreenToClient(LPPOINT point) const
{
    ::ScreenToClient(m_hWnd, point);
}

void CWnd::ScreenToClient(LPRECT rect) const
{
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(&rect->left));
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(&rect->right));
}

void CWnd::Invalidate(BOOL erase)
{
    ::InvalidateRect(m_hWnd, nullptr, erase);
}

void CWnd::InvalidateRect(LPCRECT rect, BOOL erase)
{
    ::InvalidateRect(m_hWnd, rect, erase);
}

void CWnd::UpdateWindow()
{
    ::UpdateWindow(m_hWnd);
}

BOOL CWnd::RedrawWindow(LPCRECT rect, HRGN region, UINT flags)
{
    return ::RedrawWindow(m_hWnd, rect, region, flags);
}

void CWnd::SetRedraw(BOOL redraw)
{
    SendMessage(WM_SETREDRAW, redraw);
}

CWnd* CWnd::SetFocus()
{
    return FromHandle(::SetFocus(m_hWnd));
}

CWnd* CWnd::GetFocus()
{
    return FromHandle(::GetFocus());
}

CWnd* CWnd::SetCapture()
{
    return FromHandle(::SetCapture(m_hWnd));
}

CWnd* CWnd::GetParent() const
{
    return FromHandle(::GetParent(m_hWnd));
}

CWnd* CWnd::GetDlgItem(int id) const
{
    return FromHandle(::GetDlgItem(m_hWnd, id));
}

int CWnd::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(m_hWnd);
}

void CWnd::SetDlgItemText(int id, const wchar_t* text)
{
    ::SetDlgItemTextW(m_hWnd, id, text ? text : L"");
}

CString CWnd::GetDlgItemText(int id) const
{
    HWND item = ::GetDlgItem(m_hWnd, id);
    return item ? FromHandle(item)->GetWindowText() : CString();
}

DWORD CWnd::GetStyle() const
{
    return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE));
}

DWORD CWnd::GetExStyle() const
{
    return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE));
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags)
{
    const DWORD style = GetStyle();
    const DWORD changed = (style & ~remove) | add;
    if (style == changed)
        return FALSE;
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(changed));
    if (flags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    return TRUE;
}

CMenu* CWnd::GetSystemMenu(BOOL revert) const
{
    return CMenu::FromHandle(::GetSystemMenu(m_hWnd, revert));
}

HICON CWnd::SetIcon(HICON icon, BOOL big)
{
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

CDC* CWnd::GetDC()
{
    CDC* dc = new CDC;
    dc->Attach(::GetDC(m_hWnd));
    return dc;
}

int CWnd::ReleaseDC(CDC* dc)
{
    if (!dc)
        return 0;
    const int r = ::ReleaseDC(m_hWnd, dc->Detach());
    delete dc;
    return r;
}

void CWnd::CenterWindow(CWnd* alternateOwner)
{
    HWND owner = alternateOwner ? alternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
    RECT area;
    if (owner)
        ::GetWindowRect(owner, &area);
    else
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    RECT me;
    ::GetWindowRect(m_hWnd, &me);
    const int x = area.left + ((area.right - area.left) - (me.right - me.left)) / 2;
    const int y = area.top + ((area.bottom - area.top) - (me.bottom - me.top)) / 2;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::SetForegroundWindow()
{
    return ::SetForegroundWindow(m_hWnd);
}

void CWnd::BringWindowToTop()
{
    ::BringWindowToTop(m_hWnd);
}

int CWnd::GetCheckedRadioButton(int first, int last) const
{
    for (int id = first; id <= last; ++id)
        if (::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED)
            return id;
    return 0;
}

void CWnd::CheckRadioButton(int first, int last, int check)
{
    ::CheckRadioButton(m_hWnd, first, last, check);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (...) {
        return FALSE;
    }
    return TRUE;
}

void CWnd::PostNcDestroy() {}

void CWnd::PreSubclassWindow() {}

BOOL CWnd::WalkPreTranslateTree(HWND stop, MSG* msg)
{
    for (HWND hwnd = msg->hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
        CWnd* wnd = FromHandlePermanent(hwnd);
        if (wnd && wnd->PreTranslateMessage(msg))
            return TRUE;
        if (hwnd == stop)
            break;
    }
    return FALSE;
}

LRESULT CWnd::Default()
{
    return DefWindowProc(t_current.message, t_current.wParam, t_current.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

const AFX_MSGMAP* CWnd::GetThisMessageMap()
{
    // Every window hands owner-draw and colour requests it does not handle
    // itself to the control that asked (reflection).
    typedef CWnd ThisClass;
    static const AFX_MSGMAP_ENTRY entries[] = {ON_WM_DRAWITEM() ON_WM_MEASUREITEM()
                                                   ON_WM_CTLCOLOR(){0, 0, 0, 0, AfxSig_end, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}

namespace {

const AFX_MSGMAP_ENTRY* FindEntry(const AFX_MSGMAP* map, UINT message, UINT code, UINT id)
{
    for (; map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->nSig != AfxSig_end; ++e) {
            if (e->nMessage == message && e->nCode == code && id >= e->nID && id <= e->nLastID)
                return e;
        }
    }
    return nullptr;
}

template <typename F> F As(AFX_PMSG pfn)
{
    return reinterpret_cast<F>(pfn);
}

} // namespace

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    *result = 0;
    const AFX_MSGMAP* map = GetMessageMap();

    if (message == WM_COMMAND) {
        HWND control = reinterpret_cast<HWND>(lParam);
        const UINT id = LOWORD(wParam);
        const UINT code = HIWORD(wParam);
        if (control && ReflectLastMsg(control, result))
            return TRUE;
        // Menu and accelerator commands carry code 0 or 1 with no control.
        const UINT lookupCode = control ? code : 0;
        if (const AFX_MSGMAP_ENTRY* e = FindEntry(map, WM_COMMAND, lookupCode, id)) {
            if (e->nSig == AfxSig_v_u)
                (this->*As<void (CWnd::*)(UINT)>(e->pfn))(id);
            else
                (this->*As<void (CWnd::*)()>(e->pfn))();
            return TRUE;
        }
        return FALSE;
    }
    if (message == WM_NOTIFY) {
        NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
        if (header && header->hwndFrom && ReflectLastMsg(header->hwndFrom, result))
            return TRUE;
        if (header) {
            if (const AFX_MSGMAP_ENTRY* e =
                    FindEntry(map, WM_NOTIFY, header->code, static_cast<UINT>(header->idFrom))) {
                (this->*As<void (CWnd::*)(NMHDR*, LRESULT*)>(e->pfn))(header, result);
                return TRUE;
            }
        }
        return FALSE;
    }

    // All control-colour messages share one entry, as one handler serves them.
    const UINT lookup = IsCtlColor(message) ? WM_CTLCOLORSTATIC : message;
    const AFX_MSGMAP_ENTRY* e = FindEntry(map, lookup, 0, 0);
    if (!e)
        return FALSE;

    switch (e->nSig) {
    case AfxSig_v_v: (this->*As<void (CWnd::*)()>(e->pfn))(); break;
    case AfxSig_v_up: (this->*As<void (CWnd::*)(UINT_PTR)>(e->pfn))(static_cast<UINT_PTR>(wParam)); break;
    case AfxSig_b_W_u_u:
        *result = (this->*As<BOOL (CWnd::*)(CWnd*, UINT, UINT)>(e->pfn))(FromHandle(reinterpret_cast<HWND>(wParam)),
                                                                         LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_hbr_D_W_u: {
        CDC dc;
        dc.Attach(reinterpret_cast<HDC>(wParam));
        const UINT kind = message - WM_CTLCOLORMSGBOX;
        HBRUSH brush = (this->*As<HBRUSH (CWnd::*)(CDC*, CWnd*, UINT)>(e->pfn))(
            &dc, FromHandle(reinterpret_cast<HWND>(lParam)), kind);
        dc.Detach();
        *result = reinterpret_cast<LRESULT>(brush);
        break;
    }
    case AfxSig_v_i_DIS:
        (this->*As<void (CWnd::*)(int, LPDRAWITEMSTRUCT)>(e->pfn))(static_cast<int>(wParam),
                                                                   reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        *result = TRUE;
        break;
    case AfxSig_v_i_MIS:
        (this->*As<void (CWnd::*)(int, LPMEASUREITEMSTRUCT)>(e->pfn))(static_cast<int>(wParam),
                                                                      reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        *result = TRUE;
        break;
    case AfxSig_v_u_pt:
        (this->*As<void (CWnd::*)(UINT, CPoint)>(e->pfn))(static_cast<UINT>(wParam), CPoint(lParam));
        break;
    case AfxSig_v_W_pt:
        (this->*As<void (CWnd::*)(CWnd*, CPoint)>(e->pfn))(FromHandle(reinterpret_cast<HWND>(wParam)), CPoint(lParam));
        break;
    case AfxSig_v_u_l: (this->*As<void (CWnd::*)(UINT, LPARAM)>(e->pfn))(static_cast<UINT>(wParam), lParam); break;
    case AfxSig_l_w_l: *result = (this->*As<LRESULT (CWnd::*)(WPARAM, LPARAM)>(e->pfn))(wParam, lParam); break;
    case AfxSig_v_u_u_u:
        (this->*As<void (CWnd::*)(UINT, UINT, UINT)>(e->pfn))(static_cast<UINT>(wParam), LOWORD(lParam),
                                                              HIWORD(lParam));
        break;
    case AfxSig_b_D: {
        CDC dc;
        dc.Attach(reinterpret_cast<HDC>(wParam));
        *result = (this->*As<BOOL (CWnd::*)(CDC*)>(e->pfn))(&dc);
        dc.Detach();
        break;
    }
    case AfxSig_v_u_i_i:
        (this->*As<void (CWnd::*)(UINT, int, int)>(e->pfn))(
            static_cast<UINT>(wParam), static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        break;
    case AfxSig_u_v: *result = (this->*As<UINT (CWnd::*)()>(e->pfn))(); break;
    case AfxSig_v_W: (this->*As<void (CWnd::*)(CWnd*)>(e->pfn))(FromHandle(reinterpret_cast<HWND>(wParam))); break;
    case AfxSig_v_u_u_W:
        (this->*As<void (CWnd::*)(UINT, UINT, CWnd*)>(e->pfn))(LOWORD(wParam), HIWORD(wParam),
                                                               FromHandle(reinterpret_cast<HWND>(lParam)));
        break;
    case AfxSig_v_POS: (this->*As<void (CWnd::*)(WINDOWPOS*)>(e->pfn))(reinterpret_cast<WINDOWPOS*>(lParam)); break;
    case AfxSig_hc_v: *result = reinterpret_cast<LRESULT>((this->*As<HCURSOR (CWnd::*)()>(e->pfn))()); break;
    default: return FALSE;
    }
    return TRUE;
}

BOOL CWnd::ReflectLastMsg(HWND child, LRESULT* result)
{
    CWnd* wnd = FromHandlePermanent(child);
    if (!wnd)
        return FALSE;
    return wnd->OnChildNotify(t_current.message, t_current.wParam, t_current.lParam, result);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    return ReflectChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const AFX_MSGMAP* map = GetMessageMap();
    if (message == WM_COMMAND) {
        if (const AFX_MSGMAP_ENTRY* e = FindEntry(map, WM_COMMAND + WM_REFLECT_BASE, HIWORD(wParam), 0)) {
            (this->*As<void (CWnd::*)()>(e->pfn))();
            return TRUE;
        }
        return FALSE;
    }
    if (message == WM_NOTIFY) {
        NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
        if (const AFX_MSGMAP_ENTRY* e = FindEntry(map, WM_NOTIFY + WM_REFLECT_BASE, header->code, 0)) {
            (this->*As<void (CWnd::*)(NMHDR*, LRESULT*)>(e->pfn))(header, result);
            return TRUE;
        }
        return FALSE;
    }
    if (IsCtlColor(message)) {
        if (const AFX_MSGMAP_ENTRY* e = FindEntry(map, WM_CTLCOLORSTATIC + WM_REFLECT_BASE, 0, 0)) {
            CDC dc;
            dc.Attach(reinterpret_cast<HDC>(wParam));
            HBRUSH brush = (this->*As<HBRUSH (CWnd::*)(CDC*, UINT)>(e->pfn))(&dc, message - WM_CTLCOLORMSGBOX);
            dc.Detach();
            if (!brush)
                return FALSE;
            *result = reinterpret_cast<LRESULT>(brush);
            return TRUE;
        }
    }
    return FALSE;
}

void CWnd::OnTimer(UINT_PTR)
{
    Default();
}
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT)
{
    return static_cast<BOOL>(Default());
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* wnd, UINT)
{
    LRESULT result = 0;
    if (wnd && ReflectLastMsg(wnd->m_hWnd, &result))
        return reinterpret_cast<HBRUSH>(result);
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT drawItem)
{
    LRESULT result = 0;
    if (drawItem && drawItem->CtlType != ODT_MENU && ReflectLastMsg(drawItem->hwndItem, &result))
        return;
    Default();
}

void CWnd::OnMeasureItem(int id, LPMEASUREITEMSTRUCT measureItem)
{
    // The structure names no window: the control is found by its id.
    LRESULT result = 0;
    if (measureItem && measureItem->CtlType != ODT_MENU) {
        HWND control = ::GetDlgItem(m_hWnd, id);
        if (control && ReflectLastMsg(control, &result))
            return;
    }
    Default();
}

void CWnd::OnLButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnLButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnLButtonDblClk(UINT, CPoint)
{
    Default();
}
void CWnd::OnMouseMove(UINT, CPoint)
{
    Default();
}
void CWnd::OnContextMenu(CWnd*, CPoint)
{
    Default();
}
void CWnd::OnSysCommand(UINT, LPARAM)
{
    Default();
}
void CWnd::OnClose()
{
    Default();
}
void CWnd::OnPaint()
{
    Default();
}
void CWnd::OnDestroy()
{
    Default();
}
void CWnd::OnKeyDown(UINT, UINT, UINT)
{
    Default();
}
BOOL CWnd::OnEraseBkgnd(CDC*)
{
    return static_cast<BOOL>(Default());
}
void CWnd::OnSize(UINT, int, int)
{
    Default();
}
UINT CWnd::OnGetDlgCode()
{
    return static_cast<UINT>(Default());
}
void CWnd::OnSetFocus(CWnd*)
{
    Default();
}
void CWnd::OnKillFocus(CWnd*)
{
    Default();
}
void CWnd::OnVScroll(UINT, UINT, CWnd*)
{
    Default();
}
void CWnd::OnWindowPosChanging(WINDOWPOS*)
{
    Default();
}
HCURSOR CWnd::OnQueryDragIcon()
{
    return reinterpret_cast<HCURSOR>(Default());
}
void CWnd::OnHScroll(UINT, UINT, CWnd*)
{
    Default();
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (!control.m_hWnd && dx && dx->m_pDlgWnd)
        control.SubclassDlgItem(static_cast<UINT>(id), dx->m_pDlgWnd);
}

// ---------------------------------------------------------------- CDialog

CDialog::CDialog() = default;

CDialog::CDialog(UINT templateId, CWnd* parent) : m_lpszTemplateName(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog() = default;

namespace {

// A template's initial control data (resource type 240 under the template's id): entries of a
// 16-bit control id, a 16-bit message (0x0403 adds a combo-box item, 0x0401 a list-box item), a
// 32-bit byte count and that many bytes of zero-ended ANSI text; a zero id ends the list. The
// entries are packed, so they are read byte by byte.
constexpr WORD kDlgInitResourceType = 240;
constexpr WORD kDlgInitComboAddString = 0x0403;
constexpr WORD kDlgInitListAddString = 0x0401;

void ApplyDialogInitData(HWND dialog, UINT templateId)
{
    HMODULE module = AfxGetResourceHandle();
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(kDlgInitResourceType));
    if (!found)
        return;
    HGLOBAL loaded = ::LoadResource(module, found);
    const BYTE* data = loaded ? static_cast<const BYTE*>(::LockResource(loaded)) : nullptr;
    const DWORD size = ::SizeofResource(module, found);
    if (!data)
        return;
    DWORD at = 0;
    while (at + 8 <= size) {
        WORD id;
        WORD message;
        DWORD length;
        std::memcpy(&id, data + at, 2);
        if (id == 0)
            break;
        std::memcpy(&message, data + at + 2, 2);
        std::memcpy(&length, data + at + 4, 4);
        at += 8;
        if (length > size - at)
            break;
        const char* text = reinterpret_cast<const char*>(data + at);
        const int chars = static_cast<int>(strnlen(text, length));
        std::wstring wide(static_cast<size_t>(chars), L'\0');
        if (chars)
            ::MultiByteToWideChar(CP_ACP, 0, text, chars, &wide[0], chars);
        wide.resize(wcslen(wide.c_str()));
        const UINT add = message == kDlgInitComboAddString  ? CB_ADDSTRING
                         : message == kDlgInitListAddString ? LB_ADDSTRING
                                                            : 0;
        if (add)
            ::SendDlgItemMessageW(dialog, id, add, 0, reinterpret_cast<LPARAM>(wide.c_str()));
        at += length;
    }
}

} // namespace

INT_PTR CALLBACK CDialog::AfxDlgProc(HWND hwnd, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialog* dialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hwnd));
    if (!dialog)
        return TRUE;
    try {
        ApplyDialogInitData(hwnd, dialog->m_lpszTemplateName);
        return dialog->OnInitDialog();
    } catch (...) {
        RecordStoppedException(L"AfxDlgProc", message);
        return TRUE;
    }
}

BOOL CDialog::CreateFromTemplate(UINT templateId, HWND owner)
{
    if (m_hWnd)
        return FALSE;
    QUOR_CHECK_WINDOW_THREAD(owner, "CreateFromTemplate");
    CreationHook hook(this);
    // The creation hook binds the object to its window; nothing reads the
    // creation parameter.
    HWND hwnd = ::CreateDialogParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(templateId), owner, AfxDlgProc, 0);
    if (!hwnd) {
        if (m_hWnd)
            Detach();
        return FALSE;
    }
    return TRUE;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    m_lpszTemplateName = templateId;
    if (parent)
        m_pParentWnd = parent;
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!owner) {
        CWnd* main = AfxGetMainWnd();
        if (main && main != this)
            owner = main->m_hWnd;
    }
    return CreateFromTemplate(templateId, owner);
}

INT_PTR CDialog::DoModal()
{
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!owner) {
        CWnd* main = AfxGetMainWnd();
        if (main && main != this && main->m_hWnd)
            owner = main->m_hWnd;
    }
    if (owner)
        owner = ::GetAncestor(owner, GA_ROOT);
    const bool disableOwner = owner && ::IsWindowEnabled(owner);
    if (disableOwner)
        ::EnableWindow(owner, FALSE);

    CWinApp* app = AfxGetApp();
    const bool becomesMain = app && !app->m_pMainWnd;
    if (becomesMain)
        app->m_pMainWnd = this;

    m_nModalResult = -1;
    m_inModalLoop = true;
    if (!CreateFromTemplate(m_lpszTemplateName, owner)) {
        m_inModalLoop = false;
        if (disableOwner)
            ::EnableWindow(owner, TRUE);
        if (becomesMain)
            app->m_pMainWnd = nullptr;
        return -1;
    }
    if (m_inModalLoop && !::IsWindowVisible(m_hWnd))
        ::ShowWindow(m_hWnd, SW_SHOWNORMAL);

    while (m_inModalLoop && m_hWnd) {
        MSG msg;
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0)
                ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!WalkPreTranslateTree(m_hWnd, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    m_inModalLoop = false;

    // The owner comes back before this window goes, so activation returns to it.
    if (disableOwner) {
        ::EnableWindow(owner, TRUE);
        ::SetActiveWindow(owner);
    }
    if (m_hWnd)
        DestroyWindow();
    if (becomesMain)
        app->m_pMainWnd = nullptr;
    return m_nModalResult;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::EndDialog(int result)
{
    m_nModalResult = result;
    if (m_inModalLoop) {
        m_inModalLoop = false;
        if (m_hWnd)
            ::PostMessageW(m_hWnd, WM_NULL, 0, 0);
    } else if (m_hWnd) {
        ::ShowWindow(m_hWnd, SW_HIDE);
    }
}

BOOL CDialog::DestroyWindow()
{
    return CWnd::DestroyWindow();
}

BOOL CDialog::PreTranslateMessage(MSG* msg)
{
    if (!m_hWnd)
        return FALSE;
    const bool input = (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) ||
                       (msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST);
    if (!input)
        return FALSE;
    return ::IsDialogMessageW(m_hWnd, msg);
}

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (CWnd::OnWndMsg(message, wParam, lParam, result))
        return TRUE;
    // The dialog's own OK and Cancel commands go to the virtual handlers.
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        const UINT id = LOWORD(wParam);
        if (id == IDOK) {
            OnOK();
            return TRUE;
        }
        if (id == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
    }
    return FALSE;
}

// ---------------------------------------------------------------- GDI

BOOL CBitmap::LoadBitmap(UINT id)
{
    return Attach(::LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id)));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height)
{
    return Attach(::CreateCompatibleBitmap(dc->m_hDC, width, height));
}

int CBitmap::GetBitmap(BITMAP* info) const
{
    return ::GetObjectW(m_hObject, sizeof(BITMAP), info);
}

CDC::~CDC()
{
    if (m_ownsDc)
        DeleteDC();
}

BOOL CDC::CreateCompatibleDC(CDC* dc)
{
    m_hDC = ::CreateCompatibleDC(dc ? dc->m_hDC : nullptr);
    m_ownsDc = m_hDC != nullptr;
    return m_ownsDc;
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC)
        return FALSE;
    const BOOL ok = ::DeleteDC(m_hDC);
    m_hDC = nullptr;
    m_ownsDc = false;
    return ok;
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color)
{
    const COLORREF old = ::SetBkColor(m_hDC, color);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

CSize CDC::GetTextExtent(const CString& text) const
{
    SIZE size{};
    ::GetTextExtentPoint32W(m_hDC, text, text.GetLength(), &size);
    return CSize(size);
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, DWORD rop)
{
    return ::BitBlt(m_hDC, x, y, width, height, src ? src->m_hDC : nullptr, xSrc, ySrc, rop);
}

BOOL CDC::TransparentBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, int srcWidth, int srcHeight,
                         UINT transparent)
{
    return ::TransparentBlt(m_hDC, x, y, width, height, src->m_hDC, xSrc, ySrc, srcWidth, srcHeight, transparent);
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT old{};
    ::MoveToEx(m_hDC, x, y, &old);
    return CPoint(old);
}

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd->m_hWnd)
{
    Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

CClientDC::CClientDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr)
{
    Attach(::GetDC(m_hWnd));
}

CClientDC::~CClientDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}

// ---------------------------------------------------------------- menus

CMenu::~CMenu()
{
    if (!m_temporary)
        DestroyMenu();
}

CMenu* CMenu::FromHandle(HMENU menu)
{
    if (!menu)
        return nullptr;
    std::lock_guard<std::recursive_mutex> lock(g_mapLock);
    // Wrappers of menus that no longer exist are dropped now and then; a live
    // menu keeps its one wrapper for as long as it exists.
    if (g_tempMenus.size() >= 32) {
        for (auto it = g_tempMenus.begin(); it != g_tempMenus.end();) {
            if (!::IsMenu(it->first))
                it = g_tempMenus.erase(it);
            else
                ++it;
        }
    }
    auto& slot = g_tempMenus[menu];
    if (!slot) {
        slot = std::make_unique<CMenu>();
        slot->m_hMenu = menu;
        slot->m_temporary = true;
    }
    return slot.get();
}

BOOL CMenu::LoadMenu(UINT id)
{
    DestroyMenu();
    m_hMenu = ::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id));
    return m_hMenu != nullptr;
}

BOOL CMenu::CreatePopupMenu()
{
    DestroyMenu();
    m_hMenu = ::CreatePopupMenu();
    return m_hMenu != nullptr;
}

BOOL CMenu::DestroyMenu()
{
    if (!m_hMenu)
        return FALSE;
    const BOOL ok = ::DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
    return ok;
}

CMenu* CMenu::GetSubMenu(int position) const
{
    return FromHandle(::GetSubMenu(m_hMenu, position));
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, const wchar_t* text)
{
    return ::AppendMenuW(m_hMenu, flags, id, text);
}

BOOL CMenu::ModifyMenu(UINT position, UINT flags, UINT_PTR id, const wchar_t* text)
{
    return ::ModifyMenuW(m_hMenu, position, flags, id, text);
}

BOOL CMenu::DeleteMenu(UINT position, UINT flags)
{
    return ::DeleteMenu(m_hMenu, position, flags);
}

UINT CMenu::EnableMenuItem(UINT id, UINT enable)
{
    return ::EnableMenuItem(m_hMenu, id, enable);
}

int CMenu::GetMenuItemCount() const
{
    return ::GetMenuItemCount(m_hMenu);
}

UINT CMenu::GetMenuItemID(int position) const
{
    return ::GetMenuItemID(m_hMenu, position);
}

int CMenu::GetMenuString(UINT id, CString& text, UINT flags) const
{
    wchar_t buffer[256] = {};
    const int n = ::GetMenuStringW(m_hMenu, id, buffer, 256, flags);
    text = buffer;
    return n;
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* wnd, LPCRECT rect)
{
    return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, wnd ? wnd->m_hWnd : nullptr, rect);
}

// ---------------------------------------------------------------- controls

BOOL CBitmapButton::LoadBitmaps(UINT normal, UINT selected, UINT focused, UINT disabled)
{
    m_bitmap.DeleteObject();
    m_bitmapSel.DeleteObject();
    m_bitmapFocus.DeleteObject();
    m_bitmapDisabled.DeleteObject();
    if (!m_bitmap.LoadBitmap(normal))
        return FALSE;
    // A state that shows the normal picture draws it from the normal bitmap
    // instead of a copy of its own (a large picture would be held four times).
    BOOL all = TRUE;
    if (selected != 0 && selected != normal)
        all &= m_bitmapSel.LoadBitmap(selected);
    if (focused != 0 && focused != normal)
        all &= m_bitmapFocus.LoadBitmap(focused);
    if (disabled != 0 && disabled != normal)
        all &= m_bitmapDisabled.LoadBitmap(disabled);
    return all;
}

void CBitmapButton::SizeToContent()
{
    BITMAP info{};
    if (m_bitmap.m_hObject == nullptr || ::GetObjectW(m_bitmap.m_hObject, sizeof info, &info) == 0)
        return;
    SetWindowPos(nullptr, 0, 0, info.bmWidth, info.bmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CBitmapButton::DrawItem(LPDRAWITEMSTRUCT drawItem)
{
    if (drawItem == nullptr)
        return;
    const CBitmap* bitmap = &m_bitmap;
    if ((drawItem->itemState & ODS_SELECTED) != 0 && m_bitmapSel.m_hObject != nullptr)
        bitmap = &m_bitmapSel;
    else if ((drawItem->itemState & ODS_FOCUS) != 0 && m_bitmapFocus.m_hObject != nullptr)
        bitmap = &m_bitmapFocus;
    else if ((drawItem->itemState & ODS_DISABLED) != 0 && m_bitmapDisabled.m_hObject != nullptr)
        bitmap = &m_bitmapDisabled;
    if (bitmap->m_hObject == nullptr)
        return;
    HDC memory = ::CreateCompatibleDC(drawItem->hDC);
    if (memory == nullptr)
        return;
    HGDIOBJ old = ::SelectObject(memory, bitmap->m_hObject);
    const RECT& r = drawItem->rcItem;
    ::BitBlt(drawItem->hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, memory, 0, 0, SRCCOPY);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_DRAWITEM) {
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        *result = TRUE;
        return TRUE;
    }
    return CWnd::OnChildNotify(message, wParam, lParam, result);
}

namespace {

// The text of a list entry: its length first, then the text itself.
void GetItemText(const CWnd& control, UINT lengthMessage, UINT textMessage, int index, CString& text)
{
    const int length = static_cast<int>(control.SendMessage(lengthMessage, static_cast<WPARAM>(index)));
    if (length < 0) {
        text.Empty();
        return;
    }
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    control.SendMessage(textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&buffer[0]));
    buffer.resize(static_cast<size_t>(length));
    text = buffer;
}

} // namespace

void CListBox::GetText(int index, CString& text) const
{
    GetItemText(*this, LB_GETTEXTLEN, LB_GETTEXT, index, text);
}

void CComboBox::GetLBText(int index, CString& text) const
{
    GetItemText(*this, CB_GETLBTEXTLEN, CB_GETLBTEXT, index, text);
}

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style)
{
    m_owner = parent ? parent->m_hWnd : nullptr;
    HWND hwnd =
        ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | style, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, m_owner, nullptr, AfxGetInstanceHandle(), nullptr);
    return hwnd ? SubclassWindow(hwnd) : FALSE;
}

BOOL CToolTipCtrl::AddTool(CWnd* wnd, const wchar_t* text)
{
    if (!wnd || !m_hWnd)
        return FALSE;
    TOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = m_owner ? m_owner : ::GetParent(wnd->m_hWnd);
    info.uId = reinterpret_cast<UINT_PTR>(wnd->m_hWnd);
    info.lpszText = const_cast<wchar_t*>(text ? text : L"");
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)));
}

void CToolTipCtrl::UpdateTipText(const wchar_t* text, CWnd* wnd)
{
    if (!wnd || !m_hWnd)
        return;
    TOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND;
    info.hwnd = m_owner ? m_owner : ::GetParent(wnd->m_hWnd);
    info.uId = reinterpret_cast<UINT_PTR>(wnd->m_hWnd);
    info.lpszText = const_cast<wchar_t*>(text ? text : L"");
    SendMessage(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::RelayEvent(MSG* msg)
{
    if (m_hWnd && msg)
        SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
}

void CToolTipCtrl::Activate(BOOL activate)
{
    if (m_hWnd)
        SendMessage(TTM_ACTIVATE, activate);
}

// ---------------------------------------------------------------- list view

int CListCtrl::InsertColumn(int column, const wchar_t* heading, int format, int width, int subItem)
{
    LVCOLUMNW info{};
    info.mask = LVCF_TEXT | LVCF_FMT;
    info.fmt = format;
    info.pszText = const_cast<wchar_t*>(heading ? heading : L"");
    if (width != -1) {
        info.mask |= LVCF_WIDTH;
        info.cx = width;
    }
    if (subItem != -1) {
        info.mask |= LVCF_SUBITEM;
        info.iSubItem = subItem;
    }
    return static_cast<int>(
        SendMessage(LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info)));
}

int CListCtrl::InsertItem(int item, const wchar_t* text)
{
    return InsertItem(LVIF_TEXT, item, text, 0, 0, 0, 0);
}

int CListCtrl::InsertItem(UINT mask, int item, const wchar_t* text, UINT state, UINT stateMask, int image,
                          LPARAM lParam)
{
    LVITEMW info{};
    info.mask = mask;
    info.iItem = item;
    info.pszText = const_cast<wchar_t*>(text ? text : L"");
    info.state = state;
    info.stateMask = stateMask;
    info.iImage = image;
    info.lParam = lParam;
    return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&info)));
}

BOOL CListCtrl::SetItem(int item, int subItem, UINT mask, const wchar_t* text, int image, UINT state, UINT stateMask,
                        LPARAM lParam)
{
    LVITEMW info{};
    info.mask = mask;
    info.iItem = item;
    info.iSubItem = subItem;
    info.pszText = const_cast<wchar_t*>(text ? text : L"");
    info.iImage = image;
    info.state = state;
    info.stateMask = stateMask;
    info.lParam = lParam;
    return SetItem(&info);
}

BOOL CListCtrl::SetItemText(int item, int subItem, const wchar_t* text)
{
    LVITEMW info{};
    info.iSubItem = subItem;
    info.pszText = const_cast<wchar_t*>(text ? text : L"");
    return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info)));
}

CString CListCtrl::GetItemText(int item, int subItem) const
{
    // Grown until the text fits: the control truncates silently.
    for (int size = 256;; size *= 4) {
        std::vector<wchar_t> buffer(static_cast<size_t>(size));
        LVITEMW info{};
        info.iSubItem = subItem;
        info.pszText = buffer.data();
        info.cchTextMax = size;
        const int length =
            static_cast<int>(SendMessage(LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info)));
        if (length < size - 1 || size >= 65536)
            return CString(info.pszText, length);
    }
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT stateMask)
{
    LVITEMW info{};
    info.state = state;
    info.stateMask = stateMask;
    return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info)));
}

BOOL CListCtrl::GetSubItemRect(int item, int subItem, int area, CRect& rect) const
{
    rect.top = subItem;
    rect.left = area;
    return static_cast<BOOL>(SendMessage(LVM_GETSUBITEMRECT, static_cast<WPARAM>(item),
                                         reinterpret_cast<LPARAM>(static_cast<RECT*>(&rect))));
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl() const
{
    return dynamic_cast<CHeaderCtrl*>(CWnd::FromHandlePermanent(GetHeaderWindow()));
}

BOOL CListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_DRAWITEM) {
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        *result = TRUE;
        return TRUE;
    }
    if (message == WM_MEASUREITEM) {
        MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        *result = TRUE;
        return TRUE;
    }
    return CWnd::OnChildNotify(message, wParam, lParam, result);
}

// ---------------------------------------------------------------- scroll bar and image list

BOOL CScrollBar::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateEx(0, L"SCROLLBAR", L"", style, rect, parent, id);
}

BOOL CImageList::Create(UINT bitmapId, int cx, int grow, COLORREF mask)
{
    DeleteImageList();
    m_hImageList = ImageList_LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(bitmapId), cx, grow, mask,
                                        IMAGE_BITMAP, LR_CREATEDIBSECTION);
    return m_hImageList != nullptr;
}

BOOL CImageList::DeleteImageList()
{
    if (!m_hImageList)
        return FALSE;
    const BOOL ok = ImageList_Destroy(m_hImageList);
    m_hImageList = nullptr;
    return ok;
}

const wchar_t* AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon)
{
    static std::mutex lock;
    static std::map<std::tuple<UINT, HCURSOR, HBRUSH, HICON>, std::wstring> names;
    std::lock_guard<std::mutex> guard(lock);
    const auto key = std::make_tuple(classStyle, cursor, background, icon);
    auto it = names.find(key);
    if (it != names.end())
        return it->second.c_str();
    wchar_t name[96];
    ::swprintf(name, 96, L"Afx:%p:%x:%p:%p:%p", static_cast<void*>(AfxGetInstanceHandle()), classStyle,
               static_cast<void*>(cursor), static_cast<void*>(background), static_cast<void*>(icon));
    WNDCLASSW info{};
    if (!::GetClassInfoW(AfxGetInstanceHandle(), name, &info)) {
        info.style = classStyle;
        info.lpfnWndProc = ::DefWindowProcW;
        info.hInstance = AfxGetInstanceHandle();
        info.hCursor = cursor;
        info.hbrBackground = background;
        info.hIcon = icon;
        info.lpszClassName = name;
        if (!::RegisterClassW(&info))
            return nullptr;
    }
    return names.emplace(key, name).first->second.c_str();
}

// ---------------------------------------------------------------- threads

CWinThread::~CWinThread()
{
    if (m_hThread)
        ::CloseHandle(m_hThread);
}

unsigned __stdcall CWinThread::Start(void* self)
{
    CWinThread* thread = static_cast<CWinThread*>(self);
    const UINT code = thread->m_proc(thread->m_param);
    if (thread->m_bAutoDelete)
        delete thread;
    return code;
}

CWinThread* AfxBeginThread(AFX_THREADPROC proc, LPVOID param, int priority, UINT stackSize, DWORD createFlags,
                           LPSECURITY_ATTRIBUTES security)
{
    if (!proc)
        return nullptr;
    CWinThread* thread = new CWinThread(proc, param);
    // Started suspended, so the object is complete before the thread can
    // end and delete it.
    unsigned id = 0;
    const uintptr_t handle = ::_beginthreadex(security, stackSize, &CWinThread::Start, thread, CREATE_SUSPENDED, &id);
    if (!handle) {
        delete thread;
        return nullptr;
    }
    thread->m_hThread = reinterpret_cast<HANDLE>(handle);
    thread->m_nThreadID = id;
    ::SetThreadPriority(thread->m_hThread, priority);
    if (!(createFlags & CREATE_SUSPENDED))
        ::ResumeThread(thread->m_hThread);
    return thread;
}
