#pragma once
// The series page of the chart editor: a chooser of the chart's series, a header naming the
// edited series' type and title, and a colour box that edits the series colour. It follows the
// chart's series events: a series freed elsewhere leaves the chooser and is no longer edited.
#include <string>

#include "chart/editors/ChartPageForm.h"

class TClassInfo;
class TControl;
class TCustomChart;
class TChartSeries;
class TForm;
class TObject;
class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TRadioGroup;
class TLabel;
class TPageControl;
class TPaintBox;
class TTabSheet;
class TTeeSeriesEvent;

// The editor form class registered under the name the series' type reports for its editor;
// null when the name is empty or unregistered.
const TClassInfo* FindSeriesEditorClass(const TChartSeries& series);

enum TSeriesPageTab { stFormat, stGeneral, stMarks, stDataSource };

class TFormTeeSeries : public TChartPageForm {
    KV_DECLARE_CLASS(TFormTeeSeries, TChartPageForm)
public:
    explicit TFormTeeSeries(TComponent* owner);
    ~TFormTeeSeries() override;

    bool DataSourceAllowed = true;
    bool GeneralAllowed = true;
    bool MarksAllowed = true;

    void SetChart(TCustomChart* chart);
    // Makes series the edited one and shows it in the chooser (none hides the pages).
    void SelectSeries(TChartSeries* series);
    TChartSeries* Series() const { return FSeries; }
    void ShowTab(TSeriesPageTab tab);
    // A series event of the chart, as the hosting dialog passes it on.
    void HandleChartEvent(const TTeeSeriesEvent& event);

    // Embeds the edited series' own editor form into "Format" (its Tag the series); hides
    // "Format" when the series' type registers none.
    void EmbedSeriesEditor();
    // Frees the series editor in "Format" and the tabs series editors added.
    void ClearEditors();
    // A tab of its own for a series editor: on the series page that owns control, a new sheet
    // captioned caption at pageIndex holding a form of formClass tagged with edited; on no series
    // page, a form of formClass owned by control, captioned and tagged, not embedded.
    static TForm* InsertEditorPage(TControl* control, const TClassInfo& formClass,
                                   const std::string& caption, TObject* edited, int pageIndex);

    TLabel* LabelSeriesClass;
    TComboBox* CBSeries;
    TPaintBox* PaintBox1;
    TPageControl* PageSeries;
    TTabSheet* TheTabSheet;
    TTabSheet* TabGeneral;
    TTabSheet* TabMarks;
    TTabSheet* TabDataSource;
    TCheckBox* CBShowInLegend;
    TComboBox* CBFormat;
    TEdit* EPercentFormat;
    TButton* Button1;
    TButton* Button2;
    TCheckBox* CBMarksVisible;
    TRadioGroup* RGMarkStyle;
    TCheckBox* CBMultiLine;
    TCheckBox* CBAllVisible;

    void CBSeriesChange();
    void PaintBox1Click();

protected:
    void LoadControls() override;

private:
    void FillChooser();
    void BuildGeneralTab();
    void BuildMarksTab();
    void LoadGeneralTab();
    void LoadMarksTab();
    // Multi-line marks only for the styles that write two texts.
    void EnableMultiLine();
    bool AllMarksVisible() const;
    void PaintColorBox();

    TCustomChart* FChart = nullptr;
    TChartSeries* FSeries = nullptr;
    // The series whose editors the page holds: showing the page again keeps them.
    TChartSeries* FEditorsOf = nullptr;
    bool FQuiet = false;
};
