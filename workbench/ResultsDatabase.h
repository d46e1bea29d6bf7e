#pragma once
// The results database: `cdsResults`, one row per finished run, with the nested tables `Cavity`
// and `Temperatures` (the run's copy of its dataset's profile and temperature points) and
// `SEERT` (the effective emissivities and radiance temperatures by wavelength and viewing
// condition); its three sort orders, the find by name and the deletes that empty a run's nested
// tables. The results window binds to these objects; the engine's result storage fills them.
#include <functional>
#include <string>

#include "platform/db/ClientDataSet.h"
#include "platform/db/DataSource.h"
#include "workbench/DatabaseRoutines.h"

class IMessageService;
struct TProgramFolders;

class TResultsDatabase {
public:
    explicit TResultsDatabase(IMessageService& messages);
    ~TResultsDatabase();
    TResultsDatabase(const TResultsDatabase&) = delete;
    TResultsDatabase& operator=(const TResultsDatabase&) = delete;

    // Loads "kavri320res.dbs" from the folders' DbDir, or creates an empty results database
    // without a message (unless its damaged file cannot be kept aside); then the first row of the
    // order at start (newest calculation first).
    void Open(const TProgramFolders& folders);
    // Posts, merges and saves the database to its file, unless start-up found a damaged file it
    // could not keep aside (then nothing is written).
    void SaveAtClose();

    // The sort choice: 0 "Dataset Name" (`cdsResultsIndex1`), 1 "Date and Time of Creation"
    // (`cdsResultsIndex2`), 2 "Date and Time of Calculation" (`cdsResultsIndex3`, the default).
    int SortChoice() const { return FSortChoice; }
    void SetSortChoice(int item);
    bool FindVisible() const { return FSortChoice == 0; }
    void Find(const std::string& text);

    // "Clear All": asks "All results will be erased\rContinue?" when there are runs, then deletes
    // them one by one (each delete empties the run's nested tables first). `progress` is called
    // once before the deletes start. Answers whether it ran.
    bool ClearAll(const std::function<void()>& progress = {});

    TClientDataSet cdsResults, cdsCavity, cdsTemperatures, cdsSEERT;
    TDataSource dsResults, dsSEERT;

private:
    void DefineFields();
    void BeforeDelete();

    IMessageService& FMessages;
    TDatabaseFile FFile;
    int FSortChoice = 2;
};
