#pragma once
// The record a download thread shares with the window's timer that follows
// it, and the rule by which the timer reads it. Portable, so the rule is
// tested natively.

#include <atomic>

#include "link/DownloadProgress.h"

struct DownloadJob {
    DownloadProgress progress; // filled by the downloader while a file arrives
    std::atomic<int> result{0};
    // Set last by the thread, after result: the download is over only then.
    std::atomic<bool> finished{false};

    void Reset()
    {
        progress.m_total = 0;
        progress.m_done = 0;
        result = 0;
        finished = false;
    }
    // What the thread does once the downloader returns.
    void Finish(int downloadResult)
    {
        result = downloadResult;
        finished = true;
    }
};

enum class DownloadOutcome { Running, Succeeded, Failed };

struct DownloadTick {
    // Percent of the preset total, at most 100; -1 while no transfer has begun.
    int percent = -1;
    DownloadOutcome outcome = DownloadOutcome::Running;
    int result = 0; // the thread's result once it has finished
};

// One look at the job. Only the thread's end decides the outcome: a slow
// first byte is no failure, and a file larger than the preset total can show
// 100 % while it still arrives. Success needs a positive byte count.
DownloadTick FollowDownload(const DownloadJob& job);
