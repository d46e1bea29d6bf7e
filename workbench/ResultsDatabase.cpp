#include "workbench/ResultsDatabase.h"

#include "platform/db/DateTimeField.h"
#include "platform/db/NumericField.h"
#include "platform/db/StringField.h"
#include "platform/rtl/MessageService.h"
#include "workbench/DatabaseRoutines.h"
#include "workbench/ProgramFolders.h"

namespace {

TFloatField* AddFloat(TClientDataSet& ds, const char* name, const char* displayFormat = "",
                      int precision = 15) {
    TFloatField* f = ds.AddField<TFloatField>(name);
    f->SetDisplayFormat(displayFormat);
    f->SetPrecision(precision);
    return f;
}

}  // namespace

TResultsDatabase::TResultsDatabase(IMessageService& messages) : FMessages(messages) {
    DefineFields();
    cdsResults.BeforeDelete = [this](TDataSet*) { BeforeDelete(); };
    dsResults.SetName("dsResults");
    dsResults.SetDataSet(&cdsResults);
    // Nothing in the results window edits a run.
    dsResults.SetAutoEdit(false);
    dsSEERT.SetName("dsSEERT");
    dsSEERT.SetDataSet(&cdsSEERT);
    dsSEERT.SetAutoEdit(false);
}

TResultsDatabase::~TResultsDatabase() = default;

void TResultsDatabase::DefineFields() {
    TClientDataSet& r = cdsResults;
    r.SetName("cdsResults");
    r.AddField<TStringField>("DatasetName", 100)->SetDisplayLabel("Dataset Name");
    for (const char* name : {"DateTime", "StartDateTime", "FinishDateTime"})
        r.AddField<TDateTimeField>(name)->SetDisplayFormat("mm/dd/yyyy hh:nn:ss");
    AddFloat(r, "Tref");
    AddFloat(r, "Tbg");
    r.AddField<TSmallintField>("ViewIndex");
    AddFloat(r, "NRF", "0.####e-0");
    AddFloat(r, "Threshold", "0.###e-0");
    r.AddField<TMemoField>("Rem");
    cdsCavity.SetName("cdsCavity");
    cdsCavity.SetDataSetField(r.AddField<TDataSetField>("Cavity"));
    cdsTemperatures.SetName("cdsTemperatures");
    cdsTemperatures.SetDataSetField(r.AddField<TDataSetField>("Temperatures"));
    cdsSEERT.SetName("cdsSEERT");
    cdsSEERT.SetDataSetField(r.AddField<TDataSetField>("SEERT"));
    for (const char* name : {"nw", "nv"}) r.AddField<TSmallintField>(name);
    AddFloat(r, "Z0");
    AddFloat(r, "R0");
    r.IndexDefs().Add("cdsResultsIndex1", "DatasetName;DateTime;StartDateTime",
                      ixUnique | ixCaseInsensitive);
    r.IndexDefs().Add("cdsResultsIndex2", "DateTime");
    r.IndexDefs().Add("cdsResultsIndex3", "StartDateTime", ixDescending);
    r.SetIndexName("cdsResultsIndex3");

    for (const char* name : {"D", "Z", "R"}) AddFloat(cdsCavity, name)->SetRequired(true);
    AddFloat(cdsCavity, "Emissivity");
    AddFloat(cdsCavity, "Diffusity");
    cdsCavity.IndexDefs().Add("cdsCavityIndex1", "D", ixUnique);
    cdsCavity.SetIndexName("cdsCavityIndex1");

    AddFloat(cdsTemperatures, "Xi", "", 8);
    AddFloat(cdsTemperatures, "Z", "", 6);
    AddFloat(cdsTemperatures, "R", "", 6);
    cdsTemperatures.AddField<TSmallintField>("isf");
    AddFloat(cdsTemperatures, "T", "", 8);
    cdsTemperatures.IndexDefs().Add("cdsTemperaturesIndex1", "Xi", ixUnique);
    cdsTemperatures.SetIndexName("cdsTemperaturesIndex1");

    AddFloat(cdsSEERT, "Wavelength", "###0.####");
    cdsSEERT.AddField<TSmallintField>("ivc");
    for (const char* name : {"param1", "param2", "param3"}) AddFloat(cdsSEERT, name, "###0.######");
    for (const char* name : {"EEiso", "EE"}) AddFloat(cdsSEERT, name, "###0.00000000");
    AddFloat(cdsSEERT, "RT", "###0.0000");
    cdsSEERT.IndexDefs().Add("cdsSEERTIndex1", "Wavelength;ivc", ixUnique);
    cdsSEERT.IndexDefs().Add("cdsSEERTIndex2", "ivc;Wavelength", ixUnique);
    cdsSEERT.SetIndexName("cdsSEERTIndex1");
}

void TResultsDatabase::Open(const TProgramFolders& folders) {
    FFile = LoadOrCreateDatabase(cdsResults, folders.DbDir + ResultsDatabaseFile, "", FMessages);
    SetSortChoice(FSortChoice);
    cdsResults.First();
}

void TResultsDatabase::SaveAtClose() { SaveDatabase(cdsResults, FFile, FMessages); }

void TResultsDatabase::SetSortChoice(int item) {
    if (item < 0 || item >= cdsResults.IndexDefs().Count()) return;  // no choice made
    FSortChoice = item;
    cdsResults.SetIndexName(cdsResults.IndexDefs().Items(item).Name());
}

void TResultsDatabase::Find(const std::string& text) {
    if (!text.empty()) cdsResults.FindNearest({TFieldValue(text)});
}

void TResultsDatabase::BeforeDelete() {
    const int remembered = FSortChoice;
    for (int item = 2; item >= 0 && cdsResults.RecNo() == 1; --item) SetSortChoice(item);
    for (TClientDataSet* table : {&cdsCavity, &cdsTemperatures, &cdsSEERT})
        DeleteAllRecords(*table, FMessages);
    SetSortChoice(remembered);
}

bool TResultsDatabase::ClearAll(const std::function<void()>& progress) {
    if (cdsResults.IsEmpty()) return false;
    if (!FMessages.ConfirmYesNo("All results will be erased\rContinue?")) return false;
    if (progress) progress();
    while (!cdsResults.IsEmpty()) cdsResults.Delete();
    return true;
}
