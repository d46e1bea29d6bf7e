#pragma once
// A series whose points are joined by Bezier curves instead of straight lines: consecutive
// points serve as start, control and end points of quadratic or cubic curves, each drawn as
// NumBezierPoints straight pieces, and a pointer at every point.
#include "chart/engine/CustomSeries.h"
#include "chart/series/algo/BezierCurves.h"

const TEnumInfo& BezierStyleNames();

class TBezierSeries : public TCustomSeries {
    KV_DECLARE_CLASS(TBezierSeries, TCustomSeries)
public:
    explicit TBezierSeries(TComponent* owner);
    ~TBezierSeries() override;
    // It has no options form of its own.
    static std::string EditorClassName() { return {}; }

    TBezierStyle BezierStyle() const { return FBezierStyle; }
    void SetBezierStyle(TBezierStyle value) { ChangeField(FBezierStyle, value); }
    int NumBezierPoints() const { return FNumBezierPoints; }
    // Raises ChartException below 2 and keeps the old value.
    void SetNumBezierPoints(int value);

    // The curves drawn for the present count and view.
    std::vector<TBezierCurve> Curves() const;

    void DrawAllValues() override;
    void SetSeriesColor(TColor value) override;
    void PrepareForGallery(bool enabled) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TBezierSeries>& p);

private:
    void DrawCurve(const TBezierCurve& curve, std::span<const TPoint> points);

    TBezierStyle FBezierStyle = bsWindows;
    int FNumBezierPoints = 32;
};
