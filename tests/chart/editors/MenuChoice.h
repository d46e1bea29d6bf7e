#pragma once
// The user's click on an entry of the popup menu showing now, found by its caption.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <string>
#include <vector>

inline QMenu* ShownMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

// The captions of the shown menu's visible entries, "|" for a separator.
inline std::vector<std::string> ShownMenuEntries() {
    std::vector<std::string> entries;
    if (QMenu* shown = ShownMenu())
        for (QAction* action : shown->actions())
            if (action->isVisible())
                entries.push_back(action->isSeparator() ? "|" : action->text().toStdString());
    return entries;
}

inline void ChooseMenuEntry(const std::string& caption) {
    QMenu* shown = ShownMenu();
    ASSERT_NE(shown, nullptr) << "no menu shows for " << caption;
    for (QAction* action : shown->actions()) {
        if (action->text().toStdString() != caption) continue;
        const QPointF at = shown->actionGeometry(action).center();
        for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(type, at, shown->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
            QCoreApplication::sendEvent(shown, &e);
        }
        return;
    }
    shown->hide();
    FAIL() << "no entry " << caption;
}
