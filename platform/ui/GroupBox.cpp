#include "platform/ui/GroupBox.h"

#include <QGroupBox>

TGroupBox::TGroupBox(TComponent* owner) : TGroupBox(owner, new QGroupBox) {}

TGroupBox::TGroupBox(TComponent* owner, QWidget* widget) : TWinControl(owner, widget) {
    Widget()->setFocusPolicy(Qt::NoFocus);
    SetBounds(0, 0, 185, 105);
}

TGroupBox::~TGroupBox() = default;

TRect TGroupBox::ClientRect() const {
    // The frame's width and the caption's height, as the classic look draws them.
    int captionHeight = Widget()->fontMetrics().height();
    return Rect(2, captionHeight, std::max(Width() - 2, 2), std::max(Height() - 2, captionHeight));
}

void TGroupBox::TextChanged() {
    static_cast<QGroupBox*>(Widget())->setTitle(QString::fromStdString(Caption()));
}
