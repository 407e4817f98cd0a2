#include <gtest/gtest.h>

#include "link/HidDfuErrorTable.h"

namespace {

TEST(HidDfuErrorTable, SetErrorTakesTheCodesMessage)
{
    struct Case {
        int code;
        const char* text;
    };
    const Case cases[] = {
        {0, ""},
        {-1, "Invalid sequence (hidDfuConnect must be called first)"},
        {-14, "Busy, operation in progress"},
        {-16, "Device firmware is corrupt"},
        {-17, "Unknown error code"},
        {-18, "Unknown error code"},
        {-19, "Unknown error code"},
        {-20, "Unknown error"},
        {-21, "Unknown error code"},
        {1, "Unknown error code"},
    };
    HidDfuErrorTable table;
    EXPECT_EQ(table.LastError(), "");
    for (const Case& c : cases) {
        EXPECT_EQ(table.SetError(c.code), c.code);
        EXPECT_EQ(table.LastError(), c.text) << c.code;
    }
}

TEST(HidDfuErrorTable, EveryRow)
{
    HidDfuErrorTable table;
    int rows = 0;
    for (int code = -30; code <= 30; ++code)
        rows += table.Message(code) != nullptr;
    EXPECT_EQ(rows, 18);
    EXPECT_STREQ(table.Message(-2), "Failed to connect to device");
    EXPECT_STREQ(table.Message(-3), "Failed to open file");
    EXPECT_STREQ(table.Message(-4), "Failed to write to file");
    EXPECT_STREQ(table.Message(-5), "File format is invalid");
    EXPECT_STREQ(table.Message(-6), "File CRC is incorrect");
    EXPECT_STREQ(table.Message(-7), "File read failed");
    EXPECT_STREQ(table.Message(-8), "Upgrade failed");
    EXPECT_STREQ(table.Message(-9), "Device reset failed");
    EXPECT_STREQ(table.Message(-10), "Out of memory");
    EXPECT_STREQ(table.Message(-11), "Invalid parameter");
    EXPECT_STREQ(table.Message(-12), "Driver operation failed");
    EXPECT_STREQ(table.Message(-13), "Operation failed to start");
    EXPECT_STREQ(table.Message(-15), "Failed to clear device status");
}

} // namespace
