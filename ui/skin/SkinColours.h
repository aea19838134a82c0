#pragma once
// Every colour of the program's look, in one place. They come from the beast
// panel's backdrop: parchment for windows and fields, dark wood for frames,
// selections and the pressed-in tab, gold for button faces. Text is dark ink
// on parchment and gold, and pale gold on wood; each pair keeps a contrast
// of at least 4.5:1 (checked by the skin's tests).

#include <QRgb>

namespace SkinColours {

// Backgrounds.
inline constexpr QRgb Parchment = 0xf3e4c3;       // windows, dialog and tab pages
inline constexpr QRgb ParchmentDeep = 0xe3cc9c;   // tabs that are not current
inline constexpr QRgb ParchmentShade = 0xd4b983;  // lower edge of those tabs
inline constexpr QRgb Cream = 0xfbf6e3;           // edits, lists, tooltips
inline constexpr QRgb CreamAlternate = 0xf5ebd0;  // every other row of a list
inline constexpr QRgb ReadOnlyField = 0xeadab5;   // edits that only show a value
inline constexpr QRgb DisabledFace = 0xe6d8b8;    // disabled buttons and fields

// Text.
inline constexpr QRgb Ink = 0x2b1a0b;
inline constexpr QRgb InkFaded = 0x857052;  // disabled text
inline constexpr QRgb Placeholder = 0x6b5334;
inline constexpr QRgb Link = 0x8a3410;
inline constexpr QRgb LinkVisited = 0x6a2a4a;
inline constexpr QRgb GoldText = 0xf6dc8c;  // text on wood
inline constexpr QRgb PaleText = 0xfdf3d6;  // selected text on wood

// Wood, for frames and for faces pressed in.
inline constexpr QRgb WoodDark = 0x4a2a12;
inline constexpr QRgb Wood = 0x6b3e1a;
inline constexpr QRgb WoodLight = 0x9a6a3a;
inline constexpr QRgb Tan = 0xc4a571;  // quiet outline of flat buttons

// Gold button faces, top to bottom of their gradient.
inline constexpr QRgb GoldTop = 0xf7e4b0;
inline constexpr QRgb Gold = 0xe2c27a;
inline constexpr QRgb GoldBottom = 0xc99d4e;
inline constexpr QRgb GoldBright = 0xfff3cc;  // top of a face under the mouse
inline constexpr QRgb FlatFace = 0xf8eed6;    // resting flat button

}  // namespace SkinColours
