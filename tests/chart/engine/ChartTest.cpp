// The chart component: its answers to the axis panel and the legend (background, free colours,
// legend texts, axis names, wall sizes, the orthogonal 3-D room), copying and storing it, and
// where titles and legend go in the drawing pass and what room each takes.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ChartStubs.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartLegend.h"
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
    Chart->FormattedLegendText(s, 1, text, nullptr);
    EXPECT_EQ(text, "inner wall");
    Chart->FormattedLegendText(s, -1, text, nullptr);
    EXPECT_EQ(text, "");
    text = "old";
    Chart->FormattedLegendText(nullptr, 1, text, nullptr);
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

TEST_F(ChartTest, ALegendAttachedToASeriesFormatsItsPointsInItsOwnTextStyle) {
    TTestSeries* s = NewSeries("A");
    TTestSeries* other = NewSeries("B");
    s->SetPointLabel(1, "inner\rwall");
    other->SetPointLabel(1, "outer");
    Chart->Legend()->SetTextStyle(ltsPlain);
    TChartLegend own(Chart, Chart);
    own.SetLegendStyle(lsValues);
    own.SetTextStyle(ltsValue);
    std::string text;
    Chart->FormattedLegendText(s, 1, text, &own);
    EXPECT_EQ(text, "inner wall") << "not yet attached: the chart legend's style";
    own.SetSeries(s);
    struct {
        const TChartSeries* Series;
        const TChartLegend* Asking;
        const char* Expected;
    } cases[] = {
        {s, &own, "10"},                     // its own series: its own style
        {other, &own, "outer"},              // another series: the chart legend's style
        {s, Chart->Legend(), "inner wall"},  // the chart legend
        {s, nullptr, "inner wall"},          // the series' marks
    };
    for (const auto& c : cases) {
        Chart->FormattedLegendText(c.Series, 1, text, c.Asking);
        EXPECT_EQ(text, c.Expected) << c.Series->Name();
    }
    // Through the legends' item texts.
    own.ResolveStyle();
    EXPECT_EQ(own.ItemText(1), "10");
    Chart->Legend()->SetLegendStyle(lsValues);
    Chart->Legend()->ResolveStyle();
    EXPECT_EQ(Chart->Legend()->ItemText(1), "inner wall");
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

// Turned round so that the back plane is seen from behind, the back plane lies in front of the
// series: after them the bottom axis' grid lines along it are drawn again, but not its side grid
// running into the depth, which would cross the series. Seen from the front nothing comes back.
TEST_F(ChartTest, SeenFromBehindTheBackGridIsDrawnAgainWithoutItsSideGrid) {
    NewSeries("A");
    Chart->SetView3D(true);
    Chart->View3DOptions()->SetOrthogonal(false);
    Chart->BottomAxis()->SetLimits(0, 4);
    Canvas->PenNames[0x808080] = "grey";
    const struct {
        int Rotation;
        bool Behind;
        size_t BackLines;  // drawings of each grid line along the back
    } cases[] = {{345, false, 1}, {180, true, 2}};
    for (const auto& c : cases) {
        Chart->View3DOptions()->SetRotation(c.Rotation);
        Canvas->Calls.clear();
        Draw();
        EXPECT_EQ(Chart->IsSeenFromBehindAt(Chart->Width3D()), c.Behind) << c.Rotation;
        // The bottom axis' grid: lines from the chart's top to its bottom at the back, and
        // depth lines along the side at the same places.
        const std::string top = " " + std::to_string(Chart->ChartRect().Top) + " ";
        std::map<std::string, size_t> back, side;
        for (const std::string& call : Canvas->Calls) {
            std::istringstream in(call);
            std::string op, x, y;
            in >> op >> x >> y;
            if (op == "VZ" && " " + y + " " == top) ++back[x];
            if (op == "DL") ++side[x];
        }
        ASSERT_EQ(back.size(), 3u) << c.Rotation;  // at 1, 2 and 3
        for (const auto& [x, count] : back) {
            EXPECT_EQ(count, c.BackLines) << c.Rotation << " at " << x;
            EXPECT_EQ(side[x], 1u) << c.Rotation << " at " << x;
        }
    }
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

// A chart written as a descendant of another keeps its palette index only when it differs from
// the ancestor's; without an ancestor, only an applied palette.
TEST_F(ChartTest, PaletteIndexIsWrittenAgainstTheAncestor) {
    const struct {
        int Ancestor;  // -1: no ancestor
        int Own;
        bool Written;
    } cases[] = {{-1, 0, false}, {-1, 13, true}, {13, 13, false},
                 {0, 13, true},  {5, 0, true},   {0, 0, false}};
    for (const auto& c : cases) {
        TChart ancestor(nullptr);
        ancestor.SetColorPaletteIndex(std::max(c.Ancestor, 0));
        Chart->SetColorPaletteIndex(c.Own);
        TMemoryStream stream;
        TWriter writer(stream);
        writer.SetRoot(Chart);
        if (c.Ancestor >= 0) writer.SetAncestor(&ancestor);
        writer.WriteProperties(Chart);
        const std::string bytes(static_cast<const char*>(stream.Memory()), size_t(stream.Size()));
        EXPECT_EQ(bytes.find("ColorPaletteIndex") != std::string::npos, c.Written)
            << "ancestor " << c.Ancestor << ", own " << c.Own;
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
