// The inputs that once broke the bitmap and metafile readers or their drawing, kept under
// fuzz/regressions: each must now be refused with a message of our own exception class, or load
// and draw (within the surface's bounds, whatever its coordinates and pen widths say), and a
// round-trip case must read back what was saved. Files of many objects are made here in code.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BitmapFile.h"
#include "platform/graphics/BitmapFileStream.h"
#include "platform/graphics/Metafile.h"
#include "platform/rtl/Streams.h"

namespace {

std::vector<uint8_t> ReadFile(const std::string& folder, const std::string& name) {
    const std::filesystem::path path =
        std::filesystem::path(KV_FUZZ_REGRESSIONS) / folder / (name + ".bin");
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << path;
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void Fill(TMemoryStream& stream, const std::vector<uint8_t>& bytes) {
    stream.WriteBuffer(bytes.data(), int64_t(bytes.size()));
    stream.SetPosition(0);
}

// Loads a metafile and draws it on a small surface; the message of a refusal, or "" when it
// loaded and drew. Anything but our own exception escapes and fails the test.
std::string LoadAndDraw(const std::vector<uint8_t>& bytes, size_t* records = nullptr) {
    TMetafile m;
    try {
        TMemoryStream stream;
        Fill(stream, bytes);
        m.LoadFromStream(stream);
    } catch (const Exception& e) {
        return e.Message();
    }
    if (records) *records = m.Records().size();
    TBitmap target(64, 48);
    target.Canvas()->StretchDraw(Rect(0, 0, 64, 48), &m);
    // The same at the picture's own size (within reason), where its coordinates mean pixels.
    TBitmap own(std::clamp(m.Width(), 1, 512), std::clamp(m.Height(), 1, 512));
    own.Canvas()->Draw(0, 0, &m);
    return "";
}

enum TOutcome { Refused, Drawn };

struct TFinding {
    const char* Folder;
    const char* Name;
    TOutcome Outcome;
};

}  // namespace

TEST(FuzzRegression, MetafileFindingsAreRefusedOrDrawnWithinTheSurface) {
    const TFinding findings[] = {
        {"emf", "asan-requested-ShapeMask-32", Drawn},
        {"emf", "hang-wide-pen-path-stroke", Drawn},
        {"emf", "oom-CanvasPainter-127", Drawn},
        {"emf", "oom-ShapeMask-32", Drawn},
        {"emf", "slow-clip-rows-CanvasPainter-132", Drawn},
        {"emf", "ubsan-overflow-CanvasPainter-118", Drawn},
        {"emf", "ubsan-overflow-CanvasShapes-115", Drawn},
        {"emf", "ubsan-overflow-FontEngine-46", Drawn},
        {"emf", "ubsan-overflow-MetafileEmf-630", Refused},
        {"emf", "ubsan-overflow-MetafileEmf-643", Drawn},
        // Coordinates at the ends of the integers: a pixel, a polygon's vertex, a stroke's
        // joins, text advancing the pen, a text cell and a text turned by INT_MIN in a path.
        {"emf", "ubsan-overflow-CanvasPainter-202", Drawn},
        {"emf", "ubsan-overflow-CanvasPainter-206", Drawn},
        {"emf", "ubsan-overflow-ShapeMask-77", Drawn},
        {"emf", "ubsan-overflow-ShapeMask-78", Drawn},
        {"emf", "ubsan-overflow-CanvasText-53", Drawn},
        {"emf", "ubsan-overflow-Geometry-27-DrawText", Drawn},
        {"emf", "ubsan-negation-PathDraw-143", Drawn},
        {"emf", "roundtrip-patblt-height-int-min", Drawn},
        {"wmf", "hang-wide-pen-arc", Drawn},
    };
    for (const TFinding& f : findings) {
        const std::string message = LoadAndDraw(ReadFile(f.Folder, f.Name));
        if (f.Outcome == Drawn)
            EXPECT_EQ(message, "") << f.Name;
        else
            EXPECT_EQ(message.rfind("Metafile is not valid: ", 0), 0u) << f.Name << ": " << message;
    }
}

namespace {

// Little-endian bytes of a hand-made metafile.
struct TFileBytes {
    std::vector<uint8_t> B;
    TFileBytes& U16(uint32_t v) {
        B.push_back(uint8_t(v));
        B.push_back(uint8_t(v >> 8));
        return *this;
    }
    TFileBytes& U32(uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
    void Patch32(size_t at, uint32_t v) { std::memcpy(&B[at], &v, 4); }
};

// An enhanced metafile that makes `count` brushes under distinct handles, selects each, and
// draws a rectangle.
std::vector<uint8_t> EmfOfManyBrushes(uint32_t count) {
    TFileBytes f;
    f.U32(1).U32(88);                                  // header record
    f.U32(0).U32(0).U32(99).U32(99);                   // bounds
    f.U32(0).U32(0).U32(2600).U32(2600);               // frame
    f.U32(0x464D4520).U32(0x10000).U32(0);             // signature, version, bytes (patched)
    f.U32(0).U16(0xFFFF).U16(0).U32(0).U32(0).U32(0);  // records, handles, no description
    f.U32(1920).U32(1440).U32(508).U32(381);           // reference device
    for (uint32_t i = 0; i < count; ++i) {
        f.U32(39).U32(24).U32(1000 + i).U32(0).U32(i & 0xFFFFFF).U32(0);  // create a brush
        f.U32(37).U32(12).U32(1000 + i);                                  // and select it
    }
    f.U32(43).U32(24).U32(10).U32(10).U32(60).U32(60);  // a rectangle
    f.U32(14).U32(20).U32(0).U32(16).U32(20);           // end of file
    f.Patch32(48, uint32_t(f.B.size()));
    return f.B;
}

// A placeable metafile that makes `count` brushes; `deleted` deletes each before making the
// next, so they all take slot 0. The last is selected and a rectangle drawn.
std::vector<uint8_t> WmfOfManyBrushes(uint32_t count, bool deleted) {
    TFileBytes f;
    f.U32(0x9AC6CDD7).U16(0).U16(0).U16(0).U16(100).U16(100).U16(96).U32(0);
    uint16_t sum = 0;
    for (size_t i = 0; i < 20; i += 2) sum ^= uint16_t(f.B[i] | f.B[i + 1] << 8);
    f.U16(sum);
    f.U16(1).U16(9).U16(0x300).U32(0).U16(0).U32(0).U16(0);
    for (uint32_t i = 0; i < count; ++i) {
        if (deleted && i > 0) f.U32(4).U16(0x01F0).U16(0);     // delete slot 0
        f.U32(7).U16(0x02FC).U16(0).U32(i & 0xFFFFFF).U16(0);  // create a brush
    }
    f.U32(4).U16(0x012D).U16(deleted ? 0 : uint16_t(count - 1));  // select the last
    f.U32(7).U16(0x041B).U16(60).U16(60).U16(10).U16(10);         // a rectangle
    f.U32(3).U16(0);                                              // end of file
    return f.B;
}

}  // namespace

// Object tables cost each create or select a constant or a logarithm, not a scan of all the
// objects made before; more objects than a table of the format can name are refused.
TEST(FuzzRegression, ManyObjectsLoadInLinearTimeOrAreRefused) {
    size_t records = 0;
    // The findings' own sizes first: 30,000 handles, 40,000 slots never freed.
    EXPECT_EQ(LoadAndDraw(EmfOfManyBrushes(30000), &records), "");
    EXPECT_EQ(records, 2u);  // the last brush (nothing was drawn with the others), the rectangle
    EXPECT_EQ(LoadAndDraw(WmfOfManyBrushes(40000, false), &records), "");
    EXPECT_EQ(records, 2u);  // the last brush selected, and the rectangle
    EXPECT_EQ(LoadAndDraw(WmfOfManyBrushes(200000, true), &records), "");
    EXPECT_EQ(records, 2u);
    EXPECT_EQ(LoadAndDraw(EmfOfManyBrushes(65536)), "");
    EXPECT_EQ(LoadAndDraw(EmfOfManyBrushes(65537)),
              "Metafile is not valid: more than 65536 objects at offset " +
                  std::to_string(88 + 65536 * 36));
    EXPECT_EQ(LoadAndDraw(WmfOfManyBrushes(65536, false)), "");
    EXPECT_EQ(LoadAndDraw(WmfOfManyBrushes(65537, false)),
              "Metafile is not valid: more than 65536 objects at offset " +
                  std::to_string(22 + 18 + 65536 * 14));
}

// A fill whose height is INT32_MIN: what is saved reads back and saves to the same bytes (the
// span of 2^31 it once became wrapped in the file's 32-bit field).
TEST(FuzzRegression, MetafileFillAtTheEndOfTheIntegersSavesTheSameBytesAgain) {
    auto save = [](TMetafile& m) {
        TMemoryStream out;
        m.SaveToStream(out);
        return std::string(out.Memory(), size_t(out.Size()));
    };
    auto load = [](TMetafile& m, const std::string& bytes) {
        TMemoryStream in;
        in.WriteBuffer(bytes.data(), int64_t(bytes.size()));
        in.SetPosition(0);
        m.LoadFromStream(in);
    };
    const std::vector<uint8_t> input = ReadFile("emf", "roundtrip-patblt-height-int-min");
    TMetafile first;
    load(first, std::string(input.begin(), input.end()));
    const std::string saved = save(first);
    TMetafile second;
    load(second, saved);
    EXPECT_EQ(save(second), saved);
}

TEST(FuzzRegression, BitmapFindings) {
    // A run-length file without an image size whose pixels would start past its end.
    {
        TMemoryStream stream;
        Fill(stream, ReadFile("bmp", "escaped-length_error-BitmapFile-283"));
        try {
            ReadBitmapFile(stream);
            ADD_FAILURE() << "accepted";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Message(), std::string(SInvalidBitmap) +
                                       ": pixels start past the end of the file at offset 10");
        }
    }
    // A picture 0 pixels wide saves and loads back as it was, as a file and as a bitmap.
    {
        TMemoryStream stream;
        Fill(stream, ReadFile("bmp", "roundtrip-zero-width-writer-memset"));
        const TBitmapFileImage image = ReadBitmapFile(stream);
        EXPECT_EQ(image.Width, 0);
        EXPECT_EQ(image.Height, 1);
        TMemoryStream saved;
        WriteBitmapFile(saved, image);
        saved.SetPosition(0);
        const TBitmapFileImage again = ReadBitmapFile(saved);
        EXPECT_EQ(again.Width, image.Width);
        EXPECT_EQ(again.Height, image.Height);
        EXPECT_EQ(again.BitCount, image.BitCount);
        EXPECT_EQ(saved.Position(), saved.Size());

        TBitmap bitmap;
        stream.SetPosition(0);
        LoadBitmapFile(bitmap, stream);
        TMemoryStream bitmapSaved;
        SaveBitmapFile(bitmap, bitmapSaved);
        bitmapSaved.SetPosition(0);
        TBitmap back;
        LoadBitmapFile(back, bitmapSaved);
        EXPECT_EQ(back.Width(), bitmap.Width());
        EXPECT_EQ(back.Height(), bitmap.Height());
        EXPECT_EQ(back.PixelFormat(), bitmap.PixelFormat());
    }
}
