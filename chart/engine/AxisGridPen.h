#pragma once
// The grid of an axis: grey dots with a line at every DrawEvery-th tick, optionally midway
// between ticks, at a depth given in percent (0 at the front, 100 at the back; the top and right
// axes put theirs at the back by default).
#include "chart/foundation/ChartPen.h"

class TAxisGridPen : public TDottedGrayPen {
    KV_DECLARE_CLASS(TAxisGridPen, TDottedGrayPen)
public:
    explicit TAxisGridPen(TNotifyEvent onChange = nullptr);

    bool Centered() const { return FCentered; }
    void SetCentered(bool value);
    int DrawEvery() const { return FDrawEvery; }
    void SetDrawEvery(int value);
    double ZPosition() const { return FZPosition; }
    void SetZPosition(double value);
    // Sets ZPosition and the value it is stored against.
    void SetDefaultZPosition(double value) { FZPosition = FDefaultZPosition = value; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TAxisGridPen>& p);

private:
    bool FCentered = false;
    int FDrawEvery = 1;
    double FZPosition = 0;
    double FDefaultZPosition = 0;
};
