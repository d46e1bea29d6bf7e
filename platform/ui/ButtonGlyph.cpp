#include "platform/ui/ButtonGlyph.h"

#include <algorithm>

#include "platform/graphics/Bitmap.h"

TButtonGlyph::TButtonGlyph() : FGlyph(std::make_unique<TBitmap>()) { FGlyph->SetSize(0, 0); }

TButtonGlyph::~TButtonGlyph() = default;

void TButtonGlyph::SetGlyph(const TBitmap* value) {
    if (value)
        FGlyph->Assign(value);
    else
        FGlyph->SetSize(0, 0);
    GlyphChanged();
}

void TButtonGlyph::SetNumGlyphs(int value) {
    value = std::clamp(value, 1, 4);
    if (value == FNumGlyphs) return;
    FNumGlyphs = value;
    GlyphChanged();
}

void TButtonGlyph::SetLayout(TButtonLayout value) {
    if (value == FLayout) return;
    FLayout = value;
    GlyphChanged();
}

void TButtonGlyph::SetMargin(int value) {
    if (value == FMargin) return;
    FMargin = std::max(value, -1);
    GlyphChanged();
}

void TButtonGlyph::SetSpacing(int value) {
    if (value == FSpacing) return;
    FSpacing = std::max(value, -1);
    GlyphChanged();
}

TButtonLook TButtonGlyph::GlyphLook(std::string caption) const {
    TButtonLook look;
    look.Caption = std::move(caption);
    look.Glyph = FGlyph.get();
    look.NumGlyphs = FNumGlyphs;
    look.Layout = FLayout;
    look.Margin = FMargin;
    look.Spacing = FSpacing;
    return look;
}
