#include <gtest/gtest.h>

#include <climits>

#include "afx/afxstr.h"

// Failures print the text, not the object's address.
inline void PrintTo(const CString& s, std::ostream* os)
{
    *os << ::testing::PrintToString(s.str());
}

namespace {

struct FormatCase {
    const wchar_t* expected;
    CString actual;
};

// The same printf rules on every compiler: the manager's formats pass wide
// strings to %s.
TEST(CStringFormat, FollowsOneSetOfRules)
{
    const FormatCase cases[] = {
        {L"Ready for Vel8. Go", AfxFormat(L"Ready for %s. %s", L"Vel8", L"Go")},
        {L"wide wide", AfxFormat(L"%ls %s", L"wide", L"wide")},
        {L"narrow", AfxFormat(L"%hs", "narrow")},
        {L"  7|7  |007|-7", AfxFormat(L"%3d|%-3d|%03d|%d", 7, 7, 7, -7)},
        {L"ff FF 0x1f 17", AfxFormat(L"%x %X %#x %o", 255, 255, 31, 15)},
        {L"4294967295 -1", AfxFormat(L"%u %ld", 0xFFFFFFFFu, -1L)},
        {L"123456789012 18446744073709551615", AfxFormat(L"%I64d %llu", 123456789012LL, ~0ULL)},
        {L"3.14 2.500000", AfxFormat(L"%.2f %f", 3.14159, 2.5)},
        {L"100%", AfxFormat(L"%d%%", 100)},
        {L"[ab   ][  ab][a]", AfxFormat(L"[%-5s][%4s][%.1s]", L"ab", L"ab", L"ab")},
        {L"x=Z", AfxFormat(L"x=%c", L'Z')},
        {L"(null)", AfxFormat(L"%s", static_cast<const wchar_t*>(nullptr))},
        {L"2.0rc3", AfxFormat(L"%d.%drc%s", 2, 0, L"3")},
        {L"\u4FDD\u5B58 %s", AfxFormat(L"%s %%s", L"\u4FDD\u5B58")},
        {L"%q", AfxFormat(L"%q")},
        {L"tail %", AfxFormat(L"tail %")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::wstring(c.expected), c.actual.str());
}

TEST(CStringFormat, WidthsAndPrecisionsOutOfRangeAreClampedNeverNegated)
{
    // A negative width from the arguments left-aligns; INT_MIN cannot be
    // negated, so it takes the widest field instead.
    EXPECT_EQ(AfxFormat(L"[%*d]", -4, 7), L"[7   ]");
    const std::wstring fromMin = AfxFormat(L"[%*d]", INT_MIN, 7);
    EXPECT_EQ(fromMin.substr(0, 2), L"[7");
    EXPECT_EQ(fromMin.size(), 4096u + 2u);
    EXPECT_EQ(fromMin.find_first_not_of(L' ', 2), fromMin.size() - 1);
    const std::wstring fromMinString = AfxFormat(L"%*s|", INT_MIN, L"ab");
    EXPECT_EQ(fromMinString.size(), 4096u + 1u);
    EXPECT_EQ(fromMinString.substr(0, 3), L"ab ");
    // A negative precision means none.
    EXPECT_EQ(AfxFormat(L"%.*s|%.*d", INT_MIN, L"whole", -1, 42), L"whole|42");
    // Huge widths and precisions, written or given, are clamped, and the
    // number is still all there at the end of the field.
    for (const std::wstring& wide : {AfxFormat(L"%*d", INT_MAX, 12345), AfxFormat(L"%99999999999d", 12345),
                                     AfxFormat(L"%*lld", 100000, -123456789012LL)}) {
        EXPECT_EQ(wide.size(), 4096u);
        EXPECT_NE(wide.back(), L' ');
    }
    EXPECT_EQ(AfxFormat(L"%.*d", INT_MAX, 5).size(), 4096u);
    EXPECT_EQ(AfxFormat(L"%*.*f|", INT_MIN, INT_MAX, 1.5).substr(0, 4), L"1.50");
}

TEST(CStringFormat, MemberFormsAgree)
{
    CString s;
    s.Format(L"%s_DiagnosticLog.hvlxlog", L"20261210125959");
    EXPECT_EQ(CString(L"20261210125959_DiagnosticLog.hvlxlog"), s);
    s.AppendFormat(L"|%d", 5);
    EXPECT_EQ(CString(L"20261210125959_DiagnosticLog.hvlxlog|5"), s);
}

TEST(CStringMembers, SlicesStayInsideTheText)
{
    const CString s(L"keyManagerVersion=1.2");
    EXPECT_EQ(CString(L"key"), s.Left(3));
    EXPECT_EQ(CString(L"1.2"), s.Right(3));
    EXPECT_EQ(CString(L"Manager"), s.Mid(3, 7));
    EXPECT_EQ(CString(L""), s.Mid(100));
    EXPECT_EQ(CString(L""), s.Mid(2, -1));
    EXPECT_EQ(s, s.Left(1000));
    EXPECT_EQ(CString(L""), s.Right(-4));
    EXPECT_EQ(17, s.Find(L'='));
    EXPECT_EQ(-1, s.Find(L'=', 100));
    EXPECT_EQ(3, s.Find(L"Manager"));
    EXPECT_EQ(19, s.ReverseFind(L'.'));
    EXPECT_EQ(L'\0', s.GetAt(-1));
    EXPECT_EQ(L'\0', s.GetAt(s.GetLength()));
}

TEST(CStringMembers, EditsAndComparisons)
{
    CString s(L"  Vel8 \t");
    s.Trim();
    EXPECT_EQ(CString(L"Vel8"), s);
    EXPECT_EQ(0, s.CompareNoCase(L"VEL8"));
    EXPECT_GT(s.Compare(L"Vel"), 0);
    CString percent(L"a%b%c");
    EXPECT_EQ(2, percent.Replace(L"%", L"%%"));
    EXPECT_EQ(CString(L"a%%b%%c"), percent);
    CString t(L"a.b.c");
    EXPECT_EQ(2, t.Replace(L'.', L'_'));
    EXPECT_EQ(CString(L"a_b_c"), t);
    t.MakeUpper();
    EXPECT_EQ(CString(L"A_B_C"), t);
    t.Delete(1, 2);
    EXPECT_EQ(CString(L"A_C"), t);
    t.Insert(99, L"!");
    EXPECT_EQ(CString(L"A_C!"), t);
    wchar_t* buffer = t.GetBuffer(10);
    buffer[2] = L'\0';
    t.ReleaseBuffer();
    EXPECT_EQ(CString(L"A_"), t);
}

TEST(CStringText, Utf8RoundTrip)
{
    const std::wstring text = L"P\u0159\u00EDli\u0161 \u65E5\u672C \u0420\u0443\u0441";
    EXPECT_EQ(text, AfxUtf8ToWide(AfxWideToUtf8(text)));
    EXPECT_EQ(std::string("\xC5\xBE"), AfxWideToUtf8(L"\u017E"));
    // A cut sequence becomes replacement characters instead of reading past the end.
    EXPECT_EQ(std::wstring(L"a\uFFFD\uFFFD"), AfxUtf8ToWide(std::string("a\xE6\x97")));
}

} // namespace
