#include "platform/ui/Label.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

#include "platform/classes/Publisher.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/ClearKey.h"

namespace {
QLabel* LabelWidget(QWidget* w) { return static_cast<QLabel*>(w); }
}  // namespace

TLabel::TLabel(TComponent* owner) : TControl(owner, new QLabel) {
    SetBounds(0, 0, 65, 13);
    ApplyAlignment();
}

TLabel::~TLabel() = default;

const TEnumInfo& AlignmentNames() {
    static const TEnumInfo names{"taLeftJustify", "taRightJustify", "taCenter"};
    return names;
}

const TEnumInfo& TextLayoutNames() {
    static const TEnumInfo names{"tlTop", "tlCenter", "tlBottom"};
    return names;
}

void TLabel::Publish(TPublisher<TLabel>& p) {
    p.Enumeration("Alignment", AlignmentNames(), &TLabel::Alignment, &TLabel::SetAlignment)
        .Default(taLeftJustify);
    p.Boolean("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize).Default(true);
    p.Component("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl);
    p.Enumeration("Layout", TextLayoutNames(), &TLabel::Layout, &TLabel::SetLayout).Default(tlTop);
    p.Boolean("Transparent", &TLabel::Transparent, &TLabel::SetTransparent).Default(false);
    p.Boolean("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap).Default(false);
}

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

void TLabel::ShowText() {
    // With a buddy the toolkit reads the "&" marks itself (the same rules as ours).
    const std::string text = FFocusControl ? Caption() : StripAccelChars(Caption());
    LabelWidget(Widget())->setText(QString::fromStdString(text));
}

void TLabel::TextChanged() {
    ShowText();
    AdjustBounds();
}

void TLabel::FontChanged() {
    TControl::FontChanged();
    AdjustBounds();
}

void TLabel::SetAlignment(TAlignment value) {
    if (value == FAlignment) return;
    FAlignment = value;
    ApplyAlignment();
}

void TLabel::SetLayout(TTextLayout value) {
    if (value == FLayout) return;
    FLayout = value;
    ApplyAlignment();
}

void TLabel::ApplyAlignment() {
    const Qt::Alignment h = FAlignment == taCenter         ? Qt::AlignHCenter
                            : FAlignment == taRightJustify ? Qt::AlignRight
                                                           : Qt::AlignLeft;
    const Qt::Alignment v = FLayout == tlCenter   ? Qt::AlignVCenter
                            : FLayout == tlBottom ? Qt::AlignBottom
                                                  : Qt::AlignTop;
    LabelWidget(Widget())->setAlignment(h | v);
}

void TLabel::SetWordWrap(bool value) {
    if (value == FWordWrap) return;
    FWordWrap = value;
    LabelWidget(Widget())->setWordWrap(value);
    AdjustBounds();
}

void TLabel::SetAutoSize(bool value) {
    if (value == FAutoSize) return;
    FAutoSize = value;
    AdjustBounds();
}

void TLabel::SetTransparent(bool value) {
    FTransparent = value;
    Widget()->setAutoFillBackground(!value && Color() != clBtnFace);
    Invalidate();
}

void TLabel::SetFocusControl(TWinControl* value) {
    if (value == FFocusControl) return;
    if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
    FFocusControl = value;
    if (value) value->FreeNotification(this);
    LabelWidget(Widget())->setBuddy(value ? value->Widget() : nullptr);
    ShowText();
}

void TLabel::Notification(TComponent* component, TOperation operation) {
    TControl::Notification(component, operation);
    if (operation == opRemove && component == FFocusControl) {
        FFocusControl = nullptr;
        LabelWidget(Widget())->setBuddy(nullptr);
        ShowText();
    }
}

void TLabel::AdjustBounds() {
    if (!FAutoSize) return;
    QLabel* label = LabelWidget(Widget());
    if (FWordWrap) {
        SetBounds(Left(), Top(), Width(), label->heightForWidth(Width()));
        return;
    }
    const QSize hint = label->sizeHint();
    const int left = FAlignment == taRightJustify ? Left() + Width() - hint.width() : Left();
    SetBounds(left, Top(), hint.width(), hint.height());
}

void TLabel::SetSelfPainted(bool value) {
    FSelfPainted = value;
    Invalidate();
}

bool TLabel::ToolkitEvent(QEvent* event) {
    if (event->type() == QEvent::Paint && FSelfPainted) {
        PaintSelf();
        return true;
    }
    return TControl::ToolkitEvent(event);
}

void TLabel::PaintSelf() {
    QWidget* widget = Widget();
    if (widget->width() <= 0 || widget->height() <= 0) return;
    TBitmap bitmap(widget->width(), widget->height());
    if (FTransparent) {
        FillWithClearKey(bitmap);
    } else {
        TCanvas& canvas = *bitmap.Canvas();
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(Color());
        canvas.FillRect(Rect(0, 0, bitmap.Width(), bitmap.Height()));
    }
    bitmap.Canvas()->Font()->Assign(Font());
    Fire([&] { Paint(*bitmap.Canvas()); });
    QPainter painter(widget);
    if (FTransparent)
        painter.drawImage(0, 0, ClearKeyedImage(bitmap));
    else
        painter.drawImage(0, 0, bitmap.Image());
}
