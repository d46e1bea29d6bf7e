#include "chart/series/polar/ClockSeries.h"

#include "chart/engine/AxisPanel.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/series/algo/PolarLabels.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/DateTimeFormat.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/Timer.h"

const TEnumInfo& ClockSeriesStyleNames() {
    static const TEnumInfo names{"cssDecimal", "cssRoman"};
    return names;
}

void TClockSeries::TFreeTimer::operator()(TTimer* timer) const { TObject::Free(timer); }

TClockSeries::TClockSeries(TComponent* owner)
    : TCustom2DPolarSeries(owner),
      FPenHours(std::make_unique<TChartPen>(StyleChangedEvent())),
      FPenMinutes(std::make_unique<TChartPen>(StyleChangedEvent())),
      FPenSeconds(std::make_unique<TChartPen>(StyleChangedEvent())),
      FTimer(new TTimer(nullptr)) {
    Pointer()->SetVisible(false);
    Brush()->SetStyle(bsSolid);
    SetCircleLabels(true);
    SetRotationAngle(90);
    SetCircled(true);
    SetShowInLegend(false);
    AddXYPoint(0, 0);
    FTimer->SetInterval(1000);
    FTimer->OnTimer = [this](TObject*) { Tick(); };
    FTimer->SetEnabled(true);
}

TClockSeries::~TClockSeries() { FTimer.reset(); }

void TClockSeries::SetPenHours(const TChartPen* value) { FPenHours->Assign(value); }
void TClockSeries::SetPenMinutes(const TChartPen* value) { FPenMinutes->Assign(value); }
void TClockSeries::SetPenSeconds(const TChartPen* value) { FPenSeconds->Assign(value); }

TDateTime TClockSeries::GetTime() {
    TDateTime time = Now();
    if (OnGetTime) OnGetTime(*this, time);
    return time;
}

void TClockSeries::Tick() {
    FTimer->SetEnabled(false);
    Repaint();
    FTimer->SetEnabled(true);
}

void TClockSeries::SetParentChart(TCustomAxisPanel* value) {
    TCustom2DPolarSeries::SetParentChart(value);
    // The hours are 30 degrees apart; a chart read from a stream keeps the increment it holds.
    if (!ComponentState().Contains(csLoading)) SetAngleIncrement(30);
}

void TClockSeries::AttachedToChart() {
    TCustom2DPolarSeries::AttachedToChart();
    FSavedAxisVisible = FParentChart->AxisVisible();
    FParentChart->SetAxisVisible(false);
}

void TClockSeries::DetachedFromChart() {
    if (FParentChart && !FParentChart->ComponentState().Contains(csDestroying))
        FParentChart->SetAxisVisible(FSavedAxisVisible);
    TCustom2DPolarSeries::DetachedFromChart();
}

void TClockSeries::DoBeforeDrawValues() {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    TTeeBlend* blend = Transparency() > 0
                           ? canvas.BeginBlending(FParentChart->ChartRect(), Transparency())
                           : nullptr;
    TCustom2DPolarSeries::DoBeforeDrawValues();
    if (blend) canvas.EndBlending(blend);
}

TPoint TClockSeries::HandEnd(double angle, double factor) const {
    TPoint p;
    AngleToPointDegrees(angle, factor * XRadius / 2, factor * YRadius / 2, p.X, p.Y);
    return p;
}

void TClockSeries::DrawHand(const TChartPen* pen, double angle, double factor, int width,
                            int height) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UsePen(pen);
    canvas.DrawArrowDefault(true, Centre(), HandEnd(angle, factor), width, height, BackDepth);
}

void TClockSeries::DrawAllValues() {
    int hour = 0, minute = 0, second = 0, millisecond = 0;
    DecodeTime(GetTime(), hour, minute, second, millisecond);
    const TClockHands hands = ClockHandAngles(hour, minute, second, millisecond);
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UseBrushColored(Brush(), SeriesColor());
    if (FPenHours->Visible()) DrawHand(FPenHours.get(), hands.Hours, 1.3, 14, 20);
    if (FPenMinutes->Visible()) DrawHand(FPenMinutes.get(), hands.Minutes, 1.7, 10, 16);
    const TPoint second_end = HandEnd(hands.Seconds, 1.8);
    if (FPenSeconds->Visible()) {
        canvas.UsePen(FPenSeconds.get());
        canvas.DrawLineAtZ(CircleXCenter, CircleYCenter, second_end.X, second_end.Y, BackDepth);
    }
    if (Pointer()->Visible()) Pointer()->DrawAtPoint(second_end);
}

std::string TClockSeries::AngleLabelText(int /*index*/, double angle) {
    return ClockLabel(angle, FStyle == cssRoman);
}

std::string TClockSeries::LegendItemText(int /*legendIndex*/, TLegendTextStyle /*style*/) {
    return FormatDateTime(FormatSettings().LongTimeFormat, GetTime());
}

void TClockSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TClockSeries*>(source)) {
        FPenHours->Assign(other->FPenHours.get());
        FPenMinutes->Assign(other->FPenMinutes.get());
        FPenSeconds->Assign(other->FPenSeconds.get());
        FStyle = other->FStyle;
    }
    TCustom2DPolarSeries::Assign(source);
}

void TClockSeries::Publish(TPublisher<TClockSeries>& p) {
    using S = TClockSeries;
    p.Inherited("Circled").Default(true);
    p.Inherited("CircleLabels").Default(true);
    p.Object("PenHours", &S::PenHours, &S::SetPenHours);
    p.Object("PenMinutes", &S::PenMinutes, &S::SetPenMinutes);
    p.Object("PenSeconds", &S::PenSeconds, &S::SetPenSeconds);
    p.Inherited("RotationAngle").Default(90);
    p.Inherited("ShowInLegend").Default(false);
    p.Enumeration("Style", ClockSeriesStyleNames(), &S::Style, &S::SetStyle).Default(int(cssRoman));
}
