#pragma once
// A line across the chart at a value of one axis (vertical for a horizontal axis, horizontal for
// a vertical one) that the user can drag. Its value is its own, or the axis maximum, centre or
// minimum. In a 3-D chart it has a part behind the series (drawn before them) and a part in
// front (drawn over the finished chart), joined by depth lines.
//
// Dragged without DragRepaint, the line moves in NOT-XOR mode on the front image, without a
// drawing pass; the release repaints the chart. A colour band embeds two such lines that are in
// no chart's tool list: they draw on and measure against their host chart.
#include <functional>
#include <string>

#include "chart/engine/ChartTools.h"
#include "platform/classes/PropInfo.h"

class TCanvas3D;
class TChartAxis;

enum TColorLineStyle { clCustom, clMaximum, clCenter, clMinimum };
const TEnumInfo& ColorLineStyleNames();

class TColorLineTool;
using TColorLineToolOnDrag = std::function<void(TColorLineTool* sender)>;

class TColorLineTool : public TTeeCustomToolAxis {
    KV_DECLARE_CLASS(TColorLineTool, TTeeCustomToolAxis)
public:
    explicit TColorLineTool(TComponent* owner);
    ~TColorLineTool() override;

    // --- Published settings.
    bool AllowDrag() const { return FAllowDrag; }
    void SetAllowDrag(bool value) { FAllowDrag = value; }
    bool DragRepaint() const { return FDragRepaint; }
    void SetDragRepaint(bool value) { FDragRepaint = value; }
    bool Draw3D() const { return FDraw3D; }
    void SetDraw3D(bool value) { ChangeField(FDraw3D, value); }
    bool DrawBehind() const { return FDrawBehind; }
    void SetDrawBehind(bool value) { ChangeField(FDrawBehind, value); }
    bool NoLimitDrag() const { return FNoLimitDrag; }
    void SetNoLimitDrag(bool value) { FNoLimitDrag = value; }
    TColorLineStyle Style() const { return FStyle; }
    void SetStyle(TColorLineStyle value) { ChangeField(FStyle, value); }
    double Value() const { return FValue; }
    // A value set (other than from a stream) makes the style custom. During a drag without
    // DragRepaint it is only stored: the drag draws the line itself.
    void SetValue(double value);

    // --- State.
    bool Dragging() const { return FDragging; }
    // The chart the line draws on and measures against: its host when it has one, else its
    // own chart.
    TCustomAxisPanel* HostChart() const { return FHostChart ? FHostChart : ParentChart(); }
    virtual void SetHostChart(TCustomAxisPanel* chart) { FHostChart = chart; }
    // The axis the line stands on: its host axis when it has one (a line embedded in another
    // tool, which keeps it up to date), else its own Axis.
    TChartAxis* LineAxis() const { return FHostAxis ? FHostAxis : Axis(); }
    void SetHostAxis(TChartAxis* axis) { FHostAxis = axis; }

    // --- Operations.
    // The value the line stands at: its own, or the axis maximum, centre or minimum by Style.
    double CurrentValue() const;
    // The value kept within the values at the two ends of the axis.
    double LimitValue(double value) const;
    // The mouse is within 2 pixels of the line along the axis and inside the chart rectangle.
    bool Clicked(int x, int y) const;
    // The part behind the series, or the part in front, with the canvas's current pen mode.
    void DrawColorLine(bool behind);
    // Fires OnEndDragInternal, then OnEndDragLine.
    virtual void DoEndDragLine();

    void ChartDrawEvent(TChartToolEvent event) override;
    void ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int x,
                         int y) override;

    TColorLineToolOnDrag OnBeginDragLine;
    TColorLineToolOnDrag OnDragLine;
    TColorLineToolOnDrag OnEndDragLine;
    // For the tool that embeds the line: told at the end of every drag, before OnEndDragLine.
    TColorLineToolOnDrag OnEndDragInternal;

    static std::string KindName() { return "Color Line"; }
    static std::string KindDescription() { return "Displays a draggable line across axes."; }
    static std::string EditorClassName() { return "TColorLineToolEditor"; }

    // The published settings and the value, then the axis tool's.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TColorLineTool>& p);

private:
    // Both parts in NOT-XOR mode: drawn twice, they are gone.
    void DrawBothInverted();
    // Pixel of the line along its axis.
    int LinePixel() const;

    bool FAllowDrag = true;
    bool FDragRepaint = false;
    bool FDraw3D = true;
    bool FDrawBehind = false;
    bool FNoLimitDrag = false;
    TColorLineStyle FStyle = clCustom;
    double FValue = 0;
    bool FDragging = false;
    TCustomAxisPanel* FHostChart = nullptr;
    TChartAxis* FHostAxis = nullptr;
};
