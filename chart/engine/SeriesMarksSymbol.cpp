#include "chart/engine/SeriesMarksSymbol.h"

#include "chart/foundation/BackImage.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/classes/Publisher.h"

TSeriesMarksSymbol::TSeriesMarksSymbol(TCustomTeePanel* chart) : TTeeCustomShape(chart) {
    FVisible = false;
}

void TSeriesMarksSymbol::InitShadow(TTeeShadow& shadow) const { shadow.SetDefaults(clBlack, 1); }

void TSeriesMarksSymbol::Publish(TPublisher<TSeriesMarksSymbol>& p) {
    using S = TSeriesMarksSymbol;
    p.Enumeration("Bevel", BevelCutNames(), &S::Bevel, &S::SetBevel).Default(bvNone);
    p.Integer("BevelWidth", &S::BevelWidth, &S::SetBevelWidth).Default(2);
    p.Object("Brush", &S::Brush, &S::SetBrush);
    // The frame is the pen under a second name.
    p.Object("Frame", &S::Pen, &S::SetPen).Stored(false);
    p.Object("Gradient", &S::Gradient, &S::SetGradient).Stored([](const S& s) {
        return s.GradientIfAny() != nullptr;
    });
    p.Object("Pen", &S::Pen, &S::SetPen);
    p.Object("Picture", &S::Picture, &S::SetPicture).Stored([](const S& s) {
        return s.PictureIfAny() != nullptr;
    });
    p.Object("Shadow", &S::Shadow, &S::SetShadow);
    p.Enumeration("ShapeStyle", ShapeStyleNames(), &S::ShapeStyle, &S::SetShapeStyle)
        .Default(fosRectangle);
    p.Integer("Transparency", &S::Transparency, &S::SetTransparency).Default(0);
    p.Boolean("Visible", &S::Visible, &S::SetVisible).Default(false);
}
