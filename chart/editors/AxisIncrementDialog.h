#pragma once
// The "Axis Increment" dialog: the desired increment of an axis, a number, or on a date-time
// axis one of the standard steps (exact calendar steps) or a custom "[days] [hh:nn:ss]".
#include "platform/ui/Form.h"

class TButton;
class TChartAxis;
class TCheckBox;
class TComboBox;
class TEdit;
class TRadioGroup;

class TAxisIncrement : public TForm {
    KV_DECLARE_CLASS(TAxisIncrement, TForm)
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
    bool FLoading = false;
    double FIncrement = 0;
};
