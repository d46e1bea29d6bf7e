#pragma once
// The client area of a control that paints itself: a persistent bitmap that the owner may draw
// into at any time through Canvas (also outside paint events: XOR rubber bands, synchronous
// repaints), and that the widget's paint event only copies to the screen. The paint procedure
// redraws it when it was invalidated or resized. The bitmap takes the widget's size up to
// MaxRasterPixels (GraphicsLimits.h): of a widget larger than that (a size read from a file may
// be anything) it keeps the top-left part, and the rest of the widget shows its background.
#include <functional>
#include <memory>

class QWidget;
class TBitmap;
class TCanvas;

class TPaintSurface {
public:
    // A widget whose paint events are handed to the surface attached to it.
    static QWidget* NewWidget();
    // Attaches to widget (made by NewWidget); paint fills the bitmap.
    TPaintSurface(QWidget* widget, std::function<void()> paint);
    ~TPaintSurface();
    TPaintSurface(const TPaintSurface&) = delete;
    TPaintSurface& operator=(const TPaintSurface&) = delete;

    // The surface's canvas, at the widget's size (within the bound above); the screen shows what is
    // drawn at the loop's next turn (or at once with Flush).
    TCanvas* Canvas();
    // The same canvas at the size the surface has now, neither resized nor shown: for binding a
    // drawing surface that is not drawn on yet (the widget's size may be anything a file says).
    TCanvas* CanvasAsIs();
    TBitmap& Bitmap();
    // Copies the surface to the screen now.
    void Flush();
    // Redraw at the loop's next turn / now.
    void Invalidate();
    void Repaint();
    // The widget's paint event: redraws when invalid, then copies.
    void PaintEvent();

private:
    void EnsureSize();
    QWidget* FWidget;
    std::function<void()> FPaint;
    std::unique_ptr<TBitmap> FBitmap;
    bool FInvalid = true;
    bool FPainting = false;
};
