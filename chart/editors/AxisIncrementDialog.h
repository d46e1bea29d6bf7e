#pragma once
// The "Axis Increment" dialog: the desired increment of an axis, a number, or on a date-time
// axis one of the standard steps (exact calendar steps) or a custom "[days] [hh:nn:ss]".
#include "chart/editors/EditorForm.h"

class TButton;
class TChartAxis;
class TCheckBox;
class TComboBox;
class TEdit;
class TRadioGroup;

class TAxisIncrement : public TEditorForm {
    KV_DECLARE_CLASS(TAxisIncrement, TEditorForm)
public:
    explicit TAxisIncrement(TComponent* owner);
    ~TAxisIncrement() override;

    // Shows the dialog for the axis; true after OK, the axis then having the new Increment and
    // ExactDateTime.
    static bool EditAxisIncrement(TComponent* owner, TChartAxis& axis);

    void Prepare(bool isDateTime, bool exact, double increment);
    double Increment() const { return FIncrement; }
    bool Exact() const { return FExact; }

    TRadioGroup* RGIncrement;
    TComboBox* CBSteps;
    TEdit* ECustom;
    TCheckBox* CBExact;
    TButton* BOk;
    TButton* BCancel;

private:
    void ChooseStandard(bool standard);
    void BOkClick();

    bool FIsDateTime = false;
    bool FExact = false;
    double FIncrement = 0;
};
