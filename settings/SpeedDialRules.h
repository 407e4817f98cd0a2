#pragma once
// What the speed-dial edits keep of what is typed or pasted.

#include <string>

constexpr int kSpeedDialMaxCharacters = 20;

struct SpeedDialEdit {
    std::wstring text;
    int selectionStart;
    int selectionEnd;
};

// Only "0123456789#*+" stays, at most 20 characters; the selection moves back
// by the characters removed before it, so the caret stays where it was.
SpeedDialEdit KeepSpeedDialText(const std::wstring& typed, int selectionStart, int selectionEnd);
