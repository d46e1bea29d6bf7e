#include "workbench/windows/DatasetFileCommands.h"

#include "engine/Global.h"
#include "engine/Loaders.h"
#include "platform/rtl/MessageService.h"
#include "platform/rtl/StrUtils.h"
#include "platform/ui/FileDialog.h"
#include "workbench/DatasetDatabase.h"
#include "workbench/DatasetImport.h"
#include "workbench/DatasetTextFile.h"
#include "workbench/TextFileFormat.h"

namespace {

const char* const InitialData = "Initial Data";

bool Blank(const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; }

}  // namespace

std::string TextFileDialogCaption(bool save, const std::string& what) {
    return Shared.ProgramTitle +
           (save ? ": Save " + what + " in Text File" : ": Load " + what + " from Text File");
}

void SaveDatasetToTextFile(TDatasetDatabase& db) {
    std::string message;
    if (!LoadDataset(message)) {
        ShowMessage(message);
        return;
    }
    const std::string name = SaveTextFile(TextFileDialogCaption(true, InitialData), TextFileFilter,
                                          Shared.DatasetsDir, db.cdsMainDatasetName->AsString());
    if (Blank(name)) return;
    const std::string bytes = DatasetFileBytes(DatasetTextFromShared(CommentLines(db)));
    if (WriteFileBytes(name, bytes) != TWriteResult::Written) ShowMessage("Error writing file");
}

void LoadDatasetFromTextFile(TDatasetDatabase& db) {
    ClearSharedData();
    const std::string name = OpenTextFile(TextFileDialogCaption(false, InitialData), TextFileFilter,
                                          Shared.DatasetsDir, "");
    if (Blank(name)) return;
    std::string bytes, message;
    TDatasetText dataset;
    if (!ReadFileBytes(name, bytes) || !ReadDatasetFile(bytes, dataset, message)) {
        ShowMessage("Error reading file");
        return;
    }
    AddDatasetFromText(db, dataset, name);
}
