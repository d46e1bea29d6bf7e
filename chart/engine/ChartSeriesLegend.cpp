// What a series tells the legend about its points (text, colour, symbol) and how it follows
// the mouse.
#include <cmath>
#include <string>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/ChartSeries.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/DateTimeSteps.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/DateTimeFormat.h"
#include "platform/rtl/FloatFormat.h"

std::string TChartSeries::LegendItemText(int legendIndex, TLegendTextStyle style) {
    const int i = LegendToValueIndex(legendIndex);
    const std::string label = PointLabel(i);
    const double v = MandatoryValue(i);
    auto valueText = [&] {
        if (MandatoryValueList().DateTime()) return FormatDateTime(DateTimeFormatFor(v), v);
        return FormatFloat(FValueFormat, v);
    };
    // Unlike the marks' percent, the legend keeps the sign of the value.
    auto percentText = [&] {
        const double total = MandatoryValueList().AbsoluteSum();
        return FormatFloat(FPercentFormat, total == 0 ? 100 : v * 100 / total);
    };
    auto xText = [&] {
        const double x = (*FX)[i];
        return FResolvedHorizAxis ? FResolvedHorizAxis->FormatLabel(x)
                                  : FormatFloat(FValueFormat, x);
    };
    const std::string c(1, ColumnSeparator);
    const std::string labelSep = label.empty() ? std::string() : c;
    switch (style) {
        case ltsPlain:
            return label;
        case ltsLeftValue:
            return valueText() + labelSep + label;
        case ltsRightValue:
            return label + labelSep + valueText();
        case ltsLeftPercent:
            return percentText() + labelSep + label;
        case ltsRightPercent:
            return label + labelSep + percentText();
        case ltsXValue:
            return xText();
        case ltsValue:
            return valueText();
        case ltsPercent:
            return percentText();
        case ltsXAndValue:
            return xText() + c + valueText();
        case ltsXAndPercent:
            return xText() + c + percentText();
    }
    return label;
}

namespace {

// The brush style changed for one symbol and given back afterwards, also on failure.
class TBrushStyleGuard {
public:
    TBrushStyleGuard(TChartBrush& brush, TBrushStyle style) : FBrush(brush), FSaved(brush.Style()) {
        brush.SetStyle(style);
    }
    ~TBrushStyleGuard() { FBrush.SetStyle(FSaved); }
    TBrushStyleGuard(const TBrushStyleGuard&) = delete;
    TBrushStyleGuard& operator=(const TBrushStyleGuard&) = delete;

private:
    TChartBrush& FBrush;
    TBrushStyle FSaved;
};

}  // namespace

void TChartSeries::DrawLegendSymbol(int valueIndex, const TRect& rect) {
    if (!FParentChart) return;
    if (valueIndex == -1 && FColorEachPoint) return;
    TCustomAxisPanel& chart = *FParentChart;
    const TAutoRepaintGuard noRepaints(chart);
    TCanvas3D& canvas = *chart.Canvas3D();
    const TColor color = valueIndex == -1 ? SeriesColor() : LegendItemColor(valueIndex);
    canvas.Brush()->SetColor(color);
    if (color == clNone) return;
    TColor back = chart.LegendBackColor;
    TChartBrush& brush = *Brush();
    TBrushStyle style = brush.Style();
    canvas.UsePen(Pen());
    PrepareLegendCanvas(valueIndex, back, style);
    if (chart.LegendSymbolPen) canvas.UsePen(chart.LegendSymbolPen);
    if (back == clDefault) back = chart.LegendBackColor;
    if (back == clDefault) back = chart.Color();
    // A brush with a picture keeps its style: the picture is the fill.
    const TPicture* picture = brush.ImageIfAny();
    const bool restyle = style != brush.Style() && (!picture || !picture->Graphic());
    const TBrushStyleGuard styled(brush, restyle ? style : brush.Style());
    chart.ApplyBrush(canvas.Brush()->Color(), &brush, back);
    DrawLegendShape(valueIndex, rect);
}

void TChartSeries::DrawLegendShape(int /*valueIndex*/, const TRect& rect) {
    FParentChart->DrawLegendSymbolRect(rect);
}

bool TChartSeries::CheckMouse(int x, int y) {
    if (FCursor == 0 && !OnMouseEnter && !OnMouseLeave) return false;
    if (ValueIndexAt(x, y) == -1) {
        if (MouseInside) {
            MouseInside = false;
            if (OnMouseLeave) OnMouseLeave(this);
        }
        return false;
    }
    if (FCursor != 0 && FParentChart) FParentChart->SetCursor(FCursor);
    if (!MouseInside) {
        MouseInside = true;
        if (OnMouseEnter) OnMouseEnter(this);
    }
    return true;
}
