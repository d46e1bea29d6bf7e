#include "chart/tools/data/TableLegend.h"

#include "chart/engine/ChartLegend.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "platform/classes/Publisher.h"

TTableLegend::TTableLegend(TCustomTeePanel* panel) : TTeeCustomShape(panel) {
    SetDefaultTransparent(true);
    FSymbol = MakeSymbol(panel, nullptr);
}

TTableLegend::~TTableLegend() = default;

void TTableLegend::SetFontSeriesColor(bool value) {
    if (FFontSeriesColor == value) return;
    FFontSeriesColor = value;
    Repaint();
}

void TTableLegend::SetOtherSide(bool value) {
    if (FOtherSide == value) return;
    FOtherSide = value;
    Repaint();
}

void TTableLegend::SetSymbol(const TLegendSymbol* value) { FSymbol->Assign(value); }

void TTableLegend::SetParentChart(TCustomTeePanel* value) {
    TTeeCustomShape::SetParentChart(value);
    // Null while the base constructor runs.
    if (FSymbol) FSymbol = MakeSymbol(value, FSymbol.get());
}

std::unique_ptr<TLegendSymbol> TTableLegend::MakeSymbol(TCustomTeePanel* panel,
                                                        const TLegendSymbol* from) {
    // The symbol knows its panel from its birth: on another chart it is made anew with the same
    // settings. A squared symbol is as tall as it is wide: its item height is its own width.
    auto symbol = std::make_unique<TLegendSymbol>(panel, [this] { return FSymbol->Width(); });
    if (from) {
        symbol->Assign(from);
        symbol->SetDefaultPen(from->DefaultPen());
        symbol->OnDraw = from->OnDraw;
    }
    return symbol;
}

void TTableLegend::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TTableLegend*>(source)) {
        FFontSeriesColor = other->FFontSeriesColor;
        // The side too: a copied table keeps its legend where the original had it.
        FOtherSide = other->FOtherSide;
        FSymbol->Assign(other->FSymbol.get());
    }
    TTeeCustomShape::Assign(source);
}

void TTableLegend::Publish(TPublisher<TTableLegend>& p) {
    using T = TTableLegend;
    p.Object("Brush", &T::Brush, &T::SetBrush);
    p.Color("Color", &T::Color, &T::SetColor).Default(clWhite);
    p.Object("Font", &T::Font, &T::SetFont);
    p.Boolean("FontSeriesColor", &T::FontSeriesColor, &T::SetFontSeriesColor).Default(false);
    p.Object("Gradient", &T::Gradient, &T::SetGradient).Stored([](const T& t) {
        return t.GradientIfAny() != nullptr;
    });
    p.Boolean("OtherSide", &T::OtherSide, &T::SetOtherSide).Default(false);
    p.Object("Pen", &T::Pen, &T::SetPen);
    p.Object("Symbol", &T::Symbol, &T::SetSymbol);
    p.Integer("Transparency", &T::Transparency, &T::SetTransparency).Default(0);
    p.Boolean("Transparent", &T::Transparent, &T::SetTransparent).Stored([](const T& t) {
        return t.IsTransparentStored();
    });
    p.Boolean("Visible", &T::Visible, &T::SetVisible).Default(true);
}
