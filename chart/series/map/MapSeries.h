#pragma once
// A map of regions: polygons (Shapes), each filled with the palette colour of its value, with
// optional shadows, gradients and transparency. The map keeps one point per polygon, in
// collection order, whose Z value ("Value"), colour and label are the polygon's value, colour
// and text; creating a polygon adds that point, deleting the point frees the polygon. In 3-D the
// polygons are drawn by value, the largest first. Only the polygons' outlines and properties are
// streamed; the map's own points follow from them.
#include <memory>

#include "chart/engine/grid3d/Custom3DPaletteSeries.h"
#include "chart/series/map/TeePolygon.h"

class TTeeShadow;

class TMapSeries : public TCustom3DPaletteSeries {
    KV_DECLARE_CLASS(TMapSeries, TCustom3DPaletteSeries)
public:
    explicit TMapSeries(TComponent* owner);
    ~TMapSeries() override;
    static std::string EditorClassName() { return "TMapSeriesEditor"; }

    int PointSize() const { return FPointSize; }
    void SetPointSize(int value) { ChangeField(FPointSize, value); }
    TTeeShadow* Shadow() const { return FShadow.get(); }
    void SetShadow(const TTeeShadow* value);
    TTeePolygonList* Shapes() const { return FShapes.get(); }
    void SetShapes(const TTeePolygonList* value);
    int Transparency() const { return FTransparency; }
    void SetTransparency(int value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // Whether the map's own points are streamed too (off: they follow from the polygons).
    bool SaveOwnPoints = false;

    // A new polygon gets a point of the map at its index.
    void PolygonAdded(int index);
    // The screen rectangle of a polygon's extremes, or none when the chart clips it away.
    bool PolygonVisible(int index) const;
    // The polygon's screen points from its outline.
    void ComputeScreenPoints(int index);
    void DrawRegion(int index);

    void Delete(int valueIndex) override;
    void DeleteRange(int start, int quantity, bool removeGap = false) override;
    void ExchangePoints(int indexA, int indexB) override;
    void Clear() override;
    double GetMinXValue() override;
    double GetMaxXValue() override;
    double GetMinYValue() override;
    double GetMaxYValue() override;
    void HorizontalMarginsNeeded(int& left, int& right) override;
    void VerticalMarginsNeeded(int& top, int& bottom) override;
    void ValueScreenPoint(int valueIndex, int& x, int& y) const override;
    void DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) override;
    void DrawAllValues() override;
    void DrawValue(int valueIndex) override;
    int ValueIndexAt(int x, int y) override;
    int DefaultSampleCount() const override { return 12; }
    void AddRandomValues(int numValues, bool onlyMandatory) override;
    void ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) override;
    void ApplyGalleryVariant(TChartSeries* series, int index) override;
    void Apply3DFromGallery(bool enabled) override;
    void PrepareForGallery(bool enabled) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TMapSeries>& p);

protected:
    void DefineProperties(TFiler& filer) override;

private:
    template <class F>
    double Extreme(F&& pick, bool maximum);
    int DepthOf(int index) const;
    TRect PointRect(TPoint p) const;

    int FPointSize = 1;
    std::unique_ptr<TTeeShadow> FShadow;
    std::unique_ptr<TTeePolygonList> FShapes;
    int FTransparency = 0;
    bool FTransparent = false;
    bool FDeleting = false;
};
