#pragma once
// The base of the bar series: one bar per point from an origin to the point's value, across a
// category axis (the horizontal axis for vertical bars, the vertical one for horizontal bars).
// It lays out the bars of several series at one point (side by side, stacked, stacked to 100
// percent, each series after the other, or one series stacked on itself), sizes and places
// them, gives the axes the extremes and margins that layout needs, places marks and answers
// clicks; painting a bar in its style is in CustomBarSeriesDraw.cpp.
//
// The layout state (NumBars, OrderPos, MaxBarPoints, PreviousCount, BarSize) is computed for
// each drawing of the chart: PrepareForChartDraw before the axes are placed, the bar width once
// they are. MultiBar and SideMargins are shared by the bar series of one class in a chart.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/engine/ChartSeries.h"
#include "platform/graphics/Geometry.h"

class TBarSeriesGradient;
class TCanvas3D;
class TChartAxis;
class TChartHiddenPen;
class TTeeShadow;

enum TMultiBar { mbNone, mbSide, mbStacked, mbStacked100, mbSideAll, mbSelfStack };
const TEnumInfo& MultiBarNames();

enum TBarStyle {
    bsRectangle,
    bsPyramid,
    bsInvPyramid,
    bsCilinder,
    bsEllipse,
    bsArrow,
    bsRectGradient,
    bsCone,
    bsBevel,
    bsSlantCube,
    bsDiamond,
    bsInvArrow,
    bsInvCone
};
const TEnumInfo& BarStyleNames();

class TCustomBarSeries;
using TBarStyleEvent =
    std::function<void(TCustomBarSeries& sender, int valueIndex, TBarStyle& style)>;

class TCustomBarSeries : public TChartSeries {
    KV_DECLARE_CLASS(TCustomBarSeries, TChartSeries)
public:
    explicit TCustomBarSeries(TComponent* owner);
    ~TCustomBarSeries() override;

    static std::string EditorClassName() { return "TBarSeriesEditor"; }

    // --- Settings.
    bool AutoBarSize() const { return FAutoBarSize; }
    void SetAutoBarSize(bool value) { ChangeField(FAutoBarSize, value); }
    bool AutoMarkPosition() const { return FAutoMarkPosition; }
    void SetAutoMarkPosition(bool value) { ChangeField(FAutoMarkPosition, value); }
    TBarStyle BarStyle() const { return FBarStyle; }
    void SetBarStyle(TBarStyle value) { ChangeField(FBarStyle, value); }
    int BarWidthPercent() const { return FBarWidthPercent; }
    void SetBarWidthPercent(int value) { ChangeField(FBarWidthPercent, value); }
    int BevelSize() const { return FBevelSize; }
    void SetBevelSize(int value) { ChangeField(FBevelSize, value); }
    // The size of a cone's top handed to the surface (not stored).
    int ConePercent() const { return FConePercent; }
    void SetConePercent(int value) { ChangeField(FConePercent, value); }
    // Fixed bar width in pixels; 0: from the axis.
    int CustomBarWidth() const { return FCustomBarWidth; }
    void SetCustomBarWidth(int value) { ChangeField(FCustomBarWidth, value); }
    bool Dark3D() const { return FDark3D; }
    void SetDark3D(bool value) { ChangeField(FDark3D, value); }
    // Above 0: outlines in the point's colour darkened by 255 - DarkPen per channel.
    int DarkPen() const { return FDarkPen; }
    void SetDarkPen(int value) { ChangeField(FDarkPen, value); }
    int DepthPercent() const { return FDepthPercent; }
    void SetDepthPercent(int value) { ChangeField(FDepthPercent, value); }
    TBarSeriesGradient* Gradient() const { return FGradient.get(); }
    void SetGradient(const TBarSeriesGradient* value);
    TMultiBar MultiBar() const { return FMultiBar; }
    // Also for every bar series of this class in the chart.
    void SetMultiBar(TMultiBar value);
    int OffsetPercent() const { return FOffsetPercent; }
    void SetOffsetPercent(int value) { ChangeField(FOffsetPercent, value); }
    TTeeShadow* Shadow() const { return FShadow.get(); }
    void SetShadow(const TTeeShadow* value);
    bool SideMargins() const { return FSideMargins; }
    // Also for every bar series of this class in the chart.
    void SetSideMargins(bool value);
    int StackGroup() const { return FStackGroup; }
    void SetStackGroup(int value) { ChangeField(FStackGroup, value); }
    TChartHiddenPen* TickLines() const { return FTickLines.get(); }
    void SetTickLines(const TChartHiddenPen* value);
    int Transparency() const { return FTransparency; }
    void SetTransparency(int value) { ChangeField(FTransparency, value); }
    bool UseYOrigin() const { return FUseYOrigin; }
    void SetUseYOrigin(bool value) { ChangeField(FUseYOrigin, value); }
    double YOrigin() const { return FYOrigin; }
    void SetYOrigin(double value) { ChangeField(FYOrigin, value); }
    TBarStyleEvent OnGetBarStyle;

    // --- Layout of the current drawing.
    TRect BarBounds;
    int NumBars = 0;
    int MaxBarPoints = 0;
    int OrderPos = 1;
    int PreviousCount = 0;
    TColor CurrentBarColor = clDefault;
    // The bar width in pixels, after the axes are placed.
    int BarSize() const { return FBarSize; }
    // Recomputes BarSize from the category axis as it stands.
    void CalcBarSize();
    // The bar's start on the value axis: the stack below it, YOrigin or the axis edge.
    int BarOrigin(int valueIndex) const;
    // Where the bar starts: the sum of the bars stacked below it, or YOrigin. With all, the
    // absolute total of the point over its stack (the 100 percent of mbStacked100).
    virtual double StackOrigin(int valueIndex, bool all) const;

    // --- The shape of a bar.
    // Room a mark takes along the value axis; -1: the widest of all.
    virtual int MarkExtent(int valueIndex);
    virtual bool BarContains(int valueIndex, const TPoint& point);
    virtual bool OffersStackVariants() const { return true; }
    // The bar's rectangle; answers the pen the bar is drawn with.
    virtual const TChartPen* CalcBarRect(int valueIndex, TRect& rect) = 0;
    virtual void DrawBar(int valueIndex, int barStart, int barEnd) = 0;
    virtual void DrawTickLine(int position, TBarStyle style);
    // The style of the point after OnGetBarStyle.
    TBarStyle PointBarStyle(int valueIndex);

    // --- The chart's protocol.
    void SetParentChart(TCustomAxisPanel* value) override;
    void PrepareForChartDraw() override;
    void AssignZOrder() override;
    void ComputeDepthRange() override;
    void ComputeVisibleRange() override;
    int PointXPixel(int index) const override;
    int PointYPixel(int index) const override;
    void ValueScreenPoint(int valueIndex, int& x, int& y) const override;
    bool IsValueInChartRect(int valueIndex) const override;
    double GetMinXValue() override;
    double GetMaxXValue() override;
    double GetMinYValue() override;
    double GetMaxYValue() override;
    void HorizontalMarginsNeeded(int& left, int& right) override;
    void VerticalMarginsNeeded(int& top, int& bottom) override;
    void ListSeriesOrder(int first, int count, int valueIndex,
                         std::vector<int>& order) const override;
    void ListValueOrder(int first, int last, std::vector<int>& order) const override;
    bool DrawsSeriesForward(int valueIndex) const override;
    int ValueIndexAt(int x, int y) override;
    void DrawValue(int valueIndex) override;
    void DrawLegendShape(int valueIndex, const TRect& rect) override;
    void PrepareLegendCanvas(int valueIndex, TColor& backColor, TBrushStyle& style) override;

    // --- Gallery.
    int DefaultSampleCount() const override;
    void AddRandomValues(int numValues, bool onlyMandatory) override;
    void PrepareForGallery(bool enabled) override;
    void ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) override;
    void ApplyGalleryVariant(TChartSeries* series, int index) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TCustomBarSeries>& p);

protected:
    // The axis the bars stand on and the axis of their values.
    TChartAxis* CategoryAxis() const;
    TChartAxis* ValueAxis() const;
    // The bar's left (top) edge on the category axis, per MultiBar and OffsetPercent.
    int CategoryPixel(int valueIndex) const;
    // The bar's end on the value axis.
    int ValueEndPixel(int valueIndex) const;
    // Pixels before and after the points on the category axis.
    void CategoryMargins(int& before, int& after);
    // Room for the marks below and above the origin on the value axis.
    void ValueMargins(int& below, int& above);
    // Selects the pen of a bar: the bar pen, in the bar's colour darkened per DarkPen (the pen
    // as it is for the series' own symbol, index -1).
    void UseBarPen(TCanvas3D& canvas, int valueIndex);
    // DrawBar of both orientations: pen, brush, the shape of the style in 2-D or 3-D, then the
    // gradient, the bevel and the tick lines.
    void DrawStyledBar(int valueIndex, int barStart, int barEnd);
    // Pen, brush and bounds for one bar, then the bar in its style (shadow, blending).
    void PaintBar(int valueIndex);
    // A flat bar: a line for a bar of no width or height, a frame for one thinner than the pen.
    void BarRectangle(TCanvas3D& canvas, const TRect& rect);
    void FillBarGradient(int valueIndex, const TRect& rect);
    void DrawBarBevel();
    void DrawBarTickLines(int barStart, int barEnd, TBarStyle style);
    // The colour of a Relative gradient's end for the point.
    TColor RelativeGradientColor(int valueIndex);
    // The series' place in its chart's list; 0 without a chart.
    int IndexInChart() const;
    // The shape of the style between the two ends along the value direction.
    void DrawBarShape(TCanvas3D& canvas, TBarStyle style, bool view3D, int barStart, int barEnd);

private:
    double StackValueOf(const TChartSeries& series, int valueIndex) const;
    bool StacksWith(const TChartSeries& other) const;
    double ValueExtreme(bool maximum);
    double CategoryExtreme(bool maximum);
    void ShareLayoutSettings();
    void PaintShadow(int valueIndex);

    bool FAutoBarSize = false;
    bool FAutoMarkPosition = true;
    TBarStyle FBarStyle = bsRectangle;
    int FBarWidthPercent = 70;
    int FBevelSize = 1;
    int FConePercent = 0;
    int FCustomBarWidth = 0;
    bool FDark3D = true;
    int FDarkPen = 0;
    int FDepthPercent = 100;
    std::unique_ptr<TBarSeriesGradient> FGradient;
    TMultiBar FMultiBar = mbSide;
    int FOffsetPercent = 0;
    std::unique_ptr<TTeeShadow> FShadow;
    bool FSideMargins = true;
    int FStackGroup = 0;
    std::unique_ptr<TChartHiddenPen> FTickLines;
    int FTransparency = 0;
    bool FUseYOrigin = true;
    double FYOrigin = 0;
    int FBarSize = 0;
};
