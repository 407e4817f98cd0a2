#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "firmware/RestorePageRules.h"
#include "tests/firmware/LocalTimeZone.h"
#include "text/RestorePageTexts.h"

namespace {

constexpr std::int64_t kMoment = 1700000000; // 2023-11-14 22:13:20 UTC

DeviceConfig Archive(int model, int major, int minor)
{
    DeviceConfig archive;
    archive.m_modelCode = model;
    archive.m_firmwareVersion.major = major;
    archive.m_firmwareVersion.minor = minor;
    archive.m_archivedAt = kMoment;
    return archive;
}

std::vector<std::wstring> Captions(const BackupInfoTexts& texts)
{
    std::vector<std::wstring> written;
    for (const auto& caption : texts.captions) {
        if (caption)
            written.push_back(*caption);
    }
    return written;
}

std::vector<std::wstring> Values(const BackupInfoTexts& texts)
{
    std::vector<std::wstring> written;
    for (const auto& value : texts.values) {
        if (value)
            written.push_back(*value);
    }
    return written;
}

class BackupInfoTextTest : public ::testing::Test {
protected:
    void SetUp() override { UseUtcAsLocalTime(); }
};

TEST_F(BackupInfoTextTest, BasicPairsByModelAndVersion)
{
    struct Case {
        const char* label;
        int model;
        int major;
        int minor;
        std::vector<std::wstring> captions;
    };
    const std::wstring vp = L"VOX Phone:", vi = L"VOX Intercom:", edr = L"EDR (Enhanced Data Rate):",
                       plc = L"PLC (Packet Loss Concealment):", hq = L"High Quality A2DP:",
                       mic = L"Microphone Boosting:", st = L"Sidetone:", hg = L"Hushguard™:",
                       agc = L"Auto Gain Control:";
    const Case cases[] = {
        {"4D10 before 4.0", 0x4D10, 3, 9, {vp, vi, edr}},
        {"4D10 at 4.0", 0x4D10, 4, 0, {vp, vi, edr, plc}},
        {"4D10 at 4.1", 0x4D10, 4, 1, {vp, vi, edr, plc, hq, mic}},
        {"4D20 at 4.1", 0x4D20, 4, 1, {vp, vi, edr, plc, hq}},
        {"4D30 at 4.5", 0x4D30, 4, 5, {vp, vi, edr, hq, mic}},
        {"5060 at 5.2", 0x5060, 5, 2, {vp, vi, edr, hq, st}},
        {"4D40 at 5.0", 0x4D40, 5, 0, {vp, vi, edr, hq, st, mic}},
        {"5020 at 4.2", 0x5020, 4, 2, {vp, vi, edr, hq}},
        {"4D21", 0x4D21, 1, 0, {st}},
        {"2020 before 1.1", 0x2020, 1, 0, {vp, vi, edr, hq, st}},
        {"2020 at 1.1", 0x2020, 1, 1, {vp, vi, edr, hq, st, hg}},
        {"4120", 0x4120, 1, 0, {edr, hq, st, hg, agc}},
        {"4D35 at 1.1", 0x4D35, 1, 1, {vp, edr, plc}},
        {"4D35 at 1.2", 0x4D35, 1, 2, {vp, edr, hq}},
        {"4D35 at 2.0", 0x4D35, 2, 0, {vp, edr, hq, st}},
        {"6420", 0x6420, 1, 0, {vp, edr}},
        {"listed HID model", 0x4210, 1, 0, {}},
        {"camera", 0x3020, 1, 0, {}},
        {"two-chip", 0x5345, 1, 0, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.captions, Captions(BuildBackupInfoTexts(c.model, Archive(c.model, c.major, c.minor), 1, 0, 0)))
            << c.label;
}

TEST_F(BackupInfoTextTest, EdrPolarityChangesAt40)
{
    DeviceConfig archive = Archive(0x4D10, 3, 9);
    archive.m_edr = 1;
    EXPECT_EQ(L"Enabled", *BuildBackupInfoTexts(0x4D10, archive, 1, 0, 0).values[2]);
    archive.m_firmwareVersion.minor = 0;
    archive.m_firmwareVersion.major = 4;
    EXPECT_EQ(L"Disabled", *BuildBackupInfoTexts(0x4D10, archive, 1, 0, 0).values[2]);
    archive.m_edr = 0;
    EXPECT_EQ(L"Enabled", *BuildBackupInfoTexts(0x4D10, archive, 1, 0, 0).values[2]);
}

TEST_F(BackupInfoTextTest, HushguardAndAutoGainAreOffOnlyAt1)
{
    for (int value : {0, 1, 2, -1}) {
        DeviceConfig archive = Archive(0x4120, 1, 0);
        archive.m_hushguard = value;
        archive.m_autoGainControl = value;
        const BackupInfoTexts texts = BuildBackupInfoTexts(0x4120, archive, 1, 0, 0);
        const std::wstring expected = value == 1 ? L"Disabled" : L"Enabled";
        EXPECT_EQ(expected, *texts.values[3]) << value;
        EXPECT_EQ(expected, *texts.values[4]) << value;
    }
}

TEST_F(BackupInfoTextTest, RadioGainAndTimeout)
{
    struct Case {
        int gain;
        const wchar_t* level;
    };
    for (const Case& c : {Case{12, L"Low"}, Case{15, L"Medium"}, Case{17, L"High"}, Case{0, L"Medium"}}) {
        DeviceConfig archive = Archive(0x5210, 1, 0);
        archive.m_radioTransmitGain = c.gain;
        archive.m_audioChannelTimeout = 5;
        for (int category : {1, 2, 3}) {
            const BackupInfoTexts texts = BuildBackupInfoTexts(0x5210, archive, category, 0, 0);
            EXPECT_EQ((std::vector<std::wstring>{L"Radio Transmit Gain:", L"Audio Channel Timeout :"}),
                      Captions(texts));
            EXPECT_EQ((std::vector<std::wstring>{c.level, L"5 seconds"}), Values(texts));
        }
    }
}

TEST_F(BackupInfoTextTest, FmBlock)
{
    DeviceConfig archive = Archive(0x4D10, 4, 2);
    archive.m_fmRegion = 4;
    archive.m_fmPresets[0] = 0;
    archive.m_fmPresets[1] = 10800;
    archive.m_fmPresets[2] = 8750;
    archive.m_fmPresets[9] = 10790;
    archive.m_fmRds = 1;
    const BackupInfoTexts fm = BuildBackupInfoTexts(0x4D10, archive, 3, 0, 0);
    const std::wstring indent(25, L' ');
    EXPECT_FALSE(fm.captionsRightAligned);
    EXPECT_EQ(L"Radio Region:", fm.row0Caption);
    EXPECT_EQ(L"Europe", fm.row0Value);
    EXPECT_EQ(indent + L" 1: Empty", *fm.captions[0]);
    EXPECT_EQ(L" 2: 108.0 MHz", *fm.values[0]);
    EXPECT_EQ(indent + L" 3:   87.5 MHz", *fm.captions[1]);
    EXPECT_EQ(L"10: 107.9 MHz", *fm.values[4]);
    EXPECT_EQ(L"RDS AF (Alternative Frequencies):", *fm.captions[5]);
    EXPECT_EQ(L"Enabled", *fm.values[5]);

    const BackupInfoTexts basic = BuildBackupInfoTexts(0x4D10, archive, 1, 0, 0);
    EXPECT_TRUE(basic.captionsRightAligned);
    EXPECT_EQ(L"Date:", basic.row0Caption);
    EXPECT_EQ(L"11/14/2023 22:13:20", basic.row0Value);

    // Without a category list the model shows its FM block.
    EXPECT_EQ(L"Radio Region:", BuildBackupInfoTexts(0x4D21, archive, 0, 0, 0).row0Caption);
    // Models without the block write nothing for it.
    EXPECT_TRUE(Captions(BuildBackupInfoTexts(0x5020, Archive(0x5020, 4, 2), 3, 0, 0)).empty());
}

TEST_F(BackupInfoTextTest, SpeedDial)
{
    DeviceConfig archive = Archive(0x4D10, 4, 2);
    archive.m_speedDial = {L"+4912345", L"", L"112"};
    const BackupInfoTexts texts = BuildBackupInfoTexts(0x4D10, archive, 2, 0, 0);
    EXPECT_EQ((std::vector<std::wstring>{L"Speed Dial 1:", L"Speed Dial 2:", L"Speed Dial 3:"}), Captions(texts));
    EXPECT_EQ((std::vector<std::wstring>{L"+4912345", L"Empty", L"112"}), Values(texts));
    EXPECT_TRUE(Captions(BuildBackupInfoTexts(0x4040, Archive(0x4040, 1, 0), 2, 0, 0)).empty());
    EXPECT_EQ(std::vector<std::wstring>{L"VOX Phone:"}, Captions(BuildBackupInfoTexts(0x4021, archive, 2, 0, 0)));
}

TEST_F(BackupInfoTextTest, HeadVersionsAndDate)
{
    DeviceConfig camera = Archive(0x3020, 1, 0);
    camera.m_firmwareVersion.kind = 2;
    camera.m_firmwareVersion.build = 5;
    const BackupInfoTexts withCombo = BuildBackupInfoTexts(0x3020, camera, 1, 0, 2);
    EXPECT_EQ(L"Version: v2.5.1.0", withCombo.versionCaption);
    EXPECT_TRUE(withCombo.versionCaptionCentred);
    EXPECT_EQ(L"v2.5.1.0", withCombo.versionValue);
    const BackupInfoTexts noCombo = BuildBackupInfoTexts(0x3020, camera, 1, 0, 0);
    EXPECT_EQ(L"Version:", noCombo.versionCaption);
    EXPECT_FALSE(noCombo.versionCaptionCentred);
    EXPECT_EQ(TextBackupFirmwareInformation(0), noCombo.title);
    EXPECT_EQ(L"Date:", noCombo.row0Caption);
    EXPECT_TRUE(Captions(noCombo).empty());

    DeviceConfig twoChip = Archive(0x5345, 1, 2);
    twoChip.m_firmwareVersion.build = 7;
    EXPECT_EQ(L"v1.2.7", BuildBackupInfoTexts(0x5345, twoChip, 1, 0, 1).versionValue);
    EXPECT_EQ(L"Version: v1.2", BuildBackupInfoTexts(0x5345, twoChip, 1, 0, 1).versionCaption);
    EXPECT_EQ(L"v4.2", BuildBackupInfoTexts(0x4D10, Archive(0x4D10, 4, 2), 1, 0, 0).versionValue);

    EXPECT_EQ(L"14.11.2023 22:13:20", BuildBackupInfoTexts(0x4D10, Archive(0x4D10, 4, 2), 1, 2, 0).row0Value);
    EXPECT_EQ(L"2023/11/14 22:13:20", BuildBackupInfoTexts(0x4D10, Archive(0x4D10, 4, 2), 1, 4, 0).row0Value);
    DeviceConfig undated = Archive(0x4D10, 4, 2);
    undated.m_archivedAt = 0;
    EXPECT_EQ(L"", BuildBackupInfoTexts(0x4D10, undated, 1, 0, 0).row0Value);
}

TEST_F(BackupInfoTextTest, FollowsTheUiLanguage)
{
    for (int language = 0; language < 13; ++language) {
        const BackupInfoTexts texts = BuildBackupInfoTexts(0x4D10, Archive(0x4D10, 4, 2), 1, language, 0);
        EXPECT_EQ(TextBackupFirmwareInformation(language), texts.title);
        for (const auto& caption : texts.captions) {
            if (caption) {
                EXPECT_EQ(L':', caption->back()) << language;
            }
        }
    }
    EXPECT_EQ(L"Activé", *BuildBackupInfoTexts(0x4D10, Archive(0x4D10, 4, 2), 1, 1, 0).values[2]);
}

TEST(RestorePageTexts, TitleInEveryLanguage)
{
    const wchar_t* const titles[] = {
        L"Backup Firmware Information",
        L"Info. micrologiciel de sauvegarde",
        L"Backup-Firmware-Infos",
        L"Informazioni Backup Firmware",
        L"バックアップファームウェア情報",
        L"백업 펌웨어 정보",
        L"Inform. Firmware Respaldo",
        L"Back-up-firmware-informatie",
        L"Сведения о Резервной Копии Прошивки",
        L"备份固件信息",
        L"Laiteohjelmiston varmuuskopion tiedot",
        L"Informace o záloze firmwaru",
        L"Informacje o kopii zapasowej oprogramowania układowego",
    };
    for (int language = 0; language < 13; ++language)
        EXPECT_EQ(titles[language], TextBackupFirmwareInformation(language)) << language;
    EXPECT_EQ(titles[0], TextBackupFirmwareInformation(13));
    EXPECT_EQ(titles[0], TextBackupFirmwareInformation(-1));
}

TEST(RestorePageVisibility, ModelRules)
{
    struct Case {
        const char* label;
        int model;
        int major;
        int minor;
        int category;
        unsigned pairs;
        bool list;
    };
    const Case cases[] = {
        {"4D10 3.x Basic", 0x4D10, 3, 5, 1, 0x07, false},  {"4D10 4.0 Basic", 0x4D10, 4, 0, 1, 0x0F, false},
        {"4D10 4.1 Basic", 0x4D10, 4, 1, 1, 0x3F, false},  {"4D20 4.1 Basic", 0x4D20, 4, 1, 1, 0x1F, false},
        {"4D30 4.2 Basic", 0x4D30, 4, 2, 1, 0x1F, false},  {"5060 4.2 Basic", 0x5060, 4, 2, 1, 0x0F, false},
        {"4D10 5.0 Basic", 0x4D10, 5, 0, 1, 0x3F, false},  {"5020 5.0 Basic", 0x5020, 5, 0, 1, 0x0F, false},
        {"5010 5.0 Basic", 0x5010, 5, 0, 1, 0x1F, false},  {"4D10 Speed Dial", 0x4D10, 4, 2, 2, 0x07, false},
        {"4D10 FM Radio", 0x4D10, 4, 2, 3, 0x3F, false},   {"4D35 1.9 Basic", 0x4D35, 1, 9, 1, 0x07, false},
        {"4D35 2.0 Basic", 0x4D35, 2, 0, 1, 0x0F, false},  {"4D21 without categories", 0x4D21, 1, 0, 0, 0x3F, false},
        {"4040 Speed Dial", 0x4040, 1, 0, 2, 0x3F, false}, {"2020 1.0 Basic", 0x2020, 1, 0, 1, 0x1F, false},
        {"2020 1.1 Basic", 0x2020, 1, 1, 1, 0x3F, false},  {"4021 FM Radio", 0x4021, 1, 0, 3, 0x01, false},
        {"5210 Speed Dial", 0x5210, 1, 0, 2, 0x03, false}, {"4210 Basic", 0x4210, 1, 0, 1, 0x00, true},
        {"4210 Speed Dial", 0x4210, 1, 0, 2, 0x07, false}, {"6020 Basic", 0x6020, 1, 0, 1, 0x00, true},
        {"6010 FM Radio", 0x6010, 1, 0, 3, 0x27, false},   {"unlisted product", 0x3020, 1, 0, 1, 0x00, false},
    };
    for (const Case& c : cases) {
        const RestorePageVisibility shown =
            DecideRestorePageVisibility(c.model, c.category, Archive(c.model, c.major, c.minor), 1, 0);
        EXPECT_TRUE(shown.details) << c.label;
        EXPECT_EQ(c.pairs, shown.pairsShown) << c.label;
        EXPECT_EQ(c.list, shown.listShown) << c.label;
    }
}

TEST(RestorePageVisibility, WithoutDetailsOnlyTheTitleShows)
{
    const RestorePageVisibility none = DecideRestorePageVisibility(0x4210, 1, Archive(0x4210, 1, 0), 0, 3);
    EXPECT_FALSE(none.details);
    EXPECT_EQ(0u, none.pairsShown);
    EXPECT_FALSE(none.listShown);
    EXPECT_FALSE(none.comboShown);
    EXPECT_TRUE(none.firstCaptionRight);
    EXPECT_FALSE(DecideRestorePageVisibility(0x4D10, 1, Archive(0x4D10, 4, 2), 1, 1).comboShown);
    EXPECT_TRUE(DecideRestorePageVisibility(0x4D10, 1, Archive(0x4D10, 4, 2), 1, 2).comboShown);
}

} // namespace
