#include <gtest/gtest.h>

#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeePanelExtended.h"
#include "chart/foundation/TeeShadow.h"
#include "chart/foundation/TeeZoom.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Streams.h"

namespace {

class TDecoratedPanel : public TCustomTeePanelExtended {
public:
    using TCustomTeePanelExtended::TCustomTeePanelExtended;

protected:
    void InternalDraw(const TRect& Rect) override { DrawPanel(Rect); }
};

TEST(TeePanelExtended, ShadowLeavesTheParentColourRightAndBelowTheBackground) {
    TDecoratedPanel panel(nullptr);
    panel.SetBevelOuter(bvNone);
    panel.SetColor(clYellow);
    panel.Shadow()->SetVisible(true);
    panel.Shadow()->SetSmooth(false);
    panel.Shadow()->SetColor(clBlack);
    panel.Shadow()->SetHorizSize(3);
    panel.Shadow()->SetVertSize(3);
    auto image = panel.RenderRectToBitmap(clWhite, TRect{0, 0, 100, 80}, pf32bit);
    TCanvas& c = *image->Canvas();
    // The background ends 6 pixels short of the right and bottom; the shadow lies beyond it.
    EXPECT_EQ(c.Pixel(93, 40), clYellow);
    EXPECT_EQ(c.Pixel(95, 40), clBlack);
    EXPECT_EQ(c.Pixel(40, 73), clYellow);
    EXPECT_EQ(c.Pixel(40, 75), clBlack);
    // Above the shadow's offset the panel has no parent: its own colour shows.
    EXPECT_EQ(c.Pixel(98, 1), clYellow);
}

TEST(TeePanelExtended, ZoomRectangleShowsThePenColourAndErasesItself) {
    for (TColor back : {clWhite, clNavy}) {
        TDecoratedPanel panel(nullptr);
        panel.SetColor(back);
        panel.Zoom()->Pen()->SetColor(clRed);
        panel.Zoom()->Start(10, 10);
        panel.Zoom()->X1 = 30;
        panel.Zoom()->Y1 = 20;
        TBitmap image;
        image.SetSize(40, 30);
        image.Canvas()->Brush()->SetColor(back);
        image.Canvas()->FillRect(TRect{0, 0, 40, 30});
        panel.Canvas3D()->BindCanvas(image.Canvas());
        panel.DrawZoomRectangle();
        EXPECT_EQ(image.Canvas()->Pixel(10, 15), clRed) << back;
        EXPECT_EQ(image.Canvas()->Pixel(20, 15), back) << back;  // clear brush
        panel.DrawZoomRectangle();
        EXPECT_EQ(image.Canvas()->Pixel(10, 15), back) << back;
    }
}

TEST(TeePanelExtended, UndoZoomTellsAndForgetsAndOldZoomPropertiesRead) {
    TDecoratedPanel panel(nullptr);
    int told = 0;
    panel.OnUndoZoom = [&](TObject*) { ++told; };
    panel.SetZoomed(true);
    panel.UndoZoom();
    EXPECT_EQ(told, 1);
    EXPECT_FALSE(panel.Zoomed());

    const std::string old =
        "object Chart1: TDecoratedPanel\r\n  AllowZoom = False\r\n  AnimatedZoom = True\r\n"
        "  AnimatedZoomSteps = 3\r\nend\r\n";
    TMemoryStream in, binary;
    in.WriteBuffer(old.data(), int64_t(old.size()));
    in.SetPosition(0);
    ObjectTextToBinary(in, binary);
    binary.SetPosition(0);
    ReadComponentFromStream(binary, &panel);
    EXPECT_FALSE(panel.Zoom()->Allow());
    EXPECT_TRUE(panel.Zoom()->Animated());
    EXPECT_EQ(panel.Zoom()->AnimatedSteps(), 3);
}

}  // namespace
