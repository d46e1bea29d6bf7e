#include "chart/engine/TeeShapePosition.h"

#include "chart/foundation/TeePanel.h"

TTeeCustomShapePosition::TTeeCustomShapePosition(TCustomTeePanel* panel) : TTeeCustomShape(panel) {}

void TTeeCustomShapePosition::SetCustomPosition(bool value) {
    if (TCustomTeePanel* panel = ParentChart())
        panel->SetBooleanValue(FCustomPosition, value);
    else
        FCustomPosition = value;
}

void TTeeCustomShapePosition::SetCoordinate(int TRect::*side, int value) {
    FCustomPosition = true;
    TRect bounds = ShapeBounds();
    if (TCustomTeePanel* panel = ParentChart())
        panel->SetIntegerValue(bounds.*side, value);
    else
        bounds.*side = value;
    SetShapeBounds(bounds);
}

void TTeeCustomShapePosition::SetLeft(int value) { SetCoordinate(&TRect::Left, value); }
void TTeeCustomShapePosition::SetTop(int value) { SetCoordinate(&TRect::Top, value); }

void TTeeCustomShapePosition::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TTeeCustomShapePosition*>(source)) {
        SetCustomPosition(other->FCustomPosition);
        if (FCustomPosition) {
            SetLeft(other->Left());
            SetTop(other->Top());
        }
    }
    TTeeCustomShape::Assign(source);
}
