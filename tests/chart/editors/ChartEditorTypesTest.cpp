// The chart editor's rules that need no window.
#include <gtest/gtest.h>

#include "chart/editors/ChartEditorTypes.h"

namespace {

TEST(ChartEditorTypes, DefaultOptionsAreEverythingButGroups) {
    EXPECT_EQ(DefaultChartEditorOptions.Mask(), 1919u);
    EXPECT_FALSE(DefaultChartEditorOptions.Contains(ceGroups));
    EXPECT_TRUE(DefaultChartEditorOptions.Contains(ceAskDelete));
}

TEST(ChartEditorTypes, DefaultTabSearchesForwardThenBackward) {
    auto visible = [](std::initializer_list<int> hidden) {
        std::array<bool, ChartSubPageCount> v;
        v.fill(true);
        for (int h : hidden) v[size_t(h)] = false;
        return v;
    };
    const struct {
        int requested;
        std::array<bool, ChartSubPageCount> visible;
        int found;
    } cases[] = {
        {cetAxis, visible({}), cetAxis},
        {cetPaging, visible({cetPaging}), cetWalls},
        {cetPaging, visible({cetPaging, cetWalls}), cet3D},
        {cetPaging, visible({cetPaging, cetWalls, cet3D}), cetPanel},
        // The program's hidden tabs.
        {cetGeneral, visible({cetGeneral, cetPaging, cetWalls, cet3D}), cetAxis},
        {cet3D, visible({cetGeneral, cetPaging, cetWalls, cet3D}), cetPanel},
        {cetMain, visible({cetMain}), cetGeneral},
        {cet3D, visible({0, 1, 2, 3, 4, 5, 6, 7, 8}), -1},
    };
    for (const auto& c : cases) EXPECT_EQ(FindDefaultSubPage(c.requested, c.visible), c.found);
}

TEST(ChartEditorTypes, SeriesButtonsFollowOptionsSelectionAndPlace) {
    // The program's options: only the title command.
    TSeriesButtonsState s = SeriesButtonsFor({ceTitle}, true, 1, 0, 2);
    EXPECT_TRUE(s.Rename);
    EXPECT_FALSE(s.Add || s.Delete || s.ChangeType || s.Clone || s.MoveVisible);
    // Nothing selected: nothing but Add.
    s = SeriesButtonsFor(DefaultChartEditorOptions, false, 0, -1, 0);
    EXPECT_TRUE(s.Add);
    EXPECT_FALSE(s.Delete || s.Rename || s.ChangeType || s.Clone || s.MoveUp || s.MoveDown);
    // First of three: down only; last: up only.
    s = SeriesButtonsFor(DefaultChartEditorOptions, true, 1, 0, 3);
    EXPECT_TRUE(s.MoveVisible && s.MoveDown && !s.MoveUp);
    s = SeriesButtonsFor(DefaultChartEditorOptions, true, 1, 2, 3);
    EXPECT_TRUE(s.MoveUp && !s.MoveDown);
    // Two selected: no title, clone or moves; delete and change stay.
    s = SeriesButtonsFor(DefaultChartEditorOptions, true, 2, 1, 3);
    EXPECT_FALSE(s.Rename || s.Clone || s.MoveUp || s.MoveDown);
    EXPECT_TRUE(s.Delete && s.ChangeType);
    // Style flags forbid their commands.
    s = SeriesButtonsFor(DefaultChartEditorOptions, true, 1, 1, 3, {tssIsTemplate});
    EXPECT_FALSE(s.Delete || s.Clone);
    EXPECT_TRUE(s.ChangeType);
    s = SeriesButtonsFor(DefaultChartEditorOptions, true, 1, 1, 3,
                         {tssDenyChangeType, tssDenyDelete});
    EXPECT_FALSE(s.Delete || s.ChangeType);
    EXPECT_TRUE(s.Clone);
}

TEST(ChartEditorTypes, StoredPlacementIsClampedAndPulledOnScreen) {
    const TEditorBounds created{10, 20, 414, 347, 126, false};
    const struct {
        TStoredEditorPlacement stored;
        bool position, size;
        TEditorBounds expected;
    } cases[] = {
        {{}, true, true, {10, 20, 414, 347, 126, false}},
        {{-5, -7, 50, 60, 5}, true, true, {0, 0, 100, 100, 10, true}},
        {{300, 200, 600, 500, 150}, false, true, {10, 20, 600, 500, 150, false}},
        {{300, 200, 600, 500, 150}, true, false, {300, 200, 414, 347, 126, true}},
        // Beyond the screen: back to screen size less the form's.
        {{2000, 1000, {}, {}, {}}, true, true, {1024 - 414, 768 - 347, 414, 347, 126, true}},
        // Left without Top keeps the top; a form wider than the screen stays at 0.
        {{5000, {}, 3000, {}, {}}, true, true, {0, 20, 3000, 347, 126, true}},
    };
    for (const auto& c : cases) {
        TEditorBounds b = PlaceStoredEditor(created, c.stored, c.position, c.size, 1024, 768);
        EXPECT_EQ(b.Left, c.expected.Left);
        EXPECT_EQ(b.Top, c.expected.Top);
        EXPECT_EQ(b.Width, c.expected.Width);
        EXPECT_EQ(b.Height, c.expected.Height);
        EXPECT_EQ(b.TreeWidth, c.expected.TreeWidth);
        EXPECT_EQ(b.Designed, c.expected.Designed);
    }
}

}  // namespace
