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
#include "bench/HidBenchImage.h"

int main()
{
    SetFirmwareWaitPercentForTests(0);
    SimHeadset sim;
    sim.Install();
    sim.AddHidPairUnit();

    const std::filesystem::path file = WriteHidBenchImage("quor-hid-transfer-bench.img");
    WorkerTestHost host;
    SetUpHidBenchHost(host, file);
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
    std::printf("data reports %d, floor %lld ms, elapsed %.1f ms, ratio %.4f\n", reports,
                static_cast<long long>(frames), elapsedMs, elapsedMs / static_cast<double>(frames));
    return 0;
}
