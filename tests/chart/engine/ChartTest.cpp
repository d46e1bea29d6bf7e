// The chart component: its answers to the axis panel and the legend (background, free colours,
// legend texts, axis names, wall sizes, the orthogonal 3-D room), copying and storing it, and
// where titles and legend go in the drawing pass and what room each takes.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ChartStubs.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/ChartWalls.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Streams.h"
#include "tests/chart/engine/AxisDrawStub.h"

namespace {

// Writes each named part with the chart rectangle as it is when the part closes.
class TPartCanvas : public TAxisRecordingCanvas {
public:
    TCustomChart* Chart = nullptr;
    void BeginNamedPart(const std::string& name) override { Parts.push_back(name); }
    void EndNamedPart() override { After.push_back(Chart->ChartRect()); }
    // Flat texts (titles, legend) with where they start.
    void DrawTextAt(int x, int, std::string_view text) override {
        FlatTexts.push_back({x, std::string(text)});
    }
    std::vector<std::pair<int, std::string>> FlatTexts;
    std::vector<std::string> Parts;
    std::vector<TRect> After;
    // The chart rectangle once the part closed; the part must be there.
    TRect AfterPart(const std::string& name) const {
        for (size_t i = 0; i < Parts.size(); ++i)
            if (Parts[i] == name) return After.at(i);
        ADD_FAILURE() << "no part " << name;
        return {};
    }
    int IndexOf(const std::string& name) const {
        for (size_t i = 0; i < Parts.size(); ++i)
            if (Parts[i] == name) return int(i);
        return -1;
    }
};

class ChartTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestChartClasses();
        auto canvas = std::make_unique<TPartCanvas>();
        Canvas = canvas.get();
        Canvas->Chart = Chart;
        Canvas->SetBufferedDisplay(false);
        Chart->ReplaceCanvas(std::move(canvas));
        Chart->SetBounds(0, 0, 400, 300);
        Chart->SetView3D(false);
    }
    TTestSeries* NewSeries(const std::string& name) {
        auto* s = new TTestSeries(&Form);
        s->SetName(name);
        Chart->AddSeries(s);
        for (int i = 0; i < 4; ++i) s->AddXYPoint(i, 10 * i);
        return s;
    }
    void Draw() {
        Canvas->Parts.clear();
        Canvas->After.clear();
        Canvas->FlatTexts.clear();
        TBitmap target(400, 300);
        Chart->Draw(target.Canvas(), TRect{0, 0, 400, 300});
    }
    void SetTitles() {
        const std::pair<TChartTitle*, const char*> titles[] = {{Chart->Title(), "Emissivity"},
                                                               {Chart->SubTitle(), "of a cone"},
                                                               {Chart->Foot(), "Run 1"},
                                                               {Chart->SubFoot(), "1000 rays"}};
        for (auto [title, text] : titles) {
            title->SetCaption(text);
            title->Frame()->SetVisible(false);  // no frame width in the room taken
        }
    }

    TFormatSettingsGuard PinnedFormats{TFormatSettings{}};
    TComponent Form{nullptr};
    TChart* Chart = new TChart(&Form);
    TPartCanvas* Canvas = nullptr;
};

TEST_F(ChartTest, PartsAndTheirDefaults) {
    EXPECT_TRUE(Chart->Title()->TextOnTop());
    EXPECT_TRUE(Chart->SubTitle()->TextOnTop());
    EXPECT_FALSE(Chart->Foot()->TextOnTop());
    EXPECT_FALSE(Chart->SubFoot()->TextOnTop());
    EXPECT_EQ(Chart->Legend()->Chart(), Chart);
    EXPECT_EQ(Chart->Walls()->Chart(), Chart);
    EXPECT_EQ(Chart->Frame(), Chart->BackWall()->Pen());
    EXPECT_FALSE(Chart->RightWall()->Visible());
    EXPECT_EQ(Chart->ScrollMouseButton(), mbRight);
    EXPECT_EQ(Chart->ColorPaletteIndex(), 0);
    EXPECT_FALSE(Chart->ScalesSaved());
    EXPECT_TRUE(Chart->AutoRepaint());
}

TEST_F(ChartTest, BackgroundColourAndFreeSeriesColours) {
    Chart->SetColor(clWhite);
    EXPECT_TRUE(Chart->BackWall()->Transparent());
    EXPECT_EQ(Chart->GetBackColor(), clWhite);
    Chart->BackWall()->SetTransparent(false);
    Chart->BackWall()->SetColor(clYellow);
    EXPECT_EQ(Chart->GetBackColor(), clYellow);

    TTestSeries* a = NewSeries("A");
    TTestSeries* b = NewSeries("B");
    a->SetSeriesColor(clRed);
    b->SetSeriesColor(clGreen);
    EXPECT_FALSE(Chart->IsFreeSeriesColor(clGreen, false, a));
    EXPECT_TRUE(Chart->IsFreeSeriesColor(clGreen, false, b));  // its own colour
    EXPECT_TRUE(Chart->IsFreeSeriesColor(clWhite, false, a));
    EXPECT_FALSE(Chart->IsFreeSeriesColor(clWhite, true, a));   // the chart's
    EXPECT_FALSE(Chart->IsFreeSeriesColor(clYellow, true, a));  // the back wall's
    EXPECT_TRUE(Chart->IsFreeSeriesColor(clBlue, true, a));
}

TEST_F(ChartTest, LegendTextsOnOneLineAndThroughTheChartsEvent) {
    TTestSeries* s = NewSeries("A");
    s->SetPointLabel(1, "inner\rwall");
    std::string text = "old";
    Chart->Legend()->SetTextStyle(ltsPlain);
    Chart->FormattedLegendText(s, 1, text);
    EXPECT_EQ(text, "inner wall");
    Chart->FormattedLegendText(s, -1, text);
    EXPECT_EQ(text, "");
    text = "old";
    Chart->FormattedLegendText(nullptr, 1, text);
    EXPECT_EQ(text, "");

    NewSeries("B");
    std::vector<std::string> seen;
    Chart->OnGetLegendText = [&](TCustomAxisPanel& sender, TLegendStyle style, int index,
                                 std::string& legendText) {
        EXPECT_EQ(&sender, Chart);
        seen.push_back(std::to_string(int(style)) + " " + std::to_string(index) + " " + legendText);
        legendText += "!";
    };
    Chart->Legend()->ResolveStyle();
    EXPECT_EQ(Chart->Legend()->FormattedItemText(1), "B!");
    EXPECT_EQ(seen, std::vector<std::string>{std::to_string(int(lsSeries)) + " 1 B"});
}

TEST_F(ChartTest, LegendRectangleAndItemPositionsThroughTheChartsEvents) {
    NewSeries("A");
    NewSeries("B");
    const TRect placed{10, 200, 150, 260};
    Chart->OnGetLegendRect = [&](TCustomChart& sender, TRect& rect) {
        EXPECT_EQ(&sender, Chart);
        rect = placed;
    };
    std::vector<int> items;
    Chart->OnGetLegendPos = [&](TCustomChart&, int index, int& x, int&, int&) {
        items.push_back(index);
        x += 1000;  // off the panel: no text of the legend is seen
    };
    Draw();
    EXPECT_EQ(Chart->Legend()->ShapeBounds(), placed);
    EXPECT_EQ(items, (std::vector<int>{0, 1}));
    std::vector<std::string> moved;
    for (const auto& [x, text] : Canvas->FlatTexts)
        if (x >= 1000) moved.push_back(text);
    EXPECT_EQ(moved, (std::vector<std::string>{"A", "B"}));
}

TEST_F(ChartTest, AxesAreNamedByTitleElseByPlace) {
    auto* custom = new TChartAxis(Chart, Chart->CustomAxes());
    custom->SetHorizontal(true);
    const struct {
        TChartAxis* Axis;
        const char* Name;
    } cases[] = {{Chart->LeftAxis(), "Left Axis"},
                 {Chart->RightAxis(), "Right Axis"},
                 {Chart->TopAxis(), "Top Axis"},
                 {Chart->BottomAxis(), "Bottom Axis"},
                 {Chart->DepthAxis(), "Depth Right"},
                 {Chart->DepthTopAxis(), "Depth Top"},
                 {custom, "Bottom Axis"}};
    for (const auto& c : cases) EXPECT_EQ(Chart->AxisDisplayName(c.Axis), c.Name);
    Chart->RightAxis()->Title()->SetCaption("Radiance temperature");
    EXPECT_EQ(Chart->AxisDisplayName(Chart->RightAxis()), "Radiance temperature");
}

TEST_F(ChartTest, WallSizesBehindTheAxes) {
    Chart->LeftWall()->SetSize(3);
    Chart->BottomWall()->SetSize(4);
    Chart->RightWall()->SetSize(5);
    Chart->BackWall()->SetSize(6);
    EXPECT_EQ(Chart->WallSizeOfAxis(Chart->LeftAxis()), 0);  // 2-D
    Chart->SetView3D(true);
    EXPECT_EQ(Chart->WallSizeOfAxis(Chart->LeftAxis()), 3);
    EXPECT_EQ(Chart->WallSizeOfAxis(Chart->BottomAxis()), 4);
    EXPECT_EQ(Chart->WallSizeOfAxis(Chart->RightAxis()), 0);  // hidden
    Chart->RightWall()->SetVisible(true);
    EXPECT_EQ(Chart->WallSizeOfAxis(Chart->RightAxis()), 5);
    EXPECT_EQ(Chart->WallSizeOfAxis(Chart->TopAxis()), 6);
    Chart->SetView3DWalls(false);
    EXPECT_EQ(Chart->WallSizeOfAxis(Chart->LeftAxis()), 0);
}

TEST_F(ChartTest, OrthogonalViewLeavesRoomForDepthAndWalls) {
    NewSeries("A");
    Chart->SetView3D(true);
    Chart->View3DOptions()->SetOrthogonal(true);
    Chart->BackWall()->SetSize(4);
    Chart->RightWall()->SetVisible(true);
    Chart->RightWall()->SetSize(2);
    Chart->LeftWall()->SetSize(3);
    const TRect start{20, 30, 380, 270};
    for (const int angle : {45, 135}) {
        SCOPED_TRACE(angle);
        Chart->View3DOptions()->SetOrthoAngle(angle);
        Chart->SetChartRect(start);
        Chart->RecomputeChartSize();
        Chart->AdjustChartRectFor3D();
        const int depth = std::abs(Chart->Width3D());
        ASSERT_GT(depth, 0);
        const TRect r = Chart->ChartRect();
        if (angle <= 90) {
            EXPECT_EQ(r.Right, start.Right - depth - 4 - (2 + 1));
            EXPECT_EQ(r.Left, start.Left);
        } else {
            EXPECT_EQ(r.Left, start.Left + depth + 4 + (3 + 1));
            EXPECT_EQ(r.Right, start.Right);
        }
        EXPECT_EQ(r.Top, start.Top + 4 + std::abs(Chart->Height3D()));
        EXPECT_EQ(r.Bottom, start.Bottom);
        EXPECT_EQ(Chart->ChartWidth(), r.Width());
    }
    // A free view keeps the rectangle.
    Chart->View3DOptions()->SetOrthogonal(false);
    Chart->SetChartRect(start);
    Chart->AdjustChartRectFor3D();
    EXPECT_EQ(Chart->ChartRect(), start);
}

TEST_F(ChartTest, AssignCopiesPartsAndSettings) {
    SetTitles();
    Chart->Legend()->SetAlignment(laBottom);
    Chart->BackWall()->SetColor(clAqua);
    Chart->LeftWall()->SetSize(7);
    Chart->SetScrollMouseButton(mbMiddle);
    Chart->SetColorPaletteIndex(5);
    Chart->LeftAxis()->Title()->SetCaption("EE");
    TChart copy(nullptr);
    copy.Assign(Chart);
    EXPECT_EQ(copy.Title()->Text()->Text(), Chart->Title()->Text()->Text());
    EXPECT_EQ(copy.SubFoot()->Text()->Text(), Chart->SubFoot()->Text()->Text());
    EXPECT_EQ(copy.Legend()->Alignment(), laBottom);
    EXPECT_EQ(copy.BackWall()->Color(), clAqua);
    EXPECT_EQ(copy.LeftWall()->Size(), 7);
    EXPECT_EQ(copy.ScrollMouseButton(), mbMiddle);
    EXPECT_EQ(copy.ColorPaletteIndex(), 5);
    EXPECT_EQ(copy.LeftAxis()->Title()->Caption(), "EE");  // the axis panel's part
}

// The component stream, as text for readability.
std::string StreamText(TComponent* component) {
    TMemoryStream binary;
    WriteComponentToStream(binary, component);
    binary.SetPosition(0);
    TMemoryStream text;
    ObjectBinaryToText(binary, text);
    return std::string(static_cast<const char*>(text.Memory()), size_t(text.Size()));
}

void ReadFromText(const std::string& text, TComponent* into) {
    TMemoryStream source;
    source.Write(text.data(), int64_t(text.size()));
    source.SetPosition(0);
    TMemoryStream binary;
    ObjectTextToBinary(source, binary);
    binary.SetPosition(0);
    ReadComponentFromStream(binary, into);
}

TEST_F(ChartTest, StreamOnlyBackColourAndPaletteIndex) {
    Chart->SetName("Chart1");
    EXPECT_EQ(StreamText(Chart).find("ColorPaletteIndex"), std::string::npos);
    Chart->SetColorPaletteIndex(13);
    EXPECT_NE(StreamText(Chart).find("ColorPaletteIndex = 13"), std::string::npos);

    TChart read(nullptr);
    ReadFromText(StreamText(Chart), &read);
    EXPECT_EQ(read.ColorPaletteIndex(), 13);
    EXPECT_FALSE(read.ColorPalette.empty());  // the palette was applied

    const struct {
        const char* Value;
        TColor Color;
    } colours[] = {{"clRed", clRed}, {"65280", TColor(65280)}};
    for (const auto& c : colours) {
        TChart old(nullptr);
        ReadFromText(std::string("object Chart1: TChart\n  BackColor = ") + c.Value + "\nend\n",
                     &old);
        EXPECT_EQ(old.BackWall()->Color(), c.Color) << c.Value;
        EXPECT_EQ(old.ColorPaletteIndex(), 0);
        // Nothing writes it back.
        EXPECT_EQ(StreamText(&old).find("BackColor"), std::string::npos);
    }
}

TEST_F(ChartTest, ValueSourcesAreTheListsOfTheSourceSeries) {
    TTestSeries* source = NewSeries("Source");
    TTestSeries* derived = NewSeries("Derived");
    std::vector<std::string> names;
    auto add = [&](const std::string& n) { names.push_back(n); };
    EXPECT_FALSE(Chart->ListValueSources(derived->YValues(), add));
    derived->SetDataSource(source);
    EXPECT_TRUE(Chart->ListValueSources(derived->YValues(), add));
    EXPECT_EQ(names, (std::vector<std::string>{"X", "Y"}));
    EXPECT_FALSE(Chart->ListSourceFields(derived, add));
}

TEST_F(ChartTest, EachTitleTakesItsRoomInTurnAndTheLegendBeforeOrAfterThem) {
    NewSeries("A");
    NewSeries("B");
    SetTitles();
    Draw();
    const std::vector<std::string> titles{"title", "subtitle", "foot", "subfoot"};
    // The right-hand legend first, so that it spans the height the titles then cut down.
    EXPECT_EQ(Canvas->IndexOf("Legend"), Canvas->IndexOf("title") - 1);
    EXPECT_LT(Canvas->IndexOf("subfoot"), Canvas->IndexOf("axes"));
    EXPECT_EQ(Canvas->AfterPart("title").Top, Chart->Title()->GetTitleRect().Bottom + 5);
    EXPECT_EQ(Canvas->AfterPart("subtitle").Top, Chart->SubTitle()->GetTitleRect().Bottom + 5);
    EXPECT_EQ(Canvas->AfterPart("foot").Bottom, Chart->Foot()->GetTitleRect().Top - 5);
    EXPECT_EQ(Canvas->AfterPart("subfoot").Bottom, Chart->SubFoot()->GetTitleRect().Top - 5);
    EXPECT_EQ(Chart->SubTitle()->GetTitleRect().Top, Canvas->AfterPart("title").Top);
    EXPECT_EQ(Chart->SubFoot()->GetTitleRect().Bottom, Canvas->AfterPart("foot").Bottom);
    EXPECT_LT(Chart->Legend()->ShapeBounds().Top, Chart->SubTitle()->GetTitleRect().Bottom);

    // A legend below the chart fits in what the titles leave.
    Chart->Legend()->SetAlignment(laBottom);
    Draw();
    EXPECT_EQ(Canvas->IndexOf("Legend"), Canvas->IndexOf("subfoot") + 1);
    EXPECT_LE(Chart->Legend()->ShapeBounds().Bottom, Chart->SubFoot()->GetTitleRect().Top);

    // A hidden legend takes no turn at all.
    Chart->Legend()->SetVisible(false);
    Draw();
    EXPECT_EQ(Canvas->IndexOf("Legend"), -1);
}

TEST_F(ChartTest, CustomPositionedTitleAndLegendComeAfterTheSeriesAndTakeNoRoom) {
    NewSeries("A");
    Chart->Title()->SetCaption("Emissivity");
    Chart->SubTitle()->SetCaption("placed");
    Chart->SubTitle()->SetLeft(30);
    Chart->SubTitle()->SetTop(40);
    Chart->Legend()->SetVisible(false);
    Draw();
    const int sub = Canvas->IndexOf("subtitle");
    EXPECT_GT(sub, Canvas->IndexOf("axes"));
    EXPECT_LT(Canvas->IndexOf("title"), Canvas->IndexOf("axes"));
    EXPECT_EQ(Chart->SubTitle()->GetTitleRect().Left, 30);
    EXPECT_EQ(Chart->SubTitle()->GetTitleRect().Top, 40);
    // The rectangle after the custom title is the one the axes left.
    EXPECT_EQ(Canvas->After[size_t(sub)], Chart->ChartRect());

    Chart->Legend()->SetVisible(true);
    Chart->Legend()->SetLeft(250);
    Chart->Legend()->SetTop(20);
    const TRect before = Chart->ChartRect();
    Draw();
    EXPECT_EQ(Canvas->IndexOf("Legend"), Canvas->IndexOf("subtitle") - 1);
    EXPECT_EQ(Chart->ChartRect(), before);  // the placed legend took nothing
}

}  // namespace
