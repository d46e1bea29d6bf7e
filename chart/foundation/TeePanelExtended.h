#pragma once
// The chart panel with decoration and interaction settings: the background gradient, the panel
// shadow over the parent's colour, the zoom settings with the zoom rectangle drawn in inverting
// colours while the user drags, the allowed panning directions and a back image. The chart's mouse
// logic reads these settings; the panel only draws.
#include <memory>

#include "chart/foundation/BackImage.h"
#include "chart/foundation/TeePanel.h"

class TTeeGradient;
class TTeeZoom;

enum TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };

class TCustomTeePanelExtended : public TCustomTeePanel {
    KV_DECLARE_CLASS(TCustomTeePanelExtended, TCustomTeePanel)
public:
    explicit TCustomTeePanelExtended(TComponent* owner);
    ~TCustomTeePanelExtended() override;

    TPanningMode AllowPanning() const { return FAllowPanning; }
    void SetAllowPanning(TPanningMode value) { FAllowPanning = value; }
    // Made on first use; null frees it and repaints, another image is copied in.
    TBackImage* BackImage() const;
    TBackImage* BackImageIfAny() const { return FBackImage.get(); }
    void SetBackImage(const TBackImage* value);
    // An image with a graphic that is drawn inside the chart rectangle.
    bool BackImageInside() const;
    void SetBackImageInside(bool value) { BackImage()->SetInside(value); }
    TTeeBackImageMode BackImageMode() const { return BackImage()->Mode(); }
    void SetBackImageMode(TTeeBackImageMode value) { BackImage()->SetMode(value); }
    // The image's graphic is drawn transparent; set only when there is a graphic.
    bool BackImageTransp() const;
    void SetBackImageTransp(bool value);
    // A back image with a graphic.
    bool BackImageAssigned() const;
    void PaintBackImage(const TRect& Rect, int Z);
    // Made on first use; null frees it, another gradient is copied in.
    TTeeGradient* Gradient() const;
    TTeeGradient* GradientIfAny() const { return FGradient.get(); }
    void SetGradient(const TTeeGradient* value);
    TTeeZoom* Zoom() const { return FZoom.get(); }
    void SetZoom(const TTeeZoom* value);
    bool Zoomed() const { return FZoomed; }
    void SetZoomed(bool value) { FZoomed = value; }

    // Tells OnUndoZoom, repaints and forgets the zoom.
    virtual void UndoZoom();
    virtual void FillPanelBackground(const TRect& Rect);
    // Shadow, background and frame of the panel in Rect.
    virtual void DrawPanel(const TRect& Rect);
    void FillPanelRect(const TRect& Rect, TColor Colour, int RoundSize);
    // The rectangle of the zoom corners, inverting what is under it: drawn twice it is gone.
    void DrawZoomRectangle();

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TCustomTeePanelExtended>& p);

    TNotifyEvent OnAfterDraw;
    TNotifyEvent OnScroll;
    TNotifyEvent OnUndoZoom;
    TNotifyEvent OnZoom;

protected:
    // Older streams: "AllowZoom", "AnimatedZoom", "AnimatedZoomSteps" fill the zoom settings.
    void DefineProperties(TFiler& filer) override;

private:
    TPanningMode FAllowPanning = pmBoth;
    mutable std::unique_ptr<TTeeGradient> FGradient;
    std::unique_ptr<TTeeZoom> FZoom;
    mutable std::unique_ptr<TBackImage> FBackImage;
    bool FZoomed = false;
};
