#include "workbench/windows/PlotAgainstVCWindow.h"

#include <cmath>

#include "chart/engine/AxisTitle.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/LineSeries.h"
#include "controls/RzSpinEdit.h"
#include "engine/Global.h"
#include "engine/VC.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/BitBtn.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/SizeConstraints.h"
#include "workbench/ResultPlotData.h"
#include "workbench/TextFileFormat.h"
#include "workbench/windows/ControlBuilding.h"
#include "workbench/windows/WorkbenchCharts.h"

namespace {

constexpr TColor DarkBlue = 10485760;  // RGB 0, 0, 160

// One point per viewing condition: its parameter p against its result at wavelength index k. The
// series keep their X values in ascending order, so conditions given in another order still draw
// as a line from left to right.
void PlotAgainstParameter(TLineSeries& series, const TRunPlotData& data, size_t p, size_t k,
                          const std::vector<std::vector<float>>& values) {
    for (size_t v = 0; v < size_t(data.VCCount); ++v)
        if (!std::isnan(values[v][k])) series.AddXYPoint(data.Params[v][p], values[v][k]);
}

}  // namespace

TFPlotAgainstVC::TFPlotAgainstVC(TComponent* owner, TResultsDatabase& db)
    : TResultPlotForm(owner, db, "Rad. Temperarure", 2) {
    SetCaption(Shared.ProgramTitle + ": Dependences on Viewing Conditions Parameter");
    SetBounds(0, 0, 720, 480);
    Constraints()->SetMinWidth(650);
    Constraints()->SetMinHeight(350);
    pControls->SetHeight(56);
    gbWavelength = MakeControl<TGroupBox>(pControls);
    gbWavelength->SetCaption("Wavelength #");
    gbWavelength->SetBounds(8, 2, 120, 50);
    seiW = MakeControl<TRzSpinEdit>(gbWavelength);
    seiW->SetBounds(10, 20, 90, 23);
    seiW->SetIntegersOnly(true);
    seiW->SetCheckRange(true);
    rgParameter = MakeControl<TRadioGroup>(pControls);
    rgParameter->SetCaption("Parameter");
    rgParameter->SetHint("Choose Viewing Conditions Parameter for Abscissa");
    rgParameter->SetShowHint(true);
    rgParameter->SetBounds(140, 2, 300, 50);
    rgParameter->SetColumns(3);
    btnClose->SetBounds(Width() - 112, 14, 90, 27);

    for (TChart* chart : {chEE, chRT}) SetUpAxis(*chart->BottomAxis(), "", "##0.######");
    SetUpAxis(*chEE->LeftAxis(), "Effective Emissivity", "   ##0.########");
    SetUpAxis(*chRT->LeftAxis(), "", "   ###0.###");
    Isothermal = AddResultSeries(chEE, "Isothermal", "Isothermal", DarkBlue, clWhite, DarkBlue);
    Nonisothermal = AddResultSeries(chEE, "Nonisothermal", "Nonisothermal", clRed, clWhite, clRed);
    Series10 = AddResultSeries(chRT, "Series10", "", clMaroon, clWhite, clMaroon);
    ShowLegend(30);

    const TRunPlotData& data = Data();
    const size_t kind = size_t(data.Kind);
    SetPanelText(0, std::string(ViewKindNames.at(kind)) + " and Radiance Temperature");
    SetPanelText(1, "Number of Wavelength: " + std::to_string(data.WavelengthCount));
    seiW->SetMin(0);
    seiW->SetMax(data.WavelengthCount);
    seiW->SetIntValue(0);
    // The local-hemispherical kind has one parameter, Xi, and no choice; the other kinds start
    // on their first parameter (Normal) or on the angle or height that sets them apart.
    for (size_t p = 0; p < ViewParamCounts[kind]; ++p)
        rgParameter->Items()->Add(ViewParamNames[kind][p]);
    rgParameter->SetVisible(kind <= 3);
    rgParameter->SetItemIndex(kind == 0 || kind == 4 ? 0 : ViewParamCounts[kind] - 1);
    seiW->OnChange = [this](TObject*) { seiWChange(); };
    rgParameter->OnClick = [this](TObject*) { rgParameterClick(); };
    UpdatePlots();
    DoCreate();
}

void TFPlotAgainstVC::UpdatePlots() {
    const TRunPlotData& data = Data();
    for (TChart* chart : {chEE, chRT})
        for (int i = 0; i < chart->SeriesCount(); ++i) chart->GetSeries(i)->Clear();
    const int64_t w = seiW->GetIntValue();
    const int p = rgParameter->ItemIndex();
    const size_t kind = size_t(data.Kind);
    if (w < 0 || w > data.WavelengthCount || p < 0 || p >= ViewParamCounts[kind]) RaiseRangeError();
    const size_t k = size_t(w);

    const float wavelength = data.Wavelengths[k];
    if (wavelength != 0) {
        const std::string title = data.DatasetName +
                                  "; Wavelength = " + FormatBlankZeros("0000.0000", wavelength) +
                                  " \u00B5m";
        SetChartTitle(*chEE, {title});
        SetChartTitle(*chRT, {title});
        chRT->LeftAxis()->Title()->SetCaption("Radiance Temperature (K)");
    } else {
        SetChartTitle(*chEE, {data.DatasetName + "; Total"});
        SetChartTitle(*chRT, {data.DatasetName});
        chRT->LeftAxis()->Title()->SetCaption("Radiation Temperature (K)");
    }
    for (TChart* chart : {chEE, chRT})
        chart->BottomAxis()->Title()->SetCaption(ViewParamNames[kind][size_t(p)]);

    PlotAgainstParameter(*Isothermal, data, size_t(p), k, data.EEiso);
    PlotAgainstParameter(*Nonisothermal, data, size_t(p), k, data.EE);
    PlotAgainstParameter(*Series10, data, size_t(p), k, data.RT);
}
