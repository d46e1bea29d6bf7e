#include "platform/ui/Button.h"

#include <QPushButton>

#include "platform/ui/Form.h"

TButton::TButton(TComponent* owner) : TWinControl(owner, new QPushButton) {
    auto* button = static_cast<QPushButton*>(Widget());
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, [this] { Click(); });
    SetBounds(0, 0, 75, 25);
}

TButton::~TButton() = default;

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
