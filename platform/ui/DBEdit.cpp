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
    FSyncing = true;
    SetText(!field ? std::string() : FLink.Editing() ? field->Text() : field->DisplayText());
    FSyncing = false;
}

void TDBEdit::WriteField() {
    if (TField* field = FLink.Field()) field->SetText(Text());
}

void TDBEdit::Change() {
    if (!FSyncing) {
        if (!FLink.Editing()) {
            // Starting the edit shows the field again; the typed text is what counts.
            const std::string typed = Text();
            if (!FLink.CanModify() || !FLink.Edit()) {
                ShowField();
                return;
            }
            FSyncing = true;
            SetText(typed);
            FSyncing = false;
        }
        FLink.Modified(true);
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

void TDBEdit::DoExit() {
    Fire([this] { FLink.UpdateRecord(); });
    TEdit::DoExit();
}
