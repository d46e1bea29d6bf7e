#include "platform/ui/DBMemo.h"

TDBMemo::TDBMemo(TComponent* owner) : TMemo(owner) {
    TMemo::OnChange = [this](TObject*) { LinesEdited(); };
    FLink.OnDataChange = [this] { ShowField(); };
    FLink.OnUpdateData = [this] {
        if (TField* field = FLink.Field()) field->SetAsString(FieldText());
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

std::string TDBMemo::FieldText() const {
    // The lines joined by CR LF, without a break after the last one (as the box shows them).
    std::string text = Lines()->Text();
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0)
        text.resize(text.size() - 2);
    return text;
}

void TDBMemo::ShowField() {
    if (FLink.Modified()) return;
    const std::string text = FLink.Field() ? FLink.Field()->AsString() : std::string();
    if (text == FieldText()) return;  // the caret stays where it is
    FSyncing = true;
    Lines()->SetText(text);
    FSyncing = false;
}

void TDBMemo::LinesEdited() {
    if (FSyncing) return;
    bool kept = false;
    Fire([&] { kept = FLink.UserEdited(); });
    if (!kept) return;  // the field's text is shown again
    if (OnChange) Fire([this] { OnChange(this); });
}

void TDBMemo::DoExit() {
    Fire([this] { FLink.UpdateRecord(); });
    TMemo::DoExit();
}
