// The organisation chart: boxes of a fixed size laid out row by row under their parents with
// both connector styles, what is left out of the layout, deleting a box with the boxes below it
// (also when parents loop back), the items that follow the points, and the series as the program
// meets it: from its gallery entry, through its editor, written and read back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/engine/AxisPanel.h"
#include "chart/foundation/TeeShadow.h"
#include "chart/series/text/OrgSeries.h"
#include "chart/series/text/OrgSeriesEditor.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/PageControl.h"
#include "tests/chart/series/GalleryRoundTrip.h"
#include "tests/chart/series/PriceChartFixture.h"

namespace {

class OrgSeriesTest : public PriceChartFixture {
protected:
    // Boxes 61 x 20 pixels (an even Right - Left, so that centres fall on whole pixels), one
    // per parent index; without shadows, whose edges are lines too.
    TOrgSeries* Tree(const std::vector<int>& parents) {
        auto* s = Add<TOrgSeries>();
        s->Format()->SetAutoSize(false);
        s->Format()->SetShapeBounds(TRect{0, 0, 60, 19});
        s->Format()->Shadow()->SetVisible(false);
        for (size_t i = 0; i < parents.size(); ++i)
            s->Add(std::string(1, char('A' + i)), parents[i]);
        return s;
    }
    static std::vector<std::string> LabelsOf(const TOrgSeries& s) {
        std::vector<std::string> out;
        for (int i = 0; i < s.Count(); ++i) out.push_back(s.PointLabel(i));
        return out;
    }
    static std::vector<int> ParentsOf(const TOrgSeries& s) {
        std::vector<int> out;
        for (int i = 0; i < s.Count(); ++i) out.push_back(s.ParentOf(i));
        return out;
    }
    static TRect Box(const TOrgSeries& s, int i) {
        return s.Items()->Item(i)->Format()->ShapeBounds();
    }
    // Each connector as "x0 y0 x1 y1", in drawing order.
    std::vector<std::string> Lines() const {
        std::vector<std::string> out;
        const std::vector<std::string> ops = Ops({"MoveTo", "LineTo"});
        for (size_t i = 0; i + 1 < ops.size(); i += 2)
            out.push_back(ops[i].substr(7) + " " + ops[i + 1].substr(7));
        return out;
    }
};

// A root, two children, and one child under the second: the chart rectangle (100, 20, 700,
// 280) centres the root on x = 400; rows are 20 high and 16 apart, boxes 8 apart.
TEST_F(OrgSeriesTest, KnownTreeLaidOutWithBothConnectorStyles) {
    TOrgSeries* s = Tree({-1, 0, 0, 2});
    const TRect expected[] = {
        {370, 20, 430, 39}, {335, 56, 395, 75}, {404, 56, 464, 75}, {404, 92, 464, 111}};
    struct TCase {
        TOrgLineStyle Style;
        std::vector<std::string> Lines;
    };
    const TCase cases[] = {
        // The parent's stem to the level 8 above the row, a stem per child, the bar; the single
        // child gets one straight line from its parent's bottom.
        {lsSquared,
         {"400 39 400 48", "365 48 365 56", "434 48 434 56", "365 48 434 48", "434 75 434 92"}},
        {lsDiagonal, {"365 56 400 39", "434 56 400 39", "434 92 434 75"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Style);
        s->SetLineStyle(c.Style);
        DrawPoints(*s);
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(Box(*s, i), expected[i]);
            EXPECT_TRUE(s->WasLaidOut(i));
            EXPECT_EQ(s->PointXPixel(i), expected[i].Left + 30);
            EXPECT_EQ(s->PointYPixel(i), expected[i].Bottom);
            EXPECT_EQ(s->ValueIndexAt(expected[i].Right, expected[i].Bottom), i);
        }
        EXPECT_EQ(Lines(), c.Lines);
        EXPECT_EQ(CallsOf("Rectangle").size(), 4u);
    }
    EXPECT_EQ(s->ValueIndexAt(400, 45), -1);  // between the rows
    EXPECT_FALSE(s->UsesAxes());
}

TEST_F(OrgSeriesTest, HiddenOrphanedAndLoopingBoxesAreNotLaidOut) {
    // Two boxes at the top; a hidden child of the first with a child of its own; a box whose
    // parent does not exist; a box that is its own parent; two that are each other's.
    TOrgSeries* s = Tree({-1, -1, 0, 2, 17, 5, 7, 6});
    s->Items()->Item(2)->Format()->SetVisible(false);
    DrawPoints(*s);
    EXPECT_EQ(Box(*s, 0), (TRect{335, 20, 395, 39}));
    EXPECT_EQ(Box(*s, 1), (TRect{404, 20, 464, 39}));
    for (int i = 0; i < s->Count(); ++i) EXPECT_EQ(s->WasLaidOut(i), i < 2) << i;
    EXPECT_EQ(CallsOf("Rectangle").size(), 2u);
    EXPECT_TRUE(Lines().empty());            // no connector between boxes at the top
    EXPECT_EQ(s->ValueIndexAt(10, 10), -1);  // where the boxes not laid out were sized
}

TEST_F(OrgSeriesTest, DeletingABoxDeletesTheBoxesBelowItAndRenumbersTheParents) {
    struct TCase {
        const char* Name;
        std::vector<int> Parents;
        int Deleted;
        std::vector<std::string> Labels;
        std::vector<int> ParentsAfter;
    };
    const TCase cases[] = {
        {"subtree in the middle",
         {-1, 0, 0, 1, 2, 3, -1, 6},
         1,
         {"A", "C", "E", "G", "H"},
         {-1, 0, 1, -1, 3}},
        {"a leaf", {-1, 0, 0}, 1, {"A", "C"}, {-1, 0}},
        {"children before their parent", {2, -1, 1}, 1, {}, {}},
        {"a child before its parent, the parent deleted", {2, -1, 1}, 2, {"B"}, {-1}},
        {"a parent loop", {1, 0, -1, 3}, 0, {"C", "D"}, {-1, 1}},
        {"its own parent", {-1, 1, 0}, 1, {"A", "C"}, {-1, 0}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Chart->FreeSeriesOfClass(&TOrgSeries::StaticClass());
        TOrgSeries* s = Tree(c.Parents);
        // Each item marked by its box's width, to follow it.
        for (int i = 0; i < s->Count(); ++i) s->Items()->Item(i)->Format()->SetWidth(100 + i);
        s->Delete(c.Deleted);
        EXPECT_EQ(LabelsOf(*s), c.Labels);
        EXPECT_EQ(ParentsOf(*s), c.ParentsAfter);
        ASSERT_EQ(s->Items()->Count(), s->Count());
        for (int i = 0; i < s->Count(); ++i)
            EXPECT_EQ(s->Items()->Item(i)->Format()->Width(), 100 + (c.Labels[size_t(i)][0] - 'A'));
    }
    TOrgSeries* s = Tree({-1});
    EXPECT_THROW(s->Delete(1), ChartException);
    EXPECT_EQ(s->Count(), 1);
}

TEST_F(OrgSeriesTest, ItemsFollowThePoints) {
    auto* s = Add<TOrgSeries>();
    s->Format()->SetColor(clYellow);
    EXPECT_EQ(s->Add("top", -1), 0);
    EXPECT_EQ(s->Add("below", 0), 1);
    // A point added the plain way gets an item as well, the empty ones before it filled in.
    s->AddXYPoint(2, 0, "third");
    ASSERT_EQ(s->Items()->Count(), 3);
    EXPECT_EQ(s->Items()->Item(2)->Format()->Text(), "third");
    EXPECT_EQ(s->Items()->Item(1)->Format()->Color(), clYellow);
    EXPECT_EQ(s->Items()->Item(1)->Format()->TextAlignment(), taCenter);
    EXPECT_EQ(s->Items()->Item(1)->Format()->ParentChart(), Chart);
    s->Items()->Item(0)->Format()->SetWidth(11);
    s->Items()->Item(2)->Format()->SetWidth(33);
    s->ExchangePoints(0, 2);
    EXPECT_EQ(s->Items()->Item(0)->Format()->Width(), 33);
    EXPECT_EQ(s->Items()->Item(2)->Format()->Width(), 11);
    auto* other = Add<TOrgSeries>();
    EXPECT_TRUE(s->AcceptsAsSource(other));
    EXPECT_FALSE(s->AcceptsAsSource(Add<TLineSeries>()));
    s->Clear();
    EXPECT_EQ(s->Items()->Count(), 0);
}

class OrgGalleryTest : public ::testing::Test {
protected:
    TSeriesLibraryStartup Library;
};

TEST_F(OrgGalleryTest, FromTheGalleryThroughItsFormAndTheStream) {
    TTeeSeriesType* e = FindGalleryEntry("Org.Chart");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(*e->PageText, "Extended");
    EXPECT_EQ(e->SampleSeriesCount, 1);
    TGalleryRoundTrip trip(*e);
    auto* s = static_cast<TOrgSeries*>(trip.Series);
    ASSERT_EQ(s->Count(), 6);
    EXPECT_EQ(s->Items()->Count(), 6);
    EXPECT_EQ((std::vector<int>{-1, 0, 0, 0, 2, 3}), [&] {
        std::vector<int> p;
        for (int i = 0; i < s->Count(); ++i) p.push_back(s->ParentOf(i));
        return p;
    }());
    EXPECT_TRUE(s->PointLabel(2).ends_with("\rProduct Manager\rUSA")) << s->PointLabel(2);
    trip.Draw();
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(s->WasLaidOut(i)) << i;

    const std::string before = ChartSnapshot(*trip.Chart);
    auto* form = dynamic_cast<TOrgSeriesEditor*>(trip.OpenEditor());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(ChartSnapshot(*trip.Chart), before);  // loading wrote nothing back
    EXPECT_FALSE(form->PageNode->Visible());        // nothing selected yet

    // The tree, depth first: each line the first line of its label, one space a level.
    EXPECT_EQ(form->NodeIndexes(), (std::vector<int>{0, 1, 2, 4, 3, 5}));
    const int levels[] = {0, 1, 1, 2, 1, 2};
    for (int line = 0; line < 6; ++line) {
        const int index = form->NodeIndexes()[size_t(line)];
        const std::string label = s->PointLabel(index);
        EXPECT_EQ(form->LBNodes->Items()->Strings(line),
                  std::string(size_t(levels[line]), ' ') + label.substr(0, label.find('\r')));
    }

    form->CBLineStyle->SetItemIndex(1);
    form->CBLineStyle->OnChange(form->CBLineStyle);
    EXPECT_EQ(s->LineStyle(), lsDiagonal);
    form->SelectNode(2);
    EXPECT_TRUE(form->PageNode->Visible());
    form->WidthEdit.Edit->SetText("90");
    TOrgShape* format = s->Items()->Item(2)->Format();
    EXPECT_EQ(format->Width(), 90);
    EXPECT_FALSE(format->AutoSize());
    EXPECT_FALSE(form->CBAutoSize->Checked());

    // "+" adds a box under the selected one and selects it; "-" deletes it again.
    form->BAdd->Click();
    ASSERT_EQ(s->Count(), 7);
    EXPECT_EQ(s->PointLabel(6), "#6");
    EXPECT_EQ(s->ParentOf(6), 2);
    EXPECT_EQ(form->SelectedNode(), 6);
    form->BAdd->Click();
    EXPECT_EQ(s->ParentOf(7), 6);
    form->SelectNode(6);
    form->BDelete->Click();
    EXPECT_EQ(s->Count(), 6);
    EXPECT_EQ(form->SelectedNode(), 5);

    trip.Draw();
    trip.ExpectStreamsBackEqual();
    EXPECT_NE(ChartSnapshot(*trip.Chart).find("Items"), std::string::npos);
    EXPECT_NE(ChartSnapshot(*trip.Chart).find("Width = 90"), std::string::npos);
}

}  // namespace
