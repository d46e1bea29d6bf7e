#pragma once
// The part of a picture a filter works on. A width or height of 0 reaches to the picture's edge.
#include "platform/classes/Persistent.h"
#include "platform/graphics/Geometry.h"

class TFilterRegion : public TPersistent {
    KV_DECLARE_CLASS(TFilterRegion, TPersistent)
public:
    TFilterRegion();
    ~TFilterRegion() override;

    int Left() const { return FLeft; }
    void SetLeft(int value) { FLeft = value; }
    int Top() const { return FTop; }
    void SetTop(int value) { FTop = value; }
    int Width() const { return FWidth; }
    void SetWidth(int value) { FWidth = value; }
    int Height() const { return FHeight; }
    void SetHeight(int value) { FHeight = value; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TFilterRegion>& p);

private:
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
};

// The inclusive pixel bounds a filter changes in a Width x Height picture: the whole picture
// without a region, else the region, kept inside the picture (a region typed partly or wholly
// outside it must not reach pixels that are not there). False when nothing is left to filter.
bool FilterBounds(const TFilterRegion* Region, int Width, int Height, TRect& Bounds);
