#include "app/MessageBoxLayout.h"

namespace {

const int kMargin = 20;
const int kTextLeft = 104;
const int kButtonRowFromBottom = 44;

BoxRect Button(int x, int height)
{
    return {x, height - kButtonRowFromBottom, kMessageBoxButtonWidth, kMessageBoxButtonHeight};
}

} // namespace

MessageBoxLayout LayoutMessageBox(int width, int height, bool anyButtonShown)
{
    MessageBoxLayout layout;
    layout.icon = {kMargin, kMargin, kMessageBoxIconSize, kMessageBoxIconSize};
    const int textHeight = height - 2 * kMargin - (anyButtonShown ? kButtonRowFromBottom : 0);
    layout.text = {kTextLeft, kMargin, width - kTextLeft - kMargin, textHeight};
    layout.button1 = Button(width - 135, height);
    layout.button2 = Button(width - 251, height);
    layout.button3 = Button(width - 366, height);
    return layout;
}
