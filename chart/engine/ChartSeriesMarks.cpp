// The series' side of its marks: the text of each point's mark, the size of its box, and
// drawing the marks of the visible points.
#include <algorithm>
#include <cmath>

#include "chart/engine/AxisLabelFormat.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/engine/SeriesMarksSymbol.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeHtml.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/Strings.h"

namespace {

// Lines joined by line separators, without a final one.
std::string JoinedLines(const TStrings& lines) {
    std::string text;
    for (int i = 0; i < lines.Count(); ++i) {
        if (i > 0) text += LineSeparator;
        text += lines.Strings(i);
    }
    return text;
}

}  // namespace

std::string TChartSeries::PercentText(int valueIndex, bool ofTotal) {
    const double total = MandatoryValueList().AbsoluteSum();
    const double share = total == 0 ? 100 : std::fabs(MandatoryValue(valueIndex)) * 100 / total;
    std::string text = FormatFloat(FPercentFormat, share);
    if (ofTotal)
        text = Format(FMarks->MultiLine() ? "%s\rof %s" : "%s of %s",
                      {text, FormatFloat(FValueFormat, total)});
    return text;
}

std::string TChartSeries::ValueMarkText(int valueIndex) {
    std::string text;
    const TMarksItem* item = FMarks->Items().Item(valueIndex);
    if (item && item->HasText()) {
        text = JoinedLines(*item->Text());
    } else {
        const std::string s(1, FMarks->MultiLine() ? LineSeparator : ' ');
        auto valueText = [&] { return FormatFloat(FValueFormat, MandatoryValue(valueIndex)); };
        auto labelOrValue = [&] {
            const std::string label = PointLabel(valueIndex);
            return label.empty() ? valueText() : label;
        };
        auto xText = [&] {
            const double x = NotMandatoryValueList()[valueIndex];
            return FResolvedHorizAxis ? FResolvedHorizAxis->FormatLabel(x)
                                      : FormatFloat(FValueFormat, x);
        };
        switch (FMarks->Style()) {
            case smsValue:
                text = valueText();
                break;
            case smsPercent:
                text = PercentText(valueIndex, false);
                break;
            case smsLabel:
                text = labelOrValue();
                break;
            case smsLabelPercent:
                text = labelOrValue() + s + PercentText(valueIndex, false);
                break;
            case smsLabelValue:
                text = labelOrValue() + s + valueText();
                break;
            case smsLegend:
                if (FParentChart)
                    FParentChart->FormattedLegendText(this, valueIndex, text, nullptr);
                if (!FMarks->MultiLine())
                    std::replace(text.begin(), text.end(), LineSeparator, ' ');
                break;
            case smsPercentTotal:
                text = PercentText(valueIndex, true);
                break;
            case smsLabelPercentTotal:
                text = labelOrValue() + s + PercentText(valueIndex, true);
                break;
            case smsXValue:
                text = xText();
                break;
            case smsXY:
                text = xText() + s + valueText();
                break;
            case smsSeriesTitle:
                text = FParentChart ? FParentChart->SeriesTitleText(this) : Title();
                break;
            case smsPointIndex:
                text = std::to_string(valueIndex);
                break;
            case smsPercentRelative: {
                // A first value of 0 gives no share rather than a division by zero.
                const double first = MandatoryValue(0);
                const double share = valueIndex == 0 ? 100
                                     : first == 0    ? 0
                                                     : MandatoryValue(valueIndex) * 100 / first;
                text = FormatFloat(FPercentFormat, share);
                break;
            }
        }
    }
    if (OnGetMarkText) OnGetMarkText(*this, valueIndex, text);
    return text;
}

void TChartSeries::MarkTextSize(TTeeCustomShape& mark, const std::string& text, int x, int y,
                                TSeriesMarkPosition& position) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UseFont(mark.Font());
    const TView3DOptions* view = FParentChart->View3DOptions();
    if (FParentChart->View3D() && !canvas.DrawsTextIn3D() && view && view->ZoomText() &&
        view->Zoom() != 100)
        canvas.Font()->SetSize(
            std::max(1, RoundToInt(canvas.Font()->Size() * view->Zoom() * 0.01)));
    const int lineHeight = canvas.MeasureLineHeight();
    int width = 0, height = 0;
    if (FMarks->TextFormat() == ttfHtml) {
        const TSize extent = MeasureMarkupText(canvas, text);
        width = extent.cx;
        height = extent.cy;
    } else {
        int lines = 0;
        width = MultiLineTextWidth(canvas, text, lines);
        height = lines * lineHeight;
    }
    TMargins& margins = *FMarks->Margins();
    margins.ComputePixels(width, height, lineHeight);
    width += margins.HorizontalPixels();
    height += margins.VerticalPixels();
    TSeriesMarksSymbol* symbol = FMarks->SymbolIfAny();
    if (symbol && symbol->IsShown()) width += lineHeight - 4;
    const int grow = mark.Pen()->Visible() ? mark.Pen()->Width() - 1 : 1;
    position.Width = width + grow;
    position.Height = height + grow;
    if (symbol) symbol->SetShapeBounds(TRect{0, 0, lineHeight, lineHeight});
    FMarks->Positions().PlaceAtPoint(position, x, y);
}

void TChartSeries::DrawMark(int valueIndex, const std::string& text,
                            TSeriesMarkPosition& position) {
    FMarks->DrawMarkAt(valueIndex, ValueColor(valueIndex), position, text);
}

void TChartSeries::DrawMarks() {
    if (!FParentChart || FirstInView < 0) return;
    const int every = std::max(1, FMarks->DrawEvery());
    TSeriesMarkPosition position;
    for (int i = FirstInView; i <= LastInView && i < Count(); ++i) {
        if (i % every != 0 || IsNullValue(i)) continue;
        const std::string text = ValueMarkText(i);
        TTeeCustomShape& mark = FMarks->ItemFormat(i);
        if (text.empty() || !mark.Visible()) continue;
        position = TSeriesMarkPosition{};
        MarkTextSize(mark, text, PointXPixel(i), PointYPixel(i), position);
        DrawMark(i, text, position);
    }
}

int TChartSeries::MaxMarkWidth() {
    int widest = 0;
    for (int i = 0; i < Count(); ++i)
        if (FMarks->ItemFormat(i).Visible()) widest = std::max(widest, FMarks->TextWidth(i));
    return widest;
}
