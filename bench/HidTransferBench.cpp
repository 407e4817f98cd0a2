// How close a HID image worker comes to the full-speed USB floor: a whole
// image of several sections, about 1 MiB, sent by the pair worker to the
// simulated unit with the USB timing model on, timed from the first section
// start to the last section end and set against the frames the model counted
// for the reports sent in that time. A benchmark, not a test: it prints.
//   cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUOR_SANITIZE=OFF
//   cmake --build build/bench --target hid_transfer_bench && build/bench/bench/hid_transfer_bench

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "device/FirmwareInfo.h"
#include "firmware/FirmwareWaitForTests.h"
#include "firmware/ImageWorkers.h"
#include "link/HidChannel.h"
#include "link/MakerUsb.h"
#include "sim/SimHeadset.h"
#include "tests/firmware/ImageBuilder.h"
#include "tests/firmware/WorkerTestHost.h"

int main()
{
    SetFirmwareWaitPercentForTests(0);
    SimHeadset sim;
    sim.Install();
    sim.AddHidPairUnit();

    std::vector<BuiltSection> sections;
    const std::size_t sizes[] = {400000, 300000, 200000, 148576};
    for (std::uint32_t i = 0; i < 4; ++i)
        sections.push_back(SectionOf(i == 1 ? 1 : 0, i, sizes[i], static_cast<std::uint8_t>(i)));
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "quor-hid-transfer-bench.img";
    {
        const std::vector<std::uint8_t> image = BuildImage(kHidPairModelCode, sections);
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    }

    WorkerTestHost host;
    host.model = host.usbStatus = kHidPairModelCode;
    host.page = 4; // no settings archive in the timed run
    host.primary = OpenHidInterface(kHidPairPrimaryProductId);
    host.secondary = OpenHidInterface(kHidPairSecondaryProductId);
    host.job->Lock()->m_imagePath = file.wstring();
    sim.ClearLog();
    sim.SetUsbTimingModel(true);
    host.Run(DualChannelImageUpdateThread);
    sim.SetUsbTimingModel(false);
    std::filesystem::remove(file);
    if (host.Job().m_finished) {
        std::printf("transfer failed\n");
        return 1;
    }

    // From the start of the first section start's write to the end of the
    // reply that closed the last section.
    const std::vector<SimLogEntry>& log = sim.Log();
    std::size_t first = log.size();
    std::size_t lastEnd = 0;
    for (std::size_t i = 0; i < log.size(); ++i) {
        if (log[i].kind != SimLogKind::Write || log[i].bytes.size() < 2)
            continue;
        if (log[i].bytes[1] == kHidCmdStartSection && first == log.size())
            first = i;
        if (log[i].bytes[1] == kHidCmdEndSection)
            lastEnd = i;
    }
    std::size_t last = lastEnd;
    for (std::size_t i = lastEnd + 1; i < log.size() && log[i].kind != SimLogKind::Write; ++i) {
        if (log[i].kind == SimLogKind::Read)
            last = i;
    }
    std::int64_t frames = 0;
    int reports = 0;
    for (std::size_t i = first; i <= last; ++i) {
        frames += log[i].frames;
        reports += log[i].kind == SimLogKind::Write && log[i].bytes[1] == kHidCmdSectionData ? 1 : 0;
    }
    const double elapsedMs = (log[last].endUs - (log[first].endUs - log[first].frames * 1000)) / 1000.0;
    std::printf("bytes %zu, data reports %d, floor %lld ms, elapsed %.1f ms, ratio %.4f\n",
                static_cast<std::size_t>(sizes[0] + sizes[1] + sizes[2] + sizes[3]), reports,
                static_cast<long long>(frames), elapsedMs, elapsedMs / static_cast<double>(frames));
    return 0;
}
