// Reading the placeable metafile file (see MetafileWmfWriter.cpp for its form). Each record
// goes to the function for its family; records we do not draw are passed over.
#include <algorithm>
#include <functional>
#include <queue>

#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/MetafileBytes.h"
#include "platform/graphics/MetafileWmfRecords.h"
#include "platform/rtl/Cp1252.h"

namespace {

// What a file may hold at most, decided here once. Anything beyond is refused with a message
// naming the limit, so a damaged or hostile file costs bounded memory and time.
struct TWmfLimits {
    // Records kept for playing back: each costs about a hundred bytes in memory, so a file of
    // six-byte records could otherwise take twenty times its size. Four million is far beyond
    // any drawing we make or meet.
    static constexpr size_t Records = size_t(1) << 22;
    // Slots of the object table: records name a slot in 16 bits, so an object past these could
    // never be selected, and the header counts them in 16 bits too.
    static constexpr size_t Slots = size_t(1) << 16;
};

// One record: where its parameters are and how many 16-bit words they take.
struct TWmfRec {
    size_t At;  // the record's size field
    size_t End;
    uint16_t Function;
    size_t Params;  // the first parameter
    size_t Count;   // parameter words
};

class TWmfReader {
public:
    TWmfReader(const uint8_t* data, size_t size) : R(data, size) {}

    // Reads the records from at to the end-of-file record.
    void ReadRecords(size_t at);

    TMetaReader R;
    TMetaRecords Out;

private:
    void Record(const TWmfRec& rec);
    void Need(const TWmfRec& rec, size_t words) const {
        if (rec.Count < words) MetafileFault(rec.At, "record too short");
    }
    int S16(const TWmfRec& rec, size_t i) const {
        return R.I16(rec.Params + 2 * i, "record field");
    }
    int Colour(const TWmfRec& rec, size_t i) const {
        return int(R.U32(rec.Params + 2 * i, "colour") & 0xFFFFFF);
    }
    void Put(TMetaKind kind, std::vector<int> args);
    void PutOp(TMetaOp op, std::vector<int> args, std::string text = {});

    // A function per family of records.
    void State(const TWmfRec& rec);
    void Points(const TWmfRec& rec);
    void Box(const TWmfRec& rec);
    void ArcOp(const TWmfRec& rec);
    void PatBlt(const TWmfRec& rec);
    void Text(const TWmfRec& rec);
    void CreatePen(const TWmfRec& rec);
    void CreateBrush(const TWmfRec& rec);
    void CreateFont(const TWmfRec& rec);
    void SelectObject(const TWmfRec& rec);
    void DeleteObject(const TWmfRec& rec);
    void StretchDib(const TWmfRec& rec);

    // An object takes the lowest free slot of the table, as the format wants. Freed slots wait
    // in a heap (lowest on top), so making an object costs a logarithm, not a scan of the table.
    void Keep(const TWmfRec& rec, TMetaRecord object);

    std::vector<TMetaRecord> Slots;  // the object table; Kind Op marks a free slot
    std::priority_queue<size_t, std::vector<size_t>, std::greater<size_t>> FFree;
};

void TWmfReader::ReadRecords(size_t at) {
    const size_t size = R.Size();
    for (;;) {
        const uint32_t words = R.U32(at, "record size");
        if (words < 3 || words > (size - at) / 2) MetafileFault(at, "record size");
        const size_t end = at + size_t(words) * 2;
        const uint16_t function = uint16_t(R.U16(at + 4, "record function"));
        if (function == META_EOF) return;
        Record({at, end, function, at + 6, (end - at - 6) / 2});
        if (Out.size() > TWmfLimits::Records)
            MetafileFault(at, "more than " + std::to_string(TWmfLimits::Records) + " records");
        at = end;
    }
}

void TWmfReader::Record(const TWmfRec& rec) {
    switch (rec.Function) {
        case META_SETBKCOLOR:
        case META_SETTEXTCOLOR:
        case META_SETBKMODE:
        case META_SETROP2:
        case META_SETTEXTALIGN:
            return State(rec);
        case META_MOVETO:
        case META_LINETO:
            Need(rec, 2);
            return PutOp(rec.Function == META_MOVETO ? TMetaOp::MoveTo : TMetaOp::LineTo,
                         {S16(rec, 1), S16(rec, 0)});
        case META_POLYGON:
        case META_POLYLINE:
            return Points(rec);
        case META_RECTANGLE:
        case META_ELLIPSE:
        case META_INTERSECTCLIPRECT:
        case META_EXCLUDECLIPRECT:
            return Box(rec);
        case META_ROUNDRECT:
            Need(rec, 6);
            return PutOp(TMetaOp::RoundRect, {S16(rec, 5), S16(rec, 4), S16(rec, 3), S16(rec, 2),
                                              S16(rec, 1), S16(rec, 0)});
        case META_ARC:
        case META_PIE:
        case META_CHORD:
            return ArcOp(rec);
        case META_SETPIXEL:
            Need(rec, 4);
            return PutOp(TMetaOp::SetPixel, {S16(rec, 3), S16(rec, 2), Colour(rec, 0)});
        case META_PATBLT:
            return PatBlt(rec);
        case META_EXTTEXTOUT:
            return Text(rec);
        case META_CREATEPENINDIRECT:
            return CreatePen(rec);
        case META_CREATEBRUSHINDIRECT:
            return CreateBrush(rec);
        case META_CREATEFONTINDIRECT:
            return CreateFont(rec);
        case META_SELECTOBJECT:
            return SelectObject(rec);
        case META_DELETEOBJECT:
            return DeleteObject(rec);
        case META_STRETCHDIB:
            return StretchDib(rec);
        default:
            return;  // records we do not draw are passed over
    }
}

void TWmfReader::Put(TMetaKind kind, std::vector<int> args) {
    TMetaRecord rec;
    rec.Kind = kind;
    rec.Args = std::move(args);
    Out.push_back(std::move(rec));
}

void TWmfReader::PutOp(TMetaOp op, std::vector<int> args, std::string text) {
    TMetaRecord rec;
    rec.Op = op;
    rec.Args = std::move(args);
    rec.Text = std::move(text);
    Out.push_back(std::move(rec));
}

// The state records: colours take two words, the rest one.
void TWmfReader::State(const TWmfRec& rec) {
    switch (rec.Function) {
        case META_SETBKCOLOR:
            Need(rec, 2);
            return Put(TMetaKind::BkColor, {Colour(rec, 0)});
        case META_SETTEXTCOLOR:
            Need(rec, 2);
            return Put(TMetaKind::TextColor, {Colour(rec, 0)});
        case META_SETBKMODE:
            Need(rec, 1);
            return Put(TMetaKind::BkMode, {S16(rec, 0)});
        case META_SETROP2:
            Need(rec, 1);
            return Put(TMetaKind::Rop, {int(Rop2ToPenMode(S16(rec, 0)))});
        case META_SETTEXTALIGN:
            Need(rec, 1);
            return Put(TMetaKind::TextAlign, {int(uint16_t(S16(rec, 0)))});
    }
}

void TWmfReader::Points(const TWmfRec& rec) {
    Need(rec, 1);
    const size_t n = size_t(uint16_t(S16(rec, 0)));
    Need(rec, 1 + 2 * n);
    std::vector<int> args(2 * n);
    for (size_t i = 0; i < 2 * n; ++i) args[i] = S16(rec, 1 + i);
    PutOp(rec.Function == META_POLYGON ? TMetaOp::Polygon : TMetaOp::Polyline, std::move(args));
}

void TWmfReader::Box(const TWmfRec& rec) {
    Need(rec, 4);
    const TMetaOp op = rec.Function == META_RECTANGLE           ? TMetaOp::Rectangle
                       : rec.Function == META_ELLIPSE           ? TMetaOp::Ellipse
                       : rec.Function == META_INTERSECTCLIPRECT ? TMetaOp::IntersectClipRect
                                                                : TMetaOp::ExcludeClipRect;
    PutOp(op, {S16(rec, 3), S16(rec, 2), S16(rec, 1), S16(rec, 0)});
}

void TWmfReader::ArcOp(const TWmfRec& rec) {
    Need(rec, 8);
    const TMetaOp op = rec.Function == META_ARC   ? TMetaOp::Arc
                       : rec.Function == META_PIE ? TMetaOp::Pie
                                                  : TMetaOp::Chord;
    // Arcs of this format run counter-clockwise, whatever the target's direction.
    Put(TMetaKind::ArcDirection, {AD_COUNTERCLOCKWISE});
    PutOp(op, {S16(rec, 7), S16(rec, 6), S16(rec, 5), S16(rec, 4), S16(rec, 3), S16(rec, 2),
               S16(rec, 1), S16(rec, 0)});
}

// Only fills are written; other pattern copies are passed over.
void TWmfReader::PatBlt(const TWmfRec& rec) {
    Need(rec, 6);
    if (R.U32(rec.Params, "raster operation") != WmfPatCopy) return;
    const int x = S16(rec, 5), y = S16(rec, 4);
    PutOp(TMetaOp::FillRect, {x, y, x + S16(rec, 3), y + S16(rec, 2)});
}

void TWmfReader::Text(const TWmfRec& rec) {
    Need(rec, 4);
    const int y = S16(rec, 0), x = S16(rec, 1);
    const size_t n = size_t(uint16_t(S16(rec, 2)));
    const int options = S16(rec, 3);
    const bool boxed = options & (WmfEtoClipped | WmfEtoOpaque);
    const size_t text = rec.Params + 8 + (boxed ? 8 : 0);
    if (text > rec.End || n > rec.End - text)
        MetafileFault(rec.Params + 4, "text beyond the record");
    const uint8_t* bytes = R.Need(text, n, "text");
    std::string s = Cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(bytes), n));
    if (boxed)
        PutOp(TMetaOp::TextRect, {S16(rec, 4), S16(rec, 5), S16(rec, 6), S16(rec, 7), x, y},
              std::move(s));
    else
        PutOp(TMetaOp::TextOut, {x, y}, std::move(s));
}

void TWmfReader::Keep(const TWmfRec& rec, TMetaRecord object) {
    if (!FFree.empty()) {
        Slots[FFree.top()] = std::move(object);
        FFree.pop();
        return;
    }
    if (Slots.size() >= TWmfLimits::Slots)
        MetafileFault(rec.At, "more than " + std::to_string(TWmfLimits::Slots) + " objects");
    Slots.push_back(std::move(object));
}

void TWmfReader::CreatePen(const TWmfRec& rec) {
    Need(rec, 5);
    const int style = uint16_t(S16(rec, 0));
    TMetaRecord o;
    o.Kind = TMetaKind::Pen;
    o.Args = {std::min(style & 0xF, 6), S16(rec, 1), Colour(rec, 3),
              std::min((style >> 8) & 0xF, 2), std::min((style >> 12) & 0xF, 2)};
    Keep(rec, std::move(o));
}

void TWmfReader::CreateBrush(const TWmfRec& rec) {
    Need(rec, 4);
    const int style = S16(rec, 0), hatch = S16(rec, 3);
    TMetaRecord o;
    o.Kind = TMetaKind::Brush;
    o.Args = {style == 1   ? int(bsClear)
              : style == 2 ? int(bsHorizontal) + std::clamp(hatch, 0, 5)
                           : int(bsSolid),
              Colour(rec, 1)};
    Keep(rec, std::move(o));
}

void TWmfReader::CreateFont(const TWmfRec& rec) {
    Need(rec, 9);
    const uint8_t* b = R.Need(rec.Params + 10, 8, "font flags");
    TMetaRecord o;
    o.Kind = TMetaKind::Font;
    o.Args = {S16(rec, 0), S16(rec, 4) >= 600, b[0] != 0, b[1] != 0, b[2] != 0, S16(rec, 2), b[3]};
    const size_t nameAt = rec.Params + 18;
    const size_t room = nameAt < rec.End ? std::min<size_t>(32, rec.End - nameAt) : 0;
    const uint8_t* name = R.Need(nameAt, room, "font name");
    const size_t len = size_t(std::find(name, name + room, 0) - name);
    o.Text = Cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(name), len));
    Keep(rec, std::move(o));
}

void TWmfReader::SelectObject(const TWmfRec& rec) {
    Need(rec, 1);
    const size_t slot = size_t(uint16_t(S16(rec, 0)));
    if (slot < Slots.size() && Slots[slot].Kind != TMetaKind::Op) Out.push_back(Slots[slot]);
}

void TWmfReader::DeleteObject(const TWmfRec& rec) {
    Need(rec, 1);
    const size_t slot = size_t(uint16_t(S16(rec, 0)));
    // A slot already free stays in the heap once.
    if (slot >= Slots.size() || Slots[slot].Kind == TMetaKind::Op) return;
    Slots[slot] = TMetaRecord{};
    FFree.push(slot);
}

void TWmfReader::StretchDib(const TWmfRec& rec) {
    Need(rec, 11);
    const uint32_t rop = R.U32(rec.Params, "raster operation");
    TMetaRecord out;
    out.Kind = TMetaKind::Image;
    const size_t dib = rec.Params + 22;
    const size_t room = rec.End - dib;
    const size_t headerSize = R.U32(dib, "bitmap header");
    if (headerSize < 40 || headerSize > room) MetafileFault(dib, "bitmap header");
    out.Picture = ReadDib(R, dib, headerSize, dib + headerSize, room - headerSize);
    const int x = S16(rec, 10), y = S16(rec, 9), w = S16(rec, 8), h = S16(rec, 7);
    out.Args = {x, y, x + w, y + h, int(Rop3ToPenMode(rop))};
    Out.push_back(std::move(out));
}

}  // namespace

void ReadPlaceableMetafile(TMetafile& metafile, const uint8_t* data, size_t size) {
    TWmfReader reader(data, size);
    const TMetaReader& r = reader.R;
    if (r.U32(0, "placement key") != WmfPlaceableKey) MetafileFault(0, "not a placeable metafile");
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
    reader.ReadRecords(header + 18);
    metafile.SetRecords(std::move(reader.Out));
    metafile.SetWidth(std::max(0, right - left));
    metafile.SetHeight(std::max(0, bottom - top));
    metafile.SetMMWidth(std::max(0, right - left) * 2540 / inch);
    metafile.SetMMHeight(std::max(0, bottom - top) * 2540 / inch);
}
