#pragma once
// The tables of the workbench that the engine reads and writes. The engine does not know the
// windows that hold them: the workbench fills these two sets of references at start-up and the
// loaders, the run and the storing of results find them here.
#include <array>

class TClientDataSet;
class TDataSource;

// The main window's dataset database: `cdsMain` positioned on the current dataset, its nested
// tables, and the viewing-condition table and data source of each kind 0..4.
struct TEngineTables {
    TClientDataSet* cdsMain = nullptr;
    TClientDataSet* cdsCavity = nullptr;
    TClientDataSet* cdsTemperatures = nullptr;
    TClientDataSet* cdsWavelengths = nullptr;
    std::array<TClientDataSet*, 5> VCDataSets{};
    std::array<TDataSource*, 5> VCDataSources{};
};

// The results window's database: `cdsResults` with its nested tables of one run.
struct TResultTables {
    TClientDataSet* cdsResults = nullptr;
    TClientDataSet* cdsCavity = nullptr;
    TClientDataSet* cdsTemperatures = nullptr;
    TClientDataSet* cdsSEERT = nullptr;
};

// The tables in use; empty (every reference none) until the workbench sets them. A loader that
// finds a table missing treats it as a closed table.
extern TEngineTables EngineTables;
extern TResultTables ResultTables;
