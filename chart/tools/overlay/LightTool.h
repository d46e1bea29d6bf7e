#pragma once
// Lights the finished chart picture after every paint from a point, which may follow the mouse.
#include <memory>
#include <string>

#include "chart/engine/ChartTools.h"
#include "chart/tools/overlay/LightFilter.h"

class TBitmap;

class TLightTool : public TTeeCustomTool {
    KV_DECLARE_CLASS(TLightTool, TTeeCustomTool)
public:
    explicit TLightTool(TComponent* owner);
    ~TLightTool() override;

    TLightFilter* Filter() const { return FFilter.get(); }
    int Factor() const { return FFilter->Factor(); }
    void SetFactor(int value);
    bool FollowMouse() const { return FFollowMouse; }
    void SetFollowMouse(bool value) { FFollowMouse = value; }
    int Left() const { return FFilter->Left(); }
    void SetLeft(int value);
    TLightStyle Style() const { return FFilter->Style(); }
    void SetStyle(TLightStyle value);
    int Top() const { return FFilter->Top(); }
    void SetTop(int value);

    void SetParentChart(TCustomAxisPanel* value) override;
    void ChartDrawEvent(TChartToolEvent event) override;
    void ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int x,
                         int y) override;

    static std::string KindName() { return "2D Lighting"; }
    static std::string KindDescription() {
        return "Displays a 2 dimensional \"light\" effect over the chart Canvas.";
    }
    static std::string EditorClassName() { return "TLightToolEditor"; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TLightTool>& p);

private:
    void ApplyLight();

    std::unique_ptr<TLightFilter> FFilter;
    bool FFollowMouse = false;
    std::unique_ptr<TBitmap> FBitmap;
    bool FApplying = false;
};
