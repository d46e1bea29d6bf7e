#include "workbench/EngineTablesFromDatabases.h"

#include "workbench/DatasetDatabase.h"
#include "workbench/ResultsDatabase.h"

TEngineTables EngineTablesFrom(TDatasetDatabase& datasets) {
    TEngineTables tables;
    tables.cdsMain = &datasets.cdsMain;
    tables.cdsCavity = &datasets.cdsCavity;
    tables.cdsTemperatures = &datasets.cdsTemperatures;
    tables.cdsWavelengths = &datasets.cdsWavelengths;
    tables.VCDataSets = datasets.VCDataSets;
    tables.VCDataSources = datasets.VCDataSources;
    return tables;
}

TResultTables ResultTablesFrom(TResultsDatabase& results) {
    return {&results.cdsResults, &results.cdsCavity, &results.cdsTemperatures, &results.cdsSEERT};
}

void SetEngineDatabases(TDatasetDatabase& datasets, TResultsDatabase& results) {
    EngineTables = EngineTablesFrom(datasets);
    ResultTables = ResultTablesFrom(results);
}
