#include "chart/foundation/TeeGradient.h"

#include <cmath>

#include "platform/classes/AssignIfChanged.h"
#include "platform/classes/Publisher.h"

const TEnumInfo& GradientDirectionNames() {
    static const TEnumInfo names{"gdTopBottom",  "gdBottomTop",   "gdLeftRight",      "gdRightLeft",
                                 "gdFromCenter", "gdFromTopLeft", "gdFromBottomLeft", "gdRadial",
                                 "gdDiagonalUp", "gdDiagonalDown"};
    return names;
}

double GradientBalanceCurve(int Steps, int Balance, int Index) {
    return std::pow(double(Index + 1) / double(Steps + 1), Balance * 0.015 + 0.5);
}

namespace {

// The settings every published gradient shows, in the order they are written.
template <class T>
void PublishSettings(TPublisher<T>& p) {
    p.Integer("Angle", &T::Angle, &T::SetAngle).Default(0);
    p.Integer("Balance", &T::Balance, &T::SetBalance).Default(50);
    p.Enumeration("Direction", GradientDirectionNames(), &T::Direction, &T::SetDirection)
        .Default(gdTopBottom);
    p.Color("EndColor", &T::EndColor, &T::SetEndColor).Default(clYellow);
    p.Color("MidColor", &T::MidColor, &T::SetMidColor).Default(clNone);
    p.Integer("RadialX", &T::RadialX, &T::SetRadialX).Default(0);
    p.Integer("RadialY", &T::RadialY, &T::SetRadialY).Default(0);
    p.Color("StartColor", &T::StartColor, &T::SetStartColor).Default(clWhite);
}

}  // namespace

TCustomTeeGradient::TCustomTeeGradient(TNotifyEvent onChange) : OnChange(std::move(onChange)) {}
TCustomTeeGradient::~TCustomTeeGradient() = default;

void TCustomTeeGradient::Changed() {
    if (OnChange) OnChange(this);
}

void TCustomTeeGradient::SetVisible(bool value) {
    if (AssignIfChanged(FVisible, value)) Changed();
}
void TCustomTeeGradient::SetDirection(TGradientDirection value) {
    if (AssignIfChanged(FDirection, value)) Changed();
}
void TCustomTeeGradient::SetStartColor(TColor value) {
    if (AssignIfChanged(FStartColor, value)) Changed();
}
void TCustomTeeGradient::SetEndColor(TColor value) {
    if (AssignIfChanged(FEndColor, value)) Changed();
}
void TCustomTeeGradient::SetBalance(int value) {
    if (AssignIfChanged(FBalance, value)) Changed();
}
void TCustomTeeGradient::SetAngle(int value) {
    if (AssignIfChanged(FAngle, value)) Changed();
}
void TCustomTeeGradient::SetRadialX(int value) {
    if (AssignIfChanged(FRadialX, value)) Changed();
}
void TCustomTeeGradient::SetRadialY(int value) {
    if (AssignIfChanged(FRadialY, value)) Changed();
}

void TCustomTeeGradient::SetMidColor(TColor value) {
    if (FHasMidColor) {
        if (value == clNone) {
            FHasMidColor = false;
            Changed();
        } else if (AssignIfChanged(FMidColor, value)) {
            Changed();
        }
    } else if (value != clNone) {
        FHasMidColor = true;
        FMidColor = value;
        Changed();
    }
}

void TCustomTeeGradient::UseMidColor() {
    if (FHasMidColor) return;
    FHasMidColor = true;
    Changed();
}

TSubGradient* TCustomTeeGradient::SubGradient() const {
    if (!FSubGradient) {
        // The sub-gradient reports to whatever handler this gradient has at the time.
        auto* self = const_cast<TCustomTeeGradient*>(this);
        FSubGradient = std::make_unique<TSubGradient>([self](TObject* sender) {
            if (self->OnChange) self->OnChange(sender);
        });
    }
    return FSubGradient.get();
}

void TCustomTeeGradient::SetSubGradient(const TSubGradient* value) {
    if (value) SubGradient()->Assign(value);
}

bool TCustomTeeGradient::CopySettings(const TCustomTeeGradient& source) {
    bool changed = AssignIfChanged(FAngle, source.FAngle);
    changed |= AssignIfChanged(FBalance, source.FBalance);
    changed |= AssignIfChanged(FDirection, source.FDirection);
    changed |= AssignIfChanged(FEndColor, source.FEndColor);
    changed |= AssignIfChanged(FMidColor, source.FMidColor);
    changed |= AssignIfChanged(FRadialX, source.FRadialX);
    changed |= AssignIfChanged(FRadialY, source.FRadialY);
    changed |= AssignIfChanged(FStartColor, source.FStartColor);
    changed |= AssignIfChanged(FVisible, source.FVisible);
    changed |= AssignIfChanged(FHasMidColor, source.FHasMidColor);
    changed |= CopyExtraSettings(source);
    return changed;
}

void TCustomTeeGradient::Assign(const TPersistent* source) {
    const auto* gradient = dynamic_cast<const TCustomTeeGradient*>(source);
    if (!gradient) return TPersistent::Assign(source);
    bool changed = CopySettings(*gradient);
    if (gradient->FSubGradient) {
        changed |= FSubGradient == nullptr;
        TSubGradient* sub = SubGradient();
        // The sub-gradient's notice is collected: the gradient notifies once for the whole copy.
        TNotifyEvent saved = std::move(sub->OnChange);
        sub->OnChange = [&changed](TObject*) { changed = true; };
        sub->Assign(gradient->FSubGradient.get());
        sub->OnChange = std::move(saved);
    } else if (FSubGradient) {
        FSubGradient.reset();
        changed = true;
    }
    if (changed) Changed();
}

void TTeeGradient::Publish(TPublisher<TTeeGradient>& p) {
    PublishSettings(p);
    p.Object("SubGradient", &TTeeGradient::SubGradient, &TTeeGradient::SetSubGradient)
        .Stored(&TTeeGradient::IsSubGradientStored);
    p.Boolean("Visible", &TTeeGradient::Visible, &TTeeGradient::SetVisible).Default(false);
}

TSubGradient::TSubGradient(TNotifyEvent onChange) : TCustomTeeGradient(std::move(onChange)) {}

void TSubGradient::SetTransparency(TTeeTransparency value) {
    if (AssignIfChanged(FTransparency, ClampTransparency(value))) Changed();
}

// A sub-gradient takes the settings and the transparency; it has no sub-gradient of its own.
void TSubGradient::Assign(const TPersistent* source) {
    const auto* gradient = dynamic_cast<const TCustomTeeGradient*>(source);
    if (!gradient) return TPersistent::Assign(source);
    if (CopySettings(*gradient)) Changed();
}

bool TSubGradient::CopyExtraSettings(const TCustomTeeGradient& source) {
    const auto* sub = dynamic_cast<const TSubGradient*>(&source);
    return sub && AssignIfChanged(FTransparency, sub->FTransparency);
}

void TSubGradient::Publish(TPublisher<TSubGradient>& p) {
    PublishSettings(p);
    p.Integer("Transparency", &TSubGradient::Transparency, &TSubGradient::SetTransparency)
        .Default(50);
    p.Boolean("Visible", &TSubGradient::Visible, &TSubGradient::SetVisible).Default(false);
}

void TTeeFontGradient::SetOutline(bool value) {
    if (AssignIfChanged(FOutline, value)) Changed();
}

bool TTeeFontGradient::CopyExtraSettings(const TCustomTeeGradient& source) {
    const auto* font = dynamic_cast<const TTeeFontGradient*>(&source);
    return font && AssignIfChanged(FOutline, font->FOutline);
}

void TTeeFontGradient::Publish(TPublisher<TTeeFontGradient>& p) {
    p.Boolean("Outline", &TTeeFontGradient::Outline, &TTeeFontGradient::SetOutline).Default(false);
}
