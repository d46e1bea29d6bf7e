// The annotation's box through the bench's fixed text metrics (7 pixels a character, 13 a line):
// every automatic place, the sizes of its own, custom places in pixels and in percent (43.7
// rounds to 44), the empty text, the centred text that leaves the margins out, where the callout
// meets the box; then the box drawn, its callout arrow, and the clicks and cursor over it.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "chart/engine/ShapeMargins.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/PointRoutines.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeFont.h"
#include "chart/tools/annotation/AnnotationTool.h"
#include "platform/classes/Cursors.h"
#include "platform/graphics/Canvas.h"
#include "tests/chart/tools/ToolBench.h"

namespace {

// A rectangle 437 pixels wide and 300 high.
const TRect Area{0, 0, 436, 299};

struct AnnotationToolTest : ::testing::Test {
    TToolBench bench;
    TAnnotationTool* note = bench.AddTool<TAnnotationTool>();
    AnnotationToolTest() { note->SetText("Hello"); }
};

// "Hello": 35 pixels and a line of 13, with half the 1-pixel frame (1) on each: 36 x 14. The
// margins (10 and 5 units of 2 % of 13 pixels) are 3 + 3 across and 1 + 1 down: the box is
// 42 x 16.
TEST_F(AnnotationToolTest, TheBoxOfEveryPlacement) {
    const struct {
        const char* What;
        TAnnotationPosition Position;
        bool Custom;
        TTeeUnits Units;
        int Left, Top;
        bool AutoSize;
        int Width, Height;
        TRect Box;
    } cases[] = {
        {"left top", ppLeftTop, false, muPixels, 0, 0, true, 0, 0, {10, 10, 51, 25}},
        {"left bottom", ppLeftBottom, false, muPixels, 0, 0, true, 0, 0, {10, 284, 51, 299}},
        {"right top", ppRightTop, false, muPixels, 0, 0, true, 0, 0, {395, 10, 436, 25}},
        {"right bottom", ppRightBottom, false, muPixels, 0, 0, true, 0, 0, {395, 284, 436, 299}},
        {"centre", ppCenter, false, muPixels, 0, 0, true, 0, 0, {200, 143, 241, 158}},
        {"pixels", ppLeftTop, true, muPixels, 30, 40, true, 0, 0, {30, 40, 71, 55}},
        // 10 % of 437 is 43.7: rounded, not truncated.
        {"percent", ppLeftTop, true, muPercent, 10, 10, true, 0, 0, {44, 30, 85, 45}},
        {"own size at pixels", ppLeftTop, true, muPixels, 5, 6, false, 100, 50, {5, 6, 104, 55}},
        // An automatic place counts its own size: 437 - 100 - 6 and 300 - 50 - 2.
        {"own size right bottom",
         ppRightBottom,
         false,
         muPixels,
         0,
         0,
         false,
         100,
         50,
         {331, 248, 430, 297}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        note->SetPosition(c.Position);
        note->SetPositionUnits(c.Units);
        note->SetAutoSize(c.AutoSize);
        if (!c.AutoSize) {
            note->SetWidth(c.Width);
            note->SetHeight(c.Height);
        }
        note->Shape()->SetCustomPosition(c.Custom);
        if (c.Custom) {
            note->SetLeft(c.Left);
            note->SetTop(c.Top);
        }
        const TAnnotationLayout layout = note->CalcBoundsInRect(bench.Chart(), Area);
        EXPECT_EQ(layout.Box, c.Box);
        EXPECT_EQ(layout.LineCount, 1);
        // The text starts at the box's corner (half of the frame's half is 0).
        EXPECT_EQ(layout.TextX, c.Box.Left);
        EXPECT_EQ(layout.TextY, c.Box.Top);
        if (c.AutoSize) {
            EXPECT_EQ(note->Width(), 42);
            EXPECT_EQ(note->Height(), 16);
        }
    }
}

TEST_F(AnnotationToolTest, AnEmptyTextIsOneBlankLine) {
    note->SetText("");
    const TAnnotationLayout layout = note->CalcBoundsInRect(bench.Chart(), Area);
    EXPECT_EQ(layout.LineCount, 1);
    EXPECT_EQ(layout.Box, (TRect{10, 10, 10 + 6 + 8 - 1, 10 + 2 + 14 - 1}));
    note->SetText("Two\rlines\r");
    EXPECT_EQ(note->CalcBoundsInRect(bench.Chart(), Area).LineCount, 2);
}

TEST_F(AnnotationToolTest, TheCentreTakesTheTextAloneSoLargeMarginsLeanRightAndDown) {
    note->SetPosition(ppCenter);
    note->Shape()->Margins()->SetUnits(maPixels);
    note->Shape()->Margins()->SetLeft(40);
    note->Shape()->Margins()->SetTop(30);
    const TRect box = note->CalcBoundsInRect(bench.Chart(), Area).Box;
    EXPECT_EQ(box.Left, (436 - 35) / 2);
    EXPECT_EQ(box.Top, (299 - 13) / 2);
    EXPECT_EQ(box.Right - box.Left + 1, 40 + 10 + 36);
    EXPECT_EQ(box.Bottom - box.Top + 1, 30 + 5 + 14);
}

TEST_F(AnnotationToolTest, ANewPositionPutsTheBoxBackInItsAutomaticPlace) {
    note->SetLeft(100);
    EXPECT_TRUE(note->Shape()->CustomPosition());
    note->SetPosition(ppRightTop);
    EXPECT_FALSE(note->Shape()->CustomPosition());
    EXPECT_EQ(note->CalcBoundsInRect(bench.Chart(), Area).Box.Left, 395);
}

TEST_F(AnnotationToolTest, AnOwnWidthSwitchesAutoSizeOffAndLeftKeepsTheWidth) {
    note->SetWidth(80);
    EXPECT_FALSE(note->AutoSize());
    note->SetLeft(20);
    EXPECT_EQ(note->Width(), 80);
    EXPECT_EQ(note->Left(), 20);
    note->SetTop(7);
    note->SetHeight(33);
    note->SetTop(9);
    EXPECT_EQ(note->Height(), 33);
}

TEST_F(AnnotationToolTest, AShapeSizesItselfToItsTextAtTheOrigin) {
    TTextShape shape;
    shape.CalcAutoBounds(nullptr);
    EXPECT_EQ(shape.LineCount(), 0);
    // Without a chart too, a new left or top edge is taken.
    shape.SetLeft(44);
    shape.SetTop(-3);
    EXPECT_EQ(shape.ShapeBounds(), (TRect{44, -3, 0, 0}));
    EXPECT_TRUE(shape.CustomPosition());
    shape.SetCustomPosition(false);
    shape.SetText("Hello\rWorld!");
    shape.CalcAutoBounds(&bench.Chart());
    EXPECT_EQ(shape.LineCount(), 2);
    // 42 wide, 26 high; half the frame; margins of 3 + 3 and 1 + 1.
    EXPECT_EQ(shape.ShapeBounds(), (TRect{0, 0, 42 + 1 + 6 - 1, 2 + 1 + 26 - 1}));
    // A round rectangle leaves its corners room: 13 x 16 % more.
    shape.SetShapeStyle(fosRoundRectangle);
    shape.CalcAutoBounds(&bench.Chart());
    EXPECT_EQ(shape.ShapeBounds(), (TRect{0, 0, 42 + 3 + 6 - 1, 2 + 3 + 26 - 1}));
}

TEST(AnnotationCallout, MeetsTheBoxAtItsNearerSidesOrItsMiddle) {
    const TRect box{10, 10, 50, 30};
    const struct {
        TPoint From, End;
    } cases[] = {
        {{0, 0}, {10, 10}},   {{100, 20}, {50, 20}}, {{30, 100}, {30, 30}},
        {{30, 20}, {30, 20}}, {{-5, 40}, {10, 30}},  {{60, -3}, {50, 10}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CalloutEndPoint(box, c.From), c.End) << c.From.X << "," << c.From.Y;
}

TEST_F(AnnotationToolTest, ANewCalloutIsHiddenAndItsArrowAloneStillDraws) {
    EXPECT_FALSE(note->Callout()->Visible());
    EXPECT_FALSE(note->Callout()->Arrow()->Visible());
    note->SetLeft(10);
    note->SetTop(80);
    // The box spans 80..95 down; its middle row is 87, where a horizontal arrow meets it.
    note->Callout()->SetXPosition(250);
    note->Callout()->SetYPosition(87);
    note->Callout()->Arrow()->SetColor(clRed);
    bench.Render();
    EXPECT_NE(bench.FrontPixel(150, 87), clRed);
    note->Callout()->Arrow()->SetVisible(true);
    bench.Render();
    EXPECT_EQ(bench.FrontPixel(150, 87), clRed);
    EXPECT_EQ(bench.FrontPixel(240, 87), clRed);
    // Ten pixels short of its point.
    note->Callout()->SetDistance(10);
    bench.Render();
    EXPECT_EQ(bench.FrontPixel(235, 87), clRed);
    EXPECT_NE(bench.FrontPixel(245, 87), clRed);
}

TEST_F(AnnotationToolTest, TheBoxIsDrawnInItsColourAndTheTextClippedToIt) {
    note->SetLeft(50);
    note->SetTop(50);
    note->Shape()->SetColor(clYellow);
    note->Shape()->Font()->SetColor(clBlue);
    note->SetAutoSize(false);
    note->SetWidth(40);
    note->SetHeight(20);
    note->SetText("A text far wider than its box");
    bench.Render();
    EXPECT_EQ(bench.FrontPixel(51 + 2, 69 - 2), clYellow);
    // Nothing of the text beyond the box's right edge.
    for (int x = 91; x < 200; ++x)
        for (int y = 50; y < 70; ++y) ASSERT_NE(bench.FrontPixel(x, y), clBlue) << x << "," << y;
}

// The bench's text metrics, with every text written down where it starts and how it is aligned.
class TTextRecordingCanvas : public TTeeCanvas3D {
public:
    int MeasureTextWidth(std::string_view text) override {
        return TToolBench::CharWidth * int(text.size());
    }
    int MeasureTextHeight(std::string_view) override { return TToolBench::LineHeight; }
    void DrawTextAt(int x, int y, std::string_view text) override {
        Texts.push_back({x, y, std::string(text), GetTextAlignment()});
        TTeeCanvas3D::DrawTextAt(x, y, text);
    }
    struct TText {
        int X, Y;
        std::string Text;
        unsigned Alignment;
        bool operator==(const TText&) const = default;
        friend std::ostream& operator<<(std::ostream& os, const TText& t) {
            return os << "(" << t.X << ", " << t.Y << ", \"" << t.Text << "\", " << t.Alignment
                      << ")";
        }
    };
    std::vector<TText> Texts;
};

// An annotation whose text starts further right, as a page number's does after its buttons.
class TShiftedAnnotation : public TAnnotationTool {
public:
    using TAnnotationTool::TAnnotationTool;

protected:
    int TextHorizOffset() override { return 5; }
};

TEST_F(AnnotationToolTest, EachLineStartsByTheAlignmentInsideTheMargins) {
    auto canvas = std::make_unique<TTextRecordingCanvas>();
    TTextRecordingCanvas* texts = canvas.get();
    bench.Chart().ReplaceCanvas(std::move(canvas));
    // The lines part at carriage returns. The box is (10, 10, 51, 38): margins of 3 across and
    // 1 down, a frame of 1.
    note->SetText("Hello\rWorld");
    using TText = TTextRecordingCanvas::TText;
    const struct {
        TAlignment Alignment;
        int X;
        unsigned Flags;
    } cases[] = {
        {taLeftJustify, 10 + 3 + 1, TA_LEFT},
        {taCenter, (10 + 3 + 51 - 3) / 2 + 1, TA_CENTER},
        {taRightJustify, 51 - 3, TA_RIGHT},
    };
    for (const auto& c : cases) {
        note->SetTextAlignment(c.Alignment);
        texts->Texts.clear();
        bench.Render();
        EXPECT_EQ(note->ShapeBounds(), (TRect{10, 10, 51, 38}));
        EXPECT_EQ(texts->Texts, (std::vector<TText>{{c.X, 11, "Hello", c.Flags},
                                                    {c.X, 11 + 13, "World", c.Flags}}))
            << int(c.Alignment);
    }
    // Line feeds are not drawn.
    note->SetTextAlignment(taLeftJustify);
    note->SetText("Hel\nlo\rWorld");
    texts->Texts.clear();
    bench.Render();
    EXPECT_EQ(texts->Texts,
              (std::vector<TText>{{14, 11, "Hello", TA_LEFT}, {14, 24, "World", TA_LEFT}}));
    // A descendant's offset moves every line.
    note->SetActive(false);
    auto* shifted = new TShiftedAnnotation(&bench.Form());
    shifted->SetText("Hi");
    shifted->SetParentChart(&bench.Chart());
    texts->Texts.clear();
    bench.Render();
    EXPECT_EQ(texts->Texts, (std::vector<TText>{{10 + 3 + 1 + 5, 11, "Hi", TA_LEFT}}));
}

TEST_F(AnnotationToolTest, ClicksInsideTheBoxAndItsCursor) {
    std::vector<std::string> clicks;
    note->OnClick = [&](TAnnotationTool*, TMouseButton, TShiftState, int, int) {
        clicks.push_back("click");
    };
    note->OnDblClick = [&](TAnnotationTool*, TMouseButton, TShiftState, int, int) {
        clicks.push_back("double");
    };
    bench.Render();
    const TRect box = note->ShapeBounds();
    EXPECT_EQ(box, (TRect{10, 10, 51, 25}));
    EXPECT_TRUE(note->Clicked(box.Right, box.Bottom));
    EXPECT_FALSE(note->Clicked(box.Right + 1, box.Bottom));
    bench.Press(box.Right + 1, box.Top);
    bench.Release(box.Right + 1, box.Top);
    EXPECT_TRUE(clicks.empty());
    bench.Press(box.Left, box.Top);
    bench.Release(box.Left, box.Top);
    bench.Press(box.Left + 3, box.Top + 3, mbLeft, TShiftState{ssDouble});
    bench.Release(box.Left + 3, box.Top + 3);
    EXPECT_EQ(clicks, (std::vector<std::string>{"click", "click", "double"}));

    // No cursor of its own: a move over the box is left to the chart.
    bench.Move(box.Left + 5, box.Top + 5);
    EXPECT_NE(bench.Chart().Cursor(), crHandPoint);
    note->SetCursor(crHandPoint);
    bench.Move(box.Left + 5, box.Top + 5);
    EXPECT_EQ(bench.Chart().Cursor(), crHandPoint);
}

}  // namespace
