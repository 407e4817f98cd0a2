#pragma once
// Watching for the message boxes a window opens while a test drives it: a thread timer finds a
// visible dialog owned by the window and hands it to the test, which reads it and ends it. The
// box runs its own modal loop, so the timer is the only way the test gets a turn.
#include <windows.h>

#include <functional>
#include <string>
#include <utility>

namespace boxwatch {

struct Watch {
    std::function<void(HWND)> action;
    int seen = 0;
    HWND owner = nullptr;
};
inline Watch g_watch;
inline UINT_PTR g_timer = 0;

struct Search {
    HWND owner;
    HWND found;
};

inline BOOL CALLBACK MatchOwnedBox(HWND hwnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<Search*>(lParam);
    wchar_t name[16] = {};
    ::GetClassNameW(hwnd, name, 16);
    if (hwnd != search->owner && ::IsWindowVisible(hwnd) && ::GetWindow(hwnd, GW_OWNER) == search->owner &&
        std::wstring(name) == L"#32770") {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

inline HWND FindOwnedBox(HWND owner)
{
    Search search{owner, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), MatchOwnedBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

inline void CALLBACK WatchForBox(HWND, UINT, UINT_PTR, DWORD)
{
    HWND box = FindOwnedBox(g_watch.owner);
    if (!box)
        return;
    ++g_watch.seen;
    if (g_watch.action) {
        auto action = g_watch.action;
        action(box);
    }
}

// Every box the owner opens from now on gets the action, which must end the box.
inline void OnEveryBox(HWND owner, std::function<void(HWND)> action)
{
    g_watch = Watch{std::move(action), 0, owner};
    if (!g_timer)
        g_timer = ::SetTimer(nullptr, 0, 80, WatchForBox);
}

inline int BoxesSeen()
{
    return g_watch.seen;
}

inline void StopWatching()
{
    if (g_timer)
        ::KillTimer(nullptr, g_timer);
    g_timer = 0;
    g_watch = Watch{};
}

inline std::wstring BoxText(HWND box, int textId)
{
    wchar_t text[1200] = {};
    ::GetDlgItemTextW(box, textId, text, 1200);
    return text;
}

inline SIZE BoxSize(HWND box)
{
    RECT r{};
    ::GetWindowRect(box, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

inline void PressBoxButton(HWND box, int id)
{
    ::SendMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(box, id)));
}

} // namespace boxwatch
