#include "platform/ui/DBMemo.h"

TDBMemo::TDBMemo(TComponent* owner) : TMemo(owner) {
    TMemo::OnChange = [this](TObject*) { LinesEdited(); };
    FLink.OnDataChange = [this] { ShowField(); };
    FLink.OnUpdateData = [this] {
        if (TField* field = FLink.Field()) field->SetAsString(Lines()->Text());
    };
}

TDBMemo::~TDBMemo() {
    FLink.OnDataChange = nullptr;
    TMemo::OnChange = nullptr;
    FLink.SetDataSource(nullptr);
}

void TDBMemo::SetReadOnly(bool v) {
    FLink.SetReadOnly(v);
    TMemo::SetReadOnly(v);
}

void TDBMemo::ShowField() {
    if (FLink.Modified()) return;
    FSyncing = true;
    Lines()->SetText(FLink.Field() ? FLink.Field()->AsString() : std::string());
    FSyncing = false;
}

void TDBMemo::LinesEdited() {
    if (FSyncing) return;
    if (!FLink.Editing()) {
        // Starting the edit shows the field again; the edited lines are what count.
        const std::string edited = Lines()->Text();
        if (!FLink.CanModify() || !FLink.Edit()) {
            ShowField();
            return;
        }
        FSyncing = true;
        Lines()->SetText(edited);
        FSyncing = false;
    }
    FLink.Modified(true);
    if (OnChange) Fire([this] { OnChange(this); });
}

void TDBMemo::DoExit() {
    Fire([this] { FLink.UpdateRecord(); });
    TMemo::DoExit();
}
