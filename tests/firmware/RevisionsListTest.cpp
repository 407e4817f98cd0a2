#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "firmware/RevisionsList.h"

namespace {

DeviceConfig Archive(int model, int major, int minor, int kind = 0, int build = 0)
{
    DeviceConfig archive;
    archive.m_modelCode = model;
    archive.m_firmwareVersion.major = major;
    archive.m_firmwareVersion.minor = minor;
    archive.m_firmwareVersion.kind = kind;
    archive.m_firmwareVersion.build = build;
    return archive;
}

struct Case {
    const char* label;
    std::wstring text;
    DeviceConfig archive;
    int uiLanguage;
    std::wstring firmwareLanguage;
    int apply;
    int ready;
    std::wstring chosen;
    std::vector<std::wstring> languages;
    int selected;
};

RevisionsMatch Match(const Case& c, const std::wstring& key, int model)
{
    RevisionsQuery query;
    query.modelKey = key;
    query.modelCode = model;
    query.archive = &c.archive;
    query.uiLanguage = c.uiLanguage;
    query.firmwareLanguage = c.firmwareLanguage;
    query.applyToFirmwareLanguage = c.apply;
    return MatchRevisionsList(c.text, query);
}

TEST(RevisionsList, MatchesTheArchivedVersion)
{
    const std::wstring pair = L"Vel8:v4.2:English:a.img\nVel8:v4.2:French:b.img\n";
    const DeviceConfig at42 = Archive(0x4D10, 4, 2);
    // clang-format off
    const Case cases[] = {
        {"two variants, the first preselected", pair, at42, 0, L"", 0, 1, L"a.img", {L"English", L"French"}, 0},
        {"UI French applied", pair, at42, 1, L"", 1, 1, L"b.img", {L"English", L"French"}, 1},
        {"UI German applied, not offered", pair, at42, 2, L"", 1, 1, L"a.img", {L"English", L"French"}, 0},
        {"stored voice-prompt language", pair, at42, 0, L"FRENCH", 0, 1, L"b.img", {L"English", L"French"}, 1},
        {"UI language beats the stored one", pair + L"Vel8:v4.2:German:g.img", at42, 1, L"German", 1, 1, L"b.img",
         {L"English", L"French", L"German"}, 1},
        {"versions around the archive's", L"Vel8:v4.1:English:a.img\nVel8:v4.3:English:c.img\nVel8:v4.20:x.img", at42,
         0, L"", 0, 0, L"x.img", {}, -1},
        {"variants interrupted by another model",
         L"Vel8:v4.2:English:a.img\nOther:v4.2:English:o.img\nVel8:v4.2:French:b.img", at42, 0, L"French", 0, 1,
         L"a.img", {L"English"}, 0},
        {"variants end at another version", pair + L"Vel8:v4.3:German:g.img\nVel8:v4.2:Dutch:d.img", at42, 0, L"", 0,
         1, L"a.img", {L"English", L"French"}, 0},
        {"a listed language again is skipped", pair + L"Vel8:v4.2:english:a2.img\nVel8:v4.2:Dutch:d.img", at42, 0,
         L"Dutch", 0, 1, L"d.img", {L"English", L"French", L"Dutch"}, 2},
        {"three-field match", L"Vel8:v4.1:old.img\nVel8:v4.2:backup.img\nVel8:v4.2:later.img", at42, 0, L"", 0, 1,
         L"backup.img", {}, -1},
        {"three-field line after variants", pair + L"Vel8:v4.2:single.img", at42, 0, L"", 0, 1, L"a.img",
         {L"English", L"French"}, 0},
        {"other models skipped before", L"Other:v4.2:o.img\n\r\nOther:v4.2:English:o.img\n" + pair, at42, 0, L"", 0, 1,
         L"a.img", {L"English", L"French"}, 0},
        {"file names with path parts are no entries",
         L"Vel8:v4.2:English:../a.img\nVel8:v4.2:..\nVel8:v4.2:French:b.img", at42, 0, L"", 0, 1, L"b.img",
         {L"French"}, 0},
        {"nothing for the model", L"Other:v4.2:English:a.img", at42, 0, L"", 0, 0, L"", {}, -1},
        {"empty list", L"", at42, 0, L"", 0, 0, L"", {}, -1},
    };
    // clang-format on
    for (const Case& c : cases) {
        const RevisionsMatch match = Match(c, L"Vel8", 0x4D10);
        EXPECT_EQ(c.ready, match.ready) << c.label;
        EXPECT_EQ(c.chosen, match.chosenFile) << c.label;
        EXPECT_EQ(c.languages, match.languages) << c.label;
        EXPECT_EQ(c.selected, match.selectedItem) << c.label;
    }
}

TEST(RevisionsList, CameraComparesFourParts)
{
    const Case equal = {"",
                        L"LENSA:v1.0.2.5:English:a.img\nLENSA:v1.0.2.5:French:b.img",
                        Archive(0x3020, 1, 0, 2, 5),
                        0,
                        L"",
                        0,
                        1,
                        L"a.img",
                        {L"English", L"French"},
                        0};
    const RevisionsMatch match = Match(equal, L"LENSA", 0x3020);
    EXPECT_EQ(1, match.ready);
    EXPECT_EQ(2, match.version.kind);
    EXPECT_EQ(5, match.version.build);
    Case other = equal;
    other.archive = Archive(0x3020, 1, 0, 2, 6);
    EXPECT_EQ(0, Match(other, L"LENSA", 0x3020).ready);
}

TEST(RevisionsList, StoresTheMatchInTheRestoreJob)
{
    const Case c = {
        "", L"Vel8:v4.2:English:a.img\nVel8:v4.2:French:b.img", Archive(0x4D10, 4, 2), 0, L"", 0, 1, L"", {}, 0};
    FirmwareInfo job;
    job.Reset(4);
    job.m_clearedMark = 0;
    StoreRevisionsMatch(Match(c, L"Vel8", 0x4D10), job);
    EXPECT_EQ(1, job.m_clearedMark);
    EXPECT_EQ(L"a.img", job.m_selectedFile);
    EXPECT_EQ(2, job.m_count);
    EXPECT_EQ(4, job.m_version.major);
    EXPECT_EQ(2, job.m_version.minor);
    EXPECT_EQ(L"b.img", job.FileName(job.FindLanguage(L"french")));
}

} // namespace
