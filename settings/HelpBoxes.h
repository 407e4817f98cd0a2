#pragma once
// What each "?" button of the fixed option controls shows: the setting's help text with its
// placeholders filled, and the size of its message box.

#include <string>

struct HelpBox {
    std::wstring text;
    int width;
    int height;
    bool offersEmail; // a "SEND Email" button beside OK
};

// The box of a help button of template 187 for the connected product in the UI language; an
// empty text for any other id.
HelpBox HelpBoxForButton(int buttonId, int language, int productId);
