#include <gtest/gtest.h>

#include "link/DownloadJob.h"

namespace {

TEST(DownloadJob, OnlyTheThreadsEndDecides)
{
    struct Case {
        const char* what;
        int total, done;
        bool finished;
        int result;
        int percent;
        DownloadOutcome outcome;
    };
    using O = DownloadOutcome;
    // clang-format off
    const Case cases[] = {
        {"first tick before any byte is no failure", 0,                       0,       false, 0,        -1,  O::Running},
        {"transfer begun, nothing published yet",    kDownloadProgressTotal,  0,       false, 0,        0,   O::Running},
        {"small progress",                           kDownloadProgressTotal,  3145728, false, 0,        3,   O::Running},
        {"100 % while still arriving ends nothing",  kDownloadProgressTotal,  kDownloadProgressTotal, false, 0, 100, O::Running},
        {"beyond the preset total stays at 100",     kDownloadProgressTotal,  2147483647, false, 0,     100, O::Running},
        {"complete",                                 kDownloadProgressTotal,  kDownloadProgressTotal, true, 3145728, 100, O::Succeeded},
        {"cannot connect",                           0,                       0,       true,  -1,       -1,  O::Failed},
        {"cannot create the file",                   kDownloadProgressTotal,  0,       true,  -2,       0,   O::Failed},
        {"an empty installer is no success",         kDownloadProgressTotal,  0,       true,  0,        0,   O::Failed},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DownloadJob job;
        job.progress.m_total = c.total;
        job.progress.m_done = c.done;
        if (c.finished)
            job.Finish(c.result);
        const DownloadTick tick = FollowDownload(job);
        EXPECT_EQ(tick.percent, c.percent);
        EXPECT_EQ(tick.outcome, c.outcome);
        if (c.finished) {
            EXPECT_EQ(tick.result, c.result);
        }
    }
}

TEST(DownloadJob, ResetForTheNextDownload)
{
    DownloadJob job;
    job.progress.m_total = 5;
    job.progress.m_done = 5;
    job.Finish(-2);
    job.Reset();
    const DownloadTick tick = FollowDownload(job);
    EXPECT_EQ(tick.outcome, DownloadOutcome::Running);
    EXPECT_EQ(tick.percent, -1);
}

} // namespace
