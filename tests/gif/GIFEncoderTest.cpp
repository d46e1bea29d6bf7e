// The two encoders: exact bytes of small cases, the code stream they emit (read back by a plain
// code reader that follows the decoder's widths), and round trips through the decoder.
#include <gtest/gtest.h>

#include <random>

#include "GifFixtures.h"
#include "gif/GIFEncoder.h"

namespace {

// Image data of CompressImageData: (minimum code size, sub-block bytes joined, sub-block sizes).
struct TImageData {
    int MinCodeSize = 0;
    TBytes Data;
    std::vector<int> BlockSizes;
};

TImageData Encode(bool rle, int bits, int width, int height, const TBytes& pixels,
                  bool interlace = false, int colors = -1) {
    TMemoryStream stream;
    CompressImageData(stream, rle, bits, width, height, interlace,
                      pixels.empty() ? nullptr : pixels.data(), colors < 0 ? 1 << bits : colors,
                      nullptr);
    const auto* p = reinterpret_cast<const uint8_t*>(stream.Memory());
    const int64_t size = stream.Size();
    TImageData result;
    result.MinCodeSize = p[0];
    int64_t at = 1;
    while (at < size && p[at] != 0) {
        result.BlockSizes.push_back(p[at]);
        result.Data.insert(result.Data.end(), p + at + 1, p + at + 1 + p[at]);
        at += 1 + p[at];
    }
    EXPECT_EQ(at, size - 1) << "the terminator ends the data";
    return result;
}

// The codes of image data, read at the widths a decoder uses; stops after the end code.
std::vector<int> ReadCodes(const TImageData& image) {
    const int clear = 1 << image.MinCodeSize;
    int width = image.MinCodeSize + 1, next = clear + 2, limit = 2 * clear;
    bool afterClear = true;
    std::vector<int> codes;
    uint64_t bucket = 0;
    int bits = 0;
    size_t at = 0;
    while (true) {
        while (bits < width && at < image.Data.size()) {
            bucket |= uint64_t(image.Data[at++]) << bits;
            bits += 8;
        }
        if (bits < width) break;
        const int code = int(bucket & ((1u << width) - 1));
        bucket >>= width;
        bits -= width;
        codes.push_back(code);
        if (code == clear + 1) break;
        if (code == clear) {
            width = image.MinCodeSize + 1;
            next = clear + 2;
            limit = 2 * clear;
            afterClear = true;
            continue;
        }
        if (afterClear) {
            afterClear = false;
            continue;
        }
        if (next < 4096) {
            ++next;
            if (next >= limit && limit < 4096) {
                limit *= 2;
                ++width;
            }
        }
    }
    return codes;
}

// Codes between consecutive clear codes (the part after the last clear included).
std::vector<int> SegmentLengths(const std::vector<int>& codes, int clear) {
    std::vector<int> lengths;
    for (int code : codes) {
        if (code == clear)
            lengths.push_back(0);
        else if (code != clear + 1 && !lengths.empty())
            ++lengths.back();
    }
    return lengths;
}

TBytes Pattern(const std::string& kind, int count, int bits, uint32_t seed) {
    std::mt19937 random(seed);
    TBytes pixels(static_cast<size_t>(count));
    const int colors = 1 << bits;
    for (int i = 0; i < count; ++i) {
        if (kind == "random")
            pixels[size_t(i)] = uint8_t(random() % colors);
        else if (kind == "runs")
            pixels[size_t(i)] = uint8_t((i / 37 + i / 301) % colors);
        else if (kind == "constant")
            pixels[size_t(i)] = uint8_t(colors - 1);
        else
            pixels[size_t(i)] = uint8_t(i % 2);
    }
    return pixels;
}

TEST(GIFEncoder, OnePixelOfTwoColoursIsClearPixelEnd) {
    auto image = MakeImage(1, 1, {1}, 1);
    const TBytes expected = {'G', 'I', 'F', '8', '7', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 1, 1,
                             1,  // the two table entries
                             0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x4C, 0x01, 0,  // codes 4, 1, 5
                                                                                    // at 3 bits
                             0x3B};
    EXPECT_EQ(SaveBytes(*image), expected);
    image->SetCompression(compressRLE);
    EXPECT_EQ(SaveBytes(*image), expected);
}

TEST(GIFEncoder, AFrameWithoutPixelsWritesOnlyTheEndCode) {
    for (bool rle : {false, true}) {
        const TImageData data = Encode(rle, 1, 0, 5, {});
        EXPECT_EQ(data.MinCodeSize, 2);
        EXPECT_EQ(data.Data, (TBytes{5}));
    }
}

TEST(GIFEncoder, APixelOutsideTheTableFails) {
    for (bool rle : {false, true}) {
        try {
            Encode(rle, 2, 2, 2, {0, 1, 2, 3}, false, 3);
            ADD_FAILURE() << "no exception";
        } catch (const GIFException& e) {
            EXPECT_EQ(e.Message(), sColorNotInTable);
        }
    }
}

TEST(GIFEncoder, SubBlocksAreFullExceptTheLast) {
    const TImageData data = Encode(false, 8, 100, 100, Pattern("random", 10000, 8, 1));
    ASSERT_GT(data.BlockSizes.size(), 2u);
    for (size_t i = 0; i + 1 < data.BlockSizes.size(); ++i) EXPECT_EQ(data.BlockSizes[i], 255);
    EXPECT_GE(data.BlockSizes.back(), 1);
}

TEST(GIFEncoder, LZWClearsWhenTheTableIsFull) {
    // After a clear the table fills from 258 to 4094, so 3838 codes lie between clears.
    const TImageData data = Encode(false, 8, 256, 256, Pattern("random", 65536, 8, 2));
    const std::vector<int> lengths = SegmentLengths(ReadCodes(data), 256);
    ASSERT_GT(lengths.size(), 3u);
    for (size_t i = 0; i + 1 < lengths.size(); ++i) EXPECT_EQ(lengths[i], 3838) << i;
}

TEST(GIFEncoder, RunLengthClearThresholds) {
    struct TCase {
        int Bits;
        int Segment;
    };
    // Alternating pixels are plain literals, cleared every threshold codes.
    for (const TCase c : {TCase{2, 9}, TCase{3, 9}, TCase{4, 14}, TCase{8, 254}}) {
        SCOPED_TRACE(c.Bits);
        const TImageData data = Encode(true, c.Bits, 1000, 1, Pattern("alternating", 1000, 1, 0));
        const std::vector<int> codes = ReadCodes(data);
        const std::vector<int> lengths = SegmentLengths(codes, 1 << c.Bits);
        ASSERT_GT(lengths.size(), 2u);
        for (size_t i = 0; i + 1 < lengths.size(); ++i) EXPECT_EQ(lengths[i], c.Segment) << i;
    }
}

TEST(GIFEncoder, RunLengthEncodesARunInFewCodes) {
    const TImageData data = Encode(true, 8, 16, 16, TBytes(256, 7));
    const std::vector<int> codes = ReadCodes(data);
    // Runs 1, 2, 3, ...: 22 run codes cover 253 pixels, plus clear, the rest and end.
    EXPECT_LT(codes.size(), 30u);
    EXPECT_EQ(codes[0], 256);
    EXPECT_EQ(codes[1], 7);
    EXPECT_EQ(codes[2], 258);
    EXPECT_EQ(codes[3], 259);
}

TEST(GIFEncoder, RoundTripsThroughTheDecoder) {
    struct TSize {
        int Width, Height;
    };
    const TSize sizes[] = {{1, 1},  {4, 2},   {2, 3},  {5, 4},  {3, 5},
                           {17, 9}, {300, 7}, {1, 40}, {64, 64}};
    uint32_t seed = 10;
    for (bool rle : {false, true})
        for (int bits = 1; bits <= 8; ++bits)
            for (const char* kind : {"random", "runs", "constant", "alternating"})
                for (bool interlaced : {false, true})
                    for (const TSize size : sizes) {
                        const TBytes pixels = Pattern(kind, size.Width * size.Height, bits, ++seed);
                        auto image = MakeImage(size.Width, size.Height, pixels, bits, interlaced);
                        image->SetCompression(rle ? compressRLE : compressLZW);
                        TLoadedGif loaded;
                        loaded.Load(SaveBytes(*image));
                        ASSERT_EQ(loaded.Image.Images().Count(), 1);
                        TGIFSubImage& frame = *loaded.Image.Images().SubImages(0);
                        ASSERT_EQ(FramePixels(frame), pixels)
                            << (rle ? "RLE " : "LZW ") << bits << " bits, " << kind << ", "
                            << size.Width << "x" << size.Height << (interlaced ? " interlaced" : "")
                            << ", seed " << seed;
                        EXPECT_EQ(frame.Interlaced(), interlaced);
                        EXPECT_TRUE(loaded.Warnings.empty());
                    }
}

TEST(GIFEncoder, RunLengthRunsLongerThanTheCodeSpace) {
    // Runs of tens of thousands of pixels need more codes than a table holds between clears.
    TBytes pixels(200000, 3);
    std::fill(pixels.begin() + 90000, pixels.begin() + 150001, 1);
    pixels[199999] = 0;
    for (int bits : {2, 8}) {
        auto image = MakeImage(500, 400, pixels, bits);
        image->SetCompression(compressRLE);
        TLoadedGif loaded;
        loaded.Load(SaveBytes(*image));
        EXPECT_EQ(FramePixels(*loaded.Image.Images().SubImages(0)), pixels) << bits;
    }
}

}  // namespace
