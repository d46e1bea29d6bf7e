#pragma once
// The dataset database: `cdsMain`, one row per modelling task, with its eight nested tables, their
// data sources, and the rules that belong to the data rather than to a window: new-record
// defaults, the key of a new cavity node, deleting a dataset with its nested rows, the two sort
// orders and the find by name. The main window binds its grids and edits to these objects; the
// engine's loaders read them.
#include <array>
#include <functional>
#include <string>

#include "platform/db/ClientDataSet.h"
#include "platform/db/DataSource.h"
#include "platform/db/DateTimeField.h"
#include "platform/db/NumericField.h"
#include "platform/db/StringField.h"
#include "workbench/DatabaseRoutines.h"

class IMessageService;
struct TProgramFolders;

// The questions asked when a pending edit cannot be posted before the database is written; each
// follows the table's reason.
inline constexpr const char* DiscardRowQuestion =
    "\r\rThe row being edited cannot be saved.\rDiscard it?";
inline constexpr const char* DiscardDatasetQuestion =
    "\r\rThe changes of the current dataset cannot be saved.\rDiscard them?";

class TDatasetDatabase {
public:
    explicit TDatasetDatabase(IMessageService& messages);
    ~TDatasetDatabase();
    TDatasetDatabase(const TDatasetDatabase&) = delete;
    TDatasetDatabase& operator=(const TDatasetDatabase&) = delete;

    // Loads "kavri320.dbs" from the folders' DbDir, or creates the empty database with the
    // message "File kavri320.dbs not found or corrupted\rEmpty database will be created" (and the
    // reason when the file was there); then the first record under the default sort (by name).
    void Open(const TProgramFolders& folders);
    // Before the database is written: the pending edit of every nested table and then of the
    // current dataset row (with the text still held by a grid or an edit) is posted. An edit the
    // table refuses is shown with the reason and the user is asked whether to discard it (a
    // discarded dataset edit takes the nested rows posted since it began with it); a cavity row
    // that cannot be posted goes without a word, as it does everywhere. False when the user keeps
    // an edit: nothing was dropped.
    bool SettlePendingEdits();
    // The data steps of closing the main window: the pending edits settled as above, then the
    // database merged and saved to its file, unless start-up found a damaged file it could not
    // keep aside (then nothing is written). False, nothing written, when the user kept an edit
    // that cannot be posted.
    bool SaveAtClose();

    // The sort choice of the datasets panel: 0 by name (`cdsMainIndex1`), 1 by date, newest first
    // (`cdsMainIndex2`). Setting it applies it at once.
    int SortChoice() const { return FSortChoice; }
    void SetSortChoice(int item);
    // The find box is shown only while sorting by name.
    bool FindVisible() const { return FSortChoice == 0; }
    // The row nearest to the text in the active order (a prefix search on the name index);
    // nothing for an empty text.
    void Find(const std::string& text);

    // True when the last key pressed in the cavity grid was Down or Tab (the grid's append); the
    // cavity page sets it before the grid acts and clears it after each navigator click.
    bool CavityGridAppend = false;
    // The key computed for the cavity row being inserted.
    double PendingCavityKey = 0;

    // The current time for a new dataset row; tests pin it.
    std::function<double()> Clock;

    TClientDataSet cdsMain, cdsCavity, cdsWavelengths, cdsTemperatures;
    TClientDataSet cdsVC0, cdsVC1, cdsVC2, cdsVC3, cdsVC4;
    TDataSource dsMain, dsCavity, dsWavelengths, dsTemperatures;
    TDataSource dsVC0, dsVC1, dsVC2, dsVC3, dsVC4;
    // The viewing-condition table and data source of each kind 0..4.
    std::array<TClientDataSet*, 5> VCDataSets;
    std::array<TDataSource*, 5> VCDataSources;

    TStringField* cdsMainDatasetName;
    TDateTimeField* cdsMainDateTime;
    TFloatField* cdsCavityD;

private:
    void DefineMain();
    void DefineNested();
    void MainNewRecord();
    void MainBeforeDelete();
    void CavityBeforeInsert();
    void RenumberCavityKeys();

    IMessageService& FMessages;
    TDatabaseFile FFile;
    int FSortChoice = 0;
};
