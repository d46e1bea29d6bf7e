#include "workbench/DatasetDatabase.h"

#include <algorithm>
#include <vector>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/MessageService.h"
#include "workbench/DatabaseRoutines.h"
#include "workbench/ProgramFolders.h"

namespace {

TFloatField* AddFloat(TClientDataSet& ds, const char* name, const char* displayFormat,
                      bool required = false) {
    TFloatField* f = ds.AddField<TFloatField>(name);
    f->SetDisplayFormat(displayFormat);
    f->SetRequired(required);
    return f;
}

// The one index of a nested table: primary, unique and always active.
void SetKey(TClientDataSet& ds, const char* indexName, const char* fields) {
    ds.IndexDefs().Add(indexName, fields, ixPrimary | ixUnique);
    ds.SetIndexName(indexName);
}

bool Editing(const TDataSet& table) { return table.State() == dsEdit || table.State() == dsInsert; }

constexpr const char* ParamFormat = "#####0.0#########";
constexpr const char* AngleFormat = "#####0.0######";

}  // namespace

TDatasetDatabase::TDatasetDatabase(IMessageService& messages)
    : Clock([] { return Now(); }),
      VCDataSets{&cdsVC0, &cdsVC1, &cdsVC2, &cdsVC3, &cdsVC4},
      VCDataSources{&dsVC0, &dsVC1, &dsVC2, &dsVC3, &dsVC4},
      FMessages(messages) {
    DefineMain();
    DefineNested();
    cdsMain.OnNewRecord = [this](TDataSet*) { MainNewRecord(); };
    cdsMain.BeforeDelete = [this](TDataSet*) { MainBeforeDelete(); };
    cdsCavity.BeforeInsert = [this](TDataSet*) { CavityBeforeInsert(); };
    cdsCavity.AfterInsert = [this](TDataSet*) { cdsCavityD->SetAsFloat(PendingCavityKey); };

    const std::pair<TDataSource*, TClientDataSet*> sources[] = {{&dsMain, &cdsMain},
                                                                {&dsCavity, &cdsCavity},
                                                                {&dsWavelengths, &cdsWavelengths},
                                                                {&dsTemperatures, &cdsTemperatures},
                                                                {&dsVC0, &cdsVC0},
                                                                {&dsVC1, &cdsVC1},
                                                                {&dsVC2, &cdsVC2},
                                                                {&dsVC3, &cdsVC3},
                                                                {&dsVC4, &cdsVC4}};
    for (auto [source, table] : sources) {
        source->SetName("ds" + table->Name().substr(3));
        source->SetDataSet(table);
    }
}

TDatasetDatabase::~TDatasetDatabase() = default;

void TDatasetDatabase::DefineMain() {
    TClientDataSet& m = cdsMain;
    m.SetName("cdsMain");
    cdsMainDatasetName = m.AddField<TStringField>("DatasetName", 100);
    cdsMainDatasetName->SetRequired(true);
    cdsMainDatasetName->SetDisplayLabel("Dataset  Name");
    cdsMainDateTime = m.AddField<TDateTimeField>("DateTime");
    cdsMainDateTime->SetRequired(true);
    cdsMainDateTime->SetDisplayFormat("mm/dd/yyyy hh:nn:ss");
    cdsMainDateTime->SetDisplayLabel("Date and Time");
    m.AddField<TFloatField>("Tref");
    m.AddField<TFloatField>("Tbg")->SetDefaultExpression("0");
    m.AddField<TSmallintField>("ViewIndex")->SetDefaultExpression("0");
    AddFloat(m, "NRF", "###,###,###")->SetDefaultExpression("1000");
    AddFloat(m, "Threshold", "0.#########")->SetDefaultExpression("0");
    m.AddField<TMemoField>("Rem");
    const std::pair<const char*, TClientDataSet*> nested[] = {{"Cavity", &cdsCavity},
                                                              {"Wavelengths", &cdsWavelengths},
                                                              {"Temperatures", &cdsTemperatures},
                                                              {"VC0", &cdsVC0},
                                                              {"VC1", &cdsVC1},
                                                              {"VC2", &cdsVC2},
                                                              {"VC3", &cdsVC3},
                                                              {"VC4", &cdsVC4}};
    for (auto [name, table] : nested) {
        table->SetName(std::string("cds") + name);
        table->SetDataSetField(m.AddField<TDataSetField>(name));
    }
    AddFloat(m, "Z0", "###0.######")->SetDefaultExpression("0");
    TFloatField* r0 = AddFloat(m, "R0", "###0.######");
    r0->SetDefaultExpression("0");
    r0->SetDisplayLabel("Y0");

    m.IndexDefs().Add("cdsMainIndex1", "DatasetName;DateTime",
                      ixPrimary | ixUnique | ixCaseInsensitive);
    m.IndexDefs().Add("cdsMainIndex2", "DateTime;DatasetName", ixUnique | ixDescending);
    m.SetIndexName("cdsMainIndex1");
}

void TDatasetDatabase::DefineNested() {
    // The generatrix: D is the hidden order key; emissivity and diffusity lie in 0..1.
    cdsCavityD = AddFloat(cdsCavity, "D", "", true);
    cdsCavityD->SetVisible(false);
    AddFloat(cdsCavity, "Z", "###0.#########", true);
    AddFloat(cdsCavity, "R", "###0.#########", true)->SetDisplayLabel("Y");
    for (const char* name : {"Emissivity", "Diffusity"}) {
        TFloatField* f = AddFloat(cdsCavity, name, "0.#####");
        f->SetMinValue(0);
        f->SetMaxValue(1);
    }
    SetKey(cdsCavity, "cdsCavityIndex1", "D");

    AddFloat(cdsWavelengths, "Wavelength", "")->SetDisplayLabel("Wavelength (\xC2\xB5m)");
    SetKey(cdsWavelengths, "cdsWavelengthIndex1", "Wavelength");

    const struct {
        const char* name;
        const char* format;
        int precision;
    } temperatures[] = {{"Xi", "0.00000", 7}, {"Z", "0.0000", 4}, {"R", "0.0000", 4}};
    for (const auto& t : temperatures)
        AddFloat(cdsTemperatures, t.name, t.format, t.precision == 7)->SetPrecision(t.precision);
    cdsTemperatures.AddField<TSmallintField>("isf");
    AddFloat(cdsTemperatures, "T", "###0.0000")->SetPrecision(8);
    SetKey(cdsTemperatures, "cdsTemperaturesIndex1", "Xi");

    // Viewing conditions, one table per kind, with the parameters of that kind.
    AddFloat(cdsVC0, "YB", ParamFormat);
    AddFloat(cdsVC0, "RB", ParamFormat);
    SetKey(cdsVC0, "cdsVC0Index1", "YB;RB");
    AddFloat(cdsVC1, "ZB", ParamFormat);
    AddFloat(cdsVC1, "RB", ParamFormat);
    AddFloat(cdsVC1, "b", AngleFormat);
    SetKey(cdsVC1, "cdsVC1Index1", "ZB;RB;b");
    AddFloat(cdsVC2, "YB", ParamFormat);
    AddFloat(cdsVC2, "ZB", ParamFormat);
    AddFloat(cdsVC2, "w", AngleFormat);
    SetKey(cdsVC2, "cdsVC2Index1", "YB;ZB;w");
    for (const char* name : {"YD", "RD", "H"}) AddFloat(cdsVC3, name, ParamFormat);
    SetKey(cdsVC3, "cdsVC3Index1", "YD;RD;H");
    for (const char* name : {"Xi", "Z", "R"}) AddFloat(cdsVC4, name, ParamFormat);
    cdsVC4.AddField<TIntegerField>("isf")->SetDisplayFormat(ParamFormat);
    SetKey(cdsVC4, "cdsVC4Index1", "Xi");
}

void TDatasetDatabase::Open(const TProgramFolders& folders) {
    FFile = LoadOrCreateDatabase(
        cdsMain, folders.DbDir + DatasetDatabaseFile,
        "File kavri320.dbs not found or corrupted\rEmpty database will be created", FMessages);
    cdsMain.First();
    SetSortChoice(FSortChoice);
}

bool TDatasetDatabase::SettlePendingEdits() {
    if (!cdsMain.Active()) return true;
    // Each nested table first, so that a row its table refuses costs that row only.
    std::vector<TClientDataSet*> nested{&cdsCavity, &cdsWavelengths, &cdsTemperatures};
    nested.insert(nested.end(), VCDataSets.begin(), VCDataSets.end());
    for (TClientDataSet* table : nested) {
        if (!Editing(*table)) continue;
        try {
            table->CheckBrowseMode();
        } catch (const EAbort&) {
            // The table's own post-error rule dropped the row.
        } catch (const Exception& e) {
            if (!FMessages.ConfirmYesNo(e.Message() + DiscardRowQuestion)) return false;
            try {
                table->Cancel();
            } catch (const Exception&) {
                // A handler that posts the dataset after the cancel met the dataset's own
                // refusal; the dataset's turn comes next.
            }
        }
    }
    if (!Editing(cdsMain)) return true;
    try {
        cdsMain.CheckBrowseMode();
    } catch (const Exception& e) {
        if (!FMessages.ConfirmYesNo(e.Message() + DiscardDatasetQuestion)) return false;
        cdsMain.Cancel();
    }
    return true;
}

bool TDatasetDatabase::SaveAtClose() {
    if (!SettlePendingEdits()) return false;
    SaveDatabase(cdsMain, FFile, FMessages);
    return true;
}

void TDatasetDatabase::SetSortChoice(int item) {
    if (item < 0 || item >= cdsMain.IndexDefs().Count()) return;  // no choice made
    FSortChoice = item;
    cdsMain.SetIndexName(cdsMain.IndexDefs().Items(item).Name());
}

void TDatasetDatabase::Find(const std::string& text) {
    if (!text.empty()) cdsMain.FindNearest({TFieldValue(text)});
}

void TDatasetDatabase::MainNewRecord() {
    // The defaults come from the fields; the creation time is set with the controls suspended.
    TDisableControlsGuard suspended(cdsMain);
    cdsMainDateTime->SetAsDateTime(Clock());
}

void TDatasetDatabase::MainBeforeDelete() {
    const int remembered = FSortChoice;
    // A first row is moved off the first place by trying the other orders, as the list may
    // reorder while its nested tables are emptied.
    for (int item = 0; item < 2 && cdsMain.RecNo() == 1; ++item) SetSortChoice(item);
    for (TClientDataSet* table : {&cdsCavity, &cdsTemperatures, &cdsWavelengths})
        DeleteAllRecords(*table, FMessages);
    for (TClientDataSet* table : VCDataSets) DeleteAllRecords(*table, FMessages);
    SetSortChoice(remembered);
}

void TDatasetDatabase::CavityBeforeInsert() {
    TClientDataSet& t = cdsCavity;
    if (t.IsEmpty()) {
        PendingCavityKey = 1;
        return;
    }
    // The grid's append adds a new last row. Anywhere else the new row goes before the current
    // one, also after a Down in the middle of the table (d + 1 there would be the next row's key
    // and the row would be lost to a key violation).
    const bool last = t.RecNo() == t.RecordCount();
    if (CavityGridAppend && last) {
        PendingCavityKey = cdsCavityD->AsFloat() + 1;
        return;
    }
    auto between = [&](double& key) {
        const double d = cdsCavityD->AsFloat();
        if (t.RecNo() == 1) {
            key = d / 2;
            return key != d && key > 0;
        }
        const TBookmark here = t.GetBookmark();
        t.Prior();
        const double p = cdsCavityD->AsFloat();
        t.GotoBookmark(here);
        key = p + (d - p) / 2;
        return key != p && key != d;
    };
    double key = 0;
    if (!between(key)) {
        // Halving has run out of precision (or the first key is not positive): number the rows
        // 1..n in their order and halve again.
        RenumberCavityKeys();
        between(key);
    }
    PendingCavityKey = key;
}

void TDatasetDatabase::RenumberCavityKeys() {
    TClientDataSet& t = cdsCavity;
    const TBookmark here = t.GetBookmark();
    std::vector<TBookmark> rows;
    double top = 0;
    for (t.First(); !t.Eof(); t.Next()) {
        rows.push_back(t.GetBookmark());
        top = std::max(top, cdsCavityD->AsFloat());
    }
    // Two passes, so that no intermediate key meets another row's key: first above every key
    // and 1..n, then 1..n.
    const double offset = std::max(top, double(rows.size())) + 1;
    for (int pass = 0; pass < 2; ++pass)
        for (size_t i = 0; i < rows.size(); ++i) {
            t.GotoBookmark(rows[i]);
            t.Edit();
            cdsCavityD->SetAsFloat((pass == 0 ? offset : 0) + double(i + 1));
            t.Post();
        }
    t.GotoBookmark(here);
}
