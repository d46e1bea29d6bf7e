// Metafile playback, stretched, and path filling, on a bitmap the size of a chart.
#include <benchmark/benchmark.h>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Metafile.h"
#include "platform/graphics/MetafileCanvas.h"

namespace {

// A chart-like drawing: a frame, grid lines, a polyline of 500 points and filled bars.
void ChartLike(TCanvas& c) {
    c.Brush()->SetColor(clWhite);
    c.Rectangle(0, 0, 400, 250);
    for (int x = 20; x < 400; x += 20) {
        c.MoveTo(x, 10);
        c.LineTo(x, 240);
    }
    std::vector<TPoint> line;
    for (int i = 0; i < 500; ++i)
        line.push_back(Point(10 + i * 380 / 500, 125 + (i * 37) % 90 - 45));
    c.Pen()->SetWidth(2);
    c.Polyline(line);
    c.Pen()->SetWidth(1);
    c.Brush()->SetColor(clRed);
    for (int i = 0; i < 30; ++i) c.Rectangle(15 + i * 12, 240 - i * 6, 24 + i * 12, 240);
}

void BM_MetafilePlayback(benchmark::State& state) {
    TMetafile m;
    m.SetWidth(400);
    m.SetHeight(250);
    {
        TMetafileCanvas recorder(&m, nullptr);
        ChartLike(recorder);
    }
    TBitmap target(800, 500);
    for (auto _ : state) target.Canvas()->StretchDraw(Rect(0, 0, 800, 500), &m);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MetafilePlayback);

void BM_FillEllipsePath(benchmark::State& state) {
    TBitmap target(400, 250);
    TCanvas& c = *target.Canvas();
    c.Brush()->SetColor(clBlue);
    for (auto _ : state) {
        c.BeginPath();
        c.Ellipse(10, 10, 390, 240);
        c.EndPath();
        c.FillPath();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FillEllipsePath);

}  // namespace
