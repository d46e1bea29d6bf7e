#include "chart/foundation/TeeZoom.h"

#include "platform/classes/Publisher.h"

const TEnumInfo& ZoomDirectionNames() {
    static const TEnumInfo names{"tzdHorizontal", "tzdVertical", "tzdBoth"};
    return names;
}

const TEnumInfo& MouseButtonIdents() {
    static const TEnumInfo names{"mbLeft", "mbRight", "mbMiddle"};
    return names;
}

namespace {

// The stream names of the window layer's shift keys.
const TEnumInfo& ShiftStateIdents() {
    static const TEnumInfo names{"ssShift", "ssAlt",    "ssCtrl",  "ssLeft",
                                 "ssRight", "ssMiddle", "ssDouble"};
    return names;
}

}  // namespace

TTeeZoom::TTeeZoom() = default;
TTeeZoom::~TTeeZoom() = default;

void TTeeZoom::Publish(TPublisher<TTeeZoom>& p) {
    using T = TTeeZoom;
    p.Boolean("Allow", &T::Allow, &T::SetAllow).Default(true);
    p.Boolean("Animated", &T::Animated, &T::SetAnimated).Default(false);
    p.Integer("AnimatedSteps", &T::AnimatedSteps, &T::SetAnimatedSteps).Default(8);
    p.Object("Brush", &T::Brush, &T::SetBrush).Stored([](const T& z) {
        return z.FBrush != nullptr;
    });
    p.Enumeration("Direction", ZoomDirectionNames(), &T::Direction, &T::SetDirection)
        .Default(tzdBoth);
    p.Set("KeyShift", ShiftStateIdents(), &T::KeyShift, &T::SetKeyShift);
    p.Integer("MinimumPixels", &T::MinimumPixels, &T::SetMinimumPixels).Default(16);
    p.Enumeration("MouseButton", MouseButtonIdents(), &T::MouseButton, &T::SetMouseButton)
        .Default(mbLeft);
    p.Object("Pen", &T::Pen, &T::SetPen).Stored([](const T& z) { return z.FPen != nullptr; });
    p.Boolean("UpLeftZooms", &T::UpLeftZooms, &T::SetUpLeftZooms).Default(false);
}

TTeeZoomBrush* TTeeZoom::Brush() const {
    if (!FBrush) FBrush = std::make_unique<TTeeZoomBrush>();
    return FBrush.get();
}

void TTeeZoom::SetBrush(const TChartBrush* value) {
    if (value)
        Brush()->Assign(value);
    else
        FBrush.reset();
}

TTeeZoomPen* TTeeZoom::Pen() const {
    if (!FPen) FPen = std::make_unique<TTeeZoomPen>();
    return FPen.get();
}

void TTeeZoom::SetPen(const TChartPen* value) {
    if (value)
        Pen()->Assign(value);
    else
        FPen.reset();
}

void TTeeZoom::Assign(const TPersistent* source) {
    const auto* zoom = dynamic_cast<const TTeeZoom*>(source);
    if (!zoom) return;
    FAllow = zoom->FAllow;
    FAnimated = zoom->FAnimated;
    FAnimatedSteps = zoom->FAnimatedSteps;
    SetBrush(zoom->FBrush.get());
    FDirection = zoom->FDirection;
    FKeyShift = zoom->FKeyShift;
    FMouseButton = zoom->FMouseButton;
    SetPen(zoom->FPen.get());
}
