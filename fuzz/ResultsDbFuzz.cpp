// The results database file as the results window opens it, and each of its runs (the first 64)
// through what the window makes of a run: the results text file ("Save"), the report and the
// plots' copy.
#include "fuzz/FuzzFiles.h"
#include "fuzz/FuzzSupport.h"
#include "tests/support/RecordingMessages.h"
#include "workbench/ProgramFolders.h"
#include "workbench/Report.h"
#include "workbench/ResultPlotData.h"
#include "workbench/ResultsDatabase.h"
#include "workbench/ResultsTextFile.h"
#include "workbench/StoredRun.h"

namespace {

constexpr int kRunsWalked = 64;

void WalkRun(TResultsDatabase& db) {
    RunFuzzInput([&] { (void)ResultsTextLines(db); });
    RunFuzzInput([&] {
        const TStoredRun run = ReadStoredRun(db);
        (void)BuildReport(run, "KAVRI320");
        (void)PlotDataOf(run);
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TProgramFolders folders;
    folders.DbDir = FuzzFolder().Str() + "/";
    WriteFuzzFile(folders.DbDir + ResultsDatabaseFile, data, size);
    // A file that does not read is kept aside and an empty database made, with a message.
    TRecordingMessages messages;
    return RunFuzzInput([&] {
        TResultsDatabase db(messages);
        db.Open(folders);
        TClientDataSet& runs = db.cdsResults;
        for (int n = 0; n < kRunsWalked && !runs.Eof(); ++n, runs.Next()) WalkRun(db);
    });
}
