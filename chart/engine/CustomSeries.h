#pragma once
// The drawing base of the line, point and area series: straight and stair-step segments, 3-D
// ribbons, the area under the line (down to the axis, an origin or the stacked series below),
// gradients, transparency, a shadow pass and an outline pass, and each point's pointer. It also
// stacks several series, gives the axes its extremes and margins, widens the visible range and
// answers clicks.
//
// One drawing pass walks the visible points in drawing order; each point draws the segment that
// arrives at it from the previous one, so the previous point's position, origin and colour are
// kept in the series for the length of the pass. Pointers are drawn one point behind the
// segments, so that each pointer lies over the segments on both its sides.
#include <functional>
#include <memory>

#include "chart/engine/CustomLineSeries.h"
#include "chart/engine/SeriesPointer.h"

class TChartHiddenPen;
class TTeeGradient;
class TTeeShadow;

enum TCustomSeriesStack { cssNone, cssOverlap, cssStack, cssStack100 };
const TEnumInfo& CustomSeriesStackNames();

class TCustomSeries;
using TSeriesClickPointerEvent =
    std::function<void(TCustomSeries& sender, int valueIndex, int x, int y)>;
using TOnGetPointerStyle = std::function<TSeriesPointerStyle(TChartSeries& sender, int valueIndex)>;

class TCustomSeries : public TCustomLineSeries {
    KV_DECLARE_CLASS(TCustomSeries, TCustomLineSeries)
public:
    explicit TCustomSeries(TComponent* owner);
    ~TCustomSeries() override;
    static std::string EditorClassName() { return "TCustomSeriesEditor"; }

    // --- Settings.
    TChartBrush* AreaChartBrush() const { return FAreaBrush.get(); }
    void SetAreaChartBrush(const TChartBrush* value);
    TBrushStyle AreaBrush() const;
    void SetAreaBrush(TBrushStyle value);
    // clDefault: the point colour.
    TColor AreaColor() const { return FAreaColor; }
    void SetAreaColor(TColor value) { ChangeField(FAreaColor, value); }
    TChartPen* AreaLinesPen() const { return FAreaLinesPen.get(); }
    void SetAreaLinesPen(const TChartPen* value);
    // The click test also hits segments and the area; a plain store.
    bool ClickableLine() const { return FClickableLine; }
    void SetClickableLine(bool value) { FClickableLine = value; }
    bool ColorEachLine() const { return FColorEachLine; }
    void SetColorEachLine(bool value) { ChangeField(FColorEachLine, value); }
    bool Dark3D() const { return FDark3D; }
    void SetDark3D(bool value) { ChangeField(FDark3D, value); }
    bool DrawArea() const { return FDrawArea; }
    void SetDrawArea(bool value) { ChangeField(FDrawArea, value); }
    bool DrawLine() const { return FDrawLine; }
    void SetDrawLine(bool value) { ChangeField(FDrawLine, value); }
    bool InvertedStairs() const { return FInvertedStairs; }
    void SetInvertedStairs(bool value) { ChangeField(FInvertedStairs, value); }
    int LineHeight() const { return FLineHeight; }
    void SetLineHeight(int value) { ChangeField(FLineHeight, value); }
    // The style of the series brush, which fills 3-D line ribbons.
    TBrushStyle LineBrush() const;
    void SetLineBrush(TBrushStyle value);
    TChartHiddenPen* OutLine() const { return FOutLine.get(); }
    void SetOutLine(const TChartHiddenPen* value);
    TSeriesPointer* Pointer() const { return FPointer.get(); }
    void SetPointer(const TSeriesPointer* value);
    TTeeShadow* Shadow() const { return FShadow.get(); }
    void SetShadow(const TTeeShadow* value);
    TCustomSeriesStack Stacked() const { return FStacked; }
    // Spreads to every series of the chart that is an instance of this series' class.
    void SetStacked(TCustomSeriesStack value);
    bool Stairs() const { return FStairs; }
    void SetStairs(bool value) { ChangeField(FStairs, value); }
    TTeeGradient* Gradient() const { return GetGradient(); }
    void SetGradient(const TTeeGradient* value);
    int Transparency() const { return GetTransparency(); }

    TSeriesClickPointerEvent OnClickPointer;
    TOnGetPointerStyle OnGetPointerStyle;

    // --- Operations.
    // The point colour when each point has its own colour or AreaColor is clDefault.
    TColor AreaColorOf(TColor color) const;
    TSeriesPointerStyle GetPointerStyle(int valueIndex);
    // Pen and brush of the pointer in color, then the point's style at (x, y).
    void DrawPointer(int x, int y, TColor color, int valueIndex);
    // The sum of the values at valueIndex of the stacking series before this one (every one,
    // as absolute values, with all).
    double PreviousStackSum(int valueIndex, bool all) const;
    int StackedPosition(int valueIndex, double value) const;

    // --- Virtual operations of the family.
    virtual int MarksMargin() const;
    // The smallest (largest) mandatory value of the points that count; 0 when none does.
    virtual double MandatoryMinMax(bool isMin) const;
    virtual bool PointerContains(int valueIndex, int x, int y, int mouseX, int mouseY);
    virtual TTeeGradient* GetGradient() const { return FGradient.get(); }
    virtual int GetTransparency() const { return FTransparency; }
    virtual void SetTransparency(int value) { ChangeField(FTransparency, value); }
    // Per-point preparation of the pointer before it is drawn or hit-tested.
    virtual void PreparePointer(int /*valueIndex*/) {}
    virtual bool StacksWith(const TChartSeries& series) const;
    // The pixel where the point's area or stack starts.
    virtual int OriginPosition(int valueIndex) const;

    // --- Overrides of the series base.
    void SetParentChart(TCustomAxisPanel* value) override;
    void HorizontalMarginsNeeded(int& left, int& right) override;
    void VerticalMarginsNeeded(int& top, int& bottom) override;
    void AssignZOrder() override;
    void DrawAllValues() override;
    void DrawLegendShape(int valueIndex, const TRect& rect) override;
    void DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) override;
    void DrawValue(int valueIndex) override;
    bool IsValueInChartRect(int valueIndex) const override;
    bool HasClickHandler() const override;
    double GetMaxXValue() override;
    double GetMaxYValue() override;
    double GetMinXValue() override;
    double GetMinYValue() override;
    int PointXPixel(int index) const override;
    int PointYPixel(int index) const override;
    void ComputeVisibleRange() override;
    int ValueIndexAt(int x, int y) override;

    void Assign(const TPersistent* source) override;

protected:
    // Without spreading to the other series or repainting.
    void SetStackedQuietly(TCustomSeriesStack value) { FStacked = value; }
    // The pointer centred in a legend symbol, over a line through it when asked.
    void DrawLegendPointer(const TRect& rect, TSeriesPointerStyle style, TColor color,
                           bool withLine);
    // Stacked extremes of the value direction, else those of the mandatory list.
    double ValueMaximum();
    double ValueMinimum(bool verticalRule);

    // State of one drawing pass (the click test reuses PrevBaseY).
    int BaseY = 0;
    int PrevBaseY = 0;
    int PrevX = 0;
    int PrevY = 0;
    TColor OldColor = clNone;
    double SlopeLimit = 1;

private:
    // Drawing (CustomSeriesDraw.cpp).
    void DrawEdgeSegment(int valueIndex, int x, int y, TColor color);
    int InterpolatedY(int prevIndex, double xValue) const;
    void DrawSegment(int valueIndex, int x, int y, TColor color, bool withPointer);
    void DrawFlatLine(int x, int y, TColor color);
    void PrepareLinePen(TColor color);
    // 3-D and areas (CustomSeriesArea.cpp).
    void DrawRibbon(int valueIndex, int x, int y, TColor color);
    void DrawStairPlanes(int x, int y, TColor color);
    void DrawAreaPart(int valueIndex, int x, int y, TColor color);
    void DrawAreaQuad(int x, int y);
    void DrawStairArea(int x, int y);
    void DrawLineHeight(int valueIndex, int x, int y);
    void DrawTopEdges(int x, int y);
    // Clicks (CustomSeriesClick.cpp).
    bool SegmentContains(TPoint mouse, TPoint prev, TPoint point, int prevBase, int base) const;
    // The passes of DrawAllValues.
    void ShadowPass();
    void OutlinePass();

    std::unique_ptr<TChartBrush> FAreaBrush;
    TColor FAreaColor = clDefault;
    std::unique_ptr<TChartPen> FAreaLinesPen;
    bool FClickableLine = true;
    bool FColorEachLine = true;
    bool FDark3D = true;
    bool FDrawArea = false;
    bool FDrawLine = true;
    bool FInvertedStairs = false;
    int FLineHeight = 0;
    std::unique_ptr<TChartHiddenPen> FOutLine;
    std::unique_ptr<TSeriesPointer> FPointer;
    std::unique_ptr<TTeeShadow> FShadow;
    TCustomSeriesStack FStacked = cssNone;
    bool FStairs = false;
    int FTransparency = 0;
    std::unique_ptr<TTeeGradient> FGradient;
};
