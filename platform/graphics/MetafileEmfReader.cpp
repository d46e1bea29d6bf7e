// Reading the enhanced metafile file (see MetafileEmfWriter.cpp for its form). Records are
// passed to a handler by type from one table, which also gives the smallest size at which the
// fields a handler reads lie inside the record; records we do not draw are passed over.
#include <QString>
#include <algorithm>
#include <unordered_map>

#include "platform/graphics/Brush.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/MetafileBytes.h"
#include "platform/graphics/MetafileEmfRecords.h"

namespace {

// What a file may hold at most, decided here once. Anything beyond is refused with a message
// naming the limit, so a damaged or hostile file costs bounded memory and time.
struct TEmfLimits {
    // Records kept for playing back: each costs about a hundred bytes in memory, so a file of
    // tiny records could otherwise take fifteen times its size. Four million is far beyond any
    // drawing we make or meet.
    static constexpr size_t Records = size_t(1) << 22;
    // Objects by handle: the header counts the handle table in 16 bits, so a file that makes
    // more distinct handles than that is damaged.
    static constexpr size_t Objects = size_t(1) << 16;
};

// a + b kept in range: a position and an extent from the file may reach the ends of the
// integers, and their far edge is wanted as an int. The extent is kept within +-INT32_MAX first,
// so that the writer can give the span from a to the far edge in the file's 32-bit field again
// (an extent of INT32_MIN would come back as 2^31, which wraps).
int FarEdge(int a, int b) {
    const int64_t extent = std::max<int64_t>(b, -int64_t(INT32_MAX));
    return int(std::clamp<int64_t>(int64_t(a) + extent, INT32_MIN, INT32_MAX));
}

std::string Utf16At(const TMetaReader& r, size_t at, size_t count, bool stopAtNull) {
    QString text;
    for (size_t i = 0; i < count; ++i) {
        const char16_t c = char16_t(r.U16(at + 2 * i, "text"));
        if (stopAtNull && c == 0) break;
        text += QChar(c);
    }
    return text.toUtf8().toStdString();
}

class TEmfReader {
public:
    TEmfReader(const uint8_t* data, size_t size) : R(data, size) {}

    // Reads the records from at to the end-of-file record, which must come before total.
    void ReadRecords(size_t at, size_t total);

    TMetaReader R;
    TMetaRecords Out;

private:
    // One record: where it starts, its size, and where its first field is.
    struct TRec {
        uint32_t Type;
        size_t At;
        size_t Size;
        size_t Fields() const { return At + 8; }
    };
    using THandler = void (TEmfReader::*)(const TRec&);
    struct THandlerEntry {
        uint32_t Type;
        size_t MinimumSize;  // the fields the handler reads lie inside a record this big
        THandler Handler;
    };
    static const THandlerEntry Handlers[];

    void Record(const TRec& rec);
    int Field(const TRec& rec, size_t i) const {
        return R.I32(rec.Fields() + 4 * i, "record field");
    }
    std::vector<int> Ints(size_t at, size_t count) const;
    void Put(TMetaKind kind, std::vector<int> args);
    void PutOp(TMetaOp op, std::vector<int> args, std::string text = {});
    void PutObject(TMetaRecord object);

    // A function per family of records.
    void Box(const TRec& rec);
    void ArcOp(const TRec& rec);
    void Bare(const TRec& rec);
    void MoveOrLine(const TRec& rec);
    void Points(const TRec& rec);
    void RoundRect(const TRec& rec);
    void SetPixel(const TRec& rec);
    void SelectClipPath(const TRec& rec);
    void State(const TRec& rec);
    void SelectObject(const TRec& rec);
    void CreatePen(const TRec& rec);
    void CreateBrush(const TRec& rec);
    void CreateFont(const TRec& rec);
    void Text(const TRec& rec);
    void BitBlt(const TRec& rec);
    void StretchDib(const TRec& rec);
    void Clip(const TRec& rec);
    void Keep(const TRec& rec, TMetaRecord object);

    // The objects the file made, by handle.
    std::unordered_map<uint32_t, TMetaRecord> Objects;
};

// Sorted by type for the search in Record.
const TEmfReader::THandlerEntry TEmfReader::Handlers[] = {
    {EMR_POLYGON, 28, &TEmfReader::Points},
    {EMR_POLYLINE, 28, &TEmfReader::Points},
    {EMR_SETPIXELV, 20, &TEmfReader::SetPixel},
    {EMR_SETBKMODE, 12, &TEmfReader::State},
    {EMR_SETROP2, 12, &TEmfReader::State},
    {EMR_SETTEXTALIGN, 12, &TEmfReader::State},
    {EMR_SETTEXTCOLOR, 12, &TEmfReader::State},
    {EMR_SETBKCOLOR, 12, &TEmfReader::State},
    {EMR_MOVETOEX, 16, &TEmfReader::MoveOrLine},
    {EMR_EXCLUDECLIPRECT, 24, &TEmfReader::Box},
    {EMR_INTERSECTCLIPRECT, 24, &TEmfReader::Box},
    {EMR_SELECTOBJECT, 12, &TEmfReader::SelectObject},
    {EMR_CREATEPEN, 28, &TEmfReader::CreatePen},
    {EMR_CREATEBRUSHINDIRECT, 24, &TEmfReader::CreateBrush},
    {EMR_ELLIPSE, 24, &TEmfReader::Box},
    {EMR_RECTANGLE, 24, &TEmfReader::Box},
    {EMR_ROUNDRECT, 32, &TEmfReader::RoundRect},
    {EMR_ARC, 40, &TEmfReader::ArcOp},
    {EMR_CHORD, 40, &TEmfReader::ArcOp},
    {EMR_PIE, 40, &TEmfReader::ArcOp},
    {EMR_LINETO, 16, &TEmfReader::MoveOrLine},
    {EMR_ARCTO, 40, &TEmfReader::ArcOp},
    {EMR_SETARCDIRECTION, 12, &TEmfReader::State},
    {EMR_BEGINPATH, 8, &TEmfReader::Bare},
    {EMR_ENDPATH, 8, &TEmfReader::Bare},
    {EMR_CLOSEFIGURE, 8, &TEmfReader::Bare},
    {EMR_FILLPATH, 8, &TEmfReader::Bare},
    {EMR_STROKEANDFILLPATH, 8, &TEmfReader::Bare},
    {EMR_STROKEPATH, 8, &TEmfReader::Bare},
    {EMR_FLATTENPATH, 8, &TEmfReader::Bare},
    {EMR_WIDENPATH, 8, &TEmfReader::Bare},
    {EMR_SELECTCLIPPATH, 12, &TEmfReader::SelectClipPath},
    {EMR_ABORTPATH, 8, &TEmfReader::Bare},
    {EMR_EXTSELECTCLIPRGN, 16, &TEmfReader::Clip},
    {EMR_BITBLT, 100, &TEmfReader::BitBlt},
    {EMR_STRETCHDIBITS, 80, &TEmfReader::StretchDib},
    {EMR_EXTCREATEFONTINDIRECTW, 104, &TEmfReader::CreateFont},
    {EMR_EXTTEXTOUTW, 76, &TEmfReader::Text},
};

void TEmfReader::ReadRecords(size_t at, size_t total) {
    for (;;) {
        if (at + 8 > total) MetafileFault(at, "no end-of-file record");
        const uint32_t type = R.U32(at, "record type"), size = R.U32(at + 4, "record size");
        if (size < 8 || size % 4 || size > total - at) MetafileFault(at + 4, "record size");
        if (type == EMR_EOF) return;
        Record({type, at, size});
        if (Out.size() > TEmfLimits::Records)
            MetafileFault(at, "more than " + std::to_string(TEmfLimits::Records) + " records");
        at += size;
    }
}

void TEmfReader::Record(const TRec& rec) {
    const auto* end = std::end(Handlers);
    const auto* entry =
        std::lower_bound(std::begin(Handlers), end, rec.Type,
                         [](const THandlerEntry& e, uint32_t type) { return e.Type < type; });
    if (entry == end || entry->Type != rec.Type) return;  // records we do not draw
    if (rec.Size < entry->MinimumSize) MetafileFault(rec.At, "record too short");
    (this->*entry->Handler)(rec);
}

std::vector<int> TEmfReader::Ints(size_t at, size_t count) const {
    std::vector<int> v(count);
    for (size_t i = 0; i < count; ++i) v[i] = R.I32(at + 4 * i, "record field");
    return v;
}

void TEmfReader::Put(TMetaKind kind, std::vector<int> args) {
    TMetaRecord r;
    r.Kind = kind;
    r.Args = std::move(args);
    Out.push_back(std::move(r));
}

void TEmfReader::PutOp(TMetaOp op, std::vector<int> args, std::string text) {
    TMetaRecord r;
    r.Op = op;
    r.Args = std::move(args);
    r.Text = std::move(text);
    Out.push_back(std::move(r));
}

// A pen, brush or font selected right after another of its kind replaces it: nothing was drawn
// with the first. The writer selects a stock object while it replaces one of ours; kept, that
// selection would come back as a record of its own, one more on each save and load.
void TEmfReader::PutObject(TMetaRecord object) {
    if (!Out.empty() && Out.back().Kind == object.Kind)
        Out.back() = std::move(object);
    else
        Out.push_back(std::move(object));
}

void TEmfReader::Box(const TRec& rec) {
    PutOp(FindEmfType(EmfBoxOps, rec.Type)->Op, Ints(rec.Fields(), 4));
}

void TEmfReader::ArcOp(const TRec& rec) {
    PutOp(FindEmfType(EmfArcOps, rec.Type)->Op, Ints(rec.Fields(), 8));
}

// Path records: nothing to read (a path's bounds are worked out again when it is drawn).
void TEmfReader::Bare(const TRec& rec) {
    const TEmfOpCode* op = FindEmfType(EmfBareOps, rec.Type);
    if (!op) op = FindEmfType(EmfBoundedOps, rec.Type);
    PutOp(op->Op, {});
}

void TEmfReader::MoveOrLine(const TRec& rec) {
    PutOp(rec.Type == EMR_MOVETOEX ? TMetaOp::MoveTo : TMetaOp::LineTo, Ints(rec.Fields(), 2));
}

void TEmfReader::Points(const TRec& rec) {
    const size_t f = rec.Fields();
    const uint32_t n = R.U32(f + 16, "point count");
    if (n > (rec.Size - 28) / 8) MetafileFault(f + 16, "point count beyond the record");
    PutOp(rec.Type == EMR_POLYGON ? TMetaOp::Polygon : TMetaOp::Polyline,
          Ints(f + 20, size_t(n) * 2));
}

void TEmfReader::RoundRect(const TRec& rec) { PutOp(TMetaOp::RoundRect, Ints(rec.Fields(), 6)); }

void TEmfReader::SetPixel(const TRec& rec) {
    PutOp(TMetaOp::SetPixel, {Field(rec, 0), Field(rec, 1), Field(rec, 2) & 0xFFFFFF});
}

void TEmfReader::SelectClipPath(const TRec& rec) {
    PutOp(TMetaOp::SelectClipPath, {Field(rec, 0)});
}

// The one-field state records.
void TEmfReader::State(const TRec& rec) {
    const int v = Field(rec, 0);
    switch (rec.Type) {
        case EMR_SETBKMODE:
            return Put(TMetaKind::BkMode, {v});
        case EMR_SETBKCOLOR:
            return Put(TMetaKind::BkColor, {v & 0xFFFFFF});
        case EMR_SETTEXTCOLOR:
            return Put(TMetaKind::TextColor, {v & 0xFFFFFF});
        case EMR_SETTEXTALIGN:
            return Put(TMetaKind::TextAlign, {v});
        case EMR_SETROP2:
            return Put(TMetaKind::Rop, {int(Rop2ToPenMode(v))});
        case EMR_SETARCDIRECTION:
            return Put(TMetaKind::ArcDirection, {v});
    }
}

void TEmfReader::SelectObject(const TRec& rec) {
    auto stock = [&](TMetaKind kind, std::vector<int> args) {
        TMetaRecord r;
        r.Kind = kind;
        r.Args = std::move(args);
        PutObject(std::move(r));
    };
    const uint32_t handle = uint32_t(Field(rec, 0));
    switch (handle) {
        case WHITE_BRUSH:
            return stock(TMetaKind::Brush, {bsSolid, int(clWhite)});
        case BLACK_BRUSH:
            return stock(TMetaKind::Brush, {bsSolid, int(clBlack)});
        case NULL_BRUSH:
            return stock(TMetaKind::Brush, {bsClear, int(clWhite)});
        case WHITE_PEN:
            return stock(TMetaKind::Pen, {psSolid, 1, int(clWhite), 0, 0});
        case BLACK_PEN:
            return stock(TMetaKind::Pen, {psSolid, 1, int(clBlack), 0, 0});
        case NULL_PEN:
            return stock(TMetaKind::Pen, {psClear, 1, int(clBlack), 0, 0});
    }
    const auto found = Objects.find(handle);
    if (found != Objects.end()) PutObject(found->second);
}

// An object made under a handle replaces any the handle had.
void TEmfReader::Keep(const TRec& rec, TMetaRecord object) {
    const uint32_t handle = uint32_t(Field(rec, 0));
    const auto [slot, made] = Objects.try_emplace(handle);
    if (made && Objects.size() > TEmfLimits::Objects)
        MetafileFault(rec.At, "more than " + std::to_string(TEmfLimits::Objects) + " objects");
    slot->second = std::move(object);
}

void TEmfReader::CreatePen(const TRec& rec) {
    TMetaRecord o;
    o.Kind = TMetaKind::Pen;
    const uint32_t style = uint32_t(Field(rec, 1));
    o.Args = {int(std::min(style & 0xF, 6u)), Field(rec, 2), Field(rec, 4) & 0xFFFFFF,
              int(std::min((style >> 8) & 0xF, 2u)), int(std::min((style >> 12) & 0xF, 2u))};
    Keep(rec, std::move(o));
}

void TEmfReader::CreateBrush(const TRec& rec) {
    TMetaRecord o;
    o.Kind = TMetaKind::Brush;
    const int style = Field(rec, 1), hatch = Field(rec, 3);
    o.Args = {style == 1   ? int(bsClear)
              : style == 2 ? int(bsHorizontal) + std::clamp(hatch, 0, 5)
                           : int(bsSolid),
              Field(rec, 2) & 0xFFFFFF};
    Keep(rec, std::move(o));
}

void TEmfReader::CreateFont(const TRec& rec) {
    const size_t f = rec.Fields();
    TMetaRecord o;
    o.Kind = TMetaKind::Font;
    const uint8_t* b = R.Need(f + 24, 4, "font flags");
    o.Args = {Field(rec, 1), Field(rec, 5) >= 600, b[0] != 0, b[1] != 0,
              b[2] != 0,     Field(rec, 3),        b[3]};
    o.Text = Utf16At(R, f + 32, 32, true);
    Keep(rec, std::move(o));
}

void TEmfReader::Text(const TRec& rec) {
    const size_t text = rec.Fields() + 28;  // the text's fields after bounds and scales
    const int x = R.I32(text, "text position"), y = R.I32(text + 4, "text position");
    const uint32_t n = R.U32(text + 8, "character count");
    const uint32_t off = R.U32(text + 12, "text offset");
    const uint32_t options = R.U32(text + 16, "text options");
    if (off > rec.Size || n > (rec.Size - off) / 2)
        MetafileFault(text + 8, "text beyond the record");
    std::string s = Utf16At(R, rec.At + off, n, false);
    if (options & EmfEtoClipped) {
        std::vector<int> args = Ints(text + 20, 4);
        args.push_back(x);
        args.push_back(y);
        return PutOp(TMetaOp::TextRect, std::move(args), std::move(s));
    }
    PutOp(TMetaOp::TextOut, {x, y}, std::move(s));
}

void TEmfReader::BitBlt(const TRec& rec) {
    // Only fills are written; copies from a source are passed over.
    if (R.U32(rec.Fields() + 32, "raster operation") != EmfPatCopy) return;
    const int x = Field(rec, 4), y = Field(rec, 5), w = Field(rec, 6), h = Field(rec, 7);
    PutOp(TMetaOp::FillRect, {x, y, FarEdge(x, w), FarEdge(y, h)});
}

void TEmfReader::StretchDib(const TRec& rec) {
    const size_t f = rec.Fields();
    const uint32_t offBmi = R.U32(f + 40, "bitmap offset"), cbBmi = R.U32(f + 44, "bitmap size");
    const uint32_t offBits = R.U32(f + 48, "bits offset"), cbBits = R.U32(f + 52, "bits size");
    if (offBmi > rec.Size || cbBmi > rec.Size - offBmi || offBits > rec.Size ||
        cbBits > rec.Size - offBits)
        MetafileFault(f + 40, "bitmap beyond the record");
    TMetaRecord r;
    r.Kind = TMetaKind::Image;
    r.Picture = ReadDib(R, rec.At + offBmi, cbBmi, rec.At + offBits, cbBits);
    const int x = Field(rec, 4), y = Field(rec, 5);
    r.Args = {x, y, FarEdge(x, Field(rec, 16)), FarEdge(y, Field(rec, 17)),
              int(Rop3ToPenMode(R.U32(f + 60, "rop")))};
    Out.push_back(std::move(r));
}

void TEmfReader::Clip(const TRec& rec) {
    const size_t f = rec.Fields();
    const uint32_t cb = R.U32(f, "region size");
    const int mode = Field(rec, 1);
    TMetaRecord r;
    r.Kind = TMetaKind::Clip;
    if (cb == 0) {
        r.Args = {RGN_COPY, 0};
    } else {
        if (cb < 32 || cb > rec.Size - 16) MetafileFault(f, "region beyond the record");
        const uint32_t n = R.U32(f + 16, "rectangle count");
        if (n > (cb - 32) / 16) MetafileFault(f + 16, "rectangles beyond the region");
        r.Args = {mode, 1};
        for (uint32_t i = 0; i < n; ++i) {
            const std::vector<int> q = Ints(f + 40 + 16 * size_t(i), 4);
            r.Rects.push_back(Rect(q[0], q[1], q[2], q[3]));
        }
    }
    Out.push_back(std::move(r));
}

// The header's rectangle in its four fields from at.
TRect HeaderRect(const TMetaReader& r, size_t at, const char* what) {
    return Rect(r.I32(at, what), r.I32(at + 4, what), r.I32(at + 8, what), r.I32(at + 12, what));
}

// An extent from the header's inclusive bounds, or 0 when it does not fit.
int InclusiveExtent(int from, int to) {
    const int64_t v = int64_t(to) - from + 1;
    return v > 0 && v <= INT32_MAX ? int(v) : 0;
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
    const TRect bounds = HeaderRect(r, 8, "bounds");
    const TRect frame = HeaderRect(r, 24, "frame");
    e.ReadRecords(headerSize, total);
    metafile.SetRecords(std::move(e.Out));
    metafile.SetWidth(InclusiveExtent(bounds.Left, bounds.Right));
    metafile.SetHeight(InclusiveExtent(bounds.Top, bounds.Bottom));
    // The frame's extent, kept in range (SetMMWidth keeps it from going negative).
    metafile.SetMMWidth(int(std::clamp<int64_t>(int64_t(frame.Right) - frame.Left, 0, INT32_MAX)));
    metafile.SetMMHeight(int(std::clamp<int64_t>(int64_t(frame.Bottom) - frame.Top, 0, INT32_MAX)));
}
