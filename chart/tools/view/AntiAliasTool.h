#pragma once
// Smooth drawing for a chart: the tool puts its anti-aliasing canvas in place of the chart's
// drawing surface, and runs its list of image filters over the finished chart picture after
// every paint. The chart owns the canvas once it took it; switching the tool off turns the
// smoothing off and leaves the canvas in place.
#include <memory>
#include <string>

#include "chart/engine/ChartTools.h"

class TAntiAliasCanvas;
class TFiler;
class TFilterItems;

class TAntiAliasTool : public TTeeCustomTool {
    KV_DECLARE_CLASS(TAntiAliasTool, TTeeCustomTool)
public:
    explicit TAntiAliasTool(TComponent* owner);
    ~TAntiAliasTool() override;

    // True while the tool has a canvas that smooths.
    bool AntiAlias() const;
    void SetAntiAlias(bool value);
    TFilterItems* Filters() const { return FFilters.get(); }
    void SetFilters(const TFilterItems* value);
    TAntiAliasCanvas* Canvas() const { return FCanvas; }

    // Also switches the smoothing on or off.
    void SetActive(bool value) override;
    void SetParentChart(TCustomAxisPanel* value) override;
    // Runs the filters over the chart's buffer after the chart is drawn.
    void ChartDrawEvent(TChartToolEvent event) override;
    // The canvas is being destroyed (by the chart that owned it).
    void CanvasDestroyed(TAntiAliasCanvas* canvas);

    static std::string KindName() { return "Anti-Alias"; }
    static std::string KindDescription() {
        return "Improves display of diagonal and curved lines, removing zig-zag.";
    }
    static std::string EditorClassName() { return "TAntiAliasEditor"; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TAntiAliasTool>& p);

protected:
    // The filters travel as "FilterItems", each with its class name.
    void DefineProperties(TFiler& filer) override;

private:
    void InstallCanvas();

    std::unique_ptr<TFilterItems> FFilters;
    TAntiAliasCanvas* FCanvas = nullptr;
    // The canvas while no chart has taken it.
    std::unique_ptr<TAntiAliasCanvas> FOwnedCanvas;
};
