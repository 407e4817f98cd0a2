#include "link/HidDfuErrorTable.h"

// clang-format off
HidDfuErrorTable::HidDfuErrorTable()
    : m_messages{
          {0,   ""},
          {-1,  "Invalid sequence (hidDfuConnect must be called first)"},
          {-2,  "Failed to connect to device"},
          {-3,  "Failed to open file"},
          {-4,  "Failed to write to file"},
          {-5,  "File format is invalid"},
          {-6,  "File CRC is incorrect"},
          {-7,  "File read failed"},
          {-8,  "Upgrade failed"},
          {-9,  "Device reset failed"},
          {-10, "Out of memory"},
          {-11, "Invalid parameter"},
          {-12, "Driver operation failed"},
          {-13, "Operation failed to start"},
          {-14, "Busy, operation in progress"},
          {-15, "Failed to clear device status"},
          {-16, "Device firmware is corrupt"},
          {-20, "Unknown error"},
      }
{
}
// clang-format on

int HidDfuErrorTable::SetError(int code)
{
    const char* message = Message(code);
    std::lock_guard<std::mutex> hold(m_lock);
    m_lastError = message ? message : "Unknown error code";
    return code;
}

std::string HidDfuErrorTable::LastError() const
{
    std::lock_guard<std::mutex> hold(m_lock);
    return m_lastError;
}

const char* HidDfuErrorTable::Message(int code) const
{
    const auto row = m_messages.find(code);
    return row == m_messages.end() ? nullptr : row->second.c_str();
}
