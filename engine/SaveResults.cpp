#include "engine/SaveResults.h"

#include "engine/EngineTables.h"
#include "engine/Global.h"
#include "engine/Loaders.h"
#include "engine/VC.h"
#include "platform/classes/Cursors.h"
#include "platform/db/ClientDataSet.h"

namespace {

void Set(TDataSet& table, const char* name, double value) {
    table.FieldByName(name)->SetAsFloat(value);
}
void SetInt(TDataSet& table, const char* name, int32_t value) {
    table.FieldByName(name)->SetAsInteger(value);
}

void InsertMasterRow(TDataSet& results, const TDataSet& main, double start, double finish) {
    const TSharedData& s = Shared;
    results.Insert();
    results.FieldByName("DatasetName")->SetAsString(s.CurDatasetName);
    results.FieldByName("DateTime")->SetAsDateTime(main.FieldByName("DateTime")->AsDateTime());
    results.FieldByName("StartDateTime")->SetAsDateTime(start);
    results.FieldByName("FinishDateTime")->SetAsDateTime(finish);
    Set(results, "Tref", s.CurTref);
    Set(results, "Tbg", s.CurTbg);
    SetInt(results, "ViewIndex", s.CurViewIndex);
    Set(results, "NRF", s.CurNRF);
    Set(results, "Threshold", s.CurThreshold);
    SetInt(results, "nv", s.VCCount);
    SetInt(results, "nw", s.WavelengthCount);
    results.FieldByName("Rem")->SetAsString(main.FieldByName("Rem")->AsString());
    // The start node of the profile, without which a stored run could not be drawn in place.
    Set(results, "Z0", s.NodeZ[0]);
    Set(results, "R0", s.NodeR[0]);
    results.Post();
}

// Copies every row of `from` into `to`, field by field position (both tables keep one field
// order); `from` is left on its last row.
void CopyRows(TDataSet& from, TDataSet& to) {
    TDisableControlsGuard suspended(from);
    const int rows = from.RecordCount();
    for (int i = 1; i <= rows; ++i) {
        to.Insert();
        from.SetRecNo(i);
        for (int f = 0; f < to.FieldCount(); ++f) to.Fields(f)->SetValue(from.Fields(f)->Value());
        to.Post();
    }
}

// Inserts and posts the row of wavelength index k and viewing condition v; false when the post
// fails, with the row cancelled.
bool InsertResultRow(TDataSet& seert, long k, long v) {
    const TSharedData& s = Shared;
    seert.Insert();
    Set(seert, "Wavelength", s.CurWavelengths[k]);
    SetInt(seert, "ivc", static_cast<int32_t>(v));
    static const char* const params[] = {"param1", "param2", "param3"};
    const long count = ViewParamCounts.at(s.CurViewIndex);
    for (long p = 1; p <= count; ++p) Set(seert, params[p - 1], s.VCParams[p][v]);
    Set(seert, "EEiso", s.EEResults[v][0][k]);
    Set(seert, "EE", s.EEResults[v][1][k]);
    Set(seert, "RT", s.RTResults[v][1][k]);
    try {
        seert.Post();
    } catch (const Exception&) {
        seert.Cancel();
        return false;
    }
    return true;
}

}  // namespace

bool SaveResults(double startDateTime, double finishDateTime, std::string& message) {
    message.clear();
    TCursorGuard hourglass;
    const TEngineTables& main = EngineTables;
    const TResultTables& results = ResultTables;
    InsertMasterRow(*results.cdsResults, *main.cdsMain, startDateTime, finishDateTime);
    CopyRows(*main.cdsCavity, *results.cdsCavity);
    CopyRows(*main.cdsTemperatures, *results.cdsTemperatures);

    // Wavelength index outer, viewing condition inner: the order the rows are inserted in.
    const TSharedData& s = Shared;
    for (long k = 0; k <= s.WavelengthCount; ++k)
        for (long v = 1; v <= s.VCCount; ++v)
            if (!InsertResultRow(*results.cdsSEERT, k, v)) {
                message = "Error saving results in database";
                // What was posted stays: the run's row is posted with it, since leaving it in
                // edit would let a later cancel of that row take the posted rows away again.
                PostIfEditing(*results.cdsResults);
                return false;
            }
    PostIfEditing(*results.cdsResults);
    return true;
}
