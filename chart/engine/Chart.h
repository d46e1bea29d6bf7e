#pragma once
// The chart component placed on forms: the axis panel with four titles (Title and SubTitle above,
// Foot and SubFoot below), four walls, a legend and the number of the colour palette it uses. It
// draws titles, legend and walls where the axis panel's drawing pass calls its hooks
// (ChartDraw.cpp), and turns the mouse and the wheel into part clicks, zooming with a dragged
// rectangle, panning with a second button and tool events (ChartMouse.cpp, ChartZoom.cpp).
//
// Zoom and pan both keep the scales the axes had before the first of them; one UndoZoom gives
// those back, however many zooms and pans came between.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartTools.h"
#include "chart/engine/ColorPalettes.h"

class TChartAxis;
class TChartBackWall;
class TChartBottomWall;
class TChartFootTitle;
class TChartLeftWall;
class TChartPen;
class TChartRightWall;
class TChartSeries;
class TChartTitle;
class TChartValueList;
class TChartWalls;
class TCustomChart;

// What lies under a point of the chart.
enum TChartClickPart {
    ckNone,
    ckLegend,
    ckAxis,
    ckSeries,
    ckTitle,
    ckFoot,
    ckChartRect,
    ckSeriesMark,
    ckSubTitle,
    ckSubFoot,
    ckAxisTitle
};

struct TChartPartHit {
    TChartClickPart Part = ckNone;
    // The legend item, the point or the mark; -1 when none.
    int PointIndex = -1;
    TChartSeries* Series = nullptr;
    TChartAxis* Axis = nullptr;
};

// The range settings of one axis before the first zoom or pan.
struct TAxisSavedScales {
    TChartAxis* Axis = nullptr;
    bool Automatic = true;
    bool AutomaticMinimum = true;
    bool AutomaticMaximum = true;
    double Minimum = 0;
    double Maximum = 0;
};

using TChartAllowScrollEvent =
    std::function<void(TChartAxis& sender, double& aMin, double& aMax, bool& allowScroll)>;
using TChartClickAxisEvent = std::function<void(
    TCustomChart& sender, TChartAxis* axis, TMouseButton button, TShiftState shift, int x, int y)>;
using TChartClickEvent =
    std::function<void(TCustomChart& sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TChartClickSeriesEvent =
    std::function<void(TCustomChart& sender, TChartSeries* series, int valueIndex,
                       TMouseButton button, TShiftState shift, int x, int y)>;
using TChartClickTitleEvent =
    std::function<void(TCustomChart& sender, TChartTitle* title, TMouseButton button,
                       TShiftState shift, int x, int y)>;
using TChartGetLegendPosEvent =
    std::function<void(TCustomChart& sender, int index, int& x, int& y, int& xColor)>;
using TChartGetLegendRectEvent = std::function<void(TCustomChart& sender, TRect& rect)>;
using TChartGetLegendTextEvent = std::function<void(TCustomAxisPanel& sender, TLegendStyle style,
                                                    int index, std::string& legendText)>;

class TCustomChart : public TCustomAxisPanel, public ILegendChart, public TColorPaletteHolder {
    KV_DECLARE_CLASS(TCustomChart, TCustomAxisPanel)
public:
    explicit TCustomChart(TComponent* owner);
    ~TCustomChart() override;

    // --- Parts; each setter copies into the owned object.
    TChartTitle* Title() const { return FTitle.get(); }
    void SetTitle(const TChartTitle* value);
    TChartTitle* SubTitle() const { return FSubTitle.get(); }
    void SetSubTitle(const TChartTitle* value);
    TChartFootTitle* Foot() const { return FFoot.get(); }
    void SetFoot(const TChartTitle* value);
    TChartFootTitle* SubFoot() const { return FSubFoot.get(); }
    void SetSubFoot(const TChartTitle* value);
    TChartLegend* Legend() const { return FLegend.get(); }
    void SetLegend(const TChartLegend* value);
    TChartWalls* Walls() const { return FWalls.get(); }
    TChartBackWall* BackWall() const;
    void SetBackWall(const TChartBackWall* value);
    TChartLeftWall* LeftWall() const;
    void SetLeftWall(const TChartLeftWall* value);
    TChartBottomWall* BottomWall() const;
    void SetBottomWall(const TChartBottomWall* value);
    TChartRightWall* RightWall() const;
    void SetRightWall(const TChartRightWall* value);
    // The back wall's pen.
    TChartPen* Frame() const;
    void SetFrame(const TChartPen* value);

    // --- Settings.
    // The palette in use (TColorPalettes); 0 for the default colours. A new number applies
    // that palette to the series.
    int ColorPaletteIndex() const { return FColorPaletteIndex; }
    void SetColorPaletteIndex(int value);
    TMouseButton ScrollMouseButton() const { return FScrollMouseButton; }
    void SetScrollMouseButton(TMouseButton value) { FScrollMouseButton = value; }

    // --- Queries.
    // No series is active, or an active one uses axes.
    bool NeedsAxes() const;
    // The axis title's caption, else the axis named by its place ("Left Axis", "Depth Top"...).
    std::string AxisDisplayName(const TChartAxis* axis) const;
    // The field names a series may take its values from; none here (false), the dataset-bound
    // chart lists its dataset's fields.
    virtual bool ListSourceFields(TChartSeries* series,
                                  const std::function<void(const std::string&)>& proc);
    // The value lists a value list may name as its source: those of the series its series is
    // computed from. False when that series takes no other series as source.
    virtual bool ListValueSources(const TChartValueList& valueList,
                                  const std::function<void(const std::string&)>& proc);

    // --- Mouse (ChartMouse.cpp, ChartZoom.cpp).
    // What lies under the point, every active series counting.
    TChartPartHit PartAtPoint(int x, int y) { return FindPart(x, y, false); }
    // The hit test in its fixed order; clickableOnly skips series nobody listens to.
    TChartPartHit FindPart(int x, int y, bool clickableOnly);
    // Zooms the axes to the limits (animated when asked), keeping the scales before the first
    // zoom for UndoZoom; Zoom.Direction decides which axes move.
    void ZoomValues(double topMin, double topMax, double bottomMin, double bottomMax,
                    double leftMin, double leftMax, double rightMin, double rightMax);
    // Zooms to the values under the zoom rectangle's corners.
    virtual void ZoomToMouseRect();
    // The scales before the first zoom or pan come back; then OnUndoZoom and a repaint.
    void UndoZoom() override;
    // Scales are kept for UndoZoom.
    bool ScalesSaved() const { return !FScalesNotSaved; }
    // Scales kept for an axis that goes are dropped with it.
    void AxisDestroying(TChartAxis& axis) override;
    // Every active tool in list order, until one sets CancelMouse.
    void NotifyToolsMouse(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int x,
                          int y);
    void NotifyToolsWheel(int kind, int delta, int x, int y);

    // --- Hooks of the drawing pass (ChartDraw.cpp).
    void AdjustChartRectFor3D() override;
    int WallSizeOfAxis(const TChartAxis* axis) override;
    void DrawTitlesAndLegend(bool beforeSeries) override;
    void DrawWalls() override;
    void DrawLegendSymbolRect(const TRect& rect) override;
    bool IsFreeSeriesColor(TColor color, bool checkBackground, const TChartSeries* series) override;
    // The series' legend text on one line, empty for index -1: in the text style of the asking
    // legend when that legend is attached to the series (a legend that lists this series'
    // points only), else in the chart legend's.
    void FormattedLegendText(const TChartSeries* series, int valueIndex, std::string& text,
                             const TChartLegend* legend) override;
    // The chart's own colour behind a transparent back wall, else the back wall's.
    TColor GetBackColor() const override;

    // --- What the legend asks of the chart.
    void LegendTextHook(TChartLegend& legend, int index, std::string& text) override;
    void GetLegendRect(TChartLegend& legend, TRect& rect) override;
    void GetLegendPos(TChartLegend& legend, int index, int& x, int& y, int& xColor) override;
    void StoreColorPaletteIndex(int number) override { FColorPaletteIndex = number; }

    // Palette index, titles, legend, ScrollMouseButton and walls; then the axis panel's.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TCustomChart>& p);

    TChartAllowScrollEvent OnAllowScroll;
    TChartClickAxisEvent OnClickAxis;
    TChartClickEvent OnClickBackground;
    TChartClickEvent OnClickLegend;
    TChartClickSeriesEvent OnClickSeries;
    TChartClickTitleEvent OnClickTitle;
    TChartGetLegendPosEvent OnGetLegendPos;
    TChartGetLegendRectEvent OnGetLegendRect;
    TChartGetLegendTextEvent OnGetLegendText;

protected:
    // "BackColor" (read only, into the back wall) and "ColorPaletteIndex".
    void DefineProperties(TFiler& filer) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool MouseWheel(TShiftState shift, int wheelDelta, int x, int y) override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;

private:
    // Whether "ColorPaletteIndex" is stored: when it differs from the ancestor chart's, or
    // without one when a palette is applied.
    bool ColorPaletteIndexDiffers(const TPersistent* ancestor) const;
    // ChartDraw.cpp.
    void DrawTitles(bool customPositioned);
    // ChartMouse.cpp.
    // The click on the part, told to its handlers; true when one of them claimed it, or when
    // OnClickBackground was already told.
    bool DispatchClick(const TChartPartHit& hit, TMouseButton button, TShiftState shift, int x,
                       int y);
    // Fires the handler with CancelMouse set beforehand; the flag left afterwards claims.
    template <class F>
    bool FireClaiming(F&& handler);
    void StartZoomOrPan(TMouseButton button, TShiftState shift, int x, int y);
    void EndZoomDrag(TMouseButton button, int x, int y);
    // ChartZoom.cpp.
    void SaveAxisScales();
    void RestoreAxisScales();
    void StepAxisTowards(TChartAxis& axis, double targetMin, double targetMax);
    // Pans the axes of one orientation by the pixels moved; true when that direction may pan.
    bool PanAxes(bool horizontal, int from, int to);
    void DragPan(int x, int y);
    void WheelScroll(bool down);

    int FColorPaletteIndex = 0;
    std::unique_ptr<TChartFootTitle> FFoot;
    std::unique_ptr<TChartLegend> FLegend;
    std::vector<TAxisSavedScales> FSavedScales;
    TMouseButton FScrollMouseButton = mbRight;
    std::unique_ptr<TChartFootTitle> FSubFoot;
    std::unique_ptr<TChartTitle> FSubTitle;
    std::unique_ptr<TChartTitle> FTitle;
    std::unique_ptr<TChartWalls> FWalls;
    bool FScalesNotSaved = true;
};

// The chart with its settings published.
class TChart : public TCustomChart {
    KV_DECLARE_CLASS(TChart, TCustomChart)
public:
    using TCustomChart::TCustomChart;
};

// The first active series in list order, or none.
TChartSeries* FirstActiveSeries(const TCustomAxisPanel& chart);
