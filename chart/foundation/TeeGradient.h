#pragma once
// The settings of a colour gradient: ten directions, a balance that shifts the transition, an
// optional middle colour, a rotation, a radial centre offset and a see-through second gradient
// painted over the first. Painting lives with the surfaces.
#include <memory>

#include "chart/foundation/TeeShadow.h"
#include "platform/classes/Events.h"
#include "platform/classes/Persistent.h"
#include "platform/graphics/Colors.h"

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

class TSubGradient;

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

    TNotifyEvent OnChange;

protected:
    void Changed();
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
