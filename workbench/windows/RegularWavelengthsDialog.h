#pragma once
// `TFRegularW`, the "Regular Wavelengths Set" dialog of the Wavelengths page: appends an evenly
// spaced set, given by its bounds and either the number of values or the step, to the current
// dataset's wavelengths. It stays open after each Append until the user closes it.
#include "platform/ui/Form.h"

class TBitBtn;
class TButton;
class TCheckBox;
class TDatasetDatabase;
class TLabeledEdit;
class TRadioGroup;
class TUpDown;

class TFRegularW : public TForm {
    KV_DECLARE_CLASS(TFRegularW, TForm)
public:
    TFRegularW(TComponent* owner, TDatasetDatabase& db);

    TLabeledEdit *edLeft, *edRight, *edSpecify;
    TRadioGroup* rgSpecify;
    TUpDown* UpDown1;
    TCheckBox* cbClear;
    TButton* btnAppendW;
    TBitBtn* btnClose;

    void rgSpecifyClick();
    void btnAppendWClick();

private:
    TDatasetDatabase& FDb;
};
