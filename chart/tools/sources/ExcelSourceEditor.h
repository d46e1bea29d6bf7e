#pragma once
// The data-source page of the worksheet source: the workbook file (typed or browsed), the
// worksheet chosen from the file's sheets, and the values and labels ranges. Apply checks the
// choices, writes them into the source, binds it to the edited series and loads it.
#include "chart/editors/SourceEditorBase.h"

class TButton;
class TComboFlat;
class TEdit;
class TGroupBox;
class TTeeExcelSource;

class TExcelSourceForm : public TBaseSourceEditor {
    KV_DECLARE_CLASS(TExcelSourceForm, TBaseSourceEditor)
public:
    explicit TExcelSourceForm(TComponent* owner);
    ~TExcelSourceForm() override;

    TLabel* LabelFile;
    TEdit* EFileName;
    TButton* Button1;
    TLabel* LabelSheet;
    TComboFlat* CBWorkSheet;
    TGroupBox* GroupValues;
    TEdit* EValFrom;
    TEdit* EValTo;
    TGroupBox* GroupLabels;
    TEdit* ELabFrom;
    TEdit* ELabTo;

    // The source the page edits: the series' worksheet source, or one made for the series.
    TTeeExcelSource* Source() const { return FSource; }

    // Fills the worksheet list from the file named in the edit; the list is enabled when it
    // holds a name, also when reading the file fails (which passes on).
    void FillWorkSheets();
    // "Excel file empty", "Excel WorkSheet must be specified" and "Range must be specified.
    // (ie: From A1 to A10)" for missing choices; otherwise writes them into the source, binds and
    // loads it.
    void BApplyClick() override;

protected:
    void DoShow() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void Button1Click();
    void CBWorkSheetChange();
    void SetRangesEnabled(bool value);

    TTeeExcelSource* FSource = nullptr;
};
