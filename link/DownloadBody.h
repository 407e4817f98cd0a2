#pragma once
// The rules by which a downloaded body counts as complete, and the growing
// memory block of a memory download. Portable, so that the rules are tested
// natively; the WinINet side only feeds them.

#include <cstddef>
#include <cstdint>
#include <string>

// What the response said about its body.
struct DownloadResponse {
    unsigned m_status = 0;
    bool m_hasLength = false; // a usable Content-Length was sent
    std::uint64_t m_length = 0;
    bool m_chunked = false;
    // The answer cannot be taken whatever its body: no "HTTP/1.x" status line,
    // no header at all, lengths that are no number or disagree, or a body
    // sent in a coding (compressed) instead of as the file itself.
    bool m_malformed = false;
};

// Reads the response's header block as WinINet hands it over (the status line
// and each header line ending in CR LF). WinINet reports an answer that is
// not HTTP at all as a bare "HTTP/1.0 200 OK" without a single header, taking
// its first line for the status and the rest for the body; every server
// this manager talks to sends headers (its date at least), so an answer
// without any is refused.
DownloadResponse ReadDownloadResponse(const std::wstring& headerBlock);

// The Content-Length text as a byte count: decimal digits only (white space
// around them allowed), and no more than 64 bits hold. False otherwise.
bool ParseContentLength(const std::wstring& text, std::uint64_t* length);

// Whether the Transfer-Encoding text names chunked coding.
bool IsChunkedEncoding(const std::wstring& text);

// 301, 302, 303, 307 and 308: the body is elsewhere.
bool IsRedirectStatus(unsigned status);

// Whether a redirect from one absolute URL to another may be followed: only to
// http or https, and never from https down to http, since the installer is
// started with no check but its completeness and rests on the connection.
bool IsAcceptableRedirect(const std::wstring& from, const std::wstring& to);

// The body as received is the whole content: status 200 in a well-formed
// answer, not chunked, and as many bytes as the declared length when there
// was one (without one, the server's close ends the body). A read that failed
// (reset, time-out) is never complete.
bool IsBodyComplete(const DownloadResponse& response, std::uint64_t received, bool readsEndedCleanly);

// Whether a byte count fits the callers' int result.
bool FitsDownloadResult(std::uint64_t bytes);

// A zero-filled malloc block that holds the body with at least one zero byte
// after it. It starts at firstBlock bytes and doubles, so that a body of n
// bytes costs O(n) copying; it refuses to hold more than cap bytes of body.
class DownloadMemoryBlock {
public:
    DownloadMemoryBlock(std::size_t firstBlock, std::size_t cap);
    ~DownloadMemoryBlock();
    DownloadMemoryBlock(const DownloadMemoryBlock&) = delete;
    DownloadMemoryBlock& operator=(const DownloadMemoryBlock&) = delete;

    // False when the first block could not be allocated.
    bool Valid() const { return m_block != nullptr; }
    // False (and nothing appended) when the body would exceed the cap or
    // memory runs out.
    bool Append(const char* data, std::size_t size);
    std::size_t Size() const { return m_size; }
    std::size_t Capacity() const { return m_capacity; }
    const char* Data() const { return m_block; }
    // Hands the block to the caller, who frees it with free.
    char* Release();

private:
    char* m_block;
    std::size_t m_capacity;
    std::size_t m_size = 0;
    std::size_t m_cap;
};

// The bounds one download keeps; the shipped values are those of
// link/LinkBounds.h (an image's and a list's), test programs pass shorter ones.
struct DownloadBounds {
    unsigned m_connectMs;
    unsigned m_sendMs;
    unsigned m_receiveMs;
    unsigned m_deadlineMs;
    int m_maxRedirects;
    std::size_t m_memoryCap;
};

// A file download's: an image or an installer of many MB.
DownloadBounds ShippedDownloadBounds();
// A memory download's: a server list of a few KiB.
DownloadBounds ShippedListDownloadBounds();
