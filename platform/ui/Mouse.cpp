#include "platform/ui/Mouse.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <cstdlib>

#include "platform/ui/Control.h"
#include "platform/ui/DragOperation.h"

TMouse* Mouse() {
    static TMouse mouse;
    return &mouse;
}

TPoint TMouse::CursorPos() const {
    const QPoint p = QCursor::pos();
    return Point(p.x(), p.y());
}

void TMouse::SetCursorPos(TPoint value) { QCursor::setPos(value.X, value.Y); }

TControl* TMouse::Capture() const { return ControlOfToolkitWidget(QWidget::mouseGrabber()); }

bool TMouse::IsDragging() const { return TDragOperation::Current() != nullptr; }

// ---------------------------------------------------------------------------------------------

namespace {
TDragOperation* Running = nullptr;
}

TDragOperation* TDragOperation::Current() { return Running; }

void TDragOperation::Begin(TControl* source, bool immediate, int threshold, TPoint start) {
    if (Running) return;
    Running = new TDragOperation(source, threshold < 0 ? Mouse()->DragThreshold() : threshold);
    Running->FStart = start;
    source->Widget()->grabMouse();
    if (immediate) Running->Start();
}

namespace {
// Esc anywhere in the program cancels the drag once it is on.
class TEscapeFilter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress ||
            static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape || !Running)
            return false;
        Running->End(false, Mouse()->CursorPos());
        return true;
    }
};
}  // namespace

TDragOperation::TDragOperation(TControl* source, int threshold)
    : FSource(source), FThreshold(threshold) {}

TDragOperation::~TDragOperation() = default;

void TDragOperation::Start() {
    FStarted = true;
    FEscape = std::make_unique<TEscapeFilter>();
    qApp->installEventFilter(FEscape.get());
    FFormerCursor = ScreenCursorShape();
    ShowScreenCursor(crNoDrop);
}

void TDragOperation::Move(TPoint screen) {
    if (!FStarted) {
        if (std::abs(screen.X - FStart.X) < FThreshold &&
            std::abs(screen.Y - FStart.Y) < FThreshold)
            return;
        Start();
    }
    TControl* target = ControlOfToolkitWidget(QApplication::widgetAt(screen.X, screen.Y));
    if (target != FTarget) {
        if (FTarget) Ask(FTarget, screen, dsDragLeave);
        FTarget = target;
        FAccepted = FTarget && Ask(FTarget, screen, dsDragEnter);
    } else if (FTarget) {
        FAccepted = Ask(FTarget, screen, dsDragMove);
    }
    ShowScreenCursor(FAccepted ? FSource->DragCursor() : crNoDrop);
}

bool TDragOperation::Ask(TControl* target, TPoint screen, TDragState state) {
    const TPoint p = target->ScreenToClient(screen);
    bool accept = false;
    target->DragOver(FSource, p.X, p.Y, state, accept);
    return accept;
}

void TDragOperation::End(bool drop, TPoint screen) {
    if (Running != this) return;
    Running = nullptr;
    // Whatever the handlers do, the drag is over: capture and cursor go back first.
    struct TFinish {
        TDragOperation* op;
        ~TFinish() { delete op; }
    } finish{this};
    if (FSource->Widget() == QWidget::mouseGrabber()) FSource->Widget()->releaseMouse();
    if (FStarted) ShowScreenCursor(FFormerCursor);
    if (!FStarted) return;  // never left the threshold: a plain press and release
    TControl* target = drop && FAccepted ? FTarget : nullptr;
    if (FTarget && !target) Ask(FTarget, screen, dsDragLeave);
    const TPoint at = target ? target->ScreenToClient(screen) : FSource->ScreenToClient(screen);
    if (target) target->DragDrop(FSource, at.X, at.Y);
    FSource->DoEndDrag(target, at.X, at.Y);
}

void TDragOperation::SourceGone(TControl* control) {
    if (!Running) return;
    if (Running->FSource == control) {
        if (Running->FStarted) ShowScreenCursor(Running->FFormerCursor);
        delete Running;
        Running = nullptr;
    } else if (Running->FTarget == control) {
        Running->FTarget = nullptr;
        Running->FAccepted = false;
    }
}

bool TDragOperation::SourceEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseMove: {
            const QPoint g = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
            Move(Point(g.x(), g.y()));
            return FStarted;  // the source's own moves stop once the drag is on
        }
        case QEvent::MouseButtonRelease: {
            const QPoint g = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
            const bool started = FStarted;
            End(true, Point(g.x(), g.y()));
            return started;  // a release below the threshold is the plain click it was
        }
        default:
            return false;
    }
}
