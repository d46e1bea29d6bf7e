#include "platform/ui/DBRadioGroup.h"

TDBRadioGroup::TDBRadioGroup(TComponent* owner)
    : TRadioGroup(owner), FValues(std::make_unique<TStringList>()) {
    FLink.OnDataChange = [this] { ShowField(); };
    FValues->OnChange = [this](TStrings*) { ShowField(); };
    // The items may come after the field: the value is looked up again among them.
    if (auto* items = dynamic_cast<TStringList*>(Items()))
        items->OnChange = [this, former = items->OnChange](TStrings* s) {
            if (former) former(s);
            ShowField();
        };
}

TDBRadioGroup::~TDBRadioGroup() {
    FLink.OnDataChange = nullptr;
    FValues->OnChange = nullptr;
    if (auto* items = dynamic_cast<TStringList*>(Items())) items->OnChange = nullptr;
    FLink.SetDataSource(nullptr);
}

std::string TDBRadioGroup::ValueOf(int index) const {
    if (index < 0) return {};
    return index < FValues->Count() ? FValues->Get(index) : Items()->Get(index);
}

void TDBRadioGroup::ShowField() {
    TField* field = FLink.Field();
    ShowValue(field && !field->IsNull() ? field->Text() : std::string());
}

void TDBRadioGroup::ShowValue(const std::string& value) {
    int index = -1;
    if (!value.empty())
        for (int i = 0; i < Items()->Count() && index < 0; ++i)
            if (ValueOf(i) == value) index = i;
    FSyncing = true;
    SetItemIndex(index);
    FSyncing = false;
    const std::string shown = ValueOf(ItemIndex());
    if (shown == FValue) return;
    FValue = shown;
    if (OnChange) Fire([this] { OnChange(this); });
}

void TDBRadioGroup::Click() {
    if (FSyncing) return;  // the field's value, not the user's choice
    const std::string chosen = ValueOf(ItemIndex());
    bool written = false;
    Fire([&] {
        if (FLink.CanModify() && FLink.Edit()) {
            FLink.Field()->SetText(chosen);
            written = true;
        }
    });
    if (!written) {
        ShowField();  // the choice could not be kept
        return;
    }
    TRadioGroup::Click();
}
