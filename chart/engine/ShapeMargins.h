#pragma once
// The inner margins of a framed text box (the series marks among others): four integers in
// units of the font height, of the box size or in pixels, turned into pixels for each box.
#include "platform/classes/Persistent.h"
#include "platform/graphics/Geometry.h"

class TTeeCustomShapeBrushPen;

enum TMarginUnits { maPercentFont, maPercentSize, maPixels };
const TEnumInfo& MarginUnitsNames();

class TMargins : public TPersistent {
    KV_DECLARE_CLASS(TMargins, TPersistent)
public:
    // horizDefault: the default of Left and Right, which are stored only when they differ.
    explicit TMargins(TTeeCustomShapeBrushPen* owner = nullptr, int horizDefault = 10);

    int Left() const { return FLeft; }
    void SetLeft(int value) { Change(FLeft, value); }
    int Top() const { return FTop; }
    void SetTop(int value) { Change(FTop, value); }
    int Right() const { return FRight; }
    void SetRight(int value) { Change(FRight, value); }
    int Bottom() const { return FBottom; }
    void SetBottom(int value) { Change(FBottom, value); }
    TMarginUnits Units() const { return FUnits; }
    void SetUnits(TMarginUnits value);
    int HorizDefault() const { return FHorizDefault; }

    // The pixel margins of a box of that size drawn with a font of that height.
    void ComputePixels(int width, int height, int fontHeight);
    // Of the last ComputePixels: left, top, right and bottom.
    const TRect& Pixels() const { return FPixels; }
    int HorizontalPixels() const { return FPixels.Left + FPixels.Right; }
    int VerticalPixels() const { return FPixels.Top + FPixels.Bottom; }

    // The five values of other margins.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TMargins>& p);

private:
    void Change(int& field, int value);

    TTeeCustomShapeBrushPen* FOwner;
    int FLeft;
    int FTop = 5;
    int FRight;
    int FBottom = 5;
    TMarginUnits FUnits = maPercentFont;
    int FHorizDefault;
    TRect FPixels;
};
