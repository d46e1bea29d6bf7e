#pragma once
// The windowed control at the root of every chart. It owns the drawing surface, the 3-D view
// options, the border pen, the panel shadow and the listeners; it computes the chart rectangle
// (the panel less frame, margins and shadow) and draws itself into any canvas: its own window,
// a bitmap, a metafile or the printer. Its contents come from descendants through InternalDraw.
#include <memory>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Geometry.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/Panel.h"

class TCanvas;
class TCanvas3D;
class TMetafile;
class TChartHiddenPen;
class TChartBrush;
class TTeeShadow;
class TView3DOptions;
class TZoomPanning;
class TCustomTeePanel;
class TPen;

// What a panel tells its listeners.
class TTeeEvent {
public:
    virtual ~TTeeEvent() = default;
    TCustomTeePanel* Sender = nullptr;
};

enum TTeeMouseEventKind : unsigned char { tmeDown, tmeUp, tmeMove };

class TTeeMouseEvent : public TTeeEvent {
public:
    TTeeMouseEventKind Kind = tmeDown;
    TMouseButton Button = mbLeft;
    TShiftState Shift;
    int X = 0;
    int Y = 0;
};

class TTeeView3DEvent : public TTeeEvent {};

// Tools, navigators and editors listen to a panel. The panel does not own them: a listener
// removes itself (RemoveListener) before it goes away.
class IPanelListener {
public:
    virtual ~IPanelListener() = default;
    virtual void HandleTeeEvent(TTeeEvent* Event) = 0;
};

class TTeeEventListeners {
public:
    // The listener's index; a listener already there keeps its place.
    int Add(IPanelListener* Listener);
    // The listener's former index, or -1 when it was not there.
    int Remove(IPanelListener* Listener);
    int IndexOf(IPanelListener* Listener) const;
    int Count() const { return static_cast<int>(FItems.size()); }
    IPanelListener* operator[](int Index) const { return FItems.at(Index); }

private:
    std::vector<IPanelListener*> FItems;
};

enum TTeeUnits { muPercent, muPixels };

using TTeePrintEvent = std::function<void(TCustomTeePanel* Sender, TCanvas* Canvas, TRect& R)>;

// The panels that never show their name as a caption.
class TCustomPanelNoCaption : public TCustomControl {
    KV_DECLARE_CLASS(TCustomPanelNoCaption, TCustomControl)
public:
    explicit TCustomPanelNoCaption(TComponent* owner);
    ~TCustomPanelNoCaption() override;

    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut value);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);

private:
    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvRaised;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
};

class TCustomTeePanel : public TCustomPanelNoCaption {
    KV_DECLARE_CLASS(TCustomTeePanel, TCustomPanelNoCaption)
public:
    explicit TCustomTeePanel(TComponent* owner);
    ~TCustomTeePanel() override;

    // --- Settings.
    TChartHiddenPen* Border() const { return FBorder.get(); }
    void SetBorder(const TChartHiddenPen* value);
    int BorderRound() const { return FBorderRound; }
    void SetBorderRound(int value);
    bool BufferedDisplay() const;
    void SetBufferedDisplay(bool value);
    int Margin(int index) const { return FMargins[index]; }
    void SetMargin(int index, int value);
    int MarginLeft() const { return FMargins[0]; }
    void SetMarginLeft(int v) { SetMargin(0, v); }
    int MarginTop() const { return FMargins[1]; }
    void SetMarginTop(int v) { SetMargin(1, v); }
    int MarginRight() const { return FMargins[2]; }
    void SetMarginRight(int v) { SetMargin(2, v); }
    int MarginBottom() const { return FMargins[3]; }
    void SetMarginBottom(int v) { SetMargin(3, v); }
    TTeeUnits MarginUnits() const { return FMarginUnits; }
    void SetMarginUnits(TTeeUnits value);
    bool Monochrome() const;
    void SetMonochrome(bool value);
    bool PrintProportional() const { return FPrintProportional; }
    void SetPrintProportional(bool value) { FPrintProportional = value; }
    int PrintResolution() const { return FPrintResolution; }
    void SetPrintResolution(int value) { FPrintResolution = value; }
    // Percentages of the page: left, top, right, bottom.
    const TRect& PrintMargins() const { return FPrintMargins; }
    void SetPrintMargins(const TRect& value) { FPrintMargins = value; }
    TTeeShadow* Shadow() const { return FShadow.get(); }
    void SetShadow(const TTeeShadow* value);
    bool View3D() const { return FView3D; }
    void SetView3D(bool value);
    TView3DOptions* View3DOptions() const { return FView3DOptions.get(); }
    void SetView3DOptions(const TView3DOptions* value);
    TZoomPanning* Panning() const { return FPanning.get(); }

    bool AutoRepaint() const { return FAutoRepaint; }
    void SetAutoRepaint(bool value) { FAutoRepaint = value; }
    bool ZOrderingEnabled() const { return FZOrderingEnabled; }
    void SetZOrderingEnabled(bool value) { FZOrderingEnabled = value; }
    bool CancelMouse() const { return FCancelMouse; }
    void SetCancelMouse(bool value) { FCancelMouse = value; }
    bool Printing() const { return FPrinting; }
    // The cursor the panel shows when nothing under the mouse sets another.
    TCursor SavedCursor() const { return FSavedCursor; }
    void SetSavedCursor(TCursor value) { FSavedCursor = value; }
    bool UseCustomChartRect() const { return FUseCustomChartRect; }
    void SetUseCustomChartRect(bool value) { FUseCustomChartRect = value; }
    const TRect& CustomChartRect() const { return FCustomChartRect; }
    void SetCustomChartRect(const TRect& value) { FCustomChartRect = value; }
    int Width3D() const { return FWidth3D; }
    void SetWidth3D(int value) { FWidth3D = value; }
    int Height3D() const { return FHeight3D; }
    void SetHeight3D(int value) { FHeight3D = value; }

    // --- State of the last drawing pass.
    TCanvas3D* Canvas3D() const { return FCanvas.get(); }
    const TRect& ChartRect() const { return FChartRect; }
    void SetChartRect(const TRect& value) { FChartRect = value; }
    const TRect& DrawingRect() const { return FDrawingRect; }
    int ChartWidth() const { return FChartWidth; }
    int ChartHeight() const { return FChartHeight; }
    int ChartCenterX() const { return FChartCenterX; }
    int ChartCenterY() const { return FChartCenterY; }

    // --- Operations (virtual ones in the order descendants override them).
    virtual TColor GetBackColor() const { return Color(); }
    virtual void SettingChanged(TObject* Sender);
    virtual void Draw(TCanvas* TargetCanvas, const TRect& Rect);
    virtual TRect GetPanelRect() const;
    // The panel's rectangle cut to MaxRasterPixels (GraphicsLimits.h) in its proportions, from
    // its top-left corner: where the panel draws on its window and into its own images, which
    // keep no more than that of a panel declaring any size (40000 x 20000 read from a file).
    TRect BoundedPanelRect() const;
    void Invalidate() override;

    // Draws on the window's image, in BoundedPanelRect.
    void DrawToClient();
    void DrawUnbuffered(TCanvas* TargetCanvas, const TRect& Rect);
    void DrawAsMetafile(TCanvas* TargetCanvas, const TRect& Rect);
    // New images of the panel; the caller owns them. RenderToBitmap's is BoundedPanelRect's size.
    std::unique_ptr<TBitmap> RenderToBitmap();
    std::unique_ptr<TBitmap> RenderRectToBitmap(TColor BackColor, const TRect& Rect,
                                                TPixelFormat PixelFormat);
    std::unique_ptr<TMetafile> RenderToMetafile(bool Enhanced, const TRect& Rect);

    // --- Printing.
    void PrintOnCanvas(TCanvas* TargetCanvas, const TRect& Rect);
    void PrintInRect(const TRect& Rect);
    TRect PrintPageRect();
    TRect ProportionalPrintMargins() const;
    // Rescales R from device units to the panel's logical print extent; gives the extents.
    void CalcPrintExtents(TRect& R, TSize& DeviceExtent, TSize& LogicalExtent) const;

    void ApplyBrush(TColor Colour, const TChartBrush* Brush, TColor BackColor);
    bool ClipAllowed() const;
    void RecomputeChartSize();
    // The panel takes NewCanvas over (with the old surface's settings); nullptr is ignored.
    void ReplaceCanvas(std::unique_ptr<TCanvas3D> NewCanvas);
    // Rounds the window's corners by BorderRound (square again at 0); only inside a parent.
    void ApplyRoundRegion();
    // Where the mouse pointer is, in the panel's client coordinates.
    TPoint GetMouseClientPos() const;

    // --- Listeners.
    TTeeEventListeners& Listeners() { return FListeners; }
    TTeeEvent* BroadcastTeeEvent(TTeeEvent* Event);
    void RemoveListener(IPanelListener* Listener) { FListeners.Remove(Listener); }

    // --- Assign-and-repaint helpers: repaint only when the value changes.
    void SetStringValue(std::string& Field, const std::string& Value);
    void SetDoubleValue(double& Field, double Value);
    void SetColorValue(TColor& Field, TColor Value);
    void SetBooleanValue(bool& Field, bool Value);
    void SetIntegerValue(int& Field, int Value);

    void Assign(const TPersistent* source) override;

    TTeePrintEvent OnBeforePrint;

protected:
    virtual void InternalDraw(const TRect& /*Rect*/) {}
    // Draws the frame and bevels on a copy of Rect.
    virtual void DrawPanelBevels(const TRect& Rect);
    void ComputeChartRect();

    void Paint() override;
    void Loaded() override;
    void Resize() override;
    // A picture or graphic receives the panel drawn as a bitmap.
    void AssignTo(TPersistent* dest) const override;
    // "PrintMargins" (four integers, left when all are 15) and, from older streams only,
    // "BorderStyle" (bsSingle shows the border).
    void DefineProperties(TFiler& filer) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void DblClick() override;
    void MouseLeave() override;
    // A panel of colour clNone is see-through: its window shows what lies behind it.
    void ColorChanged() override;
    // The panel paints every pixel itself: the background is erased only while the global
    // PanelEraseBackground asks for it.
    void EraseBackground() override;
    void SysColorChange() override;
    // Arrow keys: the window layer gives them to the focused control and never moves the focus
    // with them, so the panel (a zoom or scroll tool, a navigator) always receives them.

private:
    void Repaint3D() { Invalidate(); }
    // A see-through panel's buffer starts as what the target shows under Rect.
    void TakeBackgroundFrom(TCanvas* TargetCanvas, const TRect& Rect);
    void BroadcastMouseEvent(TTeeMouseEventKind Kind, TMouseButton Button, TShiftState Shift, int X,
                             int Y);
    void SetPrintMapping(TCanvas* Canvas, TSize Logical, TSize Device);

    bool FZOrderingEnabled = true;
    bool FAutoRepaint = true;
    std::unique_ptr<TChartHiddenPen> FBorder;
    int FBorderRound = 0;
    bool FApplyingRegion = false;
    bool FCancelMouse = false;
    TRect FDrawingRect;
    int FChartWidth = 0;
    int FChartHeight = 0;
    int FChartCenterX = 0;
    int FChartCenterY = 0;
    int FHeight3D = 0;
    int FMargins[4] = {3, 4, 3, 4};
    TTeeUnits FMarginUnits = muPercent;
    TCursor FSavedCursor = crDefault;
    std::unique_ptr<TZoomPanning> FPanning;
    bool FPrinting = false;
    TRect FPrintMargins{15, 15, 15, 15};
    bool FPrintProportional = true;
    int FPrintResolution = 0;
    std::unique_ptr<TTeeShadow> FShadow;
    bool FView3D = true;
    std::unique_ptr<TView3DOptions> FView3DOptions;
    int FWidth3D = 0;
    TRect FCustomChartRect;
    TTeeEventListeners FListeners;
    bool FUseCustomChartRect = false;
    std::unique_ptr<TCanvas3D> FCanvas;
    TRect FChartRect;
};

// Holds a panel's repaints back for a scope and restores the previous AutoRepaint after it.
class TAutoRepaintGuard {
public:
    explicit TAutoRepaintGuard(TCustomTeePanel& Panel)
        : FPanel(Panel), FSaved(Panel.AutoRepaint()) {
        Panel.SetAutoRepaint(false);
    }
    ~TAutoRepaintGuard() { FPanel.SetAutoRepaint(FSaved); }
    TAutoRepaintGuard(const TAutoRepaintGuard&) = delete;
    TAutoRepaintGuard& operator=(const TAutoRepaintGuard&) = delete;

private:
    TCustomTeePanel& FPanel;
    bool FSaved;
};

class TTeeCanvas;
// A raised, lowered or space bevel drawn inside Rect, which then shrinks past it.
void PaintBevel(TTeeCanvas& Canvas, TBevelCut Bevel, TRect& Rect, int RoundSize, int Width);
// The device's physical width over its height, 0 for a device without height.
double DeviceSizeRatio(TCanvas* Canvas);

// Global switches of panel drawing.
extern bool PrintClipEnabled;
extern bool MetafileClipEnabled;
extern bool PrintPanelDecoration;
extern bool PanelEraseBackground;
