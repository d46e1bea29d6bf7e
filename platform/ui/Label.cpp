#include "platform/ui/Label.h"

#include <QLabel>

TLabel::TLabel(TComponent* owner) : TControl(owner, new QLabel) { SetBounds(0, 0, 65, 13); }

TLabel::~TLabel() = default;

std::string StripAccelChars(const std::string& caption) {
    std::string shown;
    shown.reserve(caption.size());
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') shown += '&';
            ++i;
            if (i < caption.size() && caption[i] != '&') shown += caption[i];
            continue;
        }
        shown += caption[i];
    }
    return shown;
}

void TLabel::TextChanged() {
    static_cast<QLabel*>(Widget())->setText(QString::fromStdString(StripAccelChars(Caption())));
    AdjustSize();
}

void TLabel::FontChanged() {
    TControl::FontChanged();
    AdjustSize();
}

void TLabel::SetAlignment(TAlignment value) {
    FAlignment = value;
    Qt::Alignment h = value == taCenter         ? Qt::AlignHCenter
                      : value == taRightJustify ? Qt::AlignRight
                                                : Qt::AlignLeft;
    static_cast<QLabel*>(Widget())->setAlignment(h | Qt::AlignTop);
}

void TLabel::SetWordWrap(bool value) {
    FWordWrap = value;
    static_cast<QLabel*>(Widget())->setWordWrap(value);
    AdjustSize();
}

void TLabel::SetAutoSize(bool value) {
    FAutoSize = value;
    AdjustSize();
}

void TLabel::SetTransparent(bool value) {
    FTransparent = value;
    Widget()->setAutoFillBackground(!value && Color() != clBtnFace);
}

void TLabel::AdjustSize() {
    if (!FAutoSize || FWordWrap) return;
    QSize hint = Widget()->sizeHint();
    SetBounds(Left(), Top(), hint.width(), hint.height());
}
