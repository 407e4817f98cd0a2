// The digest library the firmware checks stand on gives the known digests on
// both builds (the Windows one is cross-built from the same source).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

extern "C" {
#include <md5.h>
}

namespace {

std::string Md5Hex(const std::vector<uint8_t>& data, size_t chunk)
{
    MD5_CTX context;
    MD5Init(&context);
    for (size_t at = 0; at < data.size(); at += chunk)
        MD5Update(&context, data.data() + at, std::min(chunk, data.size() - at));
    uint8_t digest[MD5_DIGEST_LENGTH];
    MD5Final(digest, &context);
    std::string hex;
    char pair[3];
    for (uint8_t byte : digest) {
        std::snprintf(pair, sizeof pair, "%02x", byte);
        hex += pair;
    }
    return hex;
}

std::vector<uint8_t> Bytes(const std::string& text)
{
    return std::vector<uint8_t>(text.begin(), text.end());
}

TEST(Md5, KnownDigestsWholeAndInPieces)
{
    struct Case {
        std::string input;
        const char* digest;
    } cases[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {std::string(1000, 'a'), "cabe45dcc9ae5b66ba86600cca6b8ba8"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.digest, Md5Hex(Bytes(c.input), 1 << 20));
        EXPECT_EQ(c.digest, Md5Hex(Bytes(c.input), 7));
    }
}

} // namespace
