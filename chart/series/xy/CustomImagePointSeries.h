#pragma once
// A picture at each point instead of the pointer: a box the pointer's full width and height
// centred on the point, the picture drawn unscaled when it fits the box exactly, else stretched
// into it. Without a picture the pointer is drawn. OnGetImage may change the picture first.
#include <functional>
#include <memory>

#include "chart/engine/PointSeries.h"

class TTeePicture;
class TCustomImagePointSeries;

using TOnGetImage =
    std::function<void(TCustomImagePointSeries& sender, int valueIndex, TTeePicture& picture)>;

class TCustomImagePointSeries : public TPointSeries {
    KV_DECLARE_CLASS(TCustomImagePointSeries, TPointSeries)
public:
    explicit TCustomImagePointSeries(TComponent* owner);
    ~TCustomImagePointSeries() override;

    TTeePicture* ImagePoint() const { return FImagePoint.get(); }
    bool ImageTransparent() const { return FImageTransparent; }
    void SetImageTransparent(bool value) { ChangeField(FImageTransparent, value); }
    TOnGetImage OnGetImage;

    void DrawValue(int valueIndex) override;
    void PrepareForGallery(bool enabled) override;

protected:
    void DrawImage(int valueIndex);
    std::unique_ptr<TTeePicture> FImagePoint;
    bool FImageTransparent = false;
};
