// The statistical, variant and share series onto real pixels, one small picture each, compared
// with reference images checked in under data/ (tests/chart/engine/ReferenceImage.h says how they
// are compared and rewritten). No text is drawn (no titles, legend, marks or axis labels), so the
// pictures depend on no font. All but the donut are integer geometry and must match exactly; the
// donut's edges pass through sines and cosines, so there each pixel must find its colour within
// one pixel.
#include <gtest/gtest.h>

#include <string>

#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/series/shares/FunnelSeries.h"
#include "chart/series/shares/PyramidSeries.h"
#include "chart/series/shares/VolumePipeSeries.h"
#include "chart/series/stats/BoxSeries.h"
#include "chart/series/stats/HistogramSeries.h"
#include "chart/series/variant/Bar3DSeries.h"
#include "chart/series/variant/BarJoinSeries.h"
#include "chart/series/variant/BezierSeries.h"
#include "chart/series/variant/DonutSeries.h"
#include "chart/series/variant/LinePointSeries.h"
#include "platform/graphics/Bitmap.h"
#include "tests/chart/engine/ReferenceImage.h"
#include "tests/chart/series/SeriesLibraryStartup.h"

namespace {

constexpr int PictureWidth = 160;
constexpr int PictureHeight = 120;

class ExtendedSeriesImagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        Chart->SetBounds(0, 0, PictureWidth, PictureHeight);
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
    void Check(const std::string& name, bool exact = true) {
        TBitmap actual(PictureWidth, PictureHeight);
        actual.SetPixelFormat(pf24bit);
        Chart->Draw(actual.Canvas(), TRect{0, 0, PictureWidth, PictureHeight});
        ExpectMatchesReference(actual, name, [exact](int, int) { return !exact; });
    }

    TSeriesLibraryStartup Library;
    TComponent Form{nullptr};
    TChart* Chart = new TChart(&Form);
};

TEST_F(ExtendedSeriesImagesTest, BoxPlots) {
    auto* upright = Add<TBoxSeries>();
    upright->SetPosition(1);
    for (double v : {1, 2, 3, 4, 5, 6, 7, 8, 9, 30}) upright->AddValue(v);
    auto* second = Add<TBoxSeries>();
    second->SetPosition(2);
    second->Pointer()->Brush()->SetColor(clYellow);
    for (double v : {-8, 4, 5, 6, 7, 8, 9, 10, 11, 12, 20}) second->AddValue(v);
    Chart->BottomAxis()->SetLimits(0, 3);
    Check("BoxPlots.bmp");
}

TEST_F(ExtendedSeriesImagesTest, Histogram) {
    auto* h = Add<THistogramSeries>();
    h->SetColorEachPoint(true);
    h->LinesPen()->SetVisible(true);
    for (double v : {3, 7, 7, 4, 9, 2}) h->AddValue(v);
    Chart->LeftAxis()->SetLimits(0, 10);
    Check("Histogram.bmp");
}

TEST_F(ExtendedSeriesImagesTest, BezierCurves) {
    auto* b = Add<TBezierSeries>();
    b->SetBezierStyle(bsBezier3);
    b->SetSeriesColor(clNavy);
    for (double v : {1, 9, 2, 8, 3}) b->AddValue(v);
    Check("BezierCurves.bmp");
}

TEST_F(ExtendedSeriesImagesTest, Donut) {
    auto* d = Add<TDonutSeries>();
    d->SetColorEachPoint(true);
    for (double v : {5, 3, 2, 4}) d->AddValue(v);
    Check("Donut.bmp", false);
}

TEST_F(ExtendedSeriesImagesTest, BarJoinAndLinePoint) {
    auto* bars = Add<TBarJoinSeries>();
    bars->JoinPen()->SetColor(clBlue);
    bars->JoinPen()->SetWidth(2);
    for (double v : {4, 8, 6, 9}) bars->AddValue(v);
    auto* points = Add<TMyPointSeries>();
    points->AddXYPoint(1, 3);
    points->AddXYPoint(2.5, 7);
    Check("BarJoinAndLinePoint.bmp");
}

TEST_F(ExtendedSeriesImagesTest, FloatingBars) {
    auto* s = Add<TBar3DSeries>();
    s->SetColorEachPoint(true);
    s->AddBar3D(0, 6, 2);
    s->AddBar3D(1, 9, 5);
    s->AddBar3D(2, 4, 0);
    s->AddBar3D(3, 8, 6);
    Check("FloatingBars.bmp");
}

TEST_F(ExtendedSeriesImagesTest, Pyramid) {
    auto* p = Add<TPyramidSeries>();
    for (double v : {1, 1, 2}) p->AddValue(v);
    Check("Pyramid.bmp");
}

TEST_F(ExtendedSeriesImagesTest, Funnel) {
    auto* f = Add<TFunnelSeries>();
    f->AddSegment(100, 100);
    f->AddSegment(80, 60);
    f->AddSegment(60, 45);
    f->AddSegment(40, 10);
    Check("Funnel.bmp");
}

TEST_F(ExtendedSeriesImagesTest, VolumePipe) {
    auto* p = Add<TVolumePipeSeries>();
    p->Gradient()->SetVisible(false);
    for (double v : {5, 3, 4, 2, 6}) p->AddValue(v);
    Check("VolumePipe.bmp");
}

}  // namespace
