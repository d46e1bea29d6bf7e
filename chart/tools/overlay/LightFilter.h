#pragma once
// An image filter that darkens a 24-bit picture with the distance from a light point, linearly
// or like a spotlight.
#include <string>

#include "chart/foundation/TeeFilter.h"

enum TLightStyle { lsLinear, lsSpotLight };
const TEnumInfo& LightStyleNames();

class TLightFilter : public TTeeFilter {
    KV_DECLARE_CLASS(TLightFilter, TTeeFilter)
public:
    using TTeeFilter::TTeeFilter;

    // -1: the picture's centre.
    int Left() const { return FLeft; }
    void SetLeft(int value) { FLeft = value; }
    int Top() const { return FTop; }
    void SetTop(int value) { FTop = value; }
    int Factor() const { return FFactor; }
    void SetFactor(int value) { FFactor = value; }
    TLightStyle Style() const { return FStyle; }
    void SetStyle(TLightStyle value) { FStyle = value; }

    // How much a pixel at distance r from the light is darkened in a width x height picture.
    int Amount(double r, int width, int height) const;

    void ApplyToRect(TBitmap& Bitmap, const TRect& Rect) override;
    std::string GetCaption() const override { return "2D Lighting"; }
    void BuildEditor(TFormCreator& Creator, TNotifyEvent OnChange) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TLightFilter>& p);

private:
    int FTop = -1;
    int FLeft = -1;
    int FFactor = 10;
    TLightStyle FStyle = lsLinear;
};
