#pragma once
// The axis page: the chart's axes one at a time, picked in a list, with the scale (automatic or
// fixed limits entered through the limit dialog, inverted, visible) and the axis title; and
// TAxisMaxMin, the dialog that enters one limit.
#include <string>

#include "chart/editors/ChartPageForm.h"

class TButton;
class TChartAxis;
class TCheckBox;
class TEdit;
class TLabel;
class TListBox;
class TComboBox;
class TCustomAxisPanel;

class TAxisMaxMin : public TForm {
    KV_DECLARE_CLASS(TAxisMaxMin, TForm)
public:
    explicit TAxisMaxMin(TComponent* owner);
    ~TAxisMaxMin() override;

    // Fills the edits from the value: date and time, or the number alone.
    void Prepare(bool isDateTime, double value);
    double Value() const { return FValue; }

    TLabel* LabelMaximum;
    TEdit* EMaximum;
    TLabel* LabelMinimum;
    TEdit* EMinimum;
    TButton* BOk;
    TButton* BCancel;

private:
    // Reads the edits; a text that is no value is reported and keeps the dialog open.
    void BOkClick();
    bool FIsDateTime = false;
    double FValue = 0;
};

class TFormTeeAxis : public TChartPageForm {
    KV_DECLARE_CLASS(TFormTeeAxis, TChartPageForm)
public:
    TFormTeeAxis(TComponent* owner, TChartAxis* axis);
    ~TFormTeeAxis() override;

    TChartAxis* Axis() const { return FAxis; }

    TListBox* LBAxes;
    TCheckBox* CBAutomatic;
    TCheckBox* CBAutoMin;
    TCheckBox* CBAutoMax;
    TLabel* LAxisMin;
    TLabel* LAxisMax;
    TButton* BAxisMin;
    TButton* BAxisMax;
    TCheckBox* CBVisible;
    TCheckBox* CBInverted;
    TLabel* LAxisIncre;
    TButton* BIncre;
    TCheckBox* CBShowAll;
    TCheckBox* CBLogarithmic;
    TEdit* ELogBase;
    TCheckBox* LogE;
    TButton* BAdd;
    TButton* BDelete;
    TComboBox* CBFormat;
    TButton* Button1;
    TEdit* ETitle;

protected:
    void LoadControls() override;

private:
    void LBAxesClick();
    void CBAutomaticClick();
    void CBAutoMinMaxClick(bool minimum);
    void ChangeLimit(bool minimum);
    void CBLogarithmicClick();
    void ELogBaseChange();
    void EnableLogBase();
    void FillFormats();
    void WriteFormat(const std::string& text);
    TCustomAxisPanel* Chart() const;

    TChartAxis* FAxis;
    // Set while the page puts a control back itself.
    bool FQuiet = false;
};
