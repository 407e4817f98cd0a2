#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "afx/afxfile.h"

namespace {

CString TempName(const wchar_t* leaf)
{
#ifdef _WIN32
    const char* tmp = std::getenv("TEMP");
    return (tmp ? CString(tmp) : CString(L".")) + L"\\" + leaf;
#else
    return CString(L"/tmp/") + leaf;
#endif
}

TEST(CFileTest, WritesReadsAndReportsMissingFiles)
{
    const CString name = TempName(L"quor_afx_file_\u00E9.txt");
    CFile::Remove(name);
    {
        CFile file;
        ASSERT_TRUE(file.Open(name, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary));
        EXPECT_TRUE(file.Write("key=value\n", 10));
    }
    {
        CFile file;
        ASSERT_TRUE(file.Open(name, CFile::modeRead | CFile::typeBinary));
        EXPECT_EQ(10u, file.GetLength());
        char buffer[32] = {};
        EXPECT_EQ(10u, file.Read(buffer, sizeof buffer));
        EXPECT_STREQ("key=value\n", buffer);
    }
    const CString renamed = TempName(L"quor_afx_file_renamed.txt");
    CFile::Remove(renamed);
    EXPECT_TRUE(CFile::Rename(name, renamed));
    EXPECT_TRUE(CFile::Remove(renamed));

    CFile missing;
    CFileException error;
    EXPECT_FALSE(missing.Open(renamed, CFile::modeRead, &error));
    EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
    EXPECT_FALSE(missing.Write("x", 1));
    char byte;
    EXPECT_EQ(0u, missing.Read(&byte, 1));
}

TEST(CCriticalSectionTest, LocksRecursively)
{
    CCriticalSection lock;
    EXPECT_TRUE(lock.Lock());
    EXPECT_TRUE(lock.Lock());
    EXPECT_TRUE(lock.Unlock());
    EXPECT_TRUE(lock.Unlock());
}

} // namespace
