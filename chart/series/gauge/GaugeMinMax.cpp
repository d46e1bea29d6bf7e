#include "chart/series/gauge/GaugeMinMax.h"

#include "chart/engine/AxisDrawParts.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/AxisTitle.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/SampleRandom.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/series/gauge/GaugePalettes.h"
#include "chart/series/gauge/GaugeSeriesPointer.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/RtlMath.h"

TCustomGaugeMinMax::TCustomGaugeMinMax(TComponent* owner) : TCustomGaugeMinMax(owner, nullptr) {}

TCustomGaugeMinMax::TCustomGaugeMinMax(TComponent* owner, std::unique_ptr<TGaugeSeriesPointer> hand)
    : TCustomGauge(owner) {
    ApplyPalette(GaugeScalePalette);
    auto range = [this](int start, int middle, int end) {
        auto marker = std::make_unique<TGaugePointerRange>(this);
        marker->SetGaugeStyle(gpColorLine);
        marker->SetVertSize(5);
        marker->Brush()->SetStyle(bsSolid);
        marker->Brush()->SetColor(PaletteColor(end));
        TTeeGradient& gradient = *marker->Gradient();
        gradient.SetVisible(true);
        gradient.SetDirection(gdBottomTop);
        gradient.SetStartColor(PaletteColor(start));
        gradient.SetMidColor(PaletteColor(middle));
        gradient.SetEndColor(PaletteColor(end));
        return marker;
    };
    FGreenLine = range(gpeGreenStart, gpeGreenMiddle, gpeGreenEnd);
    FHand = hand ? std::move(hand) : std::make_unique<TGaugeSeriesPointer>(this);
    FHand->SetGaugeStyle(gpHand);
    FHand->Brush()->SetColor(clRed);
    FHand->SetTransparency(70);
    FHand->Pen()->SetColor(PaletteColor(gpeHandPen));
    FMinorTicks = std::make_unique<TGaugeSeriesPointer>(this);
    FMinorTicks->SetGaugeStyle(gpMinorTick);
    FMinorTicks->Brush()->SetColor(clNone);
    FMinorTicks->SetVertSize(1);
    FMinorTicks->SetHorizSize(1);
    FMinorTicks->Pen()->SetColor(PaletteColor(gpeMinorTickPen));
    FRedLine = range(gpeRedStart, gpeRedMiddle, gpeRedEnd);
    FTicks = std::make_unique<TGaugeSeriesPointer>(this);
    FTicks->SetGaugeStyle(gpTick);
    FTicks->Brush()->SetStyle(bsClear);
    FTicks->SetVertSize(10);
    FTicks->Pen()->SetColor(PaletteColor(gpeTickPen));
}

TCustomGaugeMinMax::~TCustomGaugeMinMax() = default;

void TCustomGaugeMinMax::SetGreenLine(const TGaugePointerRange* value) {
    FGreenLine->Assign(value);
}
void TCustomGaugeMinMax::SetHand(const TGaugeSeriesPointer* value) { FHand->Assign(value); }
void TCustomGaugeMinMax::SetMinorTicks(const TGaugeSeriesPointer* value) {
    FMinorTicks->Assign(value);
}
void TCustomGaugeMinMax::SetRedLine(const TGaugePointerRange* value) { FRedLine->Assign(value); }
void TCustomGaugeMinMax::SetTicks(const TGaugeSeriesPointer* value) { FTicks->Assign(value); }

void TCustomGaugeMinMax::CalcFaceRect() {
    TCustomGauge::CalcFaceRect();
    FRange = FMaximum - FMinimum;
}

void TCustomGaugeMinMax::DrawAllValues() {
    TCustomGauge::DrawAllValues();
    DrawScale();
    DrawHand();
}

void TCustomGaugeMinMax::SetParentChart(TCustomAxisPanel* value) {
    TCustomGauge::SetParentChart(value);
    if (ComponentState().Contains(csDestroying)) return;
    for (TGaugeSeriesPointer* marker :
         {static_cast<TGaugeSeriesPointer*>(FGreenLine.get()), FHand.get(), FMinorTicks.get(),
          static_cast<TGaugeSeriesPointer*>(FRedLine.get()), FTicks.get()})
        marker->SetParentChart(value);
    // A chart read from a stream has the axis as it was saved.
    if (FScalePrepared || ComponentState().Contains(csLoading)) return;
    if (TChartAxis* axis = ScaleAxis()) {
        PrepareScaleAxis(*axis);
        FScalePrepared = true;
    }
}

void TCustomGaugeMinMax::PrepareScaleAxis(TChartAxis& axis) {
    axis.Axis()->SetVisible(true);
    axis.Title()->SetVisible(true);
    axis.Title()->SetCaption("Axis Title %");
    axis.Title()->Font()->SetColor(PaletteColor(gpeAxisTitle));
    axis.SetLabels(true);
    TTeeFont& font = *axis.LabelsFont();
    font.SetColor(PaletteColor(gpeMarkerText));
    font.SetName("Arial");
    font.SetSize(10);
    font.SetStyle(TFontStyles{fsBold});
}

void TCustomGaugeMinMax::DetachedFromChart() {
    // A gauge freed takes its title off the axis it borrowed, unless the chart goes too.
    if (ComponentState().Contains(csDestroying) && FParentChart &&
        !FParentChart->ComponentState().Contains(csDestroying))
        if (TChartAxis* axis = ScaleAxis()) {
            axis->Title()->SetVisible(false);
            axis->Title()->SetCaption("");
        }
    TCustomGauge::DetachedFromChart();
}

void TCustomGaugeMinMax::AddRandomValues(int /*numValues*/, bool /*onlyMandatory*/) {
    SetValue(FMinimum + RandomBelow(RoundToInt(FMaximum - FMinimum)));
}

void TCustomGaugeMinMax::Assign(const TPersistent* source) {
    if (const auto* other = dynamic_cast<const TCustomGaugeMinMax*>(source)) {
        FGreenLine->Assign(other->FGreenLine.get());
        FHand->Assign(other->FHand.get());
        FMaximum = other->FMaximum;
        FMinimum = other->FMinimum;
        FMinorTickDistance = other->FMinorTickDistance;
        FMinorTicks->Assign(other->FMinorTicks.get());
        FRedLine->Assign(other->FRedLine.get());
        FTicks->Assign(other->FTicks.get());
    }
    TCustomGauge::Assign(source);
}

void TCustomGaugeMinMax::Publish(TPublisher<TCustomGaugeMinMax>& p) {
    using G = TCustomGaugeMinMax;
    p.Object("GreenLine", &G::GreenLine, &G::SetGreenLine);
    p.Object("Hand", &G::Hand, &G::SetHand);
    p.Float("Maximum", &G::Maximum, &G::SetMaximum).Default(100);
    p.Float("Minimum", &G::Minimum, &G::SetMinimum).Default(0);
    p.Integer("MinorTickDistance", &G::MinorTickDistance, &G::SetMinorTickDistance).Default(0);
    p.Object("MinorTicks", &G::MinorTicks, &G::SetMinorTicks);
    p.Object("RedLine", &G::RedLine, &G::SetRedLine);
    p.Object("Ticks", &G::Ticks, &G::SetTicks);
}
