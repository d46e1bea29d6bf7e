// GIF files of an independent encoder decode to the pixels written beside them, and the files
// this codec writes are left for an independent decoder (tests/gif/data/check-with-pil.py,
// which runs this test with KV_GIF_SAMPLE_DIR set).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "GifExpectedPixels.h"
#include "GifFixtures.h"
#include "gif/GIFAppExtension.h"
#include "tests/support/TempDir.h"

namespace {

// Deterministic pixels that use every index of the table.
void FillPixels(TGIFSubImage& frame, int colours, uint32_t seed) {
    for (int y = 0; y < frame.Height(); ++y)
        for (int x = 0; x < frame.Width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            frame.Scanline(y)[x] = uint8_t((seed >> 24) % uint32_t(colours));
        }
}

void FillTable(TGIFColorMap& map, int colours, uint32_t seed) {
    for (int i = 0; i < colours; ++i) {
        seed = seed * 22695477u + 1u;
        // distinct colours: the index is in the red and green bytes
        map.Add(GIFColorValue({uint8_t(i), uint8_t(255 - i), uint8_t(seed >> 24)}));
    }
}

TGIFGraphicControlExtension& AddControl(TGIFSubImage& frame, int disposal, int delay) {
    auto gce = std::make_unique<TGIFGraphicControlExtension>(&frame);
    TGIFGraphicControlExtension& result = *gce;
    gce->SetDisposal(uint8_t(disposal));
    gce->SetDelay(uint16_t(delay));
    frame.Extensions().Add(std::move(gce));
    return result;
}

std::unique_ptr<TGIFImage> Still(int bits, int width, int height, bool interlaced, int transparent,
                                 TGIFCompression compression) {
    auto image = std::make_unique<TGIFImage>();
    FillTable(image->GlobalColorMap(), 1 << bits, uint32_t(bits));
    auto frame = std::make_unique<TGIFSubImage>(image.get());
    frame->SetBounds(0, 0, width, height);
    frame->SetInterlaced(interlaced);
    FillPixels(*frame, 1 << bits, uint32_t(width * 31 + height));
    if (transparent >= 0) {
        auto& gce = AddControl(*frame, 0, 0);
        gce.SetTransparentColorIndex(uint8_t(transparent));
        gce.SetTransparent(true);
    }
    image->Add(std::move(frame));
    image->SetCompression(compression);
    return image;
}

// Three frames: the whole screen kept, a smaller frame at an offset cleared to the background,
// and one with its own colour table and a transparent index restored to what was before.
std::unique_ptr<TGIFImage> Animation() {
    auto image = std::make_unique<TGIFImage>();
    FillTable(image->GlobalColorMap(), 16, 5);
    struct TFramePlan {
        int Left, Top, Width, Height, Disposal, LocalColours, Transparent;
    };
    const TFramePlan frames[] = {
        {0, 0, 12, 10, 1, 0, -1}, {2, 3, 5, 4, 2, 0, -1}, {1, 1, 9, 7, 3, 4, 2}};
    for (const TFramePlan& s : frames) {
        auto frame = std::make_unique<TGIFSubImage>(image.get());
        frame->SetBounds(s.Left, s.Top, s.Width, s.Height);
        if (s.LocalColours) FillTable(frame->ColorMap(), s.LocalColours, 77);
        FillPixels(*frame, s.LocalColours ? s.LocalColours : 16, uint32_t(s.Left + s.Width));
        if (image->Images().Count() == 0) {
            auto loop = std::make_unique<TGIFAppExtNSLoop>(frame.get());
            frame->Extensions().Add(std::move(loop));
        }
        auto& gce = AddControl(*frame, s.Disposal, 5);
        if (s.Transparent >= 0) {
            gce.SetTransparentColorIndex(uint8_t(s.Transparent));
            gce.SetTransparent(true);
        }
        image->Add(std::move(frame));
    }
    return image;
}

TExpectedGif LoadAndDescribe(const std::string& fileName) {
    TGIFImage image;
    image.LoadFromFile(fileName);
    return DescribeGif(image);
}

}  // namespace

TEST(GIFInterop, FilesOfAnIndependentEncoderDecodeToTheirPixels) {
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(KV_GIF_DATA)) {
        if (entry.path().extension() != ".gif") continue;
        SCOPED_TRACE(entry.path().filename().string());
        auto expectedFile = entry.path();
        const TExpectedGif expected = ReadExpected(expectedFile.replace_extension(".txt"));
        TGIFImage image;
        image.LoadFromFile(entry.path().string());
        ExpectSameGif(DescribeGif(image), expected);
        // What this codec writes back holds the same frames.
        TLoadedGif again;
        again.Load(SaveBytes(image));
        ExpectSameGif(DescribeGif(again.Image), expected);
        ++checked;
    }
    EXPECT_GE(checked, 7);
}

// Writes the samples (with their expected pixels) into KV_GIF_SAMPLE_DIR when it is set, for the
// independent decoder, and reads them back here in any case.
TEST(GIFInterop, WritesFilesForAnIndependentDecoder) {
    TTempDir temp;
    const char* given = std::getenv("KV_GIF_SAMPLE_DIR");
    const std::string dir = given && *given ? given : temp.File("");
    struct Sample {
        const char* Name;
        std::unique_ptr<TGIFImage> Image;
    };
    Sample samples[] = {
        {"bits1", Still(1, 9, 5, false, -1, compressLZW)},
        {"bits2", Still(2, 7, 6, false, -1, compressLZW)},
        {"bits4", Still(4, 11, 7, false, -1, compressLZW)},
        {"bits8", Still(8, 40, 33, false, -1, compressLZW)},
        {"bits8-rle", Still(8, 40, 33, false, -1, compressRLE)},
        {"interlaced", Still(4, 17, 23, true, -1, compressLZW)},
        {"interlaced-short", Still(2, 6, 3, true, -1, compressLZW)},
        {"transparent", Still(4, 8, 6, false, 3, compressLZW)},
        {"animation", Animation()},
    };
    for (auto& sample : samples) {
        SCOPED_TRACE(sample.Name);
        const std::string base = (std::filesystem::path(dir) / sample.Name).string();
        sample.Image->SaveToFile(base + ".gif");
        const TExpectedGif expected = DescribeGif(*sample.Image);
        std::ofstream(base + ".txt") << FormatExpected(expected);
        ExpectSameGif(LoadAndDescribe(base + ".gif"), ReadExpected(base + ".txt"));
    }
}
