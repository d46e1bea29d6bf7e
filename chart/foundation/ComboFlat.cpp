#include "chart/foundation/ComboFlat.h"

TComboFlat::TComboFlat(TComponent* owner) : TComboBox(owner) {
    SetHeight(21);
    SetStyle(csDropDownList);
}

TComboFlat::~TComboFlat() = default;

std::string TComboFlat::GetSelectedText() const {
    const int i = ItemIndex();
    return i < 0 ? std::string() : Items()->Get(i);
}

TObject* TComboFlat::GetSelectedObject() const {
    const int i = ItemIndex();
    return i < 0 ? nullptr : Items()->GetObject(i);
}

void TComboFlat::SetMouseInside(bool value) {
    FMouseInside = value;
    Invalidate();
}

void TComboFlat::MouseEnter() {
    TComboBox::MouseEnter();
    SetMouseInside(true);
}

void TComboFlat::MouseLeave() {
    TComboBox::MouseLeave();
    SetMouseInside(false);
}

void TComboFlat::DoExit() {
    TComboBox::DoExit();
    SetMouseInside(false);
}
