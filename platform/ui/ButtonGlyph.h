#pragma once
// The glyph of a bitmap or speed button and where it goes: the glyph strip with its count of
// images, the layout, margin and spacing (see ButtonPainter.h), with the properties both kinds
// of button publish. A button takes it as a second base and repaints in GlyphChanged.
#include <memory>
#include <string>

#include "platform/classes/Publisher.h"
#include "platform/ui/ButtonPainter.h"

class TButtonGlyph {
public:
    TBitmap* Glyph() const { return FGlyph.get(); }
    // Copies value; none empties the glyph.
    void SetGlyph(const TBitmap* value);
    // The images side by side in Glyph (1 to 4): up, disabled, clicked, down.
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout value);
    int Margin() const { return FMargin; }
    void SetMargin(int value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);

    // Published last by both buttons, in this order.
    template <class T>
    static void PublishGlyph(TPublisher<T>& p) {
        p.Object("Glyph", &T::Glyph);
        p.Integer("NumGlyphs", &T::NumGlyphs, &T::SetNumGlyphs).Default(1);
        p.Enumeration("Layout", ButtonLayoutNames(), &T::Layout, &T::SetLayout)
            .Default(blGlyphLeft);
        p.Integer("Margin", &T::Margin, &T::SetMargin).Default(-1);
        p.Integer("Spacing", &T::Spacing, &T::SetSpacing).Default(4);
    }

protected:
    TButtonGlyph();
    virtual ~TButtonGlyph();

    // The look with this caption, glyph and placement; the button adds its state.
    TButtonLook GlyphLook(std::string caption) const;
    virtual void GlyphChanged() = 0;

private:
    std::unique_ptr<TBitmap> FGlyph;
    int FNumGlyphs = 1;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    int FSpacing = 4;
};
