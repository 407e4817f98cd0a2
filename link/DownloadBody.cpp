#include "link/DownloadBody.h"

#include <climits>
#include <cstdlib>
#include <cstring>
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

bool IsBodyComplete(const DownloadResponse& response, std::uint64_t received, bool readsEndedCleanly)
{
    if (response.m_status != 200 || !readsEndedCleanly)
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
