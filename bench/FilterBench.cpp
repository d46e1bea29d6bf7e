// Image filters on a back-image-sized bitmap: the blur (one convolution per step), the
// hue/luminance/saturation round trip per pixel, and smooth resampling as used when stretching.
#include <benchmark/benchmark.h>

#include "chart/foundation/TeeFilter.h"
#include "chart/foundation/TeeFilters.h"

namespace {

void Fill(TBitmap& bitmap, int size) {
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(size, size);
    for (int y = 0; y < size; ++y) {
        uint8_t* row = bitmap.ScanLine(y);
        for (int x = 0; x < size * 3; ++x) row[x] = uint8_t(x * 7 + y * 13);
    }
}

void BM_Blur(benchmark::State& state) {
    TBitmap bitmap;
    Fill(bitmap, int(state.range(0)));
    TBlurFilter blur;
    for (auto _ : state) ApplyToBitmap(blur, bitmap);
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(0));
}
BENCHMARK(BM_Blur)->Arg(256)->Arg(1024);

void BM_HueLumSat(benchmark::State& state) {
    TBitmap bitmap;
    Fill(bitmap, int(state.range(0)));
    THueLumSatFilter filter;
    filter.SetHue(1);
    for (auto _ : state) ApplyToBitmap(filter, bitmap);
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(0));
}
BENCHMARK(BM_HueLumSat)->Arg(256);

void BM_ResampleBest(benchmark::State& state) {
    TBitmap source, dest;
    Fill(source, int(state.range(0)));
    Fill(dest, int(state.range(1)));
    for (auto _ : state) ResampleBitmapBest(source, dest);
    state.SetItemsProcessed(state.iterations() * state.range(1) * state.range(1));
}
BENCHMARK(BM_ResampleBest)->Args({512, 200})->Args({200, 512});

}  // namespace
