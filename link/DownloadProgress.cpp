#include "link/DownloadProgress.h"

namespace {

// The counter runs past this many pieces before it publishes and starts again.
constexpr int kPiecesBetweenPublishing = 100;

} // namespace

DownloadProgressPublisher::DownloadProgressPublisher(DownloadProgress* progress) : m_progress(progress)
{
    if (m_progress != nullptr)
        m_progress->m_total = kDownloadProgressTotal;
}

void DownloadProgressPublisher::PieceWritten(int totalBytes)
{
    if (m_progress == nullptr)
        return;
    if (m_counter > kPiecesBetweenPublishing) {
        m_counter = 0;
        // Full progress means "complete", so a body as large as the preset
        // total must not show it before the end.
        const int total = m_progress->m_total;
        m_progress->m_done = totalBytes < total ? totalBytes : total - 1;
    } else {
        ++m_counter;
    }
}

void DownloadProgressPublisher::Finished()
{
    if (m_progress != nullptr)
        m_progress->m_done = m_progress->m_total.load();
}
