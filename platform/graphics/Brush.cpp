#include "platform/graphics/Brush.h"

#include "platform/classes/PropAccess.h"
#include "platform/classes/Publisher.h"

const TEnumInfo& BrushStyleNames() {
    static const TEnumInfo names{"bsSolid",     "bsClear",     "bsHorizontal", "bsVertical",
                                 "bsFDiagonal", "bsBDiagonal", "bsCross",      "bsDiagCross"};
    return names;
}

TBrush::TBrush() = default;
TBrush::~TBrush() = default;

void TBrush::Publish(TPublisher<TBrush>& p) {
    p.Color("Color", &TBrush::Color, &TBrush::SetColor).Default(clWhite);
    p.Enumeration("Style", BrushStyleNames(), &TBrush::Style, &TBrush::SetStyle).Default(bsSolid);
}

void TBrush::SetColor(TColor value) {
    if (value == FColor) return;
    FColor = value;
    // A colour on a clear brush makes it solid again, as the caller means to paint with it.
    if (FStyle == bsClear) FStyle = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle value) {
    if (value == FStyle) return;
    FStyle = value;
    Changed();
}

void TBrush::SetBitmap(TBitmap* value) {
    if (value == FBitmap) return;
    FBitmap = value;
    Changed();
}

void TBrush::Assign(const TPersistent* source) {
    const TBrush* brush = dynamic_cast<const TBrush*>(source);
    if (!brush) return TPersistent::Assign(source);
    FColor = brush->FColor;
    FStyle = brush->FStyle;
    FBitmap = brush->FBitmap;
    Changed();
}

void TBrush::Changed() {
    if (OnChange) OnChange(this);
}
