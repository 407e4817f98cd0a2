#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "usbprobe/ServiceSwitch.h"

namespace {

const std::u16string kPort = kBthPortServiceKey;
const std::u16string kUsb = kBthUsbServiceKey;

// A registry of the two service keys, each with an ImagePath stored as raw
// bytes, answering as the Windows registry does.
class FakeRegistry : public ServiceRegistry {
public:
    struct Value {
        std::uint32_t type = kRegExpandSz;
        std::vector<std::uint8_t> bytes;
    };

    void Put(const std::u16string& key, const std::u16string& text, std::uint32_t type = kRegExpandSz,
             bool terminated = true)
    {
        Value value;
        value.type = type;
        for (char16_t c : text) {
            value.bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
            value.bytes.push_back(static_cast<std::uint8_t>(c >> 8));
        }
        if (terminated) {
            value.bytes.push_back(0);
            value.bytes.push_back(0);
        }
        m_keys[key] = value;
    }
    // The stored text up to its first null.
    std::u16string Text(const std::u16string& key) const
    {
        const Value& value = m_keys.at(key);
        std::u16string text;
        for (std::size_t i = 0; i + 1 < value.bytes.size(); i += 2) {
            const char16_t c = static_cast<char16_t>(value.bytes[i] | (value.bytes[i + 1] << 8));
            if (c == 0)
                break;
            text.push_back(c);
        }
        return text;
    }
    const Value& Stored(const std::u16string& key) const { return m_keys.at(key); }

    bool OpenKey(const char16_t* subKey, Key* key) override
    {
        auto it = m_keys.find(subKey);
        if (it == m_keys.end() || m_lockedOpen.count(subKey) != 0)
            return false;
        *key = &*it;
        m_open.insert(*key);
        return true;
    }
    bool QueryValue(Key key, const char16_t* name, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* size) override
    {
        EXPECT_EQ(m_open.count(key), 1u);
        EXPECT_EQ(std::u16string(name), u"ImagePath");
        const Value& value = Entry(key).second;
        if (value.bytes.size() > *size)
            return false;
        std::memcpy(data, value.bytes.data(), value.bytes.size());
        *size = static_cast<std::uint32_t>(value.bytes.size());
        *type = value.type;
        return true;
    }
    bool SetValue(Key key, const char16_t* name, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size) override
    {
        EXPECT_EQ(m_open.count(key), 1u);
        EXPECT_EQ(std::u16string(name), u"ImagePath");
        ++writes;
        if (m_failWrites.count(Entry(key).first) != 0)
            return false;
        Value& value = Entry(key).second;
        value.type = type;
        value.bytes.assign(data, data + size);
        return true;
    }
    void CloseKey(Key key) override { EXPECT_EQ(m_open.erase(key), 1u); }

    void FailWritesTo(const std::u16string& key) { m_failWrites.insert(key); }
    void RefuseOpening(const std::u16string& key) { m_lockedOpen.insert(key); }
    bool AllClosed() const { return m_open.empty(); }
    int writes = 0;

private:
    std::pair<const std::u16string, Value>& Entry(Key key)
    {
        return *static_cast<std::pair<const std::u16string, Value>*>(key);
    }
    std::map<std::u16string, Value> m_keys;
    std::set<Key> m_open;
    std::set<std::u16string> m_failWrites;
    std::set<std::u16string> m_lockedOpen;
};

const std::u16string kPortPath = u"%SystemRoot%\\System32\\drivers\\BTHport.sys";
const std::u16string kUsbPath = u"System32\\drivers\\BTHUSB.sys";

TEST(ServiceSwitch, SwitchesBothOffAndOnAgain)
{
    FakeRegistry registry;
    registry.Put(kPort, kPortPath);
    registry.Put(kUsb, kUsbPath, kRegSz);
    EXPECT_TRUE(DisableWindowsBluetoothServices(registry));
    EXPECT_EQ(registry.Text(kPort), kPortPath + u".bak");
    EXPECT_EQ(registry.Text(kUsb), kUsbPath + u".bak");
    // Written back as the expandable string type, the null counted.
    EXPECT_EQ(registry.Stored(kUsb).type, kRegExpandSz);
    EXPECT_EQ(registry.Stored(kUsb).bytes.size(), (kUsbPath.size() + 5) * 2);
    EXPECT_TRUE(registry.AllClosed());

    // A second switch-off appends nothing and still succeeds.
    registry.writes = 0;
    EXPECT_TRUE(DisableWindowsBluetoothServices(registry));
    EXPECT_EQ(registry.writes, 0);
    EXPECT_EQ(registry.Text(kPort), kPortPath + u".bak");

    RestoreWindowsBluetoothServices(registry);
    EXPECT_EQ(registry.Text(kPort), kPortPath);
    EXPECT_EQ(registry.Text(kUsb), kUsbPath);
    EXPECT_EQ(registry.Stored(kUsb).bytes.size(), (kUsbPath.size() + 1) * 2);
    EXPECT_TRUE(registry.AllClosed());

    // Restoring what is on already changes nothing.
    registry.writes = 0;
    RestoreWindowsBluetoothServices(registry);
    EXPECT_EQ(registry.writes, 0);
}

TEST(ServiceSwitch, SwitchOffOutcomes)
{
    struct Case {
        const char* name;
        std::u16string port;
        std::u16string usb;
        bool portMissing;
        bool usbMissing;
        bool usbWriteFails;
        bool result;
        std::u16string portAfter;
        std::u16string usbAfter;
    };
    const std::u16string longest(kImagePathMaxChars - 4, u'x'); // with ".bak" just fits a read
    const std::u16string tooLong(kImagePathMaxChars - 3, u'x');
    const Case cases[] = {
        {"second key missing", kPortPath, kUsbPath, false, true, false, false, kPortPath, u""},
        {"first key missing", kPortPath, kUsbPath, true, false, false, false, u"", kUsbPath},
        {"one already off", kPortPath + u".bak", kUsbPath, false, false, false, true, kPortPath + u".bak",
         kUsbPath + u".bak"},
        {"already off, other write fails", kPortPath + u".bak", kUsbPath, false, false, true, false,
         kPortPath + u".bak", kUsbPath},
        {"second write fails after the first", kPortPath, kUsbPath, false, false, true, false, kPortPath + u".bak",
         kUsbPath},
        {".bak in the middle counts as off", u"C:\\x.bak\\port.sys", kUsbPath, false, false, false, true,
         u"C:\\x.bak\\port.sys", kUsbPath + u".bak"},
        {"the case of .bak matters", u"port.BAK", kUsbPath, false, false, false, true, u"port.BAK.bak",
         kUsbPath + u".bak"},
        {"longest value", longest, kUsbPath, false, false, false, true, longest + u".bak", kUsbPath + u".bak"},
        {"one character more writes nothing", tooLong, kUsbPath, false, false, false, false, tooLong, kUsbPath},
        {"second too long writes nothing", kPortPath, tooLong, false, false, false, false, kPortPath, tooLong},
        {"too long but already off", tooLong + u".bak", kUsbPath, false, false, false, false, tooLong + u".bak",
         kUsbPath},
        {"empty values", u"", u"", false, false, false, true, u".bak", u".bak"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeRegistry registry;
        if (!c.portMissing)
            registry.Put(kPort, c.port);
        if (!c.usbMissing)
            registry.Put(kUsb, c.usb);
        if (c.usbWriteFails)
            registry.FailWritesTo(kUsb);
        EXPECT_EQ(DisableWindowsBluetoothServices(registry), c.result);
        if (!c.portMissing) {
            EXPECT_EQ(registry.Text(kPort), c.portAfter);
        }
        if (!c.usbMissing) {
            EXPECT_EQ(registry.Text(kUsb), c.usbAfter);
        }
        EXPECT_TRUE(registry.AllClosed());
    }
}

TEST(ServiceSwitch, WhatCannotBeReadFailsTheSwitchOff)
{
    struct Case {
        const char* name;
        std::u16string usb;
        std::uint32_t type;
        bool terminated;
        bool result;
    };
    const Case cases[] = {
        // 130 characters and a null are more than the 260-byte buffer.
        {"longer than the buffer", std::u16string(kImagePathMaxChars + 1, u'y'), kRegExpandSz, true, false},
        {"a number", u"1234", 4 /* REG_DWORD */, true, false},
        {"a multi-string", u"port.sys", 7 /* REG_MULTI_SZ */, true, false},
        {"binary", u"port.sys", 3 /* REG_BINARY */, true, false},
        {"plain string", u"port.sys", kRegSz, true, true},
        {"no terminator", u"port.sys", kRegExpandSz, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeRegistry registry;
        registry.Put(kPort, kPortPath);
        registry.Put(kUsb, c.usb, c.type, c.terminated);
        EXPECT_EQ(DisableWindowsBluetoothServices(registry), c.result);
        EXPECT_EQ(registry.writes, c.result ? 2 : 0);
        if (c.result) {
            EXPECT_EQ(registry.Text(kUsb), c.usb + u".bak");
        }
        EXPECT_TRUE(registry.AllClosed());
    }
}

TEST(ServiceSwitch, RestoreRemovesOnlyTheSuffixItAdded)
{
    struct Case {
        std::u16string before;
        std::uint32_t type;
        bool terminated;
        std::u16string after;
    };
    const std::u16string longest(kImagePathMaxChars - 4, u'x');
    const Case cases[] = {
        {u"port.sys.bak", kRegExpandSz, true, u"port.sys"},
        {u"port.sys.bak.bak", kRegExpandSz, true, u"port.sys.bak.bak"}, // the first ".bak" is not the end
        {u"C:\\x.bak\\port.sys", kRegExpandSz, true, u"C:\\x.bak\\port.sys"},
        {u"port.sys", kRegExpandSz, true, u"port.sys"},
        {u".bak", kRegExpandSz, true, u""},
        {u"port.sys.BAK", kRegExpandSz, true, u"port.sys.BAK"},
        {u"port.sys.bak", kRegSz, true, u"port.sys"},
        {u"port.sys.bak", 3 /* REG_BINARY */, true, u"port.sys.bak"},
        {u"port.sys.bak", kRegExpandSz, false, u"port.sys"},
        // Everything the switch-off may write is read back.
        {longest + u".bak", kRegExpandSz, true, longest},
        // A value filling the buffer with no null is read too.
        {std::u16string(kImagePathMaxChars - 3, u'z') + u".bak", kRegExpandSz, false,
         std::u16string(kImagePathMaxChars - 3, u'z')},
        {std::u16string(kImagePathMaxChars - 3, u'z') + u".bak", kRegExpandSz, true,
         std::u16string(kImagePathMaxChars - 3, u'z') + u".bak"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.before.begin(), c.before.end()));
        FakeRegistry registry;
        registry.Put(kPort, c.before, c.type, c.terminated);
        registry.Put(kUsb, kUsbPath + u".bak");
        RestoreWindowsBluetoothServices(registry);
        EXPECT_EQ(registry.Text(kPort), c.after);
        // The other key is restored whatever happened to the first.
        EXPECT_EQ(registry.Text(kUsb), kUsbPath);
        EXPECT_TRUE(registry.AllClosed());
    }
}

TEST(ServiceSwitch, RestoreGoesOnWithoutTheFirstKey)
{
    FakeRegistry registry;
    registry.Put(kUsb, kUsbPath + u".bak");
    RestoreWindowsBluetoothServices(registry);
    EXPECT_EQ(registry.Text(kUsb), kUsbPath);

    FakeRegistry locked;
    locked.Put(kPort, kPortPath + u".bak");
    locked.Put(kUsb, kUsbPath + u".bak");
    locked.RefuseOpening(kPort);
    locked.FailWritesTo(kUsb);
    RestoreWindowsBluetoothServices(locked);
    EXPECT_EQ(locked.Text(kPort), kPortPath + u".bak");
    EXPECT_EQ(locked.Text(kUsb), kUsbPath + u".bak");
    EXPECT_TRUE(locked.AllClosed());
}

} // namespace
