#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/UsbScan.h"

namespace {

const wchar_t kEnumUsb[] = L"System\\CurrentControlSet\\Enum\\USB";
const wchar_t kUsbClassGuid[] = L"{36fc9e60-c465-11cf-8056-444553540000}";

// Devices planted in Wine's registry, which its SetupAPI lists under the
// "USB" enumerator like real ones; removed again when the test ends.
// The registry is the prefix's, shared by every test program that ctest runs
// at the same time, so one named mutex keeps the planting tests apart.
class PlantedUsbDevices {
public:
    PlantedUsbDevices() : lock_(CreateMutexW(nullptr, FALSE, L"quor_usb_enum_plant"))
    {
        if (lock_ != nullptr)
            WaitForSingleObject(lock_, 60000);
    }
    ~PlantedUsbDevices()
    {
        for (const std::wstring& key : planted_)
            RegDeleteTreeW(HKEY_LOCAL_MACHINE, key.c_str());
        if (lock_ != nullptr) {
            ReleaseMutex(lock_);
            CloseHandle(lock_);
        }
    }
    PlantedUsbDevices(const PlantedUsbDevices&) = delete;
    PlantedUsbDevices& operator=(const PlantedUsbDevices&) = delete;

    void Plant(const std::wstring& device, const std::wstring& instance, const std::vector<std::wstring>& hardwareIds)
    {
        const std::wstring deviceKey = std::wstring(kEnumUsb) + L"\\" + device;
        const std::wstring key = deviceKey + L"\\" + instance;
        HKEY h = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr),
                  ERROR_SUCCESS);
        std::wstring multi;
        for (const std::wstring& id : hardwareIds) {
            multi += id;
            multi += L'\0';
        }
        multi += L'\0';
        RegSetValueExW(h, L"HardwareID", 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(multi.data()),
                       static_cast<DWORD>(multi.size() * sizeof(wchar_t)));
        RegSetValueExW(h, L"ClassGUID", 0, REG_SZ, reinterpret_cast<const BYTE*>(kUsbClassGuid), sizeof kUsbClassGuid);
        RegCloseKey(h);
        planted_.push_back(deviceKey);
    }

private:
    HANDLE lock_;
    std::vector<std::wstring> planted_;
};

TEST(UsbScanWine, AFreshPrefixHasNoUnit)
{
    PlantedUsbDevices none;
    int ids[2] = {-1, -1};
    EXPECT_EQ(FindUsbDfuDevices(ids, 2), 0);
    EXPECT_EQ(ids[0], -1);
}

TEST(UsbScanWine, CountsPlantedUnitsInBothModes)
{
    PlantedUsbDevices usb;
    usb.Plant(L"VID_2B4E&PID_2011", L"unit1", {L"USB\\VID_2B4E&PID_2011&REV_0100", L"USB\\VID_2B4E&PID_2011"});
    usb.Plant(L"VID_2B4E&PID_2030", L"unit2", {L"USB\\VID_2B4E&PID_2030&REV_0100"});
    usb.Plant(L"VID_2B4E&PID_A011", L"unit3", {L"usb\\vid_2b4e&pid_a011&rev_0100"});
    usb.Plant(L"VID_0A12&PID_0001", L"other", {L"USB\\VID_0A12&PID_0001&REV_8891"});

    int ids[2] = {-1, -1};
    EXPECT_EQ(FindUsbDfuDevices(ids, 2), 2);
    // Both are stored; which comes first is the enumeration's order.
    EXPECT_TRUE((ids[0] == 0x2011 && ids[1] == 0xA011) || (ids[0] == 0xA011 && ids[1] == 0x2011))
        << std::hex << ids[0] << " " << ids[1];
}

TEST(UsbScanWine, StoresNoMoreThanTheCapacity)
{
    PlantedUsbDevices usb;
    usb.Plant(L"VID_2B4E&PID_2010", L"a", {L"USB\\VID_2B4E&PID_2010&REV_0100"});
    usb.Plant(L"VID_2B4E&PID_2020", L"b", {L"USB\\VID_2B4E&PID_2020&REV_0100"});
    usb.Plant(L"VID_2B4E&PID_A020", L"c", {L"USB\\VID_2B4E&PID_A020&REV_0100"});
    int ids[3] = {-1, -1, -7};
    EXPECT_EQ(FindUsbDfuDevices(ids, 2), 3);
    // Two different planted ids are stored, the third place is not touched.
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(ids[i] == 0x2010 || ids[i] == 0x2020 || ids[i] == 0xA020) << std::hex << ids[i];
    }
    EXPECT_NE(ids[0], ids[1]);
    EXPECT_EQ(ids[2], -7);
    int one[2] = {-1, -1};
    EXPECT_EQ(FindUsbDfuDevices(one, 1), 3);
    EXPECT_EQ(one[0], ids[0]);
    EXPECT_EQ(one[1], -1);
    EXPECT_EQ(FindUsbDfuDevices(nullptr, 0), 3);
}

TEST(UsbScanWine, AHardwareIdLongerThanTheBufferIsSkipped)
{
    PlantedUsbDevices usb;
    usb.Plant(L"VID_2B4E&PID_2010", L"long", {L"USB\\VID_2B4E&PID_2010&REV_0100", std::wstring(300, L'X')});
    EXPECT_EQ(FindUsbDfuDevices(nullptr, 0), 0);
}

} // namespace
