#include "workbench/windows/PlotAgainstWWindow.h"

#include <cmath>

#include "chart/engine/AxisTitle.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/LineSeries.h"
#include "controls/RzSpinEdit.h"
#include "engine/Global.h"
#include "engine/VC.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/ValueGuard.h"
#include "platform/ui/BitBtn.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SizeConstraints.h"
#include "workbench/ResultPlotData.h"
#include "workbench/TextFileFormat.h"
#include "workbench/windows/ControlBuilding.h"
#include "workbench/windows/WorkbenchCharts.h"

namespace {

constexpr TColor DarkBlue = 10485760;  // RGB 0, 0, 160

// The run's results of one viewing condition against wavelength, the total left out; a value
// the run does not hold is no point.
void PlotAgainstWavelength(TLineSeries& series, const TRunPlotData& data,
                           const std::vector<float>& values) {
    for (int k = 1; k <= data.WavelengthCount; ++k)
        if (!std::isnan(values[size_t(k)]))
            series.AddXYPoint(data.Wavelengths[size_t(k)], values[size_t(k)]);
}

}  // namespace

TFPlotAgainstW::TFPlotAgainstW(TComponent* owner, TResultsDatabase& db)
    : TResultPlotForm(owner, db, "Radiance Temperarure", 3) {
    SetCaption(Shared.ProgramTitle + ": Dependences on Wavelength");
    SetBounds(0, 0, 760, 520);
    Constraints()->SetMinWidth(700);
    Constraints()->SetMinHeight(440);
    Label1 = MakeControl<TLabel>(pControls);
    Label1->SetCaption("Viewing Conditions #:");
    Label1->SetBounds(12, 16, 130, 16);
    seiVC = MakeControl<TRzSpinEdit>(pControls);
    seiVC->SetBounds(146, 12, 70, 23);
    seiVC->SetIntegersOnly(true);
    seiVC->SetCheckRange(true);
    btnClose->SetBounds(Width() - 112, 10, 90, 27);

    for (TChart* chart : {chEE, chRT})
        SetUpAxis(*chart->BottomAxis(), "Wavelength (\u00B5m)", "##0.######");
    SetUpAxis(*chEE->LeftAxis(), "Effective Emissivity", "          ##0.######");
    SetUpAxis(*chRT->LeftAxis(), "Radiance Temperature (K)", "            ####0.####");
    Isothermal = AddResultSeries(chEE, "Isothermal", "Isothermal", DarkBlue, DarkBlue, DarkBlue);
    Nonisothermal =
        AddResultSeries(chEE, "Nonisothermal", "Nonisothermal", DarkBlue, clWhite, DarkBlue);
    LineSeries1 =
        AddResultSeries(chRT, "LineSeries1", "Nonisothermal", clMaroon, clWhite, clMaroon);
    ShowLegend(35);

    const TRunPlotData& data = Data();
    SetPanelText(2, "T ref = " + FloatToStr(data.Tref) + " K");
    SetPanelText(0, std::string(ViewKindNames.at(size_t(data.Kind))) + " and Radiance Temperature");
    SetPanelText(1, "Number of Viewing Conditions: " + std::to_string(data.VCCount));
    seiVC->SetMin(1);
    seiVC->SetMax(data.VCCount);
    seiVC->SetIntValue(1);
    seiVC->OnChange = [this](TObject*) { seiVCChange(); };
    UpdatePlots();
    DoCreate();
}

void TFPlotAgainstW::UpdatePlots() {
    if (FUpdating) return;
    const TValueGuard<bool> updating(FUpdating, true);
    const TRunPlotData& data = Data();
    seiVC->SetMin(1);
    seiVC->SetMax(data.VCCount);
    for (TChart* chart : {chEE, chRT})
        for (int i = 0; i < chart->SeriesCount(); ++i) chart->GetSeries(i)->Clear();
    if (data.VCCount == 0) return;
    const int64_t v = seiVC->GetIntValue();
    if (v < 1 || v > data.VCCount) RaiseRangeError();
    const size_t vc = size_t(v - 1);
    PlotAgainstWavelength(*Isothermal, data, data.EEiso[vc]);
    PlotAgainstWavelength(*Nonisothermal, data, data.EE[vc]);
    PlotAgainstWavelength(*LineSeries1, data, data.RT[vc]);

    // The kind's parameters of the condition shown, on the titles' second line.
    const size_t kind = size_t(data.Kind);
    std::string params;
    for (size_t p = 0; p < ViewParamCounts[kind]; ++p) {
        if (p > 0) params += "; ";
        params += std::string(ViewParamNames[kind][p]) + " = " +
                  FormatBlankZeros("###0.0###", data.Params[vc][p]);
    }
    SetChartTitle(*chEE, {data.DatasetName + ": " + ViewKindNames[kind], params});
    SetChartTitle(
        *chRT, {data.DatasetName + ": Radiance Temperature from " + ViewKindNames[kind], params});
}
