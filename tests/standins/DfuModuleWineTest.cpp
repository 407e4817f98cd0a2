#include <windows.h>

#include <gtest/gtest.h>

#include "standins/DFUEngine.h"

namespace {

TEST(DfuModuleWine, TheLibraryIsItsOwnModuleBesideTheProgram)
{
    HMODULE module = GetModuleHandleW(L"DFUEngine.dll");
    ASSERT_NE(module, nullptr);
    EXPECT_NE(GetProcAddress(module, "DFUEngineAttachSimulatedBus"), nullptr);
    wchar_t dll[MAX_PATH] = {};
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(module, dll, MAX_PATH);
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring a(dll), b(exe);
    EXPECT_EQ(a.substr(0, a.find_last_of(L'\\')), b.substr(0, b.find_last_of(L'\\')));
}

} // namespace
