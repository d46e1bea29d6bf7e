#include "chart/engine/ChartElement.h"

#include "chart/engine/AxisPanel.h"
#include "platform/classes/Publisher.h"

TCustomChartElement::TCustomChartElement(TComponent* owner)
    : TComponent(owner),
      FBrush(std::make_unique<TChartBrush>(StyleChangedEvent())),
      FPen(std::make_unique<TChartPen>(StyleChangedEvent())) {}

// Subclasses have left the chart by now; a plain element only drops the reference.
TCustomChartElement::~TCustomChartElement() { FParentChart = nullptr; }

void TCustomChartElement::Publish(TPublisher<TCustomChartElement>& p) {
    p.Boolean("Active", &TCustomChartElement::Active, &TCustomChartElement::SetActive)
        .Default(true);
    p.Boolean("ShowInEditor", &TCustomChartElement::ShowInEditor,
              &TCustomChartElement::SetShowInEditor)
        .Default(true);
}

std::string TCustomChartElement::EditorClassNameOf(TClass cls) {
    return ClassAs<TChartElementClass>(cls).EditorClassName();
}

TNotifyEvent TCustomChartElement::StyleChangedEvent() {
    return [this](TObject*) { StyleChanged(); };
}

void TCustomChartElement::SetActive(bool value) { ChangeField(FActive, value); }

void TCustomChartElement::StyleChanged() { Repaint(); }

void TCustomChartElement::Repaint() {
    if (FParentChart) FParentChart->Invalidate();
}

std::unique_ptr<TChartPen> TCustomChartElement::CreateLinkedPen() {
    return std::make_unique<TChartPen>(StyleChangedEvent());
}

TComponent* TCustomChartElement::GetParentComponent() const { return FParentChart; }

void TCustomChartElement::SetParentComponent(TComponent* value) {
    if (auto* chart = dynamic_cast<TCustomAxisPanel*>(value)) SetParentChart(chart);
}

void TCustomChartElement::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TCustomChartElement*>(source);
    if (!other) {
        TComponent::Assign(source);
        return;
    }
    FActive = other->FActive;
    FBrush->Assign(other->FBrush.get());
    FPen->Assign(other->FPen.get());
    SetTag(other->Tag());
}
