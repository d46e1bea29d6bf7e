#pragma once
// Marks the point of a series nearest to the mouse with a circle, square, diamond or the
// series' own point, and a line from the mouse to it. With FullRepaint off the mark is drawn in
// NOT-XOR over the finished chart, so moving the mouse never repaints the chart.
#include <memory>

#include "chart/engine/ChartTools.h"

class TChartPen;

enum TNearestToolStyle { hsNone, hsCircle, hsRectangle, hsDiamond, hsSeries };
const TEnumInfo& NearestToolStyleNames();

class TNearestTool : public TTeeCustomToolSeries {
    KV_DECLARE_CLASS(TNearestTool, TTeeCustomToolSeries)
public:
    explicit TNearestTool(TComponent* owner);
    ~TNearestTool() override;

    // Whether the line from the mouse to the point shows: LinePen's visibility.
    bool DrawLine() const;
    void SetDrawLine(bool value);
    bool FullRepaint() const { return FFullRepaint; }
    void SetFullRepaint(bool value) { FFullRepaint = value; }
    TChartPen* LinePen() const { return FLinePen.get(); }
    void SetLinePen(const TChartPen* value);
    int Size() const { return FSize; }
    void SetSize(int value) { ChangeField(FSize, value); }
    TNearestToolStyle Style() const { return FStyle; }
    void SetStyle(TNearestToolStyle value) { ChangeField(FStyle, value); }

    // The marked point, -1 for none.
    int Point() const { return FPoint; }
    // The point of series under (x, y) by the series' own hit test, else the nearest visible
    // point that is not null, in whole pixels; ties go to the lower index, points 10000 pixels
    // away or more never count. -1 when none.
    static int NearestPoint(TChartSeries& series, int x, int y);

    void ChartDrawEvent(TChartToolEvent event) override;
    void ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int x,
                         int y) override;

    static std::string KindName() { return "Nearest Point"; }
    static std::string KindDescription() {
        return "Displays a graphical signal when the mouse is moving near a series point.";
    }
    static std::string EditorClassName() { return "TNearestToolEdit"; }

    // FullRepaint, LinePen, Size and Style, then the series tool's settings.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TNearestTool>& p);

    TNotifyEvent OnChange;

private:
    // The mark of Point (drawn twice, a NOT-XOR mark goes away).
    void DrawMark();
    void DrawFigure(int x, int y, int z);

    bool FFullRepaint = true;
    std::unique_ptr<TChartPen> FLinePen;
    int FSize = 20;
    TNearestToolStyle FStyle = hsCircle;
    int FPoint = -1;
    TPoint FMouse;
};
