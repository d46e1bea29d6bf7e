// The pie's settings, its points with the "other" slice, the angles of the slices, its legend
// and its gallery previews. Drawing is in PieSeriesDraw.cpp.
#include "chart/engine/PieSeries.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/Callout.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/SampleRandom.h"
#include "chart/engine/SeriesMarkPositions.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/classes/Publisher.h"

const TEnumInfo& MultiPieNames() {
    static const TEnumInfo names{"mpAutomatic", "mpDisabled"};
    return names;
}

TPieSeries::TPieSeries(TComponent* owner)
    : TCircledSeries(owner),
      FOtherSlice(std::make_unique<TPieOtherSlice>(this)),
      FPieMarks(std::make_unique<TPieMarks>(this)) {
    XValues().SetName({});
    YValues().SetName(TxtPie2);
    Marks()->SetVisible(true);
    Marks()->Callout()->SetLength(8);
    SetColorEachPoint(true);
    UseSeriesColor = false;
    UsesPositionList = false;
    Gradient()->SetStartColor(clWhite);
    Gradient()->SetDirection(gdRadial);
}

TPieSeries::~TPieSeries() = default;

void TPieSeries::Publish(TPublisher<TPieSeries>& p) {
    using S = TPieSeries;
    p.Integer("AngleSize", &S::AngleSize, &S::SetAngleSize).Default(360);
    p.Boolean("AutoMarkPosition", &S::AutoMarkPosition, &S::SetAutoMarkPosition).Default(true);
    // A pie colours each slice: only a pie that does not is stored with it.
    p.Inherited("ColorEachPoint").Default(true);
    p.Boolean("Dark3D", &S::Dark3D, &S::SetDark3D).Default(true);
    p.Integer("DarkPen", &S::DarkPen, &S::SetDarkPen).Default(0);
    p.Integer("ExplodeBiggest", &S::ExplodeBiggest, &S::SetExplodeBiggest).Default(0);
    p.Integer("GradientBright", &S::GradientBright, &S::SetGradientBright).Default(0);
    p.Enumeration("MultiPie", MultiPieNames(), &S::MultiPie, &S::SetMultiPie).Default(mpAutomatic);
    p.Object("OtherSlice", &S::OtherSlice, &S::SetOtherSlice);
    p.Object("PieMarks", &S::PieMarks, &S::SetPieMarks);
    p.Object(
        "PiePen", [](const S& s) { return s.Pen(); },
        [](S& s, const TChartPen* v) { s.SetPen(v); });
    p.Object("PieValues", [](const S& s) { return &s.YValues(); });
    p.Boolean("UsePatterns", &S::UsePatterns, &S::SetUsePatterns).Default(false);
}

void TPieSeries::SetExplodeBiggest(int value) {
    if (!ChangeField(FExplodeBiggest, value)) return;
    ApplyExplodeBiggest();
}

void TPieSeries::SetGradientBright(int value) {
    if (!ChangeField(FGradientBright, value)) return;
    if (value == 0) Gradient()->SetStartColor(clWhite);
}

void TPieSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TPieSeries*>(source)) {
        FAngleSize = other->FAngleSize;
        FAutoMarkPosition = other->FAutoMarkPosition;
        FDark3D = other->FDark3D;
        FDarkPen = other->FDarkPen;
        FExplodeBiggest = other->FExplodeBiggest;
        FExploded.Assign(other->FExploded);
        FMultiPie = other->FMultiPie;
        FHeights.Assign(other->FHeights);
        FUsePatterns = other->FUsePatterns;
        FOtherSlice->Assign(other->FOtherSlice.get());
        FPieMarks->Assign(other->FPieMarks.get());
    }
    TCircledSeries::Assign(source);
    SetColorEachPoint(true);
}

void TPieSeries::SetParentChart(TCustomAxisPanel* value) {
    TCircledSeries::SetParentChart(value);
    if (!ComponentState().Contains(csDestroying)) FOtherSlice->ChartChanged();
}

void TPieSeries::SetChart3DView(TView3DOptions& view) {
    view.SetOrthogonal(false);
    view.SetRotation(360);
    view.SetElevation(315);
    view.SetPerspective(0);
    view.SetTilt(0);
}

// A pie takes no depth row of its own.
void TPieSeries::AssignZOrder() { DrawDepthIndex = -1; }

// A pie never rescales its axes.
double TPieSeries::GetMinXValue() {
    return ResolvedHorizAxis() ? ResolvedHorizAxis()->Minimum() : 0;
}
double TPieSeries::GetMaxXValue() {
    return ResolvedHorizAxis() ? ResolvedHorizAxis()->Maximum() : 0;
}
double TPieSeries::GetMinYValue() { return ResolvedVertAxis() ? ResolvedVertAxis()->Minimum() : 0; }
double TPieSeries::GetMaxYValue() { return ResolvedVertAxis() ? ResolvedVertAxis()->Maximum() : 0; }

// --- The other slice.

int TPieSeries::OtherSliceIndex() const {
    for (int i = 0; i < Count(); ++i)
        if (XValues()[i] == OtherSliceX) return i;
    return -1;
}

void TPieSeries::PrepareForChartDraw() {
    TCircledSeries::PrepareForChartDraw();
    // A mark the user moved stays with the other slice when the slice is made anew.
    std::unique_ptr<TSeriesMarkPosition> customMark;
    const int old = OtherSliceIndex();
    if (old != -1)
        if (const TSeriesMarkPosition* p = Marks()->Positions().Position(old); p && p->Custom)
            customMark = std::make_unique<TSeriesMarkPosition>(*p);
    if (YValues().Order() != loNone) YValues().Sort();
    if (const int i = OtherSliceIndex(); i != -1) Delete(i);
    ClearAngles();
    XValues().FillSequence();
    GroupOtherSlice();
    if (customMark)
        if (const int i = OtherSliceIndex(); i != -1)
            Marks()->Positions().SetPosition(i, *customMark);
}

void TPieSeries::GroupOtherSlice() {
    if (FOtherSlice->Style() == poNone) return;
    TChartValueList& values = YValues();
    const double total = values.AbsoluteSum();
    if (total <= 0) return;
    double sum = 0;
    bool grouped = false;
    for (int i = 0; i < Count(); ++i) {
        const double v = std::fabs(values[i]);
        const double measure = FOtherSlice->Style() == poBelowPercent ? v * 100 / total : v;
        if (measure < FOtherSlice->Value()) {
            XValues().SetValue(i, GroupedX);
            sum += v;
            grouped = true;
        }
    }
    if (!grouped) return;
    const TSeriesUpdate quiet(*this);  // drawing is under way: no repaint for the new point
    AddXYPoint(OtherSliceX, sum, FOtherSlice->Text(), FOtherSlice->Color());
    // The grouped values are in the sum already; percentages keep referring to it.
    values.SetAbsoluteSum(total);
}

void TPieSeries::WriteDataStream(TStream& stream) {
    if (const int i = OtherSliceIndex(); i != -1) Delete(i);
    TCircledSeries::WriteDataStream(stream);
}

// --- Angles.

void TPieSeries::ComputeVisibleRange() {
    if (FOtherSlice->Style() != poNone || Count() == 0) {
        FirstInView = Count() > 0 ? 0 : -1;
        LastInView = Count() - 1;
        return;
    }
    const TPointRange page = CalcPageRange();
    FirstInView = page.First;
    LastInView = page.Last;
}

const std::vector<TPieSeries::TSliceAngles>& TPieSeries::Angles() {
    if (!FAngles.empty() || FirstInView < 0) return FAngles;
    TChartValueList& values = YValues();
    double total;
    if (FOtherSlice->Style() != poNone || FirstInView < 0) {
        total = values.AbsoluteSum();
    } else {
        total = 0;
        for (int i = FirstInView; i <= LastInView; ++i) total += std::fabs(values[i]);
    }
    const double size = FAngleSize * std::numbers::pi / 180;
    FAngles.resize(size_t(LastInView + 1));
    double running = 0;
    for (int i = FirstInView; i <= LastInView; ++i) {
        TSliceAngles& a = FAngles[size_t(i)];
        a.Start = i == FirstInView ? 0 : FAngles[size_t(i - 1)].End;
        if (total == 0) {
            // Nothing to share: the first slice takes the whole pie, the others nothing.
            a.End = size;
        } else {
            if (!IsGrouped(i)) running += std::fabs(values[i]);
            a.End = running == total ? size : running * size / total;
        }
        a.End = std::min(a.End, a.Start + size);
        a.Middle = (a.Start + a.End) / 2;
    }
    return FAngles;
}

// --- Points.

void TPieSeries::ClearValueStorage() {
    TCircledSeries::ClearValueStorage();
    FExploded.Clear();
    FHeights.Clear();
    ClearAngles();
}

void TPieSeries::Clear() {
    TCircledSeries::Clear();
    ClearAngles();
}

void TPieSeries::Delete(int valueIndex) {
    TCircledSeries::Delete(valueIndex);
    FExploded.Delete(valueIndex);
    FHeights.Delete(valueIndex);
    ClearAngles();
}

void TPieSeries::ExchangePoints(int indexA, int indexB) {
    TCircledSeries::ExchangePoints(indexA, indexB);
    for (TSliceValueList* list : {&FExploded, &FHeights})
        if (list->Count() > 0) {
            list->GrowTo(Count());
            list->Exchange(indexA, indexB);
        }
}

void TPieSeries::ApplyValueOrder() {
    XValues().SetOrder(loAscending);
    Repaint();
}

void TPieSeries::ApplyExplodeBiggest() {
    if (FExplodeBiggest <= 0 || Count() == 0) return;
    TChartValueList& values = YValues();
    int biggest = -1;
    if (ParentChart() && ParentChart()->MaxPointsPerPage() > 0 && FirstInView >= 0) {
        for (int i = FirstInView; i <= LastInView; ++i)
            if (biggest == -1 || values[i] > values[biggest]) biggest = i;
    } else {
        biggest = values.IndexOfValue(values.Maximum());
    }
    if (biggest >= 0) FExploded.PutValue(biggest, FExplodeBiggest);
}

// --- Legend.

int TPieSeries::CountLegendItems() const {
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        if (IsGrouped(i) == DrawingOtherLegend) ++n;
    return n;
}

int TPieSeries::LegendToValueIndex(int legendIndex) const {
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        if (IsGrouped(i) == DrawingOtherLegend && n++ == legendIndex) return i;
    return legendIndex;
}

// --- Gallery.

void TPieSeries::AddRandomValues(int numValues, bool /*onlyMandatory*/) {
    const std::string* labels[] = {&TxtCars,  &TxtPhones,    &TxtTables, &TxtMonitors,
                                   &TxtLamps, &TxtKeyboards, &TxtBikes,  &TxtChairs};
    for (int i = 0; i < numValues; ++i) AddValue(1 + RandomBelow(1000), *labels[i % 8]);
}

void TPieSeries::PrepareForGallery(bool enabled) {
    TCircledSeries::PrepareForGallery(enabled);
    FillSampleValues(8);
    if (ParentChart()) {
        ParentChart()->SetChart3DPercent(75);
        TView3DOptions& view = *ParentChart()->View3DOptions();
        view.SetOrthogonal(false);
        view.SetRotation(0);
        view.SetElevation(305);
    }
    Marks()->Callout()->SetLength(0);
    Marks()->SetDrawEvery(1);
    Gradient()->SetVisible(true);
    SetColorEachPoint(enabled);
}

void TPieSeries::ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) {
    for (const std::string* name : {&TxtNormal, &TxtPatterns, &TxtExploded, &TxtShadow, &TxtMarks,
                                    &TxtSemiPie, &TxtNoBorder, &TxtDarkBorder})
        addVariant(*name);
}

void TPieSeries::ApplyGalleryVariant(TChartSeries* series, int index) {
    auto* pie = dynamic_cast<TPieSeries*>(series);
    if (!pie) return;
    switch (index) {
        case 1:
            pie->SetUsePatterns(true);
            pie->Gradient()->SetVisible(false);
            break;
        case 2:
            pie->SetExplodeBiggest(30);
            break;
        case 3:
            pie->Shadow()->SetHorizSize(10);
            pie->Shadow()->SetVertSize(10);
            break;
        case 4:
            pie->Marks()->SetVisible(true);
            pie->Clear();
            pie->AddValue(30, "A");
            pie->AddValue(72, "B");
            break;
        case 5:
            pie->SetAngleSize(180);
            break;
        case 6:
            pie->Pen()->SwitchOff();
            break;
        case 7:
            pie->SetDarkPen(32);
            break;
        default:
            break;
    }
}
