#pragma once
// The margins editor: units and the four margins of a framed box, edited in place. Embedded, it
// finds its margins in Tag when it is shown.
#include "platform/ui/Form.h"

class TEdit;
class TMargins;
class TRadioGroup;
class TUpDown;

class TMarginsEditor : public TForm {
    KV_DECLARE_CLASS(TMarginsEditor, TForm)
public:
    explicit TMarginsEditor(TComponent* owner);

    // Loads the controls from margins, which the editor then edits.
    void LoadMargins(TMargins* margins);
    TMargins* Margins() const { return FMargins; }

    TRadioGroup* RGUnits;
    TEdit* ELeft;
    TUpDown* UDLeft;
    TEdit* ETop;
    TUpDown* UDTop;
    TEdit* ERight;
    TUpDown* UDRight;
    TEdit* EBottom;
    TUpDown* UDBottom;

protected:
    void DoShow() override;

private:
    // The edit's number into the margin, only while the user can see the form.
    void EditChanged(TEdit* edit, void (TMargins::*set)(int));

    TMargins* FMargins = nullptr;
};
