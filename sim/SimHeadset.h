#pragma once
// A simulated headset on the HID seam, for tests: the maker's vendor HID
// interfaces with their 1023-byte requests and 67-byte replies, the busy rule,
// the settings groups per interface, a log of every report and knobs for the
// ways a real unit misbehaves.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "link/HidDeviceSeam.h"

// How the unit answers one kind of request, matched by (command, parameter).
struct SimHidAnswer {
    int status = -1; // status of the final reply; -1: the command's own
    int busyReplies = 0;
    bool silent = false;    // no reply
    bool failWrite = false; // the request does not go out
    bool staysBusy = false; // every reply to it says busy
};

struct SimHidKnobs {
    int busyReplies = 0;  // busy replies before the final one
    int finalStatus = -1; // status of the final reply; -1: the command's own
    bool failWrite = false;
    int failNextWrites = 0; // the next n writes fail, later ones go through
    bool failFirstRead = false;
    int failReread = 0;     // the n-th re-read after a busy reply fails (0: none)
    bool staysBusy = false; // every reply says busy
    bool silent = false;    // no reply ever arrives
    // The reply to each of the next n requests comes late: the read waiting
    // for it times out, and the reply lands in the driver's queue after that.
    int lateReplies = 0;
    // Simulated milliseconds each reply takes to arrive; a read with a shorter
    // time-out gives up first.
    unsigned replyDelayMs = 0;
    bool openable = true;
    int claimedWordCount = -1;   // count byte of group replies; -1: the true count
    unsigned char readyFlag = 1; // byte 3 of the ready queries
    // Answers for chosen requests, keyed by (command, parameter); the knobs
    // above apply to the others.
    std::map<std::pair<int, int>, SimHidAnswer> byRequest;
    // The unit leaves the bus once the reply to its n-th acknowledged request
    // has been read (0: never); it comes back with the same product id.
    int leaveAfterAcknowledged = 0;
};

// How the unit takes a firmware image. Counts are 1-based; 0 turns a knob off.
struct SimFirmwareKnobs {
    int failDataWriteAt = 0;        // the n-th data report (0x06) cannot be written
    int failDataStatusAt = 0;       // the n-th data report is answered with a failure status
    int failSectionStartAt = 0;     // the n-th section start (0x05) fails
    int failSectionEndAt = 0;       // the n-th section end (0x07) fails
    bool failFinish = false;        // every finish (0x08) fails
    int dataBusyReplies = 0;        // busy replies before each data status, while the unit writes flash
    int notReadyPolls = 0;          // the status poll (0x0D) answers 0 this often; -1 for ever
    bool leaveAfterFinish = false;  // after the finish's reply the unit restarts: it leaves the bus
                                    // and is back after absentEnumerations enumerations
    int unplugAfterDataReports = 0; // the unit is pulled out after k data reports

    // Loader models: 0x50 brings up the loader interface beside this one, which
    // stays present with its handles valid.
    bool loaderBeside = false;
    int loaderAbsentEnumerations = 0;              // enumerations that miss the loader after 0x50
    unsigned char loaderVersion[4] = {1, 0, 2, 1}; // reply bytes 3 to 6 of its version query
    bool loaderVersionFails = false;
    int failChunkChecks = 0;   // the next k chunk checks (0x5A) fail
    int failSectionChecks = 0; // the next k section checks (0x5B) fail
};

enum class SimLogKind { Write, Read, Flush };

struct SimLogEntry {
    SimLogKind kind;
    int productId; // of the interface at the time
    std::wstring path;
    bool ok; // false: the call failed (nothing delivered)
    std::vector<unsigned char> bytes;
    // With the USB timing model on: when the transfer ended on the bus
    // (microseconds on the steady clock) and how many frames it took.
    std::int64_t endUs = 0;
    int frames = 0;
};

class SimHidInterface {
public:
    int unit = 0; // interfaces of one unit leave the bus together
    int vendorId = 0;
    int productId = 0;
    int usagePage = 0xFF00;
    int usage = 1;
    std::wstring path;
    SimHidKnobs knobs;
    unsigned char version[5] = {1, 0, 0, 0, 0}; // reply bytes 3..7 of command 0x01
    unsigned char address[6] = {};              // reply bytes 3..8 of command 0x02
    std::map<int, std::vector<std::uint16_t>> groups;
    std::map<int, int> storeCount; // command 0x11 per group
    // Firmware sections received: 0x05 opens one (id in byte 2), 0x06 adds
    // its data (length in bytes 2 and 3), 0x07 closes it; 0x08 counts finishes.
    std::map<int, std::vector<unsigned char>> sections;
    int openSection = -1;
    int finishCount = 0;
    // Product ids with which the unit comes back after 0x0E and 0x50.
    int productIdAfterLeave = 0; // 0: the same
    int productIdAfterLoaderRestart = 0x3120;
    int absentEnumerations = 0; // enumerations that miss the unit after it left
    int acknowledged = 0;       // requests answered with status 0
    SimFirmwareKnobs firmware;
    // A device behind the unit (a camera, say) that sees each request's
    // command after the unit and may fill the reply; it answers with a
    // status, or -1 to leave the unit's.
    std::function<int(int command, std::vector<unsigned char>& reply)> onCommand;
    // What the unit saw of an image.
    int dataReports = 0;
    int sectionStarts = 0;
    int sectionEnds = 0;
    int readyPolls = 0;
    int chunkChecks = 0;
    int chunkCheckFailures = 0;
    int sectionChecks = 0;
    int sectionCheckFailures = 0;
    bool unplugged = false;
    bool isLoader = false;
    SimHidInterface* loader = nullptr; // the loader interface it brought up

    // Command 0x03 answers from groups; 0x04 stores into them.
    void SetGroup(int group, std::vector<std::uint16_t> words) { groups[group] = std::move(words); }
    // Group 29 form: word 0 unused, then one character per word.
    void SetNameGroup(const std::string& name);
    void SetSpeedDialGroup(int index, const std::string& number);
    // An input report that nobody asked for lands in the driver's queue (a
    // reply to a request of an earlier program run, say).
    void QueueUnaskedReport(const std::vector<unsigned char>& report) { m_queue.push_back(report); }
    // Input reports waiting in the driver's queue.
    std::size_t QueuedReports() const { return m_queue.size(); }

private:
    friend class SimHeadset;
    int m_generation = 0; // bumped when the unit leaves the bus
    int m_absentLeft = 0;
    // The driver's input queue: replies wait here until read or flushed.
    std::deque<std::vector<unsigned char>> m_queue;
    // Replies of the current request that will only come after its read timed out.
    std::vector<std::vector<unsigned char>> m_late;
    int m_readsSinceWrite = 0;
    int m_leaveTo = -1;         // product id to come back with once the reply is read
    bool m_busyForever = false; // the current request is answered busy only
    bool m_unplugAfterReply = false;
    int m_dataWrites = 0;
    // The loader's data since the last confirmed chunk.
    std::size_t m_chunkStart = 0;
};

class SimHeadset final : public HidDeviceSeam {
public:
    SimHeadset();
    ~SimHeadset() override;
    SimHeadset(const SimHeadset&) = delete;
    SimHeadset& operator=(const SimHeadset&) = delete;

    // Installs itself as the process's HID seam for its lifetime.
    void Install();

    // A new interface of the maker (by default) with a lower-case path
    // "\\?\hid#vid_xxxx&pid_xxxx&mi_nn#..." unique within this bus.
    SimHidInterface& AddInterface(int productId, int unit = 0);
    // The two-interface unit 0x2030 / 0x2040 with groups, versions and address.
    struct Pair {
        SimHidInterface* primary;
        SimHidInterface* secondary;
    };
    Pair AddHidPairUnit(int unit = 0);
    static std::wstring MakePath(int vendorId, int productId, int index);

    // Pulls the unit out: its handles fail and its interfaces vanish until it
    // is plugged in again (with a new path, as after any return to the bus).
    void Unplug(int unit);
    void PlugIn(int unit);
    // The unit is plugged in but still off the bus: the next n enumerations
    // miss it and its paths do not open; it shows from the enumeration after.
    void KeepOffTheBus(int unit, int enumerations);
    // The loader interface that 0x50 brought up beside iface, or null.
    SimHidInterface* LoaderOf(const SimHidInterface& iface) const { return iface.loader; }

    const std::vector<SimLogEntry>& Log() const { return m_log; }
    void ClearLog() { m_log.clear(); }
    int CountLog(SimLogKind kind) const;
    // Requests written to the interface with this product id, in order.
    std::vector<std::vector<unsigned char>> Requests(int productId) const;

    int OpenHandleCount() const { return static_cast<int>(m_handles.size()); }
    int OpenCount() const { return m_openCount; }
    int BadCloseCount() const { return m_badCloses; }
    unsigned LastReadTimeoutMs() const { return m_lastTimeout; }
    unsigned LastWriteTimeoutMs() const { return m_lastWriteTimeout; }
    int EnumerationCount() const { return m_enumerations; }

    // Full-speed USB timing (off by default): 64-byte frames, one per
    // millisecond, so a report of n bytes takes ceil(n / 64) frames (a
    // 1023-byte request 16 ms, a 67-byte reply 2 ms). Writes and reads are
    // paced in real time on the steady clock; the frames are counted.
    void SetUsbTimingModel(bool on) { m_timing = on; }
    // Milliseconds the modelled bus has spent on transfers so far.
    std::int64_t ModelledFrames() const { return m_frames; }

    // HidDeviceSeam
    std::vector<HidInterfaceInfo> EnumerateInterfaces() override;
    HidHandle Open(const std::wstring& path) override;
    void Close(HidHandle handle) override;
    bool Write(HidHandle handle, const unsigned char* data, std::size_t size, unsigned timeoutMs) override;
    bool Read(HidHandle handle, unsigned char* data, std::size_t size, unsigned timeoutMs) override;
    void Flush(HidHandle handle) override;
    // Simulated time: it moves only by the replies' delays and by the reads
    // that wait their whole time-out.
    std::uint64_t NowMs() override { return m_nowMs; }

private:
    struct Handle {
        SimHidInterface* iface;
        int generation;
    };
    SimHidInterface* Live(HidHandle handle);
    std::vector<unsigned char> Answer(SimHidInterface& iface, const unsigned char* request);
    void LeaveBus(int unit, int productIdAfter);
    void FinishLeaving();
    void ShowLoader(SimHidInterface& iface);
    // Paces one transfer of size bytes on the modelled bus; fills the log
    // entry's timing.
    void PaceTransfer(std::size_t size, SimLogEntry& entry);
    bool m_timing = false;
    std::int64_t m_frames = 0;
    std::int64_t m_busFreeUs = 0;
    unsigned char AnswerFirmware(SimHidInterface& iface, const unsigned char* request,
                                 std::vector<unsigned char>& reply);
    int m_nextLoaderUnit = 1000;

    std::vector<std::unique_ptr<SimHidInterface>> m_interfaces;
    std::set<Handle*> m_handles;
    std::vector<SimLogEntry> m_log;
    int m_openCount = 0;
    int m_badCloses = 0;
    unsigned m_lastTimeout = 0;
    unsigned m_lastWriteTimeout = 0;
    int m_enumerations = 0;
    int m_nextIndex = 0;
    bool m_installed = false;
    std::uint64_t m_nowMs = 1000;
};
