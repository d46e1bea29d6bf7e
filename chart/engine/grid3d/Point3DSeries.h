#pragma once
// Points with X, Y and Z drawn as pointers at their depth and joined in index order by a 3-D
// polyline (the line pen), with optional drop lines to the bottom of the vertical axis. The
// workbench draws its cavity profiles and traced rays with it: hidden pointers, a wide line pen
// and every list unordered, so the polyline joins the points in the order they were added. The
// bubble series sizes each point's circle by a radius of its own.
#include <functional>
#include <memory>

#include "chart/engine/SeriesPointer.h"
#include "chart/engine/grid3d/Custom3DSeries.h"

class TChartHiddenPen;
class TPoint3DSeries;

using TSeriesClickPointer3DEvent =
    std::function<void(TPoint3DSeries& sender, int valueIndex, int x, int y)>;

class TPoint3DSeries : public TCustom3DSeries {
    KV_DECLARE_CLASS(TPoint3DSeries, TCustom3DSeries)
public:
    explicit TPoint3DSeries(TComponent* owner);
    ~TPoint3DSeries() override;
    static std::string EditorClassName() { return "TPoint3DSeriesEditor"; }

    TChartHiddenPen* BaseLine() const { return FBaseLine.get(); }
    void SetBaseLine(const TChartHiddenPen* value);
    // The depth of each point's pointer, in Z units.
    double DepthSize() const { return FDepthSize; }
    void SetDepthSize(double value) { ChangeField(FDepthSize, value); }
    TChartPen* LinePen() const { return Pen(); }
    void SetLinePen(const TChartPen* value) { SetPen(value); }
    TSeriesPointer* Pointer() const { return FPointer.get(); }
    void SetPointer(const TSeriesPointer* value) { FPointer->Assign(value); }

    TSeriesClickPointer3DEvent OnClickPointer;
    TOnGetPointerStyle OnGetPointerStyle;

    // The point's front, middle and back depth around its Z.
    virtual void ComputePointDepth(int valueIndex);
    // Half the pointer's depth in pixels.
    virtual int PointDepthExtent(int valueIndex);
    virtual bool HasPointerStyleVariants() const { return true; }

    void SetParentChart(TCustomAxisPanel* value) override;
    void HorizontalMarginsNeeded(int& left, int& right) override;
    void VerticalMarginsNeeded(int& top, int& bottom) override;
    void DrawValue(int valueIndex) override;
    void DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) override;
    void DrawLegendShape(int valueIndex, const TRect& rect) override;
    double GetMaxZValue() override;
    int ValueIndexAt(int x, int y) override;
    void AddRandomValues(int numValues, bool onlyMandatory) override;
    void PrepareForGallery(bool enabled) override;
    void ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) override;
    void ApplyGalleryVariant(TChartSeries* series, int index) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TPoint3DSeries>& p);

private:
    std::unique_ptr<TChartHiddenPen> FBaseLine;
    double FDepthSize = 0;
    std::unique_ptr<TSeriesPointer> FPointer;
    // The end of the previous segment, within one drawing pass.
    int FPrevX = 0;
    int FPrevY = 0;
    int FPrevZ = 0;
    bool FHasPrevious = false;
};

class TBubble3DSeries : public TPoint3DSeries {
    KV_DECLARE_CLASS(TBubble3DSeries, TPoint3DSeries)
public:
    explicit TBubble3DSeries(TComponent* owner);
    ~TBubble3DSeries() override;

    TChartValueList& RadiusValues() { return *FRadius; }
    void SetRadiusValues(const TChartValueList* value) { AssignValueList(*FRadius, value); }
    int AddBubble(double x, double y, double z, double radius, const std::string& label = {},
                  TColor color = clDefault);

    void ComputePointDepth(int valueIndex) override;
    // The radius in depth pixels (not halved).
    int PointDepthExtent(int valueIndex) override;
    bool HasPointerStyleVariants() const override { return false; }
    void DrawValue(int valueIndex) override;
    double GetMaxYValue() override;
    double GetMinYValue() override;
    double GetMaxZValue() override;
    double GetMinZValue() override;
    void AddRandomValues(int numValues, bool onlyMandatory) override;
    void PrepareForGallery(bool enabled) override;
    bool CanCopyFrom(const TChartSeries& source) const override;
    static void Publish(TPublisher<TBubble3DSeries>& p);

private:
    // The extreme of list over every point, widened by each point's radius.
    double ExtremeWithRadius(const TChartValueList& list, bool isMax, double start) const;

    TChartValueList* FRadius;
};

// "Point 3D" and "Bubble 3D" on the gallery's "3D" page (and so in the component stream).
void Point3DSeriesUnitStartup();
void Point3DSeriesUnitShutdown();
