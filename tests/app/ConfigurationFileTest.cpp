// The configuration file's reader and writer, without a file: the text in,
// the preferences out, and the bytes written back.

#include "app/ConfigurationFile.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace {

ManagerPreferences Read(const std::wstring& text)
{
    ManagerPreferences prefs;
    ReadConfigurationText(text, prefs);
    return prefs;
}

void ExpectDefaults(const ManagerPreferences& prefs)
{
    EXPECT_EQ(L"v0.0", prefs.managerVersionText);
    EXPECT_EQ(0, prefs.uiLanguage);
    EXPECT_EQ(1, prefs.applyToFirmwareLanguage);
    EXPECT_EQ(0, prefs.modelCode);
    EXPECT_EQ(L"English", prefs.firmwareLanguage);
    EXPECT_EQ(L"", prefs.currentPath);
}

const wchar_t kGermanExample[] = L"keyManagerVersion=v1.3\r\n"
                                 L"keyManagerLanguage=German\r\n"
                                 L"keyApplyToFirmwareLanguage=1\r\n"
                                 L"keyDeviceTarget=19728\r\n"
                                 L"keyFirmwareLanguage=English\r\n";

TEST(ConfigurationFile, EmptyOrBlankTextKeepsTheDefaults)
{
    ExpectDefaults(Read(L""));
    ExpectDefaults(Read(L"\n\n\r\n  \r\n\t\n"));
    ExpectDefaults(Read(L"\n"));
}

TEST(ConfigurationFile, ReadsTheExampleWithEitherLineEnd)
{
    for (std::wstring text : {std::wstring(kGermanExample), std::wstring(L"")}) {
        if (text.empty()) {
            text = kGermanExample;
            for (std::size_t at; (at = text.find(L"\r\n")) != std::wstring::npos;)
                text.erase(at, 1);
        }
        const ManagerPreferences prefs = Read(text);
        EXPECT_EQ(L"v1.3", prefs.managerVersionText);
        EXPECT_EQ(2, prefs.uiLanguage);
        EXPECT_EQ(1, prefs.applyToFirmwareLanguage);
        EXPECT_EQ(0x4D10, prefs.modelCode);
        EXPECT_EQ(L"English", prefs.firmwareLanguage);
        EXPECT_EQ(L"", prefs.currentPath);
    }
}

TEST(ConfigurationFile, LinesAreTrimmedSkippedAndTakeTheirLastValue)
{
    struct Case {
        const wchar_t* text;
        int language;
        int target;
        int apply;
        const wchar_t* path;
    } cases[] = {
        // Blanks around key and value and a CR LF end.
        {L"  keyDeviceTarget \t=  19728  \r\n", 0, 0x4D10, 1, L""},
        // Language names match regardless of case; keys do not.
        {L"keyManagerLanguage=french", 1, 0, 1, L""},
        {L"KeyManagerLanguage=French", 0, 0, 1, L""},
        {L"keyManagerLanguage=Klingon", 0, 0, 1, L""},
        {L"keyManagerLanguage=Polish\nkeyManagerLanguage=Czech", 11, 0, 1, L""},
        // "=" first, or missing, skips the line and only that line.
        {L"=keyDeviceTarget=5\nkeyDeviceTarget 7\nkeyDeviceTarget=9", 0, 9, 1, L""},
        // The value keeps an "=" of its own.
        {L"keyCurrentPath=C:\\a=b\\c \r\n", 0, 0, 1, L"C:\\a=b\\c"},
        // Decimal only: a hexadecimal form, or no number, reads 0.
        {L"keyDeviceTarget=0x4D10", 0, 0, 1, L""},
        {L"keyDeviceTarget=abc", 0, 0, 1, L""},
        {L"keyDeviceTarget=-12x", 0, -12, 1, L""},
        {L"keyDeviceTarget=99999999999999999999", 0, 2147483647, 1, L""},
        // Any non-zero number follows the UI language; no number does not.
        {L"keyApplyToFirmwareLanguage=5", 0, 0, 1, L""},
        {L"keyApplyToFirmwareLanguage=0", 0, 0, 0, L""},
        {L"keyApplyToFirmwareLanguage=yes", 0, 0, 0, L""},
        // A last line without a line end counts.
        {L"keyManagerLanguage=German\r\nkeyDeviceTarget=16912", 2, 0x4210, 1, L""},
    };
    for (const Case& c : cases) {
        const ManagerPreferences prefs = Read(c.text);
        EXPECT_EQ(c.language, prefs.uiLanguage) << c.text;
        EXPECT_EQ(c.target, prefs.modelCode) << c.text;
        EXPECT_EQ(c.apply, prefs.applyToFirmwareLanguage) << c.text;
        EXPECT_EQ(std::wstring(c.path), prefs.currentPath) << c.text;
    }
}

TEST(ConfigurationFile, WritesTheGermanExampleByteForByte)
{
    ManagerPreferences prefs;
    prefs.uiLanguage = 2;
    prefs.modelCode = 0x4D10;
    EXPECT_EQ(std::wstring(kGermanExample), WriteConfigurationText(prefs));
    // Read and written back, it stays the same.
    EXPECT_EQ(std::wstring(kGermanExample), WriteConfigurationText(Read(kGermanExample)));
}

TEST(ConfigurationFile, WritesFlagsAsOneOrZeroAndOnlyTheTextsThatHoldSomething)
{
    const ManagerPreferences prefs =
        Read(L"keyApplyToFirmwareLanguage=5\nkeyManagerVersion=v9.9\nkeyFirmwareLanguage=");
    EXPECT_EQ(L"keyManagerVersion=v1.3\r\n"
              L"keyManagerLanguage=English\r\n"
              L"keyApplyToFirmwareLanguage=1\r\n"
              L"keyDeviceTarget=0\r\n",
              WriteConfigurationText(prefs));

    ManagerPreferences withPath;
    withPath.currentPath = L"D:\\Images";
    withPath.uiLanguage = 99; // never a real language: written as English
    EXPECT_EQ(L"keyManagerVersion=v1.3\r\n"
              L"keyManagerLanguage=English\r\n"
              L"keyApplyToFirmwareLanguage=1\r\n"
              L"keyDeviceTarget=0\r\n"
              L"keyFirmwareLanguage=English\r\n"
              L"keyCurrentPath=D:\\Images\r\n",
              WriteConfigurationText(withPath));
}

TEST(ConfigurationFile, PathIsTheProgramsFolderThenImg)
{
    EXPECT_EQ(L"C:\\Program Files\\Quor\\IMG\\QuorBluetoothDeviceManager.hvlxconf",
              ConfigurationFilePath(L"C:\\Program Files\\Quor\\QuorDeviceManager.exe"));
    EXPECT_EQ(L"", ConfigurationFilePath(L"QuorDeviceManager.exe"));
    EXPECT_EQ(L"", ConfigurationFilePath(L""));
}

TEST(ConfigurationFile, TextRoundTripsThroughTheLocaleWithoutSplittingCharacters)
{
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_ALL, "C.UTF-8"))
        GTEST_SKIP() << "no UTF-8 locale here";
    // A long text puts multi-byte characters across every 1024-byte boundary.
    std::wstring text = L"keyCurrentPath=";
    while (text.size() < 3000)
        text += L"Übersicht-データ\\";
    const std::string bytes = EncodeLocaleText(text);
    EXPECT_GT(bytes.size(), text.size());
    EXPECT_EQ(text, DecodeLocaleText(bytes));
    // A byte the code page does not know costs one character only.
    EXPECT_EQ(L"a\uFFFDb", DecodeLocaleText("a\xFF"
                                            "b"));
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(ConfigurationFile, CharactersTheCodePageCannotHoldAreWrittenAsQuestionMarks)
{
    // The plain C locale holds ASCII only.
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ("ab?c", EncodeLocaleText(L"ab\u4E2Dc"));
    std::setlocale(LC_ALL, saved.c_str());
}

} // namespace
