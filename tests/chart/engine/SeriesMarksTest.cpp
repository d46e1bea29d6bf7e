#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ChartStubs.h"
#include "chart/engine/Callout.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/engine/SeriesMarksSymbol.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Strings.h"
#include "tests/chart/foundation/RecordingCanvas3D.h"

namespace {

class SeriesMarksTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterTestChartClasses(); }
    TComponent Form{nullptr};
    TTestChart* Chart = new TTestChart(&Form);
    TTestSeries* Series = static_cast<TTestSeries*>(Chart->AddSeries(new TTestSeries(&Form)));
    TSeriesMarks& Marks = *Series->Marks();

    static TSeriesMarkPosition Box(int left, int top, int width, int height) {
        TSeriesMarkPosition p;
        p.LeftTop = TPoint{left, top};
        p.Width = width;
        p.Height = height;
        p.ArrowTo = TPoint{left + width / 2, top + height};
        p.ArrowFrom = TPoint{p.ArrowTo.X, p.ArrowTo.Y + 10};
        return p;
    }
};

std::string StreamText(TComponent& c) {
    TMemoryStream binary, text;
    WriteComponentToStream(binary, &c);
    binary.SetPosition(0);
    ObjectBinaryToText(binary, text);
    return std::string(text.Memory(), size_t(text.Size()));
}

TEST(ShapeMargins, PixelsByUnits) {
    struct {
        TMarginUnits units;
        TRect pixels;
    } cases[] = {{maPercentFont, {4, 2, 4, 2}},    // of a font 20 high
                 {maPercentSize, {20, 2, 20, 2}},  // of a box 200 x 40
                 {maPixels, {10, 5, 10, 5}}};
    for (auto c : cases) {
        TMargins m;
        m.SetUnits(c.units);
        m.ComputePixels(200, 40, 20);
        EXPECT_EQ(m.Pixels(), c.pixels) << c.units;
        EXPECT_EQ(m.HorizontalPixels(), c.pixels.Left + c.pixels.Right);
        EXPECT_EQ(m.VerticalPixels(), c.pixels.Top + c.pixels.Bottom);
    }
}

TEST_F(SeriesMarksTest, DefaultsAndStoredProperties) {
    EXPECT_FALSE(Marks.Visible());
    EXPECT_EQ(Marks.Style(), smsLabel);
    EXPECT_EQ(Marks.Color(), clInfoBk);
    EXPECT_EQ(Marks.DrawEvery(), 1);
    EXPECT_EQ(Marks.TextAlign(), taCenter);
    EXPECT_EQ(Marks.Margins()->Left(), 20);
    EXPECT_EQ(Marks.Shadow()->Color(), TColor(0x808080));
    EXPECT_EQ(Marks.Shadow()->HorizSize(), 3);
    EXPECT_EQ(Marks.Gradient()->Direction(), gdRightLeft);
    EXPECT_EQ(Marks.Gradient()->StartColor(), clSilver);
    EXPECT_EQ(Marks.CalloutIfAny(), nullptr);
    EXPECT_EQ(Marks.SymbolIfAny(), nullptr);

    Series->SetName("Flux");
    std::string text = StreamText(*Series);
    EXPECT_NE(text.find("Marks.Visible = False"), std::string::npos) << text;
    for (const char* absent : {"Marks.Margins", "Marks.Callout", "Marks.Gradient", "Marks.Items"})
        EXPECT_EQ(text.find(absent), std::string::npos) << absent << "\n" << text;
    Marks.Margins()->SetLeft(20);
    EXPECT_EQ(StreamText(*Series).find("Marks.Margins.Left"), std::string::npos);
    Marks.Margins()->SetLeft(10);
    Marks.SetStyle(smsPercentRelative);
    Marks.SetArrowLength(12);
    text = StreamText(*Series);
    for (const char* line : {"Marks.Margins.Left = 10", "Marks.Style = smsPercentRelative",
                             "Marks.Callout.Length = 12"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
    EXPECT_EQ(text.find("Marks.ArrowLength"), std::string::npos) << text;

    // The marks' gradient stores what differs from its own defaults.
    Marks.Gradient()->SetVisible(true);
    text = StreamText(*Series);
    EXPECT_NE(text.find("Marks.Gradient.Visible = True"), std::string::npos) << text;
    for (const char* absent : {"Gradient.Direction", "Gradient.StartColor", "Gradient.EndColor"})
        EXPECT_EQ(text.find(absent), std::string::npos) << absent << "\n" << text;
}

TEST_F(SeriesMarksTest, CalloutMadeOnDemandAndOffsetsPositions) {
    Marks.Callout()->SetLength(20);
    Marks.SetCallout(nullptr);
    EXPECT_EQ(Marks.CalloutIfAny(), nullptr);
    EXPECT_EQ(Marks.ArrowLength(), 8);
    EXPECT_FALSE(Marks.Callout()->Visible());
    EXPECT_EQ(Marks.Arrow()->Color(), clWhite);

    Marks.Callout()->SetDistance(2);
    TSeriesMarkPosition p = Box(10, 50, 20, 10);
    const TSeriesMarkPosition before = p;
    Marks.OffsetByCallout(p);
    EXPECT_EQ(p.LeftTop.Y, before.LeftTop.Y - 10);
    EXPECT_EQ(p.ArrowTo.Y, before.ArrowTo.Y - 10);
    EXPECT_EQ(p.ArrowFrom.Y, before.ArrowFrom.Y - 2);
}

TEST_F(SeriesMarksTest, ApplyPositionKeepsTheUsersBox) {
    struct {
        bool computedFix, storedFix;
        bool arrowFromComputed;
    } cases[] = {
        {true, true, true}, {true, false, false}, {false, true, false}, {false, false, false}};
    for (auto c : cases) {
        Marks.Positions().Clear();
        TSeriesMarkPosition computed = Box(0, 0, 20, 10);
        computed.ArrowFix = c.computedFix;
        TSeriesMarkPosition dragged = Box(100, 200, 30, 12);
        dragged.ArrowFix = c.storedFix;
        Marks.Positions().SetPosition(2, dragged);
        EXPECT_TRUE(Marks.Positions().ExistCustom());
        TSeriesMarkPosition p = computed;
        Marks.ApplyPosition(2, p);
        EXPECT_EQ(p.LeftTop, (TPoint{100, 200}));
        EXPECT_EQ(p.Width, 30);
        EXPECT_EQ(p.ArrowFrom, c.arrowFromComputed ? computed.ArrowFrom : dragged.ArrowFrom)
            << c.computedFix << c.storedFix;
    }
    // Reset: the computed position wins again and is remembered.
    Marks.ResetPositions();
    EXPECT_FALSE(Marks.Positions().ExistCustom());
    TSeriesMarkPosition p = Box(1, 2, 3, 4);
    Marks.ApplyPosition(2, p);
    EXPECT_EQ(p.LeftTop, (TPoint{1, 2}));
    EXPECT_EQ(Marks.Positions().Position(2)->LeftTop, (TPoint{1, 2}));
    EXPECT_EQ(Marks.Positions().Position(1), nullptr);
    EXPECT_EQ(Marks.Positions().Position(7), nullptr);
}

TEST_F(SeriesMarksTest, PlaceAtPointCentresTheBoxAboveAndMovesTheSymbol) {
    TSeriesMarkPosition p;
    p.Width = 21;
    p.Height = 10;
    Marks.Symbol()->SetShapeBounds(TRect{0, 0, 6, 5});
    Marks.Positions().PlaceAtPoint(p, 100, 50);
    EXPECT_EQ(p.ArrowFrom, (TPoint{100, 50}));
    EXPECT_EQ(p.ArrowTo, (TPoint{100, 50}));
    EXPECT_EQ(p.LeftTop, (TPoint{90, 41}));
    EXPECT_EQ(Marks.Symbol()->ShapeBounds(), (TRect{92, 43, 98, 48}));
}

TEST_F(SeriesMarksTest, ItemsAreMadeOnFirstAccess) {
    EXPECT_EQ(&Marks.ItemFormat(3), &Marks);
    TMarksItem& item = Marks.Item(3);
    EXPECT_EQ(Marks.Items().Count(), 4);
    EXPECT_EQ(Marks.Items().Item(1), nullptr);
    EXPECT_EQ(&Marks.ItemFormat(1), &Marks);
    EXPECT_EQ(&Marks.ItemFormat(3), &item);
    EXPECT_EQ(&Marks.ItemFormat(9), &Marks);
    EXPECT_EQ(item.Color(), clInfoBk);
    EXPECT_EQ(item.Shadow()->Color(), TColor(0x808080));
    EXPECT_EQ(item.Shadow()->HorizSize(), 3);
    EXPECT_FALSE(item.HasText());
    item.Text()->Add("two");
    EXPECT_TRUE(item.HasText());
    item.SetText(nullptr);
    EXPECT_FALSE(item.HasText());

    // Copying a series copies its marks with their items.
    item.SetColor(clRed);
    Marks.SetStyle(smsXY);
    TTestSeries other(nullptr);
    other.Assign(Series);
    const TSeriesMarks& copy = *other.Marks();
    EXPECT_EQ(copy.Style(), smsXY);
    EXPECT_EQ(copy.Items().Count(), 4);
    ASSERT_NE(copy.Items().Item(3), nullptr);
    EXPECT_EQ(copy.Items().Item(3)->Color(), clRed);
    EXPECT_EQ(copy.Items().Item(2), nullptr);
}

TEST_F(SeriesMarksTest, DeletingAndClearingPointsFollowThroughPositionsAndItems) {
    for (int i = 0; i < 5; ++i) {
        Series->AddValue(i);
        Marks.Positions().SetPosition(i, Box(i, i, 5, 5));
        Marks.Item(i).SetColor(TColor(i));
    }
    Series->Delete(1);  // position and item of point 1 leave; the later ones move down
    ASSERT_EQ(Marks.Positions().Count(), 4);
    EXPECT_EQ(Marks.Positions().Position(1)->LeftTop.X, 2);
    EXPECT_EQ(Marks.Items().Item(1)->Color(), TColor(2));
    Series->DeleteRange(0, 2);  // positions only
    EXPECT_EQ(Marks.Positions().Count(), 2);
    EXPECT_EQ(Marks.Positions().Position(0)->LeftTop.X, 3);
    EXPECT_EQ(Marks.Items().Count(), 4);
    Series->Clear();
    EXPECT_EQ(Marks.Positions().Count(), 0);
    EXPECT_EQ(Marks.Items().Count(), 0);

    // Items read from a stream stay when the points are cleared.
    Marks.Item(1);
    Marks.Items().LoadedFromStream = true;
    Series->Clear();
    EXPECT_EQ(Marks.Items().Count(), 2);
}

TEST_F(SeriesMarksTest, ItemsStream) {
    Series->SetName("Flux");
    Marks.Item(1).SetColor(clRed);
    Marks.Item(1).Text()->Add("first");
    TMemoryStream stream;
    WriteComponentToStream(stream, Series);

    struct {
        bool withItems;
    } cases[] = {{true}, {false}};
    for (auto c : cases) {
        TComponent form(nullptr);
        auto* copy = new TTestSeries(&form);
        if (c.withItems) {
            stream.SetPosition(0);
            ReadComponentFromStream(stream, copy);
        }
        TSeriesMarks& m = *copy->Marks();
        if (!c.withItems) {
            EXPECT_EQ(m.Items().Count(), 0);
            EXPECT_FALSE(m.Items().LoadedFromStream);
            continue;
        }
        ASSERT_EQ(m.Items().Count(), 2);
        EXPECT_TRUE(m.Items().LoadedFromStream);
        ASSERT_NE(m.Items().Item(0), nullptr);  // the empty slot was written with the defaults
        EXPECT_EQ(m.Items().Item(0)->Color(), clInfoBk);
        EXPECT_EQ(m.Items().Item(1)->Color(), clRed);
        EXPECT_EQ(m.Items().Item(1)->Text()->Strings(0), "first");
        copy->Clear();
        EXPECT_EQ(m.Items().Count(), 2);
    }
}

TEST_F(SeriesMarksTest, MarkAtPointHonoursDrawEveryAndAngle) {
    for (int i = 0; i < 7; ++i) Marks.Positions().SetPosition(i, Box(i * 100, 0, 40, 20));
    struct {
        int drawEvery, x, y, found;
    } cases[] = {{1, 120, 10, 1}, {3, 120, 10, -1}, {3, 320, 10, 3}, {3, 620, 10, 6},
                 {3, 340, 20, 3}, {1, 341, 10, -1}, {0, 120, 10, 1}, {-2, 220, 5, 2}};
    for (auto c : cases) {
        Marks.SetDrawEvery(c.drawEvery);
        EXPECT_EQ(Marks.MarkAtPoint(c.x, c.y), c.found) << c.drawEvery << " " << c.x;
    }
    // Turned a quarter round about its centre (20, 10), box 0 stands 40 high and 20 wide.
    Marks.SetDrawEvery(1);
    Marks.SetAngle(90);
    EXPECT_EQ(Marks.MarkAtPoint(20, -5), 0);
    EXPECT_EQ(Marks.MarkAtPoint(2, 10), -1);
}

TEST_F(SeriesMarksTest, AntiOverlapMovesTheBoxOffEarlierOnes) {
    Marks.Shadow()->SetVisible(false);
    Marks.Pen()->SetVisible(false);
    Marks.Positions().SetPosition(0, Box(0, 100, 40, 20));
    struct {
        int top, movedTop;
    } cases[] = {{90, 80}, {110, 120}, {130, 130}};
    for (auto c : cases) {
        TSeriesMarkPosition p = Box(10, c.top, 40, 20);
        p.HasMid = true;
        p.MidPoint = TPoint{0, c.top};
        const int arrowTo = p.ArrowTo.Y;
        Marks.AntiOverlap(0, 1, p);
        EXPECT_EQ(p.LeftTop.Y, c.movedTop) << c.top;
        EXPECT_EQ(p.ArrowTo.Y - arrowTo, c.movedTop - c.top);
        EXPECT_EQ(p.MidPoint.Y, c.movedTop);
    }
    // The frame and the shadow widen the boxes.
    Marks.Pen()->SetVisible(true);
    Marks.Shadow()->SetVisible(true);
    TSeriesMarkPosition p = Box(10, 122, 40, 20);
    Marks.AntiOverlap(0, 1, p);
    EXPECT_EQ(p.LeftTop.Y, 124);  // the box above reaches 100 + 20 + 1 + 3
}

TEST_F(SeriesMarksTest, DrawMarkDrawsBoxThenTextLines) {
    Chart->ReplaceCanvas(std::make_unique<TRecordingCanvas3D>());
    auto& canvas = static_cast<TRecordingCanvas3D&>(*Chart->Canvas3D());
    Marks.Shadow()->SetVisible(false);
    Marks.Margins()->SetUnits(maPixels);
    Marks.Margins()->ComputePixels(0, 0, 0);
    Marks.SetTextAlign(taLeftJustify);
    TSeriesMarkPosition p = Box(10, 20, 60, 40);
    Marks.DrawMarkAt(0, clRed, p, "one\rtwo");
    const int h = canvas.MeasureLineHeight();
    std::vector<TCanvas3DCall> seen;
    for (const auto& call : canvas.Calls())
        if (call.Op == "Rectangle" || call.Op == "Text") seen.push_back(call);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].Op, "Rectangle");
    EXPECT_EQ(seen[0].Args, (std::vector<int>{10, 20, 70, 60}));
    EXPECT_EQ(seen[0].BrushColor, clInfoBk);
    // Left-aligned 2 + 20 pixels in, one line height apart below the top margin.
    EXPECT_EQ(seen[1].Text, "one");
    EXPECT_EQ(seen[1].Args, (std::vector<int>{32, 25}));
    EXPECT_EQ(seen[2].Text, "two");
    EXPECT_EQ(seen[2].Args, (std::vector<int>{32, 25 + h}));
    EXPECT_EQ(Marks.Positions().Position(0)->LeftTop, (TPoint{10, 20}));
}

}  // namespace

namespace {

TEST_F(SeriesMarksTest, DrawMarkWithArrowSymbolAndAngle) {
    Chart->ReplaceCanvas(std::make_unique<TRecordingCanvas3D>());
    auto& canvas = static_cast<TRecordingCanvas3D&>(*Chart->Canvas3D());
    Marks.Shadow()->SetVisible(false);
    Marks.Margins()->SetUnits(maPixels);
    Marks.Margins()->ComputePixels(0, 0, 0);
    Marks.Callout();  // its arrow is visible: the line comes first
    Marks.Symbol()->SetVisible(true);
    Marks.Symbol()->Shadow()->SetVisible(false);
    Marks.SetFontSeriesColor(true);
    Marks.SetAngle(90);
    TSeriesMarkPosition p = Box(10, 20, 60, 40);
    Marks.DrawMark(Marks, clRed, p, "one");
    std::vector<std::string> ops;
    for (const auto& call : canvas.Calls()) ops.push_back(call.Op);
    EXPECT_EQ(ops, (std::vector<std::string>{"MoveTo", "LineTo", "Polygon", "Polygon", "Text"}));
    EXPECT_EQ(canvas.Calls()[0].Args, (std::vector<int>{p.ArrowFrom.X, p.ArrowFrom.Y}));
    EXPECT_EQ(canvas.Calls()[1].Args, (std::vector<int>{p.ArrowTo.X, p.ArrowTo.Y}));
    EXPECT_EQ(canvas.Calls()[3].BrushColor, clRed);  // the symbol takes the point's colour
    // The text box starts after the symbol; the line turns about the centre of the text area.
    const int h = canvas.MeasureLineHeight();
    const int symbolWidth = h - 1 - 4;
    const int xc = (10 + 2 + symbolWidth + 4 + 20 + 70 - 20) / 2;
    const int yc = (20 + 5 + 60 - 5) / 2;
    const int d = yc - 60 - 5;
    EXPECT_EQ(canvas.Calls()[4].Args, (std::vector<int>{xc + d + 1, yc}));
    EXPECT_EQ(canvas.Font()->Color(), clRed);
}

}  // namespace

namespace {

TEST_F(SeriesMarksTest, MarkPartsFollowTheSeriesToAnotherChart) {
    TMarksItem& item = Marks.Item(0);
    Marks.Symbol();
    Marks.Callout();
    auto* other = new TTestChart(&Form);
    Series->SetParentChart(other);
    delete Chart;  // nothing of the marks may still point at it
    for (const TTeeCustomShapeBrushPen* part :
         {static_cast<const TTeeCustomShapeBrushPen*>(&Marks),
          static_cast<const TTeeCustomShapeBrushPen*>(&item),
          static_cast<const TTeeCustomShapeBrushPen*>(Marks.SymbolIfAny()),
          static_cast<const TTeeCustomShapeBrushPen*>(Marks.CalloutIfAny())})
        EXPECT_EQ(part->ParentChart(), other);
    EXPECT_EQ(Marks.CalloutIfAny()->Chart(), other);
    item.SetColor(clRed);
}

}  // namespace
