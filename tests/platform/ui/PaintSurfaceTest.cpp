#include <gtest/gtest.h>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Pen.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/Form.h"
#include "tests/support/OffscreenApplication.h"

namespace {

TEST(PaintSurface, DrawingOutsidePaintPersistsAndReachesTheScreen) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 150);
    auto* box = new TPaintBox(&form);
    box->SetParent(&form);
    box->SetBounds(0, 0, 40, 30);
    box->SetColor(clWhite);
    int paints = 0;
    box->OnPaint = [&](TObject*) {
        ++paints;
        box->Canvas()->Brush()->SetColor(clBlue);
        box->Canvas()->FillRect(Rect(0, 0, 10, 10));
    };
    form.Show();
    box->Repaint();
    EXPECT_EQ(paints, 1);

    // An XOR band drawn from a mouse handler, outside any paint.
    TCanvas* canvas = box->Canvas();
    canvas->Pen()->SetMode(pmNotXor);
    canvas->Pen()->SetColor(clBlack);
    canvas->MoveTo(20, 5);
    canvas->LineTo(20, 25);
    EXPECT_EQ(canvas->Pixel(20, 10), clBlack);
    TApplication::ProcessMessages();  // the paint event only copies: no new Paint
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(box->Canvas()->Pixel(20, 10), clBlack);

    TBitmap screen(40, 30);
    box->PaintTo(screen, 0, 0);
    EXPECT_EQ(screen.Canvas()->Pixel(20, 10), clBlack);
    EXPECT_EQ(screen.Canvas()->Pixel(5, 5), clBlue);
    EXPECT_EQ(screen.Canvas()->Pixel(30, 5), clWhite);

    // Drawn twice, the XOR band is gone; a repaint redraws from scratch.
    canvas->MoveTo(20, 5);
    canvas->LineTo(20, 25);
    EXPECT_EQ(canvas->Pixel(20, 10), clWhite);
    box->Invalidate();
    TApplication::ProcessMessages();
    EXPECT_EQ(paints, 2);
    EXPECT_EQ(box->Canvas()->Pixel(5, 5), clBlue);
}

}  // namespace
