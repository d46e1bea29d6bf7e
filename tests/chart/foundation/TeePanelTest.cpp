#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeePanel.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Printer.h"
#include "platform/graphics/PrinterDevice.h"
#include "platform/rtl/RtlMath.h"
#include "platform/ui/Screen.h"
#include "tests/chart/foundation/GeometryPrinters.h"

namespace {

// A panel whose contents count the passes, and which can be told to fail.
class TProbePanel : public TCustomTeePanel {
public:
    using TCustomTeePanel::TCustomTeePanel;
    int Passes = 0;
    bool Fail = false;
    using TCustomTeePanel::MouseDown;
    using TCustomTeePanel::MouseMove;
    using TCustomTeePanel::MouseUp;
    using TCustomTeePanel::Paint;
    bool Bevels = false;

protected:
    void InternalDraw(const TRect& Rect) override {
        ++Passes;
        if (Bevels) DrawPanelBevels(Rect);
        if (Fail) throw std::runtime_error("pass failed");
    }
};

class TRecorder : public IPanelListener {
public:
    // The mouse event kinds seen; -1 for a view change. Events live only while broadcast.
    std::vector<int> Seen;
    std::function<void(TTeeEvent*)> Action;
    void HandleTeeEvent(TTeeEvent* Event) override {
        auto* mouse = dynamic_cast<TTeeMouseEvent*>(Event);
        Seen.push_back(mouse ? mouse->Kind : dynamic_cast<TTeeView3DEvent*>(Event) ? -1 : -2);
        if (Action) Action(Event);
    }
};

TTeeCanvas3D& Surface(TCustomTeePanel& p) { return static_cast<TTeeCanvas3D&>(*p.Canvas3D()); }

TEST(TeePanel, ChartRectLeavesFrameMarginsAndShadow) {
    struct TCase {
        const char* name;
        TTeeUnits units;
        int margin;
        int shadowH, shadowV;
        bool shadow;
        TRect expected;
    };
    // A raised outer bevel of width 1 is the whole frame of a new panel.
    const TCase cases[] = {
        {"percent", muPercent, 10, 0, 0, false, {81, 61, 719, 539}},
        {"pixels", muPixels, 10, 0, 0, false, {11, 11, 789, 589}},
        {"shadow left", muPercent, 10, -3, 2, true, {87, 61, 719, 535}},
        {"shadow right", muPercent, 10, 3, -2, true, {81, 65, 713, 539}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        TProbePanel panel(nullptr);
        panel.SetMarginUnits(c.units);
        for (int i = 0; i < 4; ++i) panel.SetMargin(i, c.margin);
        panel.Shadow()->SetVisible(c.shadow);
        panel.Shadow()->SetHorizSize(c.shadowH);
        panel.Shadow()->SetVertSize(c.shadowV);
        TBitmap target;
        target.SetSize(800, 600);
        panel.Draw(target.Canvas(), TRect{0, 0, 800, 600});
        EXPECT_EQ(panel.ChartRect(), c.expected);
        EXPECT_EQ(panel.ChartWidth(), c.expected.Width());
        EXPECT_EQ(panel.ChartCenterX(), (c.expected.Left + c.expected.Right) / 2);
    }
}

TEST(TeePanel, RecomputeChartSizeMendsInvertedAndFlatRects) {
    struct TCase {
        TRect in, out;
    };
    // The panel is 400 x 250; the last pass drew nothing, so the drawing rectangle is at 0, 0.
    const TCase cases[] = {
        {{100, 50, 90, 40}, {100, 50, 101, 51}},
        {{100, 50, 100, 50}, {100, 50, 500, 300}},
        {{-5, -5, 20, 30}, {0, 0, 20, 30}},
    };
    for (const TCase& c : cases) {
        TProbePanel panel(nullptr);
        panel.SetChartRect(c.in);
        panel.RecomputeChartSize();
        EXPECT_EQ(panel.ChartRect(), c.out) << Show(c.in);
    }
}

TEST(TeePanel, UnbufferedPassRestoresTheSurfaceEvenWhenItFails) {
    TProbePanel panel(nullptr);
    panel.Fail = true;
    TBitmap target;
    target.SetSize(50, 50);
    EXPECT_THROW(panel.DrawAsMetafile(target.Canvas(), TRect{0, 0, 50, 50}), std::runtime_error);
    EXPECT_TRUE(panel.BufferedDisplay());
    EXPECT_FALSE(Surface(panel).KeepBufferBitmap());
    EXPECT_FALSE(panel.Canvas3D()->RecordingMetafile());
    EXPECT_FALSE(panel.Printing());
}

TEST(TeePanel, RenderedBitmapHasTheRectSizeAndBackground) {
    TProbePanel panel(nullptr);
    auto red = panel.RenderRectToBitmap(clRed, TRect{0, 0, 30, 20}, pf32bit);
    EXPECT_EQ(red->Width(), 30);
    EXPECT_EQ(red->Height(), 20);
    EXPECT_EQ(red->Canvas()->Pixel(15, 10), clRed);
    EXPECT_EQ(panel.Passes, 1);
    EXPECT_EQ(panel.DrawingRect(), (TRect{0, 0, 30, 20}));
    auto white = panel.RenderRectToBitmap(clWhite, TRect{0, 0, 30, 20}, pf32bit);
    EXPECT_EQ(white->Canvas()->Pixel(15, 10), clWhite);
}

TEST(TeePanel, PrintExtentsScaleThePanelByTheResolution) {
    struct TCase {
        int resolution;
        TSize logical;
        TRect r;
    };
    // The panel is 400 x 250; the target 800 x 500 from 100, 50.
    const TCase cases[] = {
        {0, {400, 250}, {50, 25, 450, 275}},
        {50, {200, 125}, {25, 13, 225, 138}},
        {-100, {800, 500}, {100, 50, 900, 550}},
        {150, {4, 2}, {1, 0, 5, 2}},  // held at 99 %: a mapping still exists
    };
    for (const TCase& c : cases) {
        TProbePanel panel(nullptr);
        panel.SetPrintResolution(c.resolution);
        TRect r{100, 50, 900, 550};
        TSize device, logical;
        panel.CalcPrintExtents(r, device, logical);
        EXPECT_EQ(device, (TSize{800, 500})) << c.resolution;
        EXPECT_EQ(logical, c.logical) << c.resolution;
        EXPECT_EQ(r, c.r) << c.resolution;
    }
}

TEST(TeePanel, PrintingMapsFiresBeforePrintAndRestores) {
    TProbePanel panel(nullptr);
    TBitmap target;
    target.SetSize(800, 500);
    const int mode = target.Canvas()->MapMode();
    TRect seen;
    bool printingSeen = false;
    panel.OnBeforePrint = [&](TCustomTeePanel* sender, TCanvas*, TRect& r) {
        seen = r;
        printingSeen = sender->Printing();
    };
    panel.PrintOnCanvas(target.Canvas(), TRect{800, 500, 0, 0});
    EXPECT_EQ(seen, (TRect{0, 0, 400, 250}));
    EXPECT_TRUE(printingSeen);
    EXPECT_EQ(panel.Passes, 1);
    EXPECT_FALSE(panel.Printing());
    EXPECT_EQ(target.Canvas()->MapMode(), mode);
    EXPECT_FALSE(target.Canvas()->HasClip());

    // Margins that take the whole page leave nothing to print into.
    panel.PrintOnCanvas(target.Canvas(), TRect{100, 100, 100, 400});
    EXPECT_EQ(panel.Passes, 1);
}

TEST(TeePanel, ProportionalMarginsFillSeventyPercentOfThePage) {
    TProbePanel panel(nullptr);  // 400 x 250: wider than high
    TPrinter fake;
    // 100 pixels per inch on a 10 x 20 inch sheet: a 1000 x 2000 page.
    fake.AddDevice(std::make_unique<TImagePrinterDevice>("img", 100, TSize{25400, 50800}));
    TPrinter* old = SetPrinter(&fake);
    const TRect m = panel.ProportionalPrintMargins();
    // Round(100 * (2000 - 700 * 0.625) / 2000) div 2
    EXPECT_EQ(m, (TRect{15, 39, 15, 39}));
    const TRect page = panel.PrintPageRect();
    EXPECT_EQ(page, (TRect{150, 780, 850, 1220}));

    TPrinter none;
    SetPrinter(&none);
    const int sw = Screen()->Width(), sh = Screen()->Height();
    const int expected = static_cast<int>(Round(100.0 * (sh - (sw - 0.3 * sw) * 0.625) / sh)) / 2;
    EXPECT_EQ(panel.ProportionalPrintMargins(), (TRect{15, expected, 15, expected}));
    SetPrinter(old);
}

TEST(TeePanel, ListenersAreKeptOnceAndCancelMouseStopsTheRest) {
    TProbePanel panel(nullptr);
    TRecorder first, second;
    EXPECT_EQ(panel.Listeners().Add(&first), 0);
    EXPECT_EQ(panel.Listeners().Add(&second), 1);
    EXPECT_EQ(panel.Listeners().Add(&first), 0);
    EXPECT_EQ(panel.Listeners().Count(), 2);

    first.Action = [&](TTeeEvent* e) {
        if (static_cast<TTeeMouseEvent*>(e)->Kind == tmeDown) panel.SetCancelMouse(true);
    };
    panel.MouseDown(mbLeft, {}, 5, 6);
    panel.MouseUp(mbLeft, {}, 5, 6);  // the press's cancel holds for its release
    EXPECT_EQ(first.Seen.size(), 2u);
    EXPECT_EQ(second.Seen.size(), 0u);
    panel.MouseMove({}, 7, 8);  // a move starts afresh
    EXPECT_EQ(second.Seen, std::vector<int>{tmeMove});

    EXPECT_EQ(panel.Listeners().Remove(&first), 0);
    EXPECT_EQ(panel.Listeners().Remove(&first), -1);
}

TEST(TeePanel, ListenerLeavingDuringBroadcastDoesNotHideTheNext) {
    TProbePanel panel(nullptr);
    TRecorder leaving, next;
    leaving.Action = [&](TTeeEvent*) { panel.RemoveListener(&leaving); };
    panel.Listeners().Add(&leaving);
    panel.Listeners().Add(&next);
    panel.SetView3D(false);
    EXPECT_EQ(leaving.Seen.size(), 1u);
    ASSERT_EQ(next.Seen.size(), 1u);
    EXPECT_EQ(next.Seen[0], -1);
    panel.SetView3D(false);  // unchanged: nothing is said
    EXPECT_EQ(next.Seen.size(), 1u);
}

TEST(TeePanel, PaintReusesACleanBufferAndInvalidateHonoursAutoRepaint) {
    TProbePanel panel(nullptr);
    panel.Paint();
    EXPECT_EQ(panel.Passes, 1);
    panel.Paint();
    EXPECT_EQ(panel.Passes, 1);
    {
        TAutoRepaintGuard hold(panel);
        panel.SetMarginLeft(20);
        panel.Paint();
        EXPECT_EQ(panel.Passes, 1);
    }
    EXPECT_TRUE(panel.AutoRepaint());
    panel.SetMarginLeft(25);
    panel.Paint();
    EXPECT_EQ(panel.Passes, 2);
}

TEST(TeePanel, FrameDrawsBorderThenBevels) {
    struct TCase {
        const char* name;
        bool border;
        TBevelCut inner;
        std::vector<std::pair<TPoint, TColor>> pixels;
    };
    const TColor light = ColorToRGB(clBtnHighlight), dark = ColorToRGB(clBtnShadow);
    const TCase cases[] = {
        {"raised", false, bvNone, {{{0, 0}, light}, {{39, 29}, dark}, {{1, 1}, clWhite}}},
        {"border then raised", true, bvNone, {{{0, 0}, clRed}, {{1, 1}, light}, {{38, 28}, dark}}},
        {"raised and lowered",
         false,
         bvLowered,
         {{{0, 0}, light}, {{1, 1}, dark}, {{38, 28}, light}}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        TProbePanel panel(nullptr);
        panel.Bevels = true;
        panel.Border()->SetVisible(c.border);
        panel.Border()->SetColor(clRed);
        panel.SetBevelInner(c.inner);
        auto image = panel.RenderRectToBitmap(clWhite, TRect{0, 0, 40, 30}, pf32bit);
        for (const auto& [p, colour] : c.pixels)
            EXPECT_EQ(image->Canvas()->Pixel(p.X, p.Y), colour) << p.X << "," << p.Y;
    }
}

std::string StreamText(TComponent& c) {
    TMemoryStream binary, text;
    WriteComponentToStream(binary, &c);
    binary.SetPosition(0);
    ObjectBinaryToText(binary, text);
    return std::string(text.Memory(), size_t(text.Size()));
}

TEST(TeePanel, PrintMarginsStreamOnlyWhenChangedAndOldBorderStyleReads) {
    TProbePanel panel(nullptr);
    EXPECT_EQ(StreamText(panel).find("PrintMargins"), std::string::npos);
    panel.SetPrintMargins(TRect{10, 15, 15, 15});
    const std::string text = StreamText(panel);
    EXPECT_NE(text.find("PrintMargins = (\r\n    10\r\n    15"), std::string::npos) << text;

    TMemoryStream binary;
    WriteComponentToStream(binary, &panel);
    binary.SetPosition(0);
    TProbePanel copy(nullptr);
    ReadComponentFromStream(binary, &copy);
    EXPECT_EQ(copy.PrintMargins(), (TRect{10, 15, 15, 15}));

    for (const char* style : {"bsSingle", "bsNone"}) {
        const std::string old = std::string("object Chart1: TCustomTeePanel\r\n  BorderStyle = ") +
                                style + "\r\nend\r\n";
        TMemoryStream in, oldBinary;
        in.WriteBuffer(old.data(), int64_t(old.size()));
        in.SetPosition(0);
        ObjectTextToBinary(in, oldBinary);
        oldBinary.SetPosition(0);
        TProbePanel loaded(nullptr);
        loaded.Border()->SetVisible(true);
        ReadComponentFromStream(oldBinary, &loaded);
        EXPECT_EQ(loaded.Border()->Visible(), std::string(style) == "bsSingle") << style;
    }
}

}  // namespace
