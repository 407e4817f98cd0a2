#pragma once
// Builds firmware image containers for the tests, the fuzz targets' seeds and
// the benchmark: a header, both section tables with correct digests, the data.

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

extern "C" {
#include <md5.h>
}

struct BuiltSection {
    std::uint32_t type = 0;
    std::uint32_t id = 0;
    std::vector<std::uint8_t> data;
    std::uint32_t versionMajor = 0;
    std::uint32_t versionMinor = 0;
};

inline void PutU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

inline void Md5Of(const std::uint8_t* data, std::size_t size, std::uint8_t (&digest)[16])
{
    MD5_CTX context;
    MD5Init(&context);
    MD5Update(&context, data, size);
    MD5Final(digest, &context);
}

// The sections follow the two tables in order. name is copied into the name
// field (at most 24 bytes, NUL-padded).
inline std::vector<std::uint8_t> BuildImage(std::uint32_t modelCode, const std::vector<BuiltSection>& sections,
                                            const std::string& name = "image")
{
    const std::size_t count = sections.size();
    const std::size_t shortTable = 36;
    const std::size_t longTable = shortTable + 32 * count;
    std::size_t dataAt = longTable + 312 * count;
    std::size_t total = dataAt;
    for (const BuiltSection& section : sections)
        total += section.data.size();
    std::vector<std::uint8_t> bytes(total, 0);
    std::memcpy(bytes.data(), name.data(), name.size() < 24 ? name.size() : 24);
    PutU32(bytes, 28, modelCode);
    PutU32(bytes, 32, static_cast<std::uint32_t>(count));
    for (std::size_t i = 0; i < count; ++i) {
        const BuiltSection& section = sections[i];
        std::uint8_t digest[16];
        Md5Of(section.data.data(), section.data.size(), digest);
        const std::size_t shortEntry = shortTable + 32 * i;
        const std::size_t longEntry = longTable + 312 * i;
        for (std::size_t entry : {shortEntry, longEntry}) {
            PutU32(bytes, entry, section.type);
            PutU32(bytes, entry + 4, section.id);
            PutU32(bytes, entry + 8, static_cast<std::uint32_t>(dataAt));
            PutU32(bytes, entry + 12, static_cast<std::uint32_t>(section.data.size()));
        }
        PutU32(bytes, longEntry + 16, section.versionMajor);
        PutU32(bytes, longEntry + 20, section.versionMinor);
        std::memcpy(bytes.data() + shortEntry + 16, digest, 16);
        std::memcpy(bytes.data() + longEntry + 296, digest, 16);
        if (!section.data.empty())
            std::memcpy(bytes.data() + dataAt, section.data.data(), section.data.size());
        dataAt += section.data.size();
    }
    return bytes;
}

inline BuiltSection SectionOf(std::uint32_t type, std::uint32_t id, std::size_t size, std::uint8_t seed)
{
    BuiltSection section;
    section.type = type;
    section.id = id;
    section.data.resize(size);
    for (std::size_t i = 0; i < size; ++i)
        section.data[i] = static_cast<std::uint8_t>(seed + i * 7);
    return section;
}
