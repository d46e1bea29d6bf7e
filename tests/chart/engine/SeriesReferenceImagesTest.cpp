// Whole charts of four kinds onto real pixels, compared with reference images checked in beside
// this file (ReferenceImage.h says how they are compared and rewritten): a bar chart, a pie, a
// surface in perspective and a contour map. No text is drawn (no titles, no legend, no axis
// labels), so the pictures depend on no font. The bars and the contour lines are integer
// geometry and must match exactly; the pie's slice edges and the projected surface pass through
// sines and cosines, so there each pixel must find its colour within one pixel.
#include <gtest/gtest.h>

#include <string>

#include "ChartStubs.h"
#include "ReferenceImage.h"
#include "chart/engine/BarSeries.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/PieSeries.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/engine/grid3d/ContourSeries.h"
#include "chart/engine/grid3d/SurfaceSeries.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/graphics/Bitmap.h"

namespace {

constexpr int ImageWidth = 160;
constexpr int ImageHeight = 120;

class SeriesReferenceImagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestChartClasses();
        Chart->SetBounds(0, 0, ImageWidth, ImageHeight);
        Chart->SetView3D(false);
        Chart->SetColor(clWhite);
        Chart->SetBevelOuter(bvNone);
        Chart->SetBevelInner(bvNone);
        Chart->Title()->SetVisible(false);
        Chart->Legend()->SetVisible(false);
        for (TChartAxis* axis : {Chart->LeftAxis(), Chart->BottomAxis(),
                                 static_cast<TChartAxis*>(Chart->DepthAxis())}) {
            axis->SetLabels(false);
            axis->Title()->SetCaption("");
        }
    }
    template <class S>
    S* Add() {
        auto* s = new S(&Form);
        Chart->AddSeries(s);
        s->Marks()->SetVisible(false);
        return s;
    }
    // A 12 x 12 grid of heights, a bowl tilted one way: whole numbers only.
    static void FillBowl(TCustom3DSeries& s) {
        for (int x = 0; x < 12; ++x)
            for (int z = 0; z < 12; ++z)
                s.AddXYZValues(x, (x - 5) * (x - 5) + (z - 7) * (z - 7) / 2 + x, z);
    }
    void Check(const std::string& name, bool exact) {
        TBitmap actual(ImageWidth, ImageHeight);
        actual.SetPixelFormat(pf24bit);
        Chart->Draw(actual.Canvas(), TRect{0, 0, ImageWidth, ImageHeight});
        ExpectMatchesReference(actual, name, [exact](int, int) { return !exact; });
    }

    TComponent Form{nullptr};
    TChart* Chart = new TChart(&Form);
};

TEST_F(SeriesReferenceImagesTest, BarChart) {
    auto* bars = Add<TBarSeries>();
    bars->SetColorEachPoint(true);
    const double values[] = {3, 7, 5, 9, 4};
    const TColor colours[] = {clRed, clGreen, clBlue, clYellow, clFuchsia};
    for (int i = 0; i < 5; ++i) bars->AddValue(values[i], {}, colours[i]);
    Check("BarChart.bmp", true);
}

TEST_F(SeriesReferenceImagesTest, PieChart) {
    auto* pie = Add<TPieSeries>();
    const double values[] = {40, 25, 20, 15};
    const TColor colours[] = {clRed, clGreen, clBlue, clYellow};
    for (int i = 0; i < 4; ++i) pie->AddValue(values[i], {}, colours[i]);
    Check("PieChart.bmp", false);
}

TEST_F(SeriesReferenceImagesTest, SurfaceInPerspective) {
    Chart->SetView3D(true);
    Chart->View3DOptions()->SetOrthogonal(false);
    Chart->View3DOptions()->SetRotation(335);
    Chart->View3DOptions()->SetElevation(340);
    Chart->View3DOptions()->SetPerspective(30);
    Chart->View3DOptions()->SetZoom(80);
    auto* surface = Add<TSurfaceSeries>();
    surface->SetUseColorRange(true);
    FillBowl(*surface);
    Check("SurfaceChart.bmp", false);
}

TEST_F(SeriesReferenceImagesTest, ContourMap) {
    auto* contour = Add<TContourSeries>();
    contour->SetNumLevels(8);
    FillBowl(*contour);
    Check("ContourChart.bmp", true);
}

}  // namespace
