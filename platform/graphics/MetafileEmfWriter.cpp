// The enhanced metafile file: a header record, then one record per primitive or change of
// state (pens, brushes and fonts as objects 1, 2 and 3), ending with an end-of-file record.
// Every record is a type, a size in bytes (a multiple of 4) and its fields, little-endian.
#include <QString>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/MetafileBytes.h"
#include "platform/graphics/MetafileEmfRecords.h"
#include "platform/graphics/TextMeasurer.h"
#include "platform/rtl/Streams.h"

namespace {

constexpr uint32_t PenHandle = 1, BrushHandle = 2, FontHandle = 3;
// The reference device: 1920 x 1440 pixels on 508 x 381 mm, 96 pixels per inch.
constexpr int DeviceW = 1920, DeviceH = 1440, DeviceMmW = 508, DeviceMmH = 381;

// The extent from a to b as the file keeps it, in 32 bits (a loaded picture may reach the ends of
// the integers, where the difference wraps as the file's own field would).
int Span(int a, int b) { return int(uint32_t(int64_t(b) - a)); }

TRect PointBounds(const std::vector<int>& a) {
    TRect b{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (size_t i = 0; i + 1 < a.size(); i += 2) {
        b.Left = std::min(b.Left, a[i]);
        b.Top = std::min(b.Top, a[i + 1]);
        b.Right = std::max(b.Right, a[i]);
        b.Bottom = std::max(b.Bottom, a[i + 1]);
    }
    return a.size() < 2 ? TRect{} : b;
}

// Writes the records of one metafile: a function per family of records, each keeping the
// drawing state the later ones depend on (which objects exist, the font for text advances).
class TEmfWriter {
public:
    explicit TEmfWriter(const TMetafile& m) { Header(m); }

    void Write(const TMetaRecord& r) { DispatchMetaRecord(*this, r); }
    void Finish(TStream& stream);

private:
    template <class THandler>
    friend void ::DispatchMetaRecord(THandler& handler, const TMetaRecord& r);

    size_t Begin(uint32_t type);
    void End(size_t at);
    void Simple(uint32_t type, std::initializer_list<int> values);
    void Rect(const TRect& r);
    // Our object of that handle is replaced: the stock object goes in while it is deleted, as a
    // selected object may not be.
    void Replace(uint32_t handle, uint32_t stock, bool& exists);

    void Header(const TMetafile& m);
    void Pen(const std::vector<int>& a);
    void Brush(const std::vector<int>& a);
    void Font(const TMetaRecord& r);
    void State(const TMetaRecord& r);
    void Op(const TMetaRecord& r);
    void Points(const TMetaRecord& r);
    void FrameSides(const TRect& box);
    void Text(const TMetaRecord& r);
    void Image(const TMetaRecord& r);
    void PatBlt(const TRect& r);
    void Clip(const TMetaRecord& r);

    TMetaWriter W;
    uint32_t Records = 0;
    bool FPen = false, FBrush = false, FFontMade = false;
    TFont FFont;  // the selected font, which measures the text advances
    int FBkMode = OPAQUE;
};

size_t TEmfWriter::Begin(uint32_t type) {
    const size_t at = W.Size();
    W.U32(type);
    W.U32(0);
    return at;
}

void TEmfWriter::End(size_t at) {
    W.Pad(4);
    W.PatchU32(at + 4, uint32_t(W.Size() - at));
    ++Records;
}

void TEmfWriter::Simple(uint32_t type, std::initializer_list<int> values) {
    const size_t at = Begin(type);
    for (int v : values) W.I32(v);
    End(at);
}

void TEmfWriter::Rect(const TRect& r) {
    W.I32(r.Left);
    W.I32(r.Top);
    W.I32(r.Right);
    W.I32(r.Bottom);
}

void TEmfWriter::Replace(uint32_t handle, uint32_t stock, bool& exists) {
    if (exists) {
        Simple(EMR_SELECTOBJECT, {int(stock)});
        Simple(EMR_DELETEOBJECT, {int(handle)});
    }
    exists = true;
}

void TEmfWriter::Header(const TMetafile& m) {
    const size_t at = Begin(EMR_HEADER);
    Rect(::Rect(0, 0, std::max(0, m.Width() - 1), std::max(0, m.Height() - 1)));
    Rect(::Rect(0, 0, m.MMWidth(), m.MMHeight()));
    W.U32(EmfSignature);
    W.U32(0x10000);
    W.U32(0);  // bytes, patched
    W.U32(0);  // records, patched
    W.U16(4);  // handles: the table's slot 0 and our three objects
    W.U16(0);
    W.U32(0);  // no description
    W.U32(0);
    W.U32(0);  // no palette
    W.I32(DeviceW);
    W.I32(DeviceH);
    W.I32(DeviceMmW);
    W.I32(DeviceMmH);
    W.U32(0);  // no pixel format
    W.U32(0);
    W.U32(0);  // not OpenGL
    W.I32(DeviceMmW * 1000);
    W.I32(DeviceMmH * 1000);
    End(at);
}

void TEmfWriter::Finish(TStream& stream) {
    Simple(EMR_EOF, {0, 16, 20});
    W.PatchU32(48, uint32_t(W.Size()));
    W.PatchU32(52, Records);
    stream.WriteBuffer(W.Bytes.data(), int64_t(W.Size()));
}

void TEmfWriter::Pen(const std::vector<int>& a) {
    Replace(PenHandle, BLACK_PEN, FPen);
    const size_t at = Begin(EMR_CREATEPEN);
    W.U32(PenHandle);
    W.U32(uint32_t(a[0]) | uint32_t(a[3]) << 8 | uint32_t(a[4]) << 12);
    W.I32(a[1]);
    W.I32(0);
    W.U32(uint32_t(ColorToRGB(TColor(a[2]))));
    End(at);
    Simple(EMR_SELECTOBJECT, {int(PenHandle)});
}

void TEmfWriter::Brush(const std::vector<int>& a) {
    Replace(BrushHandle, WHITE_BRUSH, FBrush);
    const size_t at = Begin(EMR_CREATEBRUSHINDIRECT);
    W.U32(BrushHandle);
    const TBrushStyle s = TBrushStyle(a[0]);
    W.U32(s == bsSolid ? 0 : s == bsClear ? 1 : 2);
    W.U32(uint32_t(ColorToRGB(TColor(a[1]))));
    W.U32(s >= bsHorizontal ? uint32_t(s - bsHorizontal) : 0);
    End(at);
    Simple(EMR_SELECTOBJECT, {int(BrushHandle)});
}

void TEmfWriter::Font(const TMetaRecord& r) {
    const std::vector<int>& a = r.Args;
    Replace(FontHandle, SYSTEM_FONT, FFontMade);
    FFont.SetName(r.Text);
    FFont.SetHeight(a[0]);
    const size_t at = Begin(EMR_EXTCREATEFONTINDIRECTW);
    W.U32(FontHandle);
    W.I32(a[0]);
    W.I32(0);
    W.I32(a[5]);
    W.I32(a[5]);
    W.I32(a[1] ? 700 : 400);
    W.U8(uint8_t(a[2]));
    W.U8(uint8_t(a[3]));
    W.U8(uint8_t(a[4]));
    W.U8(uint8_t(a[6]));
    W.U32(0);  // precisions, quality, pitch
    const QString name = QString::fromUtf8(r.Text.data(), qsizetype(r.Text.size()));
    for (int i = 0; i < 32; ++i) W.U16(i < 31 && i < name.size() ? name[i].unicode() : 0);
    End(at);
    Simple(EMR_SELECTOBJECT, {int(FontHandle)});
}

// The one-field state records.
void TEmfWriter::State(const TMetaRecord& r) {
    const std::vector<int>& a = r.Args;
    switch (r.Kind) {
        case TMetaKind::BkMode:
            FBkMode = a[0];
            return Simple(EMR_SETBKMODE, {a[0]});
        case TMetaKind::BkColor:
            return Simple(EMR_SETBKCOLOR, {int(ColorToRGB(TColor(a[0])))});
        case TMetaKind::TextColor:
            return Simple(EMR_SETTEXTCOLOR, {int(ColorToRGB(TColor(a[0])))});
        case TMetaKind::TextAlign:
            return Simple(EMR_SETTEXTALIGN, {a[0]});
        case TMetaKind::Rop:
            return Simple(EMR_SETROP2, {PenModeToRop2(TPenMode(a[0]))});
        case TMetaKind::ArcDirection:
            return Simple(EMR_SETARCDIRECTION, {a[0]});
        default:
            return;
    }
}

void TEmfWriter::Op(const TMetaRecord& r) {
    const std::vector<int>& a = r.Args;
    if (const TEmfOpCode* box = FindEmfOp(EmfBoxOps, r.Op))
        return Simple(box->Type, {a[0], a[1], a[2], a[3]});
    if (const TEmfOpCode* arc = FindEmfOp(EmfArcOps, r.Op))
        return Simple(arc->Type, {a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]});
    if (const TEmfOpCode* bare = FindEmfOp(EmfBareOps, r.Op)) return Simple(bare->Type, {});
    // The path's bounds are not kept; an empty rectangle says so.
    if (const TEmfOpCode* bounded = FindEmfOp(EmfBoundedOps, r.Op))
        return Simple(bounded->Type, {0, 0, -1, -1});
    switch (r.Op) {
        case TMetaOp::MoveTo:
            return Simple(EMR_MOVETOEX, {a[0], a[1]});
        case TMetaOp::LineTo:
            return Simple(EMR_LINETO, {a[0], a[1]});
        case TMetaOp::Polyline:
        case TMetaOp::Polygon:
            return Points(r);
        case TMetaOp::RoundRect:
            return Simple(EMR_ROUNDRECT, {a[0], a[1], a[2], a[3], a[4], a[5]});
        case TMetaOp::FillRect:
            return PatBlt(NormalizedRect(::Rect(a[0], a[1], a[2], a[3])));
        case TMetaOp::FrameRect:
            return FrameSides(NormalizedRect(::Rect(a[0], a[1], a[2], a[3])));
        case TMetaOp::SetPixel:
            return Simple(EMR_SETPIXELV, {a[0], a[1], int(ColorToRGB(TColor(a[2])))});
        case TMetaOp::TextOut:
        case TMetaOp::TextRect:
            return Text(r);
        case TMetaOp::SelectClipPath:
            return Simple(EMR_SELECTCLIPPATH, {a[0]});
        default:
            return;
    }
}

void TEmfWriter::Points(const TMetaRecord& r) {
    const std::vector<int>& a = r.Args;
    const size_t at = Begin(r.Op == TMetaOp::Polygon ? EMR_POLYGON : EMR_POLYLINE);
    Rect(PointBounds(a));
    W.U32(uint32_t(a.size() / 2));
    for (size_t i = 0; i + 1 < a.size(); i += 2) {
        W.I32(a[i]);
        W.I32(a[i + 1]);
    }
    End(at);
}

// A frame has no record of its own: its four sides are filled, as a frame is painted.
void TEmfWriter::FrameSides(const TRect& b) {
    if (b.IsEmpty()) return;
    // Sides in 64 bits: a loaded frame may reach the ends of the integers.
    const int64_t width = int64_t(b.Right) - b.Left, height = int64_t(b.Bottom) - b.Top;
    PatBlt(::Rect(b.Left, b.Top, b.Right, b.Top + 1));
    if (height > 1) PatBlt(::Rect(b.Left, b.Bottom - 1, b.Right, b.Bottom));
    if (height > 2) {
        PatBlt(::Rect(b.Left, b.Top + 1, b.Left + 1, b.Bottom - 1));
        if (width > 1) PatBlt(::Rect(b.Right - 1, b.Top + 1, b.Right, b.Bottom - 1));
    }
}

void TEmfWriter::Text(const TMetaRecord& r) {
    const bool boxed = r.Op == TMetaOp::TextRect;
    const int x = boxed ? r.Args[4] : r.Args[0], y = boxed ? r.Args[5] : r.Args[1];
    const TRect box = boxed ? ::Rect(r.Args[0], r.Args[1], r.Args[2], r.Args[3]) : TRect{};
    const QString text = QString::fromUtf8(r.Text.data(), qsizetype(r.Text.size()));
    const uint32_t n = uint32_t(text.size());
    const size_t at = Begin(EMR_EXTTEXTOUTW);
    Rect(box);
    W.U32(1);  // compatible graphics mode
    W.U32(0);  // scales (unused in that mode)
    W.U32(0);
    W.I32(x);
    W.I32(y);
    W.U32(n);
    const uint32_t offString = 76, offDx = offString + ((n * 2 + 3) & ~3u);
    W.U32(offString);
    W.U32(boxed ? EmfEtoClipped | (FBkMode == OPAQUE ? EmfEtoOpaque : 0) : 0);
    Rect(box);
    W.U32(offDx);
    for (QChar c : text) W.U16(c.unicode());
    W.Pad(4);
    // The advance of each character as the font measures it.
    TTextMeasurer& measurer = FontTextMeasurer();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QString one = text.mid(i, text[i].isHighSurrogate() ? 2 : 1);
        W.I32(text[i].isLowSurrogate() ? 0 : measurer.TextWidth(FFont, one.toUtf8().toStdString()));
    }
    End(at);
}

void TEmfWriter::Image(const TMetaRecord& r) {
    const TBitmap& p = *r.Picture;
    const TRect d = ::Rect(r.Args[0], r.Args[1], r.Args[2], r.Args[3]);
    const size_t at = Begin(EMR_STRETCHDIBITS);
    Rect(NormalizedRect(d));
    W.I32(d.Left);
    W.I32(d.Top);
    W.I32(0);
    W.I32(0);
    W.I32(p.Width());
    W.I32(p.Height());
    W.U32(80);
    W.U32(40);
    W.U32(120);
    W.U32(uint32_t(DibSize(p) - 40));
    W.U32(0);  // RGB colours
    W.U32(PenModeToRop3(TPenMode(r.Args[4])));
    W.I32(Span(d.Left, d.Right));
    W.I32(Span(d.Top, d.Bottom));
    WriteDib(W, p);
    End(at);
}

void TEmfWriter::PatBlt(const TRect& r) {
    const size_t at = Begin(EMR_BITBLT);
    Rect(r);
    W.I32(r.Left);
    W.I32(r.Top);
    W.I32(Span(r.Left, r.Right));
    W.I32(Span(r.Top, r.Bottom));
    W.U32(EmfPatCopy);
    for (int i = 0; i < 2 + 6 + 6; ++i) W.U32(i == 2 || i == 6 ? 0x3F800000 : 0);
    End(at);
}

void TEmfWriter::Clip(const TMetaRecord& r) {
    const size_t at = Begin(EMR_EXTSELECTCLIPRGN);
    if (!r.Args[1]) {
        W.U32(0);
        W.U32(RGN_COPY);
    } else {
        const uint32_t n = uint32_t(r.Rects.size());
        W.U32(32 + 16 * n);
        W.U32(uint32_t(r.Args[0]));
        W.U32(32);
        W.U32(1);
        W.U32(n);
        W.U32(16 * n);
        TRect bounds = r.Rects.empty() ? TRect{} : r.Rects[0];
        for (const TRect& q : r.Rects) {
            bounds.Left = std::min(bounds.Left, q.Left);
            bounds.Top = std::min(bounds.Top, q.Top);
            bounds.Right = std::max(bounds.Right, q.Right);
            bounds.Bottom = std::max(bounds.Bottom, q.Bottom);
        }
        Rect(bounds);
        for (const TRect& q : r.Rects) Rect(q);
    }
    End(at);
}

}  // namespace

void WriteEnhancedMetafile(const TMetafile& metafile, TStream& stream) {
    TEmfWriter writer(metafile);
    for (const TMetaRecord& r : metafile.Records()) writer.Write(r);
    writer.Finish(stream);
}
