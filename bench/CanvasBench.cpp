// Drawing a chart-sized picture: the primitives a chart draws most (filled rectangles, lines,
// a line series as one polyline, filled ellipses and pie slices), on a 800 x 600 bitmap,
// reported as primitives per second.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "platform/graphics/Bitmap.h"

namespace {

TBitmap& Sheet() {
    static TBitmap bitmap(800, 600);
    return bitmap;
}

void BM_FillRect(benchmark::State& state) {
    TCanvas& c = *Sheet().Canvas();
    c.Brush()->SetColor(clTeal);
    int i = 0;
    for (auto _ : state) {
        c.FillRect(Rect(i % 100, 50, 400 + i % 100, 450));
        ++i;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FillRect);

void BM_LineTo(benchmark::State& state) {
    TCanvas& c = *Sheet().Canvas();
    c.Pen()->SetWidth(int(state.range(0)));
    c.Pen()->SetMode(pmCopy);
    int i = 0;
    for (auto _ : state) {
        c.MoveTo(10, 10 + i % 500);
        c.LineTo(790, 590 - i % 500);
        ++i;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LineTo)->Arg(1)->Arg(3);

void BM_Polyline1000(benchmark::State& state) {
    TCanvas& c = *Sheet().Canvas();
    c.Pen()->SetWidth(int(state.range(0)));
    std::vector<TPoint> points;
    for (int i = 0; i < 1000; ++i)
        points.push_back(Point(i * 800 / 1000, 300 + int(250 * std::sin(i * 0.05))));
    for (auto _ : state) c.Polyline(points);
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_Polyline1000)->Arg(1)->Arg(2);

void BM_Ellipse(benchmark::State& state) {
    TCanvas& c = *Sheet().Canvas();
    c.Pen()->SetWidth(1);
    c.Brush()->SetColor(clYellow);
    for (auto _ : state) c.Ellipse(100, 100, 100 + int(state.range(0)), 100 + int(state.range(0)));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Ellipse)->Arg(20)->Arg(400);

void BM_PieSlice(benchmark::State& state) {
    TCanvas& c = *Sheet().Canvas();
    c.Brush()->SetColor(clRed);
    for (auto _ : state) c.Pie(100, 100, 500, 500, 500, 300, 300, 100);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PieSlice);

}  // namespace
