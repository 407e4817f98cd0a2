#pragma once
// A server exchange (a list or a file from the firmware server) on a thread of
// its own, so that no window waits on a server: the thread gets its request
// as a value, and when it ends it keeps its result here and tells the window
// through a notice (a posted message); the window's thread takes the result
// then. A timer can follow a file's progress meanwhile. Portable: the
// downloader is passed in (link/Download.h's FetchFromServer in the program).

#include <functional>
#include <memory>
#include <string>

#include "link/DownloadCancel.h"
#include "link/DownloadJob.h"

// What one exchange fetches: a server list into memory, or a file.
struct ServerExchangeRequest {
    std::wstring url;
    std::wstring filePath; // empty: the body comes back in memory
};

// How an exchange ended.
struct ServerExchangeEnd {
    bool ended = false; // false: no exchange has ended since the last take
    int received = 0;   // the downloader's result: a byte count or a negative code
    std::string body;   // a list's bytes
};

// The downloader as the exchange's thread calls it: into body when the file
// path is empty, else into the file with progress; a cancel ends it early.
using ServerFetch = std::function<int(const std::wstring& url, const std::wstring& filePath, std::string& body,
                                      DownloadProgress& progress, const DownloadCancel& cancel)>;
// Run on the exchange's thread once its end can be taken; it only posts. Not
// run for an exchange that was stopped: its window is going.
using ServerExchangeNotice = std::function<void(int received)>;

class ServerExchange {
public:
    explicit ServerExchange(ServerFetch fetch);
    // Stops a running exchange.
    ~ServerExchange();
    ServerExchange(const ServerExchange&) = delete;
    ServerExchange& operator=(const ServerExchange&) = delete;

    // Starts the exchange on a new thread. False, with no notice, while the
    // last one still runs (which goes on), or when no thread can be had (the
    // exchange has then ended as failed).
    bool Start(ServerExchangeRequest request, ServerExchangeNotice notice);
    bool Running() const;
    // The progress and end of the running or last exchange, as a timer that
    // follows it reads them.
    DownloadTick Follow() const;
    // The last exchange's end, once; not ended before its end or after a take.
    ServerExchangeEnd TakeEnd();
    // Asks a running exchange to end and waits for its thread, at most
    // kServerExchangeStopWaitMs; a thread that takes longer ends alone, and
    // holds nothing of this object's.
    void Stop();

private:
    struct State;
    static void Run(std::shared_ptr<State> state, ServerFetch fetch, ServerExchangeRequest request,
                    ServerExchangeNotice notice);

    ServerFetch m_fetch;
    std::shared_ptr<State> m_state;
};
