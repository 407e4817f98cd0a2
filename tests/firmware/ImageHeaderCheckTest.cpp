#include "firmware/ImageHeaderCheck.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "link/DfuRoad.h"
#include "link/MakerUsb.h"
#include "tests/firmware/TempFiles.h"

namespace {

std::vector<std::uint8_t> HeaderWith(const std::string& text, std::size_t size = kImageHeaderCheckBytes)
{
    std::vector<std::uint8_t> bytes(size, 0xA5);
    for (std::size_t i = 0; i < text.size() && kImageHeaderTextOffset + i < size; ++i)
        bytes[kImageHeaderTextOffset + i] = static_cast<std::uint8_t>(text[i]);
    return bytes;
}

struct HeaderCase {
    int device;
    int target;
    std::string text;
    bool accepted;
};

TEST(ImageHeaderCheck, CandidatesPartnersAndTheVel8Rule)
{
    // clang-format off
    const HeaderCase cases[] = {
        {0x4D10, 0x4D10, "Vel8#4D10", true},
        {0x4D10, 0x4D10, "Vel8#4D30", true},            // the partner's image
        {0x4D10, 0x4D10, "Vel8#4D40", false},
        {0x4D10, 0x4D10, "Vel8#4d10", false},           // lower-case digits
        {0x4D10, 0x4D10, "Vel8#4D10   \t", true},       // padding after the text
        {0x4D10, 0x4D10, " garbage", true},             // a space at 16 for a "Vel8" unit
        {0x5010, 0x5010, " Orn8#5010", false},          // the space rule is the Vel8 units' only
        {0x5010, 0x5010, "Orn8#5010", true},
        {0x5010, 0x5010, "Orn8#5061", true},
        {0x5010, 0x5010, "Orn8#5060", true},
        {0x5010, 0x5010, "Orn8#5070", false},
        {0x5060, 0x5061, "Orn8#5060", true},
        {0x5060, 0x5061, "Orn8#5061", true},
        {0x5020, 0x5020, "Orn8#5060", false},           // the 0x5060 image is not 0x5020's partner
        {0x4D65, 0x4D45, "Vel6-FM#4D45", true},         // the first candidate carries the target code
        {0x4D65, 0x4D45, "Vel6-FM#4D65", false},
        {0x4D65, 0x4D45, "Vel6-FM#4D15", true},         // then the partner
        {0x5011, 0x5011, "IV_Orn8#5011", true},         // no partner
        {0x5011, 0x5011, "Orn8#5011", false},
        {0x5011, 0x5011, "", false},
    };
    // clang-format on
    for (const HeaderCase& c : cases) {
        const std::vector<std::uint8_t> header = HeaderWith(c.text);
        EXPECT_EQ(HeaderAcceptedByRules(header.data(), header.size(), c.device, c.target), c.accepted)
            << std::hex << c.device << " " << c.text;
    }
}

TEST(ImageHeaderCheck, FileLengthDecides)
{
    TempFolder folder;
    const std::wstring shortFile = folder.Write(L"short.dfu", HeaderWith("Vel8#4D10", kImageHeaderCheckBytes - 1));
    const std::wstring exact = folder.Write(L"exact.dfu", HeaderWith("Vel8#4D10", kImageHeaderCheckBytes));
    const std::wstring longer = folder.Write(L"long.dfu", HeaderWith("Vel8#4D10", 100000));
    EXPECT_EQ(CheckImageHeaderFile(shortFile, 0x4D10, 0x4D10, nullptr), 0);
    EXPECT_EQ(CheckImageHeaderFile(exact, 0x4D10, 0x4D10, nullptr), 1);
    EXPECT_EQ(CheckImageHeaderFile(longer, 0x4D10, 0x4D10, nullptr), 1);
    EXPECT_EQ(CheckImageHeaderFile(folder.File(L"missing.dfu"), 0x4D10, 0x4D10, nullptr), 0);
    EXPECT_EQ(CheckImageHeaderFile(exact, 0x5010, 0x5010, nullptr), 0);
}

TEST(ImageHeaderCheck, ExpectedTextFormsFourUpperCaseDigits)
{
    EXPECT_EQ(ExpectedHeaderText(L"Vel8", 0x4D10), L"Vel8#4D10");
    EXPECT_EQ(ExpectedHeaderText(L"X", 0xA), L"X#000A");
    EXPECT_EQ(PartnerModelCode(0x5050), 0x5040);
    EXPECT_EQ(PartnerModelCode(0x5040), 0);
}

// A DFU library with a list of devices and per-path key 1 values.
class FakeLibrary final : public DfuLibraryAccess {
public:
    struct Unit {
        std::wstring name;
        std::wstring path;
        bool connects;
        std::uint8_t address[8];
    };
    std::vector<Unit> units;
    std::vector<std::wstring> connected;
    std::vector<std::pair<int, std::vector<std::uint8_t>>> writes;
    int current = -1;
    int refusedKey = -1; // a key whose write the unit refuses

    std::vector<std::wstring> EnumerateDevices() override
    {
        std::vector<std::wstring> names;
        for (const Unit& u : units)
            names.push_back(u.name);
        return names;
    }
    std::wstring PathInternal(const std::wstring& name) override
    {
        for (const Unit& u : units) {
            if (u.name == name)
                return u.path;
        }
        return L"";
    }
    bool ConnectDevice(const std::wstring& path) override
    {
        connected.push_back(path);
        for (std::size_t i = 0; i < units.size(); ++i) {
            std::wstring upper = units[i].path;
            for (wchar_t& c : upper)
                c = static_cast<wchar_t>(towupper(c));
            if (upper == path && units[i].connects) {
                current = static_cast<int>(i);
                return true;
            }
        }
        return false;
    }
    bool GetKey(std::uint16_t key, std::uint8_t* buffer, int bytes) override
    {
        if (key != 1 || bytes != 8 || current < 0)
            return false;
        std::copy(units[current].address, units[current].address + 8, buffer);
        return true;
    }
    bool SetKey(std::uint16_t key, const std::uint8_t* buffer, int bytes) override
    {
        if (key == refusedKey)
            return false;
        writes.emplace_back(key, std::vector<std::uint8_t>(buffer, buffer + bytes));
        return true;
    }
};

std::wstring PathOf(int vendor, int product)
{
    wchar_t text[80];
    std::swprintf(text, 80, L"\\\\?\\usb#vid_%04x&pid_%04x#5&1", vendor, product);
    return text;
}

FakeLibrary::Unit UnitAt(const std::wstring& name, int vendor, int product, std::uint8_t first, bool connects = true)
{
    // Address text from bytes 0, 3 and 2: first, 0x30, 0x00.
    return FakeLibrary::Unit{name, PathOf(vendor, product), connects, {first, 0x99, 0x00, 0x30, 0, 0, 0, 0}};
}

TEST(ImageHeaderCheck, PartnerConversionWritesTheIdentityInOrder)
{
    TempFolder folder;
    const std::wstring image = folder.Write(L"iv.dfu", HeaderWith("IV_Orn8#5011"));
    FakeLibrary library;
    library.units.push_back(UnitAt(L"other", 0x1234, 0x2020, 0x33));
    library.units.push_back(UnitAt(L"first", kMakerUsbVendorId, 0x2020, 0x33)); // "333000": in range
    library.units.push_back(UnitAt(L"second", kMakerUsbVendorId, 0xA020, 0x33));
    EXPECT_EQ(CheckImageHeaderFile(image, 0x5060, 0x5060, &library), 1);
    ASSERT_EQ(library.connected.size(), 1u); // the walk stops at the second family unit
    ASSERT_EQ(library.writes.size(), 4u);
    EXPECT_EQ(library.writes[0].first, 675);
    EXPECT_EQ(library.writes[1].first, 703);
    EXPECT_EQ(library.writes[2].first, 715);
    EXPECT_EQ(library.writes[3].first, 706);
    EXPECT_EQ(library.writes[0].second, (std::vector<std::uint8_t>{0x11, 0x50}));
    EXPECT_EQ(library.writes[1].second, (std::vector<std::uint8_t>{0x11, 0x50}));
    EXPECT_EQ(library.writes[2].second, (std::vector<std::uint8_t>{0x11, 0xD0}));
    ASSERT_EQ(library.writes[3].second.size(), 32u);
    const std::string name = "Thump Sound Orn8";
    for (std::size_t i = 0; i < name.size(); ++i) {
        EXPECT_EQ(library.writes[3].second[2 * i], static_cast<std::uint8_t>(name[i]));
        EXPECT_EQ(library.writes[3].second[2 * i + 1], 0);
    }
}

// A refused key write leaves the unit's identity partly rewritten: the image
// is then refused and no later key is written.
TEST(ImageHeaderCheck, ARefusedIdentityWriteRefusesTheImageAndStopsTheWrites)
{
    TempFolder folder;
    const std::wstring image = folder.Write(L"iv.dfu", HeaderWith("IV_Orn8#5011"));
    const struct {
        int refusedKey;
        std::size_t writesBefore;
    } cases[] = {{675, 0}, {703, 1}, {715, 2}, {706, 3}};
    for (const auto& c : cases) {
        FakeLibrary library;
        library.refusedKey = c.refusedKey;
        library.units.push_back(UnitAt(L"first", kMakerUsbVendorId, 0x2020, 0x33));
        EXPECT_EQ(CheckImageHeaderFile(image, 0x5060, 0x5060, &library), 0) << c.refusedKey;
        EXPECT_EQ(library.writes.size(), c.writesBefore) << c.refusedKey;
    }
}

TEST(ImageHeaderCheck, NoConversionOutsideTheRangeOrForOtherTargets)
{
    TempFolder folder;
    const std::wstring image = folder.Write(L"iv.dfu", HeaderWith("IV_Orn8#5011"));
    {
        FakeLibrary library;
        library.units.push_back(UnitAt(L"first", kMakerUsbVendorId, 0x2020, 0x11)); // "113000"
        EXPECT_EQ(CheckImageHeaderFile(image, 0x5060, 0x5060, &library), 0);
        EXPECT_TRUE(library.writes.empty());
    }
    {
        // A unit that does not connect is skipped; the next family unit ends the walk.
        FakeLibrary library;
        library.units.push_back(UnitAt(L"first", kMakerUsbVendorId, 0x2020, 0x33, false));
        library.units.push_back(UnitAt(L"second", kMakerUsbVendorId, 0xA020, 0x33));
        EXPECT_EQ(CheckImageHeaderFile(image, 0x5060, 0x5060, &library), 0);
        EXPECT_TRUE(library.writes.empty());
    }
    {
        FakeLibrary library;
        library.units.push_back(UnitAt(L"first", kMakerUsbVendorId, 0x2020, 0x33));
        EXPECT_EQ(CheckImageHeaderFile(image, 0x5060, 0x5061, &library), 0);
        EXPECT_TRUE(library.connected.empty());
    }
    {
        // The partner rules still run after a conversion that did nothing.
        const std::wstring orn = folder.Write(L"orn.dfu", HeaderWith("Orn8#5061"));
        FakeLibrary library;
        library.units.push_back(UnitAt(L"first", kMakerUsbVendorId, 0x2020, 0x11));
        EXPECT_EQ(CheckImageHeaderFile(orn, 0x5060, 0x5060, &library), 1);
        EXPECT_TRUE(library.writes.empty());
    }
}

} // namespace
