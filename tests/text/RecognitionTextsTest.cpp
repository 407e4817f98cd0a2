// Texts of the recognition page and of the recognition's reports.

#include "text/RecognitionTexts.h"
#include "text/SharedWords.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::wstring kMenu = L"Diagnostic Log";

std::wstring Support(int language)
{
    return GetTextContactSupport(kMenu, language);
}

TEST(RecognitionTexts, ThePageShowsTheThreeStepsInEnglishForUnknownLanguages)
{
    const std::wstring english =
        L"1. Power off your product and connect it to your PC using the supplied microUSB cable.\n\n"
        L"2. Follow the instruction below that matches with your Quor product.\n - Zenta2: Leave it powered off.\n"
        L" - Other Quor Products not listed: Power it on.\n\n"
        L"3. Press the [NEXT >] button.\r\n";
    for (int language : {0, 13, -1})
        EXPECT_EQ(GetTextConnectInstructions(language), english) << language;
}

TEST(RecognitionTexts, TheNextStepNamesTheLanguagesNextWord)
{
    EXPECT_EQ(GetTextPressNextStep(3, 4), L"3. [" + GetTextNext(4) + L" >]ボタンを押します。\r\n");
    for (int language = 0; language < 13; ++language) {
        const std::wstring page = GetTextConnectInstructions(language);
        EXPECT_NE(page.find(L"[" + GetTextNext(language) + L" >]"), std::wstring::npos) << language;
        EXPECT_EQ(page.rfind(L"3. "), page.size() - GetTextPressNextStep(3, language).size()) << language;
        if (language != 0) {
            EXPECT_NE(page, GetTextConnectInstructions(0)) << language;
        }
    }
}

TEST(RecognitionTexts, InterfaceCountWords)
{
    struct Case {
        int result;
        int language;
        const wchar_t* expected;
    } cases[] = {
        {6, 0, L"more USB interface(s)"},     {8, 0, L"more USB interface(s)"},       {5, 0, L"less USB interface(s)"},
        {7, 0, L"less USB interface(s)"},     {0, 0, L"more USB interface(s)"},       {9, 13, L"more USB interface(s)"},
        {6, 4, L"より多いUSBインタフェース"}, {5, 4, L"より少ないUSBインタフェース"}, {6, 5, L"USB 인터페이스 많음"},
        {7, 5, L"USB 인터페이스 적음"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetTextUsbInterfaceCount(c.result, c.language), c.expected) << c.result << " " << c.language;
    EXPECT_EQ(GetTextOddUsbInterfaces(-1), L"odd USB interface(s)");
}

TEST(RecognitionTexts, TheSupportRequestNamesTheAddressAndTheMenu)
{
    const std::wstring address = kSupportEmailAddress;
    EXPECT_EQ(Support(0), L"Send email to Technical Support (" + address +
                              L") with diagnostic log which can be created by pressing the right mouse button and "
                              L"selecting [Diagnostic Log] menu.\n");
    EXPECT_EQ(Support(11), L"Odešlete technické podpoře " + address +
                               L" e-mail s diagnostickým protokolem, který lze vytvořit stisknutím pravého tlačítka "
                               L"myši a výběrem nabídky Diagnostic Log.\n");
    for (int language : {11, 12}) {
        const std::wstring text = Support(language);
        EXPECT_NE(text.find(L" " + address + L" "), std::wstring::npos) << language;
        EXPECT_NE(text.find(L" " + kMenu + L"."), std::wstring::npos) << language;
    }
    // What is put in is never read as a pattern again.
    EXPECT_NE(GetTextContactSupport(L"Log %s 100%", 0).find(L"[Log %s 100%]"), std::wstring::npos);
}

TEST(RecognitionTexts, UnexpectedInterfaceCountInEachWordOrder)
{
    EXPECT_EQ(GetTextUnexpectedInterfaceCount(1, 5, Support(0), 0),
              L"USB interface(s) less than expected is(are) obtained.\n" + Support(0));
    EXPECT_EQ(GetTextUnexpectedInterfaceCount(0, 8, Support(0), 0),
              L"USB interface(s) more than expected is(are) found.\n" + Support(0));
    EXPECT_EQ(GetTextUnexpectedInterfaceCount(1, 6, L"", 8), L"USB-портов получено больше, чем ожидалось.\n");
    EXPECT_EQ(GetTextUnexpectedInterfaceCount(0, 8, L"", 9), L"USB 接口比预期 找到 的 较多。\n");
    EXPECT_EQ(GetTextUsbInterfaceProblem(Support(0), 0), L"There is problem in the USB interface.\n" + Support(0));
    EXPECT_EQ(GetTextUnexpectedInterfaceCount(1, 6, L"50% %s", 0),
              L"USB interface(s) more than expected is(are) obtained.\n50% %s");
}

TEST(RecognitionTexts, TheOtherDeviceTextNamesTheModel)
{
    EXPECT_EQ(GetTextOtherDeviceRecognized(L"Zenta1 %d", 0),
              L"A device other than the Zenta1 %d is recognized. Select the appropriate device.\n");
    for (int language = 1; language < 13; ++language) {
        EXPECT_NE(GetTextOtherDeviceRecognized(L"Zenta1", language).find(L"Zenta1"), std::wstring::npos);
        EXPECT_NE(GetTextUsbInterfaceProblem(L"", language), GetTextUsbInterfaceProblem(L"", 0));
        EXPECT_NE(GetTextOddUsbInterfaces(language), GetTextOddUsbInterfaces(0));
        EXPECT_NE(Support(language), Support(0));
    }
}

} // namespace
