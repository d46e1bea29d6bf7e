#include "platform/ui/DBComboBox.h"

TDBComboBox::TDBComboBox(TComponent* owner) : TComboBox(owner) {
    TComboBox::OnChange = [this](TObject*) { UserChanged(); };
    FLink.OnDataChange = [this] { ShowField(); };
    FLink.OnUpdateData = [this] {
        if (TField* field = FLink.Field()) field->SetText(Text());
    };
}

TDBComboBox::~TDBComboBox() {
    FLink.OnDataChange = nullptr;
    TComboBox::OnChange = nullptr;
    FLink.SetDataSource(nullptr);
}

void TDBComboBox::ShowField() {
    if (FLink.Modified()) return;
    const std::string text = FLink.Field() ? FLink.Field()->Text() : std::string();
    const int index = Items()->IndexOf(text);
    if (Style() == csDropDownList || index >= 0)
        SetItemIndex(text.empty() ? -1 : index);
    else
        SetText(text);
}

void TDBComboBox::UserChanged() {
    bool kept = false;
    Fire([&] { kept = FLink.UserEdited(); });
    if (!kept) return;  // the field's text is shown again
    if (Style() == csDropDownList) Fire([this] { FLink.UpdateRecord(); });
    if (OnChange) Fire([this] { OnChange(this); });
}

void TDBComboBox::DoExit() {
    Fire([this] { FLink.UpdateRecord(); });
    TComboBox::DoExit();
}
