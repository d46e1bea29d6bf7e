// Framing of the whole stream: header and descriptors byte for byte, the version chosen, the
// reader's tolerance and its warnings, progress, and saving to a file.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>

#include "GifFixtures.h"
#include "gif/GIFExtension.h"
#include "tests/support/TempDir.h"

namespace {

TBytes Pattern9x7() {
    TBytes pixels(63);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = uint8_t((i * 5 + i / 9) % 8);
    return pixels;
}

std::unique_ptr<TGIFSubImage> NewFrame(TGIFImage& image, int w, int h) {
    auto frame = std::make_unique<TGIFSubImage>(&image);
    frame->SetBounds(0, 0, w, h);
    return frame;
}

TEST(GIFStream, PackedFieldsOfScreenAndFrame) {
    // 16 global colours and a frame with 256 local colours, interlaced.
    TGIFImage image;
    for (int i = 0; i < 16; ++i) image.GlobalColorMap().Add(uint32_t(i));
    auto frame = NewFrame(image, 2, 2);
    for (int i = 0; i < 256; ++i) frame->ColorMap().Add(uint32_t(i) << 8);
    frame->SetInterlaced(true);
    image.Add(std::move(frame));
    const TBytes bytes = SaveBytes(image);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), "GIF87a");
    EXPECT_EQ(bytes[10], 0xF3);  // table, resolution 8 bits, 16 entries
    const size_t descriptor = 13 + 16 * 3;
    EXPECT_EQ(bytes[descriptor], 0x2C);
    EXPECT_EQ(bytes[descriptor + 9], 0xC7);  // local table, interlaced, 256 entries

    // Loading and saving again gives the same bytes.
    TLoadedGif loaded;
    loaded.Load(bytes);
    EXPECT_TRUE(loaded.Image.Images().SubImages(0)->Interlaced());
    EXPECT_EQ(SaveBytes(loaded.Image), bytes);
}

TEST(GIFStream, WithoutAnyTableTheResolutionBitsAreSeven) {
    TGIFImage image;
    image.Add(NewFrame(image, 1, 1));
    EXPECT_EQ(SaveBytes(image)[10], 0x77);
}

TEST(GIFStream, VersionFollowsWhatThePictureUses) {
    struct TCase {
        const char* Name;
        void (*Change)(TGIFImage&);
        const char* Version;
    };
    const TCase cases[] = {
        {"plain", [](TGIFImage&) {}, "87a"},
        {"sorted local table",
         [](TGIFImage& i) {
             TGIFColorMap& local = i.Images().SubImages(0)->ColorMap();
             local.Add(0);
             local.Add(0xFFFFFF);
             local.SetOptimized(true);
         },
         "89a"},
        {"an extension",
         [](TGIFImage& i) {
             auto* f = i.Images().SubImages(0);
             f->Extensions().Add(std::make_unique<TGIFCommentExtension>(f));
         },
         "89a"},
        {"aspect ratio", [](TGIFImage& i) { i.Header().SetAspectRatio(49); }, "89a"},
        {"sorted global table", [](TGIFImage& i) { i.GlobalColorMap().SetOptimized(true); }, "89a"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        auto image = MakeImage(2, 2, {0, 1, 1, 0}, 1);
        c.Change(*image);
        const TBytes bytes = SaveBytes(*image);
        EXPECT_EQ(std::string(bytes.begin() + 3, bytes.begin() + 6), c.Version);
    }
}

TEST(GIFStream, APictureWithoutFramesCannotBeSaved) {
    TGIFImage image;
    TMemoryStream stream;
    try {
        image.SaveToStream(stream);
        ADD_FAILURE() << "no exception";
    } catch (const GIFException& e) {
        EXPECT_EQ(e.Message(), sUnsupportedVersion);
    }
}

TBytes SmallGif(const char* signature = "GIF", const char* version = "89a") {
    TByteBuilder b;
    b.Text(signature).Text(version).Word(2).Word(1).Add({0x80, 0, 0, 0, 0, 0, 9, 9, 9});
    b.Descriptor(0, 0, 2, 1)
        .Add({2})
        .SubBlocks(TBitPacker().Code(4, 3).Code(1, 3).Code(0, 3).Code(5, 3).Finish());
    b.Add({0x3B});
    return b.Bytes;
}

TEST(GIFStream, TolerantSignature) {
    TBytes prefixed = {0x20, 0, 0, 0};
    const TBytes plain = SmallGif();
    prefixed.insert(prefixed.end(), plain.begin(), plain.end());
    for (const TBytes& bytes : {plain, prefixed, SmallGif("gif"), SmallGif("GiF", "x1?")}) {
        TLoadedGif gif;
        gif.Load(bytes);
        ASSERT_EQ(gif.Image.Images().Count(), 1);
        EXPECT_EQ(FramePixels(*gif.Image.Images().SubImages(0)), (TBytes{1, 0}));
        EXPECT_TRUE(gif.Warnings.empty());
    }
}

TEST(GIFStream, FailuresRaiseAndRestoreTheStreamPosition) {
    struct TCase {
        const char* Name;
        TBytes Bytes;
        const char* Message;
        int64_t Offset;  // from the start of the picture, where reading stopped
    };
    TBytes truncatedTable = SmallGif();
    truncatedTable.resize(16);
    TBytes unknownExtension = SmallGif();
    unknownExtension.insert(unknownExtension.begin() + 19, {0x21, 0x77, 0});
    TBytes noTrailer = SmallGif();
    noTrailer.pop_back();
    const TCase cases[] = {
        {"not a picture",
         {'P', 'N', 'G', 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
         sBadSignature,
         10},
        {"short header", {'G', 'I', 'F', '8'}, sOutOfData, 4},
        {"table cut short", truncatedTable, sOutOfData, 16},
        {"unknown extension label", unknownExtension, sUnknownExtension, 20},
        {"no trailer", noTrailer, sOutOfData, int64_t(noTrailer.size())},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TMemoryStream stream;
        stream.WriteBuffer("xy", 2);
        stream.WriteBuffer(c.Bytes.data(), int64_t(c.Bytes.size()));
        stream.SetPosition(2);
        TGIFImage image;
        try {
            image.LoadFromStream(stream);
            ADD_FAILURE() << "no exception";
        } catch (const GIFException& e) {
            EXPECT_EQ(FaultText(e), c.Message);
            EXPECT_EQ(e.Offset(), c.Offset);
            EXPECT_EQ(e.Message(), c.Message + (" at offset " + std::to_string(c.Offset)));
        }
        EXPECT_EQ(stream.Position(), 2);
    }
}

TEST(GIFStream, ReaderWarnings) {
    struct TCase {
        const char* Name;
        TBytes Bytes;
        std::vector<std::string> Warnings;
        int Frames;
    };
    TBytes unknownBlock = SmallGif();
    unknownBlock.back() = 0x99;
    TBytes zeros = SmallGif();
    zeros.insert(zeros.end() - 1, {0, 0, 0});
    zeros.insert(zeros.begin() + 19, {0, 0});
    TBytes zeroSize = SmallGif();
    zeroSize[19 + 5] = 0;  // frame width 0
    const TCase cases[] = {
        {"unknown block", unknownBlock, {sUnknownBlock, sBadTrailer}, 1},
        {"zero bytes between blocks", zeros, {}, 1},
        {"frame of width 0", zeroSize, {sImageExceedsScreen}, 1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TLoadedGif gif;
        gif.Load(c.Bytes);
        EXPECT_EQ(gif.Warnings, c.Warnings);
        EXPECT_EQ(gif.Image.Images().Count(), c.Frames);
        EXPECT_EQ(FramePixels(*gif.Image.Images().SubImages(0)), (TBytes{1, 0}));
    }
}

TEST(GIFStream, ZeroHeightFrameOnAnEmptyScreenIsLeftOutWithItsExtensions) {
    // Screen 0 x 0; a frame 2 x 0 after a control extension and a comment; then a frame 1 x 1.
    TByteBuilder b;
    b.Header(0, 0).Add({0x21, 0xF9, 4, 0, 7, 0, 0, 0}).Add({0x21, 0xFE, 1, 'c', 0});
    b.Descriptor(0, 0, 2, 0).Add({2}).SubBlocks(TBitPacker().Code(4, 3).Code(5, 3).Finish());
    b.Descriptor(0, 0, 1, 1).Add({2});
    b.SubBlocks(TBitPacker().Code(4, 3).Code(1, 3).Code(5, 3).Finish()).Add({0x3B});
    TLoadedGif gif;
    gif.Load(b.Bytes);
    EXPECT_TRUE(gif.Warned(sImageExceedsScreen));
    ASSERT_EQ(gif.Image.Images().Count(), 1);
    TGIFSubImage& kept = *gif.Image.Images().SubImages(0);
    EXPECT_EQ(kept.Extensions().Count(), 0);
    EXPECT_EQ(FramePixels(kept), TBytes{1});
    // What was read saves, and reads back with as many frames and the same bytes.
    const TBytes saved = SaveBytes(gif.Image);
    TLoadedGif back;
    back.Load(saved);
    EXPECT_EQ(back.Image.Images().Count(), 1);
    EXPECT_EQ(SaveBytes(back.Image), saved);
}

TEST(GIFStream, ScreenGrowsToHoldItsFrames) {
    TByteBuilder b;
    b.Header(8, 8).Descriptor(5, 6, 10, 4).Add({2});
    b.SubBlocks(TBitPacker().Code(4, 3).Code(5, 3).Finish()).Add({0x3B});
    TLoadedGif gif;
    gif.Load(b.Bytes);
    EXPECT_EQ(gif.Image.Width(), 15);
    EXPECT_EQ(gif.Image.Height(), 10);
}

TEST(GIFStream, LongCommentAfterTheLastImage) {
    auto image = MakeImage(2, 1, {1, 0}, 1);
    auto trailing = std::make_unique<TGIFSubImage>(image.get());
    auto comment = std::make_unique<TGIFCommentExtension>(trailing.get());
    comment->Lines().Add(std::string(300, 'c'));
    comment->Lines().Add("");
    trailing->Extensions().Add(std::move(comment));
    image->Add(std::move(trailing));
    const TBytes bytes = SaveBytes(*image);
    // ... image data, then 21 FE, 255 bytes, 45 bytes, 0, trailer.
    const size_t at = bytes.size() - (2 + 1 + 255 + 1 + 45 + 1 + 1);
    EXPECT_EQ(bytes[at], 0x21);
    EXPECT_EQ(bytes[at + 1], 0xFE);
    EXPECT_EQ(bytes[at + 2], 255);
    EXPECT_EQ(bytes[at + 3 + 255], 45);
    EXPECT_EQ(bytes[at + 3 + 255 + 46], 0);

    TLoadedGif loaded;
    loaded.Load(bytes);
    ASSERT_EQ(loaded.Image.Images().Count(), 2);
    TGIFSubImage& last = *loaded.Image.Images().SubImages(1);
    EXPECT_TRUE(last.Empty());
    auto* read = dynamic_cast<TGIFCommentExtension*>(last.Extensions().Extensions(0));
    ASSERT_NE(read, nullptr);
    ASSERT_EQ(read->Lines().Count(), 2);
    EXPECT_EQ(read->Lines()[0], std::string(255, 'c'));
    EXPECT_EQ(read->Lines()[1], std::string(45, 'c'));
    EXPECT_EQ(SaveBytes(loaded.Image), bytes);
}

TEST(GIFStream, ProgressOfLoadingAndSaving) {
    auto image = MakeImage(1, 1, {0}, 1);
    image->Add(NewFrame(*image, 1, 1));
    image->Add(NewFrame(*image, 1, 1));
    std::vector<std::string> events;
    auto record = [&](TObject*, TGIFProgressStage stage, int percent, bool, const std::string& m) {
        events.push_back(m + std::to_string(int(stage)) + ":" + std::to_string(percent));
    };
    image->OnProgress = record;
    const TBytes bytes = SaveBytes(*image);
    EXPECT_EQ(events, (std::vector<std::string>{"Saving...0:0", "Saving...1:33", "Saving...1:67",
                                                "Saving...1:100", "Saving...2:100"}));
    events.clear();
    TLoadedGif loaded;
    loaded.Image.OnProgress = record;
    loaded.Load(bytes);
    ASSERT_EQ(events.size(), 5u);
    EXPECT_EQ(events.front(), "Loading...0:0");
    EXPECT_EQ(events.back(), "Loading...2:100");
}

TEST(GIFStream, AFailedSaveLeavesTheFileAlone) {
    const TTempDir folder;
    const std::string name = folder.File("picture.gif");
    { std::ofstream(name) << "old content"; }
    TGIFImage empty;
    EXPECT_THROW(empty.SaveToFile(name), GIFException);
    std::ifstream in(name);
    std::string content;
    std::getline(in, content);
    EXPECT_EQ(content, "old content");

    auto image = MakeImage(3, 1, {0, 1, 1}, 1);
    image->SaveToFile(name);
    TGIFImage loaded;
    loaded.LoadFromFile(name);
    EXPECT_EQ(FramePixels(*loaded.Images().SubImages(0)), (TBytes{0, 1, 1}));
}

}  // namespace

namespace {

TEST(GIFStream, CorruptInputFailsCleanly) {
    // Every truncation of a small animated picture is refused, and many random byte changes
    // either load or raise GIFException; nothing else may escape (run it under the address
    // sanitizer too).
    auto image = MakeImage(9, 7, Pattern9x7(), 3, true);
    auto* frame = image->Images().SubImages(0);
    auto gce = std::make_unique<TGIFGraphicControlExtension>(frame);
    gce->SetTransparentColorIndex(2);
    gce->SetTransparent(true);
    frame->Extensions().Add(std::move(gce));
    auto comment = std::make_unique<TGIFCommentExtension>(frame);
    comment->Lines().Add("note");
    frame->Extensions().Add(std::move(comment));
    const TBytes good = SaveBytes(*image);

    // A stream that ends before the trailer was cut short, wherever it ends.
    for (size_t n = 0; n < good.size(); ++n) {
        SCOPED_TRACE(n);
        TLoadedGif gif;
        EXPECT_THROW(gif.Load(TBytes(good.begin(), good.begin() + long(n))), GIFException);
    }
    std::vector<TBytes> variants;
    std::mt19937 random(7);
    for (int i = 0; i < 3000; ++i) {
        TBytes bad = good;
        for (int k = 0; k < 1 + i % 4; ++k) bad[random() % bad.size()] = uint8_t(random());
        variants.push_back(bad);
    }
    for (const TBytes& bytes : variants) {
        TLoadedGif gif;
        try {
            gif.Load(bytes);
        } catch (const GIFException&) {
        }
    }
}

}  // namespace
