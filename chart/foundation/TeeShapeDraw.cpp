// Drawing a framed shape: shadow, fill, frame and bevel, optionally blended and rotated.
#include <algorithm>

#include "chart/foundation/BackImage.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeBlend.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeePanel.h"
#include "chart/foundation/TeeShadow.h"
#include "chart/foundation/TeeShape.h"

void TTeeCustomShape::DrawRectRotated(const TRect& Rect, int Angle, int Z) {
    DrawOnPanel(FParentChart, Rect, Angle, Z);
}

void TTeeCustomShape::DrawOnPanel(TCustomTeePanel* Panel, const TRect& Rect, int Angle, int Z) {
    if (FTransparent || !Panel) return;
    TCanvas3D& c = *Panel->Canvas3D();
    TTeeBlend* blend = nullptr;
    if (FTransparency > 0) {
        const TRect area = Angle != 0 ? BoundsOfPoints(RectCornersRotated(Rect, Angle)) : Rect;
        blend = c.BeginBlending(area, FTransparency);
    }
    const TTeeShadow* shadow = Shadow();
    if (shadow && shadow->Visible() && shadow->GetCommonSize() != 0 && Brush()->Style() != bsClear)
        DrawShadowStep(*Panel, Rect, Angle, Z);
    if (FPicture && FPicture->Graphic())
        DrawPictureStep(*Panel, Rect);
    else if (FGradient && FGradient->Visible())
        DrawGradientStep(*Panel, Rect, Angle, Z);
    else
        c.UseBrushColored(Brush(), FColor);
    c.UsePen(FPen.get());
    DrawFigure(*Panel, Rect, Angle, Z);
    if (Angle == 0) {
        TRect r = Rect;
        PaintBevel(c, FBevel, r, 0, FBevelWidth);
    }
    if (blend) {
        // Filters without a picture work on what shows through the box (a blurred glass).
        TBackImage& picture = *Picture();
        if (picture.HasFilters() && !picture.Graphic() && blend->Valid())
            picture.Filters()->ApplyAll(*blend->Bitmap());
        c.EndBlending(blend);
    }
}

void TTeeCustomShape::DrawPictureStep(TCustomTeePanel& Panel, const TRect& Rect) {
    TCanvas3D& c = *Panel.Canvas3D();
    if (FShapeStyle == fosEllipse)
        c.ClipToEllipse(Rect, false);
    else if (FShapeStyle == fosRoundRectangle)
        c.ClipToRoundRect(Rect, FRoundSize);
    DrawPictureInRect(*FPicture, Panel, Rect, 0);
    if (FShapeStyle != fosRectangle) c.RemoveClipping();
    // The frame only outlines the picture.
    c.Brush()->SetStyle(bsClear);
}

void TTeeCustomShape::DrawFigure(TCustomTeePanel& Panel, const TRect& Rect, int Angle, int Z) {
    TCanvas3D& c = *Panel.Canvas3D();
    const bool free = c.SupportsFreeRotation();
    if (Angle != 0) {
        const auto corners = RectCornersRotated(Rect, Angle);
        if (free)
            c.DrawPolygonAtZ(corners, 3, Z);
        else
            c.DrawPolygon(corners, 3);
        return;
    }
    if (free) {
        if (FShapeStyle == fosEllipse)
            c.DrawEllipseAtZFromRect(Rect, Z);
        else
            c.DrawRectangleAtZ(Rect, Z);
        return;
    }
    switch (FShapeStyle) {
        case fosRectangle:
            c.DrawRectangleFromRect(Rect);
            break;
        case fosEllipse:
            c.DrawEllipseFromRect(Rect);
            break;
        case fosRoundRectangle:
            c.DrawRoundRectFromRect(Rect, FRoundSize, FRoundSize);
            break;
    }
}

void TTeeCustomShape::DrawShadowStep(TCustomTeePanel& Panel, const TRect& Rect, int Angle, int Z) {
    TCanvas3D& c = *Panel.Canvas3D();
    if (FShapeStyle == fosEllipse) {
        Shadow()->DrawEllipseShadow(c, Rect, Z);
    } else {
        const int corner = FShapeStyle == fosRoundRectangle ? FRoundSize : 0;
        const bool free = c.SupportsFreeRotation();
        if (!free) c.SuspendRotation();
        Shadow()->DrawShapeShadow(c, Rect, Angle, corner, Z);
        if (!free) c.ResumeRotation();
    }
    if (FTransparency <= 0) return;
    // Under a see-through box the shadow must show as the figure's own shape.
    int h = Shadow()->HorizSize();
    int v = Shadow()->VertSize();
    if (std::max(h, v) > 0 && FPen->Visible()) {
        h += FPen->Width();
        v += FPen->Width();
    }
    c.Pen()->SetStyle(psClear);
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Shadow()->Color());
    const TRect moved{Rect.Left + h, Rect.Top + v, Rect.Right + h, Rect.Bottom + v};
    TTeeBlend* blend =
        Shadow()->Transparency() > 0 ? c.BeginBlending(moved, Shadow()->Transparency()) : nullptr;
    DrawFigure(Panel, moved, Angle, Z);
    if (blend) c.EndBlending(blend);
}

void TTeeCustomShape::DrawGradientStep(TCustomTeePanel& Panel, const TRect& Rect, int Angle,
                                       int Z) {
    TCanvas3D& c = *Panel.Canvas3D();
    if (Angle != 0) {
        const auto corners = RectCornersRotated(Rect, Angle);
        if (c.SupportsFreeRotation())
            FGradient->DrawQuadAtZ(c, corners, Z);
        else
            FGradient->DrawQuad(c, corners);
    } else {
        FGradient->DrawInRect(c, Rect, FShapeStyle == fosRoundRectangle ? FRoundSize : 0);
    }
    c.Brush()->SetStyle(bsClear);
}
