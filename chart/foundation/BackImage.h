#pragma once
// A filtered picture placed behind a panel, a wall or inside a shape: stretched over the
// rectangle, tiled, centred, or at a custom offset.
#include "chart/foundation/TeeFilterPicture.h"

class TCustomTeePanel;
template <class T>
class TPublisher;

enum TTeeBackImageMode { pbmStretch, pbmTile, pbmCenter, pbmCustom };

const TEnumInfo& BackImageModeNames();

class TBackImage : public TTeePicture {
    KV_DECLARE_CLASS(TBackImage, TTeePicture)
public:
    TBackImage();
    ~TBackImage() override;

    // The chart draws an Inside image within its chart rectangle instead of the whole panel.
    bool Inside() const { return FInside; }
    void SetInside(bool value);
    // The offset of a pbmCustom image from the rectangle's top-left corner.
    int Left() const { return FLeft; }
    void SetLeft(int value);
    TTeeBackImageMode Mode() const { return FMode; }
    void SetMode(TTeeBackImageMode value);
    int Top() const { return FTop; }
    void SetTop(int value);

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TBackImage>& p);

private:
    bool FInside = false;
    int FLeft = 0;
    TTeeBackImageMode FMode = pbmStretch;
    int FTop = 0;
};

// Draws Image (after its filters) on Panel's surface in Rect at depth Z, as its Mode says.
void DrawPictureInRect(TBackImage& Image, TCustomTeePanel& Panel, const TRect& Rect, int Z);
