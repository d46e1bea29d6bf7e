#include "platform/ui/Screen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

TScreen* Screen() {
    static TScreen screen;
    return &screen;
}

int ToolkitCursorShape(TCursor cursor) {
    switch (cursor) {
        case crNone:
            return Qt::BlankCursor;
        case crCross:
            return Qt::CrossCursor;
        case crIBeam:
            return Qt::IBeamCursor;
        case crSizeNESW:
            return Qt::SizeBDiagCursor;
        case crSizeNS:
            return Qt::SizeVerCursor;
        case crSizeNWSE:
            return Qt::SizeFDiagCursor;
        case crSizeWE:
            return Qt::SizeHorCursor;
        case crHourGlass:
            return Qt::WaitCursor;
        case crDrag:
            return Qt::DragCopyCursor;
        case crNo:
            return Qt::ForbiddenCursor;
        case crHSplit:
            return Qt::SplitHCursor;
        case crVSplit:
            return Qt::SplitVCursor;
        case crSizeAll:
            return Qt::SizeAllCursor;
        case crHandPoint:
            return Qt::PointingHandCursor;
        default:
            return Qt::ArrowCursor;
    }
}

void TScreen::SetCursor(TCursor value) {
    if (value == FCursor) return;
    bool overriding = FCursor != crDefault;
    FCursor = value;
    if (!qGuiApp) return;
    if (value == crDefault) {
        if (overriding) QGuiApplication::restoreOverrideCursor();
    } else {
        QCursor shape(Qt::CursorShape(ToolkitCursorShape(value)));
        if (overriding)
            QGuiApplication::changeOverrideCursor(shape);
        else
            QGuiApplication::setOverrideCursor(shape);
    }
}

int TScreen::Width() const {
    QScreen* s = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
    return s ? s->geometry().width() : 1024;
}

int TScreen::Height() const {
    QScreen* s = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
    return s ? s->geometry().height() : 768;
}

TCursorGuard::TCursorGuard(TCursor cursor) : FFormer(Screen()->Cursor()) {
    Screen()->SetCursor(cursor);
}

TCursorGuard::~TCursorGuard() { Screen()->SetCursor(FFormer); }
