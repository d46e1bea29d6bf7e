// The pen dialog through its button: changes made in place, Cancel puts the pen back.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>
#include <string>
#include <vector>

#include "chart/editors/PenDialog.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/editors/ModalRunner.h"
#include "tests/platform/ui/UserInput.h"

namespace {

struct PenDialogTest : ::testing::Test {
    TForm window{nullptr};
    TButtonPen* button = nullptr;
    TChartPen pen;
    int notices = 0;
    int clicks = 0;

    PenDialogTest() {
        button = new TButtonPen(&window);
        button->SetParent(&window);
        button->SetBounds(0, 0, 100, 25);
        pen.OnChange = [this](TObject*) { ++notices; };
        button->LinkPen(&pen);
        button->OnClick = [this](TObject*) { ++clicks; };
    }
    void Run(std::function<void(TPenDialog&)> act) {
        TModalRunner<TPenDialog> runner(&window, std::move(act));
        button->Click();
        EXPECT_TRUE(runner.Ran());
    }
    static void Click(TControl* c) { TUserInput().Click(c, QPoint(6, c->Height() / 2)); }
};

TEST_F(PenDialogTest, ChangesAreMadeInPlaceAndKeptWithOk) {
    Run([&](TPenDialog& d) {
        EXPECT_TRUE(d.CBVisible->Checked());
        EXPECT_EQ(d.CBStyle->Items()->Count(), 6);
        d.SEWidth->SetText("3");
        EXPECT_EQ(pen.Width(), 3);  // while the dialog is open
        d.CBStyle->SetItemIndex(2);
        d.CBStyle->OnChange(d.CBStyle);
        Click(d.BOk);
    });
    EXPECT_EQ(pen.Width(), 3);
    EXPECT_EQ(pen.Style(), psDot);
    EXPECT_EQ(clicks, 1);
}

TEST_F(PenDialogTest, CancelPutsThePenBackWithOneNotice) {
    Run([&](TPenDialog& d) {
        d.SEWidth->SetText("4");
        d.CBStyle->SetItemIndex(1);
        d.CBStyle->OnChange(d.CBStyle);
        notices = 0;
        Click(d.BCancel);
    });
    EXPECT_EQ(pen.Width(), 1);
    EXPECT_EQ(pen.Style(), psSolid);
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(clicks, 0);
    // Cancel without a change touches nothing.
    notices = 0;
    Run([&](TPenDialog& d) { Click(d.BCancel); });
    EXPECT_EQ(notices, 0);
}

TEST_F(PenDialogTest, SmallDotsSwapWidthForSpace) {
    Run([&](TPenDialog& d) {
        d.CBStyle->SetItemIndex(5);
        d.CBStyle->OnChange(d.CBStyle);
        EXPECT_TRUE(pen.SmallDots());
        EXPECT_FALSE(d.SEWidth->Enabled());
        EXPECT_TRUE(d.ESpace->Enabled());
        d.CBStyle->SetItemIndex(0);
        d.CBStyle->OnChange(d.CBStyle);
        EXPECT_FALSE(pen.SmallDots());
        EXPECT_TRUE(d.SEWidth->Enabled());
        EXPECT_FALSE(d.ESpace->Enabled());
        Click(d.BOk);
    });
}

TEST_F(PenDialogTest, AWidePenSampleNeverNotifies) {
    pen.SetWidth(10);
    notices = 0;
    window.Show();
    button->Repaint();
    EXPECT_EQ(pen.Width(), 10);
    EXPECT_EQ(notices, 0);
    EXPECT_TRUE(bool(pen.OnChange));
}

TEST_F(PenDialogTest, APlainPenHidesTheChartPenSettings) {
    TPen plain;
    button->LinkPen(&plain);
    Run([&](TPenDialog& d) {
        EXPECT_FALSE(d.CBVisible->Visible());
        EXPECT_EQ(d.CBStyle->Items()->Count(), 5);
        Click(d.BOk);
    });
}

// What the style list shows of an item along its sample line (x 2 to 29 at y 8): "#" where the
// pixel has colour, "." elsewhere.
std::string StyleSample(TPenDialog& d, int item, TColor color) {
    auto* combo = static_cast<QComboBox*>(d.CBStyle->Widget());
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QImage image = view->viewport()->grab().toImage();
    const QRect r = view->visualRect(combo->model()->index(item, 0));
    combo->hidePopup();
    std::string sample;
    for (int x = 2; x < 30; ++x) {
        const QRgb p = image.pixel(r.left() + x, r.top() + 8);
        sample +=
            TColor(qRed(p) | qGreen(p) << 8 | qBlue(p) << 16) == ColorToRGB(color) ? '#' : '.';
    }
    return sample;
}

TEST_F(PenDialogTest, TheStyleListDrawsEachStyleAsItsLine) {
    pen.SetColor(clRed);
    Run([&](TPenDialog& d) {
        EXPECT_EQ(d.CBStyle->ItemHeight(), 15);
        std::vector<std::string> samples;
        for (int item = 0; item < d.CBStyle->Items()->Count(); ++item)
            samples.push_back(StyleSample(d, item, clRed));
        EXPECT_EQ(samples[0], std::string(28, '#'));  // solid
        for (int item = 1; item < int(samples.size()); ++item) {
            EXPECT_NE(samples[size_t(item)].find('#'), std::string::npos) << samples[item];
            EXPECT_NE(samples[size_t(item)].find('.'), std::string::npos) << samples[item];
            for (int other = 1; other < item; ++other)
                EXPECT_NE(samples[size_t(item)], samples[size_t(other)]) << item << " " << other;
        }
        Click(d.BOk);
    });
    // A pen as white as the list shows black on it.
    pen.SetColor(clWhite);
    Run([&](TPenDialog& d) {
        const std::string black = StyleSample(d, 1, clBlack);
        EXPECT_NE(black.find('#'), std::string::npos);
        EXPECT_NE(black.find('.'), std::string::npos) << "dashed";
        Click(d.BOk);
    });
}

// The button's symbol as the button paints it over itself.
struct TProbePenButton : TButtonPen {
    using TButtonPen::TButtonPen;
    void PaintSymbol(TBitmap& bitmap) {
        TTeeCanvas3D surface;
        surface.BindCanvas(bitmap.Canvas());
        DrawSymbol(surface);
    }
};

TEST(PenButtonSymbol, AShortLineInThePenAtMostSixPixelsWide) {
    TForm window(nullptr);
    auto* button = new TProbePenButton(&window);
    button->SetBounds(0, 0, 100, 25);
    TChartPen pen;
    int notices = 0;
    pen.OnChange = [&](TObject*) { ++notices; };
    pen.SetColor(clRed);
    pen.SetWidth(10);
    notices = 0;
    button->LinkPen(&pen);
    TBitmap bitmap(100, 25);
    bitmap.SetPixelFormat(pf24bit);
    bitmap.Canvas()->Brush()->SetColor(clWhite);
    bitmap.Canvas()->FillRect(Rect(0, 0, 100, 25));
    button->PaintSymbol(bitmap);
    // From 17 to 6 pixels before the right edge, across the middle row.
    const int y = 25 / 2;
    EXPECT_EQ(ColorToRGB(bitmap.Canvas()->Pixel(100 - 12, y)), ColorToRGB(clRed));
    EXPECT_EQ(ColorToRGB(bitmap.Canvas()->Pixel(100 - 12, y - 2)), ColorToRGB(clRed));
    EXPECT_EQ(ColorToRGB(bitmap.Canvas()->Pixel(100 - 12, y - 5)), ColorToRGB(clWhite))
        << "drawn 6 pixels wide, not 10";
    EXPECT_EQ(ColorToRGB(bitmap.Canvas()->Pixel(40, y)), ColorToRGB(clWhite));
    EXPECT_EQ(pen.Width(), 10);
    EXPECT_EQ(notices, 0) << "painting the symbol tells nobody";
}

}  // namespace
