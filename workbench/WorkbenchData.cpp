#include "workbench/WorkbenchData.h"

#include "engine/Global.h"
#include "workbench/EngineTablesFromDatabases.h"

TWorkbenchData::TWorkbenchData(IMessageService& messages, const std::string& exeDir)
    : Folders(ProgramFoldersOf(exeDir)), Main(messages), Results(messages) {}

void TWorkbenchData::StartUp() {
    CreateProgramFolders(Folders);
    Shared.ProgramTitle = DefaultTitle;
    Shared.ExeDir = Folders.ExeDir;
    Shared.DbDir = Folders.DbDir;
    Shared.CavitiesDir = Folders.CavitiesDir;
    Shared.WavelengthsDir = Folders.WavelengthsDir;
    Shared.DatasetsDir = Folders.DatasetsDir;
    Shared.ResultsDir = Folders.ResultsDir;
    Shared.ReportsDir = Folders.ReportsDir;
    Main.Open(Folders);
    Results.Open(Folders);
    SetEngineDatabases(Main, Results);
}

TWorkbenchData::~TWorkbenchData() {
    if (EngineTables.cdsMain == &Main.cdsMain) EngineTables = {};
    if (ResultTables.cdsResults == &Results.cdsResults) ResultTables = {};
}

bool TWorkbenchData::Close() {
    if (!Main.SaveAtClose()) return false;
    Results.SaveAtClose();
    return true;
}
