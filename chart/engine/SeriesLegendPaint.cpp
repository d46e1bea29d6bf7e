#include "chart/engine/SeriesLegendPaint.h"

#include <memory>

#include "chart/engine/Chart.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartSeries.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "platform/graphics/Canvas.h"

namespace {

// Attaches a chart-less series to a chart for a scope; the temporary chart, when one was needed,
// goes with it.
class TBorrowedChart {
public:
    TBorrowedChart(TChartSeries& series, TCustomAxisPanel* chart) : FSeries(series) {
        if (series.ParentChart()) return;
        if (!chart) {
            FTemporary = std::make_unique<TCustomChart>(nullptr);
            chart = FTemporary.get();
        }
        series.SetParentChart(chart);
        FAttached = true;
    }
    ~TBorrowedChart() {
        if (FAttached) FSeries.SetParentChart(nullptr);
    }
    TBorrowedChart(const TBorrowedChart&) = delete;
    TBorrowedChart& operator=(const TBorrowedChart&) = delete;

private:
    TChartSeries& FSeries;
    std::unique_ptr<TCustomChart> FTemporary;
    bool FAttached = false;
};

// The surface draws on another canvas for a scope, flat, without its buffer bitmap.
class TSurfaceOnCanvas {
public:
    TSurfaceOnCanvas(TCanvas3D& surface, TCanvas& canvas)
        : FSurface(surface), FBound(surface.BoundCanvas()) {
        FBuffered = dynamic_cast<TTeeCanvas3D*>(&surface);
        if (FBuffered) {
            FBuffer = FBuffered->BufferBitmap();
            FBuffered->SetBufferBitmap(nullptr);
        }
        surface.BindCanvas(&canvas);
        surface.SuspendRotation();
    }
    ~TSurfaceOnCanvas() {
        FSurface.ResumeRotation();
        FSurface.BindCanvas(FBound);
        if (FBuffered) FBuffered->SetBufferBitmap(FBuffer);
    }
    TSurfaceOnCanvas(const TSurfaceOnCanvas&) = delete;
    TSurfaceOnCanvas& operator=(const TSurfaceOnCanvas&) = delete;

private:
    TCanvas3D& FSurface;
    TCanvas* FBound;
    TTeeCanvas3D* FBuffered = nullptr;
    TBitmap* FBuffer = nullptr;
};

}  // namespace

void PaintSeriesLegend(TChartSeries& series, TCanvas& canvas, const TRect& rect,
                       TCustomAxisPanel* chart) {
    const TBorrowedChart attached(series, chart);
    TCustomAxisPanel& panel = *series.ParentChart();
    canvas.Brush()->SetStyle(bsSolid);
    if (auto* full = dynamic_cast<TCustomChart*>(&panel)) {
        canvas.Brush()->SetColor(full->Legend()->Color());
        full->Legend()->PrepareSymbolPen();
    }
    TCanvas3D* surface = panel.Canvas3D();
    if (!surface || surface->SupportsFreeRotation()) return;
    const TSurfaceOnCanvas drawing(*surface, canvas);
    series.DrawLegendSymbol(-1, rect);
}
