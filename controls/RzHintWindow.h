#pragma once
// The balloon hint: a rounded body in the info-tip colours with a triangular pointer whose tip
// sits on the mouse position (or on the centre of a small control). TRzCustomHintWindow decides
// where the balloon goes on the screen, which corner it opens to (flipping at the work area's
// edges), the shape of its region and how it is painted; TRzBalloonHints carries the settings a
// form stores and hands them to the window it is linked to.
#include <functional>
#include <memory>
#include <string>

#include "controls/RzCommon.h"
#include "platform/classes/Component.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/Label.h"

class TFont;

// Where the body lies relative to the pointer tip.
enum TRzHintCorner { hcLowerRight, hcLowerLeft, hcUpperLeft, hcUpperRight, hcNone };

using TSetHintWinSizeEvent =
    std::function<void(TObject* sender, TCanvas* canvas, int& width, int& height,
                       const std::string& hint, TRzHintCorner corner)>;
using TSetHintRectEvent = std::function<void(TObject* sender, TCanvas* canvas, TRect& rect,
                                             const std::string& hint, TRzHintCorner corner)>;

// The pointer of a W x H balloon: base A, tip T, base Q, the junction J where the pointer meets
// the body, and the body B (the window less the 20-pixel pointer band).
struct TRzPointerGeometry {
    TPoint A, T, Q;
    TRect J, Body;
};
TRzPointerGeometry PointerGeometry(TRzHintCorner corner, int width, int height);
// Whether the balloon's window region holds the pixel (x, y) of a W x H window.
bool BalloonRegionContains(TRzHintCorner corner, int width, int height, int x, int y);

// Four bitmaps, one per corner, drawn instead of the painted balloon when any is set.
class TRzBalloonBitmaps : public TPersistent {
    KV_DECLARE_CLASS(TRzBalloonBitmaps, TPersistent)
public:
    TRzBalloonBitmaps();
    ~TRzBalloonBitmaps() override;

    TBitmap* Bitmap(TRzHintCorner corner) const;
    void SetBitmap(TRzHintCorner corner, const TBitmap* value);
    TColor TransparentColor() const { return FTransparentColor; }
    void SetTransparentColor(TColor value) { FTransparentColor = value; }
    bool AnySet() const;
    // The bitmap for a corner: its own, else the first set one of UpperRight, UpperLeft,
    // LowerRight, LowerLeft, to be mirrored along the axes where its corner differs.
    TBitmap* Choose(TRzHintCorner corner, bool& mirrorX, bool& mirrorY) const;

    TNotifyEvent OnChange;

private:
    std::unique_ptr<TBitmap> FBitmaps[4];
    TColor FTransparentColor = clOlive;
};

class TRzCustomHintWindow : public TComponent {
    KV_DECLARE_CLASS(TRzCustomHintWindow, TComponent)
public:
    explicit TRzCustomHintWindow(TComponent* owner);
    ~TRzCustomHintWindow() override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) { FAlignment = value; }
    TBitmap* BitmapsUsed() const;
    void SetBitmaps(TRzBalloonBitmaps* value) { FBitmaps = value; }
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value) { FCaption = value; }
    int CaptionWidth() const { return FCaptionWidth; }
    void SetCaptionWidth(int value) { FCaptionWidth = value; }
    int CenterThreshold() const { return FCenterThreshold; }
    void SetCenterThreshold(int value) { FCenterThreshold = value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { FColor = value; }
    TRzHintCorner Corner() const { return FCorner; }
    void SetCorner(TRzHintCorner value) { FCorner = value; }
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* value);
    TColor FrameColor() const { return FFrameColor; }
    void SetFrameColor(TColor value) { FFrameColor = value; }
    bool ShowBalloon() const { return FShowBalloon; }
    void SetShowBalloon(bool value) { FShowBalloon = value; }

    // The tip for a hint of a control whose client area lies at controlScreen on the screen:
    // its centre when it is small enough (CenterThreshold), else the cursor.
    TPoint HintTip(const TRect& controlScreen, TPoint cursorScreen) const;
    // Places the window for the platform's text rectangle r (screen coordinates) with the
    // pointer at tip, inside the work area of the window's position (workAreaAt); sets
    // BoundsRect and EffectiveCorner.
    void ActivateHint(TRect r, const std::string& hint, TPoint tip,
                      const std::function<TRect(TPoint)>& workAreaAt);
    void ActivateHint(TRect r, const std::string& hint, TPoint tip, const TRect& workArea) {
        ActivateHint(r, hint, tip, [&workArea](TPoint) { return workArea; });
    }
    const TRect& BoundsRect() const { return FBoundsRect; }
    TRzHintCorner EffectiveCorner() const { return FEffectiveCorner; }
    // Paints the window's client area (its whole BoundsRect size) on canvas.
    void Paint(TCanvas& canvas);
    // The rectangle the text is drawn in, inside the body.
    TRect HintTextRect(TRect body) const;

    TSetHintWinSizeEvent OnSetHintWinSize;
    TSetHintRectEvent OnSetHintRect;

private:
    void PaintBalloonBitmap(TCanvas& canvas, int width, int height);

    std::unique_ptr<TFont> FFont;
    TRzBalloonBitmaps* FBitmaps = nullptr;  // the linked component's
    std::string FCaption;
    TRect FBoundsRect;
    TAlignment FAlignment = taLeftJustify;
    int FCaptionWidth = 100;
    int FCenterThreshold = 80;
    TColor FColor = clInfoBk;
    TColor FFrameColor = clInfoText;
    TRzHintCorner FCorner = hcUpperRight;
    TRzHintCorner FEffectiveCorner = hcUpperRight;
    bool FShowBalloon = false;
};
