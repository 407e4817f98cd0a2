#pragma once
// The progress record of a file download and the rule by which the
// downloading thread fills it. Portable, so the rule is tested natively.

#include <atomic>

// Written by the downloading thread, polled by the UI thread.
struct DownloadProgress {
    std::atomic<int> m_total{0}; // the preset 0x6400000 once a file transfer begins
    std::atomic<int> m_done{0};  // bytes so far; m_total once the file is complete
};

constexpr int kDownloadProgressTotal = 0x6400000;

// Fills an optional progress record for one file transfer: the preset total
// when the transfer begins, the bytes so far on every 102nd piece only (so the
// poller is not swamped), and the total once the file is complete.
class DownloadProgressPublisher {
public:
    explicit DownloadProgressPublisher(DownloadProgress* progress);
    // After each piece has been written; totalBytes counts every piece so far.
    void PieceWritten(int totalBytes);
    // The file is complete.
    void Finished();

private:
    DownloadProgress* m_progress;
    int m_counter = 0;
};
