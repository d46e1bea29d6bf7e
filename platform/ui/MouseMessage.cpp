#include "platform/ui/MouseMessage.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QVariant>
#include <QWidget>

#include "platform/ui/Control.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ToolkitInput.h"

namespace {

Qt::MouseButton ToolkitButton(TMouseButton button) {
    return button == mbRight    ? Qt::RightButton
           : button == mbMiddle ? Qt::MiddleButton
                                : Qt::LeftButton;
}

// Installed after the control's own bridge, so the toolkit asks it first.
class TMouseFilterObject : public QObject {
public:
    TMouseFilterObject(QWidget* widget, TMouseFilter filter)
        : QObject(widget), FFilter(std::move(filter)) {
        setObjectName("kvMouseFilter");
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        TMouseMessageKind kind;
        switch (event->type()) {
            case QEvent::MouseButtonPress:
                kind = mmPress;
                break;
            case QEvent::MouseButtonDblClick:
                kind = mmDoubleClick;
                break;
            case QEvent::MouseMove:
                kind = mmMove;
                break;
            case QEvent::MouseButtonRelease:
                kind = mmRelease;
                break;
            default:
                return false;
        }
        auto* e = static_cast<QMouseEvent*>(event);
        const QPoint p = e->position().toPoint();
        const TMouseMessage message = MouseMessageOf(kind, int(e->button()), int(e->modifiers()),
                                                     int(e->buttons()), Point(p.x(), p.y()));
        bool handled = false;
        DispatchEvent([&] { handled = FFilter(message); });
        return handled;
    }

private:
    TMouseFilter FFilter;
};

TMouseFilterObject* FilterOf(QWidget* widget) {
    return widget->findChild<TMouseFilterObject*>("kvMouseFilter", Qt::FindDirectChildrenOnly);
}

}  // namespace

void SetMouseFilter(TControl& control, TMouseFilter filter) {
    QWidget* widget = control.Widget();
    if (TMouseFilterObject* current = FilterOf(widget)) {
        // The filter may be running now (it hid its own part): it goes once the event is over.
        widget->removeEventFilter(current);
        current->setObjectName(QString());
        current->deleteLater();
    }
    // A new one goes first in the toolkit's order again.
    if (filter) new TMouseFilterObject(widget, std::move(filter));
}

void SendMouseMessage(TControl& control, const TMouseMessage& message) {
    static constexpr QEvent::Type kTypes[] = {QEvent::MouseButtonPress, QEvent::MouseButtonDblClick,
                                              QEvent::MouseMove, QEvent::MouseButtonRelease};
    QWidget* widget = control.Widget();
    const QPointF local(message.Pos.X, message.Pos.Y);
    Qt::MouseButtons held;
    if (message.Shift.Contains(ssLeft)) held |= Qt::LeftButton;
    if (message.Shift.Contains(ssRight)) held |= Qt::RightButton;
    if (message.Shift.Contains(ssMiddle)) held |= Qt::MiddleButton;
    Qt::KeyboardModifiers keys;
    if (message.Shift.Contains(ssShift)) keys |= Qt::ShiftModifier;
    if (message.Shift.Contains(ssCtrl)) keys |= Qt::ControlModifier;
    if (message.Shift.Contains(ssAlt)) keys |= Qt::AltModifier;
    const Qt::MouseButton button =
        message.Kind == mmMove ? Qt::NoButton : ToolkitButton(message.Button);
    QMouseEvent event(kTypes[message.Kind], local, widget->mapToGlobal(local), button, held, keys);
    QCoreApplication::sendEvent(widget, &event);
}

void ShowCursorOver(TControl& control, TCursor cursor) {
    QWidget* widget = control.Widget();
    const char* kSaved = "kvCursorBefore";
    if (cursor == crDefault) {
        const QVariant saved = widget->property(kSaved);
        if (saved.isValid()) widget->setCursor(saved.value<QCursor>());
        return;
    }
    if (!widget->property(kSaved).isValid()) widget->setProperty(kSaved, widget->cursor());
    SetWidgetCursor(widget, cursor);
}
