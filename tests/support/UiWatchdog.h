#pragma once
// A watchdog for the UI thread of a window test under Wine: a helper thread
// sends the thread's top-level window WM_NULL every 10 ms with
// SendMessageTimeout and records how long the answer took. The longest such
// time is how long the UI thread did not take messages, so a test or a
// benchmark can show that nothing blocks it beyond the waits it is meant to
// have. Header-only, for the Wine test programs and the benchmarks.
#include <windows.h>

#include <atomic>
#include <thread>

class UiWatchdog {
public:
    static constexpr DWORD kProbeIntervalMs = 10;
    // A probe is given up after this long; the stall then counts as at least this.
    static constexpr DWORD kProbeGiveUpMs = 60000;

    // Watches the thread with this id (the calling thread by default).
    explicit UiWatchdog(DWORD uiThreadId = ::GetCurrentThreadId()) : m_threadId(uiThreadId)
    {
        m_thread = std::thread([this] { Run(); });
    }
    ~UiWatchdog() { Stop(); }
    UiWatchdog(const UiWatchdog&) = delete;
    UiWatchdog& operator=(const UiWatchdog&) = delete;

    // Safe from the watched thread itself: a probe that waits on it is
    // answered while Stop waits for the watchdog to end.
    void Stop()
    {
        m_stop.store(true);
        while (!m_finished.load()) {
            MSG msg;
            ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
            ::Sleep(1);
        }
        if (m_thread.joinable())
            m_thread.join();
    }

    // The longest answer time in milliseconds since the start or the last call,
    // which starts a new period.
    DWORD TakeLongestStallMs() { return m_longestMs.exchange(0); }
    // Probes that the window answered; 0 means the watchdog saw no window.
    int AnsweredProbes() const { return m_answered.load(); }

private:
    static BOOL CALLBACK FirstWindow(HWND hwnd, LPARAM found)
    {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }

    void Run()
    {
        LARGE_INTEGER frequency;
        ::QueryPerformanceFrequency(&frequency);
        while (!m_stop.load()) {
            HWND window = nullptr;
            ::EnumThreadWindows(m_threadId, FirstWindow, reinterpret_cast<LPARAM>(&window));
            if (window != nullptr) {
                LARGE_INTEGER before, after;
                ::QueryPerformanceCounter(&before);
                DWORD_PTR result = 0;
                const LRESULT answered =
                    ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kProbeGiveUpMs, &result);
                ::QueryPerformanceCounter(&after);
                const DWORD ms = static_cast<DWORD>((after.QuadPart - before.QuadPart) * 1000 / frequency.QuadPart);
                DWORD longest = m_longestMs.load();
                while (ms > longest && !m_longestMs.compare_exchange_weak(longest, ms)) {}
                if (answered != 0)
                    ++m_answered;
            }
            ::Sleep(kProbeIntervalMs);
        }
        m_finished.store(true);
    }

    DWORD m_threadId;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_finished{false};
    std::atomic<DWORD> m_longestMs{0};
    std::atomic<int> m_answered{0};
    std::thread m_thread;
};
