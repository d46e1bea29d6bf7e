#include "chart/foundation/TeeShadow.h"

#include <algorithm>
#include <cstdlib>

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

namespace {

template <class T>
bool Store(T& field, T value) {
    if (field == value) return false;
    field = value;
    return true;
}

}  // namespace

void TTeeShadow::SetClip(bool value) {
    if (Store(FClip, value)) Changed();
}
void TTeeShadow::SetColor(TColor value) {
    if (Store(FColor, value)) Changed();
}
void TTeeShadow::SetHorizSize(int value) {
    if (Store(FHorizSize, value)) Changed();
}
void TTeeShadow::SetVertSize(int value) {
    if (Store(FVertSize, value)) Changed();
}
void TTeeShadow::SetSmooth(bool value) {
    if (Store(FSmooth, value)) Changed();
}
void TTeeShadow::SetSmoothBlur(int value) {
    if (Store(FSmoothBlur, value)) Changed();
}
void TTeeShadow::SetTransparency(TTeeTransparency value) {
    if (Store(FTransparency, ClampTransparency(value))) Changed();
}
void TTeeShadow::SetVisible(bool value) {
    if (Store(FVisible, value)) Changed();
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
    bool changed = Store(FColor, shadow->FColor);
    changed |= Store(FHorizSize, shadow->FHorizSize);
    changed |= Store(FSmooth, shadow->FSmooth);
    changed |= Store(FSmoothBlur, shadow->FSmoothBlur);
    changed |= Store(FTransparency, shadow->FTransparency);
    changed |= Store(FVertSize, shadow->FVertSize);
    changed |= Store(FVisible, shadow->FVisible);
    if (changed) Changed();
}
