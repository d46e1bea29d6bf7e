#pragma once
// Every boxed part of a chart (titles, legend, marks, axis titles, walls) is a framed shape: a
// rectangle, rounded rectangle or ellipse with a frame pen, a brush, gradient or picture fill, a
// bevel, a shadow and optional transparency, drawn on its panel's surface, possibly rotated and
// at a depth. Every change repaints the panel.
//
// The brush and the shadow are made on first use rather than in the constructor, so that a
// descendant's BrushClassToCreate and InitShadow (virtual, and not yet the descendant's while a
// base constructor runs) decide them.
#include <array>
#include <memory>

#include "platform/classes/Persistent.h"
#include "platform/graphics/Geometry.h"
#include "platform/ui/Panel.h"

class TBackImage;
class TChartBrush;
class TChartPen;
class TCustomTeePanel;
class TTeeFont;
class TTeeGradient;
class TTeeShadow;

// Brush, frame pen and visibility: the light base that the series pointer also uses.
class TTeeCustomShapeBrushPen : public TPersistent {
    KV_DECLARE_CLASS(TTeeCustomShapeBrushPen, TPersistent)
public:
    TTeeCustomShapeBrushPen();
    ~TTeeCustomShapeBrushPen() override;

    TChartBrush* Brush() const;
    void SetBrush(const TChartBrush* value);
    TChartPen* Pen() const { return FPen.get(); }
    void SetPen(const TChartPen* value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    void Hide() { SetVisible(false); }
    TCustomTeePanel* ParentChart() const { return FParentChart; }
    // Stores the panel without repainting it.
    virtual void SetParentChart(TCustomTeePanel* value) { FParentChart = value; }

    void Repaint();
    void Assign(const TPersistent* source) override;

protected:
    // The class of the brush, a TChartBrush or a descendant of it.
    virtual TClass BrushClassToCreate() const;

    mutable std::unique_ptr<TChartBrush> FBrush;
    std::unique_ptr<TChartPen> FPen;
    TCustomTeePanel* FParentChart = nullptr;
    bool FVisible = true;
};

enum TChartObjectShapeStyle { fosRectangle, fosRoundRectangle, fosEllipse };
enum TTextFormat { ttfNormal, ttfHtml };

class TTeeCustomShape : public TTeeCustomShapeBrushPen {
    KV_DECLARE_CLASS(TTeeCustomShape, TTeeCustomShapeBrushPen)
public:
    explicit TTeeCustomShape(TCustomTeePanel* Panel = nullptr);
    ~TTeeCustomShape() override;

    TBevelCut Bevel() const { return FBevel; }
    void SetBevel(TBevelCut value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TTeeFont* Font() const { return FFont.get(); }
    void SetFont(const TTeeFont* value);
    int RoundSize() const { return FRoundSize; }
    void SetRoundSize(int value);
    // May be none (after SetShadow(nullptr)): then no shadow is drawn.
    TTeeShadow* Shadow() const;
    void SetShadow(const TTeeShadow* value);
    TChartObjectShapeStyle ShapeStyle() const { return FShapeStyle; }
    void SetShapeStyle(TChartObjectShapeStyle value);
    TTextFormat TextFormat() const { return FTextFormat; }
    void SetTextFormat(TTextFormat value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool IsTransparentStored() const { return FTransparent != FDefaultTransparent; }
    int Transparency() const { return FTransparency; }
    void SetTransparency(int value);
    // Made on first use; null frees it.
    TTeeGradient* Gradient() const;
    TTeeGradient* GradientIfAny() const { return FGradient.get(); }
    void SetGradient(const TTeeGradient* value);
    // Made on first use; null frees it.
    TBackImage* Picture() const;
    TBackImage* PictureIfAny() const { return FPicture.get(); }
    void SetPicture(const TBackImage* value);

    const TRect& ShapeBounds() const { return FShapeBounds; }
    void SetShapeBounds(const TRect& value) { FShapeBounds = value; }
    // Inclusive sizes: right = left + width - 1.
    int Width() const { return FShapeBounds.Right - FShapeBounds.Left + 1; }
    void SetWidth(int value) { FShapeBounds.Right = FShapeBounds.Left + value - 1; }
    int Height() const { return FShapeBounds.Bottom - FShapeBounds.Top + 1; }
    void SetHeight(int value) { FShapeBounds.Bottom = FShapeBounds.Top + value - 1; }

    void Draw() { DrawRectRotated(FShapeBounds, 0, 0); }
    void DrawRectRotated(const TRect& Rect, int Angle, int Z);
    void DrawOnPanel(TCustomTeePanel* Panel, const TRect& Rect, int Angle, int Z);

    void Assign(const TPersistent* source) override;

protected:
    // The class of the gradient, a TTeeGradient or a descendant of it.
    virtual TClass GradientClassToCreate() const;
    // The owner's kind of shadow: black and 3 here.
    virtual void InitShadow(TTeeShadow& Shadow) const;
    // Older streams: "ShadowColor" (a colour name or number) and "ShadowSize".
    void DefineProperties(TFiler& filer) override;
    // For descendants whose Transparent is on by default (titles).
    void SetDefaultTransparent(bool value) {
        FDefaultTransparent = value;
        FTransparent = value;
    }

private:
    void DrawFigure(TCustomTeePanel& Panel, const TRect& Rect, int Angle, int Z);
    void DrawShadowStep(TCustomTeePanel& Panel, const TRect& Rect, int Angle, int Z);
    void DrawGradientStep(TCustomTeePanel& Panel, const TRect& Rect, int Angle, int Z);
    void DrawPictureStep(TCustomTeePanel& Panel, const TRect& Rect);

    TBevelCut FBevel = bvNone;
    int FBevelWidth = 2;
    TColor FColor = clWhite;
    std::unique_ptr<TTeeFont> FFont;
    int FRoundSize = 16;
    mutable std::unique_ptr<TTeeShadow> FShadow;
    bool FShadowNone = false;
    TChartObjectShapeStyle FShapeStyle = fosRectangle;
    TTextFormat FTextFormat = ttfNormal;
    bool FTransparent = false;
    bool FDefaultTransparent = false;
    mutable std::unique_ptr<TTeeGradient> FGradient;
    mutable std::unique_ptr<TBackImage> FPicture;
    int FTransparency = 0;
    TRect FShapeBounds;
};

// The framed shape as the chart's parts publish it.
class TTeeShape : public TTeeCustomShape {
    KV_DECLARE_CLASS(TTeeShape, TTeeCustomShape)
public:
    using TTeeCustomShape::TTeeCustomShape;
    static void Publish(TPublisher<TTeeShape>& p);
};

const TEnumInfo& BevelCutNames();
const TEnumInfo& ShapeStyleNames();
const TEnumInfo& TextFormatNames();

// Rect's corners turned by Angle degrees about its centre: left-top, right-top, right-bottom,
// left-bottom.
std::array<TPoint, 4> RectCornersRotated(const TRect& Rect, double Angle);
