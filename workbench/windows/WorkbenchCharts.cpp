#include "workbench/windows/WorkbenchCharts.h"

#include "chart/editors/ChartEditor.h"
#include "chart/engine/AxisTitle.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/CustomSeries.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/engine/grid3d/Point3DSeries.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeFont.h"
#include "engine/Global.h"
#include "workbench/EqualScaleLimits.h"

void SetUpWorkbenchChart(TCustomChart& chart, int titleSize, const std::string& hint) {
    chart.SetColor(clWhite);
    chart.SetView3D(false);
    chart.Legend()->SetVisible(false);
    if (titleSize > 0) {
        TTeeFont* font = chart.Title()->Font();
        font->SetName("Calibri");
        font->SetSize(titleSize);
        font->SetStyle({fsBold});
    }
    chart.SetHint(hint);
    chart.SetShowHint(true);
}

TChartEditor* MakeWorkbenchChartEditor(TComponent* owner, const std::string& title) {
    auto* editor = new TChartEditor(owner);
    editor->SetName("ce");
    editor->HideTabs = {cetGeneral, cetPaging, cetWalls, cet3D, cetExportNative, cetTools};
    editor->HighLightTabs = true;
    editor->Options = {ceTitle};
    editor->Title = title;
    return editor;
}

void EditOnDoubleClick(TCustomChart& chart, TChartEditor& editor,
                       std::function<TCustomChart*()> target) {
    chart.OnDblClick = [&chart, &editor, target = std::move(target)](TObject*) {
        editor.SetChart(target ? target() : &chart);
        editor.Execute();
    };
}

void SetUpAxis(TChartAxis& axis, const std::string& title, const std::string& format,
               bool upright) {
    axis.Title()->SetCaption(title);
    if (upright) axis.Title()->SetAngle(0);
    axis.SetAxisValuesFormat(format);
}

void SetChartTitle(TCustomChart& chart, const std::vector<std::string>& lines) {
    TStrings* text = chart.Title()->Text();
    text->Clear();
    for (const std::string& line : lines) text->Add(line);
}

void SetUpResultSeries(TCustomSeries& series, const std::string& title, TColor lineColor,
                       TColor pointerFill, TColor pointerOutline) {
    series.SetTitle(title);
    series.SetSeriesColor(lineColor);
    series.Marks()->SetVisible(false);
    TSeriesPointer* pointer = series.Pointer();
    pointer->SetVisible(true);
    pointer->SetStyle(psCircle);
    pointer->SetHorizSize(3);
    pointer->SetVertSize(3);
    pointer->Brush()->SetColor(pointerFill);
    pointer->Pen()->SetColor(pointerOutline);
}

TPoint3DSeries* AddProfileSeries(TComponent* owner, TCustomChart& chart, TColor color, int width) {
    auto* series = new TPoint3DSeries(owner);
    chart.AddSeries(series);
    if (color != clDefault) series->SetSeriesColor(color);
    // The line is drawn with its pen: in the series' colour, the chart palette's without one.
    series->LinePen()->SetColor(series->SeriesColor());
    series->Pointer()->SetVisible(false);
    series->Marks()->SetVisible(false);
    if (width > 0) series->LinePen()->SetWidth(width);
    return series;
}

void AddOutline(TPoint3DSeries& upper, TPoint3DSeries& lower) {
    for (int i = 0; i <= Shared.NodeCount; ++i) {
        const double z = double(Shared.NodeZ[i]), r = double(Shared.NodeR[i]);
        upper.AddXYZValues(z, r, 0);
        lower.AddXYZValues(z, -r, 0);
    }
}

TProfileBounds OutlineBounds() {
    return {double(Shared.CavZMin), double(Shared.CavZMax),   double(Shared.CavYMin),
            double(Shared.CavYMax), double(Shared.CavZRange), double(Shared.CavYRange)};
}

bool FixEqualScales(TCustomChart& chart, const TProfileBounds& bounds) {
    chart.DrawToClient();
    const TRect plot = chart.ChartRect();
    const auto limits = EqualScaleLimits(bounds, plot.Width(), plot.Height());
    if (!limits) return false;
    chart.BottomAxis()->SetLimits(limits->Horizontal.Min, limits->Horizontal.Max);
    chart.LeftAxis()->SetLimits(limits->Vertical.Min, limits->Vertical.Max);
    return true;
}
