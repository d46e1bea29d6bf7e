#include "chart/engine/PieSeriesParts.h"

#include <utility>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/PieSeries.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/AssignIfChanged.h"
#include "platform/classes/Publisher.h"

const TEnumInfo& PieOtherStyleNames() {
    static const TEnumInfo names{"poNone", "poBelowPercent", "poBelowValue"};
    return names;
}

// --- Slice lists.

int TSliceValueList::Value(int index) const {
    return index >= 0 && index < Count() ? FItems[size_t(index)] : 0;
}

void TSliceValueList::PutValue(int index, int value) {
    if (index < 0) return;
    GrowTo(index + 1);
    if (FItems[size_t(index)] == value) return;
    FItems[size_t(index)] = value;
    if (FOwner) FOwner->Repaint();
}

void TSliceValueList::Delete(int index) {
    if (index >= 0 && index < Count()) FItems.erase(FItems.begin() + index);
}

void TSliceValueList::GrowTo(int count) {
    if (count > Count()) FItems.resize(size_t(count), 0);
}

void TSliceValueList::Exchange(int a, int b) { std::swap(FItems[size_t(a)], FItems[size_t(b)]); }

// --- The other slice.

TPieOtherSlice::TPieOtherSlice(TPieSeries* owner) : FOwner(owner) {}
TPieOtherSlice::~TPieOtherSlice() = default;

void TPieOtherSlice::Publish(TPublisher<TPieOtherSlice>& p) {
    using S = TPieOtherSlice;
    p.Color("Color", &S::Color, &S::SetColor).Default(clDefault);
    p.Object(
         "Legend", [](const S& s) { return s.LegendIfAny(); }, &S::SetLegend)
        .Stored([](const S& s) { return s.FLegend != nullptr; });
    p.Enumeration("Style", PieOtherStyleNames(), &S::Style, &S::SetStyle).Default(poNone);
    p.String(
         "Text", [](const S& s) { return s.FText; }, &S::SetText)
        .Stored([](const S& s) { return !s.FText.empty(); });
    p.Float("Value", &S::Value, &S::SetValue).Default(0);
}

void TPieOtherSlice::Changed() {
    if (FOwner) FOwner->Repaint();
}

void TPieOtherSlice::SetColor(TColor value) {
    if (AssignIfChanged(FColor, value)) Changed();
}
void TPieOtherSlice::SetStyle(TPieOtherStyle value) {
    if (AssignIfChanged(FStyle, value)) Changed();
}
void TPieOtherSlice::SetText(const std::string& value) {
    if (AssignIfChanged(FText, value)) Changed();
}
void TPieOtherSlice::SetValue(double value) {
    if (AssignIfChanged(FValue, value)) Changed();
}

std::string TPieOtherSlice::Text() const { return FText.empty() ? TxtOther : FText; }

TChartLegend* TPieOtherSlice::Legend() {
    if (!FLegend) {
        TCustomAxisPanel* chart = FOwner ? FOwner->ParentChart() : nullptr;
        FLegend = std::make_unique<TChartLegend>(chart, dynamic_cast<ILegendChart*>(chart));
        FLegend->SetVisible(false);
        FLegend->SetSeries(FOwner);
    }
    return FLegend.get();
}

void TPieOtherSlice::SetLegend(const TChartLegend* value) {
    if (!value) {
        FLegend.reset();
        return;
    }
    Legend()->Assign(value);
    FLegend->SetSeries(FOwner);
}

void TPieOtherSlice::ChartChanged() {
    if (!FLegend) return;
    // A legend belongs to one chart: a new one for the new chart takes the settings.
    std::unique_ptr<TChartLegend> old = std::move(FLegend);
    if (FOwner && FOwner->ParentChart()) {
        Legend()->Assign(old.get());
        FLegend->SetSeries(FOwner);
    }
}

void TPieOtherSlice::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TPieOtherSlice*>(source);
    if (!other) return TPersistent::Assign(source);
    FColor = other->FColor;
    SetLegend(other->FLegend.get());
    FStyle = other->FStyle;
    FText = other->FText;
    FValue = other->FValue;
    Changed();
}

// --- Marks.

void TPieMarks::Publish(TPublisher<TPieMarks>& p) {
    p.Integer("LegSize", &TPieMarks::LegSize, &TPieMarks::SetLegSize).Default(0);
    p.Boolean("VertCenter", &TPieMarks::VertCenter, &TPieMarks::SetVertCenter).Default(false);
}

void TPieMarks::SetLegSize(int value) {
    if (AssignIfChanged(FLegSize, value) && FOwner) FOwner->Repaint();
}
void TPieMarks::SetVertCenter(bool value) {
    if (AssignIfChanged(FVertCenter, value) && FOwner) FOwner->Repaint();
}

void TPieMarks::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TPieMarks*>(source);
    if (!other) return TPersistent::Assign(source);
    FLegSize = other->FLegSize;
    FVertCenter = other->FVertCenter;
    if (FOwner) FOwner->Repaint();
}
