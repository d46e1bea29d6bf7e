// Picture files of a chart's size (800 x 600): writing a bitmap file at 8 bits (palette choice
// and index lookup for every pixel) and at 24 bits, reading one back, and JPEG both ways;
// reported as pixels per second.
#include <benchmark/benchmark.h>

#include "platform/graphics/BitmapFile.h"
#include "platform/graphics/JpegCodec.h"
#include "platform/rtl/Streams.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;

// Few flat colours, as a chart has: a background, a grid and a few series.
TBitmapFileImage ChartLike() {
    TBitmapFileImage image(kWidth, kHeight, 24);
    const uint32_t colours[] = {0xFFFFFFFF, 0xFFC0C0C0, 0xFFFF0000, 0xFF008000, 0xFF0000FF};
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) image.ScanLine(y)[x] = colours[(x / 37 + y / 23) % 5];
    return image;
}

// Every pixel a different colour: the 8-bit writer falls back to the fixed palette.
TBitmapFileImage Photo() {
    TBitmapFileImage image(kWidth, kHeight, 24);
    for (size_t i = 0; i < image.Pixels.size(); ++i)
        image.Pixels[i] = 0xFF000000u | (uint32_t(i) * 0x9E3779B1u & 0xFFFFFF);
    return image;
}

void BM_WriteBitmapFile(benchmark::State& state, TBitmapFileImage image, int bitCount) {
    image.BitCount = bitCount;
    TMemoryStream stream;
    for (auto _ : state) {
        stream.SetPosition(0);
        WriteBitmapFile(stream, image);
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK_CAPTURE(BM_WriteBitmapFile, chart8, ChartLike(), 8);
BENCHMARK_CAPTURE(BM_WriteBitmapFile, photo8, Photo(), 8);
BENCHMARK_CAPTURE(BM_WriteBitmapFile, chart24, ChartLike(), 24);

void BM_ReadBitmapFile(benchmark::State& state) {
    TBitmapFileImage image = ChartLike();
    image.BitCount = int(state.range(0));
    TMemoryStream stream;
    WriteBitmapFile(stream, image);
    for (auto _ : state) {
        stream.SetPosition(0);
        benchmark::DoNotOptimize(ReadBitmapFile(stream));
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_ReadBitmapFile)->Arg(8)->Arg(24);

void BM_EncodeJpeg(benchmark::State& state) {
    const TBitmapFileImage image = ChartLike();
    for (auto _ : state) benchmark::DoNotOptimize(EncodeJpeg(image, 90, false));
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_EncodeJpeg);

void BM_DecodeJpeg(benchmark::State& state) {
    const std::vector<uint8_t> jpeg = EncodeJpeg(ChartLike(), 90, false);
    for (auto _ : state) benchmark::DoNotOptimize(DecodeJpeg(jpeg.data(), jpeg.size()));
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_DecodeJpeg);

}  // namespace
