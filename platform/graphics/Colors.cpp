#include "platform/graphics/Colors.h"

#include <cctype>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/NumberText.h"

namespace {

// The classic light-grey look: silver faces, grey shadows, white windows, navy selection.
constexpr TSystemColorTable ClassicColors = {
    clSilver,               // scroll bar
    clTeal,                 // desktop
    clNavy,                 // active caption
    clGray,                 // inactive caption
    clSilver,               // menu
    clWhite,                // window
    clBlack,                // window frame
    clBlack,                // menu text
    clBlack,                // window text
    clWhite,                // caption text
    clSilver,               // active border
    clSilver,               // inactive border
    clGray,                 // application work space
    clNavy,                 // highlight
    clWhite,                // highlight text
    clSilver,               // button face
    clGray,                 // button shadow
    clGray,                 // grey text
    clBlack,                // button text
    clSilver,               // inactive caption text
    clWhite,                // button highlight
    clBlack,                // 3-D dark shadow
    RGB(0xDF, 0xDF, 0xDF),  // 3-D light
    clBlack,                // info text
    RGB(0xFF, 0xFF, 0xE1),  // info background
    clBlack,                // (unused index)
    clBlue,                 // hot light
    RGB(0x10, 0x84, 0xD0),  // gradient of the active caption
    RGB(0xB5, 0xB5, 0xB5),  // gradient of the inactive caption
    clNavy,                 // menu highlight
    clSilver,               // menu bar
};

TSystemColorTable& Table() {
    static TSystemColorTable table = ClassicColors;
    return table;
}

struct TColorIdent {
    TColor Color;
    const char* Name;
};

constexpr TColorIdent ColorIdents[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuBar, "clMenuBar"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuText, "clMenuText"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
};

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// "$" and one to eight hexadecimal digits.
bool TryHexColor(std::string_view t, TColor& color) {
    if (t.size() < 2 || t.size() > 9 || t[0] != '$') return false;
    uint32_t v = 0;
    for (char c : t.substr(1)) {
        const int d = std::isdigit(static_cast<unsigned char>(c))
                          ? c - '0'
                          : (std::isxdigit(static_cast<unsigned char>(c))
                                 ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                                 : -1);
        if (d < 0) return false;
        v = (v << 4) | uint32_t(d);
    }
    color = TColor(v);
    return true;
}

}  // namespace

const TSystemColorTable& SystemColors() { return Table(); }
void SetSystemColors(const TSystemColorTable& table) { Table() = table; }
const TSystemColorTable& DefaultSystemColors() { return ClassicColors; }

TColor ColorToRGB(TColor color) {
    if (color >= 0) return color;
    const uint32_t index = uint32_t(color) & 0xFF;
    return index < SystemColorCount ? Table()[index] : clBlack;
}

bool ColorToIdent(TColor color, std::string& ident) {
    for (const TColorIdent& e : ColorIdents)
        if (e.Color == color) {
            ident = e.Name;
            return true;
        }
    return false;
}

bool IdentToColor(std::string_view ident, TColor& color) {
    for (const TColorIdent& e : ColorIdents)
        if (SameText(e.Name, ident)) {
            color = e.Color;
            return true;
        }
    return false;
}

std::string ColorToString(TColor color) {
    std::string ident;
    if (ColorToIdent(color, ident)) return ident;
    return "$" + IntToHex(uint32_t(color), 8);
}

TColor StringToColor(std::string_view text) {
    TColor color = 0;
    if (IdentToColor(text, color)) return color;
    std::string_view t = text;
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
    if (TryHexColor(t, color)) return color;
    return StrToInt(text);
}
