#pragma once
// The engine's view of the workbench's two databases: the tables its loaders read and the tables
// its storing of results fills. The main window sets both when it is created.
#include "engine/EngineTables.h"

class TDatasetDatabase;
class TResultsDatabase;

TEngineTables EngineTablesFrom(TDatasetDatabase& datasets);
TResultTables ResultTablesFrom(TResultsDatabase& results);

// Makes the engine work on these two databases.
void SetEngineDatabases(TDatasetDatabase& datasets, TResultsDatabase& results);
