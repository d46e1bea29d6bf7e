#pragma once
// The options of the standard deviation and the root mean square: the period controls and
// whether the divisor counts every value (Complete).
#include "chart/editors/FunctionOptionEditors.h"

class TCheckBox;

class TRMSFuncEditor : public TTeeFunctionEditor {
    KV_DECLARE_CLASS(TRMSFuncEditor, TTeeFunctionEditor)
public:
    explicit TRMSFuncEditor(TComponent* owner);

    TCheckBox* CBComplete;

    void LoadFunction() override;
    void ApplyFunction() override;
};
