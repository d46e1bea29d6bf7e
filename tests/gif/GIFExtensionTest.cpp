// Extensions: bodies byte for byte, the application registry, the loop sub-blocks, and the
// graphic control extension's ties to its frame.
#include <gtest/gtest.h>

#include "GifFixtures.h"
#include "gif/GIFAppExtension.h"
#include "gif/GIFExtension.h"

namespace {

TBytes Saved(TGIFExtension& extension) {
    TMemoryStream stream;
    extension.SaveToStream(stream);
    return TBytes(stream.Memory(), stream.Memory() + stream.Size());
}

TBytes Id(const char* text) { return TBytes(text, text + 11); }

// A one-frame picture whose frame is preceded by the given extension bytes.
TBytes WithExtension(const TBytes& extension) {
    TByteBuilder b;
    b.Header(1, 1).Add(extension).Descriptor(0, 0, 1, 1).Add({2});
    b.SubBlocks(TBitPacker().Code(4, 3).Code(1, 3).Code(5, 3).Finish()).Add({0x3B});
    return b.Bytes;
}

TEST(GIFExtension, LoopExtensionBytes) {
    TGIFAppExtNSLoop loop(nullptr);
    EXPECT_EQ(
        Saved(loop),
        TByteBuilder().Add({0x21, 0xFF, 0x0B}).Add(Id("NETSCAPE2.0")).Add({3, 1, 0, 0, 0}).Bytes);
    loop.SetLoops(0x0102);
    loop.SetBufferSize(0x0A0B0C0D);
    EXPECT_EQ(Saved(loop), TByteBuilder()
                               .Add({0x21, 0xFF, 0x0B})
                               .Add(Id("NETSCAPE2.0"))
                               .Add({3, 1, 2, 1, 5, 2, 0x0D, 0x0C, 0x0B, 0x0A, 0})
                               .Bytes);
}

TEST(GIFExtension, ApplicationExtensionsReadBack) {
    struct TCase {
        const char* Name;
        TBytes Read;
        TBytes Written;  // empty: the same bytes
        uint16_t Loops;  // of a loop extension, or -1 for an unknown application
    };
    const TBytes unknown = TByteBuilder()
                               .Add({0x21, 0xFF, 11})
                               .Add(Id("XYZAPP01abc"))
                               .Add({2, 7, 8, 3, 1, 2, 3, 0})
                               .Bytes;
    const TBytes tenByteId =
        TByteBuilder().Add({0x21, 0xFF, 10}).Text("ABCDEFGH12").Add({1, 9, 0}).Bytes;
    const TBytes tenWritten =
        TByteBuilder().Add({0x21, 0xFF, 11}).Text("ABCDEFGH12").Add({0, 1, 9, 0}).Bytes;
    const TBytes animexts =
        TByteBuilder().Add({0x21, 0xFF, 11}).Add(Id("ANIMEXTS1.0")).Add({3, 1, 5, 0, 0}).Bytes;
    // Sub-block id 9 is no loop count: skipped.
    const TBytes oddId = TByteBuilder()
                             .Add({0x21, 0xFF, 11})
                             .Add(Id("NETSCAPE2.0"))
                             .Add({4, 9, 7, 7, 7, 3, 1, 4, 0, 0})
                             .Bytes;
    const TBytes oddWritten =
        TByteBuilder().Add({0x21, 0xFF, 11}).Add(Id("NETSCAPE2.0")).Add({3, 1, 4, 0, 0}).Bytes;
    const TCase cases[] = {
        {"unknown application", unknown, {}, 0xFFFF},
        {"10-byte identification", tenByteId, tenWritten, 0xFFFF},
        {"other loop identification", animexts, {}, 5},
        {"sub-block id 9", oddId, oddWritten, 4},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TLoadedGif gif;
        gif.Load(WithExtension(c.Read));
        TGIFSubImage& frame = *gif.Image.Images().SubImages(0);
        ASSERT_EQ(frame.Extensions().Count(), 1);
        TGIFExtension* extension = frame.Extensions().Extensions(0);
        if (c.Loops == 0xFFFF) {
            EXPECT_NE(dynamic_cast<TGIFUnknownAppExtension*>(extension), nullptr);
        } else {
            auto* loop = dynamic_cast<TGIFAppExtNSLoop*>(extension);
            ASSERT_NE(loop, nullptr);
            EXPECT_EQ(loop->Loops(), c.Loops);
        }
        EXPECT_EQ(Saved(*extension), c.Written.empty() ? c.Read : c.Written);
        EXPECT_EQ(FramePixels(frame), TBytes{1});
    }
}

TEST(GIFExtension, MalformedExtensionsRaise) {
    struct TCase {
        const char* Name;
        TBytes Bytes;
        const char* Message;
    };
    const TCase cases[] = {
        {"unknown label", {0x21, 0x42, 0}, sUnknownExtension},
        {"identification block of 5", {0x21, 0xFF, 5, 1, 2, 3, 4, 5, 0}, sBadAppBlockSize},
        {"loop sub-block too short",
         TByteBuilder().Add({0x21, 0xFF, 11}).Add(Id("NETSCAPE2.0")).Add({2, 1, 0, 0}).Bytes,
         sBadData},
        {"buffer sub-block too short",
         TByteBuilder().Add({0x21, 0xFF, 11}).Add(Id("NETSCAPE2.0")).Add({4, 2, 0, 0, 0, 0}).Bytes,
         sBadData},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TLoadedGif gif;
        try {
            gif.Load(WithExtension(c.Bytes));
            ADD_FAILURE() << "no exception";
        } catch (const GIFException& e) {
            EXPECT_EQ(FaultText(e), c.Message);
        }
    }
}

TEST(GIFExtension, TextAndGraphicControlRoundTrip) {
    const TBytes text = TByteBuilder()
                            .Add({0x21, 0x01, 12, 1, 0, 2, 0, 30, 0, 8, 0, 6, 8, 1, 0})
                            .Add({5})
                            .Text("Hello")
                            .Add({0})
                            .Bytes;
    const TBytes gce = {0x21, 0xF9, 4, 0x0B, 10, 0, 1, 0};  // disposal 2, user input, transparent
    TLoadedGif gif;
    gif.Load(WithExtension(TByteBuilder().Add(text).Add(gce).Bytes));
    TGIFSubImage& frame = *gif.Image.Images().SubImages(0);
    ASSERT_EQ(frame.Extensions().Count(), 2);
    auto* t = dynamic_cast<TGIFTextExtension*>(frame.Extensions().Extensions(0));
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->GridWidth(), 30);
    EXPECT_EQ(t->CharHeight(), 8);
    ASSERT_EQ(t->Lines().Count(), 1);
    EXPECT_EQ(t->Lines()[0], "Hello");
    TGIFGraphicControlExtension* g = frame.GraphicControlExtension();
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->Disposal(), DisposeBackground);
    EXPECT_TRUE(g->UserInput());
    EXPECT_EQ(g->Delay(), 10);
    EXPECT_TRUE(frame.Transparent());
    EXPECT_EQ(Saved(*t), text);
    EXPECT_EQ(Saved(*g), gce);
}

TEST(GIFExtension, BodiesCutShortByTheEndOfTheStream) {
    // A graphic control body cut short warns (the picture, cut short, is then refused); a text
    // body raises.
    TLoadedGif gce;
    EXPECT_THROW(gce.Load(TByteBuilder().Header(1, 1).Add({0x21, 0xF9, 4, 1}).Bytes), GIFException);
    EXPECT_TRUE(gce.Warned(sOutOfData));
    TLoadedGif text;
    try {
        text.Load(TByteBuilder().Header(1, 1).Add({0x21, 0x01, 12, 0, 0}).Bytes);
        ADD_FAILURE() << "no exception";
    } catch (const GIFException& e) {
        EXPECT_EQ(FaultText(e), sOutOfData);
    }
}

TEST(GIFExtension, GraphicControlSetters) {
    auto image = MakeImage(1, 1, {0}, 4);  // 16 global colours
    std::vector<std::string> warnings;
    image->OnWarning = [&](TObject*, int, const std::string& m) { warnings.push_back(m); };
    TGIFSubImage& frame = *image->Images().SubImages(0);
    auto owned = std::make_unique<TGIFGraphicControlExtension>(&frame);
    TGIFGraphicControlExtension& gce = *owned;
    frame.Extensions().Add(std::move(owned));

    gce.SetTransparentColorIndex(20);
    EXPECT_EQ(gce.TransparentColorIndex(), 0);
    EXPECT_EQ(warnings, std::vector<std::string>{sBadColorIndex});
    gce.SetTransparentColorIndex(15);
    EXPECT_EQ(gce.TransparentColorIndex(), 15);
    gce.SetDisposal(9);
    EXPECT_EQ(gce.Disposal(), 1);
    gce.SetTransparent(true);
    EXPECT_TRUE(frame.Transparent());
    gce.SetTransparent(false);
    EXPECT_FALSE(frame.Transparent());

    // With no table at all any index is kept.
    image->GlobalColorMap().Clear();
    gce.SetTransparentColorIndex(200);
    EXPECT_EQ(gce.TransparentColorIndex(), 200);
}

TEST(GIFExtension, FreeingTheFirstGraphicControlUnlinksIt) {
    auto image = MakeImage(1, 1, {0}, 1);
    TGIFSubImage& frame = *image->Images().SubImages(0);
    frame.Extensions().Add(std::make_unique<TGIFGraphicControlExtension>(&frame));
    auto second = std::make_unique<TGIFGraphicControlExtension>(&frame);
    frame.Extensions().Add(std::move(second));
    auto* first = static_cast<TGIFGraphicControlExtension*>(frame.Extensions().Extensions(0));
    EXPECT_EQ(frame.GraphicControlExtension(), first);
    first->SetTransparent(true);
    frame.Extensions().Delete(0);
    EXPECT_EQ(frame.GraphicControlExtension(), nullptr);
    EXPECT_FALSE(frame.Transparent());
}

}  // namespace
