#include "chart/export/PrintPreview.h"

#include <cstdlib>

#include "chart/foundation/ChartPen.h"
#include "chart/foundation/ResourceRoutines.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeFilter.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/classes/Cursors.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Metafile.h"
#include "platform/graphics/Printer.h"
#include "platform/rtl/RtlMath.h"
#include "platform/ui/Screen.h"

namespace {
constexpr int Near = 4;

bool IsNear(int a, int b) { return std::abs(a - b) <= Near; }

bool Inside(const TRect& r, int x, int y) {
    return x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom;
}

int RoundHalfEven(double v) { return int(Round(v)); }

// Ends the printer's document if a failure left it open, then lets the failure go on.
class TPrintJob {
public:
    explicit TPrintJob(TPrinter& printer) : FPrinter(printer) { printer.BeginDoc(); }
    ~TPrintJob() {
        if (FPrinter.Printing()) FPrinter.Abort();
    }
    void End() { FPrinter.EndDoc(); }
    TPrintJob(const TPrintJob&) = delete;
    TPrintJob& operator=(const TPrintJob&) = delete;

private:
    TPrinter& FPrinter;
};
}  // namespace

TRect FitPaperRect(int clientWidth, int clientHeight, int pageWidth, int pageHeight) {
    TRect r;
    // A client relatively wider than the page: the paper fills the height.
    if (int64_t(clientWidth) * pageHeight > int64_t(clientHeight) * pageWidth) {
        r.Top = RoundHalfEven(clientHeight / 10.0);
        const int h = clientHeight - RoundHalfEven(clientHeight / 5.0);
        r.Bottom = r.Top + h;
        const int w = pageHeight > 0 ? MulDiv(h, pageWidth, pageHeight) : clientWidth;
        r.Left = (clientWidth - w) / 2;
        r.Right = r.Left + w;
    } else {
        r.Left = RoundHalfEven(clientWidth / 10.0);
        const int w = clientWidth - RoundHalfEven(clientWidth / 5.0);
        r.Right = r.Left + w;
        const int h = pageWidth > 0 ? MulDiv(w, pageHeight, pageWidth) : clientHeight;
        r.Top = (clientHeight - h) / 2;
        r.Bottom = r.Top + h;
    }
    return r;
}

TRect MarginsOnPaper(const TRect& paper, const TRect& margins) {
    const int pw = paper.Width();
    const int ph = paper.Height();
    return TRect{paper.Left + MulDiv(margins.Left, pw, 100),
                 paper.Top + MulDiv(margins.Top, ph, 100),
                 paper.Right - MulDiv(margins.Right, pw, 100),
                 paper.Bottom - MulDiv(margins.Bottom, ph, 100)};
}

TRect PercentMargins(const TRect& paper, const TRect& rect) {
    const int pw = paper.Width();
    const int ph = paper.Height();
    return TRect{MulDiv(rect.Left - paper.Left, 100, pw), MulDiv(rect.Top - paper.Top, 100, ph),
                 MulDiv(paper.Right - rect.Right, 100, pw),
                 MulDiv(paper.Bottom - rect.Bottom, 100, ph)};
}

TTeePreviewPanel::TTeePreviewPanel(TComponent* owner)
    : TCustomTeePanelExtended(owner),
      FMarginsPen(std::make_unique<TChartPen>()),
      FPaperShadow(std::make_unique<TTeeShadow>()) {
    FMarginsPen->SetStyle(psDot);
    FMarginsPen->SetSmallDots(true);
    FPaperShadow->SetColor(TColor(0x808080));
    FPaperShadow->SetCommonSize(4);
    SetBounds(Left(), Top(), 432, 312);
}

TTeePreviewPanel::~TTeePreviewPanel() { SetPanel(nullptr); }

void TTeePreviewPanel::Publish(TPublisher<TTeePreviewPanel>& p) {
    using T = TTeePreviewPanel;
    static const TEnumInfo orientations{"ppoDefault", "ppoPortrait", "ppoLandscape"};
    p.Boolean("AllowMove", &T::AllowMove, &T::SetAllowMove).Default(true);
    p.Boolean("AllowResize", &T::AllowResize, &T::SetAllowResize).Default(true);
    p.Boolean("AsBitmap", &T::AsBitmap, &T::SetAsBitmap).Default(false);
    p.Boolean("DragImage", &T::DragImage, &T::SetDragImage).Default(false);
    p.Object("Margins", &T::Margins, &T::SetMargins);
    p.Enumeration("Orientation", orientations, &T::Orientation, &T::SetOrientation)
        .Default(ppoDefault);
    p.Component("Panel", &T::Panel, &T::SetPanel);
    p.Color("PaperColor", &T::PaperColor, &T::SetPaperColor).Default(clWhite);
    p.Object("PaperShadow", &T::PaperShadow, &T::SetPaperShadow);
    p.Boolean("ShowImage", &T::ShowImage, &T::SetShowImage).Default(true);
    p.Boolean("SmoothBitmap", &T::SmoothBitmap, &T::SetSmoothBitmap).Default(true);
    p.String("Title", &T::Title, &T::SetTitle);
}

void TTeePreviewPanel::SetMargins(const TChartPen* value) { FMarginsPen->Assign(value); }
void TTeePreviewPanel::SetPaperShadow(const TTeeShadow* value) { FPaperShadow->Assign(value); }

void TTeePreviewPanel::SetAsBitmap(bool value) { SetBooleanValue(FAsBitmap, value); }
void TTeePreviewPanel::SetPaperColor(TColor value) { SetColorValue(FPaperColor, value); }
void TTeePreviewPanel::SetShowImage(bool value) { SetBooleanValue(FShowImage, value); }
void TTeePreviewPanel::SetSmoothBitmap(bool value) { SetBooleanValue(FSmoothBitmap, value); }

void TTeePreviewPanel::SetOrientation(TTeePreviewPanelOrientation value) {
    if (value == FOrientation) return;
    FOrientation = value;
    Invalidate();
}

void TTeePreviewPanel::SetPanel(TCustomTeePanel* value) {
    if (value == FPanel || value == this) return;
    if (FPanel) FPanel->RemoveFreeNotification(this);
    FPanel = value;
    if (FPanel) {
        FPanel->FreeNotification(this);
        // A rotating surface cannot record a metafile.
        FAsBitmap = FPanel->Canvas3D() && FPanel->Canvas3D()->SupportsFreeRotation();
    }
    Invalidate();
}

void TTeePreviewPanel::Notification(TComponent* component, TOperation operation) {
    TCustomTeePanelExtended::Notification(component, operation);
    if (operation == opRemove && component == FPanel) {
        FPanel = nullptr;
        Invalidate();
    }
}

void TTeePreviewPanel::ApplyOrientation() {
    if (FOrientation == ppoDefault) return;
    TPrinter* printer = Printer();
    if (printer->Printers().empty() || printer->Printing()) return;
    printer->SetOrientation(FOrientation == ppoPortrait ? poPortrait : poLandscape);
}

TSize TTeePreviewPanel::PageSize() {
    ApplyOrientation();
    try {
        TPrinter* printer = Printer();
        return TSize{printer->PageWidth(), printer->PageHeight()};
    } catch (const EPrinter&) {
        // No printer: the paper takes the screen's proportions.
        return TSize{Screen()->Width(), Screen()->Height()};
    }
}

void TTeePreviewPanel::CalcPaperRect() {
    const TSize page = PageSize();
    FPaperRect = FitPaperRect(ClientWidth(), ClientHeight(), page.cx, page.cy);
    if (OnGetPaperRect) OnGetPaperRect(this, FPaperRect);
    if (!FPanel) {
        FMarginsRect = MarginsOnPaper(FPaperRect, TRect{15, 15, 15, 15});
        return;
    }
    if (FPanel->PrintProportional() && !Printer()->Printers().empty())
        FPanel->SetPrintMargins(FPanel->ProportionalPrintMargins());
    FMarginsRect = MarginsOnPaper(FPaperRect, FPanel->PrintMargins());
}

TPreviewDragKind TTeePreviewPanel::HitTest(int x, int y) const {
    const TRect& r = FMarginsRect;
    TPreviewDragKind kind = pdNone;
    if (IsNear(x, r.Left) && IsNear(y, r.Top))
        kind = pdTopLeft;
    else if (IsNear(x, r.Left) && IsNear(y, r.Bottom))
        kind = pdBottomLeft;
    else if (IsNear(x, r.Right) && IsNear(y, r.Top))
        kind = pdTopRight;
    else if (IsNear(x, r.Right) && IsNear(y, r.Bottom))
        kind = pdBottomRight;
    else if (IsNear(x, r.Left))
        kind = pdLeft;
    else if (IsNear(x, r.Right))
        kind = pdRight;
    else if (IsNear(y, r.Top))
        kind = pdTop;
    else if (IsNear(y, r.Bottom))
        kind = pdBottom;
    else if (Inside(r, x, y) && FAllowMove)
        kind = pdMove;
    if (kind != pdMove && !FAllowResize) return pdNone;
    return kind;
}

// --- Drawing.

void TTeePreviewPanel::InternalDraw(const TRect& rect) {
    DrawPanel(rect);
    CalcPaperRect();
    TCanvas& canvas = *Canvas3D()->GetDeviceHandle();
    canvas.Pen()->SetColor(clBlack);
    canvas.Pen()->SetStyle(psSolid);
    canvas.Pen()->SetWidth(1);
    canvas.Pen()->SetMode(pmCopy);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(FPaperColor);
    if (FPaperShadow->Visible()) FPaperShadow->DrawRectShadow(*Canvas3D(), FPaperRect);
    canvas.Rectangle(FPaperRect);
    if (FPanel) DrawPanelImage(canvas);
    DrawMarginLines(canvas);
    if (OnAfterDraw) OnAfterDraw(this);
}

void TTeePreviewPanel::DrawPanelImage(TCanvas& canvas) {
    if (!FShowImage) return;
    const TRect target = FMarginsRect;
    if (target.Width() <= 0 || target.Height() <= 0) return;
    canvas.IntersectClipRect(FPanel->ClipAllowed() ? target : FPaperRect);
    // The chart laid out at the size it prints at (its Detail), then scaled onto the paper: a
    // finer detail shows smaller text and thinner lines on the same paper, as the page has them.
    const TRect source = PrintExtentRect(target);
    if (!FAsBitmap) {
        auto metafile = FPanel->RenderToMetafile(true, source);
        canvas.StretchDraw(target, metafile.get());
    } else {
        auto bitmap = FPanel->RenderRectToBitmap(FPaperColor, source, pf24bit);
        if (FSmoothBitmap) {
            TBitmap resampled;
            resampled.SetPixelFormat(pf24bit);
            resampled.SetSize(target.Width(), target.Height());
            ResampleBitmapBest(*bitmap, resampled);
            canvas.Draw(target.Left, target.Top, &resampled);
        } else {
            canvas.StretchDraw(target, bitmap.get());
        }
    }
    canvas.SelectClipRgn(nullptr);
}

TRect TTeePreviewPanel::PrintExtentRect(const TRect& target) const {
    TRect r = target;
    TSize device, logical;
    FPanel->CalcPrintExtents(r, device, logical);
    return TRect{0, 0, std::max(1, logical.cx), std::max(1, logical.cy)};
}

void TTeePreviewPanel::DrawMarginLines(TCanvas& canvas) {
    if (!FMarginsPen->Visible()) return;
    canvas.Pen()->Assign(FMarginsPen.get());
    canvas.Pen()->SetMode(pmNotXor);
    canvas.Brush()->SetStyle(bsClear);
    canvas.SetBkMode(TRANSPARENT);
    const TRect& m = FMarginsRect;
    const TRect& p = FPaperRect;
    for (int x : {m.Left - 1, m.Right}) {
        canvas.MoveTo(x, p.Top + 1);
        canvas.LineTo(x, p.Bottom);
    }
    for (int y : {m.Top - 1, m.Bottom}) {
        canvas.MoveTo(p.Left + 1, y);
        canvas.LineTo(p.Right, y);
    }
    canvas.SetBkMode(OPAQUE);
    canvas.Pen()->SetMode(pmCopy);
}

// --- Mouse.

void TTeePreviewPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomTeePanelExtended::MouseDown(button, shift, x, y);
    FDrag = HitTest(x, y);
    FDragStart = TPoint{x, y};
    FDragStartRect = FMarginsRect;
}

TRect TTeePreviewPanel::DraggedRect(int x, int y) const {
    TRect r = FMarginsRect;
    const TRect& p = FPaperRect;
    const bool left = x >= p.Left && x < r.Right;
    const bool right = x > r.Left && x <= p.Right;
    const bool top = y >= p.Top && y < r.Bottom;
    const bool bottom = y > r.Top && y <= p.Bottom;
    switch (FDrag) {
        case pdLeft:
            if (left) r.Left = x;
            break;
        case pdTop:
            if (top) r.Top = y;
            break;
        case pdRight:
            if (right) r.Right = x;
            break;
        case pdBottom:
            if (bottom) r.Bottom = y;
            break;
        case pdTopLeft:
            if (left && top) r.Left = x, r.Top = y;
            break;
        case pdTopRight:
            if (right && top) r.Right = x, r.Top = y;
            break;
        case pdBottomLeft:
            if (left && bottom) r.Left = x, r.Bottom = y;
            break;
        case pdBottomRight:
            if (right && bottom) r.Right = x, r.Bottom = y;
            break;
        case pdMove: {
            TRect moved = FDragStartRect;
            const int dx = x - FDragStart.X;
            const int dy = y - FDragStart.Y;
            moved =
                TRect{std::max(p.Left, moved.Left + dx), std::max(p.Top, moved.Top + dy),
                      std::min(p.Right, moved.Right + dx), std::min(p.Bottom, moved.Bottom + dy)};
            if (Inside(p, moved.Left, moved.Top) && Inside(p, moved.Right, moved.Bottom) &&
                moved.Width() == FDragStartRect.Width() &&
                moved.Height() == FDragStartRect.Height())
                r = moved;
            break;
        }
        case pdNone:
            break;
    }
    return r;
}

void TTeePreviewPanel::MouseMove(TShiftState shift, int x, int y) {
    TCustomTeePanelExtended::MouseMove(shift, x, y);
    if (!Inside(FPaperRect, x, y)) return;
    if (FDrag == pdNone) {
        static constexpr TCursor cursors[] = {crDefault,  crHSplit,  crVSplit,   crHSplit,
                                              crVSplit,   crTeeHand, crSizeNWSE, crSizeNESW,
                                              crSizeNESW, crSizeNWSE};
        SetCursor(cursors[HitTest(x, y)]);
        return;
    }
    TCanvas* canvas = Canvas3D() ? Canvas3D()->GetDeviceHandle() : nullptr;
    if (!FDragImage && canvas) DrawMarginLines(*canvas);
    FMarginsRect = DraggedRect(x, y);
    if (FPanel) {
        FPanel->SetPrintProportional(false);
        FPanel->SetPrintMargins(PercentMargins(FPaperRect, FMarginsRect));
        if (OnChangeMargins) OnChangeMargins(this, true, FPanel->PrintMargins());
    }
    if (FDragImage)
        Invalidate();
    else if (canvas)
        DrawMarginLines(*canvas);
}

void TTeePreviewPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomTeePanelExtended::MouseUp(button, shift, x, y);
    FDrag = pdNone;
    if (!FDragImage) Invalidate();
}

// --- Printing.

void TTeePreviewPanel::Print() {
    if (!FPanel) return;
    const TCursorGuard hourglass;
    ApplyOrientation();
    TPrinter& printer = *Printer();
    if (!FTitle.empty())
        printer.SetTitle(FTitle);
    else if (!FPanel->Name().empty())
        printer.SetTitle(FPanel->Name());
    TPrintJob job(printer);
    const TRect page = FPanel->PrintPageRect();
    if (FAsBitmap) {
        auto bitmap = FPanel->RenderRectToBitmap(FPaperColor, PrintExtentRect(page), pf24bit);
        printer.Canvas()->StretchDraw(page, bitmap.get());
    } else {
        FPanel->PrintInRect(page);
    }
    if (OnAfterDraw) OnAfterDraw(this);
    job.End();
}
