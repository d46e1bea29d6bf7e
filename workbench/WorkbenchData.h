#pragma once
// The program's persistent state as the main window sees it: the folders below the executable's
// folder and the two databases, with the data steps of start-up and close. The main window and
// the results window hold their database through this object; tests build it over a scratch
// folder.
#include <string>

#include "workbench/DatasetDatabase.h"
#include "workbench/ProgramFolders.h"
#include "workbench/ResultsDatabase.h"

class IMessageService;

class TWorkbenchData {
public:
    TWorkbenchData(IMessageService& messages, const std::string& exeDir);
    // The engine lets go of the tables when they go.
    ~TWorkbenchData();
    TWorkbenchData(const TWorkbenchData&) = delete;
    TWorkbenchData& operator=(const TWorkbenchData&) = delete;

    // Start-up: the folders (created when missing) and the program settings of the engine's
    // shared area, then the dataset database (with its message when it cannot be loaded), then
    // the results database (silently); the engine then works on these two databases.
    void StartUp();
    // Close: the dataset database (its pending edits posted, or dropped when the user agrees),
    // then the results database. False, nothing written, when the user kept an edit that cannot
    // be posted. A failed save raises; the file it was writing keeps its old content.
    bool Close();

    TProgramFolders Folders;
    TDatasetDatabase Main;
    TResultsDatabase Results;
};
