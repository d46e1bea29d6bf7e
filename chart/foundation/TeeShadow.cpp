#include "chart/foundation/TeeShadow.h"

#include <algorithm>
#include <cstdlib>

#include "platform/classes/AssignIfChanged.h"
#include "platform/classes/Publisher.h"

TTeeTransparency ClampTransparency(int value) { return std::clamp(value, 0, 100); }

TTeeShadow::TTeeShadow(TNotifyEvent onChange) : OnChange(std::move(onChange)) {}
TTeeShadow::~TTeeShadow() = default;

void TTeeShadow::Publish(TPublisher<TTeeShadow>& p) {
    p.Boolean("Clip", &TTeeShadow::Clip, &TTeeShadow::SetClip).Default(false);
    p.Color("Color", &TTeeShadow::Color, &TTeeShadow::SetColor).Stored(&TTeeShadow::IsColorStored);
    p.Integer("HorizSize", &TTeeShadow::HorizSize, &TTeeShadow::SetHorizSize)
        .Stored(&TTeeShadow::IsHorizSizeStored);
    p.Boolean("Smooth", &TTeeShadow::Smooth, &TTeeShadow::SetSmooth).Default(true);
    p.Integer("SmoothBlur", &TTeeShadow::SmoothBlur, &TTeeShadow::SetSmoothBlur).Default(0);
    p.Integer("Transparency", &TTeeShadow::Transparency, &TTeeShadow::SetTransparency).Default(0);
    p.Integer("VertSize", &TTeeShadow::VertSize, &TTeeShadow::SetVertSize)
        .Stored(&TTeeShadow::IsVertSizeStored);
    p.Boolean("Visible", &TTeeShadow::Visible, &TTeeShadow::SetVisible)
        .Stored(&TTeeShadow::IsVisibleStored);
}

void TTeeShadow::Changed() {
    if (OnChange) OnChange(this);
}

void TTeeShadow::SetClip(bool value) {
    if (AssignIfChanged(FClip, value)) Changed();
}
void TTeeShadow::SetColor(TColor value) {
    if (AssignIfChanged(FColor, value)) Changed();
}
void TTeeShadow::SetHorizSize(int value) {
    if (AssignIfChanged(FHorizSize, value)) Changed();
}
void TTeeShadow::SetVertSize(int value) {
    if (AssignIfChanged(FVertSize, value)) Changed();
}
void TTeeShadow::SetSmooth(bool value) {
    if (AssignIfChanged(FSmooth, value)) Changed();
}
void TTeeShadow::SetSmoothBlur(int value) {
    if (AssignIfChanged(FSmoothBlur, value)) Changed();
}
void TTeeShadow::SetTransparency(TTeeTransparency value) {
    if (AssignIfChanged(FTransparency, ClampTransparency(value))) Changed();
}
void TTeeShadow::SetVisible(bool value) {
    if (AssignIfChanged(FVisible, value)) Changed();
}

int TTeeShadow::GetCommonSize() const {
    return std::max(std::abs(FHorizSize), std::abs(FVertSize));
}

void TTeeShadow::SetCommonSize(int value) {
    SetHorizSize(value);
    SetVertSize(value);
}

void TTeeShadow::SetDefaults(TColor color, int size) {
    FDefaultColor = FColor = color;
    FDefaultSize = FHorizSize = FVertSize = size;
}

void TTeeShadow::Assign(const TPersistent* source) {
    const auto* shadow = dynamic_cast<const TTeeShadow*>(source);
    if (!shadow) return TPersistent::Assign(source);
    bool changed = AssignIfChanged(FColor, shadow->FColor);
    changed |= AssignIfChanged(FHorizSize, shadow->FHorizSize);
    changed |= AssignIfChanged(FSmooth, shadow->FSmooth);
    changed |= AssignIfChanged(FSmoothBlur, shadow->FSmoothBlur);
    changed |= AssignIfChanged(FTransparency, shadow->FTransparency);
    changed |= AssignIfChanged(FVertSize, shadow->FVertSize);
    changed |= AssignIfChanged(FVisible, shadow->FVisible);
    if (changed) Changed();
}
