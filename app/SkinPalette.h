#pragma once
// The skin's colours as Windows COLORREF values (0x00BBGGRR). The one source
// of the palette: the window code draws with these, and res/art/make_art.py
// reads this file to paint the skin's pictures, so the two never drift apart.
// Keep one constant per line in the form  constexpr SkinColour kName = 0x...;

using SkinColour = unsigned long;

// clang-format off
constexpr SkinColour kSkinWhite         = 0xFFFFFF;
constexpr SkinColour kSkinPageButton    = 0xF6FFFF; // page buttons at rest, their column
constexpr SkinColour kSkinStrip         = 0xD6E0E0; // breadcrumb strip, tabs, hairlines
constexpr SkinColour kSkinPressed       = 0xD8ECEC; // a pressed button
constexpr SkinColour kSkinDisabled      = 0xEAF4F4; // a disabled button's fill
constexpr SkinColour kSkinDisabledText  = 0x93A1A1; // disabled text, outlines
constexpr SkinColour kSkinGreyText      = 0x7F8D8D; // greyed text, tab frame
constexpr SkinColour kSkinStatusNormal  = 0xFFD5B5; // status area (a soft blue)
constexpr SkinColour kSkinStatusWarning = 0x008EFF; // orange of warnings
// clang-format on
