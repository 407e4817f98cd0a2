#pragma once
// Asked from any thread (the window's, when the manager closes) to end the
// downloads that watch it at once. Portable.

#include <atomic>

class DownloadCancel {
public:
    void Ask() { m_asked.store(true); }
    bool Asked() const { return m_asked.load(); }

private:
    std::atomic<bool> m_asked{false};
};
