#include "platform/ui/ComboBox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

#include "platform/graphics/Bitmap.h"

namespace {
const char* const EditConnectedProperty = "kvOnChangeConnected";
QComboBox* Combo(QWidget* w) { return static_cast<QComboBox*>(w); }
}  // namespace

TComboBox::TComboBox(TComponent* owner)
    : TWinControl(owner, new QComboBox), FItems(std::make_unique<TStringList>()) {
    FItems->OnChange = [this](TStrings*) { ItemsChanged(); };
    QObject::connect(Combo(Widget()), &QComboBox::activated, [this](int) {
        if (OnChange) Fire([this] { OnChange(this); });
    });
    SetStyle(csDropDown);
    SetColor(clWindow);
    SetBounds(0, 0, 145, 21);
}

TComboBox::~TComboBox() { FItems->OnChange = nullptr; }

void TComboBox::ItemsChanged() {
    FSyncing = true;
    QComboBox* combo = Combo(Widget());
    int index = combo->currentIndex();
    QString text = combo->currentText();
    combo->clear();
    for (int i = 0; i < FItems->Count(); ++i)
        combo->addItem(QString::fromStdString(FItems->Get(i)));
    combo->setCurrentIndex(index < combo->count() ? index : -1);
    if (combo->isEditable() && index < 0) combo->setEditText(text);
    FSyncing = false;
}

int TComboBox::ItemIndex() const { return Combo(Widget())->currentIndex(); }

void TComboBox::SetItemIndex(int value) {
    if (value < -1 || value >= FItems->Count()) return;
    Combo(Widget())->setCurrentIndex(value);
}

void TComboBox::SetStyle(TComboBoxStyle value) {
    FStyle = value;
    QComboBox* combo = Combo(Widget());
    combo->setEditable(value != csDropDownList);
    // The toolkit keeps the edit part while the combo stays editable: connect each edit once.
    QLineEdit* edit = combo->lineEdit();
    if (edit && !edit->property(EditConnectedProperty).isValid()) {
        edit->setProperty(EditConnectedProperty, true);
        QObject::connect(edit, &QLineEdit::textEdited, [this](const QString&) {
            if (OnChange) Fire([this] { OnChange(this); });
        });
    }
    ApplyOwnerDraw();
}

void TComboBox::SetDropDownCount(int value) {
    FDropDownCount = value;
    Combo(Widget())->setMaxVisibleItems(std::max(value, 1));
}

int TComboBox::DroppedWidth() const {
    return std::max(Combo(Widget())->view()->minimumWidth(), Width());
}

void TComboBox::SetDroppedWidth(int value) {
    Combo(Widget())->view()->setMinimumWidth(std::max(value, 0));
}

const std::string& TComboBox::GetText() const {
    FTextCache = Combo(Widget())->currentText().toStdString();
    return FTextCache;
}

void TComboBox::TextChanged() {
    QComboBox* combo = Combo(Widget());
    QString text = QString::fromStdString(TWinControl::GetText());
    if (combo->isEditable()) {
        combo->setEditText(text);
    } else {
        combo->setCurrentIndex(combo->findText(text));
    }
}
