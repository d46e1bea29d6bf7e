#include "platform/ui/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

TClipboard* Clipboard() {
    static TClipboard clipboard;
    return &clipboard;
}

std::string TClipboard::AsText() const {
    return QGuiApplication::clipboard()->text().toStdString();
}

void TClipboard::SetAsText(const std::string& value) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(value));
}

bool TClipboard::HasText() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

void TClipboard::Clear() { QGuiApplication::clipboard()->clear(); }
