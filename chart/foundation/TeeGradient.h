#pragma once
// The settings of a colour gradient: ten directions, a balance that shifts the transition, an
// optional middle colour, a rotation, a radial centre offset and a see-through second gradient
// painted over the first. It paints itself through a drawing surface (TeeGradientDraw.cpp).
#include <memory>
#include <span>

#include "chart/foundation/TeeShadow.h"
#include "platform/classes/Events.h"
#include "platform/classes/Persistent.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Geometry.h"

enum TGradientDirection {
    gdTopBottom,
    gdBottomTop,
    gdLeftRight,
    gdRightLeft,
    gdFromCenter,
    gdFromTopLeft,
    gdFromBottomLeft,
    gdRadial,
    gdDiagonalUp,
    gdDiagonalDown
};
const TEnumInfo& GradientDirectionNames();

// The share of the way from the start colour at band Index of Steps: ((Index + 1) / (Steps + 1))
// to the power Balance * 0.015 + 0.5. Painting uses it only for a balance other than 50 (which
// paints even bands).
double GradientBalanceCurve(int Steps, int Balance, int Index);

class TCustomTeeGradient;
class TSubGradient;
class TBitmap;
class TCanvas3D;
class TTeeCanvas;

// Rotates Bitmap by Gradient's Angle; installed at start-up by the image filters. Without it a
// turned gradient is painted unturned.
extern void (*GradientRotationHook)(const TCustomTeeGradient& Gradient, TBitmap& Bitmap);
// The bitmap a gradient turned by Angle degrees is painted into before it is turned, so that
// the turned picture still covers a Width x Height rectangle.
TSize RotatedGradientSize(int Width, int Height, int Angle);

class TCustomTeeGradient : public TPersistent {
    KV_DECLARE_CLASS(TCustomTeeGradient, TPersistent)
public:
    explicit TCustomTeeGradient(TNotifyEvent onChange = nullptr);
    ~TCustomTeeGradient() override;

    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    TGradientDirection Direction() const { return FDirection; }
    void SetDirection(TGradientDirection value);
    TColor StartColor() const { return FStartColor; }
    void SetStartColor(TColor value);
    TColor EndColor() const { return FEndColor; }
    void SetEndColor(TColor value);
    // clNone while no middle colour is in use. Setting clNone switches it off; another colour
    // switches it on.
    TColor MidColor() const { return FHasMidColor ? FMidColor : clNone; }
    void SetMidColor(TColor value);
    bool HasMidColor() const { return FHasMidColor; }
    // Switches the middle colour on again with the colour it had.
    void UseMidColor();
    int Balance() const { return FBalance; }
    void SetBalance(int value);
    int Angle() const { return FAngle; }
    void SetAngle(int value);
    int RadialX() const { return FRadialX; }
    void SetRadialX(int value);
    int RadialY() const { return FRadialY; }
    void SetRadialY(int value);

    // Made on first use with this gradient's change handler, 50 % see-through.
    TSubGradient* SubGradient() const;
    // Null while never used.
    TSubGradient* SubGradientIfAny() const { return FSubGradient.get(); }
    void SetSubGradient(const TSubGradient* value);

    // The settings and the sub-gradient (freed when the source has none), with one change notice.
    void Assign(const TPersistent* source) override;

    // --- Painting (TeeGradientDraw.cpp).
    // The gradient over Rect, its corners rounded by RoundSize, then the sub-gradient over it.
    void DrawInRect(TTeeCanvas& Canvas, const TRect& Rect, int RoundSize = 0) const;
    // Ellipses from the end colour outside to the start colour at the (offset) centre.
    void DrawRadial(TTeeCanvas& Canvas, const TRect& Rect) const;
    // The gradient within the polygon, projected at Z first when Is3D.
    void DrawPolygon(TCanvas3D& Canvas, std::span<const TPoint> Points, int LastIndex, bool Is3D,
                     int Z) const;
    void DrawQuad(TTeeCanvas& Canvas, std::span<const TPoint, 4> Points) const;
    void DrawQuadAtZ(TCanvas3D& Canvas, std::span<const TPoint, 4> Points, int Z) const;

    TNotifyEvent OnChange;

protected:
    void Changed();
    void DrawUnrotated(TTeeCanvas& Canvas, const TRect& Rect, int RoundSize) const;
    void DrawRotated(TTeeCanvas& Canvas, const TRect& Rect) const;
    void DrawSubGradient(TTeeCanvas& Canvas, const TRect& Rect, int RoundSize) const;
    // The settings without the sub-gradient; true when any changed.
    bool CopySettings(const TCustomTeeGradient& source);
    // What a kind of gradient adds to the settings; true when any changed.
    virtual bool CopyExtraSettings(const TCustomTeeGradient&) { return false; }
    bool IsSubGradientStored() const { return FSubGradient != nullptr; }

private:
    bool FVisible = false;
    TGradientDirection FDirection = gdTopBottom;
    TColor FStartColor = clWhite;
    TColor FEndColor = clYellow;
    TColor FMidColor = clNone;
    bool FHasMidColor = false;
    int FBalance = 50;
    int FAngle = 0;
    int FRadialX = 0;
    int FRadialY = 0;
    mutable std::unique_ptr<TSubGradient> FSubGradient;
};

class TTeeGradient : public TCustomTeeGradient {
    KV_DECLARE_CLASS(TTeeGradient, TCustomTeeGradient)
public:
    using TCustomTeeGradient::TCustomTeeGradient;
    static void Publish(TPublisher<TTeeGradient>& p);
};

class TSubGradient : public TCustomTeeGradient {
    KV_DECLARE_CLASS(TSubGradient, TCustomTeeGradient)
public:
    explicit TSubGradient(TNotifyEvent onChange = nullptr);
    TTeeTransparency Transparency() const { return FTransparency; }
    void SetTransparency(TTeeTransparency value);
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TSubGradient>& p);

protected:
    bool CopyExtraSettings(const TCustomTeeGradient& source) override;

private:
    TTeeTransparency FTransparency = 50;
};

// The gradient that fills text glyphs; Outline paints only the widened outline of the glyphs.
class TTeeFontGradient : public TTeeGradient {
    KV_DECLARE_CLASS(TTeeFontGradient, TTeeGradient)
public:
    using TTeeGradient::TTeeGradient;
    bool Outline() const { return FOutline; }
    void SetOutline(bool value);
    static void Publish(TPublisher<TTeeFontGradient>& p);

protected:
    bool CopyExtraSettings(const TCustomTeeGradient& source) override;

private:
    bool FOutline = false;
};
