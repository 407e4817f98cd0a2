#include "link/DownloadBody.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <cwctype>

#include "link/LinkBounds.h"

bool ParseContentLength(const std::wstring& text, std::uint64_t* length)
{
    std::size_t i = 0;
    while (i < text.size() && std::iswspace(text[i]))
        ++i;
    std::size_t end = text.size();
    while (end > i && std::iswspace(text[end - 1]))
        --end;
    if (i == end)
        return false;
    std::uint64_t value = 0;
    for (; i < end; ++i) {
        const wchar_t c = text[i];
        if (c < L'0' || c > L'9')
            return false;
        const unsigned digit = static_cast<unsigned>(c - L'0');
        if (value > (UINT64_MAX - digit) / 10)
            return false;
        value = value * 10 + digit;
    }
    *length = value;
    return true;
}

bool IsChunkedEncoding(const std::wstring& text)
{
    std::wstring lower;
    for (wchar_t c : text)
        lower += static_cast<wchar_t>(std::towlower(c));
    return lower.find(L"chunked") != std::wstring::npos;
}

bool IsRedirectStatus(unsigned status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

namespace {

bool StartsWithIgnoringCase(const std::wstring& text, const wchar_t* prefix)
{
    std::size_t i = 0;
    for (; prefix[i] != L'\0'; ++i) {
        if (i >= text.size() || std::towlower(text[i]) != std::towlower(prefix[i]))
            return false;
    }
    return true;
}

bool EqualsIgnoringCase(const std::wstring& text, const wchar_t* word)
{
    return text.size() == std::wcslen(word) && StartsWithIgnoringCase(text, word);
}

std::wstring TrimmedHeaderText(const std::wstring& text, std::size_t from, std::size_t to)
{
    while (from < to && std::iswspace(text[from]))
        ++from;
    while (to > from && std::iswspace(text[to - 1]))
        --to;
    return text.substr(from, to - from);
}

// "HTTP/1." and one digit, a space, and three digits for the status.
bool ReadStatusLine(const std::wstring& line, unsigned* status)
{
    const std::size_t versionLength = 8; // "HTTP/1.x"
    if (line.size() < versionLength + 4 || line.compare(0, 7, L"HTTP/1.") != 0 || !std::iswdigit(line[7]) ||
        line[versionLength] != L' ')
        return false;
    unsigned value = 0;
    for (std::size_t i = versionLength + 1; i < versionLength + 4; ++i) {
        if (line[i] < L'0' || line[i] > L'9')
            return false;
        value = value * 10 + static_cast<unsigned>(line[i] - L'0');
    }
    if (line.size() > versionLength + 4 && line[versionLength + 4] != L' ')
        return false;
    *status = value;
    return true;
}

} // namespace

DownloadResponse ReadDownloadResponse(const std::wstring& headerBlock)
{
    DownloadResponse response;
    std::size_t at = 0;
    bool statusRead = false;
    int headers = 0;
    int lengths = 0;
    while (at < headerBlock.size()) {
        std::size_t end = headerBlock.find(L'\n', at);
        if (end == std::wstring::npos)
            end = headerBlock.size();
        std::size_t lineEnd = end;
        if (lineEnd > at && headerBlock[lineEnd - 1] == L'\r')
            --lineEnd;
        const std::wstring line = headerBlock.substr(at, lineEnd - at);
        at = end + 1;
        if (!statusRead) {
            statusRead = true;
            if (!ReadStatusLine(line, &response.m_status))
                response.m_malformed = true;
            continue;
        }
        if (line.empty())
            break;
        const std::size_t colon = line.find(L':');
        if (colon == std::wstring::npos || colon == 0) {
            response.m_malformed = true;
            continue;
        }
        ++headers;
        const std::wstring name = TrimmedHeaderText(line, 0, colon);
        const std::wstring value = TrimmedHeaderText(line, colon + 1, line.size());
        if (EqualsIgnoringCase(name, L"Content-Length")) {
            std::uint64_t length = 0;
            if (!ParseContentLength(value, &length) || (lengths > 0 && length != response.m_length))
                response.m_malformed = true;
            response.m_length = length;
            response.m_hasLength = true;
            ++lengths;
        } else if (EqualsIgnoringCase(name, L"Content-Encoding")) {
            // The request asks for no coding; a body in one is not the file.
            if (!EqualsIgnoringCase(value, L"identity"))
                response.m_malformed = true;
        } else if (EqualsIgnoringCase(name, L"Transfer-Encoding")) {
            if (IsChunkedEncoding(value))
                response.m_chunked = true;
            else if (!EqualsIgnoringCase(value, L"identity"))
                response.m_malformed = true;
        }
    }
    if (!statusRead || headers == 0)
        response.m_malformed = true;
    if (response.m_malformed)
        response.m_hasLength = false;
    return response;
}

bool IsAcceptableRedirect(const std::wstring& from, const std::wstring& to)
{
    if (StartsWithIgnoringCase(to, L"https://"))
        return true;
    return StartsWithIgnoringCase(to, L"http://") && !StartsWithIgnoringCase(from, L"https://");
}

bool IsBodyComplete(const DownloadResponse& response, std::uint64_t received, bool readsEndedCleanly)
{
    if (response.m_status != 200 || response.m_malformed || !readsEndedCleanly)
        return false;
    // The request is an HTTP/1.0 one, which a server may not answer chunked;
    // one that does anyway cannot show that its final chunk came, because the
    // reads report a chunked body cut short as a clean end.
    if (response.m_chunked)
        return false;
    if (response.m_hasLength)
        return received == response.m_length;
    return true;
}

bool FitsDownloadResult(std::uint64_t bytes)
{
    return bytes <= static_cast<std::uint64_t>(INT_MAX);
}

DownloadMemoryBlock::DownloadMemoryBlock(std::size_t firstBlock, std::size_t cap)
    : m_block(static_cast<char*>(std::calloc(firstBlock > 0 ? firstBlock : 1, 1))),
      m_capacity(m_block != nullptr ? (firstBlock > 0 ? firstBlock : 1) : 0), m_cap(cap)
{}

DownloadMemoryBlock::~DownloadMemoryBlock()
{
    std::free(m_block);
}

bool DownloadMemoryBlock::Append(const char* data, std::size_t size)
{
    if (m_block == nullptr || size > m_cap || m_size > m_cap - size)
        return false;
    const std::size_t needed = m_size + size + 1; // one zero byte after the body
    if (needed > m_capacity) {
        std::size_t grown = m_capacity;
        while (grown < needed)
            grown = grown <= SIZE_MAX / 2 ? grown * 2 : needed;
        char* block = static_cast<char*>(std::calloc(grown, 1));
        if (block == nullptr)
            return false;
        std::memcpy(block, m_block, m_size);
        std::free(m_block);
        m_block = block;
        m_capacity = grown;
    }
    std::memcpy(m_block + m_size, data, size);
    m_size += size;
    return true;
}

char* DownloadMemoryBlock::Release()
{
    char* block = m_block;
    m_block = nullptr;
    m_capacity = 0;
    m_size = 0;
    return block;
}

DownloadBounds ShippedDownloadBounds()
{
    return DownloadBounds{kDownloadConnectTimeoutMs, kDownloadSendTimeoutMs, kDownloadReceiveTimeoutMs,
                          kDownloadDeadlineMs,       kDownloadMaxRedirects,  kDownloadMemoryCap};
}

DownloadBounds ShippedListDownloadBounds()
{
    return DownloadBounds{kListDownloadConnectTimeoutMs, kListDownloadSendTimeoutMs, kListDownloadReceiveTimeoutMs,
                          kListDownloadDeadlineMs,       kDownloadMaxRedirects,      kDownloadMemoryCap};
}
