// Pens, brushes and fonts as settings objects: change notices, copies, published properties.
#include <gtest/gtest.h>

#include "platform/classes/PropAccess.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Pen.h"

TEST(GraphicsObjects, SettersNotifyOnlyOnChange) {
    TPen pen;
    int changes = 0;
    pen.OnChange = [&](TObject*) { ++changes; };
    pen.SetColor(clBlack);  // already black
    pen.SetWidth(1);
    EXPECT_EQ(changes, 0);
    pen.SetColor(clRed);
    pen.SetMode(pmNotXor);
    pen.SetStyle(psDot);
    pen.SetWidth(2);
    EXPECT_EQ(changes, 4);

    TPen copy;
    int copyChanges = 0;
    copy.OnChange = [&](TObject*) { ++copyChanges; };
    copy.Assign(&pen);
    EXPECT_EQ(copyChanges, 1);  // one notice for the whole copy
    EXPECT_EQ(copy.Color(), clRed);
    EXPECT_EQ(copy.Mode(), pmNotXor);
    EXPECT_EQ(copy.Style(), psDot);
    EXPECT_EQ(copy.Width(), 2);
    TBrush brush;
    EXPECT_THROW(copy.Assign(&brush), EConvertError);
}

TEST(GraphicsObjects, BrushCopiesStyleColourAndPattern) {
    TBitmap pattern(8, 8);
    TBrush a, b;
    a.SetColor(clGreen);
    a.SetStyle(bsDiagCross);
    a.SetBitmap(&pattern);
    b.Assign(&a);
    EXPECT_EQ(b.Color(), clGreen);
    EXPECT_EQ(b.Style(), bsDiagCross);
    EXPECT_EQ(b.Bitmap(), &pattern);
}

TEST(GraphicsObjects, FontHeightFollowsSizeThroughPixelsPerInch) {
    struct TCase {
        int Size, PixelsPerInch, Height;
    } cases[] = {
        {8, 96, -11}, {10, 96, -13}, {12, 96, -16}, {9, 96, -12}, {8, 120, -13}, {10, 600, -83},
    };
    for (const TCase& c : cases) {
        TFont font;
        font.SetPixelsPerInch(c.PixelsPerInch);
        font.SetSize(c.Size);
        EXPECT_EQ(font.Height(), c.Height) << c.Size << "pt at " << c.PixelsPerInch;
        EXPECT_EQ(font.Size(), c.Size);
    }
    // A font copied to a device of another resolution keeps its point size.
    TFont screen, printer;
    screen.SetSize(10);
    printer.SetPixelsPerInch(600);
    printer.Assign(&screen);
    EXPECT_EQ(printer.Height(), -83);
}

TEST(GraphicsObjects, PublishedPropertiesByName) {
    TFont font;
    SetPropValue(&font, "Style", Variant("fsBold,fsItalic"));
    SetPropValue(&font, "Name", Variant("Arial"));
    SetPropValue(&font, "Size", Variant(int64_t(12)));
    EXPECT_EQ(font.Style(), (TFontStyles{fsBold, fsItalic}));
    EXPECT_EQ(font.Height(), -16);
    EXPECT_EQ(GetPropValue(&font, "Name").AsString(), "Arial");

    TBrush brush;
    SetPropValue(&brush, "Style", Variant("bsBDiagonal"));
    EXPECT_EQ(brush.Style(), bsBDiagonal);
    TPen pen;
    SetPropValue(&pen, "Mode", Variant("pmXor"));
    EXPECT_EQ(pen.Mode(), pmXor);
}

TEST(GraphicsObjects, FontNamesMapToInstalledFamilies) {
    const std::pair<const char*, const char*> cases[] = {
        {"Arial", "Liberation Sans"},         {"Times New Roman", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},   {"Calibri", "Carlito"},
        {"MS Sans Serif", "Liberation Sans"}, {"Tahoma", "Liberation Sans"},
        {"DejaVu Serif", "DejaVu Serif"},
    };
    for (const auto& [name, family] : cases) EXPECT_EQ(FontFamilyFor(name), family);
}
