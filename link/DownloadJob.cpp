#include "link/DownloadJob.h"

#include <cstdint>

DownloadTick FollowDownload(const DownloadJob& job)
{
    DownloadTick tick;
    // The end flag is read first, so the progress read after it is the final one.
    const bool finished = job.finished;
    const int total = job.progress.m_total;
    const int done = job.progress.m_done;
    if (total > 0 && done >= 0) {
        const std::int64_t percent = static_cast<std::int64_t>(done) * 100 / total;
        tick.percent = percent > 100 ? 100 : static_cast<int>(percent);
    }
    if (finished) {
        tick.result = job.result;
        tick.outcome = tick.result > 0 ? DownloadOutcome::Succeeded : DownloadOutcome::Failed;
    }
    return tick;
}
