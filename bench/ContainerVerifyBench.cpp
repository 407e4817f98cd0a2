// Container verification (the file read whole the way the platform's build
// reads it, every section's MD5 checked) against md5sum over the same file:
// warm cache, best of several runs each. Not a test.
//
// Natively it makes the file, times both and prints the ratio:
//   firmware_container_bench [megabytes=256] [runs=7]
// The Windows build measures the path the shipped program takes; bench/verify.sh
// runs it under Wine beside md5sum on the same file:
//   firmware_container_bench make <file> [megabytes=256]
//   firmware_container_bench verify <file> [runs=1]   (prints the best time in seconds)
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "firmware/ImageContainer.h"
#include "tests/firmware/ImageBuilder.h"

namespace {

constexpr std::uint32_t kModel = 0x5610;

double Seconds(std::chrono::steady_clock::duration duration)
{
    return std::chrono::duration<double>(duration).count();
}

bool MakeImage(const std::filesystem::path& path, long megabytes)
{
    const std::size_t sectionCount = 4;
    const std::size_t sectionSize = static_cast<std::size_t>(megabytes) * 1024 * 1024 / sectionCount;
    std::vector<BuiltSection> sections;
    for (std::size_t i = 0; i < sectionCount; ++i) {
        BuiltSection section;
        section.id = static_cast<std::uint32_t>(i);
        section.data.resize(sectionSize);
        std::uint32_t state = 0x9E3779B9u + static_cast<std::uint32_t>(i);
        for (std::uint8_t& byte : section.data) {
            state = state * 1664525u + 1013904223u;
            byte = static_cast<std::uint8_t>(state >> 24);
        }
        sections.push_back(std::move(section));
    }
    const std::vector<std::uint8_t> image = BuildImage(kModel, sections);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    return static_cast<bool>(out);
}

ImageCheckOptions Options()
{
    ImageCheckOptions options;
    options.table = ImageTable::kLong;
    options.modelTest = ImageModelTest::kEquality;
    options.expectedModel = kModel;
    return options;
}

// The best of runs verifications, after one that warms the cache; negative
// when the image does not pass.
double BestVerification(const std::filesystem::path& path, int runs)
{
    if (!LoadImageContainer(path.wstring(), Options()).check.Passed())
        return -1;
    double best = 1e30;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const LoadedImage loaded = LoadImageContainer(path.wstring(), Options());
        best = std::min(best, Seconds(std::chrono::steady_clock::now() - start));
        if (!loaded.check.Passed())
            return -1;
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "make") == 0) {
        const long megabytes = argc > 3 ? std::strtol(argv[3], nullptr, 10) : 256;
        return MakeImage(argv[2], megabytes) ? 0 : 1;
    }
    if (argc >= 3 && std::strcmp(argv[1], "verify") == 0) {
        const double best = BestVerification(argv[2], argc > 3 ? std::max(1, std::atoi(argv[3])) : 1);
        if (best < 0) {
            std::fprintf(stderr, "the benchmark image does not pass its own check\n");
            return 1;
        }
        std::printf("%.6f\n", best);
        return 0;
    }

    const long megabytes = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 256;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 7;
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "quor-container-bench.img";
    if (!MakeImage(path, megabytes))
        return 1;
    const double size = static_cast<double>(std::filesystem::file_size(path));
    const std::string md5sum = "md5sum '" + path.string() + "' > /dev/null";
    if (std::system(md5sum.c_str()) != 0) {
        std::fprintf(stderr, "md5sum could not be run\n");
        return 1;
    }

    double bestOurs = 1e30;
    double bestMd5sum = 1e30;
    for (int run = 0; run < runs; ++run) {
        const double ours = BestVerification(path, 1);
        if (ours < 0)
            return 1;
        bestOurs = std::min(bestOurs, ours);
        const auto start = std::chrono::steady_clock::now();
        if (std::system(md5sum.c_str()) != 0)
            return 1;
        bestMd5sum = std::min(bestMd5sum, Seconds(std::chrono::steady_clock::now() - start));
    }
    std::filesystem::remove(path);

    const double ours = size / bestOurs / 1e6;
    const double theirs = size / bestMd5sum / 1e6;
    std::printf("container verification: %.0f MB/s (best of %d)\n", ours, runs);
    std::printf("md5sum:                 %.0f MB/s (best of %d)\n", theirs, runs);
    std::printf("ratio: %.2fx md5sum's throughput (file %.0f MB, warm cache)\n", ours / theirs, size / 1e6);
    return 0;
}
