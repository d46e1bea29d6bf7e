#include "chart/foundation/TeeButtons.h"

#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ColorEditing.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "platform/classes/PropAccess.h"
#include "platform/classes/PropInfo.h"
#include "platform/graphics/Bitmap.h"

TTeeButton::TTeeButton(TComponent* owner) : TButton(owner) {}
TTeeButton::~TTeeButton() = default;

void TTeeButton::LinkToProperty(TObject* Object, const std::string& PropertyName) {
    FLinkedObject = Object;
    if (!Object) return;
    FLinkedProperty = PropertyName.empty() ? nullptr : GetPropInfo(Object, PropertyName);
    Invalidate();
}

TRect TTeeButton::SymbolRect() const {
    const int w = Width(), h = Height();
    return TRect{w - 19, h - (h / 4) * 3, w - 6, h - h / 4};
}

void TTeeButton::SetEnabled(bool value) {
    if (value == Enabled()) return;
    TButton::SetEnabled(value);
    Repaint();
}

void TTeeButton::TextChanged() {
    TButton::TextChanged();
    Invalidate();
}

void TTeeButton::DrawSymbol(TTeeCanvas3D&) {}

void TTeeButton::PaintOverlay(TBitmap& Overlay) {
    TTeeCanvas3D surface;
    surface.BindCanvas(Overlay.Canvas());
    DrawSymbol(surface);
}

TButtonColor::TButtonColor(TComponent* owner) : TTeeButton(owner) {}
TButtonColor::~TButtonColor() = default;

TColor TButtonColor::SymbolColor() const {
    if (ColorQuery) return ColorQuery();
    if (HasLink()) return ColorToRGB(TColor(GetOrdProp(LinkedObject(), LinkedProperty()->Name)));
    return FStoredColor;
}

void TButtonColor::SetSymbolColor(TColor value) {
    if (HasLink())
        SetOrdProp(LinkedObject(), LinkedProperty()->Name, value);
    else
        FStoredColor = value;
}

void TButtonColor::Click() {
    TColor colour = SymbolColor();
    if (!EditColorVar(this, colour)) return;
    SetSymbolColor(colour);
    Repaint();
    TTeeButton::Click();
}

void TButtonColor::DrawSymbol(TTeeCanvas3D& Canvas) {
    const TColor colour = SymbolColor();
    if (colour == clNone) return;
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(colour);
    if (!Enabled()) Canvas.Pen()->SetStyle(psClear);
    Canvas.DrawRectangleFromRect(SymbolRect());
}
