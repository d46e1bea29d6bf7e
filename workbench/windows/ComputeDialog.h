#pragma once
// `TFCompute`, the compute dialog: the number of rays and the threshold of the current dataset,
// Run and Stop, the run's log and its two progress bars. It is the monitor the engine's run
// reports to; the run pumps the program's messages, so the dialog stays responsive and a click on
// Stop ends the run within a poll. After a saved run it shows the results window (when
// "Show Results after Completion" is checked) and then closes.
#include <functional>
#include <string>

#include "engine/Compute.h"
#include "platform/ui/Form.h"

class TBitBtn;
class TCheckBox;
class TDatasetDatabase;
class TDBComboBox;
class TFMainDB;
class TLabel;
class TMemo;
class TProgressBar;
class TStatusBar;

class TFCompute : public TForm, public IRunMonitor {
    KV_DECLARE_CLASS(TFCompute, TForm)
public:
    // `db` is the main window's dataset database, whose current dataset has been loaded into the
    // engine; `showResults` shows the results window modally (none: nothing is shown).
    TFCompute(TComponent* owner, TDatasetDatabase& db, std::function<void()> showResults);

    TMemo* mProgress;
    TLabel *Label2, *Label3, *Label4, *Label6, *lblVC, *lblPercentage;
    TDBComboBox *DBComboBox1, *DBComboBox2;
    TProgressBar *pbVC, *pbPercentage;
    TBitBtn *btnRun, *btnStop, *btnClose;
    TCheckBox* cbShowResults;
    TStatusBar* StatusBar1;

    void btnRunClick();
    void btnStopClick();

    // IRunMonitor
    void Log(const std::string& line) override;
    void SetVCText(const std::string& text) override;
    void SetVCPosition(int percent) override;
    void SetPercentage(int percent, const std::string& text) override;
    void PumpMessages() override;

protected:
    void DoClose(TCloseAction& action) override;

private:
    void FormCreate();
    void SetRunning(bool running);
    void Finish();
    // The values a run may use are remembered; a value the run check refuses is replaced by the
    // one remembered, so that the dialog never leaves a refused value in the dataset (no other
    // window edits these fields, and the engine's loader would refuse some of them for good).
    void RememberAcceptedValues();
    void TakeBackRefusedValues();

    TDatasetDatabase& FDb;
    std::function<void()> FShowResults;
    double FAcceptedNRF = 0;
    double FAcceptedThreshold = 0;
};

// Makes the main window's Compute command, after the dataset has passed the loader, show the
// dialog modally over the window, with the window's results window after a saved run; the dialog
// is freed when it closes.
void ConnectComputeDialog(TFMainDB& main);
