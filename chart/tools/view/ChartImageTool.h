#pragma once
// A picture painted inside the rectangle spanned by a series' data (or, without a series, by the
// ranges of its axes), before the series draw: the picture zooms and scrolls with the data.
#include <memory>
#include <string>

#include "chart/engine/ChartTools.h"

class TTeePicture;

class TChartImageTool : public TTeeCustomToolSeries {
    KV_DECLARE_CLASS(TChartImageTool, TTeeCustomToolSeries)
public:
    explicit TChartImageTool(TComponent* owner);
    ~TChartImageTool() override;

    TTeePicture* Picture() const { return FPicture.get(); }
    // Copied into the tool's own picture.
    void SetPicture(const TTeePicture* value);
    // Repaints.
    void SetSeries(TChartSeries* value) override;
    // The rectangle the picture fills, in pixels.
    TRect ImageRect() const;

    void ChartDrawEvent(TChartToolEvent event) override;

    static std::string KindName() { return "Image"; }
    static std::string KindDescription() {
        return "Displays a picture using the specified Series axes as boundaries. When the axis "
               "are zoomed or scrolled, the picture will follow the new boundaries.";
    }
    static std::string EditorClassName() { return "TChartImageToolEditor"; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TChartImageTool>& p);

private:
    std::unique_ptr<TTeePicture> FPicture;
};
