#pragma once
// A tag cloud: each point's label written as a word whose font grows with the point's value
// (from a quarter of Font's size for the smallest to Font's size for the largest) in the colour
// the value gets from the palette, the words flowing in rows over the chart rectangle like text
// (FlowTagCloud). A filter keeps only the words that contain it, whatever the case.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/engine/grid3d/Custom3DPaletteSeries.h"

class TTagCloudSeries;
class TTeeFont;
class TTeeGradient;

// Called before each word is measured and drawn, the canvas font already set for it.
using TDrawTagEvent = std::function<void(TTagCloudSeries& sender, int valueIndex)>;

class TTagCloudSeries : public TCustom3DPaletteSeries {
    KV_DECLARE_CLASS(TTagCloudSeries, TCustom3DPaletteSeries)
public:
    explicit TTagCloudSeries(TComponent* owner);
    ~TTagCloudSeries() override;
    static std::string EditorClassName() { return "TTagCloudEditor"; }

    const std::string& Filter() const { return FFilter; }
    void SetFilter(const std::string& value) { ChangeField(FFilter, value); }
    TTeeFont* Font() const { return FFont.get(); }
    void SetFont(const TTeeFont* value);
    TTeeGradient* Gradient() const { return FGradient.get(); }
    void SetGradient(const TTeeGradient* value);
    // The gap between words in percent of five "W" widths.
    int TagSeparation() const { return FTagSeparation; }
    void SetTagSeparation(int value) { ChangeField(FTagSeparation, value); }
    TDrawTagEvent OnDrawTag;

    int AddTag(const std::string& text, double value);
    void SortByValue(TChartListOrder order);
    // Whether word i passes the filter.
    bool Shown(int index) const;
    int TagFontSizeOf(int index);
    // The words' rectangles of the last drawing (empty for words not drawn).
    const std::vector<TRect>& TagRects() const { return FRects; }

    void DrawAllValues() override;
    bool UsesAxes() const override { return false; }
    int PointXPixel(int index) const override;
    int PointYPixel(int index) const override;
    int ValueIndexAt(int x, int y) override;
    void PrepareLegendCanvas(int valueIndex, TColor& backColor, TBrushStyle& style) override;
    void AddRandomValues(int numValues, bool onlyMandatory) override;
    void Apply3DFromGallery(bool enabled) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TTagCloudSeries>& p);

private:
    // The canvas font set for word i (reset to Font first when OnDrawTag may change it).
    void PrepareTagFont(TCanvas3D& canvas, int index, bool drawing);

    std::string FFilter;
    std::unique_ptr<TTeeFont> FFont;
    std::unique_ptr<TTeeGradient> FGradient;
    int FTagSeparation = 5;
    std::vector<TRect> FRects;
};
