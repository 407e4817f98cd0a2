#include <gtest/gtest.h>

#include <cwchar>

#include <string>
#include <vector>

#include "link/UsbHardwareId.h"

namespace {

std::string Multi(std::initializer_list<const char*> ids)
{
    std::string bytes;
    for (const char* id : ids) {
        bytes += id;
        bytes += '\0';
    }
    bytes += '\0';
    return bytes;
}

TEST(UsbHardwareId, ScanCountsTheFamilyAndStoresUpToCapacity)
{
    const std::vector<std::string> devices = {
        Multi({"USB\\VID_2B4E&PID_2011&REV_0100", "USB\\VID_2B4E&PID_2011"}),
        Multi({"USB\\VID_2B4E&PID_2030&REV_0100"}),           // the HID unit: not counted
        Multi({"usb\\vid_2b4e&pid_a011&rev_0100"}),           // lower case: matched
        Multi({"USB\\VID_0A12&PID_0001"}),                    // another vendor
        Multi({"USB\\ROOT_HUB20", "USB\\VID_2B4E&PID_2020"}), // only the first id counts
        Multi({"USB\\VID_2B4E&PID_2020&REV_0001"}),
    };
    int ids[2] = {-1, -1};
    int count = 0;
    for (const std::string& d : devices)
        CountDfuFamilyDevice(d.data(), d.size(), ids, 2, &count);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(ids[0], 0x2011);
    EXPECT_EQ(ids[1], 0xA011);

    int none = 0;
    for (const std::string& d : devices)
        CountDfuFamilyDevice(d.data(), d.size(), nullptr, 0, &none);
    EXPECT_EQ(none, 3);
}

TEST(UsbHardwareId, ParsingStaysWithinTheReportedBytes)
{
    int vid = 0;
    int pid = 0;
    // No terminator inside the reported size: the text ends with the size.
    const char raw[] = {'U', 'S', 'B', '\\', 'V', 'I', 'D', '_', '2', 'B', '4',
                        'E', '&', 'P', 'I',  'D', '_', 'A', '0', '2', '0'};
    EXPECT_TRUE(ParseUsbHardwareId(raw, sizeof raw, &vid, &pid));
    EXPECT_EQ(vid, 0x2B4E);
    EXPECT_EQ(pid, 0xA020);
    EXPECT_FALSE(ParseUsbHardwareId(raw, 12, &vid, &pid));
    EXPECT_FALSE(ParseUsbHardwareId(raw, 0, &vid, &pid));
    EXPECT_FALSE(ParseUsbHardwareId(nullptr, 10, &vid, &pid));
    const std::string noPid = Multi({"USB\\VID_2B4E"});
    EXPECT_FALSE(ParseUsbHardwareId(noPid.data(), noPid.size(), &vid, &pid));
}

} // namespace

namespace {

TEST(UsbHardwareId, DfuLibraryPaths)
{
    struct Case {
        const wchar_t* path;
        int vendorId;
        int productId;
        bool family;
    };
    const Case cases[] = {
        {L"\\\\?\\usb#vid_2b4e&pid_a011#6&1&0&1#{a5dcbf10-6530-11d2-901f-00c04fb951ed}", 0x2B4E, 0xA011, true},
        {L"\\\\?\\USB#VID_2B4E&PID_2020#1", 0x2B4E, 0x2020, true},
        {L"\\\\?\\USB#VID_2B4E&PID_2030#1", 0x2B4E, 0x2030, false},
        {L"\\\\?\\USB#VID_0A12&PID_2020#1", 0x0A12, 0x2020, false},
        {L"VID_2B4E&PID_2020", 0, 0, false},                   // marker at the very start
        {L"\\\\?\\USB#PID_2020&VID_2B4E#1", 0x2B4E, 0, false}, // PID_ only counts behind VID_
        {L"\\\\?\\USB#VID_2B4E&PID_20", 0x2B4E, 0x20, false},  // the text ends early
        {L"\\\\?\\USB#VID_", 0, 0, false},
        {L"", 0, 0, false},
        {L"\\\\?\\USB#VID_2B4E1&PID_2010", 0x2B4E, 0x2010, true}, // four characters only
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.path, c.path + std::wcslen(c.path)));
        int vid = -1;
        int pid = -1;
        ParseDfuDevicePath(c.path, &vid, &pid);
        EXPECT_EQ(vid, c.vendorId);
        EXPECT_EQ(pid, c.productId);
        EXPECT_EQ(IsDfuFamilyDevicePath(c.path, nullptr), c.family);
    }
}

} // namespace
