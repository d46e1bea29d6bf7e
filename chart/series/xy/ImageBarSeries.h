#pragma once
// Bars covered by a picture, stretched over each bar or repeated along it from its base (from
// the top edge down for a bar drawn downwards). In an oblique 3-D view the picture lies on the
// bar's front face, and a bar seen from behind gets none.
#include <memory>

#include "chart/engine/BarSeries.h"

class TTeePicture;

class TImageBarSeries : public TBarSeries {
    KV_DECLARE_CLASS(TImageBarSeries, TBarSeries)
public:
    explicit TImageBarSeries(TComponent* owner);
    ~TImageBarSeries() override;
    static std::string EditorClassName() { return "TImageBarSeriesEditor"; }

    TTeePicture* Image() const { return FImage.get(); }
    void SetImage(const TTeePicture* value);
    bool ImageTiled() const { return FImageTiled; }
    void SetImageTiled(bool value) { ChangeField(FImageTiled, value); }
    bool ImageTransparent() const { return FImageTransparent; }
    void SetImageTransparent(bool value) { ChangeField(FImageTransparent, value); }

    void DrawBar(int valueIndex, int barStart, int barEnd) override;
    void PrepareForGallery(bool enabled) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TImageBarSeries>& p);

protected:
    // A picture cleared by the user is stored as such: the series starts with one.
    void DefineProperties(TFiler& filer) override;

private:
    void DrawPicture(int valueIndex);

    std::unique_ptr<TTeePicture> FImage;
    bool FImageTiled = false;
    bool FImageTransparent = false;
};
