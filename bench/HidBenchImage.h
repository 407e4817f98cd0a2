#pragma once
// What the two HID image benchmarks share: an image of four sections, about
// 1 MiB, for the pair unit, and the worker's host set up for a timed run with
// the unit's two interfaces opened.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

#include "link/HidChannel.h"
#include "link/MakerUsb.h"
#include "tests/firmware/ImageBuilder.h"
#include "tests/firmware/WorkerTestHost.h"

constexpr int kHidBenchSections = 4;

inline std::filesystem::path WriteHidBenchImage(const char* name)
{
    std::vector<BuiltSection> sections;
    const std::size_t sizes[kHidBenchSections] = {400000, 300000, 200000, 148576};
    for (std::uint32_t i = 0; i < kHidBenchSections; ++i)
        sections.push_back(SectionOf(i == 1 ? 1 : 0, i, sizes[i], static_cast<std::uint8_t>(i)));
    const std::filesystem::path file = std::filesystem::temp_directory_path() / name;
    const std::vector<std::uint8_t> image = BuildImage(kHidPairModelCode, sections);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    return file;
}

inline void SetUpHidBenchHost(WorkerTestHost& host, const std::filesystem::path& image)
{
    host.model = host.usbStatus = kHidPairModelCode;
    host.page = 4; // no settings archive in the timed run
    host.primary = OpenHidInterface(kHidPairPrimaryProductId);
    host.secondary = OpenHidInterface(kHidPairSecondaryProductId);
    host.job->Lock()->m_imagePath = image.wstring();
}
