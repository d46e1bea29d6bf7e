#pragma once
// `TFPlotAgainstVC`, the selected run's results of every viewing condition, at one wavelength or
// for the total, against one parameter of the viewing conditions: the isothermal and
// non-isothermal effective emissivities, and the radiance temperature. The spin edit chooses the
// wavelength (0: the total); the radio group the parameter, for the kinds that have several.
#include "workbench/windows/ResultPlotForm.h"

class TGroupBox;
class TLineSeries;
class TRadioGroup;
class TRzSpinEdit;

class TFPlotAgainstVC : public TResultPlotForm {
    KV_DECLARE_CLASS(TFPlotAgainstVC, TResultPlotForm)
public:
    TFPlotAgainstVC(TComponent* owner, TResultsDatabase& db);

    TGroupBox* gbWavelength;
    TRzSpinEdit* seiW;
    TRadioGroup* rgParameter;
    TLineSeries *Isothermal, *Nonisothermal, *Series10;

    void UpdatePlots();
    void seiWChange() { UpdatePlots(); }
    void rgParameterClick() { UpdatePlots(); }
};
