#pragma once
// The user's mouse and keys for widget tests: toolkit events sent to the widget under the point,
// as the window system would deliver them (a drag goes on to the widget where it started).
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "platform/ui/Control.h"

class TUserInput {
public:
    void Press(TControl* c, QPoint at, Qt::MouseButton b = Qt::LeftButton,
               QEvent::Type type = QEvent::MouseButtonPress) {
        FTarget = c->Widget()->childAt(at);
        if (!FTarget) FTarget = c->Widget();
        FOrigin = c->Widget();
        FHeld = b;
        Send(type, at, b, b);
    }
    // Moves with the pressed button held (or none).
    void Move(TControl* c, QPoint at) {
        if (!FTarget) {
            FOrigin = c->Widget();
            FTarget = FOrigin->childAt(at) ? FOrigin->childAt(at) : FOrigin;
            Send(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
            FTarget = nullptr;
            return;
        }
        Send(QEvent::MouseMove, InOrigin(c, at), Qt::NoButton, FHeld);
    }
    void Release(TControl* c, QPoint at) {
        Send(QEvent::MouseButtonRelease, InOrigin(c, at), FHeld, Qt::NoButton);
        FTarget = nullptr;
    }
    void Click(TControl* c, QPoint at, Qt::MouseButton b = Qt::LeftButton) {
        Press(c, at, b);
        Release(c, at);
    }
    // A double click as the window system delivers it: a click, then the second press as a
    // double click, and its release.
    void DoubleClick(TControl* c, QPoint at) {
        Click(c, at);
        Press(c, at, Qt::LeftButton, QEvent::MouseButtonDblClick);
        Release(c, at);
    }
    // A key pressed and released on the widget that has the focus in c (or c's widget).
    static void Key(TControl* c, int key, const QString& text = {},
                    Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* w = c->Widget()->focusWidget() ? c->Widget()->focusWidget() : c->Widget();
        QKeyEvent down(QEvent::KeyPress, key, mods, text);
        QApplication::sendEvent(w, &down);
        QKeyEvent up(QEvent::KeyRelease, key, mods, text);
        QApplication::sendEvent(w, &up);
    }

private:
    QPoint InOrigin(TControl* c, QPoint at) const {
        return FOrigin->mapFromGlobal(c->Widget()->mapToGlobal(at));
    }
    // at: in the coordinates of the widget where the press went.
    void Send(QEvent::Type type, QPoint at, Qt::MouseButton b, Qt::MouseButtons held) {
        QPointF local = FTarget->mapFrom(FOrigin, at);
        QPointF global = FOrigin->mapToGlobal(QPointF(at));
        QMouseEvent e(type, local, global, b, held, Qt::NoModifier);
        QApplication::sendEvent(FTarget, &e);
    }
    QWidget* FOrigin = nullptr;
    QWidget* FTarget = nullptr;
    Qt::MouseButton FHeld = Qt::NoButton;
};
