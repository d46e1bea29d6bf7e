#include "workbench/DatabaseRoutines.h"

#include <filesystem>
#include <system_error>

#include "platform/classes/Cursors.h"
#include "platform/db/ClientDataSet.h"
#include "workbench/MessageService.h"

std::optional<std::string> RecordPositionText(const TDataSet& table) {
    if (!table.Active()) return std::nullopt;
    if (table.IsEmpty() && table.State() != dsInsert) return std::string("Dataset is empty");
    const int recNo = table.RecNo();
    if (recNo < 1) return std::string();
    return "Record " + std::to_string(recNo) + " of " + std::to_string(table.RecordCount());
}

void ShowRecordPosition(const TDataSet& table, std::string& statusText) {
    if (auto text = RecordPositionText(table)) statusText = std::move(*text);
}

namespace {

// Resumes the table's controls on every path.
struct TControlsGuard {
    TDataSet& Table;
    explicit TControlsGuard(TDataSet& table) : Table(table) { Table.DisableControls(); }
    ~TControlsGuard() { Table.EnableControls(); }
};

}  // namespace

bool DeleteAllRecords(TDataSet& table, IMessageService& messages) {
    bool emptied = true;
    {
        // The controls are resumed before the hourglass goes.
        TCursorGuard hourglass;
        TControlsGuard controls(table);
        try {
            while (!table.IsEmpty()) table.Delete();
        } catch (const Exception&) {
            emptied = false;  // the same row would fail again: stop
        }
    }
    // Reported once, with the normal cursor and the controls showing the rows that are left.
    if (!emptied) messages.ShowMessage("Cannot delete records in table " + table.Name());
    return emptied;
}

bool LoadOrCreateDatabase(TClientDataSet& table, const std::string& fileName,
                          const std::string& message, IMessageService& messages) {
    table.SetFileName(fileName);
    try {
        table.LoadFromFile();
        return true;
    } catch (const std::exception&) {
    }
    // A file that exists but cannot be read stays as ".bad" rather than being overwritten by
    // the empty database at close.
    std::error_code error;
    if (std::filesystem::exists(fileName, error))
        std::filesystem::rename(fileName, fileName + ".bad", error);
    if (!message.empty()) messages.ShowMessage(message);
    if (table.Active()) table.Close();
    table.CreateDataSet();
    table.SetLogChanges(false);
    return false;
}

void SaveDatabase(TClientDataSet& table) {
    PostIfEditing(table);
    table.MergeChangeLog();
    table.SaveToFile();
}
