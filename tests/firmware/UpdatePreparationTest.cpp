// The unit checks of an update before anything is sent: the DFU units' model,
// version and key writes over the library, and the first family unit's
// address for the server's index.
#include <gtest/gtest.h>

#include <cstdio>
#include <cwctype>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "firmware/UpdatePreparation.h"
#include "link/DfuRoad.h"
#include "link/MakerUsb.h"

namespace {

// Family units by path, each with the keys it answers; writes are recorded.
class KeyedLibrary final : public DfuLibraryAccess {
public:
    struct Unit {
        int productId;
        bool connects;
        std::map<int, std::vector<std::uint8_t>> keys;
    };
    std::vector<Unit> units;
    std::vector<std::pair<int, std::vector<std::uint8_t>>> writes;
    int current = -1;

    static std::wstring PathOf(int productId)
    {
        wchar_t text[80];
        std::swprintf(text, 80, L"\\\\?\\usb#vid_%04x&pid_%04x#5&1", kMakerUsbVendorId, productId);
        return text;
    }
    std::vector<std::wstring> EnumerateDevices() override
    {
        std::vector<std::wstring> names;
        for (std::size_t i = 0; i < units.size(); ++i)
            names.push_back(L"unit" + std::to_wstring(i));
        return names;
    }
    std::wstring PathInternal(const std::wstring& name) override
    {
        return PathOf(units[std::stoi(name.substr(4))].productId);
    }
    bool ConnectDevice(const std::wstring& path) override
    {
        for (std::size_t i = 0; i < units.size(); ++i) {
            std::wstring upper = PathOf(units[i].productId);
            for (wchar_t& c : upper)
                c = static_cast<wchar_t>(std::towupper(c));
            if (upper == path && units[i].connects) {
                current = static_cast<int>(i);
                return true;
            }
        }
        return false;
    }
    bool GetKey(std::uint16_t key, std::uint8_t* buffer, int bytes) override
    {
        if (current < 0)
            return false;
        const auto found = units[current].keys.find(key);
        if (found == units[current].keys.end() || static_cast<int>(found->second.size()) != bytes)
            return false;
        std::copy(found->second.begin(), found->second.end(), buffer);
        return true;
    }
    bool SetKey(std::uint16_t key, const std::uint8_t* buffer, int bytes) override
    {
        writes.emplace_back(key, std::vector<std::uint8_t>(buffer, buffer + bytes));
        return true;
    }
};

DeviceConfig Record(int model, int major, int minor)
{
    DeviceConfig device;
    device.m_modelCode = model;
    device.m_firmwareVersion = DeviceVersion{major, minor, 0, 0, 0};
    return device;
}

std::vector<std::uint8_t> Product(int id)
{
    return {static_cast<std::uint8_t>(id & 0xFF), static_cast<std::uint8_t>(id >> 8)};
}

TEST(UpdatePreparation, TheDfuUnitCheckTagsTheFirstMismatch)
{
    struct Case {
        const char* what;
        int recordModel;
        int recordMajor, recordMinor;
        std::map<int, std::vector<std::uint8_t>> keys;
        std::wstring tag;
    };
    const Case cases[] = {
        {"model and version as recorded", 0x4D20, 4, 3, {{675, Product(0x4D20)}, {676, {43, 0, 0, 0}}}, L""},
        {"another model", 0x4D20, 4, 3, {{675, Product(0x4D50)}, {676, {43, 0, 0, 0}}}, L"[9][3]"},
        {"an unreadable model key counts as 0x4D10", 0x4D10, 3, 0, {{676, {30, 0, 0, 0}}}, L""},
        {"another version", 0x4D20, 4, 2, {{675, Product(0x4D20)}, {676, {43, 0, 0, 0}}}, L"[9][4]"},
        {"a version key of 0 reads the model's default",
         0x4D20,
         4,
         2,
         {{675, Product(0x4D20)}, {676, {0, 0, 0, 0}}},
         L""},
        {"0x4D30 without either version key counts as 4.2", 0x4D30, 4, 2, {{675, Product(0x4D30)}}, L""},
    };
    for (const Case& c : cases) {
        KeyedLibrary library;
        library.units.push_back({0x2010, true, c.keys});
        const DeviceConfig device = Record(c.recordModel, c.recordMajor, c.recordMinor);
        EXPECT_EQ(c.tag, CheckDfuUnitsBeforeUpdate(library, c.recordModel, device)) << c.what;
    }
}

TEST(UpdatePreparation, UnitsThatAreNotFamilyOrDoNotConnectAreSkipped)
{
    KeyedLibrary library;
    library.units.push_back({0x1234, true, {{675, Product(0x4D50)}}});
    library.units.push_back({0x2020, false, {{675, Product(0x4D50)}}});
    EXPECT_EQ(L"", CheckDfuUnitsBeforeUpdate(library, 0x4D20, Record(0x4D20, 4, 2)));
    EXPECT_TRUE(library.writes.empty());
}

TEST(UpdatePreparation, KeysAreClearedForTheListedModelsAndTheVersionKeyOnlyAt32)
{
    struct Case {
        int model;
        int major, minor;
        std::vector<int> written;
    };
    const Case cases[] = {
        {0x4D10, 3, 2, {676, 664, 665}},
        {0x4D10, 3, 1, {664, 665}},
        {0x5070, 3, 2, {676, 664, 665}},
        {0x4D20, 3, 2, {}},
    };
    for (const Case& c : cases) {
        KeyedLibrary library;
        library.units.push_back(
            {0x2010,
             true,
             {{675, Product(c.model)}, {676, {static_cast<std::uint8_t>(c.major * 10 + c.minor), 0, 0, 0}}}});
        ASSERT_EQ(L"", CheckDfuUnitsBeforeUpdate(library, c.model, Record(c.model, c.major, c.minor))) << c.model;
        std::vector<int> written;
        for (const auto& write : library.writes) {
            written.push_back(write.first);
            EXPECT_EQ(std::vector<std::uint8_t>(write.second.size(), 0), write.second);
        }
        EXPECT_EQ(c.written, written) << std::hex << c.model << " " << c.minor;
    }
}

TEST(UpdatePreparation, OnlyTheFirstFamilyUnitsAddressIsRead)
{
    KeyedLibrary library;
    library.units.push_back({0x1234, true, {{1, {1, 2, 3, 4, 5, 6, 7, 8}}}});
    library.units.push_back({0xA010, false, {{1, {8, 7, 6, 5, 4, 3, 2, 1}}}});
    library.units.push_back({0x2010, true, {{1, {9, 9, 9, 9, 9, 9, 9, 9}}}});
    std::uint8_t key[kUnitAddressKeyBytes] = {};
    // The first family unit does not connect: nothing is read, not even from the next one.
    EXPECT_FALSE(ReadFirstFamilyUnitAddress(library, key));
    library.units[1].connects = true;
    ASSERT_TRUE(ReadFirstFamilyUnitAddress(library, key));
    EXPECT_EQ(8, key[0]);
    EXPECT_EQ(1, key[7]);
}

} // namespace
