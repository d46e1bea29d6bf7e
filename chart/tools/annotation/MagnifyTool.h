#pragma once
// A rectangle whose box shows the chart under it enlarged, like a magnifying glass: round or
// square, following the mouse if asked, zoomed in and out by the wheel over it.
#include <string>

#include "chart/tools/annotation/RectangleTool.h"

class TMagnifyTool : public TRectangleTool {
    KV_DECLARE_CLASS(TMagnifyTool, TRectangleTool)
public:
    explicit TMagnifyTool(TComponent* owner);

    bool Circled() const { return FCircled; }
    void SetCircled(bool value);
    bool FollowMouse() const { return FFollowMouse; }
    void SetFollowMouse(bool value) { FFollowMouse = value; }
    double Percent() const { return FPercent; }
    void SetPercent(double value);
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool value);
    // Percent's step a wheel notch; 0: the wheel does not zoom.
    int WheelZoom() const { return FWheelZoom; }
    void SetWheelZoom(int value) { FWheelZoom = value; }

    void SetParentChart(TCustomAxisPanel* value) override;
    void ChartDrawEvent(TChartToolEvent event) override;
    void ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int x,
                         int y) override;
    void ChartWheelEvent(int kind, int delta, int x, int y) override;

    static std::string KindName() { return "Magnify"; }
    static std::string KindDescription() { return "Magnifies a portion of chart"; }
    static std::string EditorClassName() { return "TMagnifyToolEditor"; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TMagnifyTool>& p);

private:
    void DrawGlass();

    bool FCircled = false;
    bool FFollowMouse = false;
    double FPercent = 50;
    bool FSmooth = false;
    int FWheelZoom = 5;
};
