#pragma once
// One arrow a point, from its start (X, Y) to its end (EndX, EndY), all in axis values. The
// pointer gives the head's size, pen and brush: lines in 2-D, a filled outline in 3-D whose
// shaft is ArrowPercent of the head's width.
#include "chart/engine/PointSeries.h"

class TArrowSeries : public TPointSeries {
    KV_DECLARE_CLASS(TArrowSeries, TPointSeries)
public:
    explicit TArrowSeries(TComponent* owner);
    ~TArrowSeries() override;
    static std::string EditorClassName() { return "TArrowSeriesEditor"; }

    TChartValueList& StartXValues() { return XValues(); }
    TChartValueList& StartYValues() { return YValues(); }
    TChartValueList& EndXValues() { return *FEndX; }
    TChartValueList& EndYValues() { return *FEndY; }
    const TChartValueList& EndXValues() const { return *FEndX; }
    const TChartValueList& EndYValues() const { return *FEndY; }
    void SetEndXValues(const TChartValueList* value) { AssignValueList(*FEndX, value); }
    void SetEndYValues(const TChartValueList* value) { AssignValueList(*FEndY, value); }
    int ArrowWidth() const;
    void SetArrowWidth(int value);
    int ArrowHeight() const;
    void SetArrowHeight(int value);
    int ArrowPercent() const { return FArrowPercent; }
    void SetArrowPercent(int value) { ChangeField(FArrowPercent, value); }

    int AddArrow(double x0, double y0, double x1, double y1, const std::string& label = {},
                 TColor color = clDefault);

    void DrawValue(int valueIndex) override;
    double GetMinXValue() override;
    double GetMaxXValue() override;
    double GetMinYValue() override;
    double GetMaxYValue() override;
    int ValueIndexAt(int x, int y) override;
    bool OffersPointerStyles() const override { return false; }
    bool CanCopyFrom(const TChartSeries& source) const override;
    void PrepareForGallery(bool enabled) override;
    void AddRandomValues(int numValues, bool onlyMandatory) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TArrowSeries>& p);

protected:
    // Opaque marks and a widening pointer, unlike the series' own start, are stored too.
    void DefineProperties(TFiler& filer) override;

private:
    TPoint EndPixel(int valueIndex) const;

    TChartValueList* FEndX;
    TChartValueList* FEndY;
    int FArrowPercent = 50;
};
