#pragma once
// The enhanced label: its caption turned by an angle or laid along an arc, raised, recessed or
// shadowed 3-D text, single or double borders with margins, another colour while the mouse is
// over it (fly-by), and blinking in step with every other blinking control of the process. It
// paints itself; AutoSize measures the text with its borders, margins and shadow.
#include <memory>
#include <string>

#include "controls/RzBlinkingControlsList.h"
#include "controls/RzCommon.h"
#include "controls/RzCustomEdit.h"
#include "controls/RzFrameController.h"
#include "platform/ui/Label.h"

enum TCenterPoint {
    cpUpperLeft,
    cpUpperCenter,
    cpUpperRight,
    cpLeftCenter,
    cpCenter,
    cpRightCenter,
    cpLowerLeft,
    cpLowerCenter,
    cpLowerRight
};
enum TRzCondenseCaption { ccNone, ccAtEnd, ccWithinPath };
enum TRotation { roNone, roFlat, roCurve };
enum TTextStyle { tsNormal, tsRaised, tsRecessed, tsShadow };
using TFrameStyleEx = TFrameStyle;

class TRzLabel : public TLabel,
                 public IRzBlinker,
                 public IFrameControllerClient,
                 public TRzFrameControllerLink {
    KV_DECLARE_CLASS(TRzLabel, TLabel)
public:
    explicit TRzLabel(TComponent* owner);
    ~TRzLabel() override;

    // Degrees, kept within 0..359 (a negative angle counts back from 360).
    int Angle() const { return FAngle; }
    virtual void SetAngle(int value);
    int BevelWidth() const { return FBorders.BevelWidth; }
    virtual void SetBevelWidth(int value);
    TColor BlinkColor() const { return FBlinkColor; }
    virtual void SetBlinkColor(TColor value);
    bool Blinking() const { return FBlinking; }
    virtual void SetBlinking(bool value);
    // Shared by every blinking control of the process.
    virtual int GetBlinkIntervalOff() const;
    virtual void SetBlinkIntervalOff(int value);
    virtual int GetBlinkIntervalOn() const;
    virtual void SetBlinkIntervalOn(int value);
    TColor BorderColor() const { return FBorders.BorderColor; }
    virtual void SetBorderColor(TColor value);
    TColor BorderHighlight() const { return FBorders.Highlight; }
    virtual void SetBorderHighlight(TColor value);
    TFrameStyleEx BorderInner() const { return FBorders.Inner; }
    virtual void SetBorderInner(TFrameStyleEx value);
    TFrameStyleEx BorderOuter() const { return FBorders.Outer; }
    virtual void SetBorderOuter(TFrameStyleEx value);
    TColor BorderShadow() const { return FBorders.Shadow; }
    virtual void SetBorderShadow(TColor value);
    TSides BorderSides() const { return FBorders.Sides; }
    virtual void SetBorderSides(TSides value);
    int BorderWidth() const { return FBorders.BorderWidth; }
    virtual void SetBorderWidth(int value);
    TCenterPoint CenterPoint() const { return FCenterPoint; }
    virtual void SetCenterPoint(TCenterPoint value);
    // Anything but ccNone switches AutoSize off: the caption is cut to the label's width.
    TRzCondenseCaption CondenseCaption() const { return FCondenseCaption; }
    virtual void SetCondenseCaption(TRzCondenseCaption value);
    TColor FlatColor() const { return FBorders.FlatColor; }
    virtual void SetFlatColor(TColor value);
    int FlatColorAdjustment() const { return FBorders.FlatAdjustment; }
    virtual void SetFlatColorAdjustment(int value);
    TColor FlyByColor() const { return FFlyByColor; }
    virtual void SetFlyByColor(TColor value);
    bool FlyByEnabled() const { return FFlyByEnabled; }
    virtual void SetFlyByEnabled(bool value);
    TColor HighlightColor() const { return FHighlightColor; }
    virtual void SetHighlightColor(TColor value);
    bool LightTextStyle() const { return FLightTextStyle; }
    virtual void SetLightTextStyle(bool value);
    TRotation Rotation() const { return FRotation; }
    virtual void SetRotation(TRotation value);
    TColor ShadowColor() const { return FShadowColor; }
    virtual void SetShadowColor(TColor value);
    int ShadowDepth() const { return FShadowDepth; }
    virtual void SetShadowDepth(int value);
    int TextMargin() const { return FTextMargin; }
    virtual void SetTextMargin(int value);
    TTextStyle TextStyle() const { return FTextStyle; }
    virtual void SetTextStyle(TTextStyle value);

    // The colour the text is drawn in now: the blink colour in the on phase, else the font's.
    TColor CurrentTextColor() const { return FCurrentColor; }

    // --- Blinking and the frame controller.
    bool BlinkQuery() override { return FBlinking; }
    void Blink(bool on) override;
    virtual void ApplyBlinkState(bool on);
    void ApplyFrameController(TRzFrameController* controller) override;

    // The control size for a text extent: borders, margins, shadow, and the turn of a flat
    // rotation.
    virtual TSize ExtentWithBorders(TSize extent) const;
    // Rect less the border width (withBorderWidth) and the outer and inner borders.
    virtual TRect AdjustRectForBorders(TRect rect, bool withBorderWidth) const;
    // The point the text turns about, and the radii of the arc it follows (roCurve).
    TPoint CenterOfRotation() const;
    TPoint ArcRadius() const;

    static void Publish(TPublisher<TRzLabel>& p);

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    void Paint(TCanvas& canvas) override;
    void AdjustBounds() override;
    void FontChanged() override;
    void TextChanged() override;
    void ColorChanged() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    // From older streams: "FrameSides" is read and dropped.
    void DefineProperties(TFiler& filer) override;

private:
    // RzLabelPaint.cpp.
    void PaintLabelText(TCanvas& canvas);
    void PaintTextOnArc(TCanvas& canvas);
    void ApplyLayoutOffset(TRect& rect, int textHeight) const;
    // Draws the 3-D copies and then the main text through draw(dx, dy, colour).
    template <class F>
    void PaintCopies(F&& draw, int shadowOffset, TPoint mainOffset) const;
    std::string ShownCaption() const;
    // The thickness a frame style takes on each side.
    int BorderThickness(TFrameStyle style) const;
    TRect ShrinkBySides(TRect rect, int amount) const;
    void GrowBySides(TSize& extent, int amount) const;
    bool Loading() const { return ComponentState().Contains(csLoading); }
    void ChangedBorders();
    // Fonts that cannot turn take a face that can.
    void EnsureTurnableFont();

    int FAngle = 0;
    TColor FBlinkColor = clHighlight;
    bool FBlinking = false;
    bool FBlinkOn = false;
    TLabelBorders FBorders;
    TCenterPoint FCenterPoint = cpCenter;
    TRzCondenseCaption FCondenseCaption = ccNone;
    TColor FFlyByColor = clHighlight;
    bool FFlyByEnabled = false;
    TColor FFlyBySavedColor = clWindowText;
    bool FMouseInside = false;
    TColor FHighlightColor = clBtnHighlight;
    bool FLightTextStyle = false;
    TRotation FRotation = roNone;
    TColor FShadowColor = clBtnShadow;
    int FShadowDepth = 2;
    int FTextMargin = 0;
    TTextStyle FTextStyle = tsNormal;
    TColor FNormalColor = clWindowText;
    TColor FCurrentColor = clWindowText;
};

const TEnumInfo& CenterPointNames();
const TEnumInfo& CondenseCaptionNames();
const TEnumInfo& RotationNames();
const TEnumInfo& TextStyleNames();
