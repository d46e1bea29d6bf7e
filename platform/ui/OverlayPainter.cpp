#include "platform/ui/OverlayPainter.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/ClearKey.h"
#include "platform/ui/Control.h"

namespace {

class TOverlayWidget : public QWidget {
public:
    TOverlayWidget(QWidget* host, TOverlayPainter painter)
        : QWidget(host), FPainter(std::move(painter)) {
        setObjectName("kvOverlay");
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        host->installEventFilter(this);
        Follow();
        show();
    }
    void SetPainter(TOverlayPainter painter) {
        FPainter = std::move(painter);
        update();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent() &&
            (event->type() == QEvent::Resize || event->type() == QEvent::ChildAdded))
            Follow();
        return false;
    }
    void paintEvent(QPaintEvent*) override {
        if (!FPainter || width() <= 0 || height() <= 0) return;
        TBitmap bitmap(width(), height());
        FillWithClearKey(bitmap);
        FPainter(*bitmap.Canvas());
        QPainter(this).drawImage(0, 0, ClearKeyedImage(bitmap));
    }

private:
    // Covers the whole host and stays above its other children.
    void Follow() {
        setGeometry(0, 0, parentWidget()->width(), parentWidget()->height());
        raise();
    }
    TOverlayPainter FPainter;
};

TOverlayWidget* OverlayOf(TControl& control) {
    return control.Widget()->findChild<TOverlayWidget*>("kvOverlay", Qt::FindDirectChildrenOnly);
}

}  // namespace

void SetOverlayPainter(TControl& control, TOverlayPainter painter) {
    TOverlayWidget* overlay = OverlayOf(control);
    if (!painter) {
        delete overlay;
        return;
    }
    if (overlay)
        overlay->SetPainter(std::move(painter));
    else
        new TOverlayWidget(control.Widget(), std::move(painter));
}

void InvalidateOverlay(TControl& control) {
    if (TOverlayWidget* overlay = OverlayOf(control)) overlay->update();
}
