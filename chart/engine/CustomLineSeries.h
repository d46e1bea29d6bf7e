#pragma once
// The base of the series that join their points by a line: what drawing does at a null point,
// and the series' own pen published as the line pen.
#include "chart/engine/ChartSeries.h"

enum TTreatNullsStyle { tnDontPaint, tnSkip, tnIgnore };
const TEnumInfo& TreatNullsStyleNames();

class TCustomLineSeries : public TChartSeries {
    KV_DECLARE_CLASS(TCustomLineSeries, TChartSeries)
public:
    explicit TCustomLineSeries(TComponent* owner);
    ~TCustomLineSeries() override;

    // tnDontPaint leaves a gap at a null point, tnSkip joins its neighbours, tnIgnore draws it.
    TTreatNullsStyle TreatNulls() const { return FTreatNulls; }
    void SetTreatNulls(TTreatNullsStyle value) { ChangeField(FTreatNulls, value); }
    TChartPen* LinePen() const { return Pen(); }
    void SetLinePen(const TChartPen* value) { SetPen(value); }

    void Assign(const TPersistent* source) override;

private:
    TTreatNullsStyle FTreatNulls = tnDontPaint;
};
