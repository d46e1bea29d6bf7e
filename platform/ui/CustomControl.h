#pragma once
// Controls that paint themselves on a persistent surface (see TPaintSurface): TCustomControl
// holds other controls and takes the focus, TGraphicControl does neither, TPaintBox hands its
// painting to OnPaint. Before Paint the surface is erased (EraseBackground: filled with Color,
// unless clNone). A see-through control first takes what its parent shows behind it, so that
// what it leaves unpainted, erase included, shows its parent.
#include <memory>

#include "platform/ui/Control.h"

class TCanvas;
class TPaintSurface;

class TCustomControl : public TWinControl {
    KV_DECLARE_CLASS(TCustomControl, TWinControl)
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;

    // The client area's canvas, usable at any time; what is drawn persists until the next Paint.
    TCanvas* Canvas();
    // The same canvas object without bringing it to the control's size (see
    // TPaintSurface::CanvasAsIs); Canvas() sizes it when it is drawn on.
    TCanvas* CanvasAsIs();
    void Invalidate() override;
    // Paints now, not at the loop's next turn.
    void Repaint() override;
    bool SeeThrough() const { return FSeeThrough; }
    void SetSeeThrough(bool value);

    TNotifyEvent OnPaint;

protected:
    // Draws the whole client area; the base calls OnPaint.
    virtual void Paint();
    // Clears the surface before Paint; the base fills it with Color (nothing for clNone).
    virtual void EraseBackground();

private:
    void PaintSurface();
    std::unique_ptr<TPaintSurface> FSurface;
    bool FSeeThrough = false;
};

class TGraphicControl : public TControl {
    KV_DECLARE_CLASS(TGraphicControl, TControl)
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;

    TCanvas* Canvas();
    void Invalidate() override;
    void Repaint() override;

    TNotifyEvent OnPaint;

protected:
    virtual void Paint();

private:
    void PaintSurface();
    std::unique_ptr<TPaintSurface> FSurface;
};

class TPaintBox : public TGraphicControl {
    KV_DECLARE_CLASS(TPaintBox, TGraphicControl)
public:
    explicit TPaintBox(TComponent* owner);
    ~TPaintBox() override;
};
