// Copying a series: settings, points from another series, and the six steps of Assign.
#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/DataSourcesList.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/engine/TeeFunction.h"

int TChartSeries::AddPointValuesFrom(const TChartSeries& source, int i) {
    double x = source.XValueAt(i);
    double y = source.YValueAt(i);
    if (source.FYMandatory != FYMandatory) std::swap(x, y);
    FX->TempValue = x;
    const int index = FX->InsertTempOrdered();
    FY->InsertValue(index, y);
    for (int j = 2; j < FValueLists.Count(); ++j) {
        const double v =
            j < source.FValueLists.Count() ? (*source.FValueLists.ValueList(j))[i] : 0.0;
        FValueLists.ValueList(j)->InsertValue(index, v);
    }
    return index;
}

int TChartSeries::AddPointFrom(const TChartSeries& source, int i) {
    const int index = AddPointValuesFrom(source, i);
    // Every point keeps a colour entry once the list exists, and a label once labels exist.
    InsertPointColor(index, source.StoredPointColor(i));
    const std::string label = source.FLabels.Label(i);
    if (!label.empty() || FLabels.Count() > 0) FLabels.InsertLabel(index, label);
    if (!Updating()) NotifyValueAdded(index);
    return index;
}

void TChartSeries::LoadFromSeries(const TChartSeries& source) {
    TSeriesUpdate update(*this);
    Clear();
    if (FFunction) {
        // The results lie on the source's scales.
        FX->SetDateTime(source.FX->DateTime());
        FY->SetDateTime(source.FY->DateTime());
        FFunction->ComputeFromSources(const_cast<TChartSeries*>(&source));
        return;
    }
    if (!CanCopyFrom(source)) return;
    for (int i = 0; i < source.Count(); ++i) AddPointFrom(source, i);
}

void TChartSeries::CopyValuesFrom(const TChartSeries& source) { LoadFromSeries(source); }

void TChartSeries::CopySettingsFrom(const TChartSeries& source) {
    SetDataSource(nullptr);
    // A vertical and a horizontal series hold values and positions in opposite lists.
    const bool crosswise = source.FYMandatory != FYMandatory;
    FX->Assign(crosswise ? source.FY : source.FX);
    FY->Assign(crosswise ? source.FX : source.FY);
    FXLabelsSource = source.FXLabelsSource;
    FColorSource = source.FColorSource;
    const int lists = std::min(FValueLists.Count(), source.FValueLists.Count());
    for (int i = 2; i < lists; ++i)
        FValueLists.ValueList(i)->Assign(source.FValueLists.ValueList(i));
    FMarks->Assign(source.FMarks.get());
    FColor = source.FColor;
    SetDefaultSeriesColor(source.FDefaultSeriesColor);
    FColorEachPoint = source.FColorEachPoint;
    FValueFormat = source.FValueFormat;
    FPercentFormat = source.FPercentFormat;
    // Custom axes are taken only from a series of the same chart: another chart's axis could
    // be freed without this series hearing of it.
    const bool sameChart = FParentChart && FParentChart == source.FParentChart;
    FCustomHorizAxis = sameChart ? source.FCustomHorizAxis : nullptr;
    FHorizAxis = source.FHorizAxis == aCustomHorizAxis && !FCustomHorizAxis ? aBottomAxis
                                                                            : source.FHorizAxis;
    FCustomVertAxis = sameChart ? source.FCustomVertAxis : nullptr;
    FVertAxis =
        source.FVertAxis == aCustomVertAxis && !FCustomVertAxis ? aLeftAxis : source.FVertAxis;
    FSourceFollowOptions = source.FSourceFollowOptions;
    FCursor = source.FCursor;
    FDepth = source.FDepth;
    ResolveAxes();
}

void TChartSeries::Assign(const TPersistent* source) {
    TCustomChartSeries::Assign(source);
    auto* other = dynamic_cast<const TChartSeries*>(source);
    if (!other) return;
    CopySettingsFrom(*other);
    if (other->FFunction && !FFunction) other->FFunction->AttachToSeries(this);
    DataEnteredByHand = other->DataEnteredByHand;
    // The program has no design state, so a series without data sources always hands its
    // points over; one fed by sources hands the sources over instead.
    if (other->FDataSources->Count() == 0 || other->DataEnteredByHand) {
        // The per-point mark looks copied with the settings belong to the points copied now.
        TMarksItemsHold keepItems(FMarks->Items());
        CopyValuesFrom(*other);
    } else {
        const std::vector<TComponent*> sources(other->FDataSources->begin(),
                                               other->FDataSources->end());
        for (TComponent* c : sources) ValidateAndAddSource(c, false);
    }
    RefreshFromSource();
}
