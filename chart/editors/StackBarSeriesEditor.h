#pragma once
// The "Stack" page of the bar series editor: the bars' origin, how the bars of several series
// share a point, and the stack group. The bar series comes in Tag; each change is written at
// once.
#include "chart/editors/EditorForm.h"

class TCheckBox;
class TCustomBarSeries;
class TEdit;
class TLabel;
class TRadioGroup;
class TUpDown;

class TStackBarSeriesEditor : public TEditorForm {
    KV_DECLARE_CLASS(TStackBarSeriesEditor, TEditorForm)
public:
    explicit TStackBarSeriesEditor(TComponent* owner);
    ~TStackBarSeriesEditor() override;

    TCustomBarSeries* Series() const { return FSeries; }

    TCheckBox* CBYOrigin;
    TEdit* EYOrigin;
    TRadioGroup* RGMultiBar;
    TLabel* LGroup;
    TEdit* EGroup;
    TUpDown* UDGroup;

protected:
    void DoShow() override;

private:
    void BuildControls();
    void BindProperties();
    // The group edit serves stacked bars.
    void EnableGroup();

    TCustomBarSeries* FSeries = nullptr;
};
