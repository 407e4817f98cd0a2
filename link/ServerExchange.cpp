#include "link/ServerExchange.h"

#include <atomic>
#include <chrono>
#include <system_error>
#include <thread>
#include <utility>

#include "core/GuardedRecord.h"
#include "link/LinkBounds.h"

namespace {

// The downloader's result for a fetch that could not even run.
constexpr int kFetchFailed = -1;

} // namespace

// One exchange as its thread and the window share it; each start makes a new
// one, so a thread left to end alone never touches the next exchange's.
struct ServerExchange::State {
    DownloadJob job;
    DownloadCancel cancel;
    GuardedRecord<ServerExchangeEnd> end;
    std::atomic<bool> threadDone{false};
};

ServerExchange::ServerExchange(ServerFetch fetch) : m_fetch(std::move(fetch)) {}

ServerExchange::~ServerExchange()
{
    Stop();
}

void ServerExchange::Run(std::shared_ptr<State> state, ServerFetch fetch, ServerExchangeRequest request,
                         ServerExchangeNotice notice)
{
    std::string body;
    int received = kFetchFailed;
    try {
        received = fetch(request.url, request.filePath, body, state->job.progress, state->cancel);
    } catch (...) {
        // Out of memory or the like while fetching: the exchange failed.
        body.clear();
        received = kFetchFailed;
    }
    state->end.With([&](ServerExchangeEnd& end) {
        end.ended = true;
        end.received = received;
        end.body = std::move(body);
    });
    // After the end is kept: whoever sees the job finished can take it.
    state->job.Finish(received);
    if (notice && !state->cancel.Asked())
        notice(received);
    state->threadDone = true;
}

bool ServerExchange::Start(ServerExchangeRequest request, ServerExchangeNotice notice)
{
    if (Running())
        return false;
    m_state = std::make_shared<State>();
    try {
        std::thread(Run, m_state, m_fetch, std::move(request), std::move(notice)).detach();
    } catch (const std::system_error&) {
        // Ended as failed before it began, for a timer that follows it.
        {
            auto end = m_state->end.Lock();
            *end = ServerExchangeEnd{true, kFetchFailed, std::string()};
        }
        m_state->job.Finish(kFetchFailed);
        m_state->threadDone = true;
        return false;
    }
    return true;
}

bool ServerExchange::Running() const
{
    return m_state && !m_state->job.finished;
}

DownloadTick ServerExchange::Follow() const
{
    if (!m_state)
        return DownloadTick{};
    return FollowDownload(m_state->job);
}

ServerExchangeEnd ServerExchange::TakeEnd()
{
    if (!m_state)
        return ServerExchangeEnd{};
    return m_state->end.With([](ServerExchangeEnd& end) { return std::exchange(end, ServerExchangeEnd{}); });
}

void ServerExchange::Stop()
{
    if (!m_state)
        return;
    m_state->cancel.Ask();
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(kServerExchangeStopWaitMs);
    while (!m_state->threadDone && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(kServerExchangeStopPollMs));
}
