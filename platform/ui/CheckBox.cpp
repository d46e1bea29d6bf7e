#include "platform/ui/CheckBox.h"

#include <QCheckBox>
#include <QRadioButton>

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner, new QCheckBox) {
    QObject::connect(static_cast<QCheckBox*>(Widget()), &QCheckBox::toggled, [this](bool) {
        if (!FSetting) Click();
    });
    SetBounds(0, 0, 97, 17);
}

TCheckBox::~TCheckBox() = default;

bool TCheckBox::Checked() const { return static_cast<QCheckBox*>(Widget())->isChecked(); }

void TCheckBox::SetChecked(bool value) {
    if (value == Checked()) return;
    FSetting = true;
    static_cast<QCheckBox*>(Widget())->setChecked(value);
    FSetting = false;
    Click();
}

void TCheckBox::TextChanged() {
    static_cast<QCheckBox*>(Widget())->setText(QString::fromStdString(Caption()));
}

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner, new QRadioButton) {
    QObject::connect(static_cast<QRadioButton*>(Widget()), &QRadioButton::toggled, [this](bool on) {
        if (on && !FSetting) Click();
    });
    SetBounds(0, 0, 113, 17);
}

TRadioButton::~TRadioButton() = default;

bool TRadioButton::Checked() const { return static_cast<QRadioButton*>(Widget())->isChecked(); }

void TRadioButton::SetChecked(bool value) {
    if (value == Checked()) return;
    FSetting = true;
    auto* button = static_cast<QRadioButton*>(Widget());
    // The toolkit keeps an exclusive button checked; unchecking it from code must still work.
    const bool exclusive = button->autoExclusive();
    if (!value) button->setAutoExclusive(false);
    button->setChecked(value);
    button->setAutoExclusive(exclusive);
    FSetting = false;
    if (value) Click();
}

void TRadioButton::TextChanged() {
    static_cast<QRadioButton*>(Widget())->setText(QString::fromStdString(Caption()));
}
