#include "chart/foundation/View3DOptions.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/classes/AssignIfChanged.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/RtlMath.h"

TView3DOptions::TView3DOptions(std::function<void()> repaintOwner)
    : RepaintOwner(std::move(repaintOwner)) {}
TView3DOptions::~TView3DOptions() = default;

void TView3DOptions::Publish(TPublisher<TView3DOptions>& p) {
    using T = TView3DOptions;
    p.Integer("Elevation", &T::Elevation, &T::SetElevation).Default(345);
    p.Integer("FontZoom", &T::FontZoom, &T::SetFontZoom).Default(100);
    p.Integer("HorizOffset", &T::HorizOffset, &T::SetHorizOffset).Default(0);
    p.Integer("OrthoAngle", &T::OrthoAngle, &T::SetOrthoAngle).Default(45);
    p.Boolean("Orthogonal", &T::Orthogonal, &T::SetOrthogonal).Default(true);
    p.Integer("Perspective", &T::Perspective, &T::SetPerspective).Default(15);
    p.Integer("Rotation", &T::Rotation, &T::SetRotation).Default(345);
    p.Integer("Tilt", &T::Tilt, &T::SetTilt).Default(0);
    p.Integer("VertOffset", &T::VertOffset, &T::SetVertOffset).Default(0);
    p.Integer("Zoom", &T::Zoom, &T::SetZoom).Default(100);
    p.Boolean("ZoomText", &T::ZoomText, &T::SetZoomText).Default(true);
}

void TView3DOptions::Repaint() {
    if (RepaintOwner) RepaintOwner();
}

int TView3DOptions::Elevation() const { return int(Round(FElevation)); }
int TView3DOptions::Rotation() const { return int(Round(FRotation)); }
int TView3DOptions::Zoom() const { return int(Round(FZoom)); }

void TView3DOptions::SetElevationExact(double value) {
    if (AssignIfChanged(FElevation, value)) Repaint();
}

void TView3DOptions::SetRotationExact(double value) {
    if (AssignIfChanged(FRotation, value)) Repaint();
}

void TView3DOptions::SetZoomExact(double value) {
    if (value == FZoom) return;
    if (ZoomNotify) ZoomNotify(int(Round(value)));
    FZoom = value;
    Repaint();
}

void TView3DOptions::SetTilt(int value) {
    if (AssignIfChanged(FTilt, value)) Repaint();
}

void TView3DOptions::SetPerspective(int value) {
    if (AssignIfChanged(FPerspective, std::min(value, 100))) Repaint();
}

void TView3DOptions::SetZoomText(bool value) {
    if (AssignIfChanged(FZoomText, value)) Repaint();
}

void TView3DOptions::SetFontZoom(int value) {
    if (AssignIfChanged(FFontZoom, value)) Repaint();
}

void TView3DOptions::SetHorizOffset(int value) {
    if (!AssignIfChanged(FHorizOffset, value)) return;
    Repaint();
    if (ScrollNotify) ScrollNotify(true);
}

void TView3DOptions::SetVertOffset(int value) {
    if (!AssignIfChanged(FVertOffset, value)) return;
    Repaint();
    if (ScrollNotify) ScrollNotify(false);
}

void TView3DOptions::SetOrthogonal(bool value) {
    if (AssignIfChanged(FOrthogonal, value)) Repaint();
}

void TView3DOptions::SetOrthoAngle(int value) {
    if (AssignIfChanged(FOrthoAngle, value)) Repaint();
}

double TView3DOptions::OrthoSlope() const {
    if (!FOrthogonal) return 1;
    const int degrees = FOrthoAngle <= 90 ? FOrthoAngle : 180 - FOrthoAngle;
    return std::tan(degrees * std::numbers::pi / 180);
}

void TView3DOptions::Assign(const TPersistent* source) {
    const auto* view = dynamic_cast<const TView3DOptions*>(source);
    if (!view) return TPersistent::Assign(source);
    FElevation = view->FElevation;
    FRotation = view->FRotation;
    FTilt = view->FTilt;
    FPerspective = view->FPerspective;
    FZoom = view->FZoom;
    FZoomText = view->FZoomText;
    FFontZoom = view->FFontZoom;
    FHorizOffset = view->FHorizOffset;
    FVertOffset = view->FVertOffset;
    FOrthogonal = view->FOrthogonal;
    FOrthoAngle = view->FOrthoAngle;
}

TFloatXYZ::TFloatXYZ(TNotifyEvent onChange) : OnChange(std::move(onChange)) {}
TFloatXYZ::~TFloatXYZ() = default;

void TFloatXYZ::Publish(TPublisher<TFloatXYZ>& p) {
    p.Float("X", &TFloatXYZ::X, &TFloatXYZ::SetX).AsFloatType(ftDouble);
    p.Float("Y", &TFloatXYZ::Y, &TFloatXYZ::SetY).AsFloatType(ftDouble);
    p.Float("Z", &TFloatXYZ::Z, &TFloatXYZ::SetZ).AsFloatType(ftDouble);
}

void TFloatXYZ::Set(double& field, double value) {
    if (!AssignIfChanged(field, value)) return;
    if (OnChange) OnChange(this);
}

void TFloatXYZ::SetX(double value) { Set(FX, value); }
void TFloatXYZ::SetY(double value) { Set(FY, value); }
void TFloatXYZ::SetZ(double value) { Set(FZ, value); }

void TFloatXYZ::Assign(const TPersistent* source) {
    const auto* xyz = dynamic_cast<const TFloatXYZ*>(source);
    if (!xyz) return TPersistent::Assign(source);
    FX = xyz->FX;
    FY = xyz->FY;
    FZ = xyz->FZ;
}
