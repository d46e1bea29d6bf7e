// The data table: its cells and row lines for a known chart (null points empty, inactive,
// depth-valued and refused series left out), the room it reserves beside the axis it stands by
// in each orientation, the legend column's room, its stream, and its editor.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/PointSeries.h"
#include "chart/engine/SeriesCreation.h"
#include "chart/engine/grid3d/Point3DSeries.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/DateTimeSteps.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeFont.h"
#include "chart/tools/data/DataTableEditor.h"
#include "chart/tools/data/DataTableTool.h"
#include "chart/tools/data/TableLegend.h"
#include "platform/rtl/DateTimeFormat.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolEditorLoad.h"
#include "tests/chart/tools/ToolRoundTrip.h"
#include "tests/chart/tools/ToolsPageDriver.h"
#include "tests/support/ComponentText.h"

namespace {

struct TTextCall {
    int X, Y;
    std::string Text;
};
struct TLineCall {
    int X0, Y0, X1, Y1;
};

// The bench's fixed text metrics, writing down the texts and lines drawn while Recording.
class TTableCanvas : public TTeeCanvas3D {
public:
    int MeasureTextWidth(std::string_view text) override {
        return TToolBench::CharWidth * int(text.size());
    }
    int MeasureTextHeight(std::string_view) override { return TToolBench::LineHeight; }
    void DrawTextAt(int x, int y, std::string_view text) override {
        if (Recording) Texts.push_back({x, y, std::string(text)});
        TTeeCanvas3D::DrawTextAt(x, y, text);
    }
    void DrawRotatedText(int x, int y, std::string_view text, double angle) override {
        if (Recording) Texts.push_back({x, y, std::string(text)});
        TTeeCanvas3D::DrawRotatedText(x, y, text, angle);
    }
    void DrawLine(int x0, int y0, int x1, int y1) override {
        if (Recording) Lines.push_back({x0, y0, x1, y1});
        TTeeCanvas3D::DrawLine(x0, y0, x1, y1);
    }
    bool Recording = false;
    std::vector<TTextCall> Texts;
    std::vector<TLineCall> Lines;
};

// Listed before the table: from the chart's last drawing event on, only tools draw.
class TRecordSwitch : public TTeeCustomTool {
public:
    explicit TRecordSwitch(TComponent* owner) : TTeeCustomTool(owner) {}
    TTableCanvas* Canvas = nullptr;
    void ChartDrawEvent(TChartToolEvent event) override {
        if (event == cteAfterDraw) Canvas->Recording = true;
    }
};

struct DataTableTest : ::testing::Test {
    DataTableTest() {
        auto canvas = std::make_unique<TTableCanvas>();
        Canvas = canvas.get();
        bench.Chart().ReplaceCanvas(std::move(canvas));
        Switch = bench.AddTool<TRecordSwitch>();
        Switch->Canvas = Canvas;
        Tool = bench.AddTool<TDataTableTool>();
    }
    // A drawing with the table's own drawing recorded.
    void Render() {
        Canvas->Recording = false;
        Canvas->Texts.clear();
        Canvas->Lines.clear();
        bench.Render();
    }
    const TTextCall* FindText(const std::string& text) const {
        for (const TTextCall& t : Canvas->Texts)
            if (t.Text == text) return &t;
        return nullptr;
    }
    // The chart rectangle after a drawing with the table off and with it on.
    std::pair<TRect, TRect> RectsWithoutAndWith() {
        Tool->SetActive(false);
        Render();
        const TRect without = bench.Chart().ChartRect();
        Tool->SetActive(true);
        Render();
        return {without, bench.Chart().ChartRect()};
    }

    TToolBench bench;
    TTableCanvas* Canvas = nullptr;
    TRecordSwitch* Switch = nullptr;
    TDataTableTool* Tool = nullptr;
};

constexpr int LH = TToolBench::LineHeight;

TEST_F(DataTableTest, CellsOfTheTableSeriesOnly) {
    TPointSeries* s1 = bench.AddSeries({{10, 5}, {30, 7.5}, {150, 9}});
    s1->AddNullXYPoint(20, 0);
    bench.AddSeries({{10, 1234.5}, {30, 70}, {150, 80}, {20, 60}});
    bench.AddSeries({{10, 111}, {30, 111}})->SetActive(false);
    TPointSeries* refused = bench.AddSeries({{10, 222}, {30, 222}});
    auto* deep = new TPoint3DSeries(&bench.Form());
    bench.Chart().AddSeries(deep);
    deep->AddXYZValues(10, 333, 1);
    Tool->OnFilterSeries = [refused](TDataTableTool&, TChartSeries& s, bool& accept) {
        accept = &s != refused;
    };
    Render();

    const int x10 = bench.XPixel(10), x20 = bench.XPixel(20), x30 = bench.XPixel(30);
    // Each table series' values at their points' places; the null point and the point beyond
    // the axis have no cell, the left-out series none at all.
    const TTextCall* a = FindText("5");
    const TTextCall* b = FindText("7.5");
    const TTextCall* c = FindText("1,234.5");
    const TTextCall* d = FindText("60");
    const TTextCall* e = FindText("70");
    ASSERT_TRUE(a && b && c && d && e);
    EXPECT_EQ(a->X, x10);
    EXPECT_EQ(b->X, x30);
    EXPECT_EQ(c->X, x10);
    EXPECT_EQ(d->X, x20);
    EXPECT_EQ(e->X, x30);
    for (const char* absent : {"0", "9", "80", "111", "222", "333", "Series3", "Series4"})
        EXPECT_EQ(FindText(absent), nullptr) << absent;
    // The rows one line apart below the axis, the first series first, each with its title.
    EXPECT_EQ(a->Y, b->Y);
    EXPECT_EQ(c->Y, a->Y + LH);
    EXPECT_GT(a->Y, bench.Bottom().AxisPosition());
    ASSERT_NE(FindText("Series1"), nullptr);
    ASSERT_NE(FindText("Series2"), nullptr);
    EXPECT_EQ(FindText("Series1")->Y, a->Y);
    EXPECT_EQ(FindText("Series2")->Y, c->Y);
    // Row lines: the outer two and one per series, the first series' line on the top one.
    std::set<int> rows;
    for (const TLineCall& l : Canvas->Lines)
        if (l.Y0 == l.Y1) rows.insert(l.Y0);
    EXPECT_EQ(rows, (std::set<int>{a->Y, a->Y + LH, a->Y + 2 * LH}));

    // Inverted: the last series on top.
    const int top = a->Y;
    Tool->SetInverted(true);
    Render();
    ASSERT_TRUE(FindText("1,234.5") && FindText("5"));
    EXPECT_EQ(FindText("1,234.5")->Y, top);
    EXPECT_EQ(FindText("5")->Y, top + LH);
}

// Many points: every k-th index from the first, k as far apart as the axis' labels.
TEST_F(DataTableTest, ManyPointsShowEveryKthIndex) {
    std::vector<std::pair<double, double>> points;
    for (int i = 0; i <= 100; ++i) points.emplace_back(i, 1000 + i);
    bench.AddSeries(points);
    Render();
    std::vector<int> shown;
    for (const TTextCall& t : Canvas->Texts)
        if (t.Text != "Series1") shown.push_back(std::stoi(t.Text.substr(2)));  // "1,0ii"
    ASSERT_GE(shown.size(), 3u);
    std::sort(shown.begin(), shown.end());
    const int k = shown[1] - shown[0];
    EXPECT_EQ(shown[0], 0);
    EXPECT_GE(k, 2);
    for (size_t i = 1; i < shown.size(); ++i) EXPECT_EQ(shown[i] - shown[i - 1], k);
}

TEST_F(DataTableTest, NothingWithoutTableSeries) {
    TPointSeries* s = bench.AddSeries({{10, 5}, {30, 7}});
    for (const bool inactive : {true, false}) {
        SCOPED_TRACE(inactive ? "series inactive" : "series refused");
        s->SetActive(!inactive);
        Tool->OnFilterSeries = [inactive](TDataTableTool&, TChartSeries&, bool& accept) {
            accept = inactive;
        };
        const auto [without, with] = RectsWithoutAndWith();
        EXPECT_EQ(with, without);
        EXPECT_TRUE(Canvas->Texts.empty());
        EXPECT_TRUE(Canvas->Lines.empty());
        EXPECT_EQ(Tool->TableAxis(), nullptr);
    }
}

// The room the table takes beside its axis, on each side of the plot; the legend hidden so
// that only the table's own room shows.
TEST_F(DataTableTest, ReservesRoomBesideItsAxis) {
    struct TCase {
        const char* Name;
        bool XMandatory;
        bool OtherSide;
    };
    const TCase cases[] = {
        {"bottom", false, false},
        {"top", false, true},
        {"left", true, false},
        {"right", true, true},
    };
    Tool->Legend()->SetVisible(false);
    TPointSeries* s1 = bench.AddSeries({{10, 20}, {30, 40}});
    TPointSeries* s2 = bench.AddSeries({{10, 25}, {30, 1000}});
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        for (TPointSeries* s : {s1, s2}) {
            if (c.XMandatory) s->MakeXMandatory();
            s->SetHorizAxis(c.OtherSide && !c.XMandatory ? aTopAxis : aBottomAxis);
            s->SetVertAxis(c.OtherSide && c.XMandatory ? aRightAxis : aLeftAxis);
        }
        bench.Top().SetLimits(0, 100);
        bench.Right().SetLimits(0, 100);
        const auto [without, with] = RectsWithoutAndWith();
        TChartAxis* axis = Tool->TableAxis();
        ASSERT_NE(axis, nullptr);
        EXPECT_EQ(axis->Horizontal(), !c.XMandatory);
        EXPECT_EQ(axis->OtherSide(), c.OtherSide);
        // Rows a line high (+10) across a horizontal axis; across a vertical one, columns as
        // wide as the widest X value ("30") and half a line (+16).
        const int size = c.XMandatory ? 2 * (2 * TToolBench::CharWidth + LH / 2) + 16 : 2 * LH + 10;
        if (!c.XMandatory) {
            EXPECT_EQ(c.OtherSide ? with.Top - without.Top : without.Bottom - with.Bottom, size);
            EXPECT_EQ(with.Left, without.Left);
            EXPECT_EQ(with.Right, without.Right);
        } else {
            EXPECT_EQ(c.OtherSide ? without.Right - with.Right : with.Left - without.Left, size);
            EXPECT_EQ(with.Top, without.Top);
            EXPECT_EQ(with.Bottom, without.Bottom);
        }
        // Placed by hand, it reserves nothing.
        Tool->SetAutoPosition(false);
        Render();
        EXPECT_EQ(bench.Chart().ChartRect(), without);
        Tool->SetAutoPosition(true);
    }
}

TEST_F(DataTableTest, LegendColumnTakesRoomBesideTheTable) {
    bench.AddSeries({{10, 20}, {30, 40}});
    const auto [without, with] = RectsWithoutAndWith();
    // "Series1" and a line height, with a symbol a fifth of that wide.
    const int text = 7 * TToolBench::CharWidth + LH;
    const int width = text + (text * 20 + 50) / 100;
    const int labels = bench.Left().LabelsSpace();
    EXPECT_EQ(with.Left - without.Left, std::max(labels, width) - labels);
    EXPECT_EQ(without.Bottom - with.Bottom, LH + 10);
}

TEST(DataTableValueText, DatesTimesAndNumbers) {
    TToolBench bench;
    TPointSeries* s = bench.AddSeries({{1, 2.5}, {2, 0.25}, {3, 1234567.891}});
    EXPECT_EQ(TDataTableTool::ValueText(*s, 2), "1,234,567.891");
    s->YValues().SetDateTime(true);
    EXPECT_EQ(TDataTableTool::ValueText(*s, 0),
              FormatDateTime(FormatSettings().ShortDateFormat, 2.5));
    EXPECT_EQ(TDataTableTool::ValueText(*s, 1),
              FormatDateTime(FormatSettings().ShortTimeFormat, 0.25));
}

TEST_F(DataTableTest, StreamedAndEdited) {
    bench.AddSeries({{10, 20}, {30, 40}});
    Tool->SetAutoPosition(false);
    Tool->SetClipText(false);
    Tool->SetInverted(true);
    Tool->SetLeft(12);
    Tool->SetTop(250);
    Tool->ColumnPen()->SetColor(clRed);
    Tool->RowPen()->SetColor(clBlue);
    Tool->Font()->SetSize(11);
    Tool->Legend()->SetFontSeriesColor(true);
    Tool->Legend()->SetOtherSide(true);
    Tool->Legend()->Symbol()->SetWidth(30);
    // The switch is the test's own: no stream knows its class.
    TObject::Free(Switch);
    ExpectToolRoundTrips(bench, *Tool);

    TComponent owner(nullptr);
    auto* editor = ShowToolEditor<TDataTableEditor>(bench, *Tool, owner);
    EXPECT_EQ(editor->Caption(), "DataTable editor");
    EXPECT_FALSE(editor->CBAutoPos->Checked());
    EXPECT_TRUE(editor->Edit1->Enabled());
    EXPECT_TRUE(editor->CBInverted->Checked());
    EXPECT_TRUE(editor->CBOtherSide->Checked());
    EXPECT_TRUE(editor->CBFontColor->Checked());
    EXPECT_EQ(editor->Edit1->Text(), "12");
    EXPECT_EQ(editor->Edit2->Text(), "250");
    // A place typed is written; back at the axis the edits rest and typing writes nothing.
    editor->Edit1->SetText("40");
    EXPECT_EQ(Tool->Left(), 40);
    editor->CBAutoPos->SetChecked(true);
    EXPECT_TRUE(Tool->AutoPosition());
    EXPECT_FALSE(editor->Edit1->Enabled());
    editor->Edit2->SetText("77");
    EXPECT_EQ(Tool->Top(), 250);
    // Leaving the axis again shows where the table was last drawn.
    Render();
    editor->CBAutoPos->SetChecked(false);
    EXPECT_FALSE(Tool->AutoPosition());
    EXPECT_EQ(editor->Edit2->Text(), std::to_string(Tool->Top()));
    EXPECT_EQ(Tool->Top(), bench.Bottom().AxisPosition());
    editor->CBLegVisible->SetChecked(false);
    EXPECT_FALSE(Tool->Legend()->Visible());
}

// A clone (the tools page's Clone) is the same table, its legend on the same side.
TEST_F(DataTableTest, ClonedWithEverySetting) {
    Tool->SetAutoPosition(false);
    Tool->SetLeft(7);
    Tool->ColumnPen()->SetColor(clRed);
    Tool->Font()->SetSize(12);
    Tool->Legend()->SetOtherSide(true);
    Tool->Legend()->SetFontSeriesColor(true);
    Tool->Legend()->Symbol()->SetWidth(40);
    auto* copy = dynamic_cast<TDataTableTool*>(CloneChartTool(Tool, &bench.Form()));
    ASSERT_NE(copy, nullptr);
    copy->SetParentChart(Tool->ParentChart());
    // Compared by their stream texts with the names left out.
    auto settings = [](TComponent& tool) {
        const std::string name = tool.Name();
        tool.SetName("");
        std::string text = StreamText(tool);
        tool.SetName(name);
        return text;
    };
    EXPECT_EQ(settings(*copy), settings(*Tool));
}

TEST(DataTableGallery, AddedFromTheToolsPageWithItsEditor) {
    TToolBench bench;
    TToolsPageDriver page{bench};
    auto* tool = dynamic_cast<TDataTableTool*>(page.AddFromGallery(&TDataTableTool::StaticClass()));
    ASSERT_NE(tool, nullptr);
    auto* editor = page.Editor<TDataTableEditor>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->Tool(), tool);
    EXPECT_TRUE(editor->CBAutoPos->Checked());
    EXPECT_FALSE(editor->Edit1->Enabled());
}

}  // namespace
