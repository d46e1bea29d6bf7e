#include "controls/RzLabel.h"

#include <cmath>
#include <numbers>

#include "controls/RzWrappedText.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Publisher.h"
#include "platform/classes/Reader.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Font.h"
#include "platform/rtl/RtlMath.h"

const TEnumInfo& CenterPointNames() {
    static const TEnumInfo names{"cpUpperLeft",  "cpUpperCenter", "cpUpperRight",
                                 "cpLeftCenter", "cpCenter",      "cpRightCenter",
                                 "cpLowerLeft",  "cpLowerCenter", "cpLowerRight"};
    return names;
}
const TEnumInfo& CondenseCaptionNames() {
    static const TEnumInfo names{"ccNone", "ccAtEnd", "ccWithinPath"};
    return names;
}
const TEnumInfo& RotationNames() {
    static const TEnumInfo names{"roNone", "roFlat", "roCurve"};
    return names;
}
const TEnumInfo& TextStyleNames() {
    static const TEnumInfo names{"tsNormal", "tsRaised", "tsRecessed", "tsShadow"};
    return names;
}

TRzLabel::TRzLabel(TComponent* owner) : TLabel(owner), TRzFrameControllerLink(this) {
    SetSelfPainted(true);
    FNormalColor = FCurrentColor = Font()->Color();
    AddBlinker(this);
}

TRzLabel::~TRzLabel() {
    RemoveBlinker(this);
    SetFrameController(nullptr);
}

void TRzLabel::Publish(TPublisher<TRzLabel>& p) {
    using L = TRzLabel;
    p.Integer("Angle", &L::Angle, &L::SetAngle).Default(0);
    p.Integer("BevelWidth", &L::BevelWidth, &L::SetBevelWidth).Default(1);
    p.Color("BlinkColor", &L::BlinkColor, &L::SetBlinkColor).Default(clHighlight);
    p.Boolean("Blinking", &L::Blinking, &L::SetBlinking).Default(false);
    p.Integer("BlinkIntervalOff", &L::GetBlinkIntervalOff, &L::SetBlinkIntervalOff).Default(500);
    p.Integer("BlinkIntervalOn", &L::GetBlinkIntervalOn, &L::SetBlinkIntervalOn).Default(500);
    p.Color("BorderColor", &L::BorderColor, &L::SetBorderColor).Default(clBtnFace);
    p.Color("BorderHighlight", &L::BorderHighlight, &L::SetBorderHighlight).Default(clBtnHighlight);
    p.Enumeration("BorderInner", FrameStyleNames(), &L::BorderInner, &L::SetBorderInner)
        .Default(fsNone);
    p.Enumeration("BorderOuter", FrameStyleNames(), &L::BorderOuter, &L::SetBorderOuter)
        .Default(fsNone);
    p.Color("BorderShadow", &L::BorderShadow, &L::SetBorderShadow).Default(clBtnShadow);
    p.Set("BorderSides", SideNames(), &L::BorderSides, &L::SetBorderSides)
        .Default(int64_t(sdAllSides.Mask()));
    p.Integer("BorderWidth", &L::BorderWidth, &L::SetBorderWidth).Default(0);
    p.Enumeration("CenterPoint", CenterPointNames(), &L::CenterPoint, &L::SetCenterPoint)
        .Default(cpCenter);
    p.Enumeration("CondenseCaption", CondenseCaptionNames(), &L::CondenseCaption,
                  &L::SetCondenseCaption)
        .Default(ccNone);
    p.Color("FlatColor", &L::FlatColor, &L::SetFlatColor).Default(clBtnShadow);
    p.Integer("FlatColorAdjustment", &L::FlatColorAdjustment, &L::SetFlatColorAdjustment)
        .Default(30);
    p.Color("FlyByColor", &L::FlyByColor, &L::SetFlyByColor).Default(clHighlight);
    p.Boolean("FlyByEnabled", &L::FlyByEnabled, &L::SetFlyByEnabled).Default(false);
    p.Component("FrameController", &L::FrameController, &L::SetFrameController);
    p.Set("FrameControllerNotifications", FrameControllerNotificationNames(),
          &L::FrameControllerNotifications, &L::SetFrameControllerNotifications)
        .Default(int64_t(fcpAllSettings.Mask()));
    p.Color("HighlightColor", &L::HighlightColor, &L::SetHighlightColor).Default(clBtnHighlight);
    p.Boolean("LightTextStyle", &L::LightTextStyle, &L::SetLightTextStyle).Default(false);
    p.Enumeration("Rotation", RotationNames(), &L::Rotation, &L::SetRotation).Default(roNone);
    p.Color("ShadowColor", &L::ShadowColor, &L::SetShadowColor).Default(clBtnShadow);
    p.Integer("ShadowDepth", &L::ShadowDepth, &L::SetShadowDepth).Default(2);
    p.Integer("TextMargin", &L::TextMargin, &L::SetTextMargin).Default(0);
    p.Enumeration("TextStyle", TextStyleNames(), &L::TextStyle, &L::SetTextStyle).Default(tsNormal);
}

void TRzLabel::DefineProperties(TFiler& filer) {
    TLabel::DefineProperties(filer);
    filer.DefineProperty(
        "FrameSides", [](TReader& reader) { reader.SkipValue(); }, nullptr, false);
}

// --- Angle and rotation.

void TRzLabel::EnsureTurnableFont() {
    if (!IsTrueTypeFont(*Font())) Font()->SetName("Verdana");
}

void TRzLabel::SetAngle(int value) {
    value = value < 0 ? 360 + value % 360 : value % 360;
    if (value == 360) value = 0;
    if (value == FAngle) return;
    FAngle = value;
    if (!Loading() && value != 0) EnsureTurnableFont();
    if (value != 0 && FRotation == roNone) FRotation = roFlat;
    AdjustBounds();
    Invalidate();
}

void TRzLabel::SetRotation(TRotation value) {
    if (value == FRotation) return;
    FRotation = value;
    if (!Loading() && value != roNone) EnsureTurnableFont();
    if (value != roCurve) FAngle = 0;
    if (value == roFlat) FCenterPoint = cpCenter;
    AdjustBounds();
    Invalidate();
}

void TRzLabel::Loaded() {
    TLabel::Loaded();
    if (FRotation == roNone && FAngle != 0) FRotation = roFlat;
    if (FRotation != roNone) EnsureTurnableFont();
    FNormalColor = FCurrentColor = Font()->Color();
    AdjustBounds();
}

void TRzLabel::FontChanged() {
    if (!Loading()) {
        if (!FBlinking) FNormalColor = FCurrentColor = Font()->Color();
        if (FAngle != 0 && !IsTrueTypeFont(*Font())) FAngle = 0;
    }
    TLabel::FontChanged();
    Invalidate();
}

void TRzLabel::TextChanged() {
    TLabel::TextChanged();
    Invalidate();
}

void TRzLabel::ColorChanged() {
    TLabel::ColorChanged();
    Invalidate();
}

// --- Plain settings: store, then repaint or, for what changes the size, size again.

void TRzLabel::ChangedBorders() {
    AdjustBounds();
    Invalidate();
}

namespace {
template <class V>
bool Store(V& field, V value) {
    if (field == value) return false;
    field = value;
    return true;
}
}  // namespace

void TRzLabel::SetBevelWidth(int value) {
    if (Store(FBorders.BevelWidth, value)) ChangedBorders();
}
void TRzLabel::SetBorderSides(TSides value) {
    if (Store(FBorders.Sides, value)) ChangedBorders();
}
void TRzLabel::SetBorderInner(TFrameStyleEx value) {
    if (Store(FBorders.Inner, value)) ChangedBorders();
}
void TRzLabel::SetBorderOuter(TFrameStyleEx value) {
    if (Store(FBorders.Outer, value)) ChangedBorders();
}
void TRzLabel::SetBorderWidth(int value) {
    if (Store(FBorders.BorderWidth, value)) ChangedBorders();
}
void TRzLabel::SetTextMargin(int value) {
    if (Store(FTextMargin, value)) ChangedBorders();
}
void TRzLabel::SetShadowDepth(int value) {
    if (Store(FShadowDepth, value)) ChangedBorders();
}
void TRzLabel::SetTextStyle(TTextStyle value) {
    if (Store(FTextStyle, value)) ChangedBorders();
}
void TRzLabel::SetBorderColor(TColor value) {
    if (Store(FBorders.BorderColor, value)) Invalidate();
}
void TRzLabel::SetBorderHighlight(TColor value) {
    if (Store(FBorders.Highlight, value)) Invalidate();
}
void TRzLabel::SetBorderShadow(TColor value) {
    if (Store(FBorders.Shadow, value)) Invalidate();
}
void TRzLabel::SetFlatColor(TColor value) {
    if (Store(FBorders.FlatColor, value)) Invalidate();
}
void TRzLabel::SetFlatColorAdjustment(int value) {
    if (Store(FBorders.FlatAdjustment, value)) Invalidate();
}
void TRzLabel::SetCenterPoint(TCenterPoint value) {
    if (Store(FCenterPoint, value)) Invalidate();
}
void TRzLabel::SetHighlightColor(TColor value) {
    if (Store(FHighlightColor, value)) Invalidate();
}
void TRzLabel::SetShadowColor(TColor value) {
    if (Store(FShadowColor, value)) Invalidate();
}
void TRzLabel::SetLightTextStyle(bool value) {
    if (Store(FLightTextStyle, value)) Invalidate();
}
void TRzLabel::SetFlyByColor(TColor value) { FFlyByColor = value; }

void TRzLabel::SetCondenseCaption(TRzCondenseCaption value) {
    if (!Store(FCondenseCaption, value)) return;
    if (value != ccNone) SetAutoSize(false);
    Invalidate();
}

// --- Blinking.

int TRzLabel::GetBlinkIntervalOff() const { return BlinkingControls()->IntervalOff(); }
void TRzLabel::SetBlinkIntervalOff(int value) { BlinkingControls()->SetIntervalOff(value); }
int TRzLabel::GetBlinkIntervalOn() const { return BlinkingControls()->IntervalOn(); }
void TRzLabel::SetBlinkIntervalOn(int value) { BlinkingControls()->SetIntervalOn(value); }

void TRzLabel::SetBlinkColor(TColor value) {
    if (!Store(FBlinkColor, value)) return;
    if (FBlinkOn) FCurrentColor = value;
    Invalidate();
}

void TRzLabel::SetBlinking(bool value) {
    if (!Store(FBlinking, value)) return;
    if (!value) ApplyBlinkState(false);
}

void TRzLabel::Blink(bool on) {
    if (FBlinking) ApplyBlinkState(on);
}

void TRzLabel::ApplyBlinkState(bool on) {
    FBlinkOn = on;
    FCurrentColor = on ? FBlinkColor : FNormalColor;
    Repaint();
}

// --- Fly-by: the font takes another colour while the mouse is over the label.

void TRzLabel::SetFlyByEnabled(bool value) {
    if (!Store(FFlyByEnabled, value)) return;
    if (!value && FMouseInside) {
        FMouseInside = false;
        Font()->SetColor(FFlyBySavedColor);
    }
}

void TRzLabel::MouseEnter() {
    if (FFlyByEnabled && !FMouseInside) {
        FMouseInside = true;
        FFlyBySavedColor = Font()->Color();
        Font()->SetColor(FFlyByColor);
    }
    if (OnMouseEnter) Fire([this] { OnMouseEnter(this); });
    TLabel::MouseEnter();
}

void TRzLabel::MouseLeave() {
    if (FFlyByEnabled && FMouseInside) {
        FMouseInside = false;
        Font()->SetColor(FFlyBySavedColor);
    }
    if (OnMouseLeave) Fire([this] { OnMouseLeave(this); });
    TLabel::MouseLeave();
}

// --- Frame controller.

void TRzLabel::Notification(TComponent* component, TOperation operation) {
    TLabel::Notification(component, operation);
    FrameControllerNotification(component, operation);
}

void TRzLabel::ApplyFrameController(TRzFrameController* controller) {
    if (!controller || !controller->FrameVisible()) return;
    const TRzFrameControllerNotifications n = FrameControllerNotifications();
    if (n.Contains(fcpFrameStyle)) FBorders.Outer = controller->FrameStyle();
    if (n.Contains(fcpFrameSides)) FBorders.Sides = controller->FrameSides();
    if (n.Contains(fcpFrameColor)) {
        FBorders.FlatColor = controller->FrameColor();
        FBorders.FlatAdjustment = 0;
    }
    if (n.Contains(fcpColor)) SetColor(controller->Color());
    if (n.Contains(fcpParentColor)) SetParentColor(controller->ParentColor());
    if (n.Contains(fcpColor)) {
        FBorders.Highlight = RzColor::LightenColor(Color(), 100);
        FBorders.Shadow = RzColor::DarkenColor(Color(), 50);
    }
    ChangedBorders();
}

// --- Borders and size.

int TRzLabel::BorderThickness(TFrameStyle style) const {
    switch (style) {
        case fsNone:
            return 0;
        case fsFlat:
            return 1;
        case fsStatus:
        case fsPopup:
            return FBorders.BevelWidth;
        default:
            return 2;
    }
}

TRect TRzLabel::ShrinkBySides(TRect r, int amount) const {
    if (FBorders.Sides.Contains(sdLeft)) r.Left += amount;
    if (FBorders.Sides.Contains(sdTop)) r.Top += amount;
    if (FBorders.Sides.Contains(sdRight)) r.Right -= amount;
    if (FBorders.Sides.Contains(sdBottom)) r.Bottom -= amount;
    return r;
}

void TRzLabel::GrowBySides(TSize& extent, int amount) const {
    if (FBorders.Sides.Contains(sdLeft)) extent.cx += amount;
    if (FBorders.Sides.Contains(sdRight)) extent.cx += amount;
    if (FBorders.Sides.Contains(sdTop)) extent.cy += amount;
    if (FBorders.Sides.Contains(sdBottom)) extent.cy += amount;
}

TRect TRzLabel::AdjustRectForBorders(TRect rect, bool withBorderWidth) const {
    if (withBorderWidth) {
        const int b = FBorders.BorderWidth;
        rect = TRect{rect.Left + b, rect.Top + b, rect.Right - b, rect.Bottom - b};
    }
    rect = ShrinkBySides(rect, BorderThickness(FBorders.Outer));
    return ShrinkBySides(rect, BorderThickness(FBorders.Inner));
}

TSize TRzLabel::ExtentWithBorders(TSize extent) const {
    GrowBySides(extent, BorderThickness(FBorders.Outer) + FBorders.BorderWidth +
                            BorderThickness(FBorders.Inner));
    extent.cx += 2 * FTextMargin;
    extent.cy += 2 * FTextMargin;
    if (FTextStyle == tsShadow && FRotation == roNone) {
        extent.cx += FShadowDepth;
        extent.cy += FShadowDepth;
    }
    if (FRotation == roFlat && FAngle != 0 && FAngle != 180) {
        if (FTextStyle == tsShadow) {
            extent.cx += FShadowDepth / 2;
            extent.cy += FShadowDepth / 2;
        }
        double theta = (FAngle % 90) * std::numbers::pi / 180;
        if (FAngle == 90 || FAngle == 270) theta += std::numbers::pi / 2;
        const double w = extent.cx, h = extent.cy;
        extent.cx = RoundToInt(w * std::cos(theta) + h * std::sin(theta));
        extent.cy = RoundToInt(w * std::sin(theta) + h * std::cos(theta));
    }
    return extent;
}

void TRzLabel::AdjustBounds() {
    if (!AutoSize() || ComponentState().Contains(csReading)) return;
    TRect r = AdjustRectForBorders(ClientRect(), true);
    r = TRect{0, 0, r.Width(), r.Height()};
    TBitmap screen(1, 1);
    TCanvas& canvas = *screen.Canvas();
    canvas.Font()->Assign(Font());
    const TWrappedText text = WrapText(canvas, ShownCaption(), WordWrap() ? r.Width() : 0);
    const TSize size = ExtentWithBorders(text.Extent);
    const int left = Alignment() == taRightJustify ? Left() + Width() - size.cx : Left();
    SetBounds(left, Top(), size.cx, size.cy);
}

TPoint TRzLabel::CenterOfRotation() const {
    const int w = Width(), h = Height(), b = FBorders.BorderWidth;
    if (FRotation == roFlat) return TPoint{w / 2, h / 2};
    switch (FCenterPoint) {
        case cpUpperLeft:
            return TPoint{b, b};
        case cpUpperCenter:
            return TPoint{w / 2, b};
        case cpUpperRight:
            return TPoint{w - b, b};
        case cpLeftCenter:
            return TPoint{b, h / 2};
        case cpRightCenter:
            return TPoint{w - b, h / 2};
        case cpLowerLeft:
            return TPoint{b, h - b};
        case cpLowerCenter:
            return TPoint{w / 2, h - b};
        case cpLowerRight:
            return TPoint{w - b, h - b};
        default:
            return TPoint{w / 2, h / 2};
    }
}

TPoint TRzLabel::ArcRadius() const {
    const int w = Width(), h = Height(), a = 2 * FBorders.BorderWidth;
    switch (FCenterPoint) {
        case cpUpperCenter:
        case cpLowerCenter:
            return TPoint{w / 2 - a, h - a};
        case cpLeftCenter:
        case cpRightCenter:
            return TPoint{w - a, h / 2 - a};
        case cpCenter:
            return TPoint{w / 2 - a, h / 2 - a};
        default:
            return TPoint{w - a, h - a};
    }
}
