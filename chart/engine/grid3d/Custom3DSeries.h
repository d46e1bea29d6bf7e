#pragma once
// The base of every series with a third coordinate: a Z value per point on the chart's depth
// axis. Points keep the order in which they were added and are all drawn (no visible range);
// the workbench fills its cavity outlines and traced rays through AddXYZValues.
#include "chart/engine/ChartSeries.h"

class TCustom3DSeries : public TChartSeries {
    KV_DECLARE_CLASS(TCustom3DSeries, TChartSeries)
public:
    explicit TCustom3DSeries(TComponent* owner);
    ~TCustom3DSeries() override;

    TChartValueList& ZValues() { return *FZ; }
    const TChartValueList& ZValues() const { return *FZ; }
    void SetZValues(const TChartValueList* value) { AssignValueList(*FZ, value); }
    // The depth rows of the chart the series claims.
    int TimesZOrder() const { return FTimesZOrder; }
    void SetTimesZOrder(int value) { ChangeField(FTimesZOrder, value); }

    // The new point's index, -1 when OnBeforeAdd refused it.
    int AddXYZValues(double x, double y, double z);
    virtual int AddXYZPoint(double x, double y, double z, const std::string& label, TColor color);
    // The depth-axis pixel of the point's Z.
    int PointZPixel(int valueIndex) const;

    void AssignZOrder() override;
    void DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) override;
    // The symbols of a continuous chart legend touch: no outline between them.
    void PrepareLegendCanvas(int valueIndex, TColor& backColor, TBrushStyle& style) override;
    bool UsesAxis(const TChartAxis* axis) const override;
    TChartValueList* ValueListOfAxis(const TChartAxis* axis) override;
    double GetMaxZValue() override { return FZ->Maximum(); }
    double GetMinZValue() override { return FZ->Minimum(); }
    bool CanCopyFrom(const TChartSeries& source) const override;
    void Assign(const TPersistent* source) override;

private:
    TChartValueList* FZ;
    int FTimesZOrder = 3;
};

// The chart's depth axis is inverted, toggled when the view is turned between 90 and 270
// degrees: far cells are then drawn first.
bool DepthDrawnReversed(const TChartSeries& series);
