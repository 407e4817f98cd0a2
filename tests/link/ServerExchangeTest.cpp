// A server exchange on its thread with a downloader that the test drives:
// the end kept for the window and told once, the progress a timer follows,
// a second start refused while one runs, and a stop that ends the wait for a
// server at once and leaves a thread that will not stop holding nothing of
// the exchange's.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

#include "link/ServerExchange.h"

namespace {

// A gate the test opens; the downloader's thread waits at it.
class Gate {
public:
    void Open()
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_open = true;
        m_changed.notify_all();
    }
    // False when the cancel came first.
    bool WaitOpen(const DownloadCancel* cancel)
    {
        std::unique_lock<std::mutex> lock(m_lock);
        while (!m_open) {
            if (cancel != nullptr && cancel->Asked())
                return false;
            m_changed.wait_for(lock, std::chrono::milliseconds(5));
        }
        return true;
    }

private:
    std::mutex m_lock;
    std::condition_variable m_changed;
    bool m_open = false;
};

// What the notices said, from the exchange's thread.
class Notices {
public:
    ServerExchangeNotice Notice()
    {
        return [this](int received) {
            std::lock_guard<std::mutex> lock(m_lock);
            m_received.push_back(received);
            m_changed.notify_all();
        };
    }
    std::vector<int> WaitFor(std::size_t count)
    {
        std::unique_lock<std::mutex> lock(m_lock);
        m_changed.wait_for(lock, std::chrono::seconds(20), [&] { return m_received.size() >= count; });
        return m_received;
    }
    std::vector<int> Seen()
    {
        std::lock_guard<std::mutex> lock(m_lock);
        return m_received;
    }

private:
    std::mutex m_lock;
    std::condition_variable m_changed;
    std::vector<int> m_received;
};

TEST(ServerExchange, AListsEndIsKeptToldOnceAndTakenOnce)
{
    std::wstring askedUrl, askedPath;
    ServerExchange exchange([&](const std::wstring& url, const std::wstring& path, std::string& body, DownloadProgress&,
                                const DownloadCancel&) {
        askedUrl = url;
        askedPath = path;
        body = "Zenta2=1.2.7\r\n";
        return 14;
    });
    Notices notices;
    ASSERT_TRUE(exchange.Start(ServerExchangeRequest{L"https://h/Firmware", L""}, notices.Notice()));
    EXPECT_EQ(notices.WaitFor(1), std::vector<int>{14});
    EXPECT_EQ(askedUrl, L"https://h/Firmware");
    EXPECT_TRUE(askedPath.empty());
    EXPECT_FALSE(exchange.Running());
    const DownloadTick tick = exchange.Follow();
    EXPECT_EQ(tick.outcome, DownloadOutcome::Succeeded);
    EXPECT_EQ(tick.result, 14);
    const ServerExchangeEnd end = exchange.TakeEnd();
    EXPECT_TRUE(end.ended);
    EXPECT_EQ(end.received, 14);
    EXPECT_EQ(end.body, "Zenta2=1.2.7\r\n");
    EXPECT_FALSE(exchange.TakeEnd().ended);
    exchange.Stop(); // after the end: nothing to stop
    EXPECT_EQ(notices.Seen().size(), 1u);
}

TEST(ServerExchange, AFilesProgressIsFollowedAndASecondStartWaits)
{
    auto gate = std::make_shared<Gate>();
    auto halfway = std::make_shared<Gate>();
    ServerExchange exchange([gate, halfway](const std::wstring&, const std::wstring&, std::string&,
                                            DownloadProgress& progress, const DownloadCancel&) {
        progress.m_total = kDownloadProgressTotal;
        progress.m_done = kDownloadProgressTotal / 4;
        halfway->Open();
        gate->WaitOpen(nullptr);
        progress.m_done = kDownloadProgressTotal;
        return 3000;
    });
    EXPECT_EQ(exchange.Follow().percent, -1); // nothing started yet
    Notices notices;
    ASSERT_TRUE(exchange.Start(ServerExchangeRequest{L"https://h/a.img", L"C:\\a.img"}, notices.Notice()));
    ASSERT_TRUE(halfway->WaitOpen(nullptr));
    EXPECT_TRUE(exchange.Running());
    const DownloadTick running = exchange.Follow();
    EXPECT_EQ(running.percent, 25);
    EXPECT_EQ(running.outcome, DownloadOutcome::Running);
    EXPECT_FALSE(exchange.TakeEnd().ended);
    // The running one goes on; the refused one is never told.
    EXPECT_FALSE(exchange.Start(ServerExchangeRequest{L"https://h/b.img", L"C:\\b.img"}, notices.Notice()));
    gate->Open();
    EXPECT_EQ(notices.WaitFor(1), std::vector<int>{3000});
    EXPECT_EQ(exchange.Follow().outcome, DownloadOutcome::Succeeded);
    EXPECT_EQ(exchange.Follow().percent, 100);
    EXPECT_EQ(exchange.TakeEnd().received, 3000);

    // Once ended, the next one starts afresh.
    auto second = std::make_shared<Gate>();
    second->Open();
    ServerExchange again([second](const std::wstring&, const std::wstring&, std::string&, DownloadProgress&,
                                  const DownloadCancel&) { return second->WaitOpen(nullptr) ? -2 : 0; });
    Notices more;
    ASSERT_TRUE(again.Start(ServerExchangeRequest{}, more.Notice()));
    EXPECT_EQ(more.WaitFor(1), std::vector<int>{-2});
    ASSERT_TRUE(again.Start(ServerExchangeRequest{}, more.Notice()));
    EXPECT_EQ(more.WaitFor(2), (std::vector<int>{-2, -2}));
    EXPECT_EQ(again.Follow().outcome, DownloadOutcome::Failed);
}

// The manager closes while a server keeps the downloader waiting: the stop
// asks it to end, it ends at once, and the window that goes is not told.
TEST(ServerExchange, AStopEndsTheWaitAndTellsNobody)
{
    auto never = std::make_shared<Gate>();
    auto waiting = std::make_shared<Gate>();
    Notices notices;
    {
        ServerExchange exchange([never, waiting](const std::wstring&, const std::wstring&, std::string&,
                                                 DownloadProgress&, const DownloadCancel& cancel) {
            waiting->Open();
            return never->WaitOpen(&cancel) ? 100 : -1;
        });
        ASSERT_TRUE(exchange.Start(ServerExchangeRequest{L"https://h/Revisions", L""}, notices.Notice()));
        ASSERT_TRUE(waiting->WaitOpen(nullptr));
        exchange.Stop();
        EXPECT_FALSE(exchange.Running());
        EXPECT_EQ(exchange.Follow().outcome, DownloadOutcome::Failed);
    }
    EXPECT_TRUE(notices.Seen().empty());
}

// A downloader that heeds no cancel: the window's stop waits its bound, the
// exchange goes with the window, and the thread, ending later, touches only
// what it shares with nobody any more.
TEST(ServerExchange, AThreadThatWillNotStopOutlivesItsExchangeSafely)
{
    auto late = std::make_shared<Gate>();
    auto waiting = std::make_shared<Gate>();
    auto ended = std::make_shared<Gate>();
    Notices notices;
    {
        ServerExchange exchange([late, waiting, ended](const std::wstring&, const std::wstring&, std::string& body,
                                                       DownloadProgress& progress, const DownloadCancel&) {
            waiting->Open();
            late->WaitOpen(nullptr);
            progress.m_total = kDownloadProgressTotal;
            body.assign(100, 'x');
            ended->Open();
            return 100;
        });
        ASSERT_TRUE(exchange.Start(ServerExchangeRequest{}, notices.Notice()));
        ASSERT_TRUE(waiting->WaitOpen(nullptr));
    }
    late->Open();
    ASSERT_TRUE(ended->WaitOpen(nullptr));
    EXPECT_TRUE(notices.Seen().empty());
}

TEST(ServerExchange, ADownloaderThatThrowsEndsTheExchangeAsFailed)
{
    ServerExchange exchange([](const std::wstring&, const std::wstring&, std::string& body, DownloadProgress&,
                               const DownloadCancel&) -> int {
        body = "half";
        throw std::runtime_error("out of memory");
    });
    Notices notices;
    ASSERT_TRUE(exchange.Start(ServerExchangeRequest{}, notices.Notice()));
    EXPECT_EQ(notices.WaitFor(1), std::vector<int>{-1});
    const ServerExchangeEnd end = exchange.TakeEnd();
    EXPECT_TRUE(end.ended);
    EXPECT_EQ(end.received, -1);
    EXPECT_TRUE(end.body.empty());
}

} // namespace
