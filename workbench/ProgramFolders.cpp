#include "workbench/ProgramFolders.h"

#include <filesystem>
#include <system_error>

TProgramFolders ProgramFoldersOf(std::string exeDir) {
    while (exeDir.size() > 1 && exeDir.back() == '/') exeDir.pop_back();
    TProgramFolders f;
    f.ExeDir = exeDir;
    f.CavitiesDir = exeDir + "/data/Cavities";
    f.WavelengthsDir = exeDir + "/data/Wavelengths";
    f.DatasetsDir = exeDir + "/data/Datasets";
    f.ResultsDir = exeDir + "/data/Results";
    f.ReportsDir = exeDir + "/data/Reports";
    f.DbDir = exeDir + "/db/";
    return f;
}

std::string ExecutableDir() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::filesystem::current_path().string();
    return exe.parent_path().string();
}

void CreateProgramFolders(const TProgramFolders& folders) {
    for (const std::string* dir :
         {&folders.CavitiesDir, &folders.WavelengthsDir, &folders.DatasetsDir, &folders.ResultsDir,
          &folders.ReportsDir, &folders.DbDir}) {
        std::error_code ignored;
        std::filesystem::create_directories(*dir, ignored);
    }
}
