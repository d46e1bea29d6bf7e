#include "platform/ui/SpinEdit.h"

#include <QSpinBox>
#include <algorithm>
#include <climits>

#include "platform/rtl/Strings.h"

namespace {
QSpinBox* Spin(QWidget* w) { return static_cast<QSpinBox*>(w); }
}  // namespace

TSpinEdit::TSpinEdit(TComponent* owner) : TWinControl(owner, new QSpinBox) {
    ApplyRange();
    QObject::connect(Spin(Widget()), &QSpinBox::valueChanged, [this](int) {
        if (OnChange) Fire([this] { OnChange(this); });
    });
    SetColor(clWindow);
    SetBounds(0, 0, 121, 22);
}

TSpinEdit::~TSpinEdit() = default;

void TSpinEdit::ApplyRange() {
    bool unbounded = FMinValue == 0 && FMaxValue == 0;
    Spin(Widget())->setRange(unbounded ? INT_MIN : FMinValue, unbounded ? INT_MAX : FMaxValue);
}

void TSpinEdit::SetMinValue(int value) {
    FMinValue = value;
    ApplyRange();
}

void TSpinEdit::SetMaxValue(int value) {
    FMaxValue = value;
    ApplyRange();
}

void TSpinEdit::SetIncrement(int value) {
    FIncrement = value;
    Spin(Widget())->setSingleStep(value);
}

int TSpinEdit::Value() const { return Spin(Widget())->value(); }

void TSpinEdit::SetValue(int value) { Spin(Widget())->setValue(value); }

const std::string& TSpinEdit::GetText() const {
    FTextCache = Spin(Widget())->text().toStdString();
    return FTextCache;
}

void TSpinEdit::TextChanged() {
    try {
        SetValue(std::stoi(TWinControl::GetText()));
    } catch (const std::exception&) {
        // Text that is no number leaves the value as it was, as typing it would.
    }
}
