#pragma once
// Where the program's message box puts its picture, text and three buttons for
// the width and height the caller gives: buttons in a row at the bottom right,
// button 1 rightmost, the text above them beside the picture.

struct BoxRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

inline bool operator==(const BoxRect& a, const BoxRect& b)
{
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

struct MessageBoxLayout {
    BoxRect icon;
    BoxRect text;
    BoxRect button1;
    BoxRect button2;
    BoxRect button3;
};

constexpr int kMessageBoxIconSize = 64;
constexpr int kMessageBoxButtonWidth = 115;
constexpr int kMessageBoxButtonHeight = 24;

// anyButtonShown: at least one of the three buttons has a label; the text then
// leaves the button row free.
MessageBoxLayout LayoutMessageBox(int width, int height, bool anyButtonShown);

// The models whose firmware update runs on a worker thread that waits for the
// user's OK and goes on by itself once released; for any other target the
// box's OK continues the update on the user-interface side.
bool IsWorkerUpdateModel(int productId);
int WorkerUpdateModelCount();
