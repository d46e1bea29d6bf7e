#pragma once
// `TFPlotAgainstW`, the spectral plot of one viewing condition of the selected run: its
// isothermal and non-isothermal effective emissivities, and its radiance temperature, against
// wavelength. The spin edit chooses the viewing condition.
#include "workbench/windows/ResultPlotForm.h"

class TLabel;
class TLineSeries;
class TRzSpinEdit;

class TFPlotAgainstW : public TResultPlotForm {
    KV_DECLARE_CLASS(TFPlotAgainstW, TResultPlotForm)
public:
    TFPlotAgainstW(TComponent* owner, TResultsDatabase& db);

    TLabel* Label1;
    TRzSpinEdit* seiVC;
    TLineSeries *Isothermal, *Nonisothermal, *LineSeries1;

    void UpdatePlots();
    void seiVCChange() { UpdatePlots(); }
};
