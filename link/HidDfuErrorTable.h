#pragma once
// The error codes of the HID firmware engine with their messages, and the
// text of the last error. Portable, so the table is tested natively.

#include <map>
#include <mutex>
#include <string>

class HidDfuErrorTable {
public:
    HidDfuErrorTable();
    HidDfuErrorTable(const HidDfuErrorTable&) = delete;
    HidDfuErrorTable& operator=(const HidDfuErrorTable&) = delete;

    // The last-error text becomes the code's message, or "Unknown error code"
    // for a code without a row. Returns the code.
    int SetError(int code);
    std::string LastError() const;
    // The message of a code; null without a row.
    const char* Message(int code) const;

private:
    std::map<int, std::string> m_messages;
    mutable std::mutex m_lock; // guards m_lastError: workers and callers set and read it
    std::string m_lastError;
};

constexpr int kHidDfuErrorBusy = -14;
