#pragma once
// Complex impedances z = r + i x on a Smith chart: the unit circle of the reflection coefficient,
// the grid of constant-resistance circles and constant-reactance arcs with their labels (drawn
// by the first series of the class, and only while the axes lie behind the series), and the
// points joined by a line with optional markers. The grid pens, label switches and label fonts
// are those of the series' axes: resistance on the horizontal one, reactance on the vertical.
// A point at z = -1 has no place on the chart: it is left out of the line and the hit test.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "chart/engine/CircledSeries.h"
#include "chart/engine/SeriesPointer.h"

class TChartPen;
class TTeeFont;

class TSmithSeries : public TCircledSeries {
    KV_DECLARE_CLASS(TSmithSeries, TCircledSeries)
public:
    explicit TSmithSeries(TComponent* owner);
    ~TSmithSeries() override;
    static std::string EditorClassName() { return "TSmithSeriesEdit"; }

    TChartPen* CirclePen() const { return FCirclePen.get(); }
    void SetCirclePen(const TChartPen* value);
    const std::string& ImagSymbol() const { return FImagSymbol; }
    void SetImagSymbol(const std::string& value) { ChangeField(FImagSymbol, value); }
    TSeriesPointer* Pointer() const { return FPointer.get(); }
    void SetPointer(const TSeriesPointer* value) { FPointer->Assign(value); }
    TChartValueList& ResistanceValues() { return XValues(); }
    TChartValueList& ReactanceValues() { return YValues(); }
    std::function<TSeriesPointerStyle(TChartSeries& sender, int valueIndex)> OnGetPointerStyle;

    // Kept on the axes.
    bool RLabels() const;
    void SetRLabels(bool value);
    TChartPen* RCirclePen() const;
    void SetRCirclePen(const TChartPen* value);
    TTeeFont* RLabelsFont() const;
    void SetRLabelsFont(const TTeeFont* value);
    bool CLabels() const;
    void SetCLabels(bool value);
    TChartPen* CCirclePen() const;
    void SetCCirclePen(const TChartPen* value);
    TTeeFont* CLabelsFont() const;
    void SetCLabelsFont(const TTeeFont* value);

    // The screen point of z = r + i x; none for z = -1.
    std::optional<TPoint> ZToPoint(double resistance, double reactance) const;
    // Grid figures drawn in the last pass.
    int ReactanceArcs = 0;
    int ResistanceCircles = 0;

    void SetParentChart(TCustomAxisPanel* value) override;
    void DoBeforeDrawValues() override;
    void DrawAllValues() override;
    void DrawValue(int valueIndex) override;
    void DrawLegendShape(int valueIndex, const TRect& rect) override;
    int PointXPixel(int index) const override;
    int PointYPixel(int index) const override;
    int ValueIndexAt(int x, int y) override;
    void AddRandomValues(int numValues, bool onlyMandatory) override;
    void PrepareForGallery(bool enabled) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TSmithSeries>& p);

private:
    bool IsFirstOfClass() const;
    void DrawCircle();
    void DrawReactanceGrid();
    void DrawResistanceGrid();
    void DrawReactanceLabel(TPoint at, double value);
    void PrepareLinePen(int valueIndex);

    std::unique_ptr<TChartPen> FCirclePen;
    std::string FImagSymbol = "i";
    std::unique_ptr<TSeriesPointer> FPointer;
    int FLastX = 0;
    int FLastY = 0;
    bool FHasLast = false;
};
