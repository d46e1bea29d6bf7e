#include "platform/ui/RadioGroup.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <algorithm>

TRadioGroup::TRadioGroup(TComponent* owner)
    : TGroupBox(owner), FItems(std::make_unique<TStringList>()) {
    FItems->OnChange = [this](TStrings*) { ItemsChanged(); };
}

TRadioGroup::~TRadioGroup() = default;

void TRadioGroup::ItemsChanged() {
    for (QRadioButton* b : FButtons) delete b;
    FButtons.clear();
    for (int i = 0; i < FItems->Count(); ++i) {
        auto* button = new QRadioButton(QString::fromStdString(FItems->Get(i)), Widget());
        // Exclusion is ours: ItemIndex -1 must be able to clear every button.
        button->setAutoExclusive(false);
        QObject::connect(button, &QRadioButton::clicked, [this, i] { ButtonClicked(i); });
        button->show();
        FButtons.push_back(button);
    }
    FItemIndex = std::min(FItemIndex, FItems->Count() - 1);
    ShowItemIndex();
    ArrangeButtons();
}

void TRadioGroup::ShowItemIndex() {
    for (size_t i = 0; i < FButtons.size(); ++i) FButtons[i]->setChecked(int(i) == FItemIndex);
}

void TRadioGroup::ButtonClicked(int index) {
    if (index == FItemIndex) {
        ShowItemIndex();  // a click on the checked button leaves it checked
        return;
    }
    FItemIndex = index;
    ShowItemIndex();
    Click();
}

void TRadioGroup::SetItemIndex(int value) {
    value = std::clamp(value, -1, FItems->Count() - 1);
    if (value == FItemIndex) return;
    FItemIndex = value;
    ShowItemIndex();
    Click();
}

void TRadioGroup::SetColumns(int value) {
    value = std::clamp(value, 1, 16);
    if (value == FColumns) return;
    FColumns = value;
    ArrangeButtons();
}

void TRadioGroup::Resize() {
    ArrangeButtons();
    TGroupBox::Resize();
}

void TRadioGroup::ArrangeButtons() {
    if (FButtons.empty()) return;
    TRect r = ClientRect();
    r.Left += 6;
    int count = int(FButtons.size());
    int rows = (count + FColumns - 1) / FColumns;
    int columnWidth = std::max(r.Width() / FColumns, 1);
    int rowHeight = std::max(r.Height() / rows, 1);
    for (int i = 0; i < count; ++i) {
        int column = i / rows, row = i % rows;
        FButtons[size_t(i)]->setGeometry(r.Left + column * columnWidth, r.Top + row * rowHeight,
                                         columnWidth - 6, rowHeight);
    }
}
