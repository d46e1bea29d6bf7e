#include "chart/engine/SeriesLegendPaint.h"

#include <memory>

#include "chart/engine/Chart.h"
#include "chart/engine/ChartSeries.h"
#include "chart/foundation/Canvas3D.h"

namespace {

// The series on a chart and that chart's surface bound to another canvas while it lives.
class TBorrowedSurface {
public:
    TBorrowedSurface(TChartSeries& series, TCanvas& canvas, TCustomAxisPanel* chart)
        : FSeries(series), FAttached(!series.ParentChart()) {
        if (FAttached) {
            if (!chart) {
                FTemporary = std::make_unique<TChart>(nullptr);
                chart = FTemporary.get();
            }
            series.SetParentChart(chart);
        }
        FSurface = series.ParentChart()->Canvas3D();
        FFormer = FSurface->BoundCanvas();
        FSurface->BindCanvas(&canvas);
    }
    ~TBorrowedSurface() {
        FSurface->BindCanvas(FFormer);
        if (FAttached) FSeries.SetParentChart(nullptr);
    }
    TBorrowedSurface(const TBorrowedSurface&) = delete;
    TBorrowedSurface& operator=(const TBorrowedSurface&) = delete;

private:
    TChartSeries& FSeries;
    const bool FAttached;
    std::unique_ptr<TChart> FTemporary;
    TCanvas3D* FSurface = nullptr;
    TCanvas* FFormer = nullptr;
};

}  // namespace

void PaintSeriesLegend(TChartSeries& series, TCanvas& canvas, const TRect& rect,
                       TCustomAxisPanel* chart) {
    const TBorrowedSurface surface(series, canvas, chart);
    series.DrawLegendSymbol(-1, rect);
}
