#include "platform/graphics/Font.h"

#include <cctype>

#include "platform/classes/PropAccess.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/PrivateFonts.h"
#include "platform/rtl/RtlMath.h"

const TEnumInfo& FontStyleNames() {
    static const TEnumInfo names{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
    return names;
}

TFont::TFont() = default;
TFont::~TFont() = default;

void TFont::Publish(TPublisher<TFont>& p) {
    p.Integer("Charset", &TFont::Charset, &TFont::SetCharset).Default(DEFAULT_CHARSET);
    p.Color("Color", &TFont::Color, &TFont::SetColor).Default(clWindowText);
    p.Integer("Height", &TFont::Height, &TFont::SetHeight).NoDefault();
    p.String("Name", &TFont::Name, &TFont::SetName).NoDefault();
    p.Integer("Orientation", &TFont::Orientation, &TFont::SetOrientation).Default(0);
    p.Integer("Size", &TFont::Size, &TFont::SetSize).Stored(false);
    p.Set("Style", FontStyleNames(), &TFont::Style, &TFont::SetStyle);
}

int TFont::Size() const { return -MulDiv(FHeight, 72, FPixelsPerInch); }

void TFont::SetSize(int value) { SetHeight(-MulDiv(value, FPixelsPerInch, 72)); }

void TFont::SetName(const std::string& value) {
    if (value.empty() || value == FName) return;
    FName = value;
    Changed();
}

void TFont::SetHeight(int value) {
    if (value == FHeight) return;
    FHeight = value;
    Changed();
}

void TFont::SetColor(TColor value) {
    if (value == FColor) return;
    FColor = value;
    Changed();
}

void TFont::SetStyle(TFontStyles value) {
    if (value == FStyle) return;
    FStyle = value;
    Changed();
}

void TFont::SetCharset(TFontCharset value) {
    if (value == FCharset) return;
    FCharset = value;
    Changed();
}

void TFont::SetOrientation(int value) {
    if (value == FOrientation) return;
    FOrientation = value;
    Changed();
}

void TFont::Assign(const TPersistent* source) {
    const TFont* font = dynamic_cast<const TFont*>(source);
    if (!font) return TPersistent::Assign(source);
    FName = font->FName;
    // Keep the point size when the resolutions differ, as a font moved to a printer should.
    FHeight = font->FPixelsPerInch == FPixelsPerInch ? font->FHeight
                                                     : -MulDiv(font->Size(), FPixelsPerInch, 72);
    FColor = font->FColor;
    FStyle = font->FStyle;
    FCharset = font->FCharset;
    FOrientation = font->FOrientation;
    Changed();
}

void TFont::Changed() {
    if (OnChange) OnChange(this);
}

std::string FontFamilyFor(const std::string& name) {
    struct TMapping {
        const char* Name;
        const char* Family;
    };
    // The dialog font the forms were laid out for is narrow: the Arial-compatible face keeps
    // their texts within the sizes they were given, where the wider DejaVu Sans cut them off.
    static constexpr TMapping mappings[] = {
        {"arial", "Liberation Sans"},         {"times new roman", "Liberation Serif"},
        {"courier new", "Liberation Mono"},   {"calibri", "Carlito"},
        {"ms sans serif", "Liberation Sans"}, {"tahoma", "Liberation Sans"},
    };
    // The program's own faces go first: their names are the program's to choose.
    if (std::string family = PrivateFontFamily(name); !family.empty()) return family;
    std::string lower;
    for (char c : name) lower += char(std::tolower(static_cast<unsigned char>(c)));
    for (const TMapping& m : mappings)
        if (lower == m.Name) return m.Family;
    return name;
}
