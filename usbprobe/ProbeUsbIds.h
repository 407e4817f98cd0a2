#pragma once
// Which USB devices the probe tool waits for, read from their hardware ids.

#include <cstddef>
#include <functional>
#include <string>

// The maker's USB vendor id. The tool keeps its own copy: it shares nothing
// with the manager.
constexpr int kProbeMakerVendorId = 0x2B4E;

// The Bluetooth chip vendor's default vendor id, and the product id of the
// chip before the maker's firmware gives it an identity of its own.
constexpr int kChipVendorId = 0x0A12;
constexpr int kRawChipProductId = 0x0001;

// Size of the buffer a hardware-id property is read into.
constexpr std::size_t kHardwareIdBytes = 256;

// One group of accepted devices: the line written for a match, and the
// accepted product ids.
struct ProbeDeviceGroup {
    int vendorId;
    const char* lineFormat; // "%s" for the hardware id, after the word below when there is one
    const char* firstWord;  // fills the first of two placeholders, or nullptr
    const int* productIds;
    std::size_t productIdCount;
};

// The accepted devices, group by group.
const ProbeDeviceGroup* ProbeDeviceGroups(std::size_t* count);

// The group that accepts the pair, or nullptr.
const ProbeDeviceGroup* FindProbeDeviceGroup(long vendorId, long productId);

// A present device that matched.
struct ProbeDeviceMatch {
    int vendorId = 0;
    int productId = 0;
    std::string line; // what goes to standard output, with its line end
};

// Reads the hardware-id property as SetupAPI returns it (size bytes): the
// text up to its first zero, upper-cased; the vendor id after "VID_" and the
// product id after "PID_", both searched from the start and read as
// hexadecimal. False when a marker is missing or the pair is not accepted.
bool MatchProbeHardwareId(const char* bytes, std::size_t size, ProbeDeviceMatch* match);

// One scan over the present devices: every device is examined, each match
// writes its line at once, and the last match's ids are kept.
class ProbeScan {
public:
    explicit ProbeScan(std::function<void(const std::string&)> writeLine) : m_writeLine(std::move(writeLine)) {}

    void Examine(const char* bytes, std::size_t size);

    bool Found() const { return m_found; }
    int VendorId() const { return m_vendorId; }
    int ProductId() const { return m_productId; }

private:
    std::function<void(const std::string&)> m_writeLine;
    bool m_found = false;
    int m_vendorId = 0;
    int m_productId = 0;
};
