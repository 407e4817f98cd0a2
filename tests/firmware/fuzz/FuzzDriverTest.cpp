// Runs the fuzz targets in CI without libFuzzer: every seed of the corpus, then
// random mutations of the seeds for a bounded time (QUOR_FUZZ_SECONDS, 3 by
// default) from a fixed random seed (QUOR_FUZZ_SEED), so a failure repeats.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "tests/firmware/ImageBuilder.h"
#include "tests/firmware/fuzz/FuzzTargets.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Target = void (*)(const std::uint8_t*, std::size_t);

std::vector<Bytes> LoadSeeds(const char* kind)
{
    std::vector<Bytes> seeds;
    const std::filesystem::path folder = std::filesystem::path(QUOR_FUZZ_CORPUS) / kind;
    for (const auto& file : std::filesystem::directory_iterator(folder)) {
        std::ifstream in(file.path(), std::ios::binary);
        seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return seeds;
}

long EnvNumber(const char* name, long fallback)
{
    const char* text = std::getenv(name);
    return text ? std::strtol(text, nullptr, 10) : fallback;
}

void Mutate(std::mt19937& random, Bytes& bytes, const std::vector<Bytes>& seeds)
{
    const int steps = 1 + static_cast<int>(random() % 4);
    for (int step = 0; step < steps; ++step) {
        const std::size_t at = bytes.empty() ? 0 : random() % bytes.size();
        switch (random() % 7) {
        case 0:
            if (!bytes.empty())
                bytes[at] ^= static_cast<std::uint8_t>(1u << (random() % 8));
            break;
        case 1:
            if (!bytes.empty())
                bytes[at] = static_cast<std::uint8_t>(random());
            break;
        case 2:
            bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at), static_cast<std::uint8_t>(random()));
            break;
        case 3:
            if (!bytes.empty())
                bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                            bytes.begin() + static_cast<std::ptrdiff_t>(std::min(bytes.size(), at + random() % 16)));
            break;
        case 4: {
            // Interesting values, little-endian, where a count or an offset might stand.
            static const std::uint32_t kValues[] = {0, 1, 2, 3, 35, 36, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0x3020};
            const std::uint32_t value = kValues[random() % 10];
            for (int i = 0; i < 4 && at + static_cast<std::size_t>(i) < bytes.size(); ++i)
                bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
            break;
        }
        case 5: {
            static const char* const kPieces[] = {
                ":", "\n", "\r\n", "=", "..", "/", "keySpeedDial0", "Vel8:V", "English", "LENSA:", "keyFMRadioPreset1"};
            const std::string piece = kPieces[random() % 11];
            bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at), piece.begin(), piece.end());
            break;
        }
        default: {
            const Bytes& other = seeds[random() % seeds.size()];
            if (other.empty())
                break;
            const std::size_t from = random() % other.size();
            const std::size_t length = std::min<std::size_t>(other.size() - from, random() % 64);
            bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                         other.begin() + static_cast<std::ptrdiff_t>(from),
                         other.begin() + static_cast<std::ptrdiff_t>(from + length));
            break;
        }
        }
    }
}

// A well-formed container with random sections for a random reader, so the
// checks past the digests are reached too.
Bytes RandomContainer(std::mt19937& random)
{
    std::vector<BuiltSection> sections;
    const int count = static_cast<int>(random() % 5);
    for (int i = 0; i < count; ++i)
        sections.push_back(SectionOf(random() % 4, static_cast<std::uint32_t>(i), random() % 200,
                                     static_cast<std::uint8_t>(random())));
    const std::uint32_t models[] = {0x4210, 0x5510, 0x3020, 0x4310, 0};
    const Bytes image = BuildImage(models[random() % 5], sections, (random() % 2) ? "abc" : "");
    Bytes input(1, static_cast<std::uint8_t>(random()));
    input.insert(input.end(), image.begin(), image.end());
    return input;
}

void Fuzz(const char* kind, Target target, bool structuredContainers)
{
    PrepareFuzzTargets();
    const std::vector<Bytes> seeds = LoadSeeds(kind);
    ASSERT_FALSE(seeds.empty()) << kind;
    for (const Bytes& seed : seeds)
        target(seed.data(), seed.size());
    std::mt19937 random(static_cast<std::mt19937::result_type>(EnvNumber("QUOR_FUZZ_SEED", 20261210)));
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(EnvNumber("QUOR_FUZZ_SECONDS", 3));
    long runs = 0;
    while (std::chrono::steady_clock::now() < end) {
        Bytes input = structuredContainers && random() % 2 ? RandomContainer(random) : seeds[random() % seeds.size()];
        if (random() % 4 != 0)
            Mutate(random, input, seeds);
        target(input.data(), input.size());
        ++runs;
    }
    ::testing::Test::RecordProperty("runs", std::to_string(runs));
}

TEST(FirmwareFuzz, ContainerCheck)
{
    Fuzz("container", FuzzContainerCheck, true);
}

TEST(FirmwareFuzz, ServerLists)
{
    Fuzz("index", FuzzServerLists, false);
}

TEST(FirmwareFuzz, SettingsArchiveWriterAndReader)
{
    Fuzz("archive", FuzzSettingsArchive, false);
}

} // namespace
