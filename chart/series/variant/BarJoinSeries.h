#pragma once
// A bar series that joins each bar to the one drawn before it with a line: from the top right
// corner of the one to the top left corner of the next, or top centre to top centre for the
// pointed and round styles.
#include <memory>

#include "chart/engine/BarSeries.h"

class TBarJoinSeries : public TBarSeries {
    KV_DECLARE_CLASS(TBarJoinSeries, TBarSeries)
public:
    explicit TBarJoinSeries(TComponent* owner);
    ~TBarJoinSeries() override;
    static std::string EditorClassName() { return "TBarJoinEditor"; }

    TChartPen* JoinPen() const { return FJoinPen.get(); }
    void SetJoinPen(const TChartPen* value) { FJoinPen->Assign(value); }

    // Each drawing starts without a previous bar.
    void PrepareForChartDraw() override;
    void DrawBar(int valueIndex, int barStart, int barEnd) override;
    int DefaultSampleCount() const override { return 3; }
    void PrepareForGallery(bool enabled) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TBarJoinSeries>& p);

private:
    void DrawJoin(int valueIndex);

    std::unique_ptr<TChartPen> FJoinPen;
    TRect FPrevious;
    bool FFirstBar = true;
};
