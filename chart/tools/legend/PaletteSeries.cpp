#include "chart/tools/legend/PaletteSeries.h"

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/tools/legend/LegendPaletteTool.h"

TPaletteSeries::TPaletteSeries(TComponent* owner) : TChartSeries(owner) {
    ClipsToAxisRange = false;
    XValues().SetOrder(loNone);
}

TRect TPaletteSeries::BandRect(int valueIndex) const {
    const TCustomAxisPanel& chart = *ParentChart();
    const TChartAxis& horiz = *ResolvedHorizAxis();
    const TChartAxis& vert = *ResolvedVertAxis();
    const bool last = valueIndex == Count() - 1;
    TRect r;
    if (!FTool || FTool->Vertical()) {
        r.Left = horiz.StartPos();
        if (VertAxis() != aRightAxis) r.Left += chart.LeftAxis()->Axis()->Width();
        r.Right = horiz.EndPos();
        r.Top = PointYPixel(valueIndex);
        if (last && !vert.Inverted()) ++r.Top;
        if (valueIndex > 0)
            r.Bottom = PointYPixel(valueIndex - 1);
        else
            r.Bottom = vert.Inverted() ? vert.StartPos() : vert.EndPos();
        if (valueIndex == 1 && vert.Inverted()) ++r.Bottom;
    } else {
        r.Top = vert.StartPos();
        if (HorizAxis() != aBottomAxis) r.Top += chart.BottomAxis()->Axis()->Width();
        r.Bottom = vert.EndPos();
        r.Left = PointXPixel(valueIndex);
        if (valueIndex > 0)
            r.Right = PointXPixel(valueIndex - 1);
        else
            r.Right = horiz.Inverted() ? horiz.EndPos() : horiz.StartPos();
    }
    return r;
}

void TPaletteSeries::DrawValue(int valueIndex) {
    TCanvas3D& canvas = *ParentChart()->Canvas3D();
    const TRect band = BandRect(valueIndex);
    const TColor color = ValueColor(valueIndex);
    canvas.Pen()->SetStyle(psClear);
    canvas.UseBrushColored(Brush(), color);
    if (FTool && FTool->Smooth()) {
        // A gradient of its own for the drawing only: from the colour below to this one.
        TTeeGradient gradient;
        gradient.SetVisible(true);
        if (!FTool->Vertical()) gradient.SetDirection(gdRightLeft);
        gradient.SetStartColor(valueIndex > 0 ? ValueColor(valueIndex - 1) : color);
        gradient.SetEndColor(color);
        gradient.DrawInRect(canvas, band);
    } else {
        canvas.FillRectangle(band);
    }
    if (Pen()->Visible()) DrawEdges(valueIndex, band);
}

void TPaletteSeries::DrawEdges(int valueIndex, const TRect& band) {
    TCanvas3D& canvas = *ParentChart()->Canvas3D();
    canvas.UsePen(Pen());
    if (!FTool || FTool->Vertical()) {
        canvas.DrawHorizontalLine(band.Left, band.Right, band.Top);
        if (valueIndex == 1) canvas.DrawHorizontalLine(band.Left, band.Right, band.Bottom);
        if (VertAxis() == aLeftAxis)
            canvas.DrawVerticalLine(band.Right, band.Top, band.Bottom);
        else if (VertAxis() == aRightAxis)
            canvas.DrawVerticalLine(band.Left, band.Top, band.Bottom);
    } else {
        canvas.DrawVerticalLine(band.Right, band.Top, band.Bottom);
        if (valueIndex == 1) canvas.DrawVerticalLine(band.Left, band.Top, band.Bottom);
        if (HorizAxis() == aTopAxis)
            canvas.DrawHorizontalLine(band.Left, band.Right, band.Top);
        else if (HorizAxis() == aBottomAxis)
            canvas.DrawHorizontalLine(band.Left, band.Right, band.Bottom);
    }
}
