// The series in its chart: published settings, joining and leaving the chart, the binding to
// axes, depth rows, update brackets and the extra stored properties.
#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/DataSourcesList.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/Publisher.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"

const TEnumInfo& HorizAxisNames() {
    static const TEnumInfo names{"aTopAxis", "aBottomAxis", "aBothHorizAxis", "aCustomHorizAxis"};
    return names;
}
const TEnumInfo& VertAxisNames() {
    static const TEnumInfo names{"aLeftAxis", "aRightAxis", "aBothVertAxis", "aCustomVertAxis"};
    return names;
}

// The series leaves its chart first, while it is whole, so that nothing of the chart (its list,
// its groups, its series tools) meets a half-destroyed series; the value lists go with
// FValueLists, reaching the container directly, never the series.
TChartSeries::~TChartSeries() {
    Destroying();
    ReleaseSourcesAndFunction();
    SetParentChart(nullptr);
}

void TChartSeries::Publish(TPublisher<TChartSeries>& p) {
    using S = TChartSeries;
    p.Boolean("ColorEachPoint", &S::ColorEachPoint, &S::SetColorEachPoint).Default(false);
    p.String("ColorSource", &S::ColorSource, &S::SetColorSource);
    p.Integer("Cursor", &S::Cursor, &S::SetCursor).Default(0);
    // Several sources go under "DataSources" instead.
    p.Component("DataSource", &S::DataSource, &S::SetDataSource).Stored([](const S& s) {
        return s.FDataSources->Count() == 1;
    });
    p.Integer("Depth", &S::Depth, &S::SetDepth).Default(-1);
    p.Enumeration("HorizAxis", HorizAxisNames(), &S::HorizAxis, &S::SetHorizAxis)
        .Default(aBottomAxis);
    p.Object("Marks", &S::Marks, &S::SetMarks);
    p.String("PercentFormat", &S::PercentFormat, &S::SetPercentFormat)
        .Stored(&S::IsPercentFormatStored);
    p.Color("SeriesColor", &S::SeriesColor, &S::SetSeriesColor)
        .Stored([](const S& s) { return s.FColor != clDefault; })
        .NoDefault();
    p.String("ValueFormat", &S::ValueFormat, &S::SetValueFormat).Stored(&S::IsValueFormatStored);
    p.Enumeration("VertAxis", VertAxisNames(), &S::VertAxis, &S::SetVertAxis).Default(aLeftAxis);
    p.String("XLabelsSource", &S::XLabelsSource, &S::SetXLabelsSource);
    p.Object("XValues", [](const S& s) { return s.FX; });
    p.Object("YValues", [](const S& s) { return s.FY; });
}

bool TChartSeries::IsPercentFormatStored() const {
    return FPercentFormat != TxtDefaultPercentFormat;
}
bool TChartSeries::IsValueFormatStored() const { return FValueFormat != TxtDefaultValueFormat; }

// --- Settings.

void TChartSeries::SetActive(bool value) {
    if (value == Active()) return;
    TCustomChartSeries::SetActive(value);
    BroadcastEvent(seChangeActive);
}

void TChartSeries::SetSeriesColor(TColor value) {
    // Asking for the colour the chart already gave changes nothing: Color stays unchosen.
    if (FColor == clDefault && value == FDefaultSeriesColor) return;
    ChangeField(FColor, value);
    FDefaultSeriesColor = value;
    BroadcastEvent(seChangeColor);
}

void TChartSeries::SetColorSource(const std::string& value) {
    if (value == FColorSource) return;
    FColorSource = value;
    RefreshFromSource();
}

void TChartSeries::SetXLabelsSource(const std::string& value) {
    if (value == FXLabelsSource) return;
    FXLabelsSource = value;
    RefreshFromSource();
}

void TChartSeries::AssignValueList(TChartValueList& list, const TChartValueList* value) {
    list.Assign(value);
    Repaint();
}

// --- Chart membership.

void TChartSeries::SetParentChart(TCustomAxisPanel* value) {
    if (value == FParentChart) return;
    if (FParentChart) FParentChart->RemoveSeries(this);
    FParentChart = value;
    FMarks->SetParentChart(value);
    if (value) value->InsertSeries(this);
    ResolveAxes();
}

void TChartSeries::AttachedToChart() {
    if (FColor == clDefault) {
        FDefaultSeriesColor = FParentChart->FreeSeriesColor(true, nullptr);
        SetSeriesColor(FDefaultSeriesColor);
        BroadcastEvent(seChangeColor);
    }
    ResolveAxes();
    LinkToSourceSeries(true);
    RefreshFromSource();
}

void TChartSeries::DetachedFromChart() {
    if (FParentChart && FCursor != 0 && FParentChart->Cursor() == FCursor)
        FParentChart->SetCursor(FParentChart->SavedCursor());
    // A custom axis belongs to the chart being left: the series lets go of it, so it never
    // keeps an axis that chart may free without telling it.
    FCustomHorizAxis = FCustomVertAxis = nullptr;
    if (FHorizAxis == aCustomHorizAxis) FHorizAxis = aBottomAxis;
    if (FVertAxis == aCustomVertAxis) FVertAxis = aLeftAxis;
    LinkToSourceSeries(false);
    FParentChart = nullptr;
    ResolveAxes();
}

bool TChartSeries::IsSameKindAs(const TChartSeries& other) const {
    return InheritsFrom(other.ClassType()) || other.InheritsFrom(ClassType());
}

// --- Axis binding.

void TChartSeries::ResolveAxes() {
    if (!FParentChart) {
        FResolvedHorizAxis = FResolvedVertAxis = nullptr;
        return;
    }
    TCustomAxisPanel& c = *FParentChart;
    FResolvedHorizAxis = c.BottomAxis();
    if (FHorizAxis == aTopAxis)
        FResolvedHorizAxis = c.TopAxis();
    else if (FHorizAxis == aCustomHorizAxis && FCustomHorizAxis)
        FResolvedHorizAxis = FCustomHorizAxis;
    FResolvedVertAxis = c.LeftAxis();
    if (FVertAxis == aRightAxis)
        FResolvedVertAxis = c.RightAxis();
    else if (FVertAxis == aCustomVertAxis && FCustomVertAxis)
        FResolvedVertAxis = FCustomVertAxis;
}

void TChartSeries::SetHorizAxis(THorizAxis value) {
    FHorizAxis = value;
    if (value != aCustomHorizAxis && !ComponentState().Contains(csLoading))
        FCustomHorizAxis = nullptr;
    ResolveAxes();
    Repaint();
}

void TChartSeries::SetVertAxis(TVertAxis value) {
    FVertAxis = value;
    if (value != aCustomVertAxis && !ComponentState().Contains(csLoading))
        FCustomVertAxis = nullptr;
    ResolveAxes();
    Repaint();
}

void TChartSeries::SetCustomHorizAxis(TChartAxis* axis) {
    FCustomHorizAxis = axis;
    FHorizAxis = axis ? aCustomHorizAxis : aBottomAxis;
    ResolveAxes();
    Repaint();
}

void TChartSeries::SetCustomVertAxis(TChartAxis* axis) {
    FCustomVertAxis = axis;
    FVertAxis = axis ? aCustomVertAxis : aLeftAxis;
    ResolveAxes();
    Repaint();
}

void TChartSeries::AxisFreed(const TChartAxis* axis) {
    if (FCustomHorizAxis == axis) SetCustomHorizAxis(nullptr);
    if (FCustomVertAxis == axis) SetCustomVertAxis(nullptr);
    ResolveAxes();
}

TChartAxis* TChartSeries::MandatoryAxis() const {
    return FYMandatory ? FResolvedVertAxis : FResolvedHorizAxis;
}

bool TChartSeries::UsesAxis(const TChartAxis* axis) const {
    if (!axis || !UsesAxes() || axis->IsDepthAxis) return false;
    if (axis->Horizontal()) return FHorizAxis == aBothHorizAxis || axis == FResolvedHorizAxis;
    return FVertAxis == aBothVertAxis || axis == FResolvedVertAxis;
}

TChartValueList* TChartSeries::ValueListOfAxis(const TChartAxis* axis) {
    if (!UsesAxis(axis)) return nullptr;
    return axis->Horizontal() ? FX : FY;
}

// --- Depth rows.

void TChartSeries::AssignZOrder() {
    if (!FParentChart) return;
    int& rows = FParentChart->DepthRowCount;
    if (FDepthIndex == -1)
        DrawDepthIndex = FParentChart->View3D() ? ++rows : 0;
    else
        rows = std::max(rows, FDepthIndex);
}

void TChartSeries::ComputeDepthRange() {
    const int rowSize = FParentChart ? FParentChart->DepthRowSize : 0;
    FrontDepth = rowSize * DrawDepthIndex;
    BackDepth = FrontDepth + (FDepth == -1 ? rowSize : FDepth);
    MidDepth = (FrontDepth + BackDepth) / 2;
    FMarks->ZPosition = MidDepth;
}

void TChartSeries::SetMarks(const TSeriesMarks* value) { FMarks->Assign(value); }

// --- Updates and notices.

void TChartSeries::EndUpdate() {
    if (FUpdateCount == 0) return;
    if (--FUpdateCount == 0) SignalDataChanged();
}

void TChartSeries::SignalDataChanged() {
    NotifyLinkedSeries(lscFull, 0);
    BroadcastEvent(seDataChanged);
}

void TChartSeries::NotifyLinkedSeries(TLinkedSeriesChange kind, int index) {
    if (FUpdateCount > 0) return;
    if (OnLinkedChange) OnLinkedChange(*this, kind, index);
    NotifyDependents(kind, index);
}

// --- Extra stored properties.

void TChartSeries::DefineProperties(TFiler& filer) {
    TCustomChartSeries::DefineProperties(filer);
    // Custom axes are stored by their place among the chart's custom axes; a place that does
    // not exist (a damaged stream) keeps the standard axis.
    auto define = [&](const char* name, TChartAxis* axis, void (TChartSeries::*set)(TChartAxis*)) {
        filer.DefineProperty(
            name,
            [this, set](TReader& r) {
                const int64_t index = r.ReadInteger();
                if (FParentChart)
                    if (TChartAxis* a = FParentChart->CustomAxisAt(index)) (this->*set)(a);
            },
            [axis](TWriter& w) { w.WriteInteger(axis->Index()); }, axis && axis->Index() >= 0);
    };
    define("CustomHorizAxis", FCustomHorizAxis, &TChartSeries::SetCustomHorizAxis);
    define("CustomVertAxis", FCustomVertAxis, &TChartSeries::SetCustomVertAxis);
    DefineSourceProperties(filer);
    DefineDataProperty(filer);
}
