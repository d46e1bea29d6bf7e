#include "platform/ui/Button.h"

#include <QPainter>
#include <QPushButton>

#include "platform/graphics/Bitmap.h"
#include "platform/ui/Form.h"

// The toolkit's button with the owner's overlay painted over it.
class TButtonWidget : public QPushButton {
public:
    TButton* button = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override {
        QPushButton::paintEvent(event);
        if (button) button->PaintOverlayOn(*this);
    }
};

void TButton::PaintOverlayOn(QWidget& widget) {
    const TRect r = OverlayRect();
    if (r.IsEmpty()) return;
    TBitmap overlay(widget.width(), widget.height());
    PaintOverlay(overlay);
    QPainter painter(&widget);
    painter.drawImage(QPoint(r.Left, r.Top), overlay.Image(),
                      QRect(r.Left, r.Top, r.Width(), r.Height()));
}

TButton::TButton(TComponent* owner) : TWinControl(owner, new TButtonWidget) {
    static_cast<TButtonWidget*>(Widget())->button = this;
    auto* button = static_cast<QPushButton*>(Widget());
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, [this] { Click(); });
    SetBounds(0, 0, 75, 25);
}

TButton::~TButton() { static_cast<TButtonWidget*>(Widget())->button = nullptr; }

void TButton::SetDefault(bool value) {
    FDefault = value;
    static_cast<QPushButton*>(Widget())->setDefault(value);
}

void TButton::TextChanged() {
    static_cast<QPushButton*>(Widget())->setText(QString::fromStdString(Caption()));
}

void TButton::Click() {
    if (FModalResult != mrNone)
        if (TForm* form = ParentForm()) form->SetModalResult(FModalResult);
    TWinControl::Click();
}

bool TButton::DialogKey(int key) {
    if ((key == VK_RETURN && FDefault) || (key == VK_ESCAPE && FCancel)) {
        Click();
        return true;
    }
    return false;
}
