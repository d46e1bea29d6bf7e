// Text output of the canvas: placement by the alignment flags, turning by the font's
// escapement, the opaque cell and clipping. Sizes come from the canvas's measurer; glyphs from
// the toolkit's font.
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <cmath>
#include <numbers>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/CanvasPainter.h"
#include "platform/graphics/FontEngine.h"
#include "platform/graphics/PainterSurface.h"
#include "platform/graphics/Path.h"
#include "platform/graphics/RecordingCanvas.h"
#include "platform/graphics/RegionImpl.h"
#include "platform/graphics/TextMeasurer.h"

const TFont& TCanvas::DeviceFont() {
    if (FMapping.Mode == MM_TEXT) return *FFont;
    if (!FDeviceFont) FDeviceFont = std::make_unique<TFont>();
    FDeviceFont->Assign(FFont.get());
    const int h = FFont->Height();
    const double sy = std::abs(double(FMapping.ViewportExt.cy) / FMapping.WindowExt.cy);
    // In doubles and kept within an int: a height from a file may be any.
    const int scaled =
        int(std::clamp(std::round(std::abs(double(h)) * sy), 1.0, double(INT32_MAX)));
    FDeviceFont->SetHeight(h < 0 ? -scaled : h > 0 ? scaled : 0);
    return *FDeviceFont;
}

// In logical units: the pixels of the scaled font mapped back.
TSize TCanvas::TextExtent(std::string_view text) {
    TTextMeasurer& measurer = Measurer();
    const TFont& font = DeviceFont();
    const TSize pixels{measurer.TextWidth(font, text), measurer.Metrics(font).Height()};
    if (FMapping.Mode == MM_TEXT) return pixels;
    const TPoint origin = FMapping.DPtoLP(Point(0, 0));
    const TPoint end = FMapping.DPtoLP(Point(pixels.cx, pixels.cy));
    return TSize{std::abs(end.X - origin.X), std::abs(end.Y - origin.Y)};
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
    const int args[] = {x, y};
    if (FRecorder)
        FRecorder->Record(*this, TMetaOp::TextOut, args, text);
    else if (InPath())
        TextToPath(x, y, text);
    else {
        const TPoint p = LPtoDP(Point(x, y));
        DrawText(p.X, p.Y, text, nullptr);
    }
    // Kept in range: a text in a file's logical units may be as wide as the integers go.
    FPenPos =
        Point(int(std::clamp<int64_t>(int64_t(x) + TextWidth(text), INT32_MIN, INT32_MAX)), y);
}

void TCanvas::TextRect(const TRect& rect, int x, int y, std::string_view text) {
    const int args[] = {rect.Left, rect.Top, rect.Right, rect.Bottom, x, y};
    if (FRecorder) return FRecorder->Record(*this, TMetaOp::TextRect, args, text);
    const TPoint p = LPtoDP(Point(x, y));
    const TRect cell = MapRect(rect.Left, rect.Top, rect.Right, rect.Bottom);
    DrawText(p.X, p.Y, text, &cell);
}

TPoint TextCellOffset(unsigned align, int width, const TTextMetrics& metrics) {
    TPoint offset;
    if ((align & TA_CENTER) == TA_CENTER)
        offset.X = -(width / 2);
    else if (align & TA_RIGHT)
        offset.X = -width;
    if ((align & TA_BASELINE) == TA_BASELINE)
        offset.Y = -metrics.Ascent;
    else if (align & TA_BOTTOM)
        offset.Y = -metrics.Height();
    return offset;
}

void TCanvas::DrawText(int x, int y, std::string_view text, const TRect* cellRect) {
    if (FSurface) return FSurface->Text(*this, x, y, text, cellRect);
    if (!FPainter->Begin(*this)) return;
    TTextMeasurer& measurer = Measurer();
    const TFont& font = DeviceFont();
    const TTextMetrics metrics = measurer.Metrics(font);
    const int width = measurer.TextWidth(font, text);
    const int height = metrics.Height();

    const TPoint offset = TextCellOffset(FTextAlign, width, metrics);
    const int dx = offset.X, dy = offset.Y;

    const double angle = FFont->Orientation() / 10.0;
    const double radians = angle * std::numbers::pi / 180;
    const double c = std::cos(radians), s = std::sin(radians);
    // Counter-clockwise on screen, where y points down.
    auto turned = [&](int u, int v) {
        return Point(x + int(std::lround(u * c + v * s)), y + int(std::lround(-u * s + v * c)));
    };

    Changing();
    if (FBkMode == OPAQUE) {
        TPaint back;
        back.Color = ToDevice(FBkColor);
        if (cellRect) {
            const TRect r = NormalizedRect(*cellRect);
            for (int row = FPainter->FirstRow(r.Top); row < FPainter->EndRow(r.Bottom); ++row)
                FPainter->Run(row, r.Left, r.Right, back);
        } else if (FFont->Orientation() % 3600 == 0) {
            for (int row = y + dy; row < y + dy + height; ++row)
                FPainter->Run(row, x + dx, x + dx + width, back);
        } else {
            const TPoint corners[4] = {turned(dx, dy), turned(dx + width, dy),
                                       turned(dx + width, dy + height), turned(dx, dy + height)};
            TShapeMask& mask = FPainter->Mask();
            mask.Reset(IntersectRect(BoundsOfPoints(corners), FPainter->Surface(0)));
            mask.AddPolygon(corners);
            mask.ForEachRun(
                [&](int row, int x0, int x1, uint8_t) { FPainter->Run(row, x0, x1, back); });
        }
    }

    if (!text.empty()) {
        QPainter painter(FPainter->Image());
        QRegion clip;
        bool clipped = false;
        if (FHasClip) {
            clip = FClip.FImpl->Region;
            clipped = true;
        }
        if (cellRect) {
            // Only the part on the surface: a cell from a file may span the whole integer
            // range, whose extent does not fit an int.
            const TRect r = IntersectRect(NormalizedRect(*cellRect), FPainter->Surface(0));
            const QRegion cell(r.Left, r.Top, r.Width(), r.Height());
            clip = clipped ? clip.intersected(cell) : cell;
            clipped = true;
        }
        if (clipped) painter.setClipRegion(clip);
        const TColor color = ColorToRGB(FTextColor);
        painter.setPen(QColor(GetRValue(color), GetGValue(color), GetBValue(color)));
        painter.setFont(ToolkitFont(font));
        painter.translate(x, y);
        if (angle != 0) painter.rotate(-angle);
        painter.drawText(QPoint(dx, dy + metrics.Ascent),
                         QString::fromUtf8(text.data(), qsizetype(text.size())));
    }
    Changed();
}
