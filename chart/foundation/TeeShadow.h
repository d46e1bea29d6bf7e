#pragma once
// The settings of a shadow cast by panels, framed texts, legends, pies and fonts. Each shadow
// keeps its own default colour, size and visibility (owners set the first two with SetDefaults),
// so a stream holds only what differs from the owner's kind of shadow.
#include <span>

#include "platform/classes/Events.h"
#include "platform/classes/Persistent.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Geometry.h"

class TCanvas3D;

// A percentage of see-through, 0 (opaque) to 100.
using TTeeTransparency = int;
// Values outside 0..100 are brought to the nearer end.
TTeeTransparency ClampTransparency(int value);

class TTeeShadow : public TPersistent {
    KV_DECLARE_CLASS(TTeeShadow, TPersistent)
public:
    explicit TTeeShadow(TNotifyEvent onChange = nullptr);
    ~TTeeShadow() override;

    bool Clip() const { return FClip; }
    void SetClip(bool value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    int HorizSize() const { return FHorizSize; }
    void SetHorizSize(int value);
    int VertSize() const { return FVertSize; }
    void SetVertSize(int value);
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool value);
    int SmoothBlur() const { return FSmoothBlur; }
    void SetSmoothBlur(int value);
    TTeeTransparency Transparency() const { return FTransparency; }
    void SetTransparency(TTeeTransparency value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);

    // The larger of the two sizes, ignoring their signs; setting it sets both.
    int GetCommonSize() const;
    void SetCommonSize(int value);
    // The owner's kind of shadow: colour and both sizes, and their defaults, without notice.
    void SetDefaults(TColor color, int size);
    // The owner's kind of shadow is hidden (or shown) by default: the visibility and its default.
    void SetDefaultVisible(bool value) { FVisible = FDefaultVisible = value; }

    // Everything but Clip, with one change notice.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TTeeShadow>& p);

    // --- Drawing (TeeShadowDraw.cpp): solid, a stepped fade where the surface cannot blur, or
    // blurred on the surface's buffer bitmap. Nothing for clNone or both sizes 0.
    void DrawRectShadow(TCanvas3D& Canvas, const TRect& Rect) const {
        DrawShapeShadow(Canvas, Rect, 0, 0, 0);
    }
    void DrawShapeShadow(TCanvas3D& Canvas, const TRect& Rect, int Angle, int RoundSize,
                         int Z) const;
    void DrawEllipseShadow(TCanvas3D& Canvas, const TRect& Rect, int Z) const;
    void DrawPolygonShadow(TCanvas3D& Canvas, std::span<const TPoint> Points, int LastIndex) const;

    TNotifyEvent OnChange;
    // Blur the whole shape, not only its right and bottom strips (rounded panel borders).
    bool BlurWholeShape = false;

private:
    void Changed();
    bool IsColorStored() const { return FColor != FDefaultColor; }
    bool IsHorizSizeStored() const { return FHorizSize != FDefaultSize; }
    bool IsVertSizeStored() const { return FVertSize != FDefaultSize; }
    bool IsVisibleStored() const { return FVisible != FDefaultVisible; }

    bool FClip = false;
    TColor FColor = clSilver;
    TColor FDefaultColor = clSilver;
    int FHorizSize = 0;
    int FVertSize = 0;
    int FDefaultSize = 0;
    bool FSmooth = true;
    int FSmoothBlur = 0;
    TTeeTransparency FTransparency = 0;
    bool FVisible = true;
    bool FDefaultVisible = true;
};
