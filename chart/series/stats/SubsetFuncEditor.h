#pragma once
// The options of the subset: the two position limits, and the value list the series copies
// (written as the value source of its mandatory list). Choosing a list fills the limits with
// that list's extremes in the source, unless the series already names a value source.
#include "chart/editors/SourceEditorBase.h"

class TComboBox;
class TEdit;

class TSubsetFuncEditor : public TBaseFunctionEditor {
    KV_DECLARE_CLASS(TSubsetFuncEditor, TBaseFunctionEditor)
public:
    explicit TSubsetFuncEditor(TComponent* owner);

    TEdit* EStart;
    TEdit* EEnd;
    TComboBox* CBValues;

    void LoadFunction() override;
    // Both limits through the strict conversion first: a text that is not a number raises and
    // changes nothing.
    void ApplyFunction() override;
    void CBValuesChange();
};
