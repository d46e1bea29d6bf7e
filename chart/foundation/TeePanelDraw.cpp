// The chart panel's drawing passes: to its window, unbuffered to any canvas, into bitmaps and
// metafiles; the chart rectangle; the frame and bevels.
#include <cstdlib>

#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeePanel.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Mapping.h"
#include "platform/graphics/Metafile.h"
#include "platform/graphics/MetafileCanvas.h"

void TCustomTeePanel::Draw(TCanvas* TargetCanvas, const TRect& Rect) {
    if (FUseCustomChartRect && FCustomChartRect.IsEmpty()) FCustomChartRect = FChartRect;
    FDrawingRect =
        FCanvas->PrepareDrawing(TargetCanvas, FView3DOptions.get(), Color(), FView3D, Rect);
    ComputeChartRect();
    if (FUseCustomChartRect) FChartRect = FCustomChartRect;
    RecomputeChartSize();
    if (Color() == clNone) TakeBackgroundFrom(TargetCanvas, Rect);
    InternalDraw(FDrawingRect);
    // The panel's own canvas is bound again afterwards, but not sized: drawn into a bitmap or a
    // metafile, a chart takes the target's size, never the Width x Height it declares (a chart
    // read from a file may declare 40000 x 20000). Drawing on the window sized it already.
    FCanvas->ShowBuffer(TargetCanvas, CanvasAsIs(), Rect);
}

void TCustomTeePanel::ComputeChartRect() {
    int frame = BorderWidth();
    if (BevelInner() != bvNone) frame += BevelWidth();
    if (BevelOuter() != bvNone) frame += BevelWidth();
    if (FBorder->Visible()) frame += FBorder->Width();

    const int w = FDrawingRect.Width();
    const int h = FDrawingRect.Height();
    auto pixels = [&](int margin, int size) {
        return FMarginUnits == muPixels ? margin : margin * size / 100;
    };
    FChartRect = TRect{FDrawingRect.Left + frame + pixels(FMargins[0], w),
                       FDrawingRect.Top + frame + pixels(FMargins[1], h),
                       FDrawingRect.Right - frame - pixels(FMargins[2], w),
                       FDrawingRect.Bottom - frame - pixels(FMargins[3], h)};
    if (FShadow->Visible()) {
        const int hs = FShadow->HorizSize();
        const int vs = FShadow->VertSize();
        if (hs <= 0)
            FChartRect.Left += 2 * std::abs(hs);
        else
            FChartRect.Right -= 2 * hs;
        if (vs < 1)
            FChartRect.Top += 2 * std::abs(vs);
        else
            FChartRect.Bottom -= 2 * vs;
    }
}

void TCustomTeePanel::RecomputeChartSize() {
    TRect& r = FChartRect;
    if (r.Left < FDrawingRect.Left) r.Left = FDrawingRect.Left;
    if (r.Top < FDrawingRect.Top) r.Top = FDrawingRect.Top;
    if (r.Right < r.Left)
        r.Right = r.Left + 1;
    else if (r.Right == r.Left)
        r.Right = r.Left + Width();
    if (r.Bottom < r.Top)
        r.Bottom = r.Top + 1;
    else if (r.Bottom == r.Top)
        r.Bottom = r.Top + Height();
    FChartWidth = r.Width();
    FChartHeight = r.Height();
    FChartCenterX = (r.Left + r.Right) / 2;
    FChartCenterY = (r.Top + r.Bottom) / 2;
}

// Unbuffered, the panel draws straight over the target and nothing needs doing.
void TCustomTeePanel::TakeBackgroundFrom(TCanvas* TargetCanvas, const TRect& Rect) {
    TCanvas* buffer = FCanvas->BoundCanvas();
    if (!FCanvas->GetBufferedDisplay() || !buffer || buffer == TargetCanvas) return;
    buffer->SetCopyMode(cmSrcCopy);
    buffer->CopyRect(FDrawingRect, *TargetCanvas, Rect);
}

void TCustomTeePanel::Paint() {
    if (FPrinting) return;
    // A see-through panel's buffer holds an old picture of what lies behind it: redraw.
    if (SeeThrough() || !FCanvas->RepaintFromBuffer()) DrawToClient();
}

void TCustomTeePanel::DrawToClient() { Draw(Canvas(), BoundedPanelRect()); }

void TCustomTeePanel::DrawUnbuffered(TCanvas* TargetCanvas, const TRect& Rect) {
    const bool buffered = FCanvas->GetBufferedDisplay();
    auto* tee = dynamic_cast<TTeeCanvas3D*>(FCanvas.get());
    if (tee) tee->SetKeepBufferBitmap(true);
    // Whatever Draw does, the surface leaves this pass as it came in.
    struct TRestore {
        TCustomTeePanel& panel;
        TTeeCanvas3D* tee;
        bool buffered;
        ~TRestore() {
            panel.FCanvas->SetBufferedDisplay(buffered);
            if (tee) {
                tee->SetKeepBufferBitmap(false);
                panel.Invalidate();
            }
        }
    } restore{*this, tee, buffered};
    FCanvas->SetBufferedDisplay(false);
    Draw(TargetCanvas, Rect);
}

void TCustomTeePanel::DrawAsMetafile(TCanvas* TargetCanvas, const TRect& Rect) {
    struct TRestore {
        TCanvas3D& canvas;
        ~TRestore() { canvas.SetRecordingMetafile(false); }
    } restore{*FCanvas};
    FCanvas->SetRecordingMetafile(true);
    DrawUnbuffered(TargetCanvas, Rect);
}

std::unique_ptr<TBitmap> TCustomTeePanel::RenderToBitmap() {
    return RenderRectToBitmap(Color(), BoundedPanelRect(), pf24bit);
}

std::unique_ptr<TBitmap> TCustomTeePanel::RenderRectToBitmap(TColor BackColor, const TRect& Rect,
                                                             TPixelFormat PixelFormat) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(FCanvas->SupportsFreeRotation() ? pf24bit : PixelFormat);
    bitmap->SetSize(Rect.Width(), Rect.Height());
    // A new bitmap is white already.
    if (BackColor != clWhite) {
        TCanvas* c = bitmap->Canvas();
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(BackColor);
        c->FillRect(Rect);
    }
    DrawUnbuffered(bitmap->Canvas(), Rect);
    return bitmap;
}

std::unique_ptr<TMetafile> TCustomTeePanel::RenderToMetafile(bool Enhanced, const TRect& Rect) {
    auto metafile = std::make_unique<TMetafile>();
    metafile->SetWidth(std::max(1, Rect.Width()));
    metafile->SetHeight(std::max(1, Rect.Height()));
    metafile->SetEnhanced(Enhanced);
    {
        // The recording is finished when its canvas goes away, also after a failed pass.
        TMetafileCanvas recorder(metafile.get(), nullptr);
        DrawAsMetafile(&recorder, Rect);
    }
    return metafile;
}

// --- Frame and bevels.

void PaintBevel(TTeeCanvas& Canvas, TBevelCut Bevel, TRect& Rect, int RoundSize, int Width) {
    if (Bevel == bvNone) return;
    if (RoundSize <= 0) {
        const TColor topLeft = Bevel == bvLowered ? clBtnShadow : clBtnHighlight;
        const TColor bottomRight = Bevel == bvRaised ? clBtnShadow : clBtnHighlight;
        Canvas.DrawBevelFrame(Rect, topLeft, bottomRight, Width);
        return;
    }
    Canvas.Pen()->SetColor(Bevel == bvLowered ? clBtnShadow : clBtnHighlight);
    Rect = TRect{Rect.Left + 1, Rect.Top + 1, Rect.Right - 1, Rect.Bottom - 1};
    Canvas.DrawRoundRectFromRect(Rect, RoundSize, RoundSize);
    Rect = TRect{Rect.Left + Width, Rect.Top + Width, Rect.Right - Width, Rect.Bottom - Width};
}

void TCustomTeePanel::DrawPanelBevels(const TRect& Rect) {
    TRect r = Rect;
    FCanvas->SuspendRotation();
    FCanvas->Brush()->SetStyle(bsClear);
    if (FBorder->Visible()) {
        int a;
        if (FBorder->SmallDots()) {
            a = 1;
        } else {
            a = FBorder->Width() - 1;
            if (a > 0) {
                r.Left += a / 2 + a % 2;
                r.Top += a / 2 + a % 2;
                r.Right -= a / 2;
                r.Bottom -= a / 2;
                a /= 2;
            }
        }
        FCanvas->UsePen(FBorder.get());
        if (FBorderRound <= 0) {
            FCanvas->DrawRectangleFromRect(r);
            if (!FBorder->SmallDots()) ++a;
        } else {
            --r.Right;
            --r.Bottom;
            FCanvas->DrawRoundRectFromRect(r, FBorderRound, FBorderRound);
        }
        r = TRect{r.Left + a, r.Top + a, r.Right - a, r.Bottom - a};
    }
    if (!FPrinting || PrintPanelDecoration) {
        TPen* pen = FCanvas->Pen();
        pen->SetStyle(psSolid);
        pen->SetWidth(1);
        pen->SetMode(pmCopy);
        PaintBevel(*FCanvas, BevelOuter(), r, FBorderRound, BevelWidth());
        if (BorderWidth() != 0) FCanvas->DrawBevelFrame(r, Color(), Color(), BorderWidth());
        PaintBevel(*FCanvas, BevelInner(), r, FBorderRound, BevelWidth());
    }
    FCanvas->ResumeRotation();
}

double DeviceSizeRatio(TCanvas* Canvas) {
    const int h = Canvas->DeviceCaps(VERTSIZE);
    return h == 0 ? 0 : static_cast<double>(Canvas->DeviceCaps(HORZSIZE)) / h;
}
