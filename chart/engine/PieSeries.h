#pragma once
// The pie: one slice per point, sized by the point's absolute value, within AngleSize degrees.
// Small values may be gathered into one "other" slice (a point added before each drawing and
// removed again before the points are stored); slices may be moved out from the centre
// (exploded) and given heights in 3-D; several pies in one chart share it in a grid; in 3-D
// the slices are drawn from the far side of the pie to the near one, so that it looks solid.
//
// Point markers kept in the X values: -1 for a point gathered into the other slice (it has no
// slice and no mark), OtherSliceX for the other slice itself.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/engine/CircledSeries.h"
#include "chart/engine/PieSeriesParts.h"

enum TMultiPie { mpAutomatic, mpDisabled };
const TEnumInfo& MultiPieNames();

class TPieSeries : public TCircledSeries {
    KV_DECLARE_CLASS(TPieSeries, TCircledSeries)
public:
    static constexpr double OtherSliceX = 2147483647;
    static constexpr double GroupedX = -1;

    explicit TPieSeries(TComponent* owner);
    ~TPieSeries() override;

    static std::string EditorClassName() { return "TPieSeriesEditor"; }

    // --- Settings.
    int AngleSize() const { return FAngleSize; }
    void SetAngleSize(int value) { ChangeField(FAngleSize, value); }
    bool AutoMarkPosition() const { return FAutoMarkPosition; }
    void SetAutoMarkPosition(bool value) { ChangeField(FAutoMarkPosition, value); }
    bool Dark3D() const { return FDark3D; }
    void SetDark3D(bool value) { ChangeField(FDark3D, value); }
    int DarkPen() const { return FDarkPen; }
    void SetDarkPen(int value) { ChangeField(FDarkPen, value); }
    int DonutPercent() const { return FDonutPercent; }
    void SetDonutPercent(int value) { ChangeField(FDonutPercent, value); }
    TSliceValueList& ExplodedSlice() { return FExploded; }
    TSliceValueList& SliceHeights() { return FHeights; }
    // The biggest slice moves out by this percent of the radius.
    int ExplodeBiggest() const { return FExplodeBiggest; }
    void SetExplodeBiggest(int value);
    int GradientBright() const { return FGradientBright; }
    void SetGradientBright(int value);
    TMultiPie MultiPie() const { return FMultiPie; }
    void SetMultiPie(TMultiPie value) { ChangeField(FMultiPie, value); }
    TPieOtherSlice* OtherSlice() const { return FOtherSlice.get(); }
    void SetOtherSlice(const TPieOtherSlice* value) { FOtherSlice->Assign(value); }
    TPieMarks* PieMarks() const { return FPieMarks.get(); }
    void SetPieMarks(const TPieMarks* value) { FPieMarks->Assign(value); }
    bool UsePatterns() const { return FUsePatterns; }
    void SetUsePatterns(bool value) { ChangeField(FUsePatterns, value); }

    // --- Angles of the current drawing (radians, before the rotation).
    struct TSliceAngles {
        double Start = 0;
        double Middle = 0;
        double End = 0;
    };
    // Computed when empty; one entry per point from the first visible one.
    const std::vector<TSliceAngles>& Angles();
    void ClearAngles() { FAngles.clear(); }
    bool IsGrouped(int valueIndex) const { return XValues()[valueIndex] == GroupedX; }
    // The index of the other slice's point, -1 when there is none.
    int OtherSliceIndex() const;
    // How far the slice moves out, as a screen offset (0, 0 for a slice that stays).
    void ExplodeOffset(int valueIndex, int& dx, int& dy);
    // The slice under the point, -1 when none.
    int SliceAtPoint(int x, int y);
    bool HasExplodedSlice = false;
    // Set while the other slice's own legend is drawn: the legend then lists the grouped points.
    bool DrawingOtherLegend = false;

    virtual void DrawSlice(int valueIndex);

    // --- The chart's protocol.
    void SetParentChart(TCustomAxisPanel* value) override;
    void SetChart3DView(TView3DOptions& view) override;
    void ShareCircleRect() override {}
    void PrepareForChartDraw() override;
    void AssignZOrder() override;
    void ComputeVisibleRange() override;
    void DoBeforeDrawValues() override;
    void DoAfterDrawValues() override;
    void DrawAllValues() override;
    void DrawValue(int valueIndex) override;
    void DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) override;
    int PointXPixel(int index) const override;
    void ValueScreenPoint(int valueIndex, int& x, int& y) const override;
    bool HasZOrderSiblings() const override { return false; }
    int ValueIndexAt(int x, int y) override;
    double GetMinXValue() override;
    double GetMaxXValue() override;
    double GetMinYValue() override;
    double GetMaxYValue() override;

    int CountLegendItems() const override;
    int LegendToValueIndex(int legendIndex) const override;
    void PrepareLegendCanvas(int valueIndex, TColor& backColor, TBrushStyle& style) override;
    void DrawLegendShape(int valueIndex, const TRect& rect) override;

    // --- Points.
    void Clear() override;
    void Delete(int valueIndex) override;
    void ExchangePoints(int indexA, int indexB) override;
    void ApplyValueOrder() override;
    // The other slice is never stored.
    void WriteDataStream(TStream& stream) override;

    // --- Gallery.
    int DefaultSampleCount() const override { return 8; }
    void AddRandomValues(int numValues, bool onlyMandatory) override;
    void PrepareForGallery(bool enabled) override;
    void ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) override;
    void ApplyGalleryVariant(TChartSeries* series, int index) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TPieSeries>& p);

protected:
    void ClearValueStorage() override;

private:
    // Gathers the small values into the other slice (a new point at the end).
    void GroupOtherSlice();
    void ApplyExplodeBiggest();
    // The depth the slice reaches back to (its height in 3-D).
    int SliceBackDepth(int valueIndex) const;
    // Each slice's brush and pen, then DrawSlice.
    void PrepareSlice(int valueIndex, TColor color);
    // Far side of the pie first.
    void DrawSlicesFarSideFirst();
    TColor SliceColor(int valueIndex) const;

    int FAngleSize = 360;
    bool FAutoMarkPosition = true;
    bool FDark3D = true;
    int FDarkPen = 0;
    int FDonutPercent = 0;
    TSliceValueList FExploded{this};
    int FExplodeBiggest = 0;
    int FGradientBright = 0;
    TMultiPie FMultiPie = mpAutomatic;
    std::unique_ptr<TPieOtherSlice> FOtherSlice;
    std::unique_ptr<TPieMarks> FPieMarks;
    TSliceValueList FHeights{this};
    bool FUsePatterns = false;
    std::vector<TSliceAngles> FAngles;
    TRect FSavedChartRect;
    bool FChartRectSaved = false;
};
