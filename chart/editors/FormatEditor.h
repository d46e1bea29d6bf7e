#pragma once
// The "Numeric Format" dialog: builds a number pattern from check boxes and digit counts, or
// picks a date-time, geographic or custom pattern. It opens on a pattern taken apart into its
// controls (FormatPattern.h) and answers the pattern the controls describe.
#include <string>

#include "chart/editors/FormatPattern.h"
#include "platform/ui/Form.h"

class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TRadioButton;
class TUpDown;

class TFormatEditor : public TForm {
    KV_DECLARE_CLASS(TFormatEditor, TForm)
public:
    explicit TFormatEditor(TComponent* owner);
    ~TFormatEditor() override;

    // Shows the dialog on pattern (the date-time choice only when isDateTime); the pattern built
    // after OK, else pattern unchanged.
    static std::string ShowFormatDialog(TComponent* owner, const std::string& pattern,
                                        bool isDateTime);

    // The pattern the controls describe.
    std::string BuildFormat() const;
    // Takes a pattern apart into the controls (what showing the dialog does).
    void LoadPattern(const std::string& pattern);

    TRadioButton* RBInteger;
    TCheckBox* CBPercent;
    TCheckBox* CBThousands;
    TCheckBox* CBCurrency;
    TEdit* Edit1;
    TUpDown* UpDown1;
    TCheckBox* CBFixedDecimals;
    TEdit* Edit2;
    TUpDown* UpDown2;
    TRadioButton* RBDate;
    TComboBox* CBDate;
    TRadioButton* RBCustom;
    TComboBox* CBCustom;
    TRadioButton* RBGeo;
    TComboBox* CBGeo;
    TButton* Button1;
    TButton* Button2;

private:
    void BuildControls();
    void RadioClick();
    void RBIntegerClick();
    void CBPercentClick();
    // Selects text in the combo, adding it to the list when missing, and enables it.
    static void ShowInCombo(TComboBox* combo, const std::string& text);

    bool FChanging = false;
};
