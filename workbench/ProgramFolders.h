#pragma once
// The fixed folder layout below the executable's folder: the start folders of the file dialogs
// below data/ and the databases' folder db/. Paths use "/" and, like the settings they feed,
// carry no trailing separator except DbDir.
#include <string>

struct TProgramFolders {
    std::string ExeDir;
    std::string CavitiesDir, WavelengthsDir, DatasetsDir, ResultsDir, ReportsDir;
    std::string DbDir;  // ends with "/"
};

// The layout below `exeDir` (a trailing "/" is dropped).
TProgramFolders ProgramFoldersOf(std::string exeDir);
// The folder of the running executable.
std::string ExecutableDir();
// Creates every folder of the layout that is missing; a folder that cannot be created is left
// out silently (the save at close reports it).
void CreateProgramFolders(const TProgramFolders& folders);

// The database files in DbDir.
inline constexpr const char* DatasetDatabaseFile = "kavri320.dbs";
inline constexpr const char* ResultsDatabaseFile = "kavri320res.dbs";
