#pragma once
// The marker drawn at a point by point and line series: one of thirteen shapes, flat or solid
// in a 3-D chart, with pen, brush, an optional gradient fill, a shadow and transparency. It draws
// at its series' depths on its series' chart (or on the chart it was given without a series).
#include <algorithm>
#include <functional>
#include <memory>

#include "chart/foundation/TeeShadow.h"
#include "chart/foundation/TeeShape.h"

class TCanvas3D;
class TChartSeries;
class TPen;
class TTeeGradient;

enum TSeriesPointerStyle {
    psRectangle,
    psCircle,
    psTriangle,
    psDownTriangle,
    psCross,
    psDiagCross,
    psStar,
    psDiamond,
    psSmallDot,
    psNothing,
    psLeftTriangle,
    psRightTriangle,
    psHexagon
};
const TEnumInfo& SeriesPointerStyleNames();

// The style of one point's pointer, asked of the program.
using TOnGetPointerStyle = std::function<TSeriesPointerStyle(TChartSeries& sender, int valueIndex)>;

// A pointer's shadow: hidden unless asked for, so stored only when shown.
class TPointerShadow : public TTeeShadow {
    KV_DECLARE_CLASS(TPointerShadow, TTeeShadow)
public:
    explicit TPointerShadow(TNotifyEvent onChange = nullptr);
    static void Publish(TPublisher<TPointerShadow>& p);
};

class TSeriesPointer : public TTeeCustomShapeBrushPen {
    KV_DECLARE_CLASS(TSeriesPointer, TTeeCustomShapeBrushPen)
public:
    explicit TSeriesPointer(TChartSeries* series = nullptr);
    ~TSeriesPointer() override;

    TChartSeries* Series() const { return FSeries; }
    // The chart drawn on: the series' one, else the one given.
    TCustomTeePanel* Chart() const;

    bool Dark3D() const { return FDark3D; }
    void SetDark3D(bool value) { ChangeBool(FDark3D, value); }
    bool Draw3D() const { return FDraw3D; }
    void SetDraw3D(bool value) { ChangeBool(FDraw3D, value); }
    TTeeGradient* Gradient() const { return FGradient.get(); }
    void SetGradient(const TTeeGradient* value);
    // Half-width and half-height in pixels; values of 0 or less raise.
    int HorizSize() const { return FHorizSize; }
    void SetHorizSize(int value);
    int VertSize() const { return FVertSize; }
    void SetVertSize(int value);
    void SetSize(int value);
    // Without checking or repainting.
    void StoreHorizSize(int value) { FHorizSize = value; }
    void StoreVertSize(int value) { FVertSize = value; }
    bool InflateMargins() const { return FInflateMargins; }
    void SetInflateMargins(bool value) { ChangeBool(FInflateMargins, value); }
    TPointerShadow* Shadow() const { return FShadow.get(); }
    void SetShadow(const TTeeShadow* value);
    TSeriesPointerStyle Style() const { return FStyle; }
    void SetStyle(TSeriesPointerStyle value);
    int Transparency() const { return FTransparency; }
    void SetTransparency(int value);
    TColor BrushColor() const;
    void SetBrushColor(TColor value);

    // The user may change the size (editors).
    bool AllowChangeSize = true;
    // Off: the gradient's end colour follows each point's colour.
    bool FullGradient = false;

    // Each margin grows to the size + 1 when the pointer is visible and inflates margins.
    void HorizontalMargins(int& left, int& right) const;
    void VerticalMargins(int& top, int& bottom) const;
    int LargestSize() const { return std::max(FHorizSize, FVertSize); }

    // Pen and brush of canvas for a point of that colour.
    void PrepareCanvas(TCanvas3D& canvas, TColor color) const;
    void PrepareOwnCanvas();
    // The shape at (x, y) on canvas, in 3-D forms when is3D.
    void DrawOnCanvas(TCanvas3D& canvas, bool is3D, int x, int y, int horizSize, int vertSize,
                      TColor color, TSeriesPointerStyle style);
    void DrawStyledAt(int x, int y, TSeriesPointerStyle style, TColor color);
    // The pointer flat and centred in a legend symbol, no larger than a third of it when a line
    // runs through it (line visible), else about half; symbolPen, when given, outlines it.
    void DrawInLegend(TCanvas3D& canvas, const TRect& rect, TSeriesPointerStyle style, TColor color,
                      bool lineVisible, const TPen* symbolPen);
    void DrawAt(int x, int y) { DrawStyledAt(x, y, FStyle, BrushColor()); }
    void DrawAtPoint(TPoint p) { DrawAt(p.X, p.Y); }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TSeriesPointer>& p);

protected:
    // Repaints the chart drawn on.
    void Changed();
    void ChangeBool(bool& field, bool value);
    int FrontDepth() const;
    int MidDepth() const;
    int BackDepth() const;

    TChartSeries* FSeries;

private:
    void DrawShape(TCanvas3D& canvas, bool is3D, int x, int y, int horizSize, int vertSize,
                   TSeriesPointerStyle style);
    void DrawShadow(TCanvas3D& canvas, const TRect& r, int x, int y, int vertSize,
                    TSeriesPointerStyle style);
    void DrawGradient(TCanvas3D& canvas, bool is3D, const TRect& r, int x, int y, int vertSize,
                      TColor color, TSeriesPointerStyle style);

    bool FDark3D = true;
    bool FDraw3D = true;
    std::unique_ptr<TTeeGradient> FGradient;
    int FHorizSize = 4;
    int FVertSize = 4;
    bool FInflateMargins = true;
    std::unique_ptr<TPointerShadow> FShadow;
    TSeriesPointerStyle FStyle = psRectangle;
    int FTransparency = 0;
};
