#pragma once
// The arrow of an annotation: from a point of the chart (in pixels, at a depth) to the box. A
// new one is hidden and its arrow pen off, so a new annotation shows no callout.
#include "chart/engine/Callout.h"

class TAnnotationCallout : public TCallout {
    KV_DECLARE_CLASS(TAnnotationCallout, TCallout)
public:
    explicit TAnnotationCallout(TChartSeries* series = nullptr);

    int XPosition() const { return FXPosition; }
    void SetXPosition(int value) { ChangePosition(FXPosition, value); }
    int YPosition() const { return FYPosition; }
    void SetYPosition(int value) { ChangePosition(FYPosition, value); }
    int ZPosition() const { return FZPosition; }
    void SetZPosition(int value) { ChangePosition(FZPosition, value); }

    // The three positions, then the callout's settings.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TAnnotationCallout>& p);

private:
    void ChangePosition(int& field, int value);

    int FXPosition = 0;
    int FYPosition = 0;
    int FZPosition = 0;
};

// Where the arrow from `from` meets the box: the box's nearer edge on each side the point lies
// beyond, else the box's middle on that axis.
TPoint CalloutEndPoint(const TRect& box, TPoint from);
