#pragma once
// The workbench's tables as the engine sees them, built small in the test: a dataset table with
// its nested tables (some fields named in another case than the loaders ask for, which must not
// matter) and a results table with its nested tables. Both are set as the engine's tables.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "EngineFixture.h"
#include "engine/EngineTables.h"
#include "platform/db/ClientDataSet.h"
#include "platform/db/DataSource.h"
#include "platform/db/DateTimeField.h"
#include "platform/db/NumericField.h"
#include "platform/db/StringField.h"

using TOptional = std::optional<double>;

inline void SetOptional(TField* field, TOptional value) {
    if (value)
        field->SetAsFloat(*value);
    else
        field->Clear();
}

inline void AppendRow(TDataSet& table, const std::vector<TOptional>& values) {
    table.Append();
    for (size_t f = 0; f < values.size(); ++f)
        SetOptional(table.Fields(static_cast<int>(f)), values[f]);
    table.Post();
}

class TDatasetTables {
public:
    TDatasetTables() {
        cdsMain.AddField<TStringField>("DatasetName", 100);
        cdsMain.AddField<TDateTimeField>("DateTime");
        for (const char* name : {"tref", "Tbg"}) cdsMain.AddField<TFloatField>(name);
        cdsMain.AddField<TSmallintField>("viewindex");
        for (const char* name : {"NRF", "Threshold"}) cdsMain.AddField<TFloatField>(name);
        cdsMain.AddField<TMemoField>("Rem");
        Nest(cdsCavity, "Cavity", {"D", "z", "r", "Emissivity", "DIFFUSITY"}, "D");
        Nest(cdsWavelengths, "Wavelengths", {"wavelength"}, "wavelength");
        Nest(cdsTemperatures, "Temperatures", {"Xi", "Z", "R"}, nullptr);
        cdsTemperatures.AddField<TSmallintField>("isf");
        cdsTemperatures.AddField<TFloatField>("T");
        Key(cdsTemperatures, "Xi");
        const std::vector<std::vector<const char*>> vcFields = {{"YB", "RB"},
                                                                {"ZB", "RB", "b"},
                                                                {"YB", "ZB", "w"},
                                                                {"YD", "RD", "H"},
                                                                {"Xi", "Z", "R"}};
        for (size_t kind = 0; kind < VC.size(); ++kind) {
            Nest(VC[kind], ("VC" + std::to_string(kind)).c_str(), vcFields[kind], nullptr);
            VCSources[kind].SetDataSet(&VC[kind]);
        }
        VC[4].AddField<TIntegerField>("isf");
        for (const char* name : {"Z0", "R0"}) cdsMain.AddField<TFloatField>(name);
        cdsMain.CreateDataSet();
        EngineTables = Tables();
    }
    ~TDatasetTables() { EngineTables = {}; }

    TEngineTables Tables() {
        TEngineTables t{&cdsMain, &cdsCavity, &cdsTemperatures, &cdsWavelengths, {}, {}};
        for (size_t kind = 0; kind < VC.size(); ++kind) {
            t.VCDataSets[kind] = &VC[kind];
            t.VCDataSources[kind] = &VCSources[kind];
        }
        return t;
    }

    // A posted dataset row; the nested tables are filled afterwards.
    void AddDataset(const std::string& name, double tref = 1000, int viewIndex = 0) {
        cdsMain.Append();
        cdsMain.FieldByName("DatasetName")->SetAsString(name);
        cdsMain.FieldByName("DateTime")->SetAsDateTime(46000.5);
        cdsMain.FieldByName("Tref")->SetAsFloat(tref);
        cdsMain.FieldByName("ViewIndex")->SetAsInteger(viewIndex);
        for (const char* field : {"Tbg", "Threshold", "Z0", "R0"})
            cdsMain.FieldByName(field)->SetAsFloat(0);
        cdsMain.FieldByName("NRF")->SetAsFloat(1000);
        cdsMain.FieldByName("Rem")->SetAsString("remark");
        cdsMain.Post();
    }
    void SetMain(const char* field, double value) {
        cdsMain.Edit();
        cdsMain.FieldByName(field)->SetAsFloat(value);
        cdsMain.Post();
    }
    // Cavity rows keyed 1..n from (z, r) nodes, every surface with the given properties.
    void AddCavity(const std::vector<TNode>& nodes, TOptional emissivity = 0.9,
                   TOptional diffusity = 1) {
        std::vector<TCavityRow> rows;
        for (const TNode& n : nodes)
            rows.push_back({double(n.z), double(n.r), emissivity, diffusity});
        AppendCavityRows(cdsCavity, rows);
    }
    // A small valid dataset: a cylinder of radius 1 and depth 2 with a closed bottom, two
    // temperature points, the given wavelengths and two Normal conditions.
    void AddValidDataset(const std::vector<double>& wavelengths = {1, 10}) {
        AddDataset("Cylinder");
        AddCavity({{0, 1}, {2, 1}});
        AppendRow(cdsTemperatures, {0.1, 0, 0.5, 1, 900});
        AppendRow(cdsTemperatures, {0.9, 2, 1, 2, 1000});
        for (double w : wavelengths) AppendRow(cdsWavelengths, {w});
        AppendRow(VC[0], {0, 0.25});
        AppendRow(VC[0], {0.5, 0.25});
    }

    TClientDataSet cdsMain, cdsCavity, cdsTemperatures, cdsWavelengths;
    std::array<TClientDataSet, 5> VC;
    std::array<TDataSource, 5> VCSources;

private:
    void Nest(TClientDataSet& table, const char* name, const std::vector<const char*>& fields,
              const char* key) {
        table.SetName(std::string("cds") + name);
        for (const char* f : fields) table.AddField<TFloatField>(f);
        if (key) Key(table, key);
        table.SetDataSetField(cdsMain.AddField<TDataSetField>(name));
    }
    static void Key(TClientDataSet& table, const char* key) {
        table.IndexDefs().Add(std::string("By") + key, key, ixPrimary | ixUnique);
        table.SetIndexName(std::string("By") + key);
    }
};

class TResultTablesFixture {
public:
    TResultTablesFixture() {
        cdsResults.AddField<TStringField>("DatasetName", 100);
        for (const char* name : {"DateTime", "StartDateTime", "FinishDateTime"})
            cdsResults.AddField<TDateTimeField>(name);
        for (const char* name : {"Tref", "Tbg"}) cdsResults.AddField<TFloatField>(name);
        cdsResults.AddField<TSmallintField>("ViewIndex");
        for (const char* name : {"NRF", "Threshold"}) cdsResults.AddField<TFloatField>(name);
        cdsResults.AddField<TMemoField>("Rem");
        Nest(cdsCavity, "Cavity", {"D", "Z", "R", "Emissivity", "Diffusity"});
        Nest(cdsTemperatures, "Temperatures", {"Xi", "Z", "R"});
        cdsTemperatures.AddField<TSmallintField>("isf");
        cdsTemperatures.AddField<TFloatField>("T");
        Nest(cdsSEERT, "SEERT", {"Wavelength"});
        cdsSEERT.AddField<TSmallintField>("ivc");
        for (const char* name : {"param1", "param2", "param3", "EEiso", "EE", "RT"})
            cdsSEERT.AddField<TFloatField>(name);
        cdsSEERT.IndexDefs().Add("ByKey", "Wavelength;ivc", ixPrimary | ixUnique);
        cdsSEERT.SetIndexName("ByKey");
        for (const char* name : {"nw", "nv"}) cdsResults.AddField<TSmallintField>(name);
        for (const char* name : {"Z0", "R0"}) cdsResults.AddField<TFloatField>(name);
        cdsResults.CreateDataSet();
        ResultTables = {&cdsResults, &cdsCavity, &cdsTemperatures, &cdsSEERT};
        // The order the result rows were posted in, whatever the table's index shows.
        cdsSEERT.AfterPost = [this](TDataSet*) {
            Posted.push_back({cdsSEERT.FieldByName("Wavelength")->AsFloat(),
                              cdsSEERT.FieldByName("ivc")->AsInteger()});
        };
    }
    ~TResultTablesFixture() { ResultTables = {}; }

    TClientDataSet cdsResults, cdsCavity, cdsTemperatures, cdsSEERT;
    std::vector<std::pair<double, int>> Posted;

private:
    void Nest(TClientDataSet& table, const char* name, const std::vector<const char*>& fields) {
        for (const char* f : fields) table.AddField<TFloatField>(f);
        table.SetDataSetField(cdsResults.AddField<TDataSetField>(name));
    }
};
