#pragma once
// Stripes between the grid lines of one axis, in two alternating brushes, like ruled paper. The
// tool draws in no drawing event of its own: it is its axis's grid hook, which the axis calls
// each time it draws its grid, just before the grid lines.
#include <memory>
#include <string>

#include "chart/engine/ChartTools.h"
#include "platform/graphics/Colors.h"

class TChartAxis;
class TGridBandBrush;
class TTeeBlend;

class TGridBandTool : public TTeeCustomToolAxis {
    KV_DECLARE_CLASS(TGridBandTool, TTeeCustomToolAxis)
public:
    explicit TGridBandTool(TComponent* owner);
    // Takes the hook off its axis.
    ~TGridBandTool() override;

    TGridBandBrush* Band1() const { return FBand1.get(); }
    void SetBand1(const TGridBandBrush* value);
    TGridBandBrush* Band2() const { return FBand2.get(); }
    void SetBand2(const TGridBandBrush* value);

    // Moves the hook from the old axis to the new one.
    void SetAxis(TChartAxis* value) override;
    // A chart that does not hold the axis takes the tool off it, hook included.
    void SetParentChart(TCustomAxisPanel* value) override;

    // Across the axis the stripes span the chart rectangle, unless one of these is not 0: then
    // they span from CrossStart to CrossEnd.
    int CrossStart = 0;
    int CrossEnd = 0;

    // The brush's background colour, or the chart's back wall colour for clNone.
    TColor BandColor(const TGridBandBrush& brush) const;
    // The stripes of the axis, from its tick positions (the axis's grid hook).
    void DrawBands(TChartAxis& axis);

    static std::string KindName() { return "Grid Band"; }
    static std::string KindDescription() {
        return "Grid Band tool, use it to display a coloured rectangles (bands) at the grid "
               "lines of the specified axis and position.";
    }
    static std::string EditorClassName() { return "TGridBandToolEdit"; }

    // Both bands, then the axis tool's settings.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TGridBandTool>& p);

private:
    // One stripe between pixels a and b along the axis, in the current brush.
    void DrawBand(TChartAxis& axis, int a, int b, int crossStart, int crossEnd,
                  const TGridBandBrush& brush, TTeeBlend* blend);
    void Hook(TChartAxis* axis, bool on);

    std::unique_ptr<TGridBandBrush> FBand1;
    std::unique_ptr<TGridBandBrush> FBand2;
};
