#include "platform/ui/OverlayPainter.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/Control.h"

namespace {

// A colour no painter uses: the pixels left in it become see-through.
constexpr TColor kClearKey = RGB(1, 2, 3);

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
        TCanvas& canvas = *bitmap.Canvas();
        canvas.Brush()->SetColor(kClearKey);
        canvas.FillRect(Rect(0, 0, width(), height()));
        FPainter(canvas);
        QImage image = bitmap.Image().convertToFormat(QImage::Format_ARGB32);
        const QRgb key = qRgb(GetRValue(kClearKey), GetGValue(kClearKey), GetBValue(kClearKey));
        for (int y = 0; y < image.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if ((row[x] & 0xFFFFFF) == (key & 0xFFFFFF)) row[x] = 0;
        }
        QPainter(this).drawImage(0, 0, image);
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
