// Where the program's message box puts its picture, text and buttons, and
// which models' updates go on by themselves once the box is closed.

#include "shell/MessageBoxLayout.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageBoxLayout, PlacesPictureTextAndButtonsFromTheSize)
{
    // Zero to three buttons: the text leaves the button row free whenever one shows.
    for (int buttons = 0; buttons <= 3; ++buttons) {
        const MessageBoxLayout layout = LayoutMessageBox(400, 130, buttons > 0);
        EXPECT_EQ((BoxRect{20, 20, 64, 64}), layout.icon);
        EXPECT_EQ((BoxRect{104, 20, 276, buttons > 0 ? 46 : 90}), layout.text) << buttons;
        EXPECT_EQ((BoxRect{265, 86, 115, 24}), layout.button1);
        EXPECT_EQ((BoxRect{149, 86, 115, 24}), layout.button2);
        EXPECT_EQ((BoxRect{34, 86, 115, 24}), layout.button3);
    }
    const MessageBoxLayout wide = LayoutMessageBox(530, 230, true);
    EXPECT_EQ((BoxRect{104, 20, 406, 146}), wide.text);
    EXPECT_EQ((BoxRect{395, 186, 115, 24}), wide.button1);
    EXPECT_EQ((BoxRect{164, 186, 115, 24}), wide.button3);
}

TEST(MessageBoxLayout, WorkerUpdateModelsAreTheSixtySixOfTheTable)
{
    EXPECT_EQ(66, WorkerUpdateModelCount());
    for (int model : {0x4210, 0x2030, 0x5345, 0x5416, 0x5560, 0x6400})
        EXPECT_TRUE(IsWorkerUpdateModel(model)) << std::hex << model;
    for (int model : {0x4D10, 0x3020, 0x5346, 0x2010, 0})
        EXPECT_FALSE(IsWorkerUpdateModel(model)) << std::hex << model;
}

} // namespace
