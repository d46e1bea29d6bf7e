#include "platform/ui/PaintSurface.h"

#include <QPainter>
#include <QWidget>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicsLimits.h"

namespace {
class TSurfaceWidget : public QWidget {
public:
    TPaintSurface* surface = nullptr;

protected:
    void paintEvent(QPaintEvent*) override {
        if (surface) surface->PaintEvent();
    }
};
}  // namespace

QWidget* TPaintSurface::NewWidget() {
    auto* w = new TSurfaceWidget;
    // The surface covers every pixel: nothing to erase before the copy.
    w->setAttribute(Qt::WA_OpaquePaintEvent);
    return w;
}

TPaintSurface::TPaintSurface(QWidget* widget, std::function<void()> paint)
    : FWidget(widget), FPaint(std::move(paint)), FBitmap(std::make_unique<TBitmap>()) {
    static_cast<TSurfaceWidget*>(widget)->surface = this;
}

TPaintSurface::~TPaintSurface() { static_cast<TSurfaceWidget*>(FWidget)->surface = nullptr; }

void TPaintSurface::EnsureSize() {
    const TSize size =
        BoundedRasterSize(std::max(FWidget->width(), 1), std::max(FWidget->height(), 1));
    if (FBitmap->Width() != size.cx || FBitmap->Height() != size.cy) {
        FBitmap->SetSize(size.cx, size.cy);
        FInvalid = true;
    }
}

TCanvas* TPaintSurface::Canvas() {
    EnsureSize();
    FWidget->update();  // what the caller draws reaches the screen at the next turn
    return FBitmap->Canvas();
}

TCanvas* TPaintSurface::CanvasAsIs() { return FBitmap->Canvas(); }

TBitmap& TPaintSurface::Bitmap() {
    EnsureSize();
    return *FBitmap;
}

void TPaintSurface::Flush() { FWidget->repaint(); }

void TPaintSurface::Invalidate() {
    FInvalid = true;
    FWidget->update();
}

void TPaintSurface::Repaint() {
    FInvalid = true;
    EnsureSize();
    if (!FPainting) {
        FPainting = true;
        FInvalid = false;
        FPaint();
        FPainting = false;
    }
    FWidget->repaint();
}

void TPaintSurface::PaintEvent() {
    EnsureSize();
    if (FInvalid && !FPainting) {
        FPainting = true;
        FInvalid = false;
        FPaint();
        FPainting = false;
    }
    QPainter painter(FWidget);
    painter.drawImage(0, 0, FBitmap->Image());
    // What the bitmap does not keep of a huge widget (the widget paints opaquely).
    const QRect kept(0, 0, FBitmap->Width(), FBitmap->Height());
    const QBrush background = FWidget->palette().window();
    if (FWidget->width() > kept.width())
        painter.fillRect(kept.width(), 0, FWidget->width() - kept.width(), FWidget->height(),
                         background);
    if (FWidget->height() > kept.height())
        painter.fillRect(0, kept.height(), kept.width(), FWidget->height() - kept.height(),
                         background);
}
