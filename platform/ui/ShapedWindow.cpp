#include "platform/ui/ShapedWindow.h"

#include <QPainter>
#include <QRegion>
#include <QWidget>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Region.h"

namespace {
class TShapedWidget : public QWidget {
public:
    explicit TShapedWidget(const TBitmap& picture)
        : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint), FPicture(picture) {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (FPicture.Empty()) return;
        QPainter painter(this);
        painter.drawImage(0, 0, FPicture.Image());
    }

private:
    const TBitmap& FPicture;
};
}  // namespace

struct TShapedWindow::TImpl {
    TBitmap picture;
    TRegion shape;
    TShapedWidget widget{picture};
};

TShapedWindow::TShapedWindow() : FImpl(std::make_unique<TImpl>()) {}

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
