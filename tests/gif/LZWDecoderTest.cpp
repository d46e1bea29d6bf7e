// The decoder on crafted code streams: each case packs its codes by hand, at the widths the
// decoder expects, into a one-frame picture.
#include <gtest/gtest.h>

#include "GifFixtures.h"
#include "gif/GIFExtension.h"

namespace {

struct TCode {
    int Code;
    int Width;
};

// A picture of one w × h frame whose image data are the given codes.
TBytes OneFrame(int width, int height, int minCodeSize, std::initializer_list<TCode> codes,
                int packed = 0, const TBytes& beforeImage = {}) {
    TBitPacker packer;
    for (const TCode& c : codes) packer.Code(c.Code, c.Width);
    TByteBuilder b;
    b.Header(width, height).Add(beforeImage).Descriptor(0, 0, width, height, packed);
    b.Add({minCodeSize}).SubBlocks(packer.Finish());
    b.Add({0x3B});
    return b.Bytes;
}

struct TDecodeCase {
    const char* Name;
    int Width, Height, MinCodeSize;
    std::initializer_list<TCode> Codes;
    TBytes Expected;
};

TEST(LZWDecoder, CraftedStreamsDecodeToTheirPixels) {
    const TDecodeCase cases[] = {
        {"plain", 2, 1, 2, {{4, 3}, {0, 3}, {1, 3}, {5, 3}}, {0, 1}},
        {"two clears at the start", 2, 1, 2, {{4, 3}, {4, 3}, {0, 3}, {1, 3}, {5, 3}}, {0, 1}},
        {"code one beyond the table", 3, 1, 2, {{4, 3}, {1, 3}, {6, 3}, {5, 3}}, {1, 1, 1}},
        {"code far beyond the table", 3, 1, 2, {{4, 3}, {1, 3}, {7, 3}, {5, 3}}, {1, 1, 1}},
        {"string of a table entry",
         4,
         1,
         2,
         {{4, 3}, {2, 3}, {3, 3}, {6, 3}, {5, 3}},
         {2, 3, 2, 3}},
        {"minimum code size 9 is read as 8", 1, 1, 9, {{256, 9}, {3, 9}, {257, 9}}, {3}},
        {"data end early: the rest keeps colour 0", 4, 1, 2, {{4, 3}, {1, 3}}, {1, 0, 0, 0}},
        // An end code straight after a clear is no pixel.
        {"clear then end", 2, 1, 2, {{4, 3}, {5, 3}}, {0, 0}},
    };
    for (const TDecodeCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TLoadedGif gif;
        gif.Load(OneFrame(c.Width, c.Height, c.MinCodeSize, c.Codes));
        ASSERT_EQ(gif.Image.Images().Count(), 1);
        EXPECT_EQ(FramePixels(*gif.Image.Images().SubImages(0)), c.Expected);
    }
}

TEST(LZWDecoder, InterlacedRowsOfShortFrames) {
    // One pixel per row; the value is the row's place in the stream.
    const std::vector<TBytes> expected = {{0},          {0, 1},          {0, 2, 1},
                                          {0, 2, 1, 3}, {0, 3, 2, 4, 1}, {0, 3, 2, 4, 1, 5}};
    for (int height = 1; height <= 6; ++height) {
        SCOPED_TRACE(height);
        TBitPacker packer;
        packer.Code(8, 4);
        for (int i = 0; i < height; ++i) packer.Code(i, 4);
        packer.Code(9, 4);
        TByteBuilder b;
        b.Header(1, height).Descriptor(0, 0, 1, height, 0x40).Add({3}).SubBlocks(packer.Finish());
        b.Add({0x3B});
        TLoadedGif gif;
        gif.Load(b.Bytes);
        EXPECT_EQ(FramePixels(*gif.Image.Images().SubImages(0)), expected[size_t(height - 1)]);
        EXPECT_TRUE(gif.Warnings.empty());
    }
}

TEST(LZWDecoder, FullTableWithoutClearGoesOnAtTwelveBits) {
    // Literals only; the decoder adds an entry per code and widens as it goes. Once 4096 entries
    // exist, codes stay 12 bits wide.
    TBitPacker packer;
    TBytes expected;
    int next = 258, limit = 512, width = 9;
    packer.Code(256, width);
    const int count = 4200;
    for (int i = 0; i < count; ++i) {
        const int literal = (i * 7) % 256;
        packer.Code(literal, width);
        expected.push_back(uint8_t(literal));
        if (i == 0) continue;  // the first code after a clear adds nothing
        if (next < 4096) {
            ++next;
            if (next >= limit && limit < 4096) {
                limit *= 2;
                ++width;
            }
        }
    }
    EXPECT_EQ(width, 12);
    packer.Code(257, width);
    TByteBuilder b;
    b.Header(count, 1).Descriptor(0, 0, count, 1).Add({8}).SubBlocks(packer.Finish()).Add({0x3B});
    TLoadedGif gif;
    gif.Load(b.Bytes);
    EXPECT_EQ(FramePixels(*gif.Image.Images().SubImages(0)), expected);
    EXPECT_TRUE(gif.Warnings.empty());
}

TEST(LZWDecoder, TruncatedDataKeepTheTransparentIndex) {
    // A graphic control extension with transparent index 2 comes before the image.
    const TBytes gce = {0x21, 0xF9, 4, 0x01, 0, 0, 2, 0};
    TLoadedGif gif;
    gif.Load(OneFrame(4, 1, 2, {{4, 3}, {1, 3}}, 0, gce));
    EXPECT_EQ(FramePixels(*gif.Image.Images().SubImages(0)), (TBytes{1, 2, 2, 2}));
}

TEST(LZWDecoder, CodesBeyondTheTerminatorWarnOfAnUnderrun) {
    // 16 bits of codes fill two bytes exactly; the frame wants more pixels.
    TLoadedGif gif;
    gif.Load(OneFrame(8, 1, 2, {{4, 3}, {1, 3}, {1, 3}, {1, 3}, {1, 4}}));
    EXPECT_EQ(FramePixels(*gif.Image.Images().SubImages(0)), (TBytes{1, 1, 1, 1, 0, 0, 0, 0}));
    EXPECT_TRUE(gif.Warned(sBitBufferUnderrun));
    EXPECT_FALSE(gif.Warned(sBadTrailer));
}

TEST(LZWDecoder, ASubBlockLongerThanTheStreamWarnsAndTheCutPictureIsRefused) {
    TByteBuilder b;
    b.Header(2, 1).Descriptor(0, 0, 2, 1).Add({2, 10, 0x04});
    TLoadedGif gif;
    EXPECT_THROW(gif.Load(b.Bytes), GIFException);
    EXPECT_TRUE(gif.Warned(sOutOfData));
}

TEST(LZWDecoder, TableCyclesAreStopped) {
    // Clear; 1; 7 (beyond the table: old code 7); 6 (entry 7 := (7, 1), its own prefix).
    const TBytes selfLoop = OneFrame(16, 1, 2, {{4, 3}, {1, 3}, {7, 3}, {6, 3}, {7, 4}, {5, 4}});
    // Clear; 7 (taken as it is); 6 (beyond: entry 6 := (7, 0)); 0 (entry 7 := (6, 0)); entries
    // 6 and 7 now point at each other, and code 6 would expand for ever.
    const TBytes twoLoop = OneFrame(16, 1, 2, {{4, 3}, {7, 3}, {6, 3}, {0, 3}, {6, 4}, {5, 4}});
    for (const TBytes& bytes : {selfLoop, twoLoop}) {
        TLoadedGif gif;
        try {
            gif.Load(bytes);
            ADD_FAILURE() << "no exception";
        } catch (const GIFException& e) {
            EXPECT_EQ(FaultText(e), sCircularTable);
        }
    }
}

TEST(LZWDecoder, StreamStandsAfterTheImageData) {
    // Two frames; the first one's data end with "clear, end" before all its pixels, plus a
    // spare sub-block after the end code. The second frame must still be found.
    TBitPacker first;
    first.Code(4, 3).Code(1, 3).Code(4, 3).Code(5, 3);
    TBytes data = first.Finish();
    TByteBuilder b;
    b.Header(2, 1).Descriptor(0, 0, 2, 1).Add({2});
    b.Add({int(data.size())}).Add(data).Add({2, 0xAA, 0xBB, 0});
    b.Descriptor(0, 0, 2, 1)
        .Add({2})
        .SubBlocks(TBitPacker().Code(4, 3).Code(3, 3).Code(2, 3).Code(5, 3).Finish());
    b.Add({0x3B});
    TLoadedGif gif;
    gif.Load(b.Bytes);
    ASSERT_EQ(gif.Image.Images().Count(), 2);
    EXPECT_EQ(FramePixels(*gif.Image.Images().SubImages(0)), (TBytes{1, 0}));
    EXPECT_EQ(FramePixels(*gif.Image.Images().SubImages(1)), (TBytes{3, 2}));
    EXPECT_TRUE(gif.Warnings.empty());
}

}  // namespace
