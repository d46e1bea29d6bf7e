#pragma once
// An annotation shown as a see-through box that the user moves by dragging its inside and
// resizes by dragging its edges and corners. It hands out a bitmap of the chart under the box.
#include <memory>

#include "chart/tools/annotation/AnnotationTool.h"

class TBitmap;

// The parts of the box a press may grab for resizing.
enum TRectanglePart {
    rpNone = -1,
    rpLeft = 0,
    rpTop = 1,
    rpRight = 2,
    rpBottom = 3,
    rpLeftTop = 4,
    rpLeftBottom = 5,
    rpRightTop = 6,
    rpRightBottom = 7
};

class TRectangleTool : public TAnnotationTool {
    KV_DECLARE_CLASS(TRectangleTool, TAnnotationTool)
public:
    explicit TRectangleTool(TComponent* owner);

    bool AllowDrag() const { return FAllowDrag; }
    void SetAllowDrag(bool value) { FAllowDrag = value; }
    bool AllowResize() const { return FAllowResize; }
    void SetAllowResize(bool value) { FAllowResize = value; }

    // The part under the point: an edge or corner within 4 pixels, corners first; rpNone outside
    // the box or inside it away from the edges.
    TRectanglePart HitPart(int x, int y);
    // The box's left-top corner moves there, its size kept (in percent of the chart with
    // PositionUnits muPercent).
    void MoveBoxTo(int left, int top);
    // A new bitmap of the box's size with the chart under the box: rendered anew without the
    // tool (fullRedraw), else copied from the chart's buffer bitmap; blank when the chart draws
    // through no buffer.
    std::unique_ptr<TBitmap> ChartBitmap(bool fullRedraw);

    void ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int x,
                         int y) override;

    static std::string KindName() { return "Rectangle"; }
    static std::string KindDescription() {
        return "Displays custom text at any location inside Chart within a resizable box.";
    }

    // AllowDrag and AllowResize, then the annotation's settings.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TRectangleTool>& p);

    TNotifyEvent OnDragged;
    TNotifyEvent OnDragging;
    TNotifyEvent OnResized;
    TNotifyEvent OnResizing;

private:
    void MouseDown(TMouseButton button, int x, int y);
    void MouseMove(int x, int y);
    void ResizeTo(int x, int y);
    void ShowCursorAt(int x, int y);

    bool FAllowDrag = true;
    bool FAllowResize = true;
    TPoint FGrab;
    bool FDragging = false;
    TRectanglePart FResizing = rpNone;
};
