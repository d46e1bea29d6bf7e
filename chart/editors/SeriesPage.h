#pragma once
// The series page of the chart editor: a chooser of the chart's series, a header naming the
// edited series' type and title, a colour box that edits the series colour, and the tabs that
// edit one series: Format (the series type's own editor), General, Marks and Data Source. The
// page listens to the chart of the series it edits: a series freed elsewhere is no longer
// edited, and every event goes on to the host's OnChartEvent.
//
// The tabs are built and loaded in files of their own: SeriesPageGeneral.cpp,
// SeriesPageMarks.cpp and SeriesPageData.cpp. Only the active tab is read from the series, when
// the series is loaded and each time the tab is shown again.
#include <functional>
#include <string>
#include <vector>

#include "chart/editors/ChartPageForm.h"
#include "chart/editors/OwnedForm.h"
#include "chart/foundation/TeePanel.h"

class TButton;
class TButtonPen;
class TChartGrid;
class TChartGridNavigator;
class TChartListBox;
class TChartSeries;
class TCheckBox;
class TClassInfo;
class TControl;
class TComboBox;
class TCustomAxisPanel;
class TEdit;
class TGroupBox;
class TImage;
class TLabel;
class TMarginsEditor;
class TFormTeeShape;
class TSeriesMarks;
class TPageControl;
class TPaintBox;
class TPanel;
class TRadioGroup;
class TSeriesSourceClass;
class TTabSheet;
class TTeeSeriesEvent;
class TTimer;
class TUpDown;

// The editor form class registered under the name the series' type reports for its editor;
// null when the name is empty or unregistered.
const TClassInfo* FindSeriesEditorClass(const TChartSeries& series);

enum TSeriesPageTab { stFormat, stGeneral, stMarks, stDataSource };

// The fixed entries of the data-source style list; the registered source kinds follow them.
enum TSeriesDataStyle { sdsManual, sdsRandom, sdsSeries, sdsFunction, sdsFirstKind };

class TFormTeeSeries : public TChartPageForm, public IPanelListener {
    KV_DECLARE_CLASS(TFormTeeSeries, TChartPageForm)
public:
    explicit TFormTeeSeries(TComponent* owner);
    ~TFormTeeSeries() override;

    // Set by the host before the first load.
    bool DataSourceAllowed = true;
    bool GeneralAllowed = true;
    bool MarksAllowed = true;
    // The host's series list, kept on the edited series; optional.
    TChartListBox* SeriesList = nullptr;
    // Every chart event the page receives, passed on; optional.
    std::function<void(TTeeEvent*)> OnChartEvent;

    // Lists chart's series in the chooser.
    void SetChart(TCustomAxisPanel* chart);
    // Chooses series in the chooser and loads it unless it is the series loaded last (then only
    // the axis choices are read again, as the axes may have changed meanwhile). None hides the
    // pages.
    void SelectSeries(TChartSeries* series);
    TChartSeries* Series() const { return FSeries; }
    void ShowTab(TSeriesPageTab tab);
    // The series chosen in CBSeries becomes the edited one.
    void CBSeriesChange();
    // Re-lists the axes in the axis combos (after axes were added or freed).
    void RefreshAxisChoices();
    // The host's veto on a page change and on closing: the embedded data-source editor's.
    bool PageSeriesChanging(bool fromHost = true);
    void PageSeriesChange();
    bool CloseQuery() override;

    // Embeds the edited series' own editor form into "Format" (its Tag the series); hides
    // "Format" when the series' type registers none.
    void EmbedSeriesEditor();
    // Frees the series editor in "Format", the tabs series editors added and the data-source
    // editor (when it agrees to close).
    void ClearEditors();
    // A tab of its own for a series editor: on the series page that owns control, a new sheet
    // captioned caption at pageIndex holding a form of formClass tagged with edited; on no series
    // page, a form of formClass owned by control, captioned and tagged, not embedded.
    static TForm* InsertEditorPage(TControl* control, const TClassInfo& formClass,
                                   const std::string& caption, TObject* edited, int pageIndex);

    void HandleTeeEvent(TTeeEvent* event) override;
    // A series event of the chart, as the page hears it.
    void HandleChartEvent(const TTeeSeriesEvent& event);
    void PaintBox1Click();

    // --- Header and pages.
    TPanel* Panel1;
    TImage* ImageSeries;
    TLabel* LabelSeriesClass;
    TComboBox* CBSeries;
    TPaintBox* PaintBox1;
    TPageControl* PageSeries;
    TTabSheet* TheTabSheet;
    TTabSheet* TabGeneral;
    TTabSheet* TabMarks;
    TTabSheet* TabDataSource;
    TTimer* Timer1;
    TCheckBox* CBPersistent;

    // --- General.
    TCheckBox* CBShowInLegend;
    TComboBox* CBCursor;
    TLabel* LabelDepth;
    TEdit* EDepth;
    TUpDown* UDDepth;
    TCheckBox* CBDepth;
    TComboBox* CBFormat;
    TEdit* EPercentFormat;
    TButton* Button1;
    TButton* Button2;
    TGroupBox* GroupHorizAxis;
    TComboBox* CBHorizAxis;
    TCheckBox* CBXDateTime;
    TGroupBox* GroupVertAxis;
    TComboBox* CBVertAxis;
    TCheckBox* CBYDateTime;
    TLabel* LabelSort;
    TComboBox* CBSort;
    TCheckBox* CBZDateTime;
    TCheckBox* CBShowInEditor;

    // --- Marks.
    TPageControl* PageControlMarks;
    TTabSheet* TabStyle;
    TTabSheet* TabArrows;
    TTabSheet* TabSymbol;
    TTabSheet* TabMargins;
    TCheckBox* CBMarksVisible;
    TCheckBox* CBMarkClip;
    TEdit* SEMarksAngle;
    TUpDown* UDMarksAngle;
    TEdit* EMarksEvery;
    TUpDown* UDEvery;
    TCheckBox* CBMultiLine;
    TCheckBox* CBAllVisible;
    TRadioGroup* RGMarkStyle;
    TComboBox* CBTextAlign;
    TCheckBox* CBFontSeriesColor;
    // The symbol's Visible, on the symbol editor's Format tab.
    TCheckBox* CBSymbolVisible = nullptr;
    // The shape editors of the marks (its pages in PageControlMarks) and of their symbol (in
    // the Symbol tab), made on the first visit of the Marks tab.
    TFormTeeShape* MarksShapeEditor() const { return FMarksShape.get(); }
    TFormTeeShape* SymbolShapeEditor() const { return FSymbolShape; }
    TButtonPen* BMarkLinCol;
    TEdit* SEArrowLength;
    TUpDown* UDArrowsLength;
    TEdit* EArrowDist;
    TUpDown* UDArrowDist;
    TButton* BCalloutPointer;
    TComboBox* CBHead;
    TEdit* Edit1;
    TUpDown* UDHeadSize;

    // --- Data Source.
    TPanel* PanTop;
    TComboBox* CBDataSourcestyle;
    TButton* NewDataButton;
    TButton* EditDataButton;
    TButton* DeleteDataButton;
    TPanel* Panel2;
    TChartGrid* ChartGrid1;
    TChartGridNavigator* ChartGridNavigator1;
    TPanel* PanelRandomSource;
    TEdit* ESamples;
    TCheckBox* CBSamplesDefault;
    TButton* BApplyRandom;
    TButton* Button3;
    TPanel* PanelSeriesSource;
    TComboBox* CBSeriesSource;
    TButton* BApplySource;
    TButton* BClearSource;
    // The data-source editor shown in Panel2, when one is.
    TForm* DataSourceEditor() const { return FSourceEditor; }

protected:
    // Loads the edited series, returning to the tab that was active.
    void LoadControls() override;
    void DoShow() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void FillChooser();
    void LoadSeries(const std::string& returnCaption);
    void LoadHeader();
    void ListenTo(TCustomAxisPanel* chart);
    void PaintColorBox();
    // True when the guarded handlers may write: a series, not loading, not switching tabs.
    bool CanWrite() const;

    // SeriesPageGeneral.cpp
    void BuildGeneralTab();
    void LoadGeneralTab();
    void FillAxisCombo(TComboBox& combo, bool horizontal);
    void CBSortChange();

    // SeriesPageMarks.cpp
    void BuildMarksTab();
    void BuildMarksStyleTab();
    void BuildMarksArrowsTab();
    void LoadMarksTab();
    // The marks' and the symbol's shape editors, into the Marks tab's pages.
    void BuildMarksShapeEditors(TSeriesMarks* marks);
    // Multi-line marks only for the styles that write two texts.
    void EnableMultiLine();
    bool AllMarksVisible() const;

    // SeriesPageData.cpp
    void BuildDataSourceTab();
    void RefillDataStyles();
    void LoadDataSourceTab();
    // The style that matches how the series gets its points.
    int CurrentDataStyle() const;
    void RebuildSourcePanel();
    void CBDataSourcestyleChange();
    void DetachSource();
    void ShowRandomSource();
    void ShowSeriesSource();
    void EmbedSourceEditor(TForm* editor);
    // Frees the embedded data-source editor when it agrees to close.
    bool FreeSourceEditor();
    void ESamplesChange();
    void SamplesDefaultChange();
    void Timer1Timer();

    TCustomAxisPanel* FChart = nullptr;
    bool FSwitchingTabs = false;
    TMarginsEditor* FMarginsEditor = nullptr;
    TOwnedForm<TFormTeeShape> FMarksShape;
    TFormTeeShape* FSymbolShape = nullptr;
    TChartSeries* FLastSeries = nullptr;
    // The series whose editors the page holds: showing the page again keeps them.
    TChartSeries* FEditorsOf = nullptr;
    TChartSeries* FSeries = nullptr;
    TForm* FSourceEditor = nullptr;
    // The source kinds listed after the fixed styles, in list order.
    std::vector<const TSeriesSourceClass*> FSourceKinds;
    // Set while a handler changes a control another handler watches.
    bool FQuiet = false;
};

// The series page alone, as a sizeable modal dialog on series, owned by the form of owner.
void ShowSeriesDialog(TControl* owner, TChartSeries* series);
