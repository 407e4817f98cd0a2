#include "link/DownloadProgress.h"

namespace {

// The counter runs past this many pieces before it publishes and starts again.
constexpr int kPiecesBetweenPublishing = 100;

} // namespace

DownloadProgressPublisher::DownloadProgressPublisher(DownloadProgress* progress) : progress_(progress)
{
    if (progress_ != nullptr)
        progress_->m_total = kDownloadProgressTotal;
}

void DownloadProgressPublisher::PieceWritten(int totalBytes)
{
    if (progress_ == nullptr)
        return;
    if (counter_ > kPiecesBetweenPublishing) {
        counter_ = 0;
        // Full progress means "complete", so a body as large as the preset
        // total must not show it before the end.
        const int total = progress_->m_total;
        progress_->m_done = totalBytes < total ? totalBytes : total - 1;
    } else {
        ++counter_;
    }
}

void DownloadProgressPublisher::Finished()
{
    if (progress_ != nullptr)
        progress_->m_done = progress_->m_total.load();
}
