// The legend symbol of a line-family series: its pointer, with a line through it when the
// series draws lines; without a pointer a rectangle, or a line for a flat line series.
#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/CustomSeries.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"

void TCustomSeries::DrawLegendPointer(int /*valueIndex*/, const TRect& rect,
                                      TSeriesPointerStyle style, TColor color, bool withLine) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const int midX = (rect.Left + rect.Right) / 2, midY = (rect.Top + rect.Bottom) / 2;
    if (withLine && LinePen()->Visible()) {
        canvas.UsePenWithColor(LinePen(), color);
        canvas.DrawHorizontalLine(rect.Left, rect.Right, midY);
    }
    // A third of the symbol beside a line, about half of it alone.
    const bool lineShown = LinePen()->Visible();
    const int w = rect.Right - rect.Left, h = rect.Bottom - rect.Top;
    const int horiz = std::min(FPointer->HorizSize(), lineShown ? w / 3 : w / 2 + 1);
    const int vert = std::min(FPointer->VertSize(), lineShown ? h / 3 : h / 2 + 1);
    FPointer->PrepareCanvas(canvas, color);
    if (FParentChart->LegendSymbolPen) canvas.UsePen(FParentChart->LegendSymbolPen);
    FPointer->DrawOnCanvas(canvas, false, midX, midY, horiz, vert, color, style);
}

void TCustomSeries::DrawLegendShape(int valueIndex, const TRect& rect) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    TColor color = valueIndex == -1 ? SeriesColor() : LegendItemColor(valueIndex);
    if (FPointer->Visible()) {
        TSeriesPointerStyle style = FPointer->Style();
        if (valueIndex != -1 && OnGetPointerStyle) {
            style = OnGetPointerStyle(*this, valueIndex);
            color = FPointer->BrushColor();
        }
        DrawLegendPointer(valueIndex, rect, style, color, FDrawLine);
        return;
    }
    if (FDrawArea || !FDrawLine) {
        TCustomLineSeries::DrawLegendShape(valueIndex, rect);
        return;
    }
    if (!FParentChart->LegendSymbolPen) canvas.UsePenWithColor(LinePen(), color);
    if (FParentChart->View3D())
        FParentChart->DrawLegendSymbolRect(rect);
    else
        canvas.DrawHorizontalLine(rect.Left, rect.Right, (rect.Top + rect.Bottom) / 2);
}
