// The enhanced metafile file: a header record, then one record per primitive or change of
// state (pens, brushes and fonts as objects 1, 2 and 3), ending with an end-of-file record.
// Every record is a type, a size in bytes (a multiple of 4) and its fields, little-endian.
#include <QString>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/MetafileBytes.h"
#include "platform/graphics/TextMeasurer.h"
#include "platform/rtl/Streams.h"

namespace {

enum : uint32_t {
    EMR_HEADER = 1,
    EMR_POLYGON = 3,
    EMR_POLYLINE = 4,
    EMR_EOF = 14,
    EMR_SETPIXELV = 15,
    EMR_SETBKMODE = 18,
    EMR_SETROP2 = 20,
    EMR_SETTEXTALIGN = 22,
    EMR_SETTEXTCOLOR = 24,
    EMR_SETBKCOLOR = 25,
    EMR_MOVETOEX = 27,
    EMR_EXCLUDECLIPRECT = 29,
    EMR_INTERSECTCLIPRECT = 30,
    EMR_SELECTOBJECT = 37,
    EMR_CREATEPEN = 38,
    EMR_CREATEBRUSHINDIRECT = 39,
    EMR_DELETEOBJECT = 40,
    EMR_ELLIPSE = 42,
    EMR_RECTANGLE = 43,
    EMR_ROUNDRECT = 44,
    EMR_ARC = 45,
    EMR_CHORD = 46,
    EMR_PIE = 47,
    EMR_LINETO = 54,
    EMR_ARCTO = 55,
    EMR_SETARCDIRECTION = 57,
    EMR_BEGINPATH = 59,
    EMR_ENDPATH = 60,
    EMR_CLOSEFIGURE = 61,
    EMR_FILLPATH = 62,
    EMR_STROKEANDFILLPATH = 63,
    EMR_STROKEPATH = 64,
    EMR_FLATTENPATH = 65,
    EMR_WIDENPATH = 66,
    EMR_SELECTCLIPPATH = 67,
    EMR_ABORTPATH = 68,
    EMR_EXTSELECTCLIPRGN = 75,
    EMR_BITBLT = 76,
    EMR_STRETCHDIBITS = 81,
    EMR_EXTCREATEFONTINDIRECTW = 82,
    EMR_EXTTEXTOUTW = 84,
};

constexpr uint32_t EmfSignature = 0x464D4520;  // " EMF"
constexpr uint32_t PatCopy = 0x00F00021;
constexpr uint32_t ETO_OPAQUE = 2, ETO_CLIPPED = 4;
// Stock objects selected while the recorded ones are replaced.
constexpr uint32_t WHITE_BRUSH = 0x80000000, NULL_BRUSH = 0x80000005, BLACK_BRUSH = 0x80000004,
                   WHITE_PEN = 0x80000006, BLACK_PEN = 0x80000007, NULL_PEN = 0x80000008,
                   SYSTEM_FONT = 0x8000000D;
constexpr uint32_t PenHandle = 1, BrushHandle = 2, FontHandle = 3;
// The reference device: 1920 x 1440 pixels on 508 x 381 mm, 96 pixels per inch.
constexpr int DeviceW = 1920, DeviceH = 1440, DeviceMmW = 508, DeviceMmH = 381;

struct TOpCode {
    TMetaOp Op;
    uint32_t Type;
};
// Operations whose record is their rectangle, points or nothing.
constexpr TOpCode BoxOps[] = {{TMetaOp::Rectangle, EMR_RECTANGLE},
                              {TMetaOp::Ellipse, EMR_ELLIPSE},
                              {TMetaOp::IntersectClipRect, EMR_INTERSECTCLIPRECT},
                              {TMetaOp::ExcludeClipRect, EMR_EXCLUDECLIPRECT}};
constexpr TOpCode ArcOps[] = {{TMetaOp::Arc, EMR_ARC},
                              {TMetaOp::ArcTo, EMR_ARCTO},
                              {TMetaOp::Pie, EMR_PIE},
                              {TMetaOp::Chord, EMR_CHORD}};
constexpr TOpCode BareOps[] = {
    {TMetaOp::BeginPath, EMR_BEGINPATH},     {TMetaOp::EndPath, EMR_ENDPATH},
    {TMetaOp::CloseFigure, EMR_CLOSEFIGURE}, {TMetaOp::FlattenPath, EMR_FLATTENPATH},
    {TMetaOp::WidenPath, EMR_WIDENPATH},     {TMetaOp::AbortPath, EMR_ABORTPATH}};
constexpr TOpCode BoundedOps[] = {{TMetaOp::FillPath, EMR_FILLPATH},
                                  {TMetaOp::StrokeAndFillPath, EMR_STROKEANDFILLPATH},
                                  {TMetaOp::StrokePath, EMR_STROKEPATH}};
template <size_t N>
const TOpCode* FindOp(const TOpCode (&table)[N], TMetaOp op) {
    for (const TOpCode& c : table)
        if (c.Op == op) return &c;
    return nullptr;
}
template <size_t N>
const TOpCode* FindType(const TOpCode (&table)[N], uint32_t type) {
    for (const TOpCode& c : table)
        if (c.Type == type) return &c;
    return nullptr;
}

class TEmfWriter {
public:
    TMetaWriter W;
    uint32_t Records = 0;

    size_t Begin(uint32_t type) {
        const size_t at = W.Size();
        W.U32(type);
        W.U32(0);
        return at;
    }
    void End(size_t at) {
        W.Pad(4);
        W.PatchU32(at + 4, uint32_t(W.Size() - at));
        ++Records;
    }
    void Simple(uint32_t type, std::initializer_list<int> values) {
        const size_t at = Begin(type);
        for (int v : values) W.I32(v);
        End(at);
    }
    void Rect(const TRect& r) {
        W.I32(r.Left);
        W.I32(r.Top);
        W.I32(r.Right);
        W.I32(r.Bottom);
    }
    void Replace(uint32_t handle, uint32_t stock, bool& exists) {
        if (exists) {
            Simple(EMR_SELECTOBJECT, {int(stock)});
            Simple(EMR_DELETEOBJECT, {int(handle)});
        }
        exists = true;
    }

    void Header(const TMetafile& m) {
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

    void Text(const TMetaRecord& r, const TFont& font, int bkMode) {
        const bool boxed = r.Op == TMetaOp::TextRect;
        const int x = boxed ? r.Args[4] : r.Args[0], y = boxed ? r.Args[5] : r.Args[1];
        const QString text = QString::fromUtf8(r.Text.data(), qsizetype(r.Text.size()));
        const uint32_t n = uint32_t(text.size());
        const size_t at = Begin(EMR_EXTTEXTOUTW);
        Rect(boxed ? ::Rect(r.Args[0], r.Args[1], r.Args[2], r.Args[3]) : TRect{});
        W.U32(1);  // compatible graphics mode
        W.U32(0);  // scales (unused in that mode)
        W.U32(0);
        W.I32(x);
        W.I32(y);
        W.U32(n);
        const uint32_t offString = 76, offDx = offString + ((n * 2 + 3) & ~3u);
        W.U32(offString);
        W.U32(boxed ? ETO_CLIPPED | (bkMode == OPAQUE ? ETO_OPAQUE : 0) : 0);
        Rect(boxed ? ::Rect(r.Args[0], r.Args[1], r.Args[2], r.Args[3]) : TRect{});
        W.U32(offDx);
        for (QChar c : text) W.U16(c.unicode());
        W.Pad(4);
        // The advance of each character as the font measures it.
        TTextMeasurer& measurer = FontTextMeasurer();
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QString one = text.mid(i, text[i].isHighSurrogate() ? 2 : 1);
            W.I32(text[i].isLowSurrogate() ? 0
                                           : measurer.TextWidth(font, one.toUtf8().toStdString()));
        }
        End(at);
    }

    void Image(const TMetaRecord& r) {
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
        W.I32(d.Right - d.Left);
        W.I32(d.Bottom - d.Top);
        WriteDib(W, p);
        End(at);
    }

    void PatBlt(const TRect& r) {
        const size_t at = Begin(EMR_BITBLT);
        Rect(r);
        W.I32(r.Left);
        W.I32(r.Top);
        W.I32(r.Width());
        W.I32(r.Height());
        W.U32(PatCopy);
        for (int i = 0; i < 2 + 6 + 6; ++i) W.U32(i == 2 || i == 6 ? 0x3F800000 : 0);
        End(at);
    }

    void Clip(const TMetaRecord& r) {
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
};

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

}  // namespace

void WriteEnhancedMetafile(const TMetafile& metafile, TStream& stream) {
    TEmfWriter e;
    TMetaWriter& w = e.W;
    e.Header(metafile);
    bool pen = false, brush = false, fontMade = false;
    TFont font;
    int bkMode = OPAQUE;
    for (const TMetaRecord& r : metafile.Records()) {
        const std::vector<int>& a = r.Args;
        switch (r.Kind) {
            case TMetaKind::Pen: {
                e.Replace(PenHandle, BLACK_PEN, pen);
                const size_t at = e.Begin(EMR_CREATEPEN);
                w.U32(PenHandle);
                w.U32(uint32_t(a[0]) | uint32_t(a[3]) << 8 | uint32_t(a[4]) << 12);
                w.I32(a[1]);
                w.I32(0);
                w.U32(uint32_t(ColorToRGB(TColor(a[2]))));
                e.End(at);
                e.Simple(EMR_SELECTOBJECT, {int(PenHandle)});
                break;
            }
            case TMetaKind::Brush: {
                e.Replace(BrushHandle, WHITE_BRUSH, brush);
                const size_t at = e.Begin(EMR_CREATEBRUSHINDIRECT);
                w.U32(BrushHandle);
                const TBrushStyle s = TBrushStyle(a[0]);
                w.U32(s == bsSolid ? 0 : s == bsClear ? 1 : 2);
                w.U32(uint32_t(ColorToRGB(TColor(a[1]))));
                w.U32(s >= bsHorizontal ? uint32_t(s - bsHorizontal) : 0);
                e.End(at);
                e.Simple(EMR_SELECTOBJECT, {int(BrushHandle)});
                break;
            }
            case TMetaKind::Font: {
                e.Replace(FontHandle, SYSTEM_FONT, fontMade);
                font.SetName(r.Text);
                font.SetHeight(a[0]);
                const size_t at = e.Begin(EMR_EXTCREATEFONTINDIRECTW);
                w.U32(FontHandle);
                w.I32(a[0]);
                w.I32(0);
                w.I32(a[5]);
                w.I32(a[5]);
                w.I32(a[1] ? 700 : 400);
                w.U8(uint8_t(a[2]));
                w.U8(uint8_t(a[3]));
                w.U8(uint8_t(a[4]));
                w.U8(uint8_t(a[6]));
                w.U32(0);  // precisions, quality, pitch
                const QString name = QString::fromUtf8(r.Text.data(), qsizetype(r.Text.size()));
                for (int i = 0; i < 32; ++i)
                    w.U16(i < 31 && i < name.size() ? name[i].unicode() : 0);
                e.End(at);
                e.Simple(EMR_SELECTOBJECT, {int(FontHandle)});
                break;
            }
            case TMetaKind::BkMode:
                bkMode = a[0];
                e.Simple(EMR_SETBKMODE, {a[0]});
                break;
            case TMetaKind::BkColor:
                e.Simple(EMR_SETBKCOLOR, {int(ColorToRGB(TColor(a[0])))});
                break;
            case TMetaKind::TextColor:
                e.Simple(EMR_SETTEXTCOLOR, {int(ColorToRGB(TColor(a[0])))});
                break;
            case TMetaKind::TextAlign:
                e.Simple(EMR_SETTEXTALIGN, {a[0]});
                break;
            case TMetaKind::Rop:
                e.Simple(EMR_SETROP2, {PenModeToRop2(TPenMode(a[0]))});
                break;
            case TMetaKind::ArcDirection:
                e.Simple(EMR_SETARCDIRECTION, {a[0]});
                break;
            case TMetaKind::Image:
                e.Image(r);
                break;
            case TMetaKind::Clip:
                e.Clip(r);
                break;
            case TMetaKind::Op:
                if (const TOpCode* box = FindOp(BoxOps, r.Op)) {
                    e.Simple(box->Type, {a[0], a[1], a[2], a[3]});
                } else if (const TOpCode* arc = FindOp(ArcOps, r.Op)) {
                    e.Simple(arc->Type, {a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]});
                } else if (const TOpCode* bare = FindOp(BareOps, r.Op)) {
                    e.Simple(bare->Type, {});
                } else if (const TOpCode* bounded = FindOp(BoundedOps, r.Op)) {
                    e.Simple(bounded->Type, {0, 0, -1, -1});
                } else {
                    switch (r.Op) {
                        case TMetaOp::MoveTo:
                            e.Simple(EMR_MOVETOEX, {a[0], a[1]});
                            break;
                        case TMetaOp::LineTo:
                            e.Simple(EMR_LINETO, {a[0], a[1]});
                            break;
                        case TMetaOp::Polyline:
                        case TMetaOp::Polygon: {
                            const size_t at =
                                e.Begin(r.Op == TMetaOp::Polygon ? EMR_POLYGON : EMR_POLYLINE);
                            e.Rect(PointBounds(a));
                            w.U32(uint32_t(a.size() / 2));
                            for (size_t i = 0; i + 1 < a.size(); i += 2) {
                                w.I32(a[i]);
                                w.I32(a[i + 1]);
                            }
                            e.End(at);
                            break;
                        }
                        case TMetaOp::RoundRect:
                            e.Simple(EMR_ROUNDRECT, {a[0], a[1], a[2], a[3], a[4], a[5]});
                            break;
                        case TMetaOp::FillRect:
                            e.PatBlt(NormalizedRect(Rect(a[0], a[1], a[2], a[3])));
                            break;
                        case TMetaOp::FrameRect: {
                            // The four sides, as a frame is painted.
                            const TRect b = NormalizedRect(Rect(a[0], a[1], a[2], a[3]));
                            if (b.IsEmpty()) break;
                            e.PatBlt(Rect(b.Left, b.Top, b.Right, b.Top + 1));
                            if (b.Height() > 1)
                                e.PatBlt(Rect(b.Left, b.Bottom - 1, b.Right, b.Bottom));
                            if (b.Height() > 2) {
                                e.PatBlt(Rect(b.Left, b.Top + 1, b.Left + 1, b.Bottom - 1));
                                if (b.Width() > 1)
                                    e.PatBlt(Rect(b.Right - 1, b.Top + 1, b.Right, b.Bottom - 1));
                            }
                            break;
                        }
                        case TMetaOp::SetPixel:
                            e.Simple(EMR_SETPIXELV, {a[0], a[1], int(ColorToRGB(TColor(a[2])))});
                            break;
                        case TMetaOp::TextOut:
                        case TMetaOp::TextRect:
                            e.Text(r, font, bkMode);
                            break;
                        case TMetaOp::SelectClipPath:
                            e.Simple(EMR_SELECTCLIPPATH, {a[0]});
                            break;
                        default:
                            break;
                    }
                }
                break;
        }
    }
    e.Simple(EMR_EOF, {0, 16, 20});
    w.PatchU32(48, uint32_t(w.Size()));
    w.PatchU32(52, e.Records);
    stream.WriteBuffer(w.Bytes.data(), int64_t(w.Size()));
}

// --- Reading

namespace {

class TEmfReader {
public:
    TEmfReader(const uint8_t* data, size_t size) : R(data, size) {}

    TMetaReader R;
    TMetaRecords Out;
    // The objects the file made, by handle.
    std::vector<std::pair<uint32_t, TMetaRecord>> Objects;

    void Put(TMetaKind kind, std::vector<int> args, std::string text = {}) {
        TMetaRecord r;
        r.Kind = kind;
        r.Args = std::move(args);
        r.Text = std::move(text);
        Out.push_back(std::move(r));
    }
    void PutOp(TMetaOp op, std::vector<int> args, std::string text = {}) {
        TMetaRecord r;
        r.Op = op;
        r.Args = std::move(args);
        r.Text = std::move(text);
        Out.push_back(std::move(r));
    }
    std::vector<int> Ints(size_t at, size_t count) const {
        std::vector<int> v(count);
        for (size_t i = 0; i < count; ++i) v[i] = R.I32(at + 4 * i, "record field");
        return v;
    }
    void Keep(uint32_t handle, TMetaRecord object) {
        for (auto& [h, o] : Objects)
            if (h == handle) {
                o = std::move(object);
                return;
            }
        Objects.emplace_back(handle, std::move(object));
    }
    void Select(uint32_t handle) {
        switch (handle) {
            case WHITE_BRUSH:
                return Put(TMetaKind::Brush, {bsSolid, int(clWhite)});
            case BLACK_BRUSH:
                return Put(TMetaKind::Brush, {bsSolid, int(clBlack)});
            case NULL_BRUSH:
                return Put(TMetaKind::Brush, {bsClear, int(clWhite)});
            case WHITE_PEN:
                return Put(TMetaKind::Pen, {psSolid, 1, int(clWhite), 0, 0});
            case BLACK_PEN:
                return Put(TMetaKind::Pen, {psSolid, 1, int(clBlack), 0, 0});
            case NULL_PEN:
                return Put(TMetaKind::Pen, {psClear, 1, int(clBlack), 0, 0});
        }
        for (const auto& [h, o] : Objects)
            if (h == handle) return Out.push_back(o);
    }

    void Record(uint32_t type, size_t at, size_t size);
};

std::string Utf16At(const TMetaReader& r, size_t at, size_t count, bool stopAtNull) {
    QString text;
    for (size_t i = 0; i < count; ++i) {
        const char16_t c = char16_t(r.U16(at + 2 * i, "text"));
        if (stopAtNull && c == 0) break;
        text += QChar(c);
    }
    return text.toUtf8().toStdString();
}

// The smallest size of each record we read, so that its fields lie inside it.
size_t MinimumSize(uint32_t type) {
    switch (type) {
        case EMR_POLYGON:
        case EMR_POLYLINE:
            return 28;
        case EMR_EXTSELECTCLIPRGN:
            return 16;
        case EMR_BITBLT:
            return 100;
        case EMR_STRETCHDIBITS:
            return 80;
        case EMR_EXTCREATEFONTINDIRECTW:
            return 104;
        case EMR_EXTTEXTOUTW:
            return 76;
        case EMR_CREATEPEN:
            return 28;
        case EMR_CREATEBRUSHINDIRECT:
            return 24;
        default:
            return 8;
    }
}

void TEmfReader::Record(uint32_t type, size_t at, size_t size) {
    if (size < MinimumSize(type)) MetafileFault(at, "record too short");
    const size_t f = at + 8;  // the first field
    auto field = [&](size_t i) { return R.I32(f + 4 * i, "record field"); };
    auto need = [&](size_t fields) {
        if (size < 8 + 4 * fields) MetafileFault(at, "record too short");
    };
    if (const TOpCode* box = FindType(BoxOps, type)) {
        need(4);
        return PutOp(box->Op, Ints(f, 4));
    }
    if (const TOpCode* arc = FindType(ArcOps, type)) {
        need(8);
        return PutOp(arc->Op, Ints(f, 8));
    }
    if (const TOpCode* bare = FindType(BareOps, type)) return PutOp(bare->Op, {});
    if (const TOpCode* bounded = FindType(BoundedOps, type)) return PutOp(bounded->Op, {});
    switch (type) {
        case EMR_MOVETOEX:
            need(2);
            return PutOp(TMetaOp::MoveTo, Ints(f, 2));
        case EMR_LINETO:
            need(2);
            return PutOp(TMetaOp::LineTo, Ints(f, 2));
        case EMR_POLYGON:
        case EMR_POLYLINE: {
            const uint32_t n = R.U32(f + 16, "point count");
            if (n > (size - 28) / 8) MetafileFault(f + 16, "point count beyond the record");
            return PutOp(type == EMR_POLYGON ? TMetaOp::Polygon : TMetaOp::Polyline,
                         Ints(f + 20, size_t(n) * 2));
        }
        case EMR_ROUNDRECT:
            need(6);
            return PutOp(TMetaOp::RoundRect, Ints(f, 6));
        case EMR_SETPIXELV:
            need(3);
            return PutOp(TMetaOp::SetPixel, {field(0), field(1), field(2) & 0xFFFFFF});
        case EMR_SELECTCLIPPATH:
            need(1);
            return PutOp(TMetaOp::SelectClipPath, {field(0)});
        case EMR_SETBKMODE:
            need(1);
            return Put(TMetaKind::BkMode, {field(0)});
        case EMR_SETBKCOLOR:
            need(1);
            return Put(TMetaKind::BkColor, {field(0) & 0xFFFFFF});
        case EMR_SETTEXTCOLOR:
            need(1);
            return Put(TMetaKind::TextColor, {field(0) & 0xFFFFFF});
        case EMR_SETTEXTALIGN:
            need(1);
            return Put(TMetaKind::TextAlign, {field(0)});
        case EMR_SETROP2:
            need(1);
            return Put(TMetaKind::Rop, {int(Rop2ToPenMode(field(0)))});
        case EMR_SETARCDIRECTION:
            need(1);
            return Put(TMetaKind::ArcDirection, {field(0)});
        case EMR_SELECTOBJECT:
            need(1);
            return Select(uint32_t(field(0)));
        case EMR_CREATEPEN: {
            TMetaRecord o;
            o.Kind = TMetaKind::Pen;
            const uint32_t style = uint32_t(field(1));
            o.Args = {int(std::min(style & 0xF, 6u)), field(2), field(4) & 0xFFFFFF,
                      int(std::min((style >> 8) & 0xF, 2u)),
                      int(std::min((style >> 12) & 0xF, 2u))};
            return Keep(uint32_t(field(0)), std::move(o));
        }
        case EMR_CREATEBRUSHINDIRECT: {
            TMetaRecord o;
            o.Kind = TMetaKind::Brush;
            const int style = field(1), hatch = field(3);
            o.Args = {style == 1   ? int(bsClear)
                      : style == 2 ? int(bsHorizontal) + std::clamp(hatch, 0, 5)
                                   : int(bsSolid),
                      field(2) & 0xFFFFFF};
            return Keep(uint32_t(field(0)), std::move(o));
        }
        case EMR_EXTCREATEFONTINDIRECTW: {
            TMetaRecord o;
            o.Kind = TMetaKind::Font;
            const uint8_t* b = R.Need(f + 24, 4, "font flags");
            o.Args = {field(1), field(5) >= 600, b[0] != 0, b[1] != 0, b[2] != 0, field(3), b[3]};
            o.Text = Utf16At(R, f + 32, 32, true);
            return Keep(uint32_t(field(0)), std::move(o));
        }
        case EMR_DELETEOBJECT:
            return;
        case EMR_EXTTEXTOUTW: {
            const size_t text = f + 28;  // the text's fields after bounds and scales
            const int x = R.I32(text, "text position"), y = R.I32(text + 4, "text position");
            const uint32_t n = R.U32(text + 8, "character count");
            const uint32_t off = R.U32(text + 12, "text offset");
            const uint32_t options = R.U32(text + 16, "text options");
            if (off > size || n > (size - off) / 2)
                MetafileFault(text + 8, "text beyond the record");
            std::string s = Utf16At(R, at + off, n, false);
            if (options & ETO_CLIPPED) {
                std::vector<int> args = Ints(text + 20, 4);
                args.push_back(x);
                args.push_back(y);
                return PutOp(TMetaOp::TextRect, std::move(args), std::move(s));
            }
            return PutOp(TMetaOp::TextOut, {x, y}, std::move(s));
        }
        case EMR_BITBLT: {
            if (R.U32(f + 32, "raster operation") != PatCopy) return;  // only fills are written
            const int x = field(4), y = field(5), w = field(6), h = field(7);
            return PutOp(TMetaOp::FillRect, {x, y, x + w, y + h});
        }
        case EMR_STRETCHDIBITS: {
            const uint32_t offBmi = R.U32(f + 40, "bitmap offset"),
                           cbBmi = R.U32(f + 44, "bitmap size");
            const uint32_t offBits = R.U32(f + 48, "bits offset"),
                           cbBits = R.U32(f + 52, "bits size");
            if (offBmi > size || cbBmi > size - offBmi || offBits > size || cbBits > size - offBits)
                MetafileFault(f + 40, "bitmap beyond the record");
            TMetaRecord r;
            r.Kind = TMetaKind::Image;
            r.Picture = ReadDib(R, at + offBmi, cbBmi, at + offBits, cbBits);
            const int x = field(4), y = field(5);
            r.Args = {x, y, x + field(16), y + field(17), int(Rop3ToPenMode(R.U32(f + 60, "rop")))};
            Out.push_back(std::move(r));
            return;
        }
        case EMR_EXTSELECTCLIPRGN: {
            const uint32_t cb = R.U32(f, "region size");
            const int mode = field(1);
            TMetaRecord r;
            r.Kind = TMetaKind::Clip;
            if (cb == 0) {
                r.Args = {RGN_COPY, 0};
            } else {
                if (cb < 32 || cb > size - 16) MetafileFault(f, "region beyond the record");
                const uint32_t n = R.U32(f + 16, "rectangle count");
                if (n > (cb - 32) / 16) MetafileFault(f + 16, "rectangles beyond the region");
                r.Args = {mode, 1};
                for (uint32_t i = 0; i < n; ++i) {
                    const std::vector<int> q = Ints(f + 40 + 16 * size_t(i), 4);
                    r.Rects.push_back(Rect(q[0], q[1], q[2], q[3]));
                }
            }
            Out.push_back(std::move(r));
            return;
        }
        default:
            return;  // records we do not draw are passed over
    }
}

}  // namespace

void ReadEnhancedMetafile(TMetafile& metafile, const uint8_t* data, size_t size) {
    TEmfReader e(data, size);
    const TMetaReader& r = e.R;
    if (r.U32(0, "header") != EMR_HEADER) MetafileFault(0, "not an enhanced metafile");
    const uint32_t headerSize = r.U32(4, "header size");
    if (headerSize < 88 || headerSize % 4 || headerSize > size) MetafileFault(4, "header size");
    if (r.U32(40, "signature") != EmfSignature) MetafileFault(40, "signature");
    const uint32_t total = r.U32(48, "file size");
    if (total < headerSize || total > size) MetafileFault(48, "file size");
    const TRect bounds =
        Rect(r.I32(8, "bounds"), r.I32(12, "bounds"), r.I32(16, "bounds"), r.I32(20, "bounds"));
    const TRect frame =
        Rect(r.I32(24, "frame"), r.I32(28, "frame"), r.I32(32, "frame"), r.I32(36, "frame"));
    size_t at = headerSize;
    bool ended = false;
    while (!ended) {
        if (at + 8 > total) MetafileFault(at, "no end-of-file record");
        const uint32_t type = r.U32(at, "record type"), recordSize = r.U32(at + 4, "record size");
        if (recordSize < 8 || recordSize % 4 || recordSize > total - at)
            MetafileFault(at + 4, "record size");
        if (type == EMR_EOF)
            ended = true;
        else
            e.Record(type, at, recordSize);
        at += recordSize;
    }
    metafile.SetRecords(std::move(e.Out));
    const int64_t w = int64_t(bounds.Right) - bounds.Left + 1;
    const int64_t h = int64_t(bounds.Bottom) - bounds.Top + 1;
    metafile.SetWidth(w > 0 && w <= INT32_MAX ? int(w) : 0);
    metafile.SetHeight(h > 0 && h <= INT32_MAX ? int(h) : 0);
    metafile.SetMMWidth(frame.Right - frame.Left);
    metafile.SetMMHeight(frame.Bottom - frame.Top);
}
