#include "workbench/StoredRun.h"

#include "engine/TableWalk.h"
#include "engine/VC.h"
#include "platform/db/ClientDataSet.h"
#include "workbench/ResultsDatabase.h"

namespace {

// A count that must lie in 0..limit, as the report's arrays hold it.
int CheckedLimit(int value, int limit) {
    if (value < 0 || value > limit) RaiseRangeError();
    return value;
}

Real Float(const TDataSet& table, const char* name) { return table.FieldByName(name)->AsFloat(); }

}  // namespace

TStoredRun ReadStoredRun(TResultsDatabase& db) {
    const TClientDataSet& r = db.cdsResults;
    TStoredRun run;
    run.DatasetName = r.FieldByName("DatasetName")->AsString();
    run.DateTime = r.FieldByName("DateTime")->AsDateTime();
    run.StartDateTime = r.FieldByName("StartDateTime")->AsDateTime();
    run.FinishDateTime = r.FieldByName("FinishDateTime")->AsDateTime();
    run.Tref = Float(r, "Tref");
    run.Tbg = Float(r, "Tbg");
    run.NRF = Float(r, "NRF");
    run.Threshold = Float(r, "Threshold");
    run.ViewIndex = CheckedLimit(r.FieldByName("ViewIndex")->AsInteger(), ViewKindCount - 1);
    run.WavelengthCount = CheckedLimit(r.FieldByName("nw")->AsInteger(), 201);
    run.VCCount = CheckedLimit(r.FieldByName("nv")->AsInteger(), 201);
    run.Comments = r.FieldByName("Rem")->AsString();
    run.HasStartNode = !r.FieldByName("Z0")->IsNull() && !r.FieldByName("R0")->IsNull();
    run.NodeZ[0] = Float(r, "Z0");
    run.NodeR[0] = Float(r, "R0");

    TClientDataSet& cavity = db.cdsCavity;
    run.NodeCount = CheckedCount(cavity.RecordCount(), 202);
    {
        TTableWalk walk(cavity, true);
        long i = 1;
        for (cavity.First(); !cavity.Eof(); cavity.Next(), ++i) {
            run.NodeZ[i] = Float(cavity, "Z");
            run.NodeR[i] = Float(cavity, "R");
            run.Emissivity[i] = Float(cavity, "Emissivity");
            run.Diffusity[i] = Float(cavity, "Diffusity");
        }
    }

    TClientDataSet& points = db.cdsTemperatures;
    run.TempPointCount = CheckedLimit(points.RecordCount(), 101);
    {
        TTableWalk walk(points, true);
        long i = 1;
        for (points.First(); !points.Eof(); points.Next(), ++i) {
            run.TempPointXi[i] = Float(points, "Xi");
            run.TempPointT[i] = Float(points, "T");
        }
    }

    TClientDataSet& seert = db.cdsSEERT;
    const size_t params = ViewParamCounts[size_t(run.ViewIndex)];
    static const char* const paramNames[] = {"param1", "param2", "param3"};
    {
        TTableWalk walk(seert, true);
        run.Results.reserve(size_t(seert.RecordCount()));
        for (seert.First(); !seert.Eof(); seert.Next()) {
            TStoredResult row;
            row.Wavelength = Float(seert, "Wavelength");
            row.ViewCondition = seert.FieldByName("ivc")->AsInteger();
            for (size_t p = 0; p < params; ++p) row.Params[p] = Float(seert, paramNames[p]);
            row.EEiso = Float(seert, "EEiso");
            row.EE = Float(seert, "EE");
            row.RT = Float(seert, "RT");
            run.Results.push_back(row);
        }
    }
    return run;
}
