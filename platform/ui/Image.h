#pragma once
// Shows a picture: at its own size in the top left corner, centred (Center), stretched over the
// control (Stretch), or scaled with its proportions kept (Proportional: only shrunk unless
// Stretch too).
#include <memory>

#include "platform/ui/Control.h"

class TBitmap;
class TPicture;

class TImage : public TControl {
    KV_DECLARE_CLASS(TImage, TControl)
public:
    explicit TImage(TComponent* owner);
    ~TImage() override;

    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(const TPicture* value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    bool Center() const { return FCenter; }
    void SetCenter(bool value);
    bool Proportional() const { return FProportional; }
    void SetProportional(bool value);

    // Where the picture is drawn, in client coordinates.
    TRect DestRect() const;

protected:
    // Paints the picture into Buffer, which has the size of DestRect; the base stretches the
    // graphic over it. A descendant may paint a changed picture instead.
    virtual void DrawPicture(TBitmap& Buffer);

private:
    friend class TImageWidget;
    void PictureChanged();
    std::unique_ptr<TPicture> FPicture;
    bool FStretch = false;
    bool FCenter = false;
    bool FProportional = false;
};
