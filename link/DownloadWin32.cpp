#include "link/Download.h"

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "afx/afxfile.h"
#include "afx/afxinet.h"
#include "link/DownloadBody.h"
#include "link/DownloadForTests.h"
#include "link/LinkBounds.h"

namespace {

const wchar_t kPartialSuffix[] = L".download";

DownloadBounds g_testBounds;
bool g_hasTestBounds = false;

DownloadBounds Bounds()
{
    return g_hasTestBounds ? g_testBounds : ShippedDownloadBounds();
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

private:
    ULONGLONG m_end;
};

// An opened response whose status is 200, with what it says about its body.
struct OpenedBody {
    InternetFilePtr file;
    DownloadResponse response;
};

DownloadResponse DescribeResponse(CHttpFile& http)
{
    DownloadResponse response;
    DWORD status = 0;
    if (http.QueryInfoStatusCode(status))
        response.m_status = status;
    CString text;
    if (http.QueryInfo(HTTP_QUERY_TRANSFER_ENCODING, text))
        response.m_chunked = IsChunkedEncoding(static_cast<const wchar_t*>(text));
    if (http.QueryInfo(HTTP_QUERY_CONTENT_LENGTH, text))
        response.m_hasLength = ParseContentLength(static_cast<const wchar_t*>(text), &response.m_length);
    return response;
}

// The absolute URL a redirect points at; empty when it names none that this
// downloader can follow.
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
    const bool isHttp = _wcsnicmp(target.c_str(), L"http://", 7) == 0 || _wcsnicmp(target.c_str(), L"https://", 8) == 0;
    return isHttp ? target : std::wstring();
}

// Opens the URL and follows redirects up to the bound. Null when WinINet
// fails, the chain is too long or the final status is not 200, so that an
// error page, an empty 204 or a partial 206 is never taken for the content.
InternetFilePtr OpenBody(CInternetSession& session, const CString& url, const DownloadBounds& bounds,
                         const Deadline& deadline, DownloadResponse* response)
{
    std::wstring current = static_cast<const wchar_t*>(url);
    for (int hop = 0; hop <= bounds.m_maxRedirects; ++hop) {
        if (deadline.Passed())
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
        *response = DescribeResponse(*http);
        if (response->m_status == 200)
            return file;
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
bool ReadBody(CStdioFile& file, const DownloadResponse& response, const Deadline& deadline, std::uint64_t* total,
              Sink sink)
{
    char piece[kDownloadPieceSize];
    for (;;) {
        if (deadline.Passed())
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

bool FlushToDisk(const CString& path)
{
    HANDLE file =
        CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool flushed = FlushFileBuffers(file) != FALSE;
    CloseHandle(file);
    return flushed;
}

int DownloadToMemory(CStdioFile& file, const DownloadResponse& response, const DownloadBounds& bounds,
                     const Deadline& deadline, char** memoryOut)
{
    if (response.m_hasLength && response.m_length > bounds.m_memoryCap)
        return kDownloadFailed;
    DownloadMemoryBlock block(kDownloadMemoryFirstBlock, bounds.m_memoryCap);
    if (!block.Valid())
        return kDownloadFailed;
    std::uint64_t total = 0;
    const bool ended =
        ReadBody(file, response, deadline, &total, [&](const char* piece, UINT n) { return block.Append(piece, n); });
    if (!IsBodyComplete(response, total, ended))
        return kDownloadFailed;
    const int size = static_cast<int>(block.Size());
    *memoryOut = block.Release();
    return size;
}

int DownloadToFile(CStdioFile& file, const DownloadResponse& response, const Deadline& deadline,
                   const CString& filePath, const CString& partial, DownloadProgress* progress)
{
    // A body announced larger than the result can count is refused before
    // anything is written.
    if (response.m_hasLength && !FitsDownloadResult(response.m_length))
        return kDownloadFailed;
    CFile out;
    if (!out.Open(partial, CFile::typeBinary | CFile::modeCreate | CFile::modeWrite))
        return kDownloadFileError;
    DownloadProgressPublisher publisher(progress);

    std::uint64_t total = 0;
    bool writeFailed = false;
    const bool ended = ReadBody(file, response, deadline, &total, [&](const char* piece, UINT n) {
        if (!out.Write(piece, n)) {
            writeFailed = true;
            return false;
        }
        publisher.PieceWritten(static_cast<int>(total));
        return true;
    });
    int result = 0;
    if (writeFailed)
        result = kDownloadFileError;
    else if (!IsBodyComplete(response, total, ended) || total == 0) // nobody wants an empty image
        result = kDownloadFailed;
    if (result == 0 && !out.Flush())
        result = kDownloadFileError;
    out.Close();
    // The data reach the disk before the name does, so that a crash or power
    // cut never leaves a target that is shorter than it looks.
    if (result == 0 && !FlushToDisk(partial))
        result = kDownloadFileError;
    if (result == 0 &&
        !MoveFileExW(partial, filePath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH)) {
        result = kDownloadFileError;
    }
    if (result != 0) {
        DeleteFileW(partial);
        return result;
    }
    publisher.Finished();
    return static_cast<int>(total);
}

} // namespace

void SetDownloadBoundsForTests(const DownloadBounds* bounds)
{
    g_hasTestBounds = bounds != nullptr;
    if (bounds != nullptr)
        g_testBounds = *bounds;
}

int DownloadUrl(const CString& url, char** memoryOut, const CString& filePath, DownloadProgress* progress)
{
    const DownloadBounds bounds = Bounds();
    const Deadline deadline(bounds.m_deadlineMs);
    const CString partial = filePath + kPartialSuffix;
    // A partial file left by a run that was killed goes, whatever this run does.
    if (memoryOut == nullptr && !filePath.IsEmpty())
        DeleteFileW(partial);

    CInternetSession session(nullptr, 1, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    CInternetTimeouts timeouts;
    timeouts.connectMs = bounds.m_connectMs;
    timeouts.sendMs = bounds.m_sendMs;
    timeouts.receiveMs = bounds.m_receiveMs;
    session.SetTimeouts(timeouts);
    int result = kDownloadFailed;
    DownloadResponse response;
    if (InternetFilePtr file = OpenBody(session, url, bounds, deadline, &response)) {
        result = memoryOut != nullptr ? DownloadToMemory(*file, response, bounds, deadline, memoryOut)
                                      : DownloadToFile(*file, response, deadline, filePath, partial, progress);
    }
    session.Close();
    return result;
}
