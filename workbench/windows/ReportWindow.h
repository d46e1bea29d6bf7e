#pragma once
// `TFReport`, the report window: the report of the run selected in the results window, built
// each time the window is shown, in a fixed-pitch memo that the user may unlock for editing, and
// saved as a text file with the edits.
#include <string>

#include "platform/ui/Form.h"

class TBitBtn;
class TButton;
class TCheckBox;
class TMemo;
class TResultsDatabase;

class TFReport : public TForm {
    KV_DECLARE_CLASS(TFReport, TForm)
public:
    TFReport(TComponent* owner, TResultsDatabase& db);
    ~TFReport() override;

    TMemo* Memo1;
    TCheckBox* cbReadOnly;
    TButton* btnSaveReport;
    TBitBtn* btnClose;

    void cbReadOnlyClick();
    void btnSaveReportClick();

private:
    void FormShow();

    TResultsDatabase& FDb;
    // The name of the run the report shows, read when the window was shown.
    std::string FDatasetName;
};
