#include "link/Download.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "afx/afxfile.h"
#include "afx/afxinet.h"

namespace {

constexpr UINT kPieceSize = 1024;
constexpr std::size_t kMemoryGrowth = 10240;
// A server that accepts the connection and then says nothing must not hold
// a download (or the UI thread that fetches the lists) for ever.
constexpr DWORD kServerTimeoutMs = 30000;
const wchar_t kPartialSuffix[] = L".download";

struct InternetFileCloser {
    void operator()(CStdioFile* file) const
    {
        file->Close();
        delete file;
    }
};
using InternetFilePtr = std::unique_ptr<CStdioFile, InternetFileCloser>;

// Opens the URL; null when WinINet fails or the server answers with an error
// status, so that an error page is never taken for the content.
InternetFilePtr OpenUrl(CInternetSession& session, const CString& url)
{
    InternetFilePtr file;
    try {
        file.reset(session.OpenURL(url, 1, INTERNET_FLAG_RELOAD | INTERNET_FLAG_TRANSFER_BINARY, nullptr, 0));
    } catch (CInternetException* e) {
        e->Delete();
        return nullptr;
    }
    if (auto* http = dynamic_cast<CHttpFile*>(file.get())) {
        DWORD status = 0;
        if (http->QueryInfoStatusCode(status) && status >= 400)
            return nullptr;
    }
    return file;
}

// Reads one piece; false when the transfer broke off.
bool ReadPiece(CStdioFile& file, char* piece, UINT* read)
{
    try {
        *read = file.Read(piece, kPieceSize);
        return true;
    } catch (CInternetException* e) {
        e->Delete();
        return false;
    }
}

int DownloadToMemory(CStdioFile& file, char** memoryOut)
{
    std::size_t capacity = kMemoryGrowth;
    char* block = static_cast<char*>(std::calloc(capacity, 1));
    if (block == nullptr)
        return kDownloadFailed;
    *memoryOut = block;
    std::size_t total = 0;
    char piece[kPieceSize];
    for (;;) {
        UINT n = 0;
        if (!ReadPiece(file, piece, &n)) {
            std::free(*memoryOut);
            *memoryOut = nullptr;
            return kDownloadFailed;
        }
        if (n == 0)
            break;
        const std::size_t previous = total;
        total += n;
        // Always one zero byte left after the data.
        if (total >= capacity) {
            char* grown = static_cast<char*>(std::calloc(capacity + kMemoryGrowth, 1));
            if (grown == nullptr) {
                std::free(*memoryOut);
                *memoryOut = nullptr;
                return kDownloadFailed;
            }
            std::memcpy(grown, *memoryOut, capacity);
            std::free(*memoryOut);
            *memoryOut = grown;
            capacity += kMemoryGrowth;
        }
        std::memcpy(*memoryOut + previous, piece, n);
    }
    return static_cast<int>(total);
}

int DownloadToFile(CStdioFile& file, const CString& filePath, DownloadProgress* progress)
{
    const CString partial = filePath + kPartialSuffix;
    CFile out;
    if (!out.Open(partial, CFile::typeBinary | CFile::modeCreate | CFile::modeWrite))
        return kDownloadFileError;
    DownloadProgressPublisher publisher(progress);

    int total = 0;
    int result = 0;
    char piece[kPieceSize];
    for (;;) {
        UINT n = 0;
        if (!ReadPiece(file, piece, &n)) {
            result = kDownloadFailed;
            break;
        }
        if (n == 0)
            break;
        if (!out.Write(piece, n)) {
            result = kDownloadFileError;
            break;
        }
        total += static_cast<int>(n);
        publisher.PieceWritten(total);
    }
    if (result == 0 && !out.Flush())
        result = kDownloadFileError;
    out.Close();
    if (result == 0 &&
        !MoveFileExW(partial, filePath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH)) {
        result = kDownloadFileError;
    }
    if (result != 0) {
        DeleteFileW(partial);
        return result;
    }
    publisher.Finished();
    return total;
}

} // namespace

int DownloadUrl(const CString& url, char** memoryOut, const CString& filePath, DownloadProgress* progress)
{
    CInternetSession session(nullptr, 1, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    session.SetTimeouts(kServerTimeoutMs);
    int result = kDownloadFailed;
    if (InternetFilePtr file = OpenUrl(session, url)) {
        result = memoryOut != nullptr ? DownloadToMemory(*file, memoryOut) : DownloadToFile(*file, filePath, progress);
    }
    session.Close();
    return result;
}
