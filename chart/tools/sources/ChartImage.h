#pragma once
// A picture whose content is a whole chart: wherever a picture goes (a control's picture, a
// picture file opened by its extension, a picture kept inside a form's stream) a chart can
// stand. It draws itself at any size on a white ground and keeps itself as the native chart
// stream, binary, with the series' points. The tools' start-up registers it as the picture
// format "tee".
//
// The chart is made on the first use that needs one and is then the picture's own; a chart
// handed in through SetChart stays its giver's and is never freed here.
#include <string>

#include "platform/graphics/Colors.h"
#include "platform/graphics/Graphic.h"

class TChart;

class TChartImage : public TGraphic {
    KV_DECLARE_CLASS(TChartImage, TGraphic)
public:
    TChartImage();
    ~TChartImage() override;

    // Made on demand, without owner and without buffered display.
    TChart* Chart() const;
    void SetChart(TChart* value);

    // Another chart picture's chart is copied whole (settings, series and points) into this
    // picture's chart; the two stay separate charts. A chart picture without chart changes
    // nothing.
    void Assign(const TPersistent* source) override;

    // Empty until a chart exists; the size is the chart's, and setting it sizes the chart.
    bool Empty() const override { return FChart == nullptr; }
    int Width() const override;
    void SetWidth(int value) override;
    int Height() const override;
    void SetHeight(int value) override;
    // Transparent: the chart's back colour becomes clNone, the colour it had being kept; opaque
    // again: the kept colour returns (white for a chart that came transparent).
    void SetTransparent(bool value) override;

    // The native chart stream, binary, with the points; reading raises the chart stream's
    // messages for an empty, foreign or damaged stream and leaves the chart as it was.
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    // ".tee" is added to a name without extension.
    void SaveToFile(const std::string& fileName);

protected:
    // A white ground, then the chart drawn into the rectangle.
    void Draw(TCanvas& canvas, const TRect& rect) override;

private:
    mutable TChart* FChart = nullptr;
    mutable bool FOwnsChart = true;
    TColor FKeptColor = clWhite;
    bool FColorKept = false;
};

// The picture format "tee" ("DarEzaro"), and its removal.
void RegisterChartImageFormat();
void UnregisterChartImageFormat();
