#pragma once
// Colours as the drawing layer keeps them: 0x00BBGGRR. A value with the top bit set names a
// system colour (its low byte is the index into the system-colour table); clNone and clDefault
// are markers that callers test for and that pass through ColorToRGB unchanged.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

using TColor = int32_t;

constexpr TColor RGB(uint8_t r, uint8_t g, uint8_t b) {
    return TColor(uint32_t(r) | (uint32_t(g) << 8) | (uint32_t(b) << 16));
}
constexpr uint8_t GetRValue(TColor c) { return uint8_t(uint32_t(c) & 0xFF); }
constexpr uint8_t GetGValue(TColor c) { return uint8_t((uint32_t(c) >> 8) & 0xFF); }
constexpr uint8_t GetBValue(TColor c) { return uint8_t((uint32_t(c) >> 16) & 0xFF); }

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clLtGray = 0xC0C0C0;
inline constexpr TColor clDkGray = 0x808080;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clMoneyGreen = 0xC0DCC0;
inline constexpr TColor clSkyBlue = 0xF0CAA6;
inline constexpr TColor clCream = 0xF0FBFF;
inline constexpr TColor clMedGray = 0xA4A0A0;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

// System colours: the top bit plus the index of the entry in the system-colour table.
inline constexpr TColor clSystemColor = TColor(0x80000000u);
inline constexpr TColor SystemColor(int index) { return TColor(0x80000000u | uint32_t(index)); }
inline constexpr TColor clScrollBar = SystemColor(0);
inline constexpr TColor clBackground = SystemColor(1);
inline constexpr TColor clActiveCaption = SystemColor(2);
inline constexpr TColor clInactiveCaption = SystemColor(3);
inline constexpr TColor clMenu = SystemColor(4);
inline constexpr TColor clWindow = SystemColor(5);
inline constexpr TColor clWindowFrame = SystemColor(6);
inline constexpr TColor clMenuText = SystemColor(7);
inline constexpr TColor clWindowText = SystemColor(8);
inline constexpr TColor clCaptionText = SystemColor(9);
inline constexpr TColor clActiveBorder = SystemColor(10);
inline constexpr TColor clInactiveBorder = SystemColor(11);
inline constexpr TColor clAppWorkSpace = SystemColor(12);
inline constexpr TColor clHighlight = SystemColor(13);
inline constexpr TColor clHighlightText = SystemColor(14);
inline constexpr TColor clBtnFace = SystemColor(15);
inline constexpr TColor clBtnShadow = SystemColor(16);
inline constexpr TColor clGrayText = SystemColor(17);
inline constexpr TColor clBtnText = SystemColor(18);
inline constexpr TColor clInactiveCaptionText = SystemColor(19);
inline constexpr TColor clBtnHighlight = SystemColor(20);
inline constexpr TColor cl3DDkShadow = SystemColor(21);
inline constexpr TColor cl3DLight = SystemColor(22);
inline constexpr TColor clInfoText = SystemColor(23);
inline constexpr TColor clInfoBk = SystemColor(24);
inline constexpr TColor clHotLight = SystemColor(26);
inline constexpr TColor clGradientActiveCaption = SystemColor(27);
inline constexpr TColor clGradientInactiveCaption = SystemColor(28);
inline constexpr TColor clMenuHighlight = SystemColor(29);
inline constexpr TColor clMenuBar = SystemColor(30);

inline constexpr int SystemColorCount = 31;
using TSystemColorTable = std::array<TColor, SystemColorCount>;

// The table behind the system colours. The default is the classic light-grey look; a program
// that changes it at run time repaints what depends on it.
const TSystemColorTable& SystemColors();
void SetSystemColors(const TSystemColorTable& table);
const TSystemColorTable& DefaultSystemColors();

// A system colour becomes its table entry (an index past the table gives black); every other
// value, clNone and clDefault included, comes back unchanged.
TColor ColorToRGB(TColor color);

// Names of colours ("clRed") and back; false when the value or the name has none. Names are
// found without regard to letter case.
bool ColorToIdent(TColor color, std::string& ident);
bool IdentToColor(std::string_view ident, TColor& color);
// The name of a colour, or "$" and eight hexadecimal digits ("$00FF8000").
std::string ColorToString(TColor color);
// A colour name, "$" with hexadecimal digits, or a decimal number; anything else raises
// EConvertError "'x' is not a valid integer value".
TColor StringToColor(std::string_view text);
