#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "usbprobe/ProbeUsbIds.h"

namespace {

std::string Multi(std::initializer_list<std::string> ids)
{
    std::string bytes;
    for (const std::string& id : ids) {
        bytes += id;
        bytes += '\0';
    }
    bytes += '\0';
    return bytes;
}

std::string HardwareId(int vendorId, int productId)
{
    char text[64];
    std::snprintf(text, sizeof text, "USB\\VID_%04X&PID_%04X&REV_0100", vendorId, productId);
    return text;
}

std::vector<int> Ids(const char* list)
{
    std::vector<int> ids;
    std::istringstream in(list);
    std::string word;
    while (in >> word)
        ids.push_back(std::stoi(word, nullptr, 16));
    return ids;
}

// Every accepted id with the line it writes, as the lists were given.
struct Group {
    int vendorId;
    const char* prefix; // the line up to the hardware id
    std::vector<int> productIds;
};

const std::vector<Group>& ExpectedGroups()
{
    static const std::vector<Group> groups = {
        {0x0A12, "Found USB Bluetooth Device(", Ids("0001 FFFF")},
        {0x2B4E, "Found Kelmo Bluetooth Device(",
         Ids("4D10 CD10 4D20 CD20 4D30 CD30 4D05 CD05 4D15 CD15 4D25 CD25 4D35 CD35 4D45 CD45 5010 D010 5020 D020 "
             "5030 D030 5040 D040 5050 D050 5060 D060 5070 D070 5080 D080 5210 D210 5310 D310 4020 C020 4110 C110 "
             "4010 C010 4030 C030 3010 B010 4120 C120 4D40 CD40 4D50 CD50 4D55 CD55 4D65 CD65 3020 B020 4130 C130 "
             "4210 4021 C021 4040 5510 D510 5610 D610 5611 D611 5620 D620 5621 D621 5520 D521 4D85 CD85 5530 D531 "
             "5612 D612 5710 D711 5910 D911")},
        {0x2B4E, "Found Quor Bluetooth Device(", Ids("2010 A010 2020 A020 2011 A011")},
        {0x2B4E, "Found Torvane Bluetooth Device(", Ids("2110 A110")},
        {0x2B4E, "Found Bluetooth Device(",
         Ids("5920 D921 5320 D321 6110 E110 5330 D331 6120 E120 6010 E010 6012 E012 6014 E014 6015 6016 E016 6017 "
             "5011 D011 2210 A210 6210 E210 5524 D524 5623 D623 5061 D061 3030 B030 3040 B040 5622 D622 5624 D624 "
             "5345 D340 6018 E018 6019 5526 D626 4310 C310 4330 C330 4410 C410 4430 C430 2310 A310 3110 B110 6121 "
             "E121 5720 D720 4510 6111 E111 5410 5411 5412 5413 5414 5415 5416 5417 6400 6401 6410 6411 4111 C111 "
             "5522 D522 6020 E020 6022 E022 6021 6024 E024 6023 5550 D550 6025 3050 B050 5532 D532 3060 B060 3061 "
             "5570 D570 5571 5580 D580 6420 E420 5418 5419 6026 E026 4350 4360 5560 5561 4D21 CD21 3500 3112 B112 "
             "3114 B114 4530 4540 2030 2040 3116 3118 3124 3126 5420 5421 6310 6311 5536 5537 4610 4620")},
    };
    return groups;
}

TEST(ProbeUsbIds, EveryAcceptedIdWritesItsGroupsLine)
{
    std::set<std::pair<int, int>> seen;
    std::size_t makerIds = 0;
    for (const Group& group : ExpectedGroups()) {
        for (int productId : group.productIds) {
            EXPECT_TRUE(seen.insert({group.vendorId, productId}).second) << std::hex << productId << " twice";
            if (group.vendorId == 0x2B4E)
                ++makerIds;
            const std::string id = HardwareId(group.vendorId, productId);
            const std::string bytes = Multi({id, "USB\\COMPAT"});
            ProbeDeviceMatch match;
            ASSERT_TRUE(MatchProbeHardwareId(bytes.data(), bytes.size(), &match)) << id;
            EXPECT_EQ(match.vendorId, group.vendorId);
            EXPECT_EQ(match.productId, productId);
            EXPECT_EQ(match.line, std::string(group.prefix) + id + ")\n");
        }
    }
    EXPECT_EQ(makerIds, 232u);

    // And the code's table holds nothing more.
    std::size_t groupCount = 0;
    const ProbeDeviceGroup* groups = ProbeDeviceGroups(&groupCount);
    std::size_t total = 0;
    for (std::size_t g = 0; g < groupCount; ++g)
        total += groups[g].productIdCount;
    EXPECT_EQ(total, seen.size());
}

TEST(ProbeUsbIds, NearMissesAreRejected)
{
    struct Case {
        int vendorId;
        int productId;
    };
    // The other half of the irregular pairs, neighbours of lone ids, the chip
    // vendor's other ids, and accepted product ids under the wrong vendor.
    const Case cases[] = {
        {0x2B4E, 0xD520}, {0x2B4E, 0xD526}, {0x2B4E, 0xD345}, {0x2B4E, 0x5340}, {0x2B4E, 0xD410}, {0x2B4E, 0xC350},
        {0x2B4E, 0xC360}, {0x2B4E, 0xE015}, {0x2B4E, 0xC210}, {0x2B4E, 0xC040}, {0x2B4E, 0xC510}, {0x2B4E, 0xB500},
        {0x2B4E, 0xB116}, {0x2B4E, 0xB126}, {0x2B4E, 0xD530}, {0x2B4E, 0xD710}, {0x2B4E, 0xD910}, {0x2B4E, 0xD920},
        {0x2B4E, 0xD320}, {0x2B4E, 0x5346}, {0x2B4E, 0x0001}, {0x2B4E, 0xFFFF}, {0x0A12, 0x0002}, {0x0A12, 0x0000},
        {0x0A12, 0x2010}, {0x0A13, 0x0001}, {0x2B4F, 0x2010}, {0x0000, 0x4D10},
    };
    for (const Case& c : cases) {
        const std::string bytes = Multi({HardwareId(c.vendorId, c.productId)});
        ProbeDeviceMatch match;
        EXPECT_FALSE(MatchProbeHardwareId(bytes.data(), bytes.size(), &match))
            << std::hex << c.vendorId << " " << c.productId;
    }
}

TEST(ProbeUsbIds, ReadingTheHardwareId)
{
    struct Case {
        std::string bytes;
        bool matches;
        std::string line;
    };
    const Case cases[] = {
        // Lower case is upper-cased, in the line too.
        {Multi({"usb\\vid_2b4e&pid_a011&rev_0100"}), true,
         "Found Quor Bluetooth Device(USB\\VID_2B4E&PID_A011&REV_0100)\n"},
        // Only the first id counts, for the ids and for the line.
        {Multi({"USB\\ROOT_HUB20", "USB\\VID_2B4E&PID_2010"}), false, ""},
        {Multi({"USB\\VID_2B4E&PID_2010", "USB\\VID_0A12&PID_0001"}), true,
         "Found Quor Bluetooth Device(USB\\VID_2B4E&PID_2010)\n"},
        // "VID_" without "PID_", and the other way round.
        {Multi({"USB\\VID_2B4E"}), false, ""},
        {Multi({"USB\\PID_2010"}), false, ""},
        // Both markers are searched from the start.
        {Multi({"USB\\PID_2010&VID_2B4E"}), true, "Found Quor Bluetooth Device(USB\\PID_2010&VID_2B4E)\n"},
        // Hex digits end at the first other character.
        {Multi({"USB\\VID_2B4EX&PID_2110Z"}), true, "Found Torvane Bluetooth Device(USB\\VID_2B4EX&PID_2110Z)\n"},
        // The chip vendor's line has a word for its first placeholder.
        {Multi({"USB\\VID_0A12&PID_0001&REV_8891"}), true,
         "Found USB Bluetooth Device(USB\\VID_0A12&PID_0001&REV_8891)\n"},
        // A hardware id holding a format character is printed as it is.
        {Multi({"USB\\VID_2B4E&PID_4D10&%S%N"}), true, "Found Kelmo Bluetooth Device(USB\\VID_2B4E&PID_4D10&%S%N)\n"},
        {"", false, ""},
    };
    for (const Case& c : cases) {
        ProbeDeviceMatch match;
        EXPECT_EQ(MatchProbeHardwareId(c.bytes.data(), c.bytes.size(), &match), c.matches) << c.bytes;
        if (c.matches) {
            EXPECT_EQ(match.line, c.line);
        }
    }
}

TEST(ProbeUsbIds, TheTextEndsWithTheBytesRead)
{
    // A full buffer with no terminator: read up to its size, never beyond.
    std::string full = "USB\\VID_2B4E&PID_2020&";
    full.resize(kHardwareIdBytes, 'A');
    std::vector<char> buffer(full.begin(), full.end());
    ProbeDeviceMatch match;
    ASSERT_TRUE(MatchProbeHardwareId(buffer.data(), buffer.size(), &match));
    EXPECT_EQ(match.line, "Found Quor Bluetooth Device(" + full + ")\n");

    // The product id's digits lie past the bytes read.
    const std::string cut = "USB\\VID_2B4E&PID_2020";
    EXPECT_FALSE(MatchProbeHardwareId(cut.data(), cut.size() - 4, &match));
    EXPECT_FALSE(MatchProbeHardwareId(nullptr, 0, &match));
}

TEST(ProbeUsbIds, AScanWritesEveryMatchAndKeepsTheLast)
{
    std::vector<std::string> lines;
    ProbeScan scan([&](const std::string& line) { lines.push_back(line); });
    const std::vector<std::string> devices = {
        Multi({"USB\\VID_0A12&PID_0001"}),
        Multi({"USB\\VID_1234&PID_0001"}),
        Multi({"USB\\VID_2B4E&PID_5520"}),
        Multi({"USB\\VID_2B4E"}),
    };
    for (const std::string& d : devices)
        scan.Examine(d.data(), d.size());
    EXPECT_TRUE(scan.Found());
    EXPECT_EQ(scan.VendorId(), 0x2B4E);
    EXPECT_EQ(scan.ProductId(), 0x5520);
    EXPECT_EQ(lines, (std::vector<std::string>{"Found USB Bluetooth Device(USB\\VID_0A12&PID_0001)\n",
                                               "Found Kelmo Bluetooth Device(USB\\VID_2B4E&PID_5520)\n"}));

    ProbeScan none(nullptr);
    none.Examine(devices[1].data(), devices[1].size());
    EXPECT_FALSE(none.Found());
}

} // namespace
