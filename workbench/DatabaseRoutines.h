#pragma once
// The small routines every page of the workbench uses on its tables: the record-position text of
// a status bar, emptying a table, posting a pending edit, and the load-or-create and save steps
// of the two database files.
#include <optional>
#include <string>

#include "engine/Loaders.h"

class TClientDataSet;
class TDataSet;
class IMessageService;

// "Record n of m", "Dataset is empty", or empty while the current record has no number (a row
// being inserted); nothing for a closed table.
std::optional<std::string> RecordPositionText(const TDataSet& table);
// Writes the record-position text into a status text, leaving it alone for a closed table.
void ShowRecordPosition(const TDataSet& table, std::string& statusText);

// Deletes the table's rows one by one with the hourglass shown and the table's bound controls
// suspended, both restored on every path. A delete that fails ends the operation (the failing
// row would fail again) and then shows "Cannot delete records in table " + the table's name.
// Answers whether the table ended empty.
bool DeleteAllRecords(TDataSet& table, IMessageService& messages);

// PostIfEditing, which posts a table in edit or insert state, is the engine's (Loaders.h).

// What start-up learnt about a database file that its close needs.
struct TDatabaseFile {
    std::string FileName;
    bool Loaded = false;
    // Why closing must not write the file ("it could not be read and could not be renamed to
    // ..."), empty when it may: the empty database made in its place must not replace it.
    std::string WriteBlocked;
};

// Loads the table from its file. When that fails for any reason, an existing unreadable file is
// kept under its name plus ".bad" (replacing an older one) and the table is created empty with
// its change log off. `message` is shown when it is not empty, followed, for a file that exists,
// by a line with the reader's reason. When the file cannot be kept aside, the user is told where
// it is and why, whatever `message` is, and the answer forbids writing it at close.
TDatabaseFile LoadOrCreateDatabase(TClientDataSet& table, const std::string& fileName,
                                   const std::string& message, IMessageService& messages);

// The close steps of one database: post a pending edit, merge the change log, save to its file
// (atomically). A failure raises to the caller with the old file left as it was. A file that
// must not be written is left alone, and the user is told where it is and why nothing was saved.
void SaveDatabase(TClientDataSet& table, const TDatabaseFile& file, IMessageService& messages);
