#include "chart/engine/TeeShapePosition.h"

#include "chart/foundation/BackImage.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeePanel.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/classes/Publisher.h"

TTeeCustomShapePosition::TTeeCustomShapePosition(TCustomTeePanel* panel) : TTeeCustomShape(panel) {}

void TTeeCustomShapePosition::SetCustomPosition(bool value) {
    if (TCustomTeePanel* panel = ParentChart())
        panel->SetBooleanValue(FCustomPosition, value);
    else
        FCustomPosition = value;
}

void TTeeCustomShapePosition::SetCoordinate(bool left, int value) {
    FCustomPosition = true;
    // The edge is named rather than reached through a pointer to a member of a local copy:
    // GCC 12 at -O2 wrote such a copy back as it was before the store.
    TRect bounds = ShapeBounds();
    int& edge = left ? bounds.Left : bounds.Top;
    if (TCustomTeePanel* panel = ParentChart())
        panel->SetIntegerValue(edge, value);
    else
        edge = value;
    SetShapeBounds(bounds);
}

void TTeeCustomShapePosition::SetLeft(int value) { SetCoordinate(true, value); }
void TTeeCustomShapePosition::SetTop(int value) { SetCoordinate(false, value); }

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

void TTeeShapePosition::Publish(TPublisher<TTeeShapePosition>& p) {
    using T = TTeeShapePosition;
    p.Enumeration("Bevel", BevelCutNames(), &T::Bevel, &T::SetBevel).Default(bvNone);
    p.Integer("BevelWidth", &T::BevelWidth, &T::SetBevelWidth).Default(2);
    p.Object("Brush", &T::Brush, &T::SetBrush);
    p.Color("Color", &T::Color, &T::SetColor).Default(clWhite);
    p.Boolean("CustomPosition", &T::CustomPosition, &T::SetCustomPosition)
        .Stored(&T::IsCustomPositionStored);
    p.Object("Font", &T::Font, &T::SetFont);
    p.Object("Frame", &T::Frame, &T::SetFrame);
    p.Object("Gradient", &T::Gradient, &T::SetGradient).Stored([](const T& t) {
        return t.GradientIfAny() != nullptr;
    });
    p.Integer("Left", &T::Left, &T::SetLeft).Stored([](const T& t) { return t.CustomPosition(); });
    p.Object("Picture", &T::Picture, &T::SetPicture).Stored([](const T& t) {
        return t.PictureIfAny() != nullptr;
    });
    p.Object("Shadow", &T::Shadow, &T::SetShadow);
    p.Enumeration("ShapeStyle", ShapeStyleNames(), &T::ShapeStyle, &T::SetShapeStyle)
        .Default(fosRectangle);
    p.Integer("Top", &T::Top, &T::SetTop).Stored([](const T& t) { return t.CustomPosition(); });
    p.Integer("Transparency", &T::Transparency, &T::SetTransparency).Default(0);
    p.Boolean("Transparent", &T::Transparent, &T::SetTransparent).Stored([](const T& t) {
        return t.IsTransparentStored();
    });
    p.Boolean("Visible", &T::Visible, &T::SetVisible).Default(true);
}
