#pragma once
// The brush every chart element fills with: the canvas brush plus a background colour for the
// gaps of hatches and an optional picture to fill with. Its colour starts as clDefault (the
// owner's colour).
#include <memory>

#include "platform/graphics/Brush.h"

class TPicture;

class TChartBrush : public TBrush {
    KV_DECLARE_CLASS(TChartBrush, TBrush)
public:
    explicit TChartBrush(TNotifyEvent onChange = nullptr);
    ~TChartBrush() override;

    // clNone leaves the gaps of a hatch transparent.
    TColor BackColor() const { return FBackColor; }
    void SetBackColor(TColor value);
    // Made on first use, telling the brush's owner of every change of its graphic.
    TPicture* Image() const;
    // Null when the picture was never used.
    TPicture* ImageIfAny() const { return FImage.get(); }
    // Copies value into the brush's picture; null frees it.
    void SetImage(const TPicture* value);

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TChartBrush>& p);

private:
    bool IsImageStored() const;

    TColor FBackColor = clNone;
    mutable std::unique_ptr<TPicture> FImage;
};
