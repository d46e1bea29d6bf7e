#include "platform/ui/DBGridColumns.h"

#include "platform/db/Field.h"
#include "platform/rtl/StrUtils.h"

const std::string& TColumnTitle::Caption() const {
    if (FCaption.empty() && FField) return FField->DisplayLabel();
    return FCaption;
}

void TColumnTitle::SetCaption(const std::string& v) {
    FCaption = v;
    FChanged();
}

void TColumnTitle::SetAlignment(TAlignment v) {
    FAlignment = v;
    FChanged();
}

TColumn::TColumn(TDBGridColumns& owner) : FOwner(owner), FTitle([this] { Changed(); }) {}

void TColumn::Changed() { FOwner.Changed(); }

void TColumn::SetFieldName(const std::string& v) {
    FFieldName = v;
    FOwner.FDefault = false;
    Changed();
}

TAlignment TColumn::Alignment() const {
    if (FAlignmentSet || !FField) return FAlignment;
    switch (FField->DataType()) {
        case ftSmallint:
        case ftInteger:
        case ftFloat:
            return taRightJustify;
        default:
            return taLeftJustify;
    }
}

void TColumn::SetAlignment(TAlignment v) {
    FAlignment = v;
    FAlignmentSet = true;
    Changed();
}

void TColumn::SetWidth(int v) {
    FWidth = v < 0 ? 0 : v;
    Changed();
}

void TColumn::SetReadOnly(bool v) {
    FReadOnly = v;
    Changed();
}

TColor TColumn::Color() const { return FColorSet ? FColor : FOwner.FGridColor; }

void TColumn::SetColor(TColor v) {
    FColor = v;
    FColorSet = true;
    Changed();
}

void TColumn::SetVisible(bool v) {
    FVisible = v;
    Changed();
}

int TColumn::Index() const { return FOwner.IndexOf(this); }

TColumn* TDBGridColumns::Add() {
    if (FDefault) {
        FItems.clear();  // columns of the user's own replace the made ones
        FDefault = false;
    }
    FItems.push_back(std::make_unique<TColumn>(*this));
    Changed();
    return FItems.back().get();
}

void TDBGridColumns::Delete(int index) {
    FItems.erase(FItems.begin() + IndexOf(Items(index)));
    Changed();
}

void TDBGridColumns::Clear() {
    FItems.clear();
    FDefault = false;
    Changed();
}

void TDBGridColumns::EndUpdate() {
    if (FUpdating > 0 && --FUpdating == 0) Changed();
}

void TDBGridColumns::Changed() {
    if (FUpdating == 0 && FChanged) FChanged();
}

int TDBGridColumns::IndexOf(const TColumn* column) const {
    for (size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].get() == column) return int(i);
    return -1;
}

void TDBGridColumns::Bind(const std::vector<TField*>& fields) {
    if (FItems.empty() || FDefault) {
        // Made columns stay (with what the program set on them) while the fields are the same.
        std::vector<std::string> names;
        for (TField* field : fields)
            if (field->Visible()) names.push_back(field->FieldName());
        bool same = FDefault && names.size() == FItems.size();
        for (size_t i = 0; same && i < names.size(); ++i) same = FItems[i]->FFieldName == names[i];
        if (!same) {
            FItems.clear();
            for (const std::string& name : names) {
                auto column = std::make_unique<TColumn>(*this);
                column->FFieldName = name;
                FItems.push_back(std::move(column));
            }
        }
        FDefault = true;
    }
    for (auto& column : FItems) {
        column->FField = nullptr;
        for (TField* field : fields)
            if (SameText(field->FieldName(), column->FFieldName)) column->FField = field;
        column->FTitle.FField = column->FField;
    }
}
