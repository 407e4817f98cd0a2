// The readers of the firmware index, the revision list and the settings
// archive on texts of n and 16 n bytes: best of several runs each, and the
// ratio of the two times, which stays near 16 for a reader that walks its
// text once (a reader that cut each line off the front of the rest would
// show about 256). Not a test.
//
//   list_readers_bench [kilobytes=256] [runs=5]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "device/DeviceConfig.h"
#include "firmware/FirmwareIndex.h"
#include "firmware/RevisionsList.h"
#include "firmware/SettingsArchive.h"

namespace {

// Lines of other models until the text holds at least bytes, then the unit's
// own block, so that the reader walks all of it.
std::wstring IndexText(std::size_t bytes)
{
    std::wstring text;
    for (int i = 0; text.size() < bytes; ++i) {
        text += L"Other" + std::to_wstring(i % 97) + L":V1." + std::to_wstring(i % 10) + L":other" +
                std::to_wstring(i) + L".img\r\n";
        text += L"Other" + std::to_wstring(i % 97) + L":V2.0:French:fr" + std::to_wstring(i) + L".img\r\n";
    }
    return text + L"Vel8:V2.0:English:e.img\r\nVel8:V2.0:French:f.img\r\nVel8:4\r\n";
}

// Backups of other versions of the unit and of other models, then the one
// that matches the archive.
std::wstring RevisionsText(std::size_t bytes)
{
    std::wstring text;
    for (int i = 0; text.size() < bytes; ++i) {
        text += L"Vel8:V1." + std::to_wstring(i % 9) + L":old" + std::to_wstring(i) + L".img\r\n";
        text += L"Other:V4.2:German:o" + std::to_wstring(i) + L".img\r\n";
    }
    return text + L"Vel8:V4.2:English:e.img\r\nVel8:V4.2:French:f.img\r\n";
}

// An archive's lines over and over (the last of each key wins).
std::wstring ArchiveText(std::size_t bytes)
{
    DeviceConfig device;
    device.m_modelCode = 0x4D10;
    device.m_deviceName = L"QUOR 20S EVO";
    const std::wstring one = FormatSettingsArchive(device, 1700000000);
    std::wstring text;
    while (text.size() < bytes)
        text += one;
    return text;
}

double BestSeconds(int runs, const std::function<void()>& read)
{
    double best = 1e30;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        read();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

// Prints one reader's times at n and 16 n characters and their ratio; false
// when the larger text took more than twenty times as long.
bool Measure(const char* name, int runs, const std::wstring& small, const std::wstring& large,
             const std::function<void(const std::wstring&)>& read)
{
    const double smallTime = BestSeconds(runs, [&] { read(small); });
    const double largeTime = BestSeconds(runs, [&] { read(large); });
    const double ratio = largeTime / smallTime;
    std::printf("%-14s %9zu chars %9.4f s   %9zu chars %9.4f s   ratio %5.1f (input x%.1f)\n", name, small.size(),
                smallTime, large.size(), largeTime, ratio,
                static_cast<double>(large.size()) / static_cast<double>(small.size()));
    return ratio <= 20.0;
}

} // namespace

int main(int argc, char** argv)
{
    const long kilobytes = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 256;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    const std::size_t n = static_cast<std::size_t>(kilobytes) * 1024;

    FirmwareIndexQuery index;
    index.unitKey = L"Vel8";
    index.modelCode = 0x4D10;
    index.firmwareLanguage = L"French";
    DeviceConfig archive;
    archive.m_modelCode = 0x4D10;
    archive.SetFirmwareVersionText(L"4.2");
    RevisionsQuery revisions;
    revisions.modelKey = L"Vel8";
    revisions.modelCode = 0x4D10;
    revisions.archive = &archive;

    bool linear = true;
    linear &= Measure("firmware index", runs, IndexText(n), IndexText(16 * n), [&](const std::wstring& text) {
        if (ParseFirmwareIndex(text, index).serverFile != L"f.img")
            std::exit(1);
    });
    linear &= Measure("revision list", runs, RevisionsText(n), RevisionsText(16 * n), [&](const std::wstring& text) {
        if (!MatchRevisionsList(text, revisions).ready)
            std::exit(1);
    });
    linear &= Measure("archive", runs, ArchiveText(n), ArchiveText(16 * n), [&](const std::wstring& text) {
        if (ParseSettingsArchive(text).m_modelCode != 0x4D10)
            std::exit(1);
    });
    std::printf(linear ? "every reader linear: 16 x the input took at most 20 x the time\n"
                       : "a reader grew faster than its input\n");
    return linear ? 0 : 1;
}
