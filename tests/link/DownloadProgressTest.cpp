#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "link/DownloadProgress.h"

namespace {

constexpr int kPiece = 1024;

// Feeds full pieces and returns m_done as it stood after each one.
std::vector<int> DoneAfterEachPiece(DownloadProgress& progress, int pieces, int pieceSize = kPiece)
{
    DownloadProgressPublisher publisher(&progress);
    std::vector<int> seen;
    for (int i = 1; i <= pieces; ++i) {
        publisher.PieceWritten(i * pieceSize);
        seen.push_back(progress.m_done);
    }
    return seen;
}

TEST(DownloadProgress, PublishesOnEvery102ndPieceAndTheTotalAtTheEnd)
{
    DownloadProgress progress;
    const std::vector<int> seen = DoneAfterEachPiece(progress, 310);
    EXPECT_EQ(progress.m_total, kDownloadProgressTotal);
    struct Step {
        int piece; // 1-based
        int done;
    };
    const Step steps[] = {
        {1, 0},
        {101, 0},
        {102, 102 * kPiece},
        {103, 102 * kPiece},
        {203, 102 * kPiece},
        {204, 204 * kPiece},
        {305, 204 * kPiece},
        {306, 306 * kPiece},
        {310, 306 * kPiece},
    };
    for (const Step& s : steps)
        EXPECT_EQ(seen[s.piece - 1], s.done) << "piece " << s.piece;
}

TEST(DownloadProgress, ASmallBodyShowsNothingUntilItIsComplete)
{
    // 3000 bytes in three pieces: the total is preset, m_done stays 0 until
    // the file is complete and then equals the total.
    DownloadProgress progress;
    DownloadProgressPublisher publisher(&progress);
    EXPECT_EQ(progress.m_total, kDownloadProgressTotal);
    for (int total : {1024, 2048, 3000}) {
        publisher.PieceWritten(total);
        EXPECT_EQ(progress.m_done, 0);
    }
    publisher.Finished();
    EXPECT_EQ(progress.m_done, kDownloadProgressTotal);
}

TEST(DownloadProgress, ABodyAsLargeAsThePresetTotalShowsCompletionOnlyAtTheEnd)
{
    DownloadProgress progress;
    DownloadProgressPublisher publisher(&progress);
    for (int i = 0; i < 102; ++i)
        publisher.PieceWritten(kDownloadProgressTotal + 5);
    EXPECT_EQ(progress.m_done, kDownloadProgressTotal - 1);
    publisher.Finished();
    EXPECT_EQ(progress.m_done, kDownloadProgressTotal);
}

TEST(DownloadProgress, NoRecordIsFine)
{
    DownloadProgressPublisher publisher(nullptr);
    for (int i = 1; i <= 300; ++i)
        publisher.PieceWritten(i * kPiece);
    publisher.Finished();
}

} // namespace

namespace {

// The downloading thread publishes while the UI timer polls: the poller sees
// the preset total and a count that only grows and never shows "complete"
// before the end. Runs under ThreadSanitizer too (build/tsan).
TEST(DownloadProgressThreads, APollerOnAnotherThreadSeesProgressOnlyGrow)
{
    DownloadProgress progress;
    constexpr int kPieces = 5000;
    std::thread downloader([&progress] {
        DownloadProgressPublisher publisher(&progress);
        for (int i = 1; i <= kPieces; ++i)
            publisher.PieceWritten(i * kPiece);
        publisher.Finished();
    });
    // Only the end shows the full total: the pieces stop one short of it.
    int lastDone = 0;
    bool grew = true;
    bool totalFirst = true;
    while (lastDone != kDownloadProgressTotal) {
        const int done = progress.m_done;
        grew = done >= lastDone;
        totalFirst = done == 0 || progress.m_total == kDownloadProgressTotal;
        if (!grew || !totalFirst)
            break;
        lastDone = done;
    }
    downloader.join();
    EXPECT_TRUE(grew) << "progress went back";
    EXPECT_TRUE(totalFirst) << "the total is set before any progress";
    EXPECT_EQ(kDownloadProgressTotal, progress.m_done);
}

} // namespace
