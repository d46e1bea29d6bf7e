#include "chart/tools/data/DataTableTool.h"

#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartLists.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartValueList.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/DateTimeSteps.h"
#include "chart/foundation/TeeFont.h"
#include "chart/tools/data/TableLegend.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/DateTimeFormat.h"
#include "platform/rtl/FloatFormat.h"

namespace {

// The chart's axis-space hook while a table is on the chart; known again by its tool, so that a
// tool takes out only its own hook.
struct TTableSpaceHook {
    TDataTableTool* Tool;
    int operator()(TChartAxis& axis, int size) const { return Tool->AxisSpace(axis, size); }
};

}  // namespace

TDataTableTool::TDataTableTool(TComponent* owner)
    : TTeeCustomTool(owner),
      FColumnPen(CreateLinkedPen()),
      FFont(std::make_unique<TTeeFont>([this](TObject*) { Repaint(); })),
      FLegend(std::make_unique<TTableLegend>()) {}

TDataTableTool::~TDataTableTool() { SetParentChart(nullptr); }

void TDataTableTool::SetColumnPen(const TChartPen* value) { FColumnPen->Assign(value); }
void TDataTableTool::SetFont(const TTeeFont* value) { FFont->Assign(value); }
void TDataTableTool::SetLegend(const TTableLegend* value) { FLegend->Assign(value); }

bool TDataTableTool::IsTableSeries(TChartSeries& series) {
    if (!series.Active() || series.HasOwnDepth) return false;
    bool accept = true;
    if (OnFilterSeries) OnFilterSeries(*this, series, accept);
    return accept;
}

bool TDataTableTool::PrepareLayout(TLayout& layout) {
    if (!FParentChart) return false;
    TCustomAxisPanel& chart = *FParentChart;
    const int count = chart.SeriesCount();
    layout.InTable.assign(size_t(count), 0);
    TChartSeries* first = nullptr;
    for (int i = 0; i < count; ++i) {
        TChartSeries* s = chart.GetSeries(i);
        if (!IsTableSeries(*s)) continue;
        layout.InTable[size_t(i)] = 1;
        ++layout.TableCount;
        if (!first) first = s;
    }
    if (!first) return false;
    layout.Axis = first->YMandatory() ? first->ResolvedHorizAxis() : first->ResolvedVertAxis();
    if (!layout.Axis) return false;
    layout.Horizontal = layout.Axis->Horizontal();
    return true;
}

TChartAxis* TDataTableTool::TableAxis() {
    TLayout layout;
    return PrepareLayout(layout) ? layout.Axis : nullptr;
}

std::string TDataTableTool::ValueText(TChartSeries& series, int index) {
    const TChartValueList& values = series.MandatoryValueList();
    const double value = values[index];
    if (values.DateTime()) return FormatDateTime(DateTimeFormatFor(value), value);
    return FormatFloat(series.ValueFormat(), value);
}

int TDataTableTool::CellSize(const TLayout& layout) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    int size = 0;
    if (FLegend->Visible()) {
        canvas.UseFont(FLegend->Font());
        size = canvas.MeasureLineHeight();
    }
    canvas.UseFont(FFont.get());
    const int lineHeight = canvas.MeasureLineHeight();
    if (layout.Horizontal) return std::max(size, lineHeight);
    // Across a vertical axis the cells are columns as wide as the widest value.
    TCustomAxisPanel& chart = *FParentChart;
    for (size_t i = 0; i < layout.InTable.size(); ++i) {
        if (!layout.InTable[i]) continue;
        TChartSeries& s = *chart.GetSeries(int(i));
        for (int d = 0; d < s.Count(); ++d)
            size = std::max(size, canvas.MeasureTextWidth(ValueText(s, d)));
    }
    return size + lineHeight / 2;
}

void TDataTableTool::MeasureLegend(TLayout& layout) {
    TCustomAxisPanel& chart = *FParentChart;
    TCanvas3D& canvas = *chart.Canvas3D();
    canvas.UseFont(FLegend->Font());
    int widest = 0;
    for (size_t i = 0; i < layout.InTable.size(); ++i)
        if (layout.InTable[i])
            widest = std::max(
                widest, canvas.MeasureTextWidth(chart.SeriesTitleText(chart.GetSeries(int(i)))));
    const int width = widest + canvas.MeasureLineHeight();
    layout.SymbolWidth = FLegend->Symbol()->Visible() ? FLegend->Symbol()->WidthInPixels(width) : 0;
    layout.LegendWidth = width + layout.SymbolWidth;
}

int TDataTableTool::TableSize(const TLayout& layout) const {
    return layout.CellSize * layout.TableCount + (layout.Horizontal ? 10 : 16);
}

int TDataTableTool::AxisSpace(TChartAxis& axis, int size) {
    if (!Active() || axis.IsDepthAxis || !FAutoPosition || !FParentChart ||
        !FParentChart->Canvas3D())
        return size;
    TLayout layout;
    if (!PrepareLayout(layout)) return size;
    if (&axis == layout.Axis) {
        layout.CellSize = CellSize(layout);
        return size + TableSize(layout);
    }
    if (!FLegend->Visible()) return size;
    // The legend column stands out of the table's ends: the axis on that side makes room.
    MeasureLegend(layout);
    const int width = layout.LegendWidth;
    const bool other = FLegend->OtherSide();
    const TRect& rect = FParentChart->ChartRect();
    const TRect& bounds = FParentChart->DrawingRect();
    if (layout.Horizontal && !axis.Horizontal()) {
        if (!axis.OtherSide() && !other) return std::max(size, width);
        if (axis.OtherSide() && other) return std::max(size, width + rect.Right - bounds.Right);
    } else if (!layout.Horizontal && axis.Horizontal()) {
        if (axis.OtherSide() && !other) return std::max(size, width);
        if (!axis.OtherSide() && other) return std::max(size, width + rect.Bottom - bounds.Bottom);
    }
    return size;
}

void TDataTableTool::PlaceOrigin(TLayout& layout) {
    if (!FAutoPosition) {
        layout.Base = layout.Horizontal ? FTop : FLeft;
        layout.Offset = layout.Horizontal ? FLeft : FTop;
        return;
    }
    layout.Base = layout.Axis->AxisPosition();
    layout.Offset = 0;
    // In 3-D an axis on the other side stands one series slot deep.
    if (FParentChart->View3D() && layout.Axis->OtherSide()) {
        const int depth = FParentChart->DepthRowSize;
        layout.Base += layout.Horizontal ? -depth : depth;
        layout.Offset = layout.Horizontal ? depth : -depth;
    }
    FTop = layout.Horizontal ? layout.Base : 0;
    FLeft = layout.Horizontal ? 0 : layout.Base;
}

int TDataTableTool::RowLine(const TLayout& layout, int n) const {
    int above = 0;
    for (size_t i = 0; i < layout.InTable.size(); ++i)
        if (layout.InTable[i] && (FInverted ? int(i) > n : int(i) < n)) ++above;
    const int sign = layout.Axis->OtherSide() ? -1 : 1;
    const int s = layout.CellSize;
    if (layout.Horizontal) return layout.Base + sign * (s * (above + 1) + layout.Start);
    return layout.Base - sign * (layout.Start + above * s);
}

int TDataTableTool::RowOf(const TLayout& layout, int seriesIndex) const {
    // A row's text starts at its line on one side of it: the line after it on the other sides.
    if (layout.Horizontal != layout.Axis->OtherSide()) return RowLine(layout, seriesIndex);
    return RowLine(layout, FInverted ? seriesIndex - 1 : seriesIndex + 1);
}

void TDataTableTool::SetParentChart(TCustomAxisPanel* value) {
    if (value == FParentChart) return;
    // A chart freeing its tools has let go of this one (and of its axes) already.
    if (TCustomAxisPanel* old = FParentChart;
        old && !old->ComponentState().Contains(csDestroying) && old->Tools().IndexOf(this) >= 0)
        RemoveHook(*old);
    TTeeCustomTool::SetParentChart(value);
    if (ComponentState().Contains(csDestroying)) return;
    FLegend->SetParentChart(value);
    if (!value) return;
    InstallHook();
    value->Invalidate();
}

void TDataTableTool::InstallHook() { FParentChart->Axes().AxisSpaceHook = TTableSpaceHook{this}; }

void TDataTableTool::RemoveHook(TCustomAxisPanel& chart) {
    TChartAxes::TAxisSpaceHook& hook = chart.Axes().AxisSpaceHook;
    if (const auto* mine = hook.target<TTableSpaceHook>(); mine && mine->Tool == this)
        hook = nullptr;
}

void TDataTableTool::ChartDrawEvent(TChartToolEvent event) {
    TTeeCustomTool::ChartDrawEvent(event);
    if (event == cteAfterDraw && FParentChart && FParentChart->Canvas3D()) DrawTable();
}

void TDataTableTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TDataTableTool*>(source)) {
        FAutoPosition = other->FAutoPosition;
        FClipText = other->FClipText;
        FColumnPen->Assign(other->FColumnPen.get());
        FFont->Assign(other->FFont.get());
        FInverted = other->FInverted;
        FLeft = other->FLeft;
        FLegend->Assign(other->FLegend.get());
        FTop = other->FTop;
    }
    TTeeCustomTool::Assign(source);
}

void TDataTableTool::Publish(TPublisher<TDataTableTool>& p) {
    using T = TDataTableTool;
    p.Boolean("AutoPosition", &T::AutoPosition, &T::SetAutoPosition).Default(true);
    p.Boolean("ClipText", &T::ClipText, &T::SetClipText).Default(true);
    p.Object("ColumnPen", &T::ColumnPen, &T::SetColumnPen);
    p.Object("Font", &T::Font, &T::SetFont);
    p.Boolean("Inverted", &T::Inverted, &T::SetInverted).Default(false);
    p.Integer("Left", &T::Left, &T::SetLeft).Default(0);
    p.Object("Legend", &T::Legend, &T::SetLegend);
    p.Object("RowPen", &T::RowPen, &T::SetRowPen);
    p.Integer("Top", &T::Top, &T::SetTop).Default(0);
}
