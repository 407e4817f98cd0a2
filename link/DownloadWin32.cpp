#include "link/Download.h"

#include <windows.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "afx/afxinet.h"
#include "link/DownloadBody.h"
#include "link/DownloadForTests.h"
#include "link/LinkBounds.h"

namespace {

const wchar_t kPartialSuffix[] = L".download";

std::mutex g_testBoundsLock;
DownloadBounds g_testBounds;
bool g_hasTestBounds = false;

DownloadBounds Bounds(bool list)
{
    std::lock_guard<std::mutex> lock(g_testBoundsLock);
    if (g_hasTestBounds)
        return g_testBounds;
    return list ? ShippedListDownloadBounds() : ShippedDownloadBounds();
}

struct InternetFileCloser {
    void operator()(CStdioFile* file) const
    {
        file->Close();
        delete file;
    }
};
using InternetFilePtr = std::unique_ptr<CStdioFile, InternetFileCloser>;

// The whole download, redirects included, ends by this time.
class Deadline {
public:
    explicit Deadline(unsigned ms) : m_end(GetTickCount64() + ms) {}
    bool Passed() const { return GetTickCount64() >= m_end; }
    DWORD Left() const
    {
        const ULONGLONG now = GetTickCount64();
        return now >= m_end ? 0 : static_cast<DWORD>(m_end - now);
    }

private:
    ULONGLONG m_end;
};

// One download as the waiting caller and the transfer thread share it. The
// transfer owns the connection and the partial file; the caller owns what it
// passed in. The caller stops waiting at the deadline or a cancel, whatever
// WinINet is doing (a call can block past its own time-outs, as in a TLS
// handshake with a server that says nothing); from then on the transfer puts
// no file in place and hands nothing over, and ends alone.
struct Transfer {
    Transfer(const CString& from, const CString& target, bool inMemory, const DownloadBounds& limits)
        : url(from.str()), filePath(target.str()), partial(target.str() + kPartialSuffix), memoryMode(inMemory),
          bounds(limits), deadline(limits.m_deadlineMs)
    {}
    ~Transfer() { std::free(memory); }

    bool Stopped() const { return gaveUp.load() || deadline.Passed(); }

    const std::wstring url;
    const std::wstring filePath;
    const std::wstring partial;
    const bool memoryMode;
    const DownloadBounds bounds;
    const Deadline deadline;
    // The transfer's own progress; the caller passes it on to its record.
    DownloadProgress progress;

    // Under lock: every step that names the partial file or the target, the
    // caller's giving up, the end and its result.
    std::mutex lock;
    std::condition_variable changed;
    std::atomic<bool> gaveUp{false};
    bool finished = false;
    int result = kDownloadFailed;
    char* memory = nullptr; // a memory body, until the caller takes it
    std::shared_ptr<CInternetHandles> handles;
};

// The partial file beside the target. It is open only while a step writes it,
// never while the server is waited on, so that a caller that gives up
// removes it at once whatever the transfer is blocked in.
class PartialFile {
public:
    explicit PartialFile(const std::wstring& path) : m_path(path) {}
    bool Create() const { return Write(CREATE_ALWAYS, nullptr, 0); }
    bool Append(const std::string& bytes) const
    {
        return bytes.empty() || Write(OPEN_EXISTING, bytes.data(), static_cast<DWORD>(bytes.size()));
    }
    // The data reach the disk before the name does, so that a crash or power
    // cut never leaves a target that is shorter than it looks.
    bool FlushToDisk() const
    {
        const HANDLE file = Open(OPEN_EXISTING);
        if (file == INVALID_HANDLE_VALUE)
            return false;
        const bool flushed = FlushFileBuffers(file) != FALSE;
        return CloseHandle(file) != FALSE && flushed;
    }

private:
    HANDLE Open(DWORD disposition) const
    {
        return CreateFileW(m_path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
    }
    bool Write(DWORD disposition, const char* data, DWORD size) const
    {
        const HANDLE file = Open(disposition);
        if (file == INVALID_HANDLE_VALUE)
            return false;
        DWORD written = 0;
        bool ok = SetFilePointer(file, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER;
        ok = ok && (size == 0 || (WriteFile(file, data, size, &written, nullptr) && written == size));
        return CloseHandle(file) != FALSE && ok;
    }

    std::wstring m_path;
};

// The absolute URL a redirect points at; empty when it names none that this
// downloader may follow.
std::wstring RedirectTarget(CHttpFile& http, const std::wstring& from)
{
    CString location;
    if (!http.QueryInfo(HTTP_QUERY_LOCATION, location) || location.IsEmpty())
        return {};
    DWORD length = INTERNET_MAX_URL_LENGTH;
    std::vector<wchar_t> combined(length + 1, L'\0');
    if (!InternetCombineUrlW(from.c_str(), location, combined.data(), &length, 0))
        return {};
    const std::wstring target(combined.data());
    return IsAcceptableRedirect(from, target) ? target : std::wstring();
}

// Opens the URL and follows redirects up to the bound. Null when WinINet
// fails, the chain is too long, the answer is not well-formed or the final
// status is not 200, so that an error page, an empty 204 or a partial 206 is
// never taken for the content.
InternetFilePtr OpenBody(CInternetSession& session, const Transfer& transfer, DownloadResponse* response)
{
    std::wstring current = transfer.url;
    for (int hop = 0; hop <= transfer.bounds.m_maxRedirects; ++hop) {
        if (transfer.Stopped())
            return nullptr;
        InternetFilePtr file;
        try {
            file.reset(session.OpenURL(current.c_str(), 1,
                                       INTERNET_FLAG_RELOAD | INTERNET_FLAG_TRANSFER_BINARY |
                                           INTERNET_FLAG_NO_AUTO_REDIRECT | INTERNET_FLAG_NO_CACHE_WRITE,
                                       nullptr, 0));
        } catch (CInternetException* e) {
            e->Delete();
            return nullptr;
        }
        auto* http = dynamic_cast<CHttpFile*>(file.get());
        if (http == nullptr)
            return nullptr;
        CString headerBlock;
        http->QueryInfo(HTTP_QUERY_RAW_HEADERS_CRLF, headerBlock);
        *response = ReadDownloadResponse(headerBlock.str());
        if (response->m_status == 200)
            return response->m_malformed ? nullptr : std::move(file);
        if (!IsRedirectStatus(response->m_status))
            return nullptr;
        current = RedirectTarget(*http, current);
        if (current.empty())
            return nullptr;
    }
    return nullptr;
}

// Reads the body piece by piece into sink(piece, size), which returns false
// to stop. True when the data ended cleanly and sink never refused; the byte
// count is 64-bit so that no body can wrap it.
template <typename Sink>
bool ReadBody(CStdioFile& file, const DownloadResponse& response, const Transfer& transfer, std::uint64_t* total,
              Sink sink)
{
    char piece[kDownloadPieceSize];
    for (;;) {
        if (transfer.Stopped())
            return false;
        UINT n = 0;
        try {
            n = file.Read(piece, sizeof piece);
        } catch (CInternetException* e) {
            e->Delete();
            return false;
        }
        if (n == 0)
            return true;
        *total += n;
        // More than was announced is as wrong as less.
        if (response.m_hasLength && *total > response.m_length)
            return false;
        if (!FitsDownloadResult(*total))
            return false;
        if (!sink(piece, n))
            return false;
    }
}

int DownloadToMemory(CStdioFile& file, const DownloadResponse& response, Transfer& transfer, char** memory)
{
    if (response.m_hasLength && response.m_length > transfer.bounds.m_memoryCap)
        return kDownloadFailed;
    DownloadMemoryBlock block(kDownloadMemoryFirstBlock, transfer.bounds.m_memoryCap);
    if (!block.Valid())
        return kDownloadFailed;
    std::uint64_t total = 0;
    const bool ended =
        ReadBody(file, response, transfer, &total, [&](const char* piece, UINT n) { return block.Append(piece, n); });
    if (!IsBodyComplete(response, total, ended))
        return kDownloadFailed;
    const int size = static_cast<int>(block.Size());
    *memory = block.Release();
    return size;
}

int DownloadToFile(CStdioFile& file, const DownloadResponse& response, Transfer& transfer)
{
    // A body announced larger than the result can count is refused before
    // anything is written.
    if (response.m_hasLength && !FitsDownloadResult(response.m_length))
        return kDownloadFailed;
    const PartialFile partial(transfer.partial);
    {
        std::lock_guard<std::mutex> lock(transfer.lock);
        if (transfer.gaveUp)
            return kDownloadFailed;
        if (!partial.Create())
            return kDownloadFileError;
    }
    DownloadProgressPublisher publisher(&transfer.progress);
    // Every step on the file checks, under the lock, that the caller still
    // waits: one that gave up has removed the file and must not see it again.
    bool gaveUp = false;
    bool writeFailed = false;
    std::string pending;
    const auto writePending = [&] {
        std::lock_guard<std::mutex> lock(transfer.lock);
        gaveUp = transfer.gaveUp;
        writeFailed = !gaveUp && !partial.Append(pending);
        pending.clear();
        return !gaveUp && !writeFailed;
    };

    std::uint64_t total = 0;
    const bool ended = ReadBody(file, response, transfer, &total, [&](const char* piece, UINT n) {
        pending.append(piece, n);
        publisher.PieceWritten(static_cast<int>(total));
        return pending.size() < kDownloadFileWriteBytes || writePending();
    });
    int result = 0;
    if (writeFailed)
        result = kDownloadFileError;
    else if (!IsBodyComplete(response, total, ended) || total == 0) // nobody wants an empty image
        result = kDownloadFailed;
    else if (!writePending())
        result = writeFailed ? kDownloadFileError : kDownloadFailed;

    std::lock_guard<std::mutex> lock(transfer.lock);
    if (gaveUp || transfer.gaveUp)
        return kDownloadFailed;
    if (result == 0 && !partial.FlushToDisk())
        result = kDownloadFileError;
    if (result == 0 && !MoveFileExW(transfer.partial.c_str(), transfer.filePath.c_str(),
                                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH)) {
        result = kDownloadFileError;
    }
    if (result != 0) {
        DeleteFileW(transfer.partial.c_str());
        return result;
    }
    publisher.Finished();
    // Ended with the move, so that a caller at its deadline just now does not
    // report a failure for the file it finds in place.
    transfer.result = static_cast<int>(total);
    transfer.finished = true;
    transfer.changed.notify_all();
    return transfer.result;
}

void RunTransfer(Transfer& transfer)
{
    CInternetSession session(nullptr, 1, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    CInternetTimeouts timeouts;
    timeouts.connectMs = transfer.bounds.m_connectMs;
    timeouts.sendMs = transfer.bounds.m_sendMs;
    timeouts.receiveMs = transfer.bounds.m_receiveMs;
    session.SetTimeouts(timeouts);
    {
        std::lock_guard<std::mutex> lock(transfer.lock);
        transfer.handles = session.GetHandles();
    }
    int result = kDownloadFailed;
    char* memory = nullptr;
    DownloadResponse response;
    if (InternetFilePtr file = OpenBody(session, transfer, &response)) {
        result = transfer.memoryMode ? DownloadToMemory(*file, response, transfer, &memory)
                                     : DownloadToFile(*file, response, transfer);
    }
    session.Close();
    std::lock_guard<std::mutex> lock(transfer.lock);
    if (transfer.finished)
        return;
    transfer.result = result;
    transfer.memory = memory;
    transfer.finished = true;
    transfer.changed.notify_all();
}

DWORD WINAPI TransferThread(void* parameter)
{
    std::unique_ptr<std::shared_ptr<Transfer>> transfer(static_cast<std::shared_ptr<Transfer>*>(parameter));
    RunTransfer(**transfer);
    return 0;
}

void PassOnProgress(const DownloadProgress& from, DownloadProgress* to)
{
    if (to == nullptr)
        return;
    // The total first: a reader never sees bytes done without the total.
    to->m_total = from.m_total.load();
    to->m_done = from.m_done.load();
}

} // namespace

void SetDownloadBoundsForTests(const DownloadBounds* bounds)
{
    std::lock_guard<std::mutex> lock(g_testBoundsLock);
    g_hasTestBounds = bounds != nullptr;
    if (bounds != nullptr)
        g_testBounds = *bounds;
}

int DownloadUrl(const CString& url, char** memoryOut, const CString& filePath, DownloadProgress* progress,
                const DownloadCancel* cancel)
{
    const bool memoryMode = memoryOut != nullptr;
    auto transfer = std::make_shared<Transfer>(url, memoryMode ? CString() : filePath, memoryMode, Bounds(memoryMode));
    // A partial file left by a run that was killed goes, whatever this run does.
    if (!memoryMode && !filePath.IsEmpty())
        DeleteFileW(transfer->partial.c_str());

    auto parameter = std::make_unique<std::shared_ptr<Transfer>>(transfer);
    const HANDLE thread = CreateThread(nullptr, 0, TransferThread, parameter.get(), 0, nullptr);
    if (thread == nullptr)
        return kDownloadFailed;
    parameter.release(); // the thread owns its share now
    // Nobody joins the thread: its end is read from the shared record.
    CloseHandle(thread);

    std::unique_lock<std::mutex> lock(transfer->lock);
    while (!transfer->finished) {
        if ((cancel != nullptr && cancel->Asked()) || transfer->deadline.Passed())
            break;
        const DWORD slice =
            transfer->deadline.Left() < kDownloadWatchSliceMs ? transfer->deadline.Left() : kDownloadWatchSliceMs;
        transfer->changed.wait_for(lock, std::chrono::milliseconds(slice));
        PassOnProgress(transfer->progress, memoryMode ? nullptr : progress);
    }
    if (transfer->finished) {
        PassOnProgress(transfer->progress, memoryMode ? nullptr : progress);
        if (memoryMode && transfer->result >= 0) {
            *memoryOut = transfer->memory;
            transfer->memory = nullptr;
        }
        return transfer->result;
    }

    // Giving up: the connection is cut under whatever call blocks, and the
    // partial file goes; the transfer touches neither again.
    transfer->gaveUp = true;
    const std::shared_ptr<CInternetHandles> handles = transfer->handles;
    lock.unlock();
    if (handles)
        handles->Abort();
    if (!memoryMode)
        DeleteFileW(transfer->partial.c_str());
    lock.lock();
    transfer->changed.wait_for(lock, std::chrono::milliseconds(kDownloadGiveUpWaitMs),
                               [&] { return transfer->finished; });
    return kDownloadFailed;
}

int FetchFromServer(const std::wstring& url, const std::wstring& filePath, std::string& body,
                    DownloadProgress& progress, const DownloadCancel& cancel)
{
    if (!filePath.empty())
        return DownloadUrl(CString(url.c_str()), nullptr, CString(filePath.c_str()), &progress, &cancel);
    char* memory = nullptr;
    const int received = DownloadUrl(CString(url.c_str()), &memory, CString(), nullptr, &cancel);
    if (received > 0 && memory != nullptr)
        body.assign(memory, static_cast<std::size_t>(received));
    std::free(memory);
    return received;
}
