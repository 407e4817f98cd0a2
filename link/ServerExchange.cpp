#include "link/ServerExchange.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

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
    std::mutex lock;
    std::condition_variable threadEnded;
    bool threadDone = false; // under lock
    ServerExchangeEnd end;   // under lock
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
    } catch (const std::exception&) {
        // Out of memory or the like while fetching: the exchange failed.
        body.clear();
        received = kFetchFailed;
    }
    {
        std::lock_guard<std::mutex> lock(state->lock);
        state->end.ended = true;
        state->end.received = received;
        state->end.body = std::move(body);
    }
    // After the end is kept: whoever sees the job finished can take it.
    state->job.Finish(received);
    if (notice && !state->cancel.Asked())
        notice(received);
    std::lock_guard<std::mutex> lock(state->lock);
    state->threadDone = true;
    state->threadEnded.notify_all();
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
        m_state->end = ServerExchangeEnd{true, kFetchFailed, std::string()};
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
    std::lock_guard<std::mutex> lock(m_state->lock);
    ServerExchangeEnd end = std::move(m_state->end);
    m_state->end = ServerExchangeEnd{};
    return end;
}

void ServerExchange::Stop()
{
    if (!m_state)
        return;
    m_state->cancel.Ask();
    std::unique_lock<std::mutex> lock(m_state->lock);
    m_state->threadEnded.wait_for(lock, std::chrono::milliseconds(kServerExchangeStopWaitMs),
                                  [&] { return m_state->threadDone; });
}
