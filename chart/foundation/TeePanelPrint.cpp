// Printing a chart panel: the page rectangle from the print margins, and the logical mapping
// that scales the panel's pixel size onto the printed rectangle.
#include <algorithm>

#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeePanel.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Mapping.h"
#include "platform/graphics/Printer.h"
#include "platform/rtl/RtlMath.h"
#include "platform/ui/Screen.h"

void TCustomTeePanel::CalcPrintExtents(TRect& R, TSize& DeviceExtent, TSize& LogicalExtent) const {
    const TRect p = GetPanelRect();
    DeviceExtent = TSize{R.Width(), R.Height()};
    // 100 % or more would leave no logical extent at all: keep at least one percent.
    const int resolution = std::min(FPrintResolution, 99);
    LogicalExtent = TSize{p.Width() - MulDiv(p.Width(), resolution, 100),
                          p.Height() - MulDiv(p.Height(), resolution, 100)};
    if (DeviceExtent.cx == 0 || DeviceExtent.cy == 0) return;
    R.Left = MulDiv(R.Left, LogicalExtent.cx, DeviceExtent.cx);
    R.Right = MulDiv(R.Right, LogicalExtent.cx, DeviceExtent.cx);
    R.Top = MulDiv(R.Top, LogicalExtent.cy, DeviceExtent.cy);
    R.Bottom = MulDiv(R.Bottom, LogicalExtent.cy, DeviceExtent.cy);
}

void TCustomTeePanel::SetPrintMapping(TCanvas* Canvas, TSize Logical, TSize Device) {
    Canvas->SetMapMode(MM_ANISOTROPIC);
    Canvas->SetWindowOrg(TPoint{0, 0});
    Canvas->SetWindowExt(Logical);
    Canvas->SetViewportOrg(TPoint{0, 0});
    Canvas->SetViewportExt(Device);
}

void TCustomTeePanel::PrintOnCanvas(TCanvas* TargetCanvas, const TRect& Rect) {
    TRect r = NormalizedRect(Rect);
    // Nothing fits an empty rectangle (margins that take the whole page).
    if (r.Width() <= 0 || r.Height() <= 0) return;
    TSize device, logical;
    CalcPrintExtents(r, device, logical);
    if (logical.cx <= 0 || logical.cy <= 0) return;

    const TMapping savedMapping = TargetCanvas->Mapping();
    SetPrintMapping(TargetCanvas, logical, device);
    FPrinting = true;
    struct TRestore {
        TCustomTeePanel& panel;
        TCanvas* target;
        TMapping mapping;
        bool clipped = false;
        ~TRestore() {
            if (clipped) {
                // The pass ends with the surface back on the window; the clip is the target's.
                panel.FCanvas->BindCanvas(target);
                panel.FCanvas->RemoveClipping();
                panel.FCanvas->BindCanvas(panel.Canvas());
            }
            panel.FPrinting = false;
            target->SetMapping(mapping);
        }
    } restore{*this, TargetCanvas, savedMapping};
    if (ClipAllowed()) {
        // The surface clips the canvas it draws on: bind it to the target for that.
        FCanvas->BindCanvas(TargetCanvas);
        FCanvas->ClipToRectangle(r);
        restore.clipped = true;
    }
    if (OnBeforePrint) OnBeforePrint(this, TargetCanvas, r);
    DrawAsMetafile(TargetCanvas, r);
}

void TCustomTeePanel::PrintInRect(const TRect& Rect) { PrintOnCanvas(Printer()->Canvas(), Rect); }

TRect TCustomTeePanel::PrintPageRect() {
    if (FPrintProportional) FPrintMargins = ProportionalPrintMargins();
    TPrinter* printer = Printer();
    TCanvas* c = printer->Canvas();
    const int lx = c->DeviceCaps(LOGPIXELSX);
    const int ly = c->DeviceCaps(LOGPIXELSY);
    const int pw = printer->PageWidth();
    const int ph = printer->PageHeight();
    double t = pw * 0.01 / lx;
    TRect r;
    r.Left = static_cast<int>(Round(lx * FPrintMargins.Left * t));
    r.Right = pw - static_cast<int>(Round(lx * FPrintMargins.Right * t));
    t = ph * 0.01 / ly;
    r.Top = static_cast<int>(Round(ly * FPrintMargins.Top * t));
    r.Bottom = ph - static_cast<int>(Round(ly * FPrintMargins.Bottom * t));
    return r;
}

namespace {
int CalcProportionalMargin(int Size1, int Size2, double Ratio, double PrinterRatio) {
    return static_cast<int>(Round(
               100.0 * (Size2 - (Size1 - 30.0 * Size1 * 0.01) * Ratio * PrinterRatio) / Size2)) /
           2;
}
}  // namespace

TRect TCustomTeePanel::ProportionalPrintMargins() const {
    const TRect p = GetPanelRect();
    const int w = p.Width();
    const int h = p.Height();
    int pageW, pageH;
    double ratio = 1;
    try {
        TPrinter* printer = Printer();
        pageW = printer->PageWidth();
        pageH = printer->PageHeight();
        TCanvas* c = printer->Canvas();
        ratio = static_cast<double>(c->DeviceCaps(LOGPIXELSX)) / c->DeviceCaps(LOGPIXELSY);
    } catch (const EPrinter&) {
        pageW = Screen()->Width();
        pageH = Screen()->Height();
        ratio = 1;
    }
    TRect m{15, 15, 15, 15};
    if (h < w) {
        m.Top = m.Bottom = CalcProportionalMargin(pageW, pageH, static_cast<double>(h) / w, ratio);
    } else if (h > 0) {
        m.Left = m.Right = CalcProportionalMargin(pageH, pageW, static_cast<double>(w) / h, ratio);
    }
    return m;
}
