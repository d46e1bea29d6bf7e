// The image series: the program's own pictures by name (and the error for a name it lacks),
// pictures stretched over bars or tiled from their base, none on a cleared picture, a picture
// at each point drawn unscaled when it fits its box, and the delta series' choice of picture.
#include <gtest/gtest.h>

#include <memory>

#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/ResourceRoutines.h"
#include "chart/foundation/TeeFilterPicture.h"
#include "chart/foundation/View3DOptions.h"
#include "chart/series/xy/DeltaPointSeries.h"
#include "chart/series/xy/ImageBarSeries.h"
#include "chart/series/xy/ImagePointSeries.h"
#include "platform/graphics/Bitmap.h"
#include "tests/chart/series/PriceChartFixture.h"

namespace {

// The recording surface, also noting where pictures go and the clips.
class TImageRecordingCanvas : public TPriceRecordingCanvas {
public:
    std::vector<TRect> Stretched;
    std::vector<TPoint> Unscaled;
    std::vector<TRect> Clips;
    void StretchDrawGraphic(const TRect& rect, TGraphic* graphic) override {
        Stretched.push_back(rect);
        TPriceRecordingCanvas::StretchDrawGraphic(rect, graphic);
    }
    void DrawGraphic(int x, int y, TGraphic* graphic) override {
        Unscaled.push_back(TPoint{x, y});
        TPriceRecordingCanvas::DrawGraphic(x, y, graphic);
    }
    void ClipToRectangle(const TRect& rect) override {
        Clips.push_back(rect);
        TPriceRecordingCanvas::ClipToRectangle(rect);
    }
};

class ImageSeriesTest : public PriceChartFixture {
protected:
    ImageSeriesTest() {
        auto canvas = std::make_unique<TImageRecordingCanvas>();
        Pictures = canvas.get();
        Canvas = canvas.get();
        Chart->ReplaceCanvas(std::move(canvas));
        Canvas->SetBufferedDisplay(false);
    }
    void DrawImages(TChartSeries& series) {
        DrawPoints(series);
        Pictures->Stretched.clear();
        Pictures->Unscaled.clear();
        Pictures->Clips.clear();
        series.DrawAllValues();
    }
    TImageRecordingCanvas* Pictures;
};

TEST(ProgramBitmapTest, OwnPicturesByNameAndTheErrorForOthers) {
    for (const char* name : {"TeeMoney", "TeeDefaultImage", "TeeEqualSmile", "TeeGreaterSmile",
                             "TeeLowerSmile", "TeeEqualHand", "TeeGreaterHand", "TeeLowerHand"}) {
        TBitmap bitmap;
        LoadProgramBitmap(bitmap, name);
        EXPECT_GT(bitmap.Width(), 0) << name;
    }
    TBitmap bitmap;
    try {
        LoadProgramBitmap(bitmap, "TeeNoSuchPicture");
        FAIL() << "no error";
    } catch (const EResNotFound& e) {
        EXPECT_EQ(e.Message(), "Resource TeeNoSuchPicture not found");
    }
}

TEST_F(ImageSeriesTest, PictureStretchedOverEachBar) {
    auto* bars = Add<TImageBarSeries>();
    bars->AddXYPoint(100, 100);
    DrawImages(*bars);
    ASSERT_EQ(Pictures->Stretched.size(), 1u);
    TRect r = bars->BarBounds;
    // Inside the one-pixel frame.
    EXPECT_EQ(Pictures->Stretched[0], (TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}));
    // A cleared picture: the plain bar.
    bars->Image()->SetGraphic(nullptr);
    DrawImages(*bars);
    EXPECT_TRUE(Pictures->Stretched.empty());
    EXPECT_FALSE(CallsOf("Rectangle").empty());
}

TEST_F(ImageSeriesTest, TilesRunFromTheBase) {
    auto* bars = Add<TImageBarSeries>();
    bars->Pen()->SetVisible(false);
    bars->SetImageTiled(true);
    const int tile = bars->Image()->Height();
    ASSERT_EQ(tile, 16);
    struct Case {
        double value;
        size_t tiles;
        bool fromTop;
    };
    const Case cases[] = {
        {100, 7, false},  // 100 pixels: six whole tiles and a cut one at the top
        {10, 1, false},   // a picture taller than the bar: once, clipped
        {-40, 3, true},   // drawn downwards: from its top edge down
    };
    Chart->LeftAxis()->SetLimits(-130, 130);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        bars->Clear();
        bars->AddXYPoint(100, c.value);
        DrawImages(*bars);
        ASSERT_EQ(Pictures->Stretched.size(), c.tiles);
        ASSERT_EQ(Pictures->Clips.size(), 1u);
        const TRect clip = Pictures->Clips[0];
        const TRect first = Pictures->Stretched[0];
        EXPECT_EQ(first.Height(), tile);
        EXPECT_EQ(first.Width(), clip.Width());
        if (c.fromTop)
            EXPECT_EQ(first.Top, clip.Top);
        else
            EXPECT_EQ(first.Bottom, clip.Bottom);
    }
}

TEST_F(ImageSeriesTest, ObliqueViewPicturesOnlyTheFrontFacesSeen) {
    auto* bars = Add<TImageBarSeries>();
    bars->AddXYPoint(100, 100);
    Chart->SetView3D(true);
    Chart->View3DOptions()->SetOrthogonal(false);
    auto picturePolygons = [&](int rotation) {
        Chart->View3DOptions()->SetRotation(rotation);
        bars->Image()->Assign(nullptr);
        LoadProgramBitmap(*bars->Image()->Bitmap(), "TeeMoney");
        DrawImages(*bars);
        const size_t with = CallsOf("Polygon").size();
        bars->Image()->SetGraphic(nullptr);
        DrawImages(*bars);
        return with - CallsOf("Polygon").size();
    };
    // Mapped cell by cell onto the front face: a quadrilateral (or two) a picture pixel.
    const size_t front = picturePolygons(345);
    EXPECT_GE(front, 32u * 16u);
    EXPECT_LE(front, 2 * 32u * 16u);
    EXPECT_EQ(picturePolygons(180), 0u);  // seen from behind
}

TEST_F(ImageSeriesTest, ImagePointUnscaledWhenItFitsItsBox) {
    auto* points = Add<TImagePointSeries>();
    points->Marks()->SetVisible(false);
    points->AddXYPoint(100, 100);
    EXPECT_EQ(points->Pointer()->HorizSize(), 16);  // the picture's size
    DrawImages(*points);
    ASSERT_EQ(Pictures->Unscaled.size(), 1u);
    EXPECT_EQ(Pictures->Unscaled[0], (TPoint{200 - 8, 180 - 8}));
    EXPECT_TRUE(Pictures->Stretched.empty());
    points->Pointer()->SetHorizSize(20);  // a wider box: stretched into it
    DrawImages(*points);
    ASSERT_EQ(Pictures->Stretched.size(), 1u);
    EXPECT_EQ(Pictures->Stretched[0], (TRect{190, 172, 210, 188}));
    // Without a picture the pointer is drawn.
    points->ImagePoint()->SetGraphic(nullptr);
    DrawImages(*points);
    EXPECT_TRUE(Pictures->Stretched.empty() && Pictures->Unscaled.empty());
    EXPECT_FALSE(Canvas->Calls().empty());
}

TEST_F(ImageSeriesTest, DeltaPictureByTheMoveFromThePointBefore) {
    auto* deltas = Add<TDeltaPointSeries>();
    const double values[] = {5, 5, 7, 3, 3};
    for (int i = 0; i < 5; ++i) deltas->AddXYPoint(100 + 50 * i, values[i]);
    TTeePicture* equal = deltas->EqualImage();
    TTeePicture* greater = deltas->GreaterImage();
    TTeePicture* lower = deltas->LowerImage();
    const TTeePicture* expected[] = {equal, equal, greater, lower, equal};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(deltas->ImageFor(i), expected[i]) << i;
    DrawImages(*deltas);
    EXPECT_EQ(Pictures->Unscaled.size(), 5u);  // each picture at its own size
    // The hands replace the faces.
    TBitmap smile;
    smile.Assign(equal->Bitmap());
    deltas->SetImageStyle(disHands);
    TBitmap hand;
    LoadProgramBitmap(hand, "TeeEqualHand");
    EXPECT_EQ(equal->Width(), hand.Width());
    EXPECT_NE(std::string(reinterpret_cast<const char*>(equal->Bitmap()->ScanLine(8)), 3 * 16),
              std::string(reinterpret_cast<const char*>(smile.ScanLine(8)), 3 * 16));
}

}  // namespace
