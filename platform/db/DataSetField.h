#pragma once
// A nested-table column: each record holds a table of child rows in it. The dataset that shows
// those rows (the detail) names this field as its DataSetField; the field then knows it as its
// NestedDataSet and takes the child layout from it.
#include "platform/db/Field.h"

class TClientDataSet;

class TDataSetField : public TField {
public:
    TDataSetField() : TField(ftDataSet) {}
    ~TDataSetField() override;

    TClientDataSet* NestedDataSet() const { return FNestedDataSet; }

    std::string AsString() const override { return {}; }

private:
    friend class TClientDataSet;
    TClientDataSet* FNestedDataSet = nullptr;
};
