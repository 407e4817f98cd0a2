#pragma once
// Setting one field of a record from a short description, so that tables of cases can name the
// field the way the models' descriptions do: "word 2 bit 15", "word 14 = 5", "m_voxPhone = 2".

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>

#include "device/DeviceConfig.h"

inline DeviceConfig RecordAtFirmware(int major, int minor)
{
    DeviceConfig record;
    record.m_firmwareVersion.major = major;
    record.m_firmwareVersion.minor = minor;
    return record;
}

// The option ints under the names the grid's descriptions use.
inline int* OptionField(DeviceConfig& record, const std::string& name)
{
    if (name == "m_voxPhone")
        return &record.m_handsfreeVox;
    if (name == "m_voxIntercom")
        return &record.m_intercomVox;
    if (name == "m_voicePrompt")
        return &record.m_voicePrompt;
    if (name == "m_highQualityA2dp")
        return &record.m_bitpoolRate;
    if (name == "m_sidetone")
        return &record.m_sidetone;
    if (name == "m_hushguard")
        return &record.m_hushguard;
    return nullptr;
}

// "word W bit B" sets one bit; "word W = V" sets the whole word; "m_x" or "m_x = V" sets an
// option int (to 1 when no value is given).
inline void ApplyProbe(DeviceConfig& record, const std::string& probe)
{
    static const std::regex bit(R"(word (\d+) bit (\d+))");
    static const std::regex word(R"(word (\d+) = (-?\d+))");
    static const std::regex option(R"((m_\w+)(?: = (-?\d+))?)");
    std::smatch m;
    if (std::regex_match(probe, m, bit)) {
        record.m_settings[std::stoi(m[1])] |= 1 << std::stoi(m[2]);
    } else if (std::regex_match(probe, m, word)) {
        record.m_settings[std::stoi(m[1])] = std::stoi(m[2]);
    } else if (std::regex_match(probe, m, option)) {
        int* field = OptionField(record, m[1]);
        if (field == nullptr)
            ADD_FAILURE() << "unknown field " << probe;
        else
            *field = m[2].matched ? std::stoi(m[2]) : 1;
    } else {
        ADD_FAILURE() << "unreadable probe " << probe;
    }
}

// Several probes, "; " between them; an empty text leaves the record as it is.
inline void ApplyProbes(DeviceConfig& record, const std::string& probes)
{
    std::stringstream list(probes);
    std::string probe;
    while (std::getline(list, probe, ';')) {
        const std::size_t first = probe.find_first_not_of(' ');
        if (first != std::string::npos)
            ApplyProbe(record, probe.substr(first));
    }
}
