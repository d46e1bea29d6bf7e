#pragma once
// The options forms of the functions, each found by the name its function's EditorClassName
// gives: the period (TTeeFunctionEditor: all points, every number of points or every range, and
// where each result sits), the average's null values, the formula's x range, and the smoothing's
// interpolation and factor. Their controls only mark the page as changed; the function takes
// them when the page applies.
#include "chart/editors/SourceEditorBase.h"

class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TUpDown;

class TTeeFunctionEditor : public TBaseFunctionEditor {
    KV_DECLARE_CLASS(TTeeFunctionEditor, TBaseFunctionEditor)
public:
    explicit TTeeFunctionEditor(TComponent* owner);

    TLabel* LabelAlign;
    TComboBox* CBAlign;
    TLabel* LabelStyle;
    TComboBox* CBStyle;
    TLabel* LabelNum;
    TEdit* ENum;
    TButton* BChange;

    void LoadFunction() override;
    void ApplyFunction() override;
    // Enables the number and Change... for the style and shows the period the style reads.
    void CBStyleChange();
    void BChangeClick();

private:
    void EnableStyleControls();
};

class TAverageFuncEditor : public TTeeFunctionEditor {
    KV_DECLARE_CLASS(TAverageFuncEditor, TTeeFunctionEditor)
public:
    explicit TAverageFuncEditor(TComponent* owner);

    TCheckBox* CBNulls;

    void LoadFunction() override;
    void ApplyFunction() override;
};

class TCustomFunctionEditor : public TBaseFunctionEditor {
    KV_DECLARE_CLASS(TCustomFunctionEditor, TBaseFunctionEditor)
public:
    explicit TCustomFunctionEditor(TComponent* owner);

    TEdit* EStart;
    TEdit* EStep;
    TEdit* ENum;

    void LoadFunction() override;
    // Each text through the strict conversion: an invalid one raises and changes nothing.
    void ApplyFunction() override;
};

class TSmoothFuncEditor : public TBaseFunctionEditor {
    KV_DECLARE_CLASS(TSmoothFuncEditor, TBaseFunctionEditor)
public:
    explicit TSmoothFuncEditor(TComponent* owner);

    TCheckBox* CBInterp;
    TEdit* Edit1;
    TUpDown* UpDown1;

    void LoadFunction() override;
    void ApplyFunction() override;
};
