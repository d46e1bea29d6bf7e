#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeFilter.h"
#include "platform/classes/ClassRegistry.h"
#include "tests/chart/foundation/GeometryPrinters.h"
#include "tests/chart/foundation/TeeFilterFixture.h"

namespace {

std::vector<std::string> Log;

// Notes the rectangle it is given, under its tag.
class TNoteFilter : public TTeeFilter {
    KV_DECLARE_CLASS(TNoteFilter, TTeeFilter)
public:
    using TTeeFilter::TTeeFilter;
    std::string Tag;
    TRect Got{-1, -1, -1, -1};
    void ApplyToRect(TBitmap& Bitmap, const TRect& Rect) override {
        TTeeFilter::ApplyToRect(Bitmap, Rect);
        Got = Rect;
        Log.push_back(Tag);
    }
};

class TOtherFilter : public TNoteFilter {
    KV_DECLARE_CLASS(TOtherFilter, TNoteFilter)
public:
    using TNoteFilter::TNoteFilter;
};

TEST(TeeFilterTest, ApplyToBitmapPassesTheRegionInsideTheBitmap) {
    struct Case {
        bool region, regionEnabled;
        int left, top, width, height;
        TRect expected;
    } cases[] = {
        {false, true, 0, 0, 0, 0, {0, 0, 19, 14}},
        {true, true, 10, 10, 0, 0, {10, 10, 19, 14}},  // zero extents reach the corner
        {true, true, 2, 3, 4, 5, {2, 3, 6, 8}},
        {true, true, -4, -4, 6, 0, {0, 0, 2, 14}},    // kept inside the bitmap
        {true, false, 2, 3, 4, 5, {0, 0, 19, 14}},    // a filter without region use
        {true, true, 25, 0, 0, 0, {-1, -1, -1, -1}},  // wholly outside: not applied
    };
    for (const Case& c : cases) {
        TBitmap bitmap;
        Fill(bitmap, 20, 15, Pattern);
        TNoteFilter filter;
        filter.SetRegionEnabled(c.regionEnabled);
        if (c.region) {
            filter.Region()->SetLeft(c.left);
            filter.Region()->SetTop(c.top);
            filter.Region()->SetWidth(c.width);
            filter.Region()->SetHeight(c.height);
        }
        ApplyToBitmap(filter, bitmap);
        EXPECT_EQ(filter.Got, c.expected) << c.left << "," << c.top;
    }
}

TEST(TeeFilterTest, ListAppliesEnabledFiltersInOrderAndAssignsByClass) {
    TFilterItems items;
    const char* tags[] = {"a", "b", "c"};
    for (const char* tag : tags) {
        auto* f = static_cast<TNoteFilter*>(items.AddFilterOfClass(&TNoteFilter::StaticClass()));
        f->Tag = tag;
    }
    items.GetFilter(1)->SetEnabled(false);
    TBitmap bitmap;
    Fill(bitmap, 4, 4, Pattern);
    Log.clear();
    items.ApplyAll(bitmap);
    EXPECT_EQ(Log, (std::vector<std::string>{"a", "c"}));

    items.AddFilterOfClass(&TOtherFilter::StaticClass())->Region()->SetLeft(3);
    TFilterItems copy;
    copy.AddFilterOfClass(&TOtherFilter::StaticClass());
    copy.Assign(&items);
    ASSERT_EQ(copy.Count(), 4);
    EXPECT_EQ(copy.GetFilter(3)->ClassName(), "TOtherFilter");
    EXPECT_EQ(copy.GetFilter(0)->ClassName(), "TNoteFilter");
    EXPECT_FALSE(copy.GetFilter(1)->Enabled());
    EXPECT_EQ(copy.GetFilter(3)->Region()->Left(), 3);
    EXPECT_EQ(copy.UpdateCount(), 0);

    EXPECT_THROW(items.AddFilterOfClass(&TFilterRegion::StaticClass()), EInvalidCast);
}

TEST(TeeFilterTest, BlurChangesOnlyTheInteriorOfItsRectangle) {
    struct Case {
        int steps, amount;
        TRect rect;
        bool changes;
    } cases[] = {
        {0, 1, {0, 0, 5, 5}, false},  // no steps
        {1, 1, {2, 2, 3, 3}, false},  // a 2 x 2 rectangle has no interior
        {1, 1, {0, 0, 5, 5}, true},
        {2, -8, {0, 0, 5, 5}, true},  // weights summing to 0 must not divide by zero
    };
    for (const Case& c : cases) {
        TBitmap bitmap, before;
        Fill(bitmap, 6, 6, Pattern);
        before.Assign(&bitmap);
        TBlurFilter blur;
        blur.SetSteps(c.steps);
        blur.SetAmount(c.amount);
        blur.ApplyToRect(bitmap, c.rect);
        bool changed = false;
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 6; ++x) {
                const bool border =
                    x <= c.rect.Left || x >= c.rect.Right || y <= c.rect.Top || y >= c.rect.Bottom;
                if (border) {
                    EXPECT_EQ(Px(bitmap, x, y), Px(before, x, y)) << x << "," << y;
                }
                changed |= !(Px(bitmap, x, y) == Px(before, x, y));
            }
        EXPECT_EQ(changed, c.changes) << c.steps;
        EXPECT_FALSE(blur.KeepScanLines());
    }
}

TEST(TeeFilterTest, BlurAveragesTheNeighbourhood) {
    TBitmap bitmap;
    Fill(bitmap, 3, 3, [](int x, int y) {
        return x == 1 && y == 1 ? TPx{90, 180, 45} : TPx{0, 9, 0};
    });
    TBlurFilter blur;  // Amount 1: the plain mean of nine
    ApplyToBitmap(blur, bitmap);
    EXPECT_EQ(Px(bitmap, 1, 1), (TPx{10, 28, 5}));
    LoadCoreTexts();
    EXPECT_EQ(blur.GetCaption(), "Blur");
    FreeCoreTexts();
}

// The weights are rounded to 1/1024 and not normalised, so a constant stays only near itself;
// the Lanczos lobes move it further. The kernel reaches past both edges of a large
// source stretched into 2 or 3 pixels.
TEST(TeeFilterTest, ResampleKeepsAConstantImageAndStaysInBounds) {
    struct Case {
        int sw, sh, dw, dh;
        bool fast;
    } cases[] = {
        {10, 8, 19, 15, true},   {20, 16, 7, 5, false},   {20, 16, 7, 5, true},
        {100, 100, 2, 2, false}, {100, 100, 3, 3, false}, {100, 40, 3, 2, true},
    };
    for (const Case& c : cases) {
        TBitmap source, dest;
        Fill(source, c.sw, c.sh, [](int, int) { return TPx{30, 120, 250}; });
        Fill(dest, c.dw, c.dh, [](int, int) { return TPx{0, 0, 0}; });
        ResampleBitmap(source, dest, c.fast);
        for (int y = 0; y < c.dh; ++y)
            for (int x = 0; x < c.dw; ++x) {
                const TPx p = Px(dest, x, y);
                const int tolerance = c.fast ? 6 : 15;
                EXPECT_NEAR(p.B, 30, tolerance) << c.sw << "->" << c.dw;
                EXPECT_NEAR(p.G, 120, tolerance) << c.sw << "->" << c.dw;
                EXPECT_NEAR(p.R, 250, tolerance) << c.sw << "->" << c.dw;
            }
    }
}

TEST(TeeFilterTest, ResampleIntoAOnePixelDestinationDoesNothing) {
    TBitmap source, dest;
    Fill(source, 10, 10, Pattern);
    Fill(dest, 1, 5, [](int, int) { return TPx{7, 7, 7}; });
    ResampleBitmapBest(source, dest);
    for (int y = 0; y < 5; ++y) EXPECT_EQ(Px(dest, 0, y), (TPx{7, 7, 7}));
}

TEST(TeeFilterTest, ResampleToTheSameSizeKeepsThePixels) {
    TBitmap source, dest;
    Fill(source, 6, 5, Pattern);
    Fill(dest, 6, 5, [](int, int) { return TPx{0, 0, 0}; });
    ResampleBitmap(source, dest, true);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(Px(dest, x, y), Pattern(x, y));
}

TEST(TeeFilterTest, RegistrationKeepsOrderAndSkipsRepeats) {
    const size_t before = FilterClassList().size();
    RegisterFilterClasses(
        {&TOtherFilter::StaticClass(), &TNoteFilter::StaticClass(), &TOtherFilter::StaticClass()});
    const auto& list = FilterClassList();
    ASSERT_EQ(list.size(), before + 2);
    EXPECT_EQ(list[before], &TOtherFilter::StaticClass());
    EXPECT_EQ(list[before + 1], &TNoteFilter::StaticClass());
    EXPECT_EQ(GetClass("TNoteFilter"), &TNoteFilter::StaticClass());

    UnregisterFilterClasses({&TOtherFilter::StaticClass(), &TNoteFilter::StaticClass()});
    EXPECT_EQ(FilterClassList().size(), before);
    EXPECT_EQ(GetClass("TNoteFilter"), &TNoteFilter::StaticClass());  // still streamable
    UnRegisterClasses({&TOtherFilter::StaticClass(), &TNoteFilter::StaticClass()});
}

}  // namespace
