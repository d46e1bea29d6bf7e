#include "platform/db/DataSetField.h"

#include "platform/db/ClientDataSet.h"

TDataSetField::~TDataSetField() {
    if (FNestedDataSet) FNestedDataSet->SetDataSetField(nullptr);
}
