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
#include "platform/graphics/Path.h"
#include "platform/rtl/Cp1252.h"
#include "platform/rtl/Streams.h"

namespace {

enum : uint16_t {
    META_EOF = 0x0000,
    META_SETBKCOLOR = 0x0201,
    META_SETBKMODE = 0x0102,
    META_SETROP2 = 0x0104,
    META_SETTEXTALIGN = 0x012E,
    META_SETTEXTCOLOR = 0x0209,
    META_SETWINDOWORG = 0x020B,
    META_SETWINDOWEXT = 0x020C,
    META_MOVETO = 0x0214,
    META_LINETO = 0x0213,
    META_POLYGON = 0x0324,
    META_POLYLINE = 0x0325,
    META_RECTANGLE = 0x041B,
    META_ELLIPSE = 0x0418,
    META_ROUNDRECT = 0x061C,
    META_ARC = 0x0817,
    META_PIE = 0x081A,
    META_CHORD = 0x0830,
    META_SETPIXEL = 0x041F,
    META_EXCLUDECLIPRECT = 0x0415,
    META_INTERSECTCLIPRECT = 0x0416,
    META_PATBLT = 0x061D,
    META_EXTTEXTOUT = 0x0A32,
    META_SELECTOBJECT = 0x012D,
    META_DELETEOBJECT = 0x01F0,
    META_CREATEPENINDIRECT = 0x02FA,
    META_CREATEFONTINDIRECT = 0x02FB,
    META_CREATEBRUSHINDIRECT = 0x02FC,
    META_STRETCHDIB = 0x0F43,
};

constexpr uint32_t PlaceableKey = 0x9AC6CDD7;
constexpr uint32_t PatCopy = 0x00F00021;
constexpr uint16_t ETO_OPAQUE = 2, ETO_CLIPPED = 4;

int Clamp16(int v) { return std::clamp(v, -32768, 32767); }

class TWmfWriter {
public:
    TMetaWriter W;
    uint32_t MaxRecord = 0;
    std::vector<bool> Slots;

    size_t Begin(uint16_t function) {
        const size_t at = W.Size();
        W.U32(0);
        W.U16(function);
        return at;
    }
    void End(size_t at) {
        W.Pad(2);
        const uint32_t words = uint32_t((W.Size() - at) / 2);
        W.PatchU32(at, words);
        MaxRecord = std::max(MaxRecord, words);
    }
    // A record of 16-bit parameters.
    void Simple(uint16_t function, std::initializer_list<int> params) {
        const size_t at = Begin(function);
        for (int p : params) W.I16(Clamp16(p));
        End(at);
    }
    void Color(uint16_t function, TColor color) {
        const size_t at = Begin(function);
        W.U32(uint32_t(ColorToRGB(color)));
        End(at);
    }
    // Deletes the object in slot (if any) and gives the slot the next object takes.
    int Replace(int& slot) {
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
};

}  // namespace

void WritePlaceableMetafile(const TMetafile& metafile, TStream& stream) {
    TWmfWriter e;
    TMetaWriter& w = e.W;
    // Placement header with its checksum over the first ten words.
    w.U32(PlaceableKey);
    w.U16(0);
    w.I16(0);
    w.I16(0);
    w.I16(Clamp16(metafile.Width()));
    w.I16(Clamp16(metafile.Height()));
    w.U16(ScreenPixelsPerInch);
    w.U32(0);
    uint16_t sum = 0;
    for (size_t i = 0; i < 20; i += 2) sum ^= uint16_t(w.Bytes[i] | w.Bytes[i + 1] << 8);
    w.U16(sum);
    const size_t header = w.Size();
    w.U16(1);  // in memory
    w.U16(9);  // header words
    w.U16(0x0300);
    w.U32(0);  // size in words, patched
    w.U16(0);  // objects, patched
    w.U32(0);  // largest record, patched
    w.U16(0);
    e.Simple(META_SETWINDOWORG, {0, 0});
    e.Simple(META_SETWINDOWEXT, {metafile.Height(), metafile.Width()});
    int pen = -1, brush = -1, font = -1;
    int arcDirection = AD_COUNTERCLOCKWISE;
    bool inPath = false;
    for (const TMetaRecord& r : metafile.Records()) {
        const std::vector<int>& a = r.Args;
        switch (r.Kind) {
            case TMetaKind::Pen: {
                const int slot = e.Replace(pen);
                const size_t at = e.Begin(META_CREATEPENINDIRECT);
                w.U16(uint16_t(a[0] | a[3] << 8 | a[4] << 12));
                w.I16(Clamp16(a[1]));
                w.I16(0);
                w.U32(uint32_t(ColorToRGB(TColor(a[2]))));
                e.End(at);
                e.Simple(META_SELECTOBJECT, {slot});
                break;
            }
            case TMetaKind::Brush: {
                const int slot = e.Replace(brush);
                const size_t at = e.Begin(META_CREATEBRUSHINDIRECT);
                const TBrushStyle s = TBrushStyle(a[0]);
                w.U16(s == bsSolid ? 0 : s == bsClear ? 1 : 2);
                w.U32(uint32_t(ColorToRGB(TColor(a[1]))));
                w.U16(s >= bsHorizontal ? uint16_t(s - bsHorizontal) : 0);
                e.End(at);
                e.Simple(META_SELECTOBJECT, {slot});
                break;
            }
            case TMetaKind::Font: {
                const int slot = e.Replace(font);
                const size_t at = e.Begin(META_CREATEFONTINDIRECT);
                for (int v : {a[0], 0, a[5], a[5], a[1] ? 700 : 400}) w.I16(Clamp16(v));
                for (int v : {a[2], a[3], a[4], a[6], 0, 0, 0, 0}) w.U8(uint8_t(v));
                const std::string name = Utf8ToCp1252(r.Text).substr(0, 31);
                w.Raw(name.data(), name.size());
                for (size_t i = name.size(); i < 32; ++i) w.U8(0);
                e.End(at);
                e.Simple(META_SELECTOBJECT, {slot});
                break;
            }
            case TMetaKind::BkMode:
                e.Simple(META_SETBKMODE, {a[0], 0});
                break;
            case TMetaKind::BkColor:
                e.Color(META_SETBKCOLOR, TColor(a[0]));
                break;
            case TMetaKind::TextColor:
                e.Color(META_SETTEXTCOLOR, TColor(a[0]));
                break;
            case TMetaKind::TextAlign:
                e.Simple(META_SETTEXTALIGN, {a[0], 0});
                break;
            case TMetaKind::Rop:
                e.Simple(META_SETROP2, {PenModeToRop2(TPenMode(a[0])), 0});
                break;
            case TMetaKind::ArcDirection:
                arcDirection = a[0];
                break;
            case TMetaKind::Clip:
                break;
            case TMetaKind::Image: {
                const TBitmap& p = *r.Picture;
                const size_t at = e.Begin(META_STRETCHDIB);
                w.U32(PenModeToRop3(TPenMode(a[4])));
                w.U16(0);
                for (int v : {p.Height(), p.Width(), 0, 0, a[3] - a[1], a[2] - a[0], a[1], a[0]})
                    w.I16(Clamp16(v));
                WriteDib(w, p);
                e.End(at);
                break;
            }
            case TMetaKind::Op: {
                if (r.Op == TMetaOp::BeginPath) inPath = true;
                const bool endsPath = r.Op == TMetaOp::AbortPath || r.Op == TMetaOp::FillPath ||
                                      r.Op == TMetaOp::StrokePath ||
                                      r.Op == TMetaOp::StrokeAndFillPath ||
                                      r.Op == TMetaOp::SelectClipPath;
                if (inPath) {
                    inPath = !endsPath;
                    break;
                }
                // Arcs run counter-clockwise here: a clockwise one is the same arc from its end.
                const bool turn = arcDirection == AD_CLOCKWISE;
                auto arc = [&](uint16_t function) {
                    const int sx = turn ? a[6] : a[4], sy = turn ? a[7] : a[5];
                    const int ex = turn ? a[4] : a[6], ey = turn ? a[5] : a[7];
                    e.Simple(function, {ey, ex, sy, sx, a[3], a[2], a[1], a[0]});
                };
                switch (r.Op) {
                    case TMetaOp::MoveTo:
                        e.Simple(META_MOVETO, {a[1], a[0]});
                        break;
                    case TMetaOp::LineTo:
                        e.Simple(META_LINETO, {a[1], a[0]});
                        break;
                    case TMetaOp::Polyline:
                    case TMetaOp::Polygon: {
                        const size_t at =
                            e.Begin(r.Op == TMetaOp::Polygon ? META_POLYGON : META_POLYLINE);
                        w.U16(uint16_t(a.size() / 2));
                        for (size_t i = 0; i + 1 < a.size(); i += 2) {
                            w.I16(Clamp16(a[i]));
                            w.I16(Clamp16(a[i + 1]));
                        }
                        e.End(at);
                        break;
                    }
                    case TMetaOp::Rectangle:
                        e.Simple(META_RECTANGLE, {a[3], a[2], a[1], a[0]});
                        break;
                    case TMetaOp::Ellipse:
                        e.Simple(META_ELLIPSE, {a[3], a[2], a[1], a[0]});
                        break;
                    case TMetaOp::RoundRect:
                        e.Simple(META_ROUNDRECT, {a[5], a[4], a[3], a[2], a[1], a[0]});
                        break;
                    case TMetaOp::Arc:
                        arc(META_ARC);
                        break;
                    case TMetaOp::Pie:
                        arc(META_PIE);
                        break;
                    case TMetaOp::Chord:
                        arc(META_CHORD);
                        break;
                    case TMetaOp::ArcTo: {
                        // A line to the arc's start, the arc, and the pen at its end.
                        const TRect box = NormalizedRect(Rect(a[0], a[1], a[2], a[3]));
                        const TPoint s = EllipseRadialPoint(box, Point(a[4], a[5]));
                        const TPoint t = EllipseRadialPoint(box, Point(a[6], a[7]));
                        e.Simple(META_LINETO, {s.Y, s.X});
                        arc(META_ARC);
                        e.Simple(META_MOVETO, {t.Y, t.X});
                        break;
                    }
                    case TMetaOp::FillRect:
                    case TMetaOp::FrameRect: {
                        const TRect b = NormalizedRect(Rect(a[0], a[1], a[2], a[3]));
                        auto patBlt = [&](const TRect& q) {
                            if (q.IsEmpty()) return;
                            const size_t at = e.Begin(META_PATBLT);
                            w.U32(PatCopy);
                            for (int v : {q.Height(), q.Width(), q.Top, q.Left}) w.I16(Clamp16(v));
                            e.End(at);
                        };
                        if (r.Op == TMetaOp::FillRect || b.Width() <= 2 || b.Height() <= 2) {
                            patBlt(b);
                        } else {
                            patBlt(Rect(b.Left, b.Top, b.Right, b.Top + 1));
                            patBlt(Rect(b.Left, b.Bottom - 1, b.Right, b.Bottom));
                            patBlt(Rect(b.Left, b.Top + 1, b.Left + 1, b.Bottom - 1));
                            patBlt(Rect(b.Right - 1, b.Top + 1, b.Right, b.Bottom - 1));
                        }
                        break;
                    }
                    case TMetaOp::SetPixel: {
                        const size_t at = e.Begin(META_SETPIXEL);
                        w.U32(uint32_t(ColorToRGB(TColor(a[2]))));
                        w.I16(Clamp16(a[1]));
                        w.I16(Clamp16(a[0]));
                        e.End(at);
                        break;
                    }
                    case TMetaOp::IntersectClipRect:
                        e.Simple(META_INTERSECTCLIPRECT, {a[3], a[2], a[1], a[0]});
                        break;
                    case TMetaOp::ExcludeClipRect:
                        e.Simple(META_EXCLUDECLIPRECT, {a[3], a[2], a[1], a[0]});
                        break;
                    case TMetaOp::TextOut:
                    case TMetaOp::TextRect: {
                        const bool boxed = r.Op == TMetaOp::TextRect;
                        const std::string text = Utf8ToCp1252(r.Text).substr(0, 32767);
                        const size_t at = e.Begin(META_EXTTEXTOUT);
                        w.I16(Clamp16(boxed ? a[5] : a[1]));
                        w.I16(Clamp16(boxed ? a[4] : a[0]));
                        w.U16(uint16_t(text.size()));
                        w.U16(boxed ? ETO_CLIPPED : 0);
                        if (boxed)
                            for (int i = 0; i < 4; ++i) w.I16(Clamp16(a[size_t(i)]));
                        w.Raw(text.data(), text.size());
                        e.End(at);
                        break;
                    }
                    default:
                        break;
                }
                break;
            }
        }
    }
    e.Simple(META_EOF, {});
    w.PatchU32(header + 6, uint32_t((w.Size() - header) / 2));
    w.PatchU16(header + 10, uint32_t(e.Slots.size()));
    w.PatchU32(header + 12, e.MaxRecord);
    stream.WriteBuffer(w.Bytes.data(), int64_t(w.Size()));
}

// --- Reading

void ReadPlaceableMetafile(TMetafile& metafile, const uint8_t* data, size_t size) {
    const TMetaReader r(data, size);
    if (r.U32(0, "placement key") != PlaceableKey) MetafileFault(0, "not a placeable metafile");
    uint16_t sum = 0;
    for (size_t i = 0; i < 20; i += 2) sum ^= uint16_t(r.U16(i, "placement header"));
    if (sum != r.U16(20, "checksum")) MetafileFault(20, "checksum");
    const int left = r.I16(6, "box"), top = r.I16(8, "box"), right = r.I16(10, "box"),
              bottom = r.I16(12, "box");
    const int inch = int(r.U16(14, "units per inch"));
    if (inch <= 0) MetafileFault(14, "units per inch");
    const size_t header = 22;
    const uint32_t type = r.U16(header, "header"), words = r.U16(header + 2, "header");
    if ((type != 1 && type != 2) || words != 9) MetafileFault(header, "metafile header");
    TMetaRecords out;
    std::vector<TMetaRecord> slots;  // the object table; Kind Op marks a free slot
    auto put = [&](TMetaKind kind, std::vector<int> args) {
        TMetaRecord rec;
        rec.Kind = kind;
        rec.Args = std::move(args);
        out.push_back(std::move(rec));
    };
    auto op = [&](TMetaOp o, std::vector<int> args, std::string text = {}) {
        TMetaRecord rec;
        rec.Op = o;
        rec.Args = std::move(args);
        rec.Text = std::move(text);
        out.push_back(std::move(rec));
    };
    auto keep = [&](TMetaRecord object) {
        for (TMetaRecord& s : slots)
            if (s.Kind == TMetaKind::Op) {
                s = std::move(object);
                return;
            }
        slots.push_back(std::move(object));
    };
    size_t at = header + 18;
    for (;;) {
        const uint32_t recordWords = r.U32(at, "record size");
        if (recordWords < 3 || recordWords > (size - at) / 2) MetafileFault(at, "record size");
        const size_t end = at + size_t(recordWords) * 2;
        const uint16_t function = uint16_t(r.U16(at + 4, "record function"));
        const size_t p = at + 6;
        const size_t count = (end - p) / 2;  // parameter words
        auto need = [&](size_t n) {
            if (count < n) MetafileFault(at, "record too short");
        };
        auto s16 = [&](size_t i) { return r.I16(p + 2 * i, "record field"); };
        auto color = [&](size_t i) { return int(r.U32(p + 2 * i, "colour") & 0xFFFFFF); };
        if (function == META_EOF) break;
        switch (function) {
            case META_SETBKCOLOR:
                need(2);
                put(TMetaKind::BkColor, {color(0)});
                break;
            case META_SETTEXTCOLOR:
                need(2);
                put(TMetaKind::TextColor, {color(0)});
                break;
            case META_SETBKMODE:
                need(1);
                put(TMetaKind::BkMode, {s16(0)});
                break;
            case META_SETROP2:
                need(1);
                put(TMetaKind::Rop, {int(Rop2ToPenMode(s16(0)))});
                break;
            case META_SETTEXTALIGN:
                need(1);
                put(TMetaKind::TextAlign, {int(uint16_t(s16(0)))});
                break;
            case META_MOVETO:
            case META_LINETO:
                need(2);
                op(function == META_MOVETO ? TMetaOp::MoveTo : TMetaOp::LineTo, {s16(1), s16(0)});
                break;
            case META_POLYGON:
            case META_POLYLINE: {
                need(1);
                const size_t n = size_t(uint16_t(s16(0)));
                need(1 + 2 * n);
                std::vector<int> args(2 * n);
                for (size_t i = 0; i < 2 * n; ++i) args[i] = s16(1 + i);
                op(function == META_POLYGON ? TMetaOp::Polygon : TMetaOp::Polyline,
                   std::move(args));
                break;
            }
            case META_RECTANGLE:
            case META_ELLIPSE:
            case META_INTERSECTCLIPRECT:
            case META_EXCLUDECLIPRECT: {
                need(4);
                const TMetaOp o = function == META_RECTANGLE           ? TMetaOp::Rectangle
                                  : function == META_ELLIPSE           ? TMetaOp::Ellipse
                                  : function == META_INTERSECTCLIPRECT ? TMetaOp::IntersectClipRect
                                                                       : TMetaOp::ExcludeClipRect;
                op(o, {s16(3), s16(2), s16(1), s16(0)});
                break;
            }
            case META_ROUNDRECT:
                need(6);
                op(TMetaOp::RoundRect, {s16(5), s16(4), s16(3), s16(2), s16(1), s16(0)});
                break;
            case META_ARC:
            case META_PIE:
            case META_CHORD: {
                need(8);
                const TMetaOp o = function == META_ARC   ? TMetaOp::Arc
                                  : function == META_PIE ? TMetaOp::Pie
                                                         : TMetaOp::Chord;
                // Arcs of this format run counter-clockwise, whatever the target's direction.
                put(TMetaKind::ArcDirection, {AD_COUNTERCLOCKWISE});
                op(o, {s16(7), s16(6), s16(5), s16(4), s16(3), s16(2), s16(1), s16(0)});
                break;
            }
            case META_SETPIXEL:
                need(4);
                op(TMetaOp::SetPixel, {s16(3), s16(2), color(0)});
                break;
            case META_PATBLT:
                need(6);
                if (r.U32(p, "raster operation") == PatCopy)
                    op(TMetaOp::FillRect, {s16(5), s16(4), s16(5) + s16(3), s16(4) + s16(2)});
                break;
            case META_EXTTEXTOUT: {
                need(4);
                const int y = s16(0), x = s16(1);
                const size_t n = size_t(uint16_t(s16(2)));
                const int options = s16(3);
                const bool boxed = options & (ETO_CLIPPED | ETO_OPAQUE);
                const size_t text = p + 8 + (boxed ? 8 : 0);
                if (text > end || n > end - text) MetafileFault(p + 4, "text beyond the record");
                const uint8_t* bytes = r.Need(text, n, "text");
                std::string s =
                    Cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(bytes), n));
                if (boxed)
                    op(TMetaOp::TextRect, {s16(4), s16(5), s16(6), s16(7), x, y}, std::move(s));
                else
                    op(TMetaOp::TextOut, {x, y}, std::move(s));
                break;
            }
            case META_CREATEPENINDIRECT: {
                need(5);
                const int style = uint16_t(s16(0));
                TMetaRecord o;
                o.Kind = TMetaKind::Pen;
                o.Args = {std::min(style & 0xF, 6), s16(1), color(3),
                          std::min((style >> 8) & 0xF, 2), std::min((style >> 12) & 0xF, 2)};
                keep(std::move(o));
                break;
            }
            case META_CREATEBRUSHINDIRECT: {
                need(4);
                const int style = s16(0), hatch = s16(3);
                TMetaRecord o;
                o.Kind = TMetaKind::Brush;
                o.Args = {style == 1   ? int(bsClear)
                          : style == 2 ? int(bsHorizontal) + std::clamp(hatch, 0, 5)
                                       : int(bsSolid),
                          color(1)};
                keep(std::move(o));
                break;
            }
            case META_CREATEFONTINDIRECT: {
                need(9);
                const uint8_t* b = r.Need(p + 10, 8, "font flags");
                TMetaRecord o;
                o.Kind = TMetaKind::Font;
                o.Args = {s16(0), s16(4) >= 600, b[0] != 0, b[1] != 0, b[2] != 0, s16(2), b[3]};
                const size_t nameAt = p + 18;
                const size_t room = nameAt < end ? std::min<size_t>(32, end - nameAt) : 0;
                const uint8_t* name = r.Need(nameAt, room, "font name");
                const size_t len = size_t(std::find(name, name + room, 0) - name);
                o.Text = Cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(name), len));
                keep(std::move(o));
                break;
            }
            case META_SELECTOBJECT: {
                need(1);
                const size_t slot = size_t(uint16_t(s16(0)));
                if (slot < slots.size() && slots[slot].Kind != TMetaKind::Op)
                    out.push_back(slots[slot]);
                break;
            }
            case META_DELETEOBJECT: {
                need(1);
                const size_t slot = size_t(uint16_t(s16(0)));
                if (slot < slots.size()) slots[slot] = TMetaRecord{};
                break;
            }
            case META_STRETCHDIB: {
                need(11);
                const uint32_t rop = r.U32(p, "raster operation");
                TMetaRecord rec;
                rec.Kind = TMetaKind::Image;
                const size_t dib = p + 22;
                const size_t room = end - dib;
                const size_t headerSize = r.U32(dib, "bitmap header");
                if (headerSize < 40 || headerSize > room) MetafileFault(dib, "bitmap header");
                rec.Picture = ReadDib(r, dib, headerSize, dib + headerSize, room - headerSize);
                const int x = s16(10), y = s16(9), w = s16(8), h = s16(7);
                rec.Args = {x, y, x + w, y + h, int(Rop3ToPenMode(rop))};
                out.push_back(std::move(rec));
                break;
            }
            default:
                break;  // records we do not draw are passed over
        }
        at = end;
    }
    metafile.SetRecords(std::move(out));
    metafile.SetWidth(std::max(0, right - left));
    metafile.SetHeight(std::max(0, bottom - top));
    metafile.SetMMWidth(std::max(0, right - left) * 2540 / inch);
    metafile.SetMMHeight(std::max(0, bottom - top) * 2540 / inch);
}
