#include "platform/graphics/RecordingCanvas.h"

#include <QImage>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Metafile.h"
#include "platform/graphics/MetafileCanvas.h"

TCanvasRecorder::~TCanvasRecorder() = default;

TMetafileCanvas::TMetafileCanvas(TMetafile* metafile, TCanvas* referenceDevice)
    : FMetafile(metafile), FReference(referenceDevice) {
    SetRecorder(this);
    if (FReference) SetTextMeasurer(FReference->TextMeasurer());
}

TMetafileCanvas::~TMetafileCanvas() {
    SetRecorder(nullptr);
    if (FMetafile) FMetafile->SetRecords(std::move(FRecords));
}

int TMetafileCanvas::DeviceCaps(int index) {
    if (FReference) return FReference->DeviceCaps(index);
    // A screen of its own size, as the metafile's frame is.
    const int w = FMetafile ? FMetafile->Width() : 0, h = FMetafile ? FMetafile->Height() : 0;
    return DeviceCapsOf(index, w, h, ScreenPixelsPerInch, ScreenPixelsPerInch);
}

void TMetafileCanvas::Put(TMetaKind kind, std::vector<int> args, std::string text) {
    std::vector<int>& last = FLast[int(kind)];
    if (last == args && (kind != TMetaKind::Font || text == FLastFontName)) return;
    last = args;
    if (kind == TMetaKind::Font) FLastFontName = text;
    TMetaRecord r;
    r.Kind = kind;
    r.Args = std::move(args);
    r.Text = std::move(text);
    FRecords.push_back(std::move(r));
}

void TMetafileCanvas::SyncState(bool withFont) {
    const TPen& pen = *Pen();
    Put(TMetaKind::Pen,
        {int(pen.Style()), pen.Width(), int(pen.Color()), int(pen.EndCap()), int(pen.Join())});
    Put(TMetaKind::Brush, {int(Brush()->Style()), int(Brush()->Color())});
    Put(TMetaKind::Rop, {int(pen.Mode())});
    Put(TMetaKind::BkMode, {BkMode()});
    Put(TMetaKind::BkColor, {int(BkColor())});
    Put(TMetaKind::ArcDirection, {ArcDirection()});
    if (!withFont) return;
    const TFont& f = *Font();
    const TFontStyles s = f.Style();
    Put(TMetaKind::TextColor, {int(TextColor())});
    Put(TMetaKind::TextAlign, {int(TextAlign())});
    Put(TMetaKind::Font,
        {f.Height(), s.Contains(fsBold), s.Contains(fsItalic), s.Contains(fsUnderline),
         s.Contains(fsStrikeOut), f.Orientation(), int(f.Charset())},
        f.Name());
}

void TMetafileCanvas::Record(TCanvas&, TMetaOp op, std::span<const int> args,
                             std::string_view text) {
    SyncState(op == TMetaOp::TextOut || op == TMetaOp::TextRect);
    TMetaRecord r;
    r.Op = op;
    r.Args.assign(args.begin(), args.end());
    r.Text = text;
    FRecords.push_back(std::move(r));
}

void TMetafileCanvas::RecordImage(TCanvas&, const TRect& dest, const QImage& image,
                                  const TRect& srcRect, TPenMode rop) {
    const TRect from =
        IntersectRect(NormalizedRect(srcRect), Rect(0, 0, image.width(), image.height()));
    if (from.IsEmpty()) return;
    auto picture = std::make_shared<TBitmap>();
    picture->SetImage(image.copy(from.Left, from.Top, from.Width(), from.Height())
                          .convertToFormat(QImage::Format_BGR888));
    // Only the part copied is kept: the destination takes it whole.
    TMetaRecord r;
    r.Kind = TMetaKind::Image;
    r.Args = {dest.Left, dest.Top, dest.Right, dest.Bottom, int(rop)};
    r.Picture = std::move(picture);
    FRecords.push_back(std::move(r));
}

void TMetafileCanvas::RecordClip(TCanvas&, const TRegion* region, TRegionCombineMode mode) {
    TMetaRecord r;
    r.Kind = TMetaKind::Clip;
    r.Args = {int(mode), region ? 1 : 0};
    if (region) r.Rects = region->Rects();
    FRecords.push_back(std::move(r));
}
