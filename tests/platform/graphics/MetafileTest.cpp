// Metafiles: recording, playing back (at size and stretched), the two file kinds byte for byte,
// and damaged files.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/graphics/Metafile.h"
#include "platform/graphics/MetafileCanvas.h"
#include "platform/rtl/Streams.h"
#include "tests/platform/graphics/PixelMap.h"

namespace {

using TDrawing = std::function<void(TCanvas&)>;

// Primitives every metafile kind keeps.
void CommonDrawing(TCanvas& c) {
    c.Pen()->SetColor(clNavy);
    c.Brush()->SetColor(clYellow);
    c.Rectangle(2, 2, 20, 14);
    c.Brush()->SetStyle(bsDiagCross);
    c.Brush()->SetColor(clRed);
    c.SetBkColor(clLime);
    c.Ellipse(10, 8, 34, 26);
    c.Pen()->SetWidth(3);
    c.Pen()->SetMode(pmXor);
    const TPoint zigzag[] = {{1, 30}, {12, 20}, {24, 34}, {38, 22}};
    c.Polyline(zigzag);
    c.Pen()->SetMode(pmCopy);
    c.Pen()->SetWidth(1);
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(clTeal);
    const TPoint triangle[] = {{26, 2}, {38, 4}, {30, 12}};
    c.Polygon(triangle);
    c.Pie(0, 20, 16, 36, 16, 28, 8, 20);
    c.SetArcDirection(AD_CLOCKWISE);
    c.Arc(20, 20, 38, 38, 38, 29, 29, 20);
    c.Chord(24, 24, 38, 38, 38, 31, 31, 24);
    c.SetArcDirection(AD_COUNTERCLOCKWISE);
    c.RoundRect(4, 16, 14, 24, 4, 4);
    c.FillRect(Rect(30, 14, 36, 18));
    c.Brush()->SetColor(clFuchsia);
    c.FrameRect(Rect(0, 0, 40, 40));
    c.SetPixel(39, 39, clBlue);
    c.MoveTo(3, 38);
    c.LineTo(20, 38);
    c.Font()->SetHeight(-9);
    c.Font()->SetColor(clPurple);
    c.Font()->SetStyle(TFontStyles{fsBold});
    c.SetBkMode(TRANSPARENT);
    c.TextOut(3, 3, "Kv");
    c.SetBkMode(OPAQUE);
    c.SetTextAlign(TA_RIGHT | TA_BOTTOM);
    c.TextRect(Rect(22, 14, 32, 22), 34, 24, "é9");
    c.SetTextAlign(TA_LEFT | TA_TOP);
    TBitmap picture(3, 2);
    picture.Canvas()->SetPixel(0, 0, clRed);
    picture.Canvas()->SetPixel(2, 1, clBlue);
    c.StretchDraw(Rect(32, 30, 38, 34), &picture);
    c.ExcludeClipRect(Rect(0, 0, 4, 4));
    c.IntersectClipRect(Rect(0, 0, 30, 40));
    c.Brush()->SetColor(clGray);
    c.FillRect(Rect(0, 0, 40, 2));
}

// Paths and clip regions, which only the enhanced kind keeps.
void EnhancedDrawing(TCanvas& c) {
    CommonDrawing(c);
    c.SelectClipRgn(nullptr);
    c.BeginPath();
    c.MoveTo(20, 2);
    c.ArcTo(10, 2, 30, 22, 30, 12, 20, 2);
    c.CloseFigure();
    c.EndPath();
    c.Brush()->SetColor(clOlive);
    c.StrokeAndFillPath();
    const TRegion round = TRegion::FromEllipse(Rect(0, 20, 20, 40));
    c.SelectClipRgn(&round);
    c.Brush()->SetColor(clMaroon);
    c.FillRect(Rect(0, 0, 40, 40));
}

std::unique_ptr<TMetafile> Record(const TDrawing& draw, int w, int h, bool enhanced = true) {
    auto m = std::make_unique<TMetafile>();
    m->SetWidth(w);
    m->SetHeight(h);
    m->SetEnhanced(enhanced);
    TMetafileCanvas canvas(m.get(), nullptr);
    draw(canvas);
    return m;
}

// Pixels as text, every colour named by its value, read through a copy without a clip.
std::string Pixels(TBitmap& bitmap) {
    TBitmap b;
    b.Assign(&bitmap);
    std::string s;
    for (int y = 0; y < b.Height(); ++y) {
        for (int x = 0; x < b.Width(); ++x) s += std::to_string(b.Canvas()->Pixel(x, y)) + ' ';
        s += '\n';
    }
    return s;
}

std::vector<uint8_t> Saved(TMetafile& m) {
    TMemoryStream stream;
    m.SaveToStream(stream);
    return std::vector<uint8_t>(stream.Memory(), stream.Memory() + stream.Size());
}

void Load(TMetafile& m, const std::vector<uint8_t>& bytes) {
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), int64_t(bytes.size()));
    stream.SetPosition(0);
    m.LoadFromStream(stream);
}

uint32_t U32At(const std::vector<uint8_t>& b, size_t at) {
    uint32_t v;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}

}  // namespace

TEST(Metafile, PlaybackAndFilesGiveTheDirectDrawingsPixels) {
    struct TCase {
        const char* Name;
        TDrawing Draw;
        bool Enhanced;
        bool ThroughFile;
    };
    const TCase cases[] = {
        {"played back", EnhancedDrawing, true, false},
        {"through an enhanced file", EnhancedDrawing, true, true},
        {"through a placeable file", CommonDrawing, false, true},
    };
    for (const TCase& k : cases) {
        TBitmap direct(40, 40), played(40, 40);
        k.Draw(*direct.Canvas());
        std::unique_ptr<TMetafile> m = Record(k.Draw, 40, 40, k.Enhanced);
        if (k.ThroughFile) {
            TMetafile loaded;
            Load(loaded, Saved(*m));
            EXPECT_EQ(loaded.Enhanced(), k.Enhanced) << k.Name;
            EXPECT_EQ(loaded.Width(), 40) << k.Name;
            played.Canvas()->Draw(0, 0, &loaded);
        } else {
            played.Canvas()->Draw(0, 0, m.get());
        }
        EXPECT_EQ(Pixels(played), Pixels(direct)) << k.Name;
        // The target's own state is given back.
        EXPECT_FALSE(played.Canvas()->HasClip()) << k.Name;
        EXPECT_EQ(played.Canvas()->MapMode(), MM_TEXT) << k.Name;
        EXPECT_EQ(played.Canvas()->Pen()->Color(), clBlack) << k.Name;
    }
}

TEST(Metafile, StretchDrawScalesIntoTheRectangleAndKeepsToTheClip) {
    auto shapes = [](TCanvas& c, int k) {
        c.Brush()->SetColor(clBlack);
        c.FillRect(Rect(1 * k, 1 * k, 4 * k, 2 * k));
        c.MoveTo(0, 5 * k);
        c.LineTo(6 * k, 5 * k);
        c.IntersectClipRect(Rect(0, 0, 6 * k, 4 * k));
        c.FillRect(Rect(5 * k, 0, 8 * k, 8 * k));
    };
    std::unique_ptr<TMetafile> m = Record([&](TCanvas& c) { shapes(c, 1); }, 8, 8);
    TBitmap stretched(20, 20), direct(20, 20);
    stretched.Canvas()->IntersectClipRect(Rect(0, 0, 20, 15));
    stretched.Canvas()->StretchDraw(Rect(2, 2, 18, 18), m.get());
    direct.Canvas()->SetWindowOrg({-1, -1});  // the same picture two pixels on, twice the size
    direct.Canvas()->SetMapMode(MM_ANISOTROPIC);
    direct.Canvas()->SetViewportExt({2, 2});
    direct.Canvas()->SetViewportOrg({0, 0});
    direct.Canvas()->IntersectClipRect(Rect(-1, -1, 10, 6));  // 0..20 x 0..14 in pixels
    shapes(*direct.Canvas(), 1);
    EXPECT_EQ(PixelMap(stretched), PixelMap(direct));
    EXPECT_EQ(stretched.Canvas()->ClipRect(), Rect(0, 0, 20, 15));
}

TEST(Metafile, TinyFilesHaveTheirHeadersByteForByte) {
    std::unique_ptr<TMetafile> m = Record([](TCanvas& c) { c.Rectangle(1, 2, 5, 6); }, 10, 8);
    EXPECT_EQ(m->MMWidth(), 265);  // hundredths of a millimetre at 96 pixels per inch
    EXPECT_EQ(m->MMHeight(), 212);
    const std::vector<uint8_t> emf = Saved(*m);
    const std::vector<uint8_t> head = {
        1,    0,    0,    0,    108, 0, 0, 0,  // header record and its size
        0,    0,    0,    0,    0,   0, 0, 0, 9, 0, 0, 0, 7,   0, 0, 0,  // bounds, inclusive
        0,    0,    0,    0,    0,   0, 0, 0, 9, 1, 0, 0, 212, 0, 0, 0,  // frame, 0.01 mm
        0x20, 0x45, 0x4D, 0x46, 0,   0, 1, 0};                           // signature, version
    ASSERT_GT(emf.size(), head.size());
    EXPECT_EQ(std::vector<uint8_t>(emf.begin(), emf.begin() + long(head.size())), head);
    EXPECT_EQ(U32At(emf, 48), emf.size());
    // The header, a pen and a brush with their selections, four states (raster operation,
    // background mode and colour, arc direction), the rectangle and the end.
    EXPECT_EQ(U32At(emf, 52), 11u);
    const std::vector<uint8_t> eof = {14, 0, 0,  0, 20, 0, 0,  0, 0, 0,
                                      0,  0, 16, 0, 0,  0, 20, 0, 0, 0};
    EXPECT_EQ(std::vector<uint8_t>(emf.end() - 20, emf.end()), eof);
    const std::vector<uint8_t> rectangle = {43, 0, 0, 0, 24, 0, 0, 0, 1, 0, 0, 0,
                                            2,  0, 0, 0, 5,  0, 0, 0, 6, 0, 0, 0};
    EXPECT_NE(std::search(emf.begin(), emf.end(), rectangle.begin(), rectangle.end()), emf.end());

    m->SetEnhanced(false);
    const std::vector<uint8_t> wmf = Saved(*m);
    const std::vector<uint8_t> placeable = {
        0xD7, 0xCD, 0xC6, 0x9A, 0,  0,              // key, handle
        0,    0,    0,    0,    10, 0, 8,    0,     // bounding box
        96,   0,    0,    0,    0,  0, 0x73, 0x57,  // units per inch, reserved, checksum
        1,    0,    9,    0,    0,  3};             // in memory, 9 header words, version 3
    ASSERT_GT(wmf.size(), placeable.size());
    EXPECT_EQ(std::vector<uint8_t>(wmf.begin(), wmf.begin() + long(placeable.size())), placeable);
    EXPECT_EQ(U32At(wmf, 28), (wmf.size() - 22) / 2);  // size in words
    const std::vector<uint8_t> rect16 = {7, 0, 0, 0, 0x1B, 0x04, 6, 0, 5, 0, 2, 0, 1, 0};
    EXPECT_NE(std::search(wmf.begin(), wmf.end(), rect16.begin(), rect16.end()), wmf.end());
    const std::vector<uint8_t> end = {3, 0, 0, 0, 0, 0};
    EXPECT_EQ(std::vector<uint8_t>(wmf.end() - 6, wmf.end()), end);
}

TEST(Metafile, DamagedFilesAreRefusedNamingTheOffset) {
    std::unique_ptr<TMetafile> m = Record(EnhancedDrawing, 40, 40);
    const std::vector<uint8_t> emf = Saved(*m);
    m->SetEnhanced(false);
    const std::vector<uint8_t> wmf = Saved(*m);
    std::vector<std::pair<std::string, std::vector<uint8_t>>> damaged;
    for (const auto* file : {&emf, &wmf})
        for (size_t n = 0; n < file->size(); n += 7)
            damaged.emplace_back("cut at " + std::to_string(n),
                                 std::vector<uint8_t>(file->begin(), file->begin() + long(n)));
    std::vector<uint8_t> bigRecord = emf;
    bigRecord[108 + 4] = 0xF0;  // the first record's size far beyond the file
    bigRecord[108 + 7] = 0x7F;
    damaged.emplace_back("record size", bigRecord);
    std::vector<uint8_t> signature = emf;
    signature[41] = 'X';
    damaged.emplace_back("signature", signature);
    std::vector<uint8_t> checksum = wmf;
    checksum[20] ^= 1;
    damaged.emplace_back("checksum", checksum);
    // A polygon claiming more points than its record holds.
    std::vector<uint8_t> points = emf;
    size_t at = 108;
    while (U32At(points, at) != 3) at += U32At(points, at + 4);  // walk to the polygon
    points[at + 24] = 0xFF;
    points[at + 25] = 0xFF;
    damaged.emplace_back("point count", points);

    for (const auto& [name, bytes] : damaged) {
        TMetafile target;
        target.SetWidth(3);
        try {
            Load(target, bytes);
            ADD_FAILURE() << name << " was accepted";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(std::string(e.Message()).rfind("Metafile is not valid: ", 0), 0u) << name;
            EXPECT_NE(std::string(e.Message()).find(" at offset "), std::string::npos) << name;
        } catch (const EReadError&) {
            // An empty stream has nothing to read at all.
            EXPECT_TRUE(bytes.empty()) << name;
        }
        EXPECT_EQ(target.Width(), 3) << name;  // left as it was
    }
}

TEST(Metafile, RegisteredForBothExtensions) {
    RegisterMetafileFormats();
    for (const char* ext : {"emf", ".WMF"})
        EXPECT_EQ(GraphicClassOfExtension(ext), &TMetafile::StaticClass()) << ext;
    std::unique_ptr<TGraphic> g(CreateGraphicOfExtension("emf"));
    EXPECT_NE(dynamic_cast<TMetafile*>(g.get()), nullptr);
    UnregisterMetafileFormats();
    EXPECT_EQ(GraphicClassOfExtension("emf"), nullptr);
}

// The writer deselects each object it replaces by selecting a stock one; read back, that
// selection must not become a record of its own, or each save and load would add records.
TEST(Metafile, SaveAndLoadAgainGiveTheSameFile) {
    for (const bool enhanced : {true, false}) {
        const char* kind = enhanced ? "enhanced" : "placeable";
        std::unique_ptr<TMetafile> m =
            Record(enhanced ? EnhancedDrawing : CommonDrawing, 40, 40, enhanced);
        std::vector<uint8_t> bytes = Saved(*m);
        size_t records = 0;
        for (int cycle = 1; cycle <= 2; ++cycle) {
            TMetafile loaded;
            Load(loaded, bytes);
            if (cycle > 1) {
                EXPECT_EQ(loaded.Records().size(), records) << kind;
            }
            records = loaded.Records().size();
            const std::vector<uint8_t> again = Saved(loaded);
            EXPECT_EQ(again, bytes) << kind << ", cycle " << cycle;
            bytes = again;
        }
    }
}
