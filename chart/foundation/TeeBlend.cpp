#include "chart/foundation/TeeBlend.h"

#include <algorithm>
#include <cmath>

#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeFont.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/RtlMath.h"

namespace {

// The surface's buffer bitmap, when it draws into one.
TBitmap* BufferOf(TTeeCanvas& surface) {
    auto* gdi = dynamic_cast<TTeeCanvas3D*>(&surface);
    return gdi && gdi->GetBufferedDisplay() ? gdi->BufferBitmap() : nullptr;
}

}  // namespace

void BlendBitmaps(TBitmap& Source, TBitmap& Dest, TPoint Origin, double Percent) {
    Source.SetPixelFormat(pf24bit);
    Dest.SetPixelFormat(pf24bit);
    Origin.X = std::max(Origin.X, 0);
    Origin.Y = std::max(Origin.Y, 0);
    const int w = std::min(Source.Width(), Dest.Width() - Origin.X);
    const int h = std::min(Source.Height(), Dest.Height() - Origin.Y);
    if (w <= 0 || h <= 0) return;
    const int alpha = 255 - RoundToInt(Percent * 2.55);
    Dest.Canvas()->AlphaBlend(Origin.X, Origin.Y, *Source.Canvas(), TRect{0, 0, w, h},
                              static_cast<uint8_t>(std::clamp(alpha, 0, 255)));
}

TTeeBlend::TTeeBlend(TTeeCanvas& Surface, const TRect& Rect) : FSurface(Surface) {
    CaptureRect(Rect);
}

TTeeBlend::~TTeeBlend() = default;

void TTeeBlend::CaptureRect(const TRect& Rect) {
    TRect r{std::min(Rect.Left, Rect.Right), std::min(Rect.Top, Rect.Bottom),
            std::max(Rect.Left, Rect.Right), std::max(Rect.Top, Rect.Bottom)};
    r.Left = std::max(r.Left, 0);
    r.Top = std::max(r.Top, 0);
    r.Right = std::max(r.Right, 0);
    r.Bottom = std::max(r.Bottom, 0);
    if (r.Right == r.Left) r.Right = r.Left + 1;
    if (r.Bottom == r.Top) r.Bottom = r.Top + 1;
    const TRect bounds = FSurface.PaintBounds();
    r.Right = std::min(r.Right, bounds.Right);
    r.Bottom = std::min(r.Bottom, bounds.Bottom);
    FRect = r;
    FValid = r.Right > r.Left && r.Bottom > r.Top;
    if (!FValid) return;
    const int w = r.Right - r.Left;
    const int h = r.Bottom - r.Top;
    FCaptured = std::make_unique<TBitmap>();
    FCaptured->SetPixelFormat(pf24bit);
    FCaptured->SetSize(w, h);
    TBitmap* buffer = BufferOf(FSurface);
    TCanvas* source = buffer ? buffer->Canvas() : FSurface.BoundCanvas();
    FCaptured->Canvas()->CopyRect(TRect{0, 0, w, h}, *source, r);
}

void TTeeBlend::BlendBack(int Transparency) {
    if (FSurface.RecordingMetafile() || !FValid) return;
    TBitmap* buffer = BufferOf(FSurface);
    std::unique_ptr<TBitmap> current;
    TPoint origin{FRect.Left, FRect.Top};
    const int w = FRect.Right - FRect.Left;
    const int h = FRect.Bottom - FRect.Top;
    if (!buffer) {
        current = std::make_unique<TBitmap>();
        current->SetPixelFormat(pf24bit);
        current->SetSize(w, h);
        current->Canvas()->CopyRect(TRect{0, 0, w, h}, *FSurface.BoundCanvas(), FRect);
        origin = TPoint{0, 0};
    }
    const unsigned alignment = FSurface.GetTextAlignment();
    BlendBitmaps(*FCaptured, buffer ? *buffer : *current, origin, 100.0 - Transparency);
    if (FSurface.GetTextAlignment() != alignment) {
        if (FSurface.SelectedFont()) FSurface.UseFont(FSurface.SelectedFont());
        FSurface.SetTextAlignment(alignment);
    }
    if (current) {
        FSurface.BoundCanvas()->CopyRect(FRect, *current->Canvas(), TRect{0, 0, w, h});
    }
}
