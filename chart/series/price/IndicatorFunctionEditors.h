#pragma once
// The options forms of the multi-line and volume functions: the MACD's three periods and pens,
// the Bollinger bands' period, kind, deviation and pens, the volume series of the close
// location value and the on-balance volume, and the volume oscillator's periods. Each control
// only enables Apply; the function takes the values when the page applies.
#include "chart/editors/SourceEditorBase.h"

class TButtonPen;
class TCheckBox;
class TComboBox;
class TEdit;
class TUpDown;

class TMACDFuncEditor : public TBaseFunctionEditor {
    KV_DECLARE_CLASS(TMACDFuncEditor, TBaseFunctionEditor)
public:
    explicit TMACDFuncEditor(TComponent* owner);

    TEdit* ENum;
    TUpDown* UpDown1;
    TEdit* Edit1;
    TUpDown* UpDown2;
    TEdit* Edit2;
    TUpDown* UpDown3;
    TButtonPen* BHistogram;
    TButtonPen* BMACDExp;
    TButtonPen* BMACD;

    void LoadFunction() override;
    void ApplyFunction() override;
};

class TBollingerFuncEditor : public TBaseFunctionEditor {
    KV_DECLARE_CLASS(TBollingerFuncEditor, TBaseFunctionEditor)
public:
    explicit TBollingerFuncEditor(TComponent* owner);

    TEdit* ENum;
    TUpDown* UpDown1;
    TCheckBox* CheckBox1;
    TEdit* Edit1;
    TButtonPen* ButtonPen1;
    TButtonPen* ButtonPen2;

    void LoadFunction() override;
    // A deviation that is no number raises the conversion error and changes nothing.
    void ApplyFunction() override;
};

class TOBVFuncEditor : public TBaseFunctionEditor {
    KV_DECLARE_CLASS(TOBVFuncEditor, TBaseFunctionEditor)
public:
    explicit TOBVFuncEditor(TComponent* owner);

    TComboBox* CBVolume;

    void LoadFunction() override;
    void ApplyFunction() override;
};

class TCLVFuncEditor : public TOBVFuncEditor {
    KV_DECLARE_CLASS(TCLVFuncEditor, TOBVFuncEditor)
public:
    explicit TCLVFuncEditor(TComponent* owner);

    TCheckBox* CBAccumulate;

    void LoadFunction() override;
    void ApplyFunction() override;
};

class TPVOFuncEditor : public TBaseFunctionEditor {
    KV_DECLARE_CLASS(TPVOFuncEditor, TBaseFunctionEditor)
public:
    explicit TPVOFuncEditor(TComponent* owner);

    TEdit* EPeriod;
    TUpDown* UDPeriod;
    TEdit* Edit1;
    TUpDown* UDPeriod2;
    TCheckBox* CBPercent;

    void LoadFunction() override;
    void ApplyFunction() override;
};
