#pragma once
// `TFResults`, the results browser: the stored runs with their comments, sorted three ways and
// found by name, each run's spectral results with the columns the user chooses, the results text
// file, "Clear All" and the deletes that take a run's nested rows with it. The window never
// edits a run. It lives as long as the main window and is hidden, not freed, when it closes.

#include "platform/ui/Form.h"

class TBitBtn;
class TButton;
class TCheckBox;
class TDataSource;
class TDBGrid;
class TDBMemo;
class TDBNavigator;
class TFMainDB;
class TGroupBox;
class TLabel;
class TLabeledEdit;
class TRadioGroup;
class TResultsDatabase;
class TStatusBar;

class TFResults : public TForm {
    KV_DECLARE_CLASS(TFResults, TForm)
public:
    TFResults(TComponent* owner, TResultsDatabase& db);

    TRadioGroup* rgSort;
    TLabeledEdit* edFind;
    TDBGrid *dbgResults, *dbgSEERT;
    TDBNavigator *DBNavigator1, *dbnSEERT;
    TStatusBar *sbResults, *sbSEERT, *StatusBar1;
    TLabel* lComments;
    TDBMemo* dbmResults;
    TGroupBox* gbSEERT;
    TCheckBox *cbShowVC, *cbShowEE, *cbShowRT;
    TButton *btnSave, *btnPlotAgainstW, *btnPlotAgainstVC, *btnClearAll, *btnCreateReport;
    TBitBtn* btnClose;

    void rgSortClick();
    void dsResultsDataChange();
    void cbShowVCClick();
    void cbShowEEClick();
    void cbShowRTClick();
    void btnSaveClick();
    void btnClearAllClick();
    // Shows the report of the selected run modally over this window.
    void btnCreateReportClick();
    // Show the plots of the selected run modally over this window.
    void btnPlotAgainstWClick();
    void btnPlotAgainstVCClick();

private:
    void BuildRunsSide();
    void BuildResultsSide();
    void BuildBottom();
    void FormShow();
    void ShowRunStatus();

    TResultsDatabase& FDb;
    // The window's own sources on the database's runs and result rows: they go with the window,
    // whichever of the two is freed first.
    TDataSource *FRuns, *FResults;
};

// Makes the main window's Results command show the window modally over the main window; the
// window is made here and lives as long as the main window.
void ConnectResultsWindow(TFMainDB& main);
