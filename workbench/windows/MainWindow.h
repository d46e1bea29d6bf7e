#pragma once
// The main window `TFMainDB`: the datasets panel on the left, the current dataset's four pages on
// the right (hidden behind "DATABASE IS EMPTY" while the database has no rows), the button row
// and the status bar. Creating it is the program's start-up: the single-instance lock first,
// then the folders, the settings of the engine's shared area and the two databases; closing it
// writes both databases back.
#include <functional>
#include <memory>
#include <string>

#include "engine/EngineHost.h"
#include "platform/ui/Form.h"
#include "platform/ui/InstanceLock.h"
#include "workbench/WorkbenchData.h"

class TBitBtn;
class TButton;
class TChart;
class TChartEditor;
class TDBChart;
class TLineSeries;
class TPoint3DSeries;
class TPointSeries;
class TCheckBox;
class TDBEdit;
class TGroupBox;
class TDBGrid;
class TDBMemo;
class TDBNavigator;
class TDBRadioGroup;
class TLabel;
class TLabeledEdit;
class TPageControl;
class TPanel;
class TRadioGroup;
class TRzBalloonHints;
class TStatusBar;
class TTabSheet;
class TTimer;

// The single-instance lock's file in the databases' folder.
inline constexpr const char* InstanceLockFile = ".kavri320.lock";

class TFMainDB : public TForm, public IEngineHost {
    KV_DECLARE_CLASS(TFMainDB, TForm)
public:
    // Runs the creation steps with the program's folders below exeDir. When another copy holds
    // the lock, shows "KAVRI320 is already running" and stops before any database is read:
    // StartRefused() then tells the caller to end the program.
    TFMainDB(TComponent* owner, const std::string& exeDir);
    ~TFMainDB() override;

    bool StartRefused() const { return FStartRefused; }
    TWorkbenchData& Data() { return *FData; }

    // Closes the window by itself after `ms` milliseconds (a program without a display).
    void CloseAfter(int ms);

    // IEngineHost: the engine's outline texts go to the status bar's panels.
    void SetStatusText(int panel, const std::string& text) override;
    bool IsMainWindowActive() override;

    // The commands whose windows are built elsewhere: the compute dialog (after the dataset has
    // passed the engine's loader) and the results window (when it holds runs). Without one the
    // command ends there.
    std::function<void()> ShowComputeDialog;
    std::function<void()> ShowResultsWindow;
    // The targeting view, after the dataset's name, kind, outline and viewing conditions have
    // passed the engine's loaders and the run's set-up.
    std::function<void()> ShowTargetingView;

    // Datasets panel.
    TPanel* pDatasets;
    TDBGrid* dbgDatasets;
    TDBNavigator* dbnDatasets;
    TStatusBar* sbDatasets;
    TLabel* lComments;
    TDBMemo* dbmDatasets;
    TRadioGroup* rgSort;
    TLabeledEdit* edFind;
    // Pages and the label shown in their place.
    TPageControl* PageControl1;
    TTabSheet *tsCavity, *tsTemperature, *tsVC, *tsW;
    TLabel* Label1;
    // The chart editor that a double-click on any of the window's charts opens.
    TChartEditor* ce;
    // Cavity page: the profile plot with the highlighted surface.
    TChart* chCavity;
    TPoint3DSeries *sUpper, *sLower, *ssUpper, *ssLower;
    TDBEdit *DBEdit3, *DBEdit4;
    TCheckBox* cbHighlight;
    TDBGrid* dbgCavity;
    TDBNavigator* dnCavity;
    TStatusBar* sbCavity;
    TGroupBox *gbNodes, *gbED;
    TButton *btnLoadGeneratrix, *btnSaveGeneratrix, *btnDeleteZY, *btnAssignED, *btnEraseED;
    // Temperatures page: the points on the profile, and the temperature against Xi.
    TPageControl* pcT;
    TChart* chTDPoints;
    TPoint3DSeries *sCavityUpper, *sCavityLower;
    TPointSeries *sPoints, *sFloatingPoint, *sCurrentPoint;
    TDBChart* dbchTD;
    TLineSeries* seTemperature;
    TDBEdit *DBEdit1, *DBEdit2;
    TDBGrid* dbgT;
    TDBNavigator* dbnT;
    TStatusBar* sbT;
    TButton *btnAddNewPoint, *btnAddNodes, *btnSplit, *btnClearT, *btnClearAll;
    // Viewing Conditions page.
    TDBRadioGroup* dbrgVC;
    TPanel* pEE;
    TPageControl* pcVCTop;  // the kinds' pictures
    TDBGrid* dbgVC;
    TDBNavigator* dbnVC;
    TStatusBar* sbVC;
    TButton *btnRegularVC, *btnTargeting, *btnClearVC;
    // Wavelengths page.
    TDBGrid* dbgW;
    TDBNavigator* dbnW;
    TStatusBar* sbW;
    TButton *btnRegularW, *btnSaveW, *btnLoadW, *btnClearW;
    // Button row and status bar.
    TPanel* pButtons;
    TButton *btnSaveDataset, *btnLoadDataset, *btnCompute, *btnResults, *btnAbout;
    TBitBtn* btnClose;
    TStatusBar* sbMain;
    // Makes every hint of the program a balloon while the window lives.
    TRzBalloonHints* RzBalloonHints1;

    // The refresh that follows every change of the current dataset row.
    void dsMainDataChange();
    void btnSaveDatasetClick();
    void btnLoadDatasetClick();
    void btnComputeClick();
    void btnResultsClick();
    void btnAboutClick();
    void FormResize();
    void btnTargetingClick();
    // Rebuilds the Viewing Conditions page for the current dataset's kind.
    void dbrgVCChange();
    // The cavity rules after its rows change: the outline reloaded (the profile plot), then the
    // temperature points placed on the new profile.
    void DrawCavity();
    void CavityChanged();
    // The surface of the current cavity row drawn red over the profile loaded last, while
    // cbHighlight is checked.
    void HighlightCurrentSurface();
    // The temperature points on the profile, at equal scales.
    void DrawTemperaturePoints();
    // Refills the temperature plot from the table. It hears the table's posts by itself; a delete
    // and another dataset's rows are told here, also when no row is left, so that no point
    // stays behind.
    void RefreshTemperaturePlot();

private:
    void BuildFrame();
    void BuildDatasetsPanel();
    void BuildButtons();
    void BuildPages();
    void BuildCavityPage();
    void BindCavityPage();
    void BuildTemperaturesPage();
    void BindTemperaturesPage();
    void BuildVCPage();
    void BindVCPage();
    void BuildWavelengthsPage();
    void BindWavelengthsPage();
    void FormCreate(const std::string& exeDir);
    void FormShow();
    void FormClose(TCloseAction& action);
    // The kind of viewing condition of the current dataset (0 when it has none).
    int CurrentKind() const;
    void ShowVCPosition();

    std::unique_ptr<IMessageService> FMessages;
    TInstanceLock FLock;
    std::unique_ptr<TWorkbenchData> FData;
    TTimer* FCloseTimer = nullptr;
    bool FStartRefused = false;
    int FShownKind = -1;
    double FLastPostedXi = 0;
};
