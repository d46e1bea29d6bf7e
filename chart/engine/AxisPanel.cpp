// The axis panel's making and unmaking, its settings, what it does for its axes, and copying
// and storing it.
#include "chart/engine/AxisPanel.h"

#include "chart/engine/AxisGridPen.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartTools.h"
#include "chart/engine/SeriesGroups.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/classes/Publisher.h"
#include "platform/classes/Reader.h"
#include "platform/rtl/Format.h"

TCustomAxisPanel::TCustomAxisPanel(TComponent* owner) : TCustomTeePanelExtended(owner) {
    TAutoRepaintGuard quiet(*this);
    FTools = std::make_unique<TChartTools>(this);
    FSeriesList = std::make_unique<TChartSeriesList>(this);
    FAxes = std::make_unique<TChartAxes>(this);
    FCustomAxes = std::make_unique<TChartCustomAxes>(this);

    FBottomAxis = new TChartAxis(this);
    FBottomAxis->SetHorizontal(true);
    AddStandardAxis(FBottomAxis);

    FTopAxis = new TChartAxis(this);
    FTopAxis->SetHorizontal(true);
    FTopAxis->SetOtherSide(true);
    FTopAxis->SetZPosition(100);
    FTopAxis->Grid()->SetDefaultZPosition(100);
    AddStandardAxis(FTopAxis);

    // The side axes' titles read upwards on the left and downwards on the right.
    FLeftAxis = new TChartAxis(this);
    FLeftAxis->Title()->SetDefaultAngle(90);
    AddStandardAxis(FLeftAxis);

    FRightAxis = new TChartAxis(this);
    FRightAxis->Title()->SetDefaultAngle(270);
    FRightAxis->SetOtherSide(true);
    FRightAxis->SetZPosition(100);
    FRightAxis->Grid()->SetDefaultZPosition(100);
    AddStandardAxis(FRightAxis);

    FDepthAxis = new TChartDepthAxis(this);
    FDepthAxis->SetOtherSide(true);
    AddStandardAxis(FDepthAxis);
    FDepthTopAxis = new TChartDepthAxis(this);
    AddStandardAxis(FDepthTopAxis);
    FDepthAxis->Partner = FDepthTopAxis;
    FDepthTopAxis->Partner = FDepthAxis;

    FPages = std::make_unique<TChartPage>(this);
}

void TCustomAxisPanel::AddStandardAxis(TChartAxis* axis) {
    axis->SelectPixelCalculators();
    FAxes->Add(axis);
}

// In this order: the series go (each leaving the chart), then the axes (an axis tool on one of
// them forgets it as it goes), then the tools; the panel's own parts last.
TCustomAxisPanel::~TCustomAxisPanel() {
    FreeSeriesOfClass(nullptr);
    FPages.reset();
    FAxes->Clear();
    FAxes.reset();
    FBottomAxis = FTopAxis = FLeftAxis = FRightAxis = nullptr;
    FDepthAxis = FDepthTopAxis = nullptr;
    FCustomAxes.reset();
    FSeriesList.reset();
    FTools->Clear();
    FTools.reset();
}

void TCustomAxisPanel::Publish(TPublisher<TCustomAxisPanel>& p) {
    using P = TCustomAxisPanel;
    p.Boolean("AxisBehind", &P::AxisBehind, &P::SetAxisBehind).Default(true);
    p.Boolean("AxisVisible", &P::AxisVisible, &P::SetAxisVisible).Default(true);
    p.Object("BottomAxis", &P::BottomAxis);
    p.Integer("Chart3DPercent", &P::Chart3DPercent, &P::SetChart3DPercent).Default(15);
    p.Boolean("ClipPoints", &P::ClipPoints, &P::SetClipPoints).Default(true);
    p.Object("CustomAxes", &P::CustomAxes).Stored([](const P& c) {
        return c.FCustomAxes->Count() > 0;
    });
    p.Object("DepthAxis", &P::DepthAxis);
    p.Object("DepthTopAxis", &P::DepthTopAxis);
    p.Object("LeftAxis", &P::LeftAxis);
    p.Object("Pages", &P::Pages);
    p.Object("RightAxis", &P::RightAxis);
    p.Object("SeriesGroups", &P::SeriesGroups).Stored([](const P& c) {
        return c.SeriesGroups()->Count() > 0;
    });
    p.Object("TopAxis", &P::TopAxis);
    p.Boolean("View3DWalls", &P::View3DWalls, &P::SetView3DWalls).Default(true);
}

void TCustomAxisPanel::SetChart3DPercent(int value) {
    if (value < 1 || value > 100)
        throw Exception(Format(Txt3DEffectPercentMustBeBetween, {1, 100}));
    SetIntegerValue(FChart3DPercent, value);
}

void TCustomAxisPanel::SetCustomAxes(const TChartCustomAxes* value) { FCustomAxes->Assign(value); }

TChartAxis* TCustomAxisPanel::CustomAxisAt(int64_t index) const {
    if (index < 0 || index >= FCustomAxes->Count()) return nullptr;
    return FCustomAxes->GetAxis(int(index));
}

bool TCustomAxisPanel::OwnsAxis(const TChartAxis* axis) const {
    return axis && FAxes && FAxes->IndexOf(axis) >= 0;
}

TSeriesGroups* TCustomAxisPanel::SeriesGroups() const { return FSeriesList->GroupCollection(); }

// --- What the axes ask of the chart.

bool TCustomAxisPanel::AxisLoading() const { return ComponentState().Contains(csLoading); }

void TCustomAxisPanel::AxisChanged(TChartAxis&) { Invalidate(); }

void TCustomAxisPanel::ForEachAxis(const std::function<void(TChartAxis&)>& proc) {
    if (!FAxes) return;
    // A copy: the procedure may free or add axes.
    for (TChartAxis* axis : FAxes->List()) proc(*axis);
}

void TCustomAxisPanel::AxisSeriesRange(const TChartAxis& axis, double& minimum, double& maximum) {
    const bool isX = axis.Horizontal();
    minimum = Extreme(true, isX, &axis);
    maximum = Extreme(false, isX, &axis);
}

bool TCustomAxisPanel::AxisShowsDateTime(const TChartAxis& axis) {
    const TChartSeries* s = FirstSeriesOfAxis(&axis);
    if (!s) return false;
    return axis.Horizontal() ? s->XValues().DateTime() : s->YValues().DateTime();
}

double TCustomAxisPanel::AxisLabelIncrement(TChartAxis& axis) {
    return axis.ComputeLabelIncrement();
}

TTeeCanvas* TCustomAxisPanel::AxisCanvas() { return Canvas3D(); }

void TCustomAxisPanel::ForEachSeries(bool activeOnly,
                                     const std::function<void(TChartSeries&)>& proc) {
    for (TChartSeries* s : *FSeriesList)
        if (!activeOnly || s->Active()) proc(*s);
}

void TCustomAxisPanel::GetAxisLabel(TChartAxis& axis, TChartSeries* series, int valueIndex,
                                    std::string& text) {
    if (OnGetAxisLabel) OnGetAxisLabel(axis, series, valueIndex, text);
}

void TCustomAxisPanel::GetNextAxisLabel(TChartAxis& axis, int labelIndex, double& value,
                                        bool& stop) {
    if (OnGetNextAxisLabel)
        OnGetNextAxisLabel(axis, labelIndex, value, stop);
    else
        stop = true;
}

bool TCustomAxisPanel::AxisViewFacesFront() {
    const TView3DOptions& view = *View3DOptions();
    return view.Orthogonal() || view.Rotation() == 360;
}

int TCustomAxisPanel::AxisLabelsRoom(TChartAxis& axis, int size) {
    return FAxes && FAxes->AxisSpaceHook ? FAxes->AxisSpaceHook(axis, size) : size;
}

void TCustomAxisPanel::AxisDestroying(TChartAxis& axis) {
    if (!FAxes) return;
    FAxes->Remove(&axis);
    for (TChartSeries* s : *FSeriesList) s->AxisFreed(&axis);
    for (TTeeCustomTool* tool : *FTools)
        if (auto* t = dynamic_cast<TTeeCustomToolAxis*>(tool); t && t->Axis() == &axis)
            t->ForgetAxis();
}

// --- Children, copying and storing.

void TCustomAxisPanel::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
    TCustomTeePanelExtended::GetChildren(proc, root);
    for (TChartSeries* s : *FSeriesList)
        if (!s->InternalElement) proc(s);
    // Tools are stored with the chart they work in, as series are.
    for (TTeeCustomTool* t : *FTools)
        if (!t->InternalElement) proc(t);
}

void TCustomAxisPanel::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TCustomAxisPanel*>(source)) {
        FChart3DPercent = other->FChart3DPercent;
        FAxisBehind = other->FAxisBehind;
        FAxisVisible = other->FAxisVisible;
        FBottomAxis->Assign(other->FBottomAxis);
        FClipPoints = other->FClipPoints;
        ColorPalette = other->ColorPalette;
        FCustomAxes->Assign(other->FCustomAxes.get());
        FLeftAxis->Assign(other->FLeftAxis);
        FDepthAxis->Assign(other->FDepthAxis);
        FDepthTopAxis->Assign(other->FDepthTopAxis);
        FPages->Assign(other->FPages.get());
        FRightAxis->Assign(other->FRightAxis);
        FTopAxis->Assign(other->FTopAxis);
        FView3DWalls = other->FView3DWalls;
    }
    TCustomTeePanelExtended::Assign(source);
}

void TCustomAxisPanel::DefineProperties(TFiler& filer) {
    TCustomTeePanelExtended::DefineProperties(filer);
    filer.DefineProperty(
        "MaxPointsPerPage",
        [this](TReader& r) { FPages->SetMaxPointsPerPage(int(r.ReadInteger())); }, nullptr, false);
    filer.DefineProperty(
        "Page", [this](TReader& r) { FPages->SetCurrent(int(r.ReadInteger())); }, nullptr, false);
    filer.DefineProperty(
        "ScaleLastPage", [this](TReader& r) { FPages->SetScaleLastPage(r.ReadBoolean()); }, nullptr,
        false);
}

void TCustomAxisPanel::Loaded() {
    TCustomTeePanelExtended::Loaded();
    FPages->SetCurrent(FPages->Current());
}

void TCustomAxisPanel::MouseLeave() {
    TCustomTeePanelExtended::MouseLeave();
    ToolsChartEvent(cteMouseLeave);
}
