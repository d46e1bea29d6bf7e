#include "platform/graphics/Metafile.h"

#include <cmath>
#include <cstring>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/MetafileWmfRecords.h"
#include "platform/rtl/Streams.h"

TMetafile::TMetafile() = default;
TMetafile::~TMetafile() = default;

bool TMetafile::Empty() const { return FRecords.empty() && (FWidth == 0 || FHeight == 0); }

namespace {

// Hundredths of a millimetre of pixels at 96 per inch.
int PixelsToMM100(int pixels) { return int(std::lround(pixels * 2540.0 / ScreenPixelsPerInch)); }

}  // namespace

void TMetafile::SetWidth(int value) {
    if (value == FWidth) return;
    FWidth = std::max(0, value);
    FMMWidth = PixelsToMM100(FWidth);
    Changed();
}

void TMetafile::SetHeight(int value) {
    if (value == FHeight) return;
    FHeight = std::max(0, value);
    FMMHeight = PixelsToMM100(FHeight);
    Changed();
}

void TMetafile::SetMMWidth(int value) {
    if (value == FMMWidth) return;
    FMMWidth = std::max(0, value);
    Changed();
}

void TMetafile::SetMMHeight(int value) {
    if (value == FMMHeight) return;
    FMMHeight = std::max(0, value);
    Changed();
}

void TMetafile::SetEnhanced(bool value) {
    if (value == FEnhanced) return;
    FEnhanced = value;
    Changed();
}

void TMetafile::Clear() {
    FRecords.clear();
    FWidth = FHeight = FMMWidth = FMMHeight = 0;
    Changed();
}

void TMetafile::SetRecords(TMetaRecords records) {
    FRecords = std::move(records);
    Changed();
}

void TMetafile::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TMetafile*>(source)) {
        if (other == this) return;
        FRecords = other->FRecords;  // pictures are shared: records never change them
        FWidth = other->FWidth;
        FHeight = other->FHeight;
        FMMWidth = other->FMMWidth;
        FMMHeight = other->FMMHeight;
        FEnhanced = other->FEnhanced;
        Changed();
        return;
    }
    TGraphic::Assign(source);
}

void MetafileFault(size_t offset, const std::string& what) {
    throw EInvalidGraphic(std::string(SInvalidMetafile) + ": " + what + " at offset " +
                          std::to_string(offset));
}

void TMetafile::LoadFromStream(TStream& stream) {
    const int64_t size = stream.Size() - stream.Position();
    if (size < 4) MetafileFault(0, "no header");
    std::vector<uint8_t> data(static_cast<size_t>(size));
    stream.ReadBuffer(data.data(), size);
    uint32_t key;
    std::memcpy(&key, data.data(), 4);
    TMetafile loaded;
    if (key == WmfPlaceableKey) {
        ReadPlaceableMetafile(loaded, data.data(), data.size());
        loaded.FEnhanced = false;
    } else {
        ReadEnhancedMetafile(loaded, data.data(), data.size());
        loaded.FEnhanced = true;
    }
    // Only a whole file replaces the picture.
    Assign(&loaded);
}

void TMetafile::SaveToStream(TStream& stream) {
    if (FEnhanced)
        WriteEnhancedMetafile(*this, stream);
    else
        WritePlaceableMetafile(*this, stream);
}

// --- Playing back

namespace {

// The target's drawing state, given back whatever the records did to it.
class TSavedState {
public:
    explicit TSavedState(TCanvas& c) : C(c) {
        Pen.Assign(c.Pen());
        Brush.Assign(c.Brush());
        Font.Assign(c.Font());
        BkMode = c.BkMode();
        BkColor = c.BkColor();
        TextColor = c.TextColor();
        TextAlign = c.TextAlign();
        ArcDirection = c.ArcDirection();
        CopyMode = c.CopyMode();
        Mapping = c.Mapping();
        PenPos = c.PenPos();
        HasClip = c.GetClipRgn(Clip);
        WasInPath = c.InPath();
    }
    ~TSavedState() {
        // A path the records left open goes; one the target was gathering stays.
        if (!WasInPath && C.InPath()) C.AbortPath();
        C.SetPen(&Pen);
        C.SetBrush(&Brush);
        C.SetFont(&Font);
        C.SetBkMode(BkMode);
        C.SetBkColor(BkColor);
        C.SetTextColor(TextColor);
        C.SetTextAlign(TextAlign);
        C.SetArcDirection(ArcDirection);
        C.SetCopyMode(CopyMode);
        C.SetMapping(Mapping);
        C.SetPenPos(PenPos);
        C.SelectClipRgn(HasClip ? &Clip : nullptr);
    }
    // A clip set by the records stays within the target's own.
    void Restrain() {
        if (HasClip) C.ExtSelectClipRgn(Clip, RGN_AND);
    }

    TCanvas& C;
    TPen Pen;
    TBrush Brush;
    TFont Font;
    int BkMode;
    TColor BkColor, TextColor;
    unsigned TextAlign;
    int ArcDirection;
    TCopyMode CopyMode;
    TMapping Mapping;
    TPoint PenPos;
    bool HasClip;
    bool WasInPath;
    TRegion Clip;
};

TRect ArgRect(const std::vector<int>& a, size_t i = 0) {
    return Rect(a[i], a[i + 1], a[i + 2], a[i + 3]);
}

// Arguments each operation needs at least (a damaged record is skipped, not read beyond).
size_t ArgsNeeded(TMetaOp op) {
    switch (op) {
        case TMetaOp::MoveTo:
        case TMetaOp::LineTo:
        case TMetaOp::TextOut:
            return 2;
        case TMetaOp::SetPixel:
            return 3;
        case TMetaOp::Rectangle:
        case TMetaOp::Ellipse:
        case TMetaOp::FillRect:
        case TMetaOp::FrameRect:
        case TMetaOp::IntersectClipRect:
        case TMetaOp::ExcludeClipRect:
            return 4;
        case TMetaOp::RoundRect:
        case TMetaOp::TextRect:
            return 6;
        case TMetaOp::Arc:
        case TMetaOp::ArcTo:
        case TMetaOp::Pie:
        case TMetaOp::Chord:
            return 8;
        case TMetaOp::SelectClipPath:
            return 1;
        default:
            return 0;
    }
}

std::vector<TPoint> ArgPoints(const std::vector<int>& a) {
    std::vector<TPoint> points(a.size() / 2);
    for (size_t i = 0; i < points.size(); ++i) points[i] = Point(a[2 * i], a[2 * i + 1]);
    return points;
}

void PlayOp(TCanvas& c, const TMetaRecord& r, TSavedState& saved) {
    const std::vector<int>& a = r.Args;
    if (a.size() < ArgsNeeded(r.Op)) return;
    switch (r.Op) {
        case TMetaOp::MoveTo:
            return c.MoveTo(a[0], a[1]);
        case TMetaOp::LineTo:
            return c.LineTo(a[0], a[1]);
        case TMetaOp::Polyline:
            return c.Polyline(ArgPoints(a));
        case TMetaOp::Polygon:
            return c.Polygon(ArgPoints(a));
        case TMetaOp::Rectangle:
            return c.Rectangle(ArgRect(a));
        case TMetaOp::Ellipse:
            return c.Ellipse(ArgRect(a));
        case TMetaOp::RoundRect:
            return c.RoundRect(a[0], a[1], a[2], a[3], a[4], a[5]);
        case TMetaOp::Arc:
            return c.Arc(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]);
        case TMetaOp::ArcTo:
            return c.ArcTo(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]);
        case TMetaOp::Pie:
            return c.Pie(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]);
        case TMetaOp::Chord:
            return c.Chord(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]);
        case TMetaOp::FillRect:
            return c.FillRect(ArgRect(a));
        case TMetaOp::FrameRect:
            return c.FrameRect(ArgRect(a));
        case TMetaOp::SetPixel:
            return c.SetPixel(a[0], a[1], TColor(a[2]));
        case TMetaOp::TextOut:
            return c.TextOut(a[0], a[1], r.Text);
        case TMetaOp::TextRect:
            return c.TextRect(ArgRect(a), a[4], a[5], r.Text);
        case TMetaOp::IntersectClipRect:
            return c.IntersectClipRect(ArgRect(a));
        case TMetaOp::ExcludeClipRect:
            return c.ExcludeClipRect(ArgRect(a));
        case TMetaOp::BeginPath:
            return c.BeginPath();
        case TMetaOp::EndPath:
            return c.EndPath();
        case TMetaOp::CloseFigure:
            return c.CloseFigure();
        case TMetaOp::AbortPath:
            return c.AbortPath();
        case TMetaOp::FlattenPath:
            c.FlattenPath();
            return;
        case TMetaOp::WidenPath:
            c.WidenPath();
            return;
        case TMetaOp::StrokePath:
            c.StrokePath();
            return;
        case TMetaOp::FillPath:
            c.FillPath();
            return;
        case TMetaOp::StrokeAndFillPath:
            c.StrokeAndFillPath();
            return;
        case TMetaOp::SelectClipPath:
            if (a[0] < RGN_AND || a[0] > RGN_COPY) return;
            c.SelectClipPath(TRegionCombineMode(a[0]));
            saved.Restrain();
            return;
    }
}

}  // namespace

// Plays records back into a canvas: a function per kind of record. The background and text
// colours the recording had are kept here, as selecting a brush or a font on the target changes
// them and they are given back after each such record.
class TMetafile::TPlayer {
public:
    TPlayer(TCanvas& canvas, TSavedState& saved, const TMapping& mapping)
        : C(canvas),
          Saved(saved),
          M(mapping),
          FBkMode(canvas.BkMode()),
          FBkColor(canvas.BkColor()),
          FTextColor(canvas.TextColor()) {}

    void Play(const TMetaRecord& r) { DispatchMetaRecord(*this, r); }

private:
    template <class THandler>
    friend void ::DispatchMetaRecord(THandler& handler, const TMetaRecord& r);

    void Op(const TMetaRecord& r) { PlayOp(C, r, Saved); }
    void Pen(const std::vector<int>& v);
    void Brush(const std::vector<int>& v);
    void Font(const TMetaRecord& r);
    void State(const TMetaRecord& r);
    void Image(const TMetaRecord& r);
    void Clip(const TMetaRecord& r);

    TCanvas& C;
    TSavedState& Saved;
    const TMapping& M;
    int FBkMode;
    TColor FBkColor, FTextColor;
};

void TMetafile::TPlayer::Pen(const std::vector<int>& v) {
    if (v.size() < 5) return;
    C.Pen()->SetStyle(TPenStyle(std::clamp(v[0], 0, int(psInsideFrame))));
    C.Pen()->SetWidth(v[1]);
    C.Pen()->SetColor(TColor(v[2]));
    C.Pen()->SetEndCap(TPenEndCap(std::clamp(v[3], 0, int(pecFlat))));
    C.Pen()->SetJoin(TPenJoin(std::clamp(v[4], 0, int(pjMiter))));
}

void TMetafile::TPlayer::Brush(const std::vector<int>& v) {
    if (v.size() < 2) return;
    C.Brush()->SetBitmap(nullptr);
    C.Brush()->SetStyle(TBrushStyle(std::clamp(v[0], 0, int(bsDiagCross))));
    C.Brush()->SetColor(TColor(v[1]));
    C.SetBkMode(FBkMode);
    C.SetBkColor(FBkColor);
}

void TMetafile::TPlayer::Font(const TMetaRecord& r) {
    const std::vector<int>& v = r.Args;
    if (v.size() < 7) return;
    TFont& f = *C.Font();
    f.SetName(r.Text);
    f.SetHeight(v[0]);  // the mapping scales it
    TFontStyles s;
    if (v[1]) s = s + TFontStyles{fsBold};
    if (v[2]) s = s + TFontStyles{fsItalic};
    if (v[3]) s = s + TFontStyles{fsUnderline};
    if (v[4]) s = s + TFontStyles{fsStrikeOut};
    f.SetStyle(s);
    f.SetOrientation(v[5]);
    f.SetCharset(TFontCharset(v[6]));
    C.SetTextColor(FTextColor);
}

// The one-value states.
void TMetafile::TPlayer::State(const TMetaRecord& r) {
    const std::vector<int>& v = r.Args;
    if (v.empty()) return;
    switch (r.Kind) {
        case TMetaKind::BkMode:
            return C.SetBkMode(FBkMode = v[0]);
        case TMetaKind::BkColor:
            return C.SetBkColor(FBkColor = TColor(v[0]));
        case TMetaKind::TextColor:
            return C.SetTextColor(FTextColor = TColor(v[0]));
        case TMetaKind::TextAlign:
            return C.SetTextAlign(unsigned(v[0]));
        case TMetaKind::Rop:
            return C.Pen()->SetMode(TPenMode(std::clamp(v[0], 0, int(pmNotXor))));
        case TMetaKind::ArcDirection:
            return C.SetArcDirection(v[0]);
        default:
            return;
    }
}

void TMetafile::TPlayer::Image(const TMetaRecord& r) {
    const std::vector<int>& v = r.Args;
    if (v.size() < 5 || !r.Picture || r.Picture->Empty()) return;
    C.BlitImage(ArgRect(v), r.Picture->Image(), Rect(0, 0, r.Picture->Width(), r.Picture->Height()),
                TPenMode(std::clamp(v[4], 0, int(pmNotXor))), false, clNone);
}

void TMetafile::TPlayer::Clip(const TMetaRecord& r) {
    const std::vector<int>& v = r.Args;
    if (v.size() < 2 || v[0] < RGN_AND || v[0] > RGN_COPY) return;
    if (!v[1]) {
        C.SelectClipRgn(Saved.HasClip ? &Saved.Clip : nullptr);
        return;
    }
    // The recording's pixels are the frame's units: mapped like everything else. The pieces
    // are joined in pairs, round after round, so that many rectangles cost n log n, not the
    // n squared of adding each to the growing whole.
    std::vector<TRegion> pieces;
    pieces.reserve(r.Rects.size());
    for (const TRect& q : r.Rects) pieces.push_back(TRegion::FromRect(NormalizedRect(M.LPtoDP(q))));
    while (pieces.size() > 1) {
        std::vector<TRegion> joined((pieces.size() + 1) / 2);
        for (size_t i = 0; i + 1 < pieces.size(); i += 2)
            joined[i / 2].Combine(pieces[i], pieces[i + 1], RGN_OR);
        if (pieces.size() % 2) joined.back() = std::move(pieces.back());
        pieces = std::move(joined);
    }
    C.ExtSelectClipRgn(pieces.empty() ? TRegion() : pieces[0], TRegionCombineMode(v[0]));
    Saved.Restrain();
}

void TMetafile::Draw(TCanvas& canvas, const TRect& rect) {
    if (FRecords.empty() || FWidth <= 0 || FHeight <= 0) return;
    // The frame's pixels onto rect, through whatever mapping the target has itself.
    const TPoint a = canvas.LPtoDP(Point(rect.Left, rect.Top));
    const TPoint b = canvas.LPtoDP(Point(rect.Right, rect.Bottom));
    if (a.X == b.X || a.Y == b.Y) return;
    TSavedState saved(canvas);
    TMapping m;
    m.Mode = MM_ANISOTROPIC;
    m.WindowExt = {FWidth, FHeight};
    m.ViewportOrg = a;
    m.ViewportExt = {b.X - a.X, b.Y - a.Y};
    canvas.SetMapping(m);
    canvas.SetPenPos({});
    TPlayer player(canvas, saved, m);
    for (const TMetaRecord& r : FRecords) player.Play(r);
}
