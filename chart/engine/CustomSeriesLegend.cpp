// The legend symbol of a line-family series: its pointer, with a line through it when the
// series draws lines; without a pointer a rectangle, or a line for a flat line series.
#include "chart/engine/AxisPanel.h"
#include "chart/engine/CustomSeries.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"

void TCustomSeries::DrawLegendPointer(const TRect& rect, TSeriesPointerStyle style, TColor color,
                                      bool withLine) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    if (withLine && LinePen()->Visible()) {
        canvas.UsePenWithColor(LinePen(), color);
        canvas.DrawHorizontalLine(rect.Left, rect.Right, (rect.Top + rect.Bottom) / 2);
    }
    FPointer->DrawInLegend(canvas, rect, style, color, LinePen()->Visible(),
                           FParentChart->LegendSymbolPen);
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
        DrawLegendPointer(rect, style, color, FDrawLine);
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
