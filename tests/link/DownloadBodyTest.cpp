#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cwchar>
#include <string>

#include "link/DownloadBody.h"
#include "link/LinkBounds.h"

namespace {

TEST(DownloadBody, ContentLengthIsDigitsThatFitSixtyFourBits)
{
    struct Case {
        const wchar_t* text;
        bool ok;
        std::uint64_t length;
    };
    const Case cases[] = {
        {L"0", true, 0},
        {L" 3000 ", true, 3000},
        {L"18446744073709551615", true, UINT64_MAX},
        {L"18446744073709551616", false, 0}, // one more wraps
        {L"", false, 0},
        {L"  ", false, 0},
        {L"-1", false, 0},
        {L"+5", false, 0},
        {L"12ab", false, 0},
        {L"1 2", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text, c.text + std::wcslen(c.text)));
        std::uint64_t length = 77;
        EXPECT_EQ(ParseContentLength(c.text, &length), c.ok);
        EXPECT_EQ(length, c.ok ? c.length : 77u);
    }
}

TEST(DownloadBody, OnlyAWholeTwoHundredBodyIsComplete)
{
    DownloadResponse ok;
    ok.m_status = 200;
    ok.m_hasLength = true;
    ok.m_length = 4000;
    EXPECT_TRUE(IsBodyComplete(ok, 4000, true));
    EXPECT_FALSE(IsBodyComplete(ok, 3999, true)); // closed early
    EXPECT_FALSE(IsBodyComplete(ok, 4001, true));
    EXPECT_FALSE(IsBodyComplete(ok, 4000, false)); // the last read failed

    DownloadResponse closeEnded;
    closeEnded.m_status = 200;
    EXPECT_TRUE(IsBodyComplete(closeEnded, 0, true));
    EXPECT_TRUE(IsBodyComplete(closeEnded, 12345, true));
    EXPECT_FALSE(IsBodyComplete(closeEnded, 12345, false));

    DownloadResponse chunked;
    chunked.m_status = 200;
    chunked.m_chunked = true;
    EXPECT_FALSE(IsBodyComplete(chunked, 2000, true));

    for (unsigned status : {204u, 206u, 301u, 302u, 304u, 404u, 500u}) {
        DownloadResponse other = ok;
        other.m_status = status;
        EXPECT_FALSE(IsBodyComplete(other, 4000, true)) << status;
    }
    EXPECT_TRUE(IsRedirectStatus(302));
    EXPECT_TRUE(IsRedirectStatus(308));
    EXPECT_FALSE(IsRedirectStatus(304)); // not modified points nowhere
    EXPECT_FALSE(IsRedirectStatus(300));
    EXPECT_TRUE(IsChunkedEncoding(L"Chunked"));
    EXPECT_TRUE(IsChunkedEncoding(L"gzip, chunked"));
    EXPECT_FALSE(IsChunkedEncoding(L"identity"));
}

// The header block as WinINet hands it over, and what it says. Every answer
// the probe of a misbehaving server found taken for a success is here.
TEST(DownloadBody, OnlyAWellFormedAnswerCanBeTaken)
{
    struct Case {
        const char* what;
        const wchar_t* headers;
        unsigned status;
        bool malformed;
        bool hasLength;
        std::uint64_t length;
        bool chunked;
    };
    // clang-format off
    const Case cases[] = {
        {"a plain answer",             L"HTTP/1.1 200 OK\r\nContent-Length: 5000\r\n\r\n",                200, false, true,  5000, false},
        {"HTTP/1.0 closed at the end", L"HTTP/1.0 200 OK\r\nServer: x\r\n\r\n",                          200, false, false, 0,    false},
        {"no reason phrase",           L"HTTP/1.1 200\r\nDate: now\r\n\r\n",                              200, false, false, 0,    false},
        {"LF alone ends lines",        L"HTTP/1.1 200 OK\nContent-Length: 7\n\n",                          200, false, true,  7,    false},
        {"a redirect",                 L"HTTP/1.1 302 Found\r\nLocation: /x\r\n\r\n",                     302, false, false, 0,    false},
        {"two lengths that agree",     L"HTTP/1.1 200 OK\r\nContent-Length: 12\r\ncontent-length:12\r\n\r\n", 200, false, true, 12, false},
        {"identity coding",            L"HTTP/1.1 200 OK\r\nContent-Encoding: Identity\r\nDate: d\r\n\r\n", 200, false, false, 0, false},
        {"chunked",                    L"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n",         200, false, false, 0,    true},
        // WinINet's report of "XYZZY 200 OK": the line taken for the status, the rest for the body.
        {"not HTTP at all",            L"HTTP/1.0 200 OK\r\n\r\n",                                          200, true,  false, 0,    false},
        {"nothing",                    L"",                                                                0,   true,  false, 0,    false},
        {"a status line of its own",   L"XYZZY 200 OK\r\nContent-Length: 5000\r\n\r\n",                     0,   true,  false, 0,    false},
        {"HTTP/0.9",                   L"HTTP/0.9 200 OK\r\nContent-Length: 5000\r\n\r\n",                  0,   true,  false, 0,    false},
        {"HTTP/2",                     L"HTTP/2 200 OK\r\nContent-Length: 5000\r\n\r\n",                    0,   true,  false, 0,    false},
        {"a status of two digits",     L"HTTP/1.1 20 OK\r\nDate: d\r\n\r\n",                                0,   true,  false, 0,    false},
        {"a status of four digits",    L"HTTP/1.1 2000 OK\r\nDate: d\r\n\r\n",                              0,   true,  false, 0,    false},
        {"two lengths that differ",    L"HTTP/1.1 200 OK\r\nContent-Length: 5000\r\nContent-Length: 100000\r\n\r\n", 200, true, false, 0, false},
        {"a negative length",          L"HTTP/1.1 200 OK\r\nContent-Length: -5\r\n\r\n",                   200, true,  false, 0,    false},
        {"a length that is no number", L"HTTP/1.1 200 OK\r\nContent-Length: abc\r\n\r\n",                  200, true,  false, 0,    false},
        {"an empty length",            L"HTTP/1.1 200 OK\r\nContent-Length:\r\n\r\n",                      200, true,  false, 0,    false},
        {"a compressed body",          L"HTTP/1.1 200 OK\r\nContent-Encoding: gzip\r\nContent-Length: 71\r\n\r\n", 200, true, false, 0, false},
        {"a compressed transfer",      L"HTTP/1.1 200 OK\r\nTransfer-Encoding: gzip\r\n\r\n",            200, true,  false, 0,    false},
        {"a header line without name", L"HTTP/1.1 200 OK\r\n: x\r\nDate: d\r\n\r\n",                      200, true,  false, 0,    false},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const DownloadResponse response = ReadDownloadResponse(c.headers);
        EXPECT_EQ(response.m_status, c.status); // 0: no status line read
        EXPECT_EQ(response.m_malformed, c.malformed);
        EXPECT_EQ(response.m_hasLength, c.hasLength);
        if (c.hasLength) {
            EXPECT_EQ(response.m_length, c.length);
        }
        EXPECT_EQ(response.m_chunked, c.chunked);
        // A malformed answer is never a complete body, whatever arrived.
        if (c.malformed) {
            DownloadResponse taken = response;
            taken.m_status = 200;
            EXPECT_FALSE(IsBodyComplete(taken, 5000, true));
        }
    }
}

TEST(DownloadBody, ARedirectNeverLeavesHttpsForHttp)
{
    struct Case {
        const wchar_t* from;
        const wchar_t* to;
        bool followed;
    };
    const Case cases[] = {
        {L"https://h/a", L"https://h/b", true},
        {L"https://h/a", L"HTTPS://g/b", true},
        {L"http://h/a", L"http://h/b", true},
        {L"http://h/a", L"https://h/b", true},
        {L"https://h/a", L"http://h/b", false},
        {L"HTTPS://h/a", L"Http://h/b", false},
        {L"https://h/a", L"ftp://h/b", false},
        {L"http://h/a", L"file:///C:/x.exe", false},
        {L"http://h/a", L"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsAcceptableRedirect(c.from, c.to), c.followed)
            << std::string(c.from, c.from + std::wcslen(c.from)) << " -> "
            << std::string(c.to, c.to + std::wcslen(c.to));
    }
}

TEST(DownloadBody, CountsBeyondTheCallersIntAreRefused)
{
    EXPECT_TRUE(FitsDownloadResult(INT_MAX));
    EXPECT_FALSE(FitsDownloadResult(static_cast<std::uint64_t>(INT_MAX) + 1));
    EXPECT_FALSE(FitsDownloadResult(3000000000u));
}

TEST(DownloadBody, MemoryBlockDoublesKeepsAZeroAfterTheBodyAndStopsAtItsCap)
{
    DownloadMemoryBlock block(kDownloadMemoryFirstBlock, 50000);
    ASSERT_TRUE(block.Valid());
    EXPECT_EQ(block.Capacity(), 10240u);
    const std::string piece(1024, 'x');
    std::size_t growths = 0;
    std::size_t last = block.Capacity();
    for (int i = 0; i < 48; ++i) {
        ASSERT_TRUE(block.Append(piece.data(), piece.size())) << i;
        if (block.Capacity() != last) {
            ++growths;
            EXPECT_EQ(block.Capacity(), 2 * last);
            last = block.Capacity();
        }
        ASSERT_EQ(block.Data()[block.Size()], 0);
    }
    EXPECT_EQ(growths, 3u); // 10240 -> 20480 -> 40960 -> 81920
    EXPECT_EQ(block.Size(), 48u * 1024u);
    // 49152 + 848 = 50000 is the cap itself; one byte more is refused and
    // changes nothing.
    EXPECT_TRUE(block.Append(piece.data(), 848));
    EXPECT_FALSE(block.Append(piece.data(), 1));
    EXPECT_EQ(block.Size(), 50000u);
    char* released = block.Release();
    EXPECT_EQ(released[50000], 0);
    std::free(released);
    EXPECT_FALSE(block.Valid());
    EXPECT_FALSE(block.Append(piece.data(), 1));

    // A body of exactly the first block grows once for its zero byte.
    DownloadMemoryBlock exact(10240, kDownloadMemoryCap);
    const std::string body(10240, 'y');
    ASSERT_TRUE(exact.Append(body.data(), body.size()));
    EXPECT_EQ(exact.Capacity(), 20480u);
    // A piece too large for the cap on its own does not wrap the size check.
    DownloadMemoryBlock small(16, 100);
    EXPECT_FALSE(small.Append(body.data(), SIZE_MAX));
}

} // namespace
