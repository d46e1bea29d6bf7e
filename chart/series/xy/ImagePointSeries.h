#pragma once
// A picture at each point, a blue marker unless another is given; the pointer takes the
// picture's size.
#include "chart/series/xy/CustomImagePointSeries.h"

class TImagePointSeries : public TCustomImagePointSeries {
    KV_DECLARE_CLASS(TImagePointSeries, TCustomImagePointSeries)
public:
    explicit TImagePointSeries(TComponent* owner);
    ~TImagePointSeries() override;
    // The ordinary construction, then the picture given.
    static TImagePointSeries* CreateWithPicture(TComponent* owner, const TTeePicture* picture);

    // Copies the picture; a picture with a size sets the pointer's width and height to it.
    void SetImagePoint(const TTeePicture* value);

    static void Publish(TPublisher<TImagePointSeries>& p);

protected:
    // A picture cleared by the user is stored as such: the series starts with one.
    void DefineProperties(TFiler& filer) override;
};
