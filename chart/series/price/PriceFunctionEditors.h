#pragma once
// The options forms of the averages and oscillators: the moving average's period, kind and
// alignment; the two-point blend's weight; the channel index's constant and period; the ADX's
// period and line pens; the parabolic SAR's acceleration and its bound. Each control only
// enables Apply; the function takes the values when the page applies.
#include "chart/editors/SourceEditorBase.h"

class TButtonPen;
class TComboBox;
class TEdit;
class TUpDown;

class TMovAveFuncEditor : public TBaseFunctionEditor {
    KV_DECLARE_CLASS(TMovAveFuncEditor, TBaseFunctionEditor)
public:
    explicit TMovAveFuncEditor(TComponent* owner);

    TEdit* Edit1;
    TUpDown* UpDown1;
    TComboBox* CBStyle;
    TComboBox* CBAlign;

    void LoadFunction() override;
    void ApplyFunction() override;
};

class TExpAveFuncEditor : public TBaseFunctionEditor {
    KV_DECLARE_CLASS(TExpAveFuncEditor, TBaseFunctionEditor)
public:
    explicit TExpAveFuncEditor(TComponent* owner);

    TEdit* Edit1;
    TComboBox* CBAlign;

    void LoadFunction() override;
    // A text that is no number raises the conversion error, a weight outside 0 .. 1 the
    // function's message; either way the weight stays.
    void ApplyFunction() override;
};

class TCCIFuncEditor : public TBaseFunctionEditor {
    KV_DECLARE_CLASS(TCCIFuncEditor, TBaseFunctionEditor)
public:
    explicit TCCIFuncEditor(TComponent* owner);

    TEdit* EConst;
    TEdit* EPeriod;
    TUpDown* UDPeriod;

    void LoadFunction() override;
    void ApplyFunction() override;
};

class TADXFuncEditor : public TBaseFunctionEditor {
    KV_DECLARE_CLASS(TADXFuncEditor, TBaseFunctionEditor)
public:
    explicit TADXFuncEditor(TComponent* owner);

    TEdit* EPeriod;
    TUpDown* UDPeriod;
    TButtonPen* BUp;
    TButtonPen* BDown;

    void LoadFunction() override;
    void ApplyFunction() override;
};

class TSARFuncEditor : public TBaseFunctionEditor {
    KV_DECLARE_CLASS(TSARFuncEditor, TBaseFunctionEditor)
public:
    explicit TSARFuncEditor(TComponent* owner);

    TEdit* EAccel;
    TEdit* EMaxStep;

    void LoadFunction() override;
    void ApplyFunction() override;
};
