#include "workbench/DatabaseRoutines.h"

#include <filesystem>
#include <system_error>

#include "platform/classes/Cursors.h"
#include "platform/db/ClientDataSet.h"
#include "platform/rtl/MessageService.h"

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

bool DeleteAllRecords(TDataSet& table, IMessageService& messages) {
    bool emptied = true;
    {
        // The controls are resumed before the hourglass goes.
        TCursorGuard hourglass;
        TDisableControlsGuard controls(table);
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

namespace {

// Keeps an unreadable file aside as ".bad" (an older one replaced). Answers why that could not be
// done, or nothing when it is aside.
std::string KeepAside(const std::string& fileName) {
    const std::string badName = fileName + ".bad";
    std::error_code error;
    std::filesystem::rename(fileName, badName, error);
    if (!error) return {};
    return "it could not be read and could not be renamed to " + badName + " (" + error.message() +
           ")";
}

}  // namespace

TDatabaseFile LoadOrCreateDatabase(TClientDataSet& table, const std::string& fileName,
                                   const std::string& message, IMessageService& messages) {
    TDatabaseFile file{fileName, false, {}};
    table.SetFileName(fileName);
    std::string reason;
    try {
        table.LoadFromFile();
        file.Loaded = true;
        return file;
    } catch (const std::exception& e) {
        reason = e.what();
    }
    // A file that exists but cannot be read stays as ".bad" rather than being overwritten by
    // the empty database at close; when even that fails, nothing may write over it.
    std::error_code error;
    const bool existed = std::filesystem::exists(fileName, error) || error;  // in doubt, it did
    if (existed) file.WriteBlocked = KeepAside(fileName);
    std::string text = message;
    auto addLine = [&text](const std::string& line) {
        if (line.empty()) return;
        text += (text.empty() ? "" : "\r") + line;
    };
    if (!message.empty() && existed) addLine(reason);
    if (!file.WriteBlocked.empty()) {
        if (message.empty()) addLine(reason);  // the silent database must still say why
        addLine("The file " + fileName + " is left as it is: " + file.WriteBlocked +
                ". This database will not be saved.");
    }
    if (!text.empty()) messages.ShowMessage(text);
    if (table.Active()) table.Close();
    table.CreateDataSet();
    table.SetLogChanges(false);
    return file;
}

void SaveDatabase(TClientDataSet& table, const TDatabaseFile& file, IMessageService& messages) {
    if (!file.WriteBlocked.empty()) {
        messages.ShowMessage("Nothing was saved to " + file.FileName + ": " + file.WriteBlocked +
                             ".");
        return;
    }
    PostIfEditing(table);
    table.MergeChangeLog();
    table.SaveToFile();
}
