#pragma once
// Watching the real main window while one of its pages waits on a server that
// holds the request: the UI watchdog over the whole wait, and a picture of the
// window taken in the middle of it, for a person to look at.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>

#include "link/DownloadForTests.h"
#include "tests/support/MessagePump.h"
#include "tests/support/UiWatchdog.h"
#include "tests/support/WindowPicture.h"

namespace serverwait {

// Bounds short enough that each holding server ends within seconds; the shipped
// bounds come back when this goes.
class ShortDownloadBounds {
public:
    ShortDownloadBounds()
    {
        DownloadBounds bounds = ShippedListDownloadBounds();
        bounds.m_connectMs = 2000;
        bounds.m_sendMs = 2000;
        bounds.m_receiveMs = 1500;
        bounds.m_deadlineMs = 4000;
        SetDownloadBoundsForTests(&bounds);
    }
    ~ShortDownloadBounds() { SetDownloadBoundsForTests(nullptr); }
    ShortDownloadBounds(const ShortDownloadBounds&) = delete;
    ShortDownloadBounds& operator=(const ShortDownloadBounds&) = delete;
};

struct Watched {
    bool ended = false;       // the wait ended within the time given
    DWORD waitedMs = 0;       // how long it lasted
    DWORD longestStallMs = 0; // the longest the window's thread took to answer meanwhile
    int answeredProbes = 0;
    bool pictured = false;
};

// Pumps the window's thread until ended() holds (at most timeoutMs) under the
// UI watchdog, and saves a picture of the window once the wait has lasted
// pictureAfterMs. The picture's own drawing and saving are left out of the
// stall measured: they are the test's, not the window's.
inline Watched WatchTheWait(HWND window, const std::function<bool()>& ended, const std::wstring& pictureName,
                            DWORD timeoutMs = 20000, DWORD pictureAfterMs = 700)
{
    Watched watched;
    UiWatchdog watchdog;
    PumpMessagesFor(30);
    watchdog.TakeLongestStallMs();
    DWORD longest = 0;
    const DWORD start = ::GetTickCount();
    watched.ended = PumpMessagesUntil(
        [&] {
            const bool over = ended();
            if (!over && !watched.pictured && ::GetTickCount() - start >= pictureAfterMs) {
                const DWORD before = watchdog.TakeLongestStallMs();
                longest = before > longest ? before : longest;
                watched.pictured = SaveWindowPicture(window, ScreenshotFolder() + L"\\" + pictureName + L".png");
                PumpMessagesFor(50);
                watchdog.TakeLongestStallMs();
            }
            return over;
        },
        timeoutMs);
    watched.waitedMs = ::GetTickCount() - start;
    const DWORD after = watchdog.TakeLongestStallMs();
    watched.longestStallMs = after > longest ? after : longest;
    watched.answeredProbes = watchdog.AnsweredProbes();
    watchdog.Stop();
    std::printf("%ls: the wait lasted %lu ms, the window's longest stall meanwhile %lu ms (%d probes answered)\n",
                pictureName.c_str(), static_cast<unsigned long>(watched.waitedMs),
                static_cast<unsigned long>(watched.longestStallMs), watched.answeredProbes);
    std::fflush(stdout);
    return watched;
}

} // namespace serverwait
