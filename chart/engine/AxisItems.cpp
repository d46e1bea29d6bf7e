#include "chart/engine/AxisItems.h"

#include "chart/engine/ChartAxis.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeePanel.h"

namespace {
// The label shapes are transparent unless asked otherwise, and stored against that.
class TTransparentShape : public TTeeShape {
public:
    explicit TTransparentShape(TCustomTeePanel* chart) : TTeeShape(chart) {
        SetDefaultTransparent(true);
    }
};
}  // namespace

TAxisItem::TAxisItem(TCustomTeePanel* chart, TAxisItems* items)
    : TTeeCustomShape(chart), FItems(items) {
    SetDefaultTransparent(true);
}

void TAxisItem::SetText(const std::string& value) {
    if (value == FText) return;
    FText = value;
    Repaint();
}

void TAxisItem::SetValue(double value) {
    if (value == FValue) return;
    FValue = value;
    Repaint();
}

TAxisItems::TAxisItems(TChartAxis* axis)
    : FAxis(axis), FFormat(std::make_unique<TTransparentShape>(Chart())) {}

TAxisItems::~TAxisItems() = default;

TCustomTeePanel* TAxisItems::Chart() const {
    return FAxis ? dynamic_cast<TCustomTeePanel*>(FAxis->Host()) : nullptr;
}

TAxisItem* TAxisItems::Add(double value) {
    FAuto = false;
    FItems.push_back(std::make_unique<TAxisItem>(Chart(), this));
    TAxisItem* item = FItems.back().get();
    item->SetValue(value);
    return item;
}

TAxisItem* TAxisItems::Add(double value, const std::string& text) {
    TAxisItem* item = Add(value);
    item->SetText(text);
    return item;
}

TAxisItem* TAxisItems::Add(double value, const std::string& text, const TTeeFont* font) {
    TAxisItem* item = Add(value, text);
    item->Font()->Assign(font);
    return item;
}

TAxisItem* TAxisItems::AddLabelOfPass(double value, const std::string& text) {
    FItems.push_back(std::make_unique<TAxisItem>(Chart(), this));
    TAxisItem* item = FItems.back().get();
    item->FValue = value;
    item->FText = text;
    return item;
}

void TAxisItems::Clear() {
    FItems.clear();
    if (TCustomTeePanel* chart = Chart()) chart->Invalidate();
}

void TAxisItems::CopyFrom(const TAxisItems& source) {
    FFormat->Assign(source.FFormat.get());
    if (source.FAuto) return;
    Clear();
    for (const auto& item : source.FItems) Add(item->Value(), item->Text(), item->Font());
}
