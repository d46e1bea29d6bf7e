#pragma once
// One figure with a multi-line text inside it: a rectangle, an ellipse, lines, triangles, a
// diamond, a cube, crosses, a star or pyramids, between two corners that are the series' first
// two points, read as axis values or as pixels. The text is centred (or aligned) in the figure,
// in a colour that stands out from the fill.
#include <memory>

#include "chart/engine/ChartSeries.h"
#include "platform/ui/Label.h"

class TStringList;
class TStrings;
class TTeeFont;
class TTeeGradient;

enum TChartShapeStyle {
    chasRectangle,
    chasCircle,
    chasVertLine,
    chasHorizLine,
    chasTriangle,
    chasInvertTriangle,
    chasLine,
    chasDiamond,
    chasCube,
    chasCross,
    chasDiagCross,
    chasStar,
    chasPyramid,
    chasInvertPyramid
};
const TEnumInfo& ChartShapeStyleNames();
enum TChartShapeXYStyle { xysPixels, xysAxis, xysAxisOrigin };
const TEnumInfo& ChartShapeXYStyleNames();
enum TTeeVertAlign { vaTop, vaCenter, vaBottom };
const TEnumInfo& TeeVertAlignNames();

class TChartShape : public TChartSeries {
    KV_DECLARE_CLASS(TChartShape, TChartSeries)
public:
    explicit TChartShape(TComponent* owner);
    ~TChartShape() override;
    static std::string EditorClassName() { return "TChartShapeEditor"; }

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) { ChangeField(FAlignment, value); }
    TTeeFont* Font() const { return FFont.get(); }
    void SetFont(const TTeeFont* value);
    TTeeGradient* Gradient() const { return FGradient.get(); }
    void SetGradient(const TTeeGradient* value);
    bool RoundRectangle() const { return FRoundRectangle; }
    void SetRoundRectangle(bool value) { ChangeField(FRoundRectangle, value); }
    TChartShapeStyle Style() const { return FStyle; }
    void SetStyle(TChartShapeStyle value) { ChangeField(FStyle, value); }
    TStrings* Text() const;
    // Copies the lines and repaints.
    virtual void SetText(const TStrings* value);
    int Transparency() const { return FTransparency; }
    void SetTransparency(int value) { ChangeField(FTransparency, value); }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value) { ChangeField(FTransparent, value); }
    TTeeVertAlign VertAlign() const { return FVertAlign; }
    void SetVertAlign(TTeeVertAlign value) { ChangeField(FVertAlign, value); }
    TChartShapeXYStyle XYStyle() const { return FXYStyle; }
    void SetXYStyle(TChartShapeXYStyle value) { ChangeField(FXYStyle, value); }

    // The corners, points 0 and 1; reading or writing one first adds the points (0, 0) it
    // needs, and a write marks the points as entered by hand.
    double X0() { return Corner(0, true); }
    double Y0() { return Corner(0, false); }
    double X1() { return Corner(1, true); }
    double Y1() { return Corner(1, false); }
    void SetX0(double value) { SetCorner(0, true, value); }
    void SetY0(double value) { SetCorner(0, false, value); }
    void SetX1(double value) { SetCorner(1, true, value); }
    void SetY1(double value) { SetCorner(1, false, value); }

    // The corners' rectangle as XYStyle reads them, not normalised.
    virtual TRect GetShapeRect() const;
    // Normalised and at least one pixel wide and high.
    TRect NormalizedShapeRect() const;
    // The figure in R (a line from its first corner to its second for chasLine).
    void DrawShape(bool is3D, const TRect& r);
    void DrawShapeText(const TRect& r);

    void SetSeriesColor(TColor value) override;
    void DrawValue(int valueIndex) override;
    void DrawLegendShape(int valueIndex, const TRect& rect) override;
    int ValueIndexAt(int x, int y) override;
    bool UsesAxes() const override { return FXYStyle != xysPixels; }
    void AssignZOrder() override;
    bool HasZOrderSiblings() const override { return false; }
    void ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) override;
    void ApplyGalleryVariant(TChartSeries* series, int index) override;
    bool CanCopyFrom(const TChartSeries& source) const override;
    void AddRandomValues(int numValues, bool onlyMandatory) override;
    void PrepareForGallery(bool enabled) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TChartShape>& p);

protected:
    // A brush in the automatic colour, unlike the white one a shape starts with, is stored too.
    void DefineProperties(TFiler& filer) override;

private:
    void EnsurePoints(int count);
    double Corner(int index, bool isX);
    void SetCorner(int index, bool isX, double value);
    void SelectFigureCanvas();
    // The gradient under a rectangle or an ellipse; true when it was painted.
    bool PaintGradient(bool is3D, const TRect& r, bool ellipse);
    void DrawShape3D(const TRect& r);
    void DrawShape2D(const TRect& r);

    TAlignment FAlignment = taCenter;
    std::unique_ptr<TTeeFont> FFont;
    std::unique_ptr<TTeeGradient> FGradient;
    bool FRoundRectangle = false;
    TChartShapeStyle FStyle = chasCircle;
    std::unique_ptr<TStringList> FText;
    int FTransparency = 0;
    bool FTransparent = false;
    TTeeVertAlign FVertAlign = vaCenter;
    TChartShapeXYStyle FXYStyle = xysAxis;
};
