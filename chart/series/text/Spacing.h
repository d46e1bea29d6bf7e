#pragma once
// The gaps of an organisation chart, in pixels: between the boxes of a row and between a row
// and the next. A change repaints the owning series.
#include "platform/classes/Persistent.h"

class TChartSeries;

class TSpacing : public TPersistent {
    KV_DECLARE_CLASS(TSpacing, TPersistent)
public:
    explicit TSpacing(TChartSeries* series);
    ~TSpacing() override;

    int Horizontal() const { return FHorizontal; }
    void SetHorizontal(int value) { Change(FHorizontal, value); }
    int Vertical() const { return FVertical; }
    void SetVertical(int value) { Change(FVertical, value); }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TSpacing>& p);

private:
    void Change(int& field, int value);

    TChartSeries* FSeries;
    int FHorizontal = 8;
    int FVertical = 16;
};
