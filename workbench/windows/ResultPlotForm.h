#pragma once
// What the two result plot windows share: the copy of the run selected in the results window,
// taken when the window is made, the pages "Effective Emissivity" and a radiance-temperature page
// with one chart each, the Close button and the status bar. The charts are white and flat, use
// the chart palette 13 and plot line series whose circular pointers keep the points in ascending
// X order; the emissivity chart's legend at the bottom switches its series with check boxes.
#include <memory>
#include <string>

#include "platform/graphics/Colors.h"
#include "platform/ui/Form.h"

class TBitBtn;
class TChart;
class TChartEditor;
class TLineSeries;
class TPageControl;
class TPanel;
class TResultsDatabase;
class TStatusBar;
struct TRunPlotData;

class TResultPlotForm : public TForm {
    KV_DECLARE_CLASS(TResultPlotForm, TForm)
public:
    ~TResultPlotForm() override;

    TPageControl* PageControl1;
    TChart *chEE, *chRT;
    TChartEditor* ce;
    TPanel* pControls;
    TBitBtn* btnClose;
    TStatusBar* StatusBar1;

    const TRunPlotData& Data() const { return *FData; }

protected:
    // Copies the selected run of `db` (a kind outside 0..4 raises the range error), then builds
    // the frame: the panel above the pages for the window's own controls, the two pages and the
    // status bar's panels.
    TResultPlotForm(TComponent* owner, TResultsDatabase& db, const std::string& rtPageCaption,
                    int statusPanels);
    // A line series of the chart with its legend title, line colour and pointer colours.
    TLineSeries* AddResultSeries(TChart* chart, const std::string& name, const std::string& title,
                                 TColor line, TColor pointerFill, TColor pointerOutline);
    // The emissivity chart's legend: at the bottom, with check boxes and symbols `symbolWidth`
    // wide.
    void ShowLegend(int symbolWidth);
    void SetPanelText(int index, const std::string& text);

private:
    std::unique_ptr<TRunPlotData> FData;
};
