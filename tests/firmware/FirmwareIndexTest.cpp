#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/DeviceConfig.h"
#include "firmware/FirmwareIndex.h"
#include "firmware/ServerListLine.h"

namespace {

// The index lines use "Vel8" (0x4D10) as the unit's key X and "LENSA" (0x3020)
// for the four-part versions; Y is any other model.
struct IndexCase {
    const char* label;
    std::wstring text;
    int modelCode;
    std::wstring firmwareLanguage;
    int applyFlag;
    int uiLanguage;
    ImageVersion version;
    std::wstring serverFile;
    std::vector<std::wstring> languages;
    int selected;
};

FirmwareIndexEntry Parse(const IndexCase& c)
{
    FirmwareIndexQuery query;
    query.modelCode = c.modelCode;
    query.unitKey = FirmwareIndexModelKey(c.modelCode, UnitAddressCheck::kNotRead);
    query.firmwareLanguage = c.firmwareLanguage;
    query.applyToFirmwareLanguage = c.applyFlag;
    query.uiLanguage = c.uiLanguage;
    return ParseFirmwareIndex(c.text, query);
}

TEST(FirmwareIndex, ParsesTheUnitsBlock)
{
    const std::wstring variants = L"Vel8:V2.0:English:e.img\nVel8:V2.1:French:f.img\n";
    // clang-format off
    const IndexCase cases[] = {
        {"single image and build", L"Vel8:V1.2:a.img\nVel8:3", 0x4D10, L"", 0, 0, {1, 2, 0, 3}, L"a.img", {}, -1},
        {"CR LF line ends", L"Vel8:V1.2:a.img\r\nVel8:3\r\n", 0x4D10, L"", 0, 0, {1, 2, 0, 3}, L"a.img", {}, -1},
        {"blanks around fields", L"  Vel8 : V1.2 :\ta.img \nVel8: 3", 0x4D10, L"", 0, 0, {1, 2, 0, 3}, L"a.img", {}, -1},
        {"two variants", variants, 0x4D10, L"", 0, 0, {2, 0, 0, 0}, L"e.img", {L"English", L"French"}, 0},
        {"stored language in other case", variants, 0x4D10, L"french", 0, 0, {2, 0, 0, 0}, L"f.img",
         {L"English", L"French"}, 1},
        {"apply flag, no German variant", variants, 0x4D10, L"", 1, 2, {2, 0, 0, 0}, L"e.img", {L"English", L"French"}, 0},
        {"apply flag, UI French", variants, 0x4D10, L"", 1, 1, {2, 0, 0, 0}, L"f.img", {L"English", L"French"}, 1},
        {"apply flag beats the stored language", variants + L"Vel8:V2.0:German:g.img", 0x4D10, L"German", 1, 1,
         {2, 0, 0, 0}, L"f.img", {L"English", L"French", L"German"}, 1},
        {"a listed language again is ignored", variants + L"Vel8:V2.0:english:e2.img\nVel8:4", 0x4D10, L"", 0, 0,
         {2, 0, 0, 4}, L"e.img", {L"English", L"French"}, 0},
        {"other models before the block", L"Other:V9.9:y.img\nOther:V1.0:German:g.img\nVel8:V1.0:x.img", 0x4D10, L"", 0,
         0, {1, 0, 0, 0}, L"x.img", {}, -1},
        {"a second single image ends the parse", L"Vel8:V1.0:x.img\nVel8:V1.1:x2.img", 0x4D10, L"", 0, 0,
         {1, 0, 0, 0}, L"x.img", {}, -1},
        {"another model's build line ends the parse", L"Vel8:V1.2:a.img\nOther:7\nVel8:3", 0x4D10, L"", 0, 0,
         {1, 2, 0, 0}, L"a.img", {}, -1},
        {"a build line before the block is skipped", L"Vel8:5\nVel8:V1.2:a.img", 0x4D10, L"", 0, 0, {1, 2, 0, 0},
         L"a.img", {}, -1},
        {"variants end at another model's variant", variants + L"Other:V2.0:German:g.img\nVel8:V2.0:Dutch:d.img",
         0x4D10, L"", 0, 0, {2, 0, 0, 0}, L"e.img", {L"English", L"French"}, 0},
        {"variants end at a single image", variants + L"Vel8:V3.0:z.img", 0x4D10, L"", 0, 0, {2, 0, 0, 0}, L"e.img",
         {L"English", L"French"}, 0},
        {"a line of no form ends the block", L"Vel8:V1.2:a.img\nnotes\nVel8:3", 0x4D10, L"", 0, 0, {1, 2, 0, 0},
         L"a.img", {}, -1},
        {"blank lines and no last LF", L"\n\nVel8:V1.2:a.img\n\n\nVel8:3", 0x4D10, L"", 0, 0, {1, 2, 0, 3}, L"a.img",
         {}, -1},
        {"four-part camera version", L"LENSA:V1.0.1.5:p.img", 0x3020, L"", 0, 0, {1, 0, 1, 5}, L"p.img", {}, -1},
        {"camera build line replaces the fourth part", L"LENSA:V1.0.1.5:p.img\nLENSA:9", 0x3020, L"", 0, 0,
         {1, 0, 1, 9}, L"p.img", {}, -1},
        {"version without a dot reads zero", L"Vel8:V12:a.img", 0x4D10, L"", 0, 0, {0, 0, 0, 0}, L"a.img", {}, -1},
        {"no entry for the unit", L"Other:V1.2:a.img", 0x4D10, L"", 0, 0, {0, 0, 0, 0}, L"", {}, -1},
        {"empty field ends the cut", L"Vel8::a.img\nVel8:V1.1:b.img", 0x4D10, L"", 0, 0, {1, 1, 0, 0}, L"b.img", {}, -1},
        {"unknown model has no key", L":V1.1:b.img", 0, L"", 0, 0, {0, 0, 0, 0}, L"", {}, -1},
    };
    // clang-format on
    for (const IndexCase& c : cases) {
        const FirmwareIndexEntry entry = Parse(c);
        EXPECT_EQ(c.version.major, entry.version.major) << c.label;
        EXPECT_EQ(c.version.minor, entry.version.minor) << c.label;
        EXPECT_EQ(c.version.kind, entry.version.kind) << c.label;
        EXPECT_EQ(c.version.build, entry.version.build) << c.label;
        EXPECT_EQ(c.serverFile, entry.serverFile) << c.label;
        EXPECT_EQ(c.languages, entry.languages) << c.label;
        EXPECT_EQ(c.selected, entry.selectedItem) << c.label;
        EXPECT_EQ(entry.files.size(), entry.languages.size()) << c.label;
    }
}

TEST(FirmwareIndex, ServerFileNamesWithPathPartsAreLinesOfNoForm)
{
    const std::wstring refused[] = {L"../evil.img", L"..", L".", L"dir/a.img", L"dir\\a.img", L"C:a.img"};
    for (const std::wstring& name : refused) {
        EXPECT_FALSE(IsPlainServerFileName(name));
        IndexCase before = {
            "", L"Vel8:V1.0:English:" + name + L"\nVel8:V1.1:ok.img", 0x4D10, L"", 0, 0, {1, 1, 0, 0}, L"ok.img", {},
            -1};
        const FirmwareIndexEntry skipped = Parse(before);
        EXPECT_EQ(L"ok.img", skipped.serverFile);
        EXPECT_TRUE(skipped.languages.empty());
        IndexCase after = {"",
                           L"Vel8:V1.0:English:e.img\nVel8:V1.0:French:" + name,
                           0x4D10,
                           L"French",
                           0,
                           0,
                           {1, 0, 0, 0},
                           L"e.img",
                           {L"English"},
                           0};
        const FirmwareIndexEntry ended = Parse(after);
        EXPECT_EQ(L"e.img", ended.serverFile);
        EXPECT_EQ(std::vector<std::wstring>{L"English"}, ended.languages);
    }
    EXPECT_TRUE(IsPlainServerFileName(L"fw_v2.1-kr.img"));
    EXPECT_TRUE(IsPlainServerFileName(L"...img"));
}

TEST(FirmwareIndex, StoresTheEntryInTheJob)
{
    FirmwareInfo job;
    job.Reset(3);
    const IndexCase c = {"", L"Vel8:V2.0:English:e.img\nVel8:V2.1:French:f.img\nVel8:7", 0x4D10, L"", 0, 0, {}, L"", {},
                         0};
    StoreFirmwareIndexEntry(Parse(c), job);
    EXPECT_EQ(2, job.m_version.major);
    EXPECT_EQ(7, job.m_version.build);
    EXPECT_EQ(L"e.img", job.m_selectedFile);
    EXPECT_EQ(2, job.m_count);
    EXPECT_EQ(1, job.FindLanguage(L"FRENCH"));
    EXPECT_EQ(L"f.img", job.FileName(1));
}

TEST(FirmwareIndex, AddressDecidesTheKeyOfModel5060)
{
    // Bytes 0, 3 and 2 are the lower address.
    const std::uint8_t inside[kAddressKeyBytes] = {0x33, 0x11, 0x00, 0x24, 0x22, 0x00, 0x44, 0x55};
    const std::uint8_t outside[kAddressKeyBytes] = {0x33, 0x11, 0x85, 0x35, 0x22, 0x00, 0x44, 0x55};
    EXPECT_EQ(L"332400", UnitLowerAddressText(inside));
    EXPECT_EQ(L"554422[332400]", UnitAddressText(inside));
    EXPECT_EQ(UnitAddressCheck::kInRange, CheckUnitAddress(0x5060, &inside));
    EXPECT_EQ(UnitAddressCheck::kOutsideRange, CheckUnitAddress(0x5060, &outside));
    EXPECT_EQ(UnitAddressCheck::kNotRead, CheckUnitAddress(0x5060, nullptr));

    EXPECT_EQ(L"IV_Orn8", FirmwareIndexModelKey(0x5060, UnitAddressCheck::kInRange));
    EXPECT_EQ(L"Orn8", FirmwareIndexModelKey(0x5060, UnitAddressCheck::kOutsideRange));
    EXPECT_EQ(L"", FirmwareIndexModelKey(0x5060, UnitAddressCheck::kNotRead));
    EXPECT_EQ(L"Vel8", FirmwareIndexModelKey(0x4D10, UnitAddressCheck::kNotRead));
}

DeviceConfig Unit(int model, int major, int minor, int kind, int build)
{
    DeviceConfig unit;
    unit.m_modelCode = model;
    unit.m_firmwareVersion.major = major;
    unit.m_firmwareVersion.minor = minor;
    unit.m_firmwareVersion.kind = kind;
    unit.m_firmwareVersion.build = build;
    return unit;
}

TEST(FirmwareIndex, ServerVersionRules)
{
    struct Case {
        const char* label;
        DeviceConfig unit;
        ImageVersion server;
        const wchar_t* file;
        UnitAddressCheck address;
        int newer;
    };
    using A = UnitAddressCheck;
    // clang-format off
    const Case cases[] = {
        {"release candidate gets the release", Unit(0x4D10, 4, 2, 1, 3), {4, 2, 0, 0}, L"a.img", A::kNotRead, 1},
        {"release candidate of a newer version", Unit(0x4D10, 4, 3, 1, 3), {4, 2, 0, 0}, L"a.img", A::kNotRead, 0},
        {"older build", Unit(0x4D10, 4, 2, 2, 2), {4, 2, 0, 3}, L"a.img", A::kNotRead, 1},
        {"same build", Unit(0x4D10, 4, 2, 2, 2), {4, 2, 0, 2}, L"a.img", A::kNotRead, 0},
        {"older minor", Unit(0x4D10, 4, 1, 0, 0), {4, 2, 0, 0}, L"a.img", A::kNotRead, 1},
        {"newer unit", Unit(0x4D10, 5, 0, 0, 0), {4, 2, 0, 9}, L"a.img", A::kNotRead, 0},
        {"loader model, unmarked, server build 0", Unit(0x3116, 4, 2, 0, 7), {4, 2, 0, 0}, L"a.img", A::kNotRead, 0},
        {"loader model, unmarked, server build 1", Unit(0x3116, 4, 2, 3, 7), {4, 2, 0, 1}, L"a.img", A::kNotRead, 1},
        {"loader model, build number", Unit(0x3116, 4, 2, 2, 2), {4, 2, 0, 3}, L"a.img", A::kNotRead, 1},
        {"loader model, release candidate", Unit(0x3116, 4, 2, 1, 2), {4, 2, 0, 0}, L"a.img", A::kNotRead, 1},
        {"5060 without a readable unit", Unit(0x5060, 1, 0, 0, 0), {4, 2, 0, 0}, L"a.img", A::kNotRead, 0},
        {"5060 in the batch range", Unit(0x5060, 9, 9, 0, 0), {4, 2, 0, 0}, L"a.img", A::kInRange, 1},
        {"5060 outside, older", Unit(0x5060, 4, 1, 0, 0), {4, 2, 0, 0}, L"a.img", A::kOutsideRange, 1},
        {"5060 outside, same", Unit(0x5060, 4, 2, 0, 0), {4, 2, 0, 0}, L"a.img", A::kOutsideRange, 0},
        {"camera, four parts older", Unit(0x3020, 1, 0, 2, 4), {1, 0, 2, 5}, L"a.img", A::kNotRead, 1},
        {"camera, four parts equal", Unit(0x3020, 1, 0, 2, 5), {1, 0, 2, 5}, L"a.img", A::kNotRead, 0},
        {"no server version", Unit(0x4D10, 0, 0, 1, 0), {0, 0, 0, 0}, L"a.img", A::kNotRead, 0},
        {"no server file", Unit(0x4D10, 1, 0, 0, 0), {4, 2, 0, 0}, L"", A::kNotRead, 0},
        {"no server file, 5060 in range", Unit(0x5060, 1, 0, 0, 0), {4, 2, 0, 0}, L"", A::kInRange, 0},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(c.newer, IsServerVersionNewer(c.unit.m_modelCode, c.unit, c.server, c.file, c.address)) << c.label;
}

TEST(ServerListLine, TheReaderTakesEveryLineOnceAndSkipsEmptyOnes)
{
    struct Case {
        const wchar_t* text;
        std::vector<std::wstring> lines;
    };
    const Case cases[] = {
        {L"", {}},
        {L"\n\n\n", {}},
        {L"a", {L"a"}},
        {L"a\n", {L"a"}},
        {L"\na\n\n\nb", {L"a", L"b"}},
        {L"a\r\nb\r\n", {L"a\r", L"b\r"}}, // CR goes with the fields' trimming
        {L" \n", {L" "}},
    };
    for (const Case& c : cases) {
        const std::wstring text = c.text;
        ServerListReader reader(text);
        std::vector<std::wstring> lines;
        std::wstring line = L"stale";
        while (reader.Next(line))
            lines.push_back(line);
        EXPECT_EQ(c.lines, lines) << std::string(text.begin(), text.end());
        EXPECT_FALSE(reader.Next(line));
    }
}

TEST(ServerListLine, SplitsAtTheFirstThreeColons)
{
    const ServerListLine four = SplitServerListLine(L"A:B:C:D:E");
    EXPECT_EQ(3, four.colons);
    EXPECT_EQ(L"D:E", four.fields[3]);
    const ServerListLine build = SplitServerListLine(L"A: 12x");
    EXPECT_EQ(1, build.colons);
    EXPECT_EQ(12, ReadDecimalPrefix(build.restAfterFirstColon));
    EXPECT_EQ(0, SplitServerListLine(L":A:B").colons);
    EXPECT_EQ(2147483647, ReadDecimalPrefix(L"99999999999"));
    EXPECT_EQ(-2147483647 - 1, ReadDecimalPrefix(L"-99999999999"));
    EXPECT_EQ(0, ReadDecimalPrefix(L"x1"));
}

} // namespace
