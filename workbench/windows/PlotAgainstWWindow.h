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

    // A run without viewing conditions (no stored run) leaves the plots empty.
    void UpdatePlots();
    void seiVCChange() { UpdatePlots(); }

private:
    // Setting the spin edit's range changes its text, whose change handler redraws: that inner
    // redraw is left to the one running (with no viewing condition the range 1..0 would flip
    // between 0 and 1 and redraw without end).
    bool FUpdating = false;
};
