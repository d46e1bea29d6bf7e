#include "chart/engine/ShapeMargins.h"

#include "chart/foundation/TeeShape.h"
#include "platform/classes/AssignIfChanged.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/RtlMath.h"

const TEnumInfo& MarginUnitsNames() {
    static const TEnumInfo names{"maPercentFont", "maPercentSize", "maPixels"};
    return names;
}

TMargins::TMargins(TTeeCustomShapeBrushPen* owner, int horizDefault)
    : FOwner(owner), FLeft(horizDefault), FRight(horizDefault), FHorizDefault(horizDefault) {}

void TMargins::Change(int& field, int value) {
    if (AssignIfChanged(field, value) && FOwner) FOwner->Repaint();
}

void TMargins::SetUnits(TMarginUnits value) {
    if (AssignIfChanged(FUnits, value) && FOwner) FOwner->Repaint();
}

void TMargins::ComputePixels(int width, int height, int fontHeight) {
    switch (FUnits) {
        case maPercentFont: {
            const double unit = 0.02 * fontHeight;
            FPixels = TRect{RoundToInt(FLeft * unit), RoundToInt(FTop * unit),
                            RoundToInt(FRight * unit), RoundToInt(FBottom * unit)};
            break;
        }
        case maPercentSize:
            FPixels = TRect{RoundToInt(FLeft * 0.01 * width), RoundToInt(FTop * 0.01 * height),
                            RoundToInt(FRight * 0.01 * width), RoundToInt(FBottom * 0.01 * height)};
            break;
        case maPixels:
            FPixels = TRect{FLeft, FTop, FRight, FBottom};
            break;
    }
}

void TMargins::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TMargins*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    SetLeft(other->FLeft);
    SetTop(other->FTop);
    SetRight(other->FRight);
    SetBottom(other->FBottom);
    SetUnits(other->FUnits);
}

void TMargins::Publish(TPublisher<TMargins>& p) {
    using M = TMargins;
    p.Integer("Left", &M::Left, &M::SetLeft).Stored([](const M& m) {
        return m.FLeft != m.FHorizDefault;
    });
    p.Integer("Top", &M::Top, &M::SetTop).Default(5);
    p.Integer("Right", &M::Right, &M::SetRight).Stored([](const M& m) {
        return m.FRight != m.FHorizDefault;
    });
    p.Integer("Bottom", &M::Bottom, &M::SetBottom).Default(5);
    p.Enumeration("Units", MarginUnitsNames(), &M::Units, &M::SetUnits).Default(maPercentFont);
}
