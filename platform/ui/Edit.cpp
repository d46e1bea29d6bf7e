#include "platform/ui/Edit.h"

#include <QLineEdit>

#include "platform/ui/Label.h"

TEdit::TEdit(TComponent* owner) : TWinControl(owner, new QLineEdit) {
    QObject::connect(static_cast<QLineEdit*>(Widget()), &QLineEdit::textChanged,
                     [this](const QString& text) {
                         StoreText(text.toStdString());
                         Change();
                     });
    SetColor(clWindow);
    SetBounds(0, 0, 121, 21);
}

TEdit::~TEdit() = default;

void TEdit::SetReadOnly(bool value) {
    FReadOnly = value;
    static_cast<QLineEdit*>(Widget())->setReadOnly(value);
}

void TEdit::SetMaxLength(int value) {
    FMaxLength = value;
    static_cast<QLineEdit*>(Widget())->setMaxLength(value > 0 ? value : 32767);
}

void TEdit::SelectAll() { static_cast<QLineEdit*>(Widget())->selectAll(); }

void TEdit::TextChanged() {
    // The widget's change signal stores the text and fires OnChange.
    std::string text = Text();
    static_cast<QLineEdit*>(Widget())->setText(QString::fromStdString(text));
}

void TEdit::Change() {
    if (OnChange) Fire([this] { OnChange(this); });
}

namespace {

// The label of a labelled edit: whenever its text or font gives it a new size, the edit places
// it again, so that a longer caption on the left grows away from the field, not over it.
class TBoundLabel : public TLabel {
public:
    explicit TBoundLabel(TLabeledEdit* edit) : TLabel(edit), FEdit(edit) {}

protected:
    void AdjustBounds() override {
        TLabel::AdjustBounds();
        FEdit->PlaceLabel();
    }

private:
    TLabeledEdit* FEdit;
};

}  // namespace

TLabeledEdit::TLabeledEdit(TComponent* owner) : TEdit(owner), FEditLabel(new TBoundLabel(this)) {
    FEditLabel->SetName("SubLabel");
}

TLabeledEdit::~TLabeledEdit() = default;

void TLabeledEdit::SetLabelPosition(TLabelPosition value) {
    FLabelPosition = value;
    PlaceLabel();
}

void TLabeledEdit::SetLabelSpacing(int value) {
    FLabelSpacing = value;
    PlaceLabel();
}

void TLabeledEdit::SetParent(TWinControl* parent) {
    TEdit::SetParent(parent);
    FEditLabel->SetParent(parent);
    PlaceLabel();
}

void TLabeledEdit::SetBounds(int left, int top, int width, int height) {
    TEdit::SetBounds(left, top, width, height);
    PlaceLabel();
}

void TLabeledEdit::SetVisible(bool value) {
    TEdit::SetVisible(value);
    FEditLabel->SetVisible(value);
}

void TLabeledEdit::SetEnabled(bool value) {
    TEdit::SetEnabled(value);
    FEditLabel->SetEnabled(value);
}

void TLabeledEdit::PlaceLabel() {
    if (!FEditLabel) return;  // still being made
    TLabel* l = FEditLabel;
    switch (FLabelPosition) {
        case lpAbove:
            l->SetBounds(Left(), Top() - l->Height() - FLabelSpacing, l->Width(), l->Height());
            break;
        case lpBelow:
            l->SetBounds(Left(), Top() + Height() + FLabelSpacing, l->Width(), l->Height());
            break;
        case lpLeft:
            l->SetBounds(Left() - l->Width() - FLabelSpacing, Top() + (Height() - l->Height()) / 2,
                         l->Width(), l->Height());
            break;
        case lpRight:
            l->SetBounds(Left() + Width() + FLabelSpacing, Top() + (Height() - l->Height()) / 2,
                         l->Width(), l->Height());
            break;
    }
}
