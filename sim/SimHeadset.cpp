#include "sim/SimHeadset.h"

#include <algorithm>
#include <cstdio>
#include <chrono>
#include <limits>
#include <thread>

#include "link/HidChannel.h"
#include "link/MakerUsb.h"

namespace {

constexpr unsigned char kStatusFailure = 2;

std::vector<std::uint16_t> CharWords(const std::string& text)
{
    std::vector<std::uint16_t> words;
    for (unsigned char c : text)
        words.push_back(c);
    return words;
}

// The loader's CRC-16/XMODEM, worked out bit by bit as the unit does, apart
// from the manager's table-driven one.
std::uint16_t UnitCrc16(const unsigned char* data, std::size_t count)
{
    std::uint16_t crc = 0;
    for (std::size_t i = 0; i < count; ++i) {
        crc = static_cast<std::uint16_t>(crc ^ (data[i] << 8));
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<std::uint16_t>((crc & 0x8000) ? (crc << 1) ^ 0x1021 : crc << 1);
    }
    return crc;
}

} // namespace

void SimHidInterface::SetNameGroup(const std::string& name)
{
    std::vector<std::uint16_t> words{0};
    for (std::uint16_t w : CharWords(name))
        words.push_back(w);
    SetGroup(kHidGroupName, words);
}

void SimHidInterface::SetSpeedDialGroup(int index, const std::string& number)
{
    SetGroup(kHidGroupSpeedDial1 + index, CharWords(number));
}

SimHeadset::SimHeadset() = default;

SimHeadset::~SimHeadset()
{
    if (m_installed)
        SetHidDeviceSeam(nullptr);
    for (Handle* h : m_handles)
        delete h;
}

void SimHeadset::Install()
{
    SetHidDeviceSeam(this);
    m_installed = true;
}

std::wstring SimHeadset::MakePath(int vendorId, int productId, int index)
{
    char text[160];
    std::snprintf(text, sizeof text,
                  "\\\\?\\hid#vid_%04x&pid_%04x&mi_%02d#7&2c1d%04x&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}",
                  vendorId & 0xFFFF, productId & 0xFFFF, index % 100, index & 0xFFFF);
    return std::wstring(text, text + std::char_traits<char>::length(text));
}

SimHidInterface& SimHeadset::AddInterface(int productId, int unit)
{
    auto iface = std::make_unique<SimHidInterface>();
    iface->unit = unit;
    iface->vendorId = kMakerUsbVendorId;
    iface->productId = productId;
    iface->path = MakePath(iface->vendorId, productId, m_nextIndex++);
    m_interfaces.push_back(std::move(iface));
    return *m_interfaces.back();
}

SimHeadset::Pair SimHeadset::AddHidPairUnit(int unit)
{
    SimHidInterface& p = AddInterface(kHidPairPrimaryProductId, unit);
    SimHidInterface& s = AddInterface(kHidPairSecondaryProductId, unit);
    const unsigned char pv[5] = {1, 2, 2, 7, 0};
    const unsigned char sv[5] = {1, 2, 2, 7, 0};
    std::copy(pv, pv + 5, p.version);
    std::copy(sv, sv + 5, s.version);
    const unsigned char pa[6] = {0x00, 0x1A, 0x7D, 0x2C, 0x9B, 0xD2};
    const unsigned char sa[6] = {0x00, 0x1A, 0x7D, 0x2C, 0x9B, 0xD3};
    std::copy(pa, pa + 6, p.address);
    std::copy(sa, sa + 6, s.address);
    s.SetNameGroup("Zenta2 Sim");
    s.SetGroup(kHidGroupBasic, {5, 3, 0xED21, 2, 0, 0, 0, 0, 0, 0});
    s.SetGroup(kHidGroupFm, {0x66E9, 8750, 1, 8750, 9010, 9550, 10110, 10330, 10450, 10610, 10790, 8800, 9000, 1, 0});
    p.SetGroup(kHidGroupHardwareVersion, {1, 1});
    p.SetGroup(kHidGroupState, {0});
    for (int i = 0; i < 3; ++i)
        p.SetSpeedDialGroup(i, "");
    return {&p, &s};
}

int SimHeadset::CountLog(SimLogKind kind) const
{
    return static_cast<int>(
        std::count_if(m_log.begin(), m_log.end(), [kind](const SimLogEntry& e) { return e.kind == kind; }));
}

std::vector<std::vector<unsigned char>> SimHeadset::Requests(int productId) const
{
    std::vector<std::vector<unsigned char>> out;
    for (const SimLogEntry& e : m_log) {
        if (e.kind == SimLogKind::Write && e.productId == productId)
            out.push_back(e.bytes);
    }
    return out;
}

void SimHeadset::FinishLeaving()
{
    for (const auto& iface : m_interfaces) {
        if (iface->m_leaveTo >= 0)
            LeaveBus(iface->unit, iface->m_leaveTo);
    }
}

std::vector<HidInterfaceInfo> SimHeadset::EnumerateInterfaces()
{
    FinishLeaving();
    ++m_enumerations;
    std::vector<HidInterfaceInfo> list;
    for (const auto& iface : m_interfaces) {
        if (iface->m_absentLeft > 0) {
            --iface->m_absentLeft;
            continue;
        }
        HidInterfaceInfo info;
        info.path = iface->path;
        // Like the platform, an interface that refuses to open shows no attributes.
        info.attributesKnown = iface->knobs.openable;
        if (info.attributesKnown) {
            info.vendorId = iface->vendorId;
            info.productId = iface->productId;
            info.usagePage = iface->usagePage;
            info.usage = iface->usage;
        }
        list.push_back(info);
    }
    return list;
}

HidHandle SimHeadset::Open(const std::wstring& path)
{
    FinishLeaving();
    for (const auto& iface : m_interfaces) {
        if (iface->path != path || iface->m_absentLeft > 0)
            continue;
        if (!iface->knobs.openable)
            return nullptr;
        ++m_openCount;
        Handle* h = new Handle{iface.get(), iface->m_generation};
        m_handles.insert(h);
        return h;
    }
    return nullptr;
}

void SimHeadset::Close(HidHandle handle)
{
    Handle* h = static_cast<Handle*>(handle);
    if (m_handles.erase(h) == 0) {
        ++m_badCloses;
        return;
    }
    delete h;
}

SimHidInterface* SimHeadset::Live(HidHandle handle)
{
    Handle* h = static_cast<Handle*>(handle);
    if (m_handles.count(h) == 0)
        return nullptr;
    if (h->generation != h->iface->m_generation)
        return nullptr; // the unit left the bus since
    return h->iface;
}

void SimHeadset::LeaveBus(int unit, int productIdAfter)
{
    for (const auto& iface : m_interfaces) {
        if (iface->unit != unit)
            continue;
        ++iface->m_generation;
        if (productIdAfter != 0)
            iface->productId = productIdAfter;
        iface->path = MakePath(iface->vendorId, iface->productId, m_nextIndex++);
        iface->m_absentLeft = iface->absentEnumerations;
        iface->m_queue.clear();
        iface->m_late.clear();
        iface->m_leaveTo = -1;
    }
}

namespace {

std::int64_t SteadyMicroseconds()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

constexpr std::size_t kFullSpeedFrameBytes = 64;
constexpr std::int64_t kFrameUs = 1000;
constexpr std::int64_t kSpinUs = 30000;

} // namespace

void SimHeadset::PaceTransfer(std::size_t size, SimLogEntry& entry)
{
    if (!m_timing)
        return;
    const int frames = static_cast<int>((size + kFullSpeedFrameBytes - 1) / kFullSpeedFrameBytes);
    const std::int64_t start = std::max(SteadyMicroseconds(), m_busFreeUs);
    const std::int64_t end = start + frames * kFrameUs;
    // Spin without giving the processor away: on a busy machine a sleep's
    // wake-up comes milliseconds late, far beyond the model's resolution, so
    // only a wait longer than any one transfer sleeps through its first part.
    // The model is off unless a benchmark or a test turns it on.
    const std::int64_t left = end - SteadyMicroseconds();
    if (left > kSpinUs)
        std::this_thread::sleep_for(std::chrono::microseconds(left - kSpinUs));
    while (SteadyMicroseconds() < end) {}
    m_busFreeUs = end;
    m_frames += frames;
    entry.endUs = end;
    entry.frames = frames;
}

void SimHeadset::Unplug(int unit)
{
    for (const auto& iface : m_interfaces) {
        if (iface->unit != unit)
            continue;
        ++iface->m_generation;
        iface->unplugged = true;
        iface->m_absentLeft = std::numeric_limits<int>::max();
        iface->m_queue.clear();
        iface->m_late.clear();
        iface->m_leaveTo = -1;
        iface->m_unplugAfterReply = false;
    }
}

void SimHeadset::PlugIn(int unit)
{
    for (const auto& iface : m_interfaces) {
        if (iface->unit != unit || !iface->unplugged)
            continue;
        iface->unplugged = false;
        iface->path = MakePath(iface->vendorId, iface->productId, m_nextIndex++);
        iface->m_absentLeft = 0;
        iface->openSection = -1;
    }
}

void SimHeadset::KeepOffTheBus(int unit, int enumerations)
{
    for (const auto& iface : m_interfaces) {
        if (iface->unit == unit && !iface->unplugged)
            iface->m_absentLeft = std::max(0, enumerations);
    }
}

void SimHeadset::ShowLoader(SimHidInterface& iface)
{
    if (iface.loader == nullptr) {
        SimHidInterface& loader = AddInterface(iface.productIdAfterLoaderRestart, m_nextLoaderUnit++);
        loader.isLoader = true;
        loader.firmware = iface.firmware;
        loader.firmware.loaderBeside = false;
        std::copy(iface.firmware.loaderVersion, iface.firmware.loaderVersion + 4, loader.version);
        loader.version[4] = 0;
        loader.unplugged = true;
        iface.loader = &loader;
    }
    SimHidInterface& loader = *iface.loader;
    if (loader.unplugged)
        PlugIn(loader.unit);
    loader.m_absentLeft = iface.firmware.loaderAbsentEnumerations;
}

unsigned char SimHeadset::AnswerFirmware(SimHidInterface& iface, const unsigned char* request,
                                         std::vector<unsigned char>& reply)
{
    SimFirmwareKnobs& knobs = iface.firmware;
    const int parameter = request[kHidRequestParameter];
    switch (request[kHidRequestCommand]) {
    case kHidCmdQueryReady: {
        const int poll = ++iface.readyPolls;
        const bool ready = knobs.notReadyPolls >= 0 && poll > knobs.notReadyPolls;
        reply[kHidReplyFirstData] = ready ? iface.knobs.readyFlag : 0;
        return kHidStatusDone;
    }
    case kHidCmdStartSection:
        if (++iface.sectionStarts == knobs.failSectionStartAt)
            return kStatusFailure;
        iface.openSection = parameter;
        iface.sections[parameter].clear();
        iface.m_chunkStart = 0;
        return kHidStatusDone;
    case kHidCmdSectionData: {
        const int report = ++iface.dataReports;
        if (knobs.unplugAfterDataReports > 0 && report >= knobs.unplugAfterDataReports)
            iface.m_unplugAfterReply = true;
        const std::size_t length = (static_cast<std::size_t>(request[2]) << 8) | request[3];
        if (iface.openSection < 0 || length > kHidMaxDataPerReport || report == knobs.failDataStatusAt)
            return kStatusFailure;
        std::vector<unsigned char>& data = iface.sections[iface.openSection];
        data.insert(data.end(), request + kHidRequestWords, request + kHidRequestWords + length);
        return kHidStatusDone;
    }
    case kHidCmdEndSection: {
        const bool open = iface.openSection >= 0;
        iface.openSection = -1;
        if (++iface.sectionEnds == knobs.failSectionEndAt || !open)
            return kStatusFailure;
        return kHidStatusDone;
    }
    case kHidCmdFinish:
        if (knobs.failFinish)
            return kStatusFailure;
        ++iface.finishCount;
        if (iface.isLoader) {
            iface.m_unplugAfterReply = true; // the loader finishes and leaves
        } else if (knobs.leaveAfterFinish) {
            iface.m_leaveTo = 0;
        }
        return kHidStatusDone;
    case kHidCmdLoaderChunkCrc:
    case kHidCmdLoaderTotalCrc: {
        if (iface.openSection < 0)
            return kStatusFailure;
        std::vector<unsigned char>& data = iface.sections[iface.openSection];
        const bool chunk = request[kHidRequestCommand] == kHidCmdLoaderChunkCrc;
        const std::size_t from = chunk ? iface.m_chunkStart : 0;
        const std::uint16_t crc =
            UnitCrc16(data.data() + std::min(from, data.size()), data.size() - std::min(from, data.size()));
        const std::uint16_t sent = static_cast<std::uint16_t>(request[4] | (request[5] << 8));
        const bool framed = request[2] == 0 && request[3] == 2;
        if (chunk) {
            ++iface.chunkChecks;
            bool ok = framed && sent == crc;
            if (ok && knobs.failChunkChecks > 0) {
                --knobs.failChunkChecks;
                ok = false;
            }
            if (!ok) {
                // The chunk is not kept: the host sends it again.
                ++iface.chunkCheckFailures;
                data.resize(std::min(iface.m_chunkStart, data.size()));
                return kStatusFailure;
            }
            iface.m_chunkStart = data.size();
            return kHidStatusDone;
        }
        ++iface.sectionChecks;
        bool ok = framed && sent == crc;
        if (ok && knobs.failSectionChecks > 0) {
            --knobs.failSectionChecks;
            ok = false;
        }
        if (!ok) {
            // The host starts the pass again from the section's first byte.
            ++iface.sectionCheckFailures;
            data.clear();
            iface.m_chunkStart = 0;
            return kStatusFailure;
        }
        return kHidStatusDone;
    }
    default: return kStatusFailure;
    }
}

std::vector<unsigned char> SimHeadset::Answer(SimHidInterface& iface, const unsigned char* request)
{
    std::vector<unsigned char> reply(kHidReplySize, 0);
    reply[0] = kHidReportId;
    unsigned char status = kHidStatusDone;
    const int group = request[kHidRequestParameter];
    switch (request[kHidRequestCommand]) {
    case kHidCmdReadVersion:
        if (iface.isLoader && iface.firmware.loaderVersionFails) {
            status = kStatusFailure;
            break;
        }
        std::copy(iface.version, iface.version + 5, reply.begin() + 3);
        break;
    case kHidCmdReadAddress: std::copy(iface.address, iface.address + 6, reply.begin() + 3); break;
    case kHidCmdReadGroup: {
        auto it = iface.groups.find(group);
        if (it == iface.groups.end()) {
            status = kStatusFailure;
            break;
        }
        const int count = std::min<int>(static_cast<int>(it->second.size()), kHidReplyMaxWords);
        reply[kHidReplyFirstData] = static_cast<unsigned char>(group);
        reply[kHidReplyWordCount] =
            static_cast<unsigned char>(iface.knobs.claimedWordCount >= 0 ? iface.knobs.claimedWordCount : count);
        for (int i = 0; i < count; ++i) {
            reply[kHidReplyWords + 2 * i] = static_cast<unsigned char>(it->second[i] >> 8);
            reply[kHidReplyWords + 2 * i + 1] = static_cast<unsigned char>(it->second[i] & 0xFF);
        }
        break;
    }
    case kHidCmdWriteGroup: {
        const int count = std::min<int>(request[kHidRequestWordCount], kHidRequestMaxWords);
        std::vector<std::uint16_t> words;
        for (int i = 0; i < count; ++i) {
            const unsigned char* w = request + kHidRequestWords + 2 * i;
            words.push_back(static_cast<std::uint16_t>((w[0] << 8) | w[1]));
        }
        iface.groups[group] = words;
        break;
    }
    case kHidCmdStoreGroup: ++iface.storeCount[group]; break;
    case kHidCmdCameraReady:
    case kHidCmdTwoChipReady: reply[kHidReplyFirstData] = iface.knobs.readyFlag; break;
    case kHidCmdQueryReady:
    case kHidCmdStartSection:
    case kHidCmdSectionData:
    case kHidCmdEndSection:
    case kHidCmdFinish:
    case kHidCmdLoaderChunkCrc:
    case kHidCmdLoaderTotalCrc: status = AnswerFirmware(iface, request, reply); break;
    case kHidCmdCameraStep1:
    case kHidCmdCameraStep2:
    case kHidCmdTwoChipAfterVersion:
    case kHidCmdTwoChipStep3:
    case kHidCmdTwoChipStep4:
    case kHidCmdLoaderStart:
    case kHidCmdLoaderLanguage:
    case kHidCmdLeaveAndReturn:
    case kHidCmdRestartIntoLoader: break;
    default: status = kStatusFailure; break;
    }
    const int behind = iface.onCommand ? iface.onCommand(request[kHidRequestCommand], reply) : -1;
    if (behind >= 0)
        status = static_cast<unsigned char>(behind);
    if (iface.knobs.finalStatus >= 0)
        status = static_cast<unsigned char>(iface.knobs.finalStatus);
    reply[kHidReplyStatus] = status;
    return reply;
}

bool SimHeadset::Write(HidHandle handle, const unsigned char* data, std::size_t size, unsigned timeoutMs)
{
    m_lastWriteTimeout = timeoutMs;
    SimHidInterface* iface = Live(handle);
    SimLogEntry entry{SimLogKind::Write, iface ? iface->productId : 0, iface ? iface->path : std::wstring(), false,
                      std::vector<unsigned char>(data, data + size)};
    const SimHidAnswer* answer = nullptr;
    if (iface != nullptr && size >= 3) {
        const auto found = iface->knobs.byRequest.find({data[kHidRequestCommand], data[kHidRequestParameter]});
        if (found != iface->knobs.byRequest.end())
            answer = &found->second;
    }
    bool fail = iface == nullptr || iface->knobs.failWrite || size != kHidRequestSize || (answer && answer->failWrite);
    if (iface != nullptr && !fail && iface->knobs.failNextWrites > 0) {
        --iface->knobs.failNextWrites;
        fail = true;
    }
    if (iface != nullptr && !fail && size == kHidRequestSize && data[kHidRequestCommand] == kHidCmdSectionData &&
        ++iface->m_dataWrites == iface->firmware.failDataWriteAt) {
        fail = true;
    }
    if (fail) {
        m_log.push_back(std::move(entry));
        return false;
    }
    entry.ok = true;
    PaceTransfer(size, entry);
    m_log.push_back(std::move(entry));

    // Like the driver, the unit's replies join whatever is still queued.
    iface->m_readsSinceWrite = 0;
    iface->m_late.clear();
    iface->m_busyForever = answer != nullptr && answer->staysBusy;
    if (iface->knobs.silent || (answer && answer->silent))
        return true;
    std::vector<std::vector<unsigned char>> replies;
    std::vector<unsigned char> busy(kHidReplySize, 0);
    busy[0] = kHidReportId;
    busy[kHidReplyStatus] = kHidStatusBusy;
    int busyReplies = answer ? answer->busyReplies : iface->knobs.busyReplies;
    if (data[kHidRequestCommand] == kHidCmdSectionData)
        busyReplies += iface->firmware.dataBusyReplies;
    for (int i = 0; i < busyReplies; ++i)
        replies.push_back(busy);
    replies.push_back(Answer(*iface, data));
    if (answer && answer->status >= 0)
        replies.back()[kHidReplyStatus] = static_cast<unsigned char>(answer->status);
    const bool acknowledged = replies.back()[kHidReplyStatus] == kHidStatusDone && !iface->m_busyForever &&
                              !iface->knobs.staysBusy && iface->knobs.lateReplies == 0;
    if (acknowledged && ++iface->acknowledged == iface->knobs.leaveAfterAcknowledged && iface->m_leaveTo < 0)
        iface->m_leaveTo = 0;
    if (iface->knobs.lateReplies > 0) {
        --iface->knobs.lateReplies;
        iface->m_late = std::move(replies);
    } else {
        iface->m_queue.insert(iface->m_queue.end(), replies.begin(), replies.end());
    }

    const unsigned char command = data[kHidRequestCommand];
    if (command == kHidCmdRestartIntoLoader && iface->firmware.loaderBeside) {
        ShowLoader(*iface);
    } else if (command == kHidCmdLeaveAndReturn || command == kHidCmdRestartIntoLoader) {
        // The reply still reaches the host; the unit is gone right after.
        iface->m_leaveTo =
            command == kHidCmdRestartIntoLoader ? iface->productIdAfterLoaderRestart : iface->productIdAfterLeave;
    }
    return true;
}

bool SimHeadset::Read(HidHandle handle, unsigned char* data, std::size_t size, unsigned timeoutMs)
{
    m_lastTimeout = timeoutMs;
    SimHidInterface* iface = Live(handle);
    SimLogEntry entry{SimLogKind::Read, iface ? iface->productId : 0, iface ? iface->path : std::wstring(), false, {}};
    std::vector<unsigned char> reply;
    if (iface != nullptr) {
        const int readIndex = iface->m_readsSinceWrite++;
        const bool failed =
            (readIndex == 0 && iface->knobs.failFirstRead) || (readIndex > 0 && readIndex == iface->knobs.failReread);
        // A reply slower than the read's time-out does not make it in time.
        const bool inTime = iface->knobs.replyDelayMs <= timeoutMs;
        if (failed || !inTime) {
        } else if ((iface->knobs.staysBusy || iface->m_busyForever) && !iface->knobs.silent) {
            reply.assign(kHidReplySize, 0);
            reply[0] = kHidReportId;
            reply[kHidReplyStatus] = kHidStatusBusy;
        } else if (!iface->m_queue.empty()) {
            reply = std::move(iface->m_queue.front());
            iface->m_queue.pop_front();
        }
        if (iface->m_unplugAfterReply && iface->m_queue.empty() && iface->m_late.empty()) {
            Unplug(iface->unit);
        } else if (iface->m_leaveTo >= 0 && iface->m_queue.empty() && iface->m_late.empty()) {
            const int after = iface->m_leaveTo;
            LeaveBus(iface->unit, after);
        }
    }
    if (reply.empty()) {
        // Nothing came: the read waited its whole time-out, and a late reply
        // lands only now.
        m_nowMs += timeoutMs;
        if (iface != nullptr && !iface->m_late.empty()) {
            iface->m_queue.insert(iface->m_queue.end(), iface->m_late.begin(), iface->m_late.end());
            iface->m_late.clear();
        }
    } else {
        m_nowMs += iface->knobs.replyDelayMs;
        std::copy(reply.begin(), reply.begin() + std::min(size, reply.size()), data);
        entry.bytes = reply;
        entry.ok = true;
        PaceTransfer(reply.size(), entry);
    }
    const bool ok = entry.ok;
    m_log.push_back(std::move(entry));
    return ok;
}

void SimHeadset::Flush(HidHandle handle)
{
    SimHidInterface* iface = Live(handle);
    m_log.push_back(SimLogEntry{
        SimLogKind::Flush, iface ? iface->productId : 0, iface ? iface->path : std::wstring(), iface != nullptr, {}});
    if (iface != nullptr)
        iface->m_queue.clear();
}
