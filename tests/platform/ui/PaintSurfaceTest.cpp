#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>

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

// A see-through control starts each paint from its parent's face: what it leaves unpainted,
// erase included, shows the parent; a plain one is erased to its colour.
TEST(PaintSurface, SeeThroughControlShowsItsParentBehindWhatItPaints) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 150);
    form.SetColor(clRed);
    auto* box = new TCustomControl(&form);
    box->SetParent(&form);
    box->SetBounds(30, 20, 40, 30);
    box->SetColor(clNone);
    box->OnPaint = [&](TObject*) {
        box->Canvas()->Brush()->SetColor(clBlue);
        box->Canvas()->FillRect(Rect(0, 0, 10, 10));
    };
    box->SetSeeThrough(true);
    form.Show();
    box->Repaint();
    EXPECT_EQ(box->Canvas()->Pixel(5, 5), clBlue);
    EXPECT_EQ(box->Canvas()->Pixel(20, 20), clRed);
    EXPECT_EQ(box->Canvas()->Pixel(39, 29), clRed);

    box->SetSeeThrough(false);
    box->SetColor(clYellow);
    box->Repaint();
    EXPECT_EQ(box->Canvas()->Pixel(20, 20), clYellow);
}

// The desktop's colours changing (a new toolkit palette) reaches every control.
TEST(PaintSurface, PaletteChangeIsASystemColourChange) {
    struct TProbe : TCustomControl {
        using TCustomControl::TCustomControl;
        int Changes = 0;
        void SysColorChange() override { ++Changes; }
    };
    TForm form(nullptr);
    auto* probe = new TProbe(&form);
    probe->SetParent(&form);
    const QPalette saved = QApplication::palette();
    QPalette changed = saved;
    changed.setColor(QPalette::Window, Qt::darkCyan);
    QApplication::setPalette(changed);
    QApplication::setPalette(saved);
    EXPECT_EQ(probe->Changes, 2);
}

}  // namespace
