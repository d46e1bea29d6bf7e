#include "platform/ui/DBEdit.h"

TDBEdit::TDBEdit(TComponent* owner) : TEdit(owner) {
    FLink.OnDataChange = [this] { ShowField(); };
    FLink.OnEditingChange = [this] { ShowField(); };
    FLink.OnUpdateData = [this] { WriteField(); };
}

TDBEdit::~TDBEdit() {
    FLink.OnDataChange = nullptr;
    FLink.OnEditingChange = nullptr;
    FLink.SetDataSource(nullptr);
}

void TDBEdit::SetReadOnly(bool v) {
    FLink.SetReadOnly(v);
    TEdit::SetReadOnly(v);
}

void TDBEdit::ShowField() {
    if (FLink.Modified()) return;  // the user's text stays until it is written or dropped
    TField* field = FLink.Field();
    // The text to edit while editing, and while the user is in the edit and may type: the caret
    // then moves through the text that typing changes, never through a display picture.
    const bool editText = FLink.Editing() || (FFocused && FLink.CanModify());
    const std::string text = !field     ? std::string()
                             : editText ? field->Text()
                                        : field->DisplayText();
    FSyncing = true;
    SetText(text);
    FSyncing = false;
}

void TDBEdit::WriteField() {
    if (TField* field = FLink.Field()) field->SetText(Text());
}

void TDBEdit::Change() {
    if (!FSyncing) {
        bool kept = false;
        Fire([&] { kept = FLink.UserEdited(); });
        if (!kept) return;  // the field's text is shown again
    }
    TEdit::Change();
}

void TDBEdit::KeyDown(int& key, TShiftState shift) {
    TEdit::KeyDown(key, shift);
    if (key == VK_RETURN) {
        Fire([this] { FLink.UpdateRecord(); });
    } else if (key == VK_ESCAPE && FLink.Modified()) {
        FLink.Modified(false);
        ShowField();
        key = 0;
    }
}

void TDBEdit::DoEnter() {
    FFocused = true;
    ShowField();
    TEdit::DoEnter();
}

void TDBEdit::DoExit() {
    Fire([this] { FLink.UpdateRecord(); });
    FFocused = false;
    ShowField();
    TEdit::DoExit();
}
