// The placeable metafile file: a 22-byte placement header (key, bounding box, units
// per inch, checksum), the metafile header, then records of 16-bit fields, each a size in
// words, a function number and its parameters (coordinates mostly y before x), ending with an
// end-of-file record. Objects take the lowest free slot of the object table. The format has no
// paths, clip regions or arc directions: clockwise arcs are written turned round, and paths and
// clip regions are left out.
#include <algorithm>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/MetafileBytes.h"
#include "platform/graphics/MetafileWmfRecords.h"
#include "platform/graphics/Path.h"
#include "platform/rtl/Cp1252.h"
#include "platform/rtl/Streams.h"

namespace {

int Clamp16(int v) { return std::clamp(v, -32768, 32767); }

// Writes the records of one metafile: a function per family of records, each keeping the state
// the later ones depend on (the object slots, the arc direction, whether a path is open).
class TWmfWriter {
public:
    explicit TWmfWriter(const TMetafile& m) { Header(m); }

    void Write(const TMetaRecord& r) { DispatchMetaRecord(*this, r); }
    void Finish(TStream& stream);

private:
    template <class THandler>
    friend void ::DispatchMetaRecord(THandler& handler, const TMetaRecord& r);

    size_t Begin(uint16_t function);
    void End(size_t at);
    // A record of 16-bit parameters.
    void Simple(uint16_t function, std::initializer_list<int> params);
    void Color(uint16_t function, TColor color);
    // Deletes the object in slot (if any) and gives the slot the next object takes. We keep at
    // most three objects, so a scan of the slots is enough here.
    int Replace(int& slot);

    void Header(const TMetafile& m);
    void Pen(const std::vector<int>& a);
    void Brush(const std::vector<int>& a);
    void Font(const TMetaRecord& r);
    void State(const TMetaRecord& r);
    void Image(const TMetaRecord& r);
    void Clip(const TMetaRecord&) {}  // the format has no clip regions
    // True when the operation is part of a path, which this format cannot hold.
    bool InPath(TMetaOp op);
    void Op(const TMetaRecord& r);
    void ArcOp(uint16_t function, const std::vector<int>& a);
    void ArcTo(const std::vector<int>& a);
    void Points(const TMetaRecord& r);
    void Fill(const TMetaRecord& r);
    void PatBlt(const TRect& q);
    void SetPixel(const std::vector<int>& a);
    void Text(const TMetaRecord& r);

    TMetaWriter W;
    size_t FHeader = 0;  // where the metafile header starts
    uint32_t MaxRecord = 0;
    std::vector<bool> Slots;
    int FPen = -1, FBrush = -1, FFont = -1;
    int FArcDirection = AD_COUNTERCLOCKWISE;
    bool FInPath = false;
};

size_t TWmfWriter::Begin(uint16_t function) {
    const size_t at = W.Size();
    W.U32(0);
    W.U16(function);
    return at;
}

void TWmfWriter::End(size_t at) {
    W.Pad(2);
    const uint32_t words = uint32_t((W.Size() - at) / 2);
    W.PatchU32(at, words);
    MaxRecord = std::max(MaxRecord, words);
}

void TWmfWriter::Simple(uint16_t function, std::initializer_list<int> params) {
    const size_t at = Begin(function);
    for (int p : params) W.I16(Clamp16(p));
    End(at);
}

void TWmfWriter::Color(uint16_t function, TColor color) {
    const size_t at = Begin(function);
    W.U32(uint32_t(ColorToRGB(color)));
    End(at);
}

int TWmfWriter::Replace(int& slot) {
    if (slot >= 0) {
        Simple(META_DELETEOBJECT, {slot});
        Slots[size_t(slot)] = false;
    }
    const auto free = std::find(Slots.begin(), Slots.end(), false);
    slot = int(free - Slots.begin());
    if (free == Slots.end())
        Slots.push_back(true);
    else
        *free = true;
    return slot;
}

void TWmfWriter::Header(const TMetafile& m) {
    // Placement header with its checksum over the first ten words.
    W.U32(WmfPlaceableKey);
    W.U16(0);
    W.I16(0);
    W.I16(0);
    W.I16(Clamp16(m.Width()));
    W.I16(Clamp16(m.Height()));
    W.U16(ScreenPixelsPerInch);
    W.U32(0);
    uint16_t sum = 0;
    for (size_t i = 0; i < 20; i += 2) sum ^= uint16_t(W.Bytes[i] | W.Bytes[i + 1] << 8);
    W.U16(sum);
    FHeader = W.Size();
    W.U16(1);  // in memory
    W.U16(9);  // header words
    W.U16(0x0300);
    W.U32(0);  // size in words, patched
    W.U16(0);  // objects, patched
    W.U32(0);  // largest record, patched
    W.U16(0);
    Simple(META_SETWINDOWORG, {0, 0});
    Simple(META_SETWINDOWEXT, {m.Height(), m.Width()});
}

void TWmfWriter::Finish(TStream& stream) {
    Simple(META_EOF, {});
    W.PatchU32(FHeader + 6, uint32_t((W.Size() - FHeader) / 2));
    W.PatchU16(FHeader + 10, uint32_t(Slots.size()));
    W.PatchU32(FHeader + 12, MaxRecord);
    stream.WriteBuffer(W.Bytes.data(), int64_t(W.Size()));
}

void TWmfWriter::Pen(const std::vector<int>& a) {
    const int slot = Replace(FPen);
    const size_t at = Begin(META_CREATEPENINDIRECT);
    W.U16(uint16_t(a[0] | a[3] << 8 | a[4] << 12));
    W.I16(Clamp16(a[1]));
    W.I16(0);
    W.U32(uint32_t(ColorToRGB(TColor(a[2]))));
    End(at);
    Simple(META_SELECTOBJECT, {slot});
}

void TWmfWriter::Brush(const std::vector<int>& a) {
    const int slot = Replace(FBrush);
    const size_t at = Begin(META_CREATEBRUSHINDIRECT);
    const TBrushStyle s = TBrushStyle(a[0]);
    W.U16(s == bsSolid ? 0 : s == bsClear ? 1 : 2);
    W.U32(uint32_t(ColorToRGB(TColor(a[1]))));
    W.U16(s >= bsHorizontal ? uint16_t(s - bsHorizontal) : 0);
    End(at);
    Simple(META_SELECTOBJECT, {slot});
}

void TWmfWriter::Font(const TMetaRecord& r) {
    const std::vector<int>& a = r.Args;
    const int slot = Replace(FFont);
    const size_t at = Begin(META_CREATEFONTINDIRECT);
    for (int v : {a[0], 0, a[5], a[5], a[1] ? 700 : 400}) W.I16(Clamp16(v));
    for (int v : {a[2], a[3], a[4], a[6], 0, 0, 0, 0}) W.U8(uint8_t(v));
    const std::string name = Utf8ToCp1252(r.Text).substr(0, 31);
    W.Raw(name.data(), name.size());
    for (size_t i = name.size(); i < 32; ++i) W.U8(0);
    End(at);
    Simple(META_SELECTOBJECT, {slot});
}

// The one-field state records; the arc direction is kept for the arcs (the format has none).
void TWmfWriter::State(const TMetaRecord& r) {
    const std::vector<int>& a = r.Args;
    switch (r.Kind) {
        case TMetaKind::BkMode:
            return Simple(META_SETBKMODE, {a[0], 0});
        case TMetaKind::BkColor:
            return Color(META_SETBKCOLOR, TColor(a[0]));
        case TMetaKind::TextColor:
            return Color(META_SETTEXTCOLOR, TColor(a[0]));
        case TMetaKind::TextAlign:
            return Simple(META_SETTEXTALIGN, {a[0], 0});
        case TMetaKind::Rop:
            return Simple(META_SETROP2, {PenModeToRop2(TPenMode(a[0])), 0});
        case TMetaKind::ArcDirection:
            FArcDirection = a[0];
            return;
        default:
            return;
    }
}

void TWmfWriter::Image(const TMetaRecord& r) {
    const std::vector<int>& a = r.Args;
    const TBitmap& p = *r.Picture;
    const size_t at = Begin(META_STRETCHDIB);
    W.U32(PenModeToRop3(TPenMode(a[4])));
    W.U16(0);
    // Extents in 64 bits: a loaded picture may reach the ends of the integers.
    const int w = int(std::clamp<int64_t>(int64_t(a[2]) - a[0], INT16_MIN, INT16_MAX));
    const int h = int(std::clamp<int64_t>(int64_t(a[3]) - a[1], INT16_MIN, INT16_MAX));
    for (int v : {p.Height(), p.Width(), 0, 0, h, w, a[1], a[0]}) W.I16(Clamp16(v));
    WriteDib(W, p);
    End(at);
}

bool TWmfWriter::InPath(TMetaOp op) {
    if (op == TMetaOp::BeginPath) FInPath = true;
    if (!FInPath) return false;
    const bool endsPath = op == TMetaOp::AbortPath || op == TMetaOp::FillPath ||
                          op == TMetaOp::StrokePath || op == TMetaOp::StrokeAndFillPath ||
                          op == TMetaOp::SelectClipPath;
    FInPath = !endsPath;
    return true;
}

void TWmfWriter::Op(const TMetaRecord& r) {
    if (InPath(r.Op)) return;
    const std::vector<int>& a = r.Args;
    switch (r.Op) {
        case TMetaOp::MoveTo:
            return Simple(META_MOVETO, {a[1], a[0]});
        case TMetaOp::LineTo:
            return Simple(META_LINETO, {a[1], a[0]});
        case TMetaOp::Polyline:
        case TMetaOp::Polygon:
            return Points(r);
        case TMetaOp::Rectangle:
            return Simple(META_RECTANGLE, {a[3], a[2], a[1], a[0]});
        case TMetaOp::Ellipse:
            return Simple(META_ELLIPSE, {a[3], a[2], a[1], a[0]});
        case TMetaOp::RoundRect:
            return Simple(META_ROUNDRECT, {a[5], a[4], a[3], a[2], a[1], a[0]});
        case TMetaOp::Arc:
            return ArcOp(META_ARC, a);
        case TMetaOp::Pie:
            return ArcOp(META_PIE, a);
        case TMetaOp::Chord:
            return ArcOp(META_CHORD, a);
        case TMetaOp::ArcTo:
            return ArcTo(a);
        case TMetaOp::FillRect:
        case TMetaOp::FrameRect:
            return Fill(r);
        case TMetaOp::SetPixel:
            return SetPixel(a);
        case TMetaOp::IntersectClipRect:
            return Simple(META_INTERSECTCLIPRECT, {a[3], a[2], a[1], a[0]});
        case TMetaOp::ExcludeClipRect:
            return Simple(META_EXCLUDECLIPRECT, {a[3], a[2], a[1], a[0]});
        case TMetaOp::TextOut:
        case TMetaOp::TextRect:
            return Text(r);
        default:
            return;
    }
}

// Arcs run counter-clockwise here: a clockwise one is the same arc from its end.
void TWmfWriter::ArcOp(uint16_t function, const std::vector<int>& a) {
    const bool turn = FArcDirection == AD_CLOCKWISE;
    const int sx = turn ? a[6] : a[4], sy = turn ? a[7] : a[5];
    const int ex = turn ? a[4] : a[6], ey = turn ? a[5] : a[7];
    Simple(function, {ey, ex, sy, sx, a[3], a[2], a[1], a[0]});
}

// A line to the arc's start, the arc, and the pen at its end.
void TWmfWriter::ArcTo(const std::vector<int>& a) {
    const TRect box = NormalizedRect(Rect(a[0], a[1], a[2], a[3]));
    const TPoint s = EllipseRadialPoint(box, Point(a[4], a[5]));
    const TPoint t = EllipseRadialPoint(box, Point(a[6], a[7]));
    Simple(META_LINETO, {s.Y, s.X});
    ArcOp(META_ARC, a);
    Simple(META_MOVETO, {t.Y, t.X});
}

void TWmfWriter::Points(const TMetaRecord& r) {
    const std::vector<int>& a = r.Args;
    const size_t at = Begin(r.Op == TMetaOp::Polygon ? META_POLYGON : META_POLYLINE);
    W.U16(uint16_t(a.size() / 2));
    for (size_t i = 0; i + 1 < a.size(); i += 2) {
        W.I16(Clamp16(a[i]));
        W.I16(Clamp16(a[i + 1]));
    }
    End(at);
}

// A fill is one pattern copy; a frame, which has no record of its own, is its four sides.
void TWmfWriter::Fill(const TMetaRecord& r) {
    const std::vector<int>& a = r.Args;
    const TRect b = NormalizedRect(Rect(a[0], a[1], a[2], a[3]));
    // Extents in 64 bits: a loaded frame may reach the ends of the integers.
    const int64_t width = int64_t(b.Right) - b.Left, height = int64_t(b.Bottom) - b.Top;
    if (r.Op == TMetaOp::FillRect || width <= 2 || height <= 2) return PatBlt(b);
    PatBlt(Rect(b.Left, b.Top, b.Right, b.Top + 1));
    PatBlt(Rect(b.Left, b.Bottom - 1, b.Right, b.Bottom));
    PatBlt(Rect(b.Left, b.Top + 1, b.Left + 1, b.Bottom - 1));
    PatBlt(Rect(b.Right - 1, b.Top + 1, b.Right, b.Bottom - 1));
}

void TWmfWriter::PatBlt(const TRect& q) {
    if (q.IsEmpty()) return;
    const size_t at = Begin(META_PATBLT);
    W.U32(WmfPatCopy);
    const int w = int(std::min<int64_t>(int64_t(q.Right) - q.Left, INT16_MAX));
    const int h = int(std::min<int64_t>(int64_t(q.Bottom) - q.Top, INT16_MAX));
    for (int v : {h, w, q.Top, q.Left}) W.I16(Clamp16(v));
    End(at);
}

void TWmfWriter::SetPixel(const std::vector<int>& a) {
    const size_t at = Begin(META_SETPIXEL);
    W.U32(uint32_t(ColorToRGB(TColor(a[2]))));
    W.I16(Clamp16(a[1]));
    W.I16(Clamp16(a[0]));
    End(at);
}

void TWmfWriter::Text(const TMetaRecord& r) {
    const std::vector<int>& a = r.Args;
    const bool boxed = r.Op == TMetaOp::TextRect;
    const std::string text = Utf8ToCp1252(r.Text).substr(0, 32767);
    const size_t at = Begin(META_EXTTEXTOUT);
    W.I16(Clamp16(boxed ? a[5] : a[1]));
    W.I16(Clamp16(boxed ? a[4] : a[0]));
    W.U16(uint16_t(text.size()));
    W.U16(boxed ? WmfEtoClipped : 0);
    if (boxed)
        for (int i = 0; i < 4; ++i) W.I16(Clamp16(a[size_t(i)]));
    W.Raw(text.data(), text.size());
    End(at);
}

}  // namespace

void WritePlaceableMetafile(const TMetafile& metafile, TStream& stream) {
    TWmfWriter writer(metafile);
    for (const TMetaRecord& r : metafile.Records()) writer.Write(r);
    writer.Finish(stream);
}
