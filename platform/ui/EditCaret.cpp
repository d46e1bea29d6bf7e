#include "platform/ui/EditCaret.h"

#include <QApplication>
#include <QLineEdit>

#include "platform/ui/Edit.h"

namespace {
QLineEdit* LineEdit(const TEdit& edit) { return static_cast<QLineEdit*>(edit.Widget()); }
}  // namespace

int EditSelStart(const TEdit& edit) {
    QLineEdit* e = LineEdit(edit);
    return e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
}

void SetEditSelStart(TEdit& edit, int position) {
    LineEdit(edit)->deselect();
    LineEdit(edit)->setCursorPosition(position);
}

int EditSelLength(const TEdit& edit) { return int(LineEdit(edit)->selectedText().size()); }

void SetEditSelLength(TEdit& edit, int length) {
    const int start = EditSelStart(edit);
    LineEdit(edit)->setSelection(start, length);
}

std::string EditSelText(const TEdit& edit) { return LineEdit(edit)->selectedText().toStdString(); }

void SetEditAlignment(TEdit& edit, TAlignment alignment) {
    const Qt::Alignment h = alignment == taRightJustify ? Qt::AlignRight
                            : alignment == taCenter     ? Qt::AlignHCenter
                                                        : Qt::AlignLeft;
    LineEdit(edit)->setAlignment(h | Qt::AlignVCenter);
}

void SetEditMargins(TEdit& edit, int left, int right) {
    LineEdit(edit)->setTextMargins(left, 0, right, 0);
}

int EditLeftMargin(const TEdit& edit) { return LineEdit(edit)->textMargins().left(); }
int EditRightMargin(const TEdit& edit) { return LineEdit(edit)->textMargins().right(); }

void Beep() { QApplication::beep(); }
