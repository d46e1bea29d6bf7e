// Speed of the GIF image-data codec on a 1024 × 1024 frame of 8-bit pixels: encoding with each
// encoder and decoding what they wrote, in megabytes of pixels per second; and colour reduction
// of a 1024 × 1024 24-bit picture; rendering such a frame into a bitmap, and drawing it with
// transparent pixels over a canvas.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

#include "gif/GIFEncoder.h"
#include "gif/GIFExtension.h"
#include "gif/GIFImage.h"
#include "gif/GIFSubImage.h"
#include "gif/ReduceColors.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Streams.h"

namespace {

constexpr int kSide = 1024;

// Smooth bands with some noise: compressible like a real picture, yet not trivial.
std::vector<uint8_t> MakePixels(bool noisy) {
    std::mt19937 random(42);
    std::vector<uint8_t> pixels(size_t(kSide) * kSide);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            pixels[size_t(y) * kSide + x] =
                noisy ? uint8_t(random()) : uint8_t((x / 16 + y / 24 + (random() % 8 == 0)) & 0xFF);
    return pixels;
}

std::unique_ptr<TGIFImage> MakeImage(const std::vector<uint8_t>& pixels, TGIFCompression mode) {
    auto image = std::make_unique<TGIFImage>();
    for (int i = 0; i < 256; ++i) image->GlobalColorMap().Add(uint32_t(i) * 0x010101u);
    auto frame = std::make_unique<TGIFSubImage>(image.get());
    frame->SetBounds(0, 0, kSide, kSide);
    std::copy(pixels.begin(), pixels.end(), frame->Data());
    image->Add(std::move(frame));
    image->SetCompression(mode);
    return image;
}

void Encode(benchmark::State& state, TGIFCompression mode, bool noisy) {
    const std::vector<uint8_t> pixels = MakePixels(noisy);
    for (auto _ : state) {
        TMemoryStream stream;
        CompressImageData(stream, mode == compressRLE, 8, kSide, kSide, false, pixels.data(), 256,
                          nullptr);
        benchmark::DoNotOptimize(stream.Memory());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kSide * kSide);
}

void Decode(benchmark::State& state, TGIFCompression mode, bool noisy) {
    auto image = MakeImage(MakePixels(noisy), mode);
    TMemoryStream encoded;
    image->SaveToStream(encoded);
    for (auto _ : state) {
        encoded.SetPosition(0);
        TGIFImage loaded;
        loaded.LoadFromStream(encoded);
        benchmark::DoNotOptimize(loaded.Images().SubImages(0)->Data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kSide * kSide);
}

void BM_EncodeLZW(benchmark::State& s) { Encode(s, compressLZW, false); }
void BM_EncodeLZWNoise(benchmark::State& s) { Encode(s, compressLZW, true); }
void BM_EncodeRLE(benchmark::State& s) { Encode(s, compressRLE, false); }
void BM_DecodeLZW(benchmark::State& s) { Decode(s, compressLZW, false); }
void BM_DecodeLZWNoise(benchmark::State& s) { Decode(s, compressLZW, true); }
void BM_DecodeRLE(benchmark::State& s) { Decode(s, compressRLE, false); }

// A smooth 24-bit gradient with noise, reduced by method and dither mode.
void Reduce(benchmark::State& state, uint8_t method, uint8_t mode) {
    std::mt19937 random(3);
    TRGBImage image{kSide, kSide, std::vector<uint8_t>(size_t(kSide) * kSide * 3)};
    for (size_t i = 0; i < image.Data.size(); ++i)
        image.Data[i] = uint8_t((i / 3 % kSide) / 4 + (i / 3 / kSide) / 8 + random() % 16);
    for (auto _ : state) {
        TReducedImage result = ReduceColors(image, method, mode, 8);
        benchmark::DoNotOptimize(result.Pixels.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kSide * kSide * 3);
}

void BM_RenderFrame(benchmark::State& state) {
    auto image = MakeImage(MakePixels(false), compressLZW);
    TGIFSubImage* frame = image->Images().SubImages(0);
    for (auto _ : state) {
        frame->FreeBitmap();
        benchmark::DoNotOptimize(frame->Bitmap());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kSide * kSide);
}

// Every 8th pixel value is transparent, so the draw keys out about an eighth of the frame.
void BM_DrawTransparentFrame(benchmark::State& state) {
    auto image = MakeImage(MakePixels(false), compressLZW);
    TGIFSubImage* frame = image->Images().SubImages(0);
    auto gce = std::make_unique<TGIFGraphicControlExtension>(frame);
    gce->SetTransparent(true);
    gce->SetTransparentColorIndex(8);
    frame->Extensions().Add(std::move(gce));
    TBitmap target(kSide, kSide);
    frame->Draw(*target.Canvas(), TRect{0, 0, kSide, kSide}, true, false);  // renders once
    for (auto _ : state) frame->Draw(*target.Canvas(), TRect{0, 0, kSide, kSide}, true, false);
    state.SetBytesProcessed(int64_t(state.iterations()) * kSide * kSide);
}

void BM_ReduceWebFloydSteinberg(benchmark::State& s) {
    Reduce(s, reduceWebPalette, ditherFloydSteinberg);
}
void BM_ReduceQuantizeStucki(benchmark::State& s) { Reduce(s, reduceQuantize, ditherStucki); }

}  // namespace

BENCHMARK(BM_ReduceWebFloydSteinberg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReduceQuantizeStucki)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeLZW)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeLZWNoise)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeRLE)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeLZW)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeLZWNoise)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeRLE)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawTransparentFrame)->Unit(benchmark::kMillisecond);
