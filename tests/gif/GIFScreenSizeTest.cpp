// The size a GIF file gives its picture, read from its blocks without decoding: what a picture
// import checks before it takes the memory a huge frame asks for.
#include <gtest/gtest.h>

#include <optional>

#include "GifFixtures.h"
#include "gif/GIFFormat.h"
#include "gif/GIFScreenSize.h"
#include "platform/graphics/GraphicsLimits.h"
#include "platform/graphics/Picture.h"
#include "tests/support/TempDir.h"

namespace {

// A frame of the given bounds whose data end at once, as a cut file's would.
TByteBuilder& FrameWithoutData(TByteBuilder& b, int left, int top, int width, int height) {
    return b.Descriptor(left, top, width, height).Add({2}).SubBlocks({});
}

std::optional<TSize> DeclaredSizeOf(const TBytes& bytes, int64_t at = 0) {
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), int64_t(bytes.size()));
    stream.SetPosition(at);
    TGIFImage image;
    const std::optional<TSize> size = image.DeclaredSize(stream);
    EXPECT_EQ(stream.Position(), at);
    return size;
}

TEST(GIFScreenSize, IsTheScreenGrownByEveryFrame) {
    TByteBuilder plain;
    FrameWithoutData(plain.Header(300, 200), 10, 10, 20, 20).Add({0x3B});
    // An extension and a local colour table passed over; the second frame grows the screen.
    TByteBuilder grown;
    grown.Header(10, 10).Add({0x21, 0xF9}).SubBlocks({0, 0, 0, 0});
    FrameWithoutData(grown, 0, 0, 1, 1);
    grown.Descriptor(100, 50, 4000, 3000, 0x80).Add({1, 1, 1, 2, 2, 2}).Add({2}).SubBlocks({7});
    grown.Add({0x3B});
    // Each side as far as its 16-bit field goes.
    TByteBuilder clamped;
    FrameWithoutData(clamped.Header(1, 1), 0xFFF0, 0, 0x100, 1).Add({0x3B});
    // Cut off inside its frame's data: the frames read so far.
    TByteBuilder cut;
    cut.Header(5, 5).Descriptor(0, 0, 640, 480).Add({2, 200, 1, 2});
    // Behind a 4-byte length.
    TByteBuilder behind;
    FrameWithoutData(behind.Add({9, 0, 0, 0}).Header(7, 6), 0, 0, 1, 1).Add({0x3B});
    struct TCase {
        const char* Name;
        TBytes Bytes;
        TSize Size;
    };
    const TCase cases[] = {
        {"plain", plain.Bytes, {300, 200}},      {"grown", grown.Bytes, {4100, 3050}},
        {"clamped", clamped.Bytes, {0xFFFF, 1}}, {"cut", cut.Bytes, {640, 480}},
        {"behind", behind.Bytes, {7, 6}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::optional<TSize> size = DeclaredSizeOf(c.Bytes);
        ASSERT_TRUE(size.has_value());
        EXPECT_EQ(*size, c.Size);
    }
    // From the stream's position, which is kept; no size for what is not a GIF file.
    TBytes later = {1, 2, 3};
    later.insert(later.end(), plain.Bytes.begin(), plain.Bytes.end());
    EXPECT_EQ(DeclaredSizeOf(later, 3), (TSize{300, 200}));
    EXPECT_EQ(DeclaredSizeOf(TByteBuilder().Text("BM and more bytes").Bytes), std::nullopt);
    EXPECT_EQ(DeclaredSizeOf({}), std::nullopt);
}

// A file of a few bytes whose frame declares 4000 x 3000 pixels and holds none is refused by an
// import that takes at most a million pixels, for its size, before its frame is read (reading it
// would fail on the missing data).
TEST(GIFScreenSize, AnImportRefusesAHugeFrameBeforeDecodingIt) {
    RegisterGIFImageFormat();
    TTempDir dir;
    const std::string file = dir.File("huge.gif");
    TByteBuilder huge;
    huge.Header(10, 10).Descriptor(100, 50, 4000, 3000);
    {
        TFileStream out(file, fmCreate);
        out.WriteBuffer(huge.Bytes.data(), int64_t(huge.Bytes.size()));
    }
    TPicture picture;
    try {
        picture.LoadFromFile(file, MaxPicturePoints);
        ADD_FAILURE() << "loaded";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "The picture is too large: 4100 x 3050 pixels, more than 1048576");
    }
    EXPECT_EQ(picture.Graphic(), nullptr);
    UnregisterGIFImageFormat();
}

}  // namespace
