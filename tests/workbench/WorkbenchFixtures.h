#pragma once
// What the workbench data tests share: a message service that records and answers, a scratch
// executable folder, and a helper that fills a dataset row and all its nested tables.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/RecordingMessages.h"
#include "tests/support/TempDir.h"
#include "workbench/DatabaseRoutines.h"
#include "workbench/DatasetDatabase.h"

inline void SetField(TDataSet& ds, const char* name, double value) {
    ds.FieldByName(name)->SetAsFloat(value);
}

inline void AddRow(TDataSet& ds, std::initializer_list<std::pair<const char*, double>> values) {
    ds.Append();
    for (const auto& [name, value] : values) SetField(ds, name, value);
    ds.Post();
}

// An open, empty dataset database (no file).
struct TOpenDatabase {
    TRecordingMessages Messages;
    TDatasetDatabase Db{Messages};
    TOpenDatabase() { Db.cdsMain.CreateDataSet(); }
};

// A posted dataset row named `name`, created at `created`, with `n` rows in each nested table.
inline void AddDataset(TDatasetDatabase& db, const std::string& name, double created, int n) {
    db.Clock = [created] { return created; };
    db.cdsMain.Append();
    db.cdsMainDatasetName->SetAsString(name);
    SetField(db.cdsMain, "Tref", 1000 + n);
    db.cdsMain.FieldByName("Rem")->SetAsString(n ? "comment of " + name : "");
    db.cdsMain.Post();
    for (int i = 1; i <= n; ++i) {
        AddRow(db.cdsCavity, {{"D", i}, {"Z", 0.1 * i}, {"R", 1.0 / i}, {"Emissivity", 0.5}});
        AddRow(db.cdsWavelengths, {{"Wavelength", 0.5 * i}});
        AddRow(db.cdsTemperatures, {{"Xi", 0.25 * i}, {"Z", 1}, {"R", 2}, {"T", 300}});
        AddRow(db.cdsVC0, {{"YB", i}, {"RB", 0}});
        AddRow(db.cdsVC1, {{"ZB", i}, {"RB", 0}, {"b", 45}});
        AddRow(db.cdsVC2, {{"YB", i}, {"ZB", 0}, {"w", 30}});
        AddRow(db.cdsVC3, {{"YD", i}, {"RD", 0}, {"H", 1}});
        AddRow(db.cdsVC4, {{"Xi", 0.1 * i}, {"Z", 0}, {"R", 0}});
    }
    PostIfEditing(db.cdsMain);
}

// Row counts of the eight nested tables of the current dataset row.
inline std::vector<int> NestedCounts(TDatasetDatabase& db) {
    std::vector<int> counts;
    for (TDataSet* t :
         {static_cast<TDataSet*>(&db.cdsCavity), static_cast<TDataSet*>(&db.cdsWavelengths),
          static_cast<TDataSet*>(&db.cdsTemperatures)})
        counts.push_back(t->RecordCount());
    for (TDataSet* t : db.VCDataSets) counts.push_back(t->RecordCount());
    return counts;
}

// The dataset names in the active order.
inline std::vector<std::string> Names(TDatasetDatabase& db) {
    std::vector<std::string> names;
    for (db.cdsMain.First(); !db.cdsMain.Eof(); db.cdsMain.Next())
        names.push_back(db.cdsMainDatasetName->AsString());
    return names;
}
