#include "platform/ui/ShapedWindow.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QWidget>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Region.h"
#include "platform/ui/Application.h"
#include "platform/ui/ToolkitInput.h"

namespace {
class TShapedWidget : public QWidget {
public:
    TShapedWidget(const TBitmap& picture, const TMouseFilter& onMouse)
        : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint),
          FPicture(picture),
          FOnMouse(onMouse) {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setFocusPolicy(Qt::NoFocus);
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (FPicture.Empty()) return;
        QPainter painter(this);
        painter.drawImage(0, 0, FPicture.Image());
    }
    void mousePressEvent(QMouseEvent* e) override { Report(mmPress, e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { Report(mmDoubleClick, e); }
    void mouseMoveEvent(QMouseEvent* e) override { Report(mmMove, e); }
    void mouseReleaseEvent(QMouseEvent* e) override { Report(mmRelease, e); }

private:
    void Report(TMouseMessageKind kind, QMouseEvent* e) {
        if (!FOnMouse) return;
        const QPoint p = e->position().toPoint();
        const TMouseMessage message = MouseMessageOf(kind, int(e->button()), int(e->modifiers()),
                                                     int(e->buttons()), Point(p.x(), p.y()));
        DispatchEvent([&] { FOnMouse(message); });
    }

    const TBitmap& FPicture;
    const TMouseFilter& FOnMouse;
};
}  // namespace

struct TShapedWindow::TImpl {
    explicit TImpl(const TMouseFilter& onMouse) : widget(picture, onMouse) {}
    TBitmap picture;
    TRegion shape;
    TShapedWidget widget;
};

TShapedWindow::TShapedWindow() : FImpl(std::make_unique<TImpl>(OnMouse)) {}

TShapedWindow::~TShapedWindow() = default;

TRect TShapedWindow::BoundsRect() const {
    const QRect g = FImpl->widget.geometry();
    return Rect(g.x(), g.y(), g.x() + g.width(), g.y() + g.height());
}

void TShapedWindow::SetBoundsRect(const TRect& r) {
    FImpl->widget.setGeometry(r.Left, r.Top, r.Width(), r.Height());
}

const TRegion& TShapedWindow::Shape() const { return FImpl->shape; }

void TShapedWindow::SetShape(const TRegion& region) {
    FImpl->shape = region;
    if (region.IsEmpty()) {
        FImpl->widget.clearMask();
        return;
    }
    QRegion mask;
    for (const TRect& r : region.Rects()) mask += QRect(r.Left, r.Top, r.Width(), r.Height());
    FImpl->widget.setMask(mask);
}

void TShapedWindow::SetPicture(const TBitmap& picture) {
    FImpl->picture.Assign(&picture);
    FImpl->widget.update();
}

const TBitmap& TShapedWindow::Picture() const { return FImpl->picture; }

void TShapedWindow::Show() { FImpl->widget.show(); }

void TShapedWindow::Hide() { FImpl->widget.hide(); }

bool TShapedWindow::Visible() const { return FImpl->widget.isVisible(); }

QWidget* TShapedWindow::Widget() const { return &FImpl->widget; }
