#pragma once
// Lets the user draw lines (or parallel pairs, rectangles, ellipses) on a chart with the mouse,
// select them, and drag a whole line or one of its end points. The lines are kept in axis
// values in Lines, so they follow the data and are saved with the chart. While the mouse moves
// a line is drawn in NOT-XOR, so drawing it twice takes it away without repainting the chart.
#include <functional>
#include <memory>

#include "chart/engine/ChartTools.h"
#include "chart/tools/overlay/DrawLine.h"

class TDrawLineTool;

using TDrawLineSelecting =
    std::function<void(TDrawLineTool* sender, TDrawLine* line, bool& allowSelect)>;

// What a drag moves: nothing, the start point, the end point or the whole line.
enum TDrawLineDrag { dldNone = 0, dldStart = 1, dldEnd = 2, dldLine = 3 };

class TDrawLineTool : public TTeeCustomToolSeries {
    KV_DECLARE_CLASS(TDrawLineTool, TTeeCustomToolSeries)
public:
    explicit TDrawLineTool(TComponent* owner);
    ~TDrawLineTool() override;

    TMouseButton Button() const { return FButton; }
    void SetButton(TMouseButton value) { FButton = value; }
    int ClickTolerance() const { return FClickTolerance; }
    void SetClickTolerance(int value) { FClickTolerance = value; }
    bool EnableDraw() const { return FEnableDraw; }
    void SetEnableDraw(bool value) { FEnableDraw = value; }
    bool EnableSelect() const { return FEnableSelect; }
    // Switched off, it clears the selection.
    void SetEnableSelect(bool value);
    TDrawLines* Lines() const { return FLines.get(); }
    void SetLines(const TDrawLines* value) { FLines->Assign(value); }
    bool SelectNewLines() const { return FSelectNewLines; }
    void SetSelectNewLines(bool value) { FSelectNewLines = value; }
    // The style of new lines.
    TDrawLineStyle Style() const { return FStyle; }
    void SetStyle(TDrawLineStyle value) { FStyle = value; }

    TDrawLine* Selected() const { return FSelected; }
    // Selects a line of Lines (none clears), repainting the chart when it changes.
    void SetSelected(TDrawLine* line);
    // A line being drawn now.
    bool Drawing() const { return FDrawing; }

    // Axis values to pixels and back, through the tool's axes.
    TPoint ValueToScreen(double x, double y) const;
    void ScreenToValue(TPoint p, double& x, double& y) const;
    // The line hit at the point: the selected line first, then Lines in order; none.
    TDrawLine* FindLine(int x, int y, int tolerance, TDrawLinePart kind) const;
    // The line under the point by its body, then its start, then its end handle.
    TDrawLine* LineUnderMouse(int x, int y) const;

    void ChartDrawEvent(TChartToolEvent event) override;
    void ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int x,
                         int y) override;

    static std::string KindName() { return "Draw Line"; }
    static std::string KindDescription() {
        return "Allows drawing custom lines by dragging the mouse.";
    }
    static std::string EditorClassName() { return "TDrawLineEdit"; }

    // Button, ClickTolerance, EnableDraw, EnableSelect, Lines, SelectNewLines and Style, then
    // the series tool's settings.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TDrawLineTool>& p);

    TNotifyEvent OnDraggedLine;
    TNotifyEvent OnDragLine;
    TNotifyEvent OnNewLine;
    TNotifyEvent OnSelect;
    TDrawLineSelecting OnSelecting;

protected:
    // Clips to the plot area of the tool's axes (the chart rectangle without a series), through
    // the chart's depth; false when the chart allows no clipping.
    virtual bool ClipToSeriesArea();

private:
    friend class TDrawLine;
    void LineGoing(TDrawLine* line);
    // The line (none: the one being drawn) in NOT-XOR.
    void DrawLineXor(const TDrawLine* line);
    void DrawLineShape(TDrawLineStyle style, TPoint p0, TPoint p1);
    void DrawHandles(const TDrawLine& line);
    void MouseDown(int x, int y);
    void MouseMove(int x, int y);
    void MouseUp();

    TMouseButton FButton = mbLeft;
    int FClickTolerance = 0;
    bool FEnableDraw = true;
    bool FEnableSelect = true;
    std::unique_ptr<TDrawLines> FLines;
    bool FSelectNewLines = true;
    TDrawLineStyle FStyle = dlLine;

    bool FDrawing = false;
    bool FDragged = false;
    TDrawLine* FSelected = nullptr;
    TDrawLineDrag FDragPart = dldNone;
    TPoint FFromPoint;
    TPoint FToPoint;
    TPoint FMouse;
};
