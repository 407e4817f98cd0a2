#pragma once
// Switching the Windows Bluetooth stack off and on by renaming the image
// paths of its two services.

#include <cstddef>
#include <cstdint>
#include <string>

// The registry as the switch uses it: keys under HKEY_LOCAL_MACHINE opened
// for reading and setting values. The Windows build passes the real registry.
class ServiceRegistry {
public:
    using Key = void*;
    virtual ~ServiceRegistry() = default;
    virtual bool OpenKey(const char16_t* subKey, Key* key) = 0;
    // Reads a value into data, *size bytes at most; on success *size is the
    // byte count of the value. A value larger than the buffer fails.
    virtual bool QueryValue(Key key, const char16_t* name, std::uint32_t* type, std::uint8_t* data,
                            std::uint32_t* size) = 0;
    virtual bool SetValue(Key key, const char16_t* name, std::uint32_t type, const std::uint8_t* data,
                          std::uint32_t size) = 0;
    virtual void CloseKey(Key key) = 0;
};

constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;

extern const char16_t kBthPortServiceKey[];
extern const char16_t kBthUsbServiceKey[];
extern const char16_t kImagePathValue[];
extern const char16_t kSwitchedOffSuffix[];

// The buffer an image path is read into, in bytes; the longest value it holds
// with its terminating null, in characters.
constexpr std::uint32_t kImagePathBytes = 260;
constexpr std::size_t kImagePathMaxChars = kImagePathBytes / sizeof(char16_t) - 1;

// Appends ".bak" to both image paths that do not have it yet. True when both
// are switched off now or were already. A value that with the suffix would be
// longer than a read can hold fails the switch without writing anything.
bool DisableWindowsBluetoothServices(ServiceRegistry& registry);

// Removes the ".bak" that the switch-off appended, from each image path whose
// first ".bak" ends the value; every key on its own, nothing reported.
void RestoreWindowsBluetoothServices(ServiceRegistry& registry);
