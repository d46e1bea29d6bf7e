#include "chart/foundation/TeePanel.h"

#include <algorithm>

#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeShadow.h"
#include "chart/foundation/View3DOptions.h"
#include "chart/foundation/ZoomPanning.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicsLimits.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/ValueGuard.h"
#include "platform/ui/Mouse.h"

bool PrintClipEnabled = true;
bool MetafileClipEnabled = true;
bool PrintPanelDecoration = false;
bool PanelEraseBackground = false;

// --- Listener list.

int TTeeEventListeners::IndexOf(IPanelListener* Listener) const {
    auto it = std::find(FItems.begin(), FItems.end(), Listener);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

int TTeeEventListeners::Add(IPanelListener* Listener) {
    const int i = IndexOf(Listener);
    if (i >= 0) return i;
    FItems.push_back(Listener);
    return Count() - 1;
}

int TTeeEventListeners::Remove(IPanelListener* Listener) {
    const int i = IndexOf(Listener);
    if (i >= 0) FItems.erase(FItems.begin() + i);
    return i;
}

// --- The caption-less panel.

TCustomPanelNoCaption::TCustomPanelNoCaption(TComponent* owner) : TCustomControl(owner) {
    SetColor(clBtnFace);
}
TCustomPanelNoCaption::~TCustomPanelNoCaption() = default;

void TCustomPanelNoCaption::SetBevelInner(TBevelCut value) {
    if (value == FBevelInner) return;
    FBevelInner = value;
    Invalidate();
}
void TCustomPanelNoCaption::SetBevelOuter(TBevelCut value) {
    if (value == FBevelOuter) return;
    FBevelOuter = value;
    Invalidate();
}
void TCustomPanelNoCaption::SetBevelWidth(int value) {
    if (value == FBevelWidth) return;
    FBevelWidth = value;
    Invalidate();
}
void TCustomPanelNoCaption::SetBorderWidth(int value) {
    if (value == FBorderWidth) return;
    FBorderWidth = value;
    Invalidate();
}

// --- The chart panel.

TCustomTeePanel::TCustomTeePanel(TComponent* owner) : TCustomPanelNoCaption(owner) {
    // Settings are built with repaints held back, so that creation paints nothing.
    FAutoRepaint = false;
    SetBounds(Left(), Top(), 400, 250);
    FView3DOptions = std::make_unique<TView3DOptions>([this] { Repaint3D(); });
    FCanvas = std::make_unique<TTeeCanvas3D>();
    FCanvas->BindCanvas(Canvas());
    FSavedCursor = Cursor();
    FPanning = std::make_unique<TZoomPanning>();
    auto changed = [this](TObject* sender) { SettingChanged(sender); };
    FShadow = std::make_unique<TTeeShadow>(changed);
    FBorder = std::make_unique<TChartHiddenPen>(changed);
    FBorder->SetEndStyle(esFlat);
    FAutoRepaint = true;
}

TCustomTeePanel::~TCustomTeePanel() = default;

void TCustomTeePanel::SettingChanged(TObject*) { Invalidate(); }

void TCustomTeePanel::Invalidate() {
    if (!FAutoRepaint) return;
    if (FCanvas) FCanvas->MarkDirty();
    TCustomPanelNoCaption::Invalidate();
}

TRect TCustomTeePanel::GetPanelRect() const {
    if (Parent()) return ClientRect();
    return TRect{0, 0, Width(), Height()};
}

TRect TCustomTeePanel::BoundedPanelRect() const {
    const TRect r = GetPanelRect();
    const TSize size = BoundedRasterSize(r.Width(), r.Height());
    return TRect{r.Left, r.Top, r.Left + size.cx, r.Top + size.cy};
}

void TCustomTeePanel::SetBorder(const TChartHiddenPen* value) { FBorder->Assign(value); }

void TCustomTeePanel::SetBorderRound(int value) {
    if (value == FBorderRound) return;
    FBorderRound = value;
    if (!ComponentState().Contains(csLoading)) ApplyRoundRegion();
    Invalidate();
}

TPoint TCustomTeePanel::GetMouseClientPos() const { return ScreenToClient(Mouse()->CursorPos()); }

void TCustomTeePanel::ApplyRoundRegion() {
    if (FApplyingRegion || !Parent()) return;
    const TValueGuard<bool> applying(FApplyingRegion, true);
    SetRoundWindowRegion(FBorderRound);
}

void TCustomTeePanel::Resize() {
    TCustomPanelNoCaption::Resize();
    if (FBorderRound > 0 && !ComponentState().Contains(csLoading)) ApplyRoundRegion();
}

void TCustomTeePanel::AssignTo(TPersistent* dest) const {
    if (dynamic_cast<TGraphic*>(dest) || dynamic_cast<TPicture*>(dest)) {
        // Drawing changes only the surface's buffer, not the panel's settings.
        const std::unique_ptr<TBitmap> image = const_cast<TCustomTeePanel*>(this)->RenderToBitmap();
        dest->Assign(image.get());
        return;
    }
    TCustomPanelNoCaption::AssignTo(dest);
}

bool TCustomTeePanel::BufferedDisplay() const { return FCanvas->GetBufferedDisplay(); }
void TCustomTeePanel::SetBufferedDisplay(bool value) { FCanvas->SetBufferedDisplay(value); }
bool TCustomTeePanel::Monochrome() const { return FCanvas->GetMonochrome(); }
void TCustomTeePanel::SetMonochrome(bool value) { FCanvas->SetMonochrome(value); }

void TCustomTeePanel::SetMargin(int index, int value) { SetIntegerValue(FMargins[index], value); }

void TCustomTeePanel::SetMarginUnits(TTeeUnits value) {
    if (value == FMarginUnits) return;
    FMarginUnits = value;
    Invalidate();
}

void TCustomTeePanel::SetShadow(const TTeeShadow* value) { FShadow->Assign(value); }

void TCustomTeePanel::SetView3DOptions(const TView3DOptions* value) {
    FView3DOptions->Assign(value);
}

void TCustomTeePanel::SetView3D(bool value) {
    if (value == FView3D) return;
    SetBooleanValue(FView3D, value);
    TTeeView3DEvent event;
    BroadcastTeeEvent(&event);
}

void TCustomTeePanel::SetStringValue(std::string& Field, const std::string& Value) {
    if (Field == Value) return;
    Field = Value;
    Invalidate();
}
void TCustomTeePanel::SetDoubleValue(double& Field, double Value) {
    if (Field == Value) return;
    Field = Value;
    Invalidate();
}
void TCustomTeePanel::SetColorValue(TColor& Field, TColor Value) {
    if (Field == Value) return;
    Field = Value;
    Invalidate();
}
void TCustomTeePanel::SetBooleanValue(bool& Field, bool Value) {
    if (Field == Value) return;
    Field = Value;
    Invalidate();
}
void TCustomTeePanel::SetIntegerValue(int& Field, int Value) {
    if (Field == Value) return;
    Field = Value;
    Invalidate();
}

void TCustomTeePanel::ApplyBrush(TColor Colour, const TChartBrush* Brush, TColor BackColor) {
    // A hatch in the colour of its background would vanish.
    if (Brush->Style() != bsSolid && Colour == BackColor)
        Colour = BackColor == clBlack ? clWhite : clBlack;
    FCanvas->UseBrushColors(Brush, Colour, BackColor);
}

bool TCustomTeePanel::ClipAllowed() const {
    if (FCanvas->SupportsFreeRotation()) return false;
    if (FPrinting) return PrintClipEnabled;
    if (FCanvas->RecordingMetafile()) return MetafileClipEnabled;
    return true;
}

void TCustomTeePanel::ReplaceCanvas(std::unique_ptr<TCanvas3D> NewCanvas) {
    if (!NewCanvas) return;
    NewCanvas->BindCanvas(Canvas());
    if (FCanvas) {
        TAutoRepaintGuard hold(*this);
        NewCanvas->CopySettingsFrom(*FCanvas);
    }
    FCanvas = std::move(NewCanvas);
    Invalidate();
}

void TCustomTeePanel::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TCustomTeePanel*>(source);
    if (!other) {
        TCustomPanelNoCaption::Assign(source);
        return;
    }
    SetBorder(other->Border());
    SetBorderRound(other->BorderRound());
    SetBufferedDisplay(other->BufferedDisplay());
    FPrintMargins = other->FPrintMargins;
    FPrintProportional = other->FPrintProportional;
    FPrintResolution = other->FPrintResolution;
    for (int i = 0; i < 4; ++i) SetMargin(i, other->Margin(i));
    SetMarginUnits(other->MarginUnits());
    SetMonochrome(other->Monochrome());
    SetShadow(other->Shadow());
    SetView3D(other->View3D());
    SetView3DOptions(other->View3DOptions());
    SetColor(other->Color());
    SetBevelOuter(other->BevelOuter());
    SetBevelInner(other->BevelInner());
}

void TCustomTeePanel::Loaded() {
    TCustomPanelNoCaption::Loaded();
    FSavedCursor = Cursor();
    if (FBorderRound > 0) ApplyRoundRegion();
}

void TCustomTeePanel::DefineProperties(TFiler& filer) {
    TCustomPanelNoCaption::DefineProperties(filer);
    const TRect& m = FPrintMargins;
    const bool custom = m.Left != 15 || m.Top != 15 || m.Right != 15 || m.Bottom != 15;
    filer.DefineProperty(
        "PrintMargins",
        [this](TReader& reader) {
            reader.ReadListBegin();
            int* sides[4] = {&FPrintMargins.Left, &FPrintMargins.Top, &FPrintMargins.Right,
                             &FPrintMargins.Bottom};
            for (int* side : sides) *side = static_cast<int>(reader.ReadInteger());
            reader.ReadListEnd();
        },
        [this](TWriter& writer) {
            writer.WriteListBegin();
            writer.WriteInteger(FPrintMargins.Left);
            writer.WriteInteger(FPrintMargins.Top);
            writer.WriteInteger(FPrintMargins.Right);
            writer.WriteInteger(FPrintMargins.Bottom);
            writer.WriteListEnd();
        },
        custom);
    filer.DefineProperty(
        "BorderStyle",
        [this](TReader& reader) { FBorder->SetVisible(reader.ReadIdent() == "bsSingle"); }, nullptr,
        false);
}

// --- Events to listeners.

TTeeEvent* TCustomTeePanel::BroadcastTeeEvent(TTeeEvent* Event) {
    if (ComponentState().Contains(csDestroying)) return Event;
    Event->Sender = this;
    const bool isMouse = dynamic_cast<TTeeMouseEvent*>(Event) != nullptr;
    // A listener may add or remove listeners while it handles the event: go through the list
    // as it was, skipping any that left meanwhile, so that no one misses the event because an
    // earlier one removed itself.
    std::vector<IPanelListener*> snapshot;
    snapshot.reserve(FListeners.Count());
    for (int i = 0; i < FListeners.Count(); ++i) snapshot.push_back(FListeners[i]);
    for (IPanelListener* listener : snapshot) {
        if (FListeners.IndexOf(listener) < 0) continue;
        listener->HandleTeeEvent(Event);
        if (isMouse && FCancelMouse) break;
    }
    return Event;
}

void TCustomTeePanel::BroadcastMouseEvent(TTeeMouseEventKind Kind, TMouseButton Button,
                                          TShiftState Shift, int X, int Y) {
    if (FListeners.Count() == 0) return;
    TTeeMouseEvent event;
    event.Kind = Kind;
    event.Button = Button;
    event.Shift = Shift;
    event.X = X;
    event.Y = Y;
    BroadcastTeeEvent(&event);
}

void TCustomTeePanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    FCancelMouse = false;
    TCustomPanelNoCaption::MouseDown(button, shift, x, y);
    BroadcastMouseEvent(tmeDown, button, shift, x, y);
}

// The flag is left as the mouse-down's listeners set it: a cancelled press cancels its release.
void TCustomTeePanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomPanelNoCaption::MouseUp(button, shift, x, y);
    BroadcastMouseEvent(tmeUp, button, shift, x, y);
}

void TCustomTeePanel::MouseMove(TShiftState shift, int x, int y) {
    FCancelMouse = false;
    TCustomPanelNoCaption::MouseMove(shift, x, y);
    BroadcastMouseEvent(tmeMove, mbLeft, shift, x, y);
}

void TCustomTeePanel::DblClick() {
    FCancelMouse = false;
    TCustomPanelNoCaption::DblClick();
    // A handler that set CancelMouse ends the double click here; nothing follows it.
}

void TCustomTeePanel::ColorChanged() {
    TCustomPanelNoCaption::ColorChanged();
    SetSeeThrough(Color() == clNone);
}

void TCustomTeePanel::EraseBackground() {
    if (PanelEraseBackground) TCustomPanelNoCaption::EraseBackground();
}

void TCustomTeePanel::SysColorChange() {
    TCustomPanelNoCaption::SysColorChange();
    Invalidate();
}

void TCustomTeePanel::MouseLeave() {
    SetCursor(FSavedCursor);
    FPanning->Active = false;
    TCustomPanelNoCaption::MouseLeave();
}
