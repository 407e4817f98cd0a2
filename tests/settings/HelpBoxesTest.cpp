#include "settings/HelpBoxes.h"

#include "res/resource.h"
#include "text/SettingHelpTexts.h"

#include <gtest/gtest.h>

namespace {

TEST(HelpBoxes, EachButtonHasItsBoxSize)
{
    struct Case {
        int id, width, height;
    };
    const Case cases[] = {
        {IDC_EDR_HELP, 510, 200},       {IDC_PLC_HELP, 510, 260},         {IDC_A2DP_HELP, 520, 160},
        {IDC_MIC_BOOST_HELP, 510, 210}, {IDC_SIDETONE_HELP, 520, 160},    {IDC_HUSHGUARD_HELP, 520, 160},
        {IDC_AGC_HELP, 510, 260},       {IDC_MOTION_HELP, 520, 170},      {IDC_DUALSTREAM_HELP, 520, 260},
        {IDC_OVERLAY_HELP, 520, 240},   {IDC_NAV_APP_HELP, 520, 190},     {IDC_GAIN_HELP, 510, 220},
        {IDC_TIMEOUT_HELP, 510, 220},   {IDC_AUDIO_BOOST_HELP, 520, 150},
    };
    for (const Case& c : cases) {
        const HelpBox box = HelpBoxForButton(c.id, 0, 0x5210);
        EXPECT_EQ(box.width, c.width) << c.id;
        EXPECT_EQ(box.height, c.height) << c.id;
        EXPECT_EQ(box.offersEmail, c.id == IDC_EDR_HELP) << c.id;
        EXPECT_EQ(box.text.find(L"%s"), std::wstring::npos) << c.id;
        EXPECT_EQ(box.text.front(), L'[') << c.id;
    }
    // Only Japanese gets the larger microphone box.
    for (int language = -1; language <= 13; ++language) {
        const HelpBox box = HelpBoxForButton(IDC_MIC_BOOST_HELP, language, 0x4D10);
        EXPECT_EQ(box.width, language == 4 ? 550 : 510) << language;
        EXPECT_EQ(box.height, language == 4 ? 250 : 210) << language;
    }
    EXPECT_TRUE(HelpBoxForButton(IDC_VOX_PHONE_ENABLE, 0, 0x4D10).text.empty());
}

TEST(HelpBoxes, PlaceholdersTakeTheNamesInTheLanguage)
{
    EXPECT_EQ(HelpBoxForButton(IDC_AUDIO_BOOST_HELP, 0, 0x4D10).text,
              L"[Audio Boost]\nWhen Audio Boost is enabled, you can hear audio at a louder maximum volume level.");
    EXPECT_NE(HelpBoxForButton(IDC_EDR_HELP, 11, 0x4D10).text.find(GetSupportAddress()), std::wstring::npos);
    // Italian names the setting in its sentence and is shown as written.
    EXPECT_EQ(HelpBoxForButton(IDC_AUDIO_BOOST_HELP, 3, 0x4D10).text, GetHelpAudioBoost(3));
}

} // namespace
