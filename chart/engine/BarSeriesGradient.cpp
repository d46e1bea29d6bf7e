#include "chart/engine/BarSeriesGradient.h"

#include "platform/classes/AssignIfChanged.h"
#include "platform/classes/Publisher.h"

TBarSeriesGradient::TBarSeriesGradient(TNotifyEvent onChange)
    : TCustomTeeGradient(std::move(onChange)) {
    SetVisible(true);
}

void TBarSeriesGradient::SetRelative(bool value) {
    if (AssignIfChanged(FRelative, value)) Changed();
}

bool TBarSeriesGradient::CopyExtraSettings(const TCustomTeeGradient& source) {
    const auto* bar = dynamic_cast<const TBarSeriesGradient*>(&source);
    return bar && AssignIfChanged(FRelative, bar->FRelative);
}

// The end colour is not stored: each bar gives its own.
void TBarSeriesGradient::Publish(TPublisher<TBarSeriesGradient>& p) {
    using G = TBarSeriesGradient;
    p.Integer("Angle", &G::Angle, &G::SetAngle).Default(0);
    p.Integer("Balance", &G::Balance, &G::SetBalance).Default(50);
    p.Enumeration("Direction", GradientDirectionNames(), &G::Direction, &G::SetDirection)
        .NoDefault();
    p.Color("MidColor", &G::MidColor, &G::SetMidColor).Default(clNone);
    p.Integer("RadialX", &G::RadialX, &G::SetRadialX).Default(0);
    p.Integer("RadialY", &G::RadialY, &G::SetRadialY).Default(0);
    p.Boolean("Relative", &G::Relative, &G::SetRelative).Default(false);
    p.Color("StartColor", &G::StartColor, &G::SetStartColor).Default(clWhite);
    p.Object("SubGradient", &G::SubGradient, &G::SetSubGradient).Stored([](const G& g) {
        return g.SubGradientIfAny() != nullptr;
    });
    p.Boolean("Visible", &G::Visible, &G::SetVisible).Default(true);
}
