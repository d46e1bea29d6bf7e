#include "workbench/windows/ProfileFileCommands.h"

#include "engine/Global.h"
#include "platform/rtl/MessageService.h"
#include "platform/ui/FileDialog.h"
#include "workbench/DatasetDatabase.h"
#include "workbench/ProfileEdits.h"
#include "workbench/TextFileFormat.h"
#include "workbench/windows/DatasetFileCommands.h"

namespace {

bool Blank(const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; }

std::string AskSave(TDatasetDatabase& db, const char* what, const std::string& dir) {
    return SaveTextFile(TextFileDialogCaption(true, what), TextFileFilter, dir,
                        db.cdsMainDatasetName->AsString());
}

// The chosen file's bytes; empty name when cancelled or unreadable (told).
std::string AskOpen(const char* what, const std::string& dir, std::string& bytes) {
    const std::string name =
        OpenTextFile(TextFileDialogCaption(false, what), TextFileFilter, dir, "");
    if (Blank(name)) return {};
    if (!ReadFileBytes(name, bytes)) {
        ShowMessage("Cannot open file " + name);
        return {};
    }
    return name;
}

}  // namespace

void SaveGeneratrixToTextFile(TDatasetDatabase& db) {
    const TGeneratrix g = GeneratrixOfDataset(db);
    const std::string name = AskSave(db, "Generatrix Coordinates", Shared.CavitiesDir);
    if (Blank(name)) return;
    switch (WriteFileBytes(name, GeneratrixFileBytes(g))) {
        case TWriteResult::Written:
            break;
        case TWriteResult::CannotCreate:
            ShowMessage("Error writing file " + name);
            break;
        case TWriteResult::WriteFailed:
            ShowMessage("File writing error");
            break;
    }
}

void LoadGeneratrixFromTextFile(TDatasetDatabase& db) {
    std::string bytes, message;
    const std::string name = AskOpen("Generatrix Coordinates (Z, Y)", Shared.CavitiesDir, bytes);
    if (name.empty()) return;
    TGeneratrix g;
    if (!ReadGeneratrixFile(bytes, name, g, message)) {
        ShowMessage(message);
        return;
    }
    ReplaceGeneratrix(db, g);
}

void SaveWavelengthsToTextFile(TDatasetDatabase& db) {
    const std::vector<double> values = WavelengthsOfDataset(db);
    const std::string name = AskSave(db, "Wavelength", Shared.WavelengthsDir);
    if (Blank(name)) return;
    if (WriteFileBytes(name, WavelengthFileBytes(values)) != TWriteResult::Written)
        ShowMessage("Error writing file " + name);
}

void LoadWavelengthsFromTextFile(TDatasetDatabase& db) {
    std::string bytes, message;
    const std::string name = AskOpen("Wavelengths", Shared.WavelengthsDir, bytes);
    if (name.empty()) return;
    std::vector<double> values;
    if (!ReadWavelengthFile(bytes, name, values, message)) {
        ShowMessage(message);
        return;
    }
    ReplaceWavelengths(db, values);
}
