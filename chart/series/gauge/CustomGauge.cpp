#include "chart/series/gauge/CustomGauge.h"

#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/SampleRandom.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShadow.h"
#include "chart/foundation/TeeShape.h"
#include "chart/series/gauge/FramedBorder.h"
#include "chart/series/gauge/GaugePalettes.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/RtlMath.h"

TCustomGauge::TCustomGauge(TComponent* owner)
    : TChartSeries(owner),
      FFace(std::make_unique<TTeeShape>()),
      FFrame(std::make_unique<TFramedBorder>(StyleChangedEvent())) {
    SetShowInLegend(false);
    ClipsToAxisRange = false;
    FFace->Gradient()->SetVisible(true);
    FFace->Gradient()->SetDirection(gdBottomTop);
    FFace->Brush()->SetColor(clWhite);
    FFace->Shadow()->SetDefaultVisible(false);
    AddY(RandomBelow(1000000) * 1e-4);
}

TCustomGauge::~TCustomGauge() = default;

void TCustomGauge::SetFace(const TTeeShape* value) { FFace->Assign(value); }
void TCustomGauge::SetFrame(const TFramedBorder* value) { FFrame->Assign(value); }

double TCustomGauge::Value() const { return Count() > 0 ? YValues()[0] : 0; }

void TCustomGauge::SetValue(double value) {
    if (Count() == 0) {
        AddY(value);
    } else {
        if (YValues()[0] == value) return;
        SetYValueAt(0, value);
    }
    if (OnChange) OnChange(this);
}

TColor TCustomGauge::PaletteColor(int index) const {
    if (!FPalette.empty()) return FPalette[size_t(std::clamp(index, 0, int(FPalette.size()) - 1))];
    return FParentChart ? FParentChart->PaletteColor(index) : clBlack;
}

void TCustomGauge::ApplyPalette(std::span<const TColor> colors) {
    FPalette.assign(colors.begin(), colors.end());
    TTeeGradient& face = *FFace->Gradient();
    face.SetStartColor(PaletteColor(gpeFaceStart));
    face.SetMidColor(PaletteColor(gpeFaceMiddle));
    face.SetEndColor(PaletteColor(gpeFaceEnd));
    auto ring = [this](TFrameBrush& brush, int entry) {
        brush.SetBackColor(PaletteColor(entry));
        brush.Gradient()->SetEndColor(PaletteColor(entry));
    };
    ring(*FFrame->InnerBrush(), gpeInnerRing);
    ring(*FFrame->MiddleBrush(), gpeMiddleRing);
    ring(*FFrame->OuterBrush(), gpeOuterRing);
}

void TCustomGauge::CalcGaugeRect() {
    TRect r = FParentChart->ChartRect();
    if (const TTeeShadow& shadow = *FFrame->Shadow(); shadow.Visible()) {
        // Room for the shadow on the side it falls to.
        const int h = shadow.HorizSize();
        if (h > 0)
            r.Right -= h;
        else
            r.Left -= h;
        const int v = shadow.VertSize();
        if (v > 0)
            r.Bottom -= v;
        else
            r.Top -= v;
    }
    FGaugeRect = r;
    int count = 0;
    int order = 0;
    for (int i = 0; i < FParentChart->SeriesCount(); ++i) {
        TChartSeries* s = FParentChart->GetSeries(i);
        if (s == this) order = count;
        if (s->Active() && dynamic_cast<TCustomGauge*>(s)) ++count;
    }
    if (count == 0) return;
    const int height = r.Height();
    const int share = height / count;
    const int band = std::min(height, share);
    FGaugeRect.Top = r.Top + share * order;
    FGaugeRect.Bottom = FGaugeRect.Top + band - 3;
}

void TCustomGauge::CalcFaceRect() {
    if (!FFrame->Visible()) return;
    const int w = FFrame->PixelWidth(FFaceRect);
    FFaceRect =
        TRect{FFaceRect.Left + w, FFaceRect.Top + w, FFaceRect.Right - w, FFaceRect.Bottom - w};
}

void TCustomGauge::DrawFace() {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    TRect r = FFaceRect;
    if (FFace->Pen()->Visible()) {
        r.Right -= FFace->Pen()->Width();
        r.Bottom -= FFace->Pen()->Width();
    }
    if (FFrame->Circled()) canvas.ClipToEllipse(r, false);
    FFace->DrawOnPanel(FParentChart, r, 0, 0);
    if (FFrame->Circled()) canvas.RemoveClipping();
}

void TCustomGauge::DrawAllValues() {
    CalcGaugeRect();
    FFaceRect = FGaugeRect;
    CalcFaceRect();
    if (FFrame->Visible()) FFrame->Draw(*FParentChart->Canvas3D(), FGaugeRect);
    DrawFace();
}

int TCustomGauge::ValueIndexAt(int x, int y) { return FGaugeRect.Contains(x, y) ? 0 : -1; }

void TCustomGauge::SetParentChart(TCustomAxisPanel* value) {
    TChartSeries::SetParentChart(value);
    if (!ComponentState().Contains(csDestroying)) FFace->SetParentChart(value);
}

void TCustomGauge::Assign(const TPersistent* source) {
    if (const auto* other = dynamic_cast<const TCustomGauge*>(source)) {
        FFace->Assign(other->FFace.get());
        FFrame->Assign(other->FFrame.get());
        SetValue(other->Value());
    }
    TChartSeries::Assign(source);
    FFrame->SetDefaultCircled(DefaultFrameCircled());
}

void TCustomGauge::Publish(TPublisher<TCustomGauge>& p) {
    using G = TCustomGauge;
    p.Object("Face", &G::Face, &G::SetFace);
    p.Object("Frame", &G::Frame, &G::SetFrame);
    p.Inherited("ShowInLegend").Default(false);
    p.Float("Value", &G::Value, &G::SetValue).NoDefault();
}
