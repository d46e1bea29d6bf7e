#include "workbench/TemperatureEdits.h"

#include <algorithm>

#include "engine/CavityOutline.h"
#include "engine/Global.h"
#include "engine/Loaders.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/MessageService.h"
#include "workbench/DatasetDatabase.h"

namespace {

// Inserts and posts a point; false (the insert cancelled) when the post fails.
bool InsertPoint(TClientDataSet& t, double xi, const TFieldValue& temperature = {}) {
    t.Append();
    try {
        t.FieldByName("Xi")->SetAsFloat(xi);
        if (!IsNullValue(temperature))
            t.FieldByName("T")->SetAsFloat(std::get<double>(temperature));
        t.Post();
        return true;
    } catch (const Exception&) {
        t.Cancel();
        return false;
    }
}

}  // namespace

bool AddNodeTemperaturePoints(TDatasetDatabase& db) {
    TClientDataSet& t = db.cdsTemperatures;
    if (!t.IsEmpty() && !ConfirmYesNo("All temperature points will be erased\rContinue?"))
        return false;
    // The outline decides first, so that a profile that cannot take points leaves the old ones.
    std::string message;
    if (!LoadCavityOutline(message)) {
        if (!message.empty()) ShowMessage(message);
        return false;
    }
    const int count = Shared.NodeCount + 1;
    if (count > MaxTemperaturePoints) {
        ShowMessage("Too many points\rOnly " + std::to_string(MaxTemperaturePoints) + " allowed");
        return false;
    }
    std::vector<double> xi;
    for (int i = 0; i < count; ++i) xi.push_back(double(Shared.NodeXi[i]));
    if (!DeleteAllRecords(t, MessageService())) return false;
    {
        TDisableControlsGuard suspended(t);
        for (double x : xi) InsertPoint(t, x);
        t.First();
    }
    PostIfEditing(db.cdsMain);
    return true;
}

bool SplitTemperaturePoint(TDatasetDatabase& db) {
    TClientDataSet& t = db.cdsTemperatures;
    if (t.IsEmpty() || t.RecNo() < 2) {
        ShowMessage("First point cannot be splitted");
        return false;
    }
    bool split = true;
    {
        TDisableControlsGuard suspended(t);
        const int r = t.RecNo();
        const double x = t.FieldByName("Xi")->AsFloat();
        const TFieldValue temperature = t.FieldByName("T")->Value();
        t.Delete();
        const double lo = std::max(0.0, x - 0.0001), hi = std::min(1.0, x + 0.0001);
        if (!InsertPoint(t, lo) || !InsertPoint(t, hi)) {
            split = false;
            // The point goes back whole; a first new point already posted stays.
            InsertPoint(t, x, temperature);
        }
        t.SetRecNo(std::min(r, t.RecordCount()));
    }
    if (!split) ShowMessage("Operation failed. Possible key duplication.");
    PostIfEditing(db.cdsMain);
    return split;
}

void ClearTemperatures(TDatasetDatabase& db) {
    TClientDataSet& t = db.cdsTemperatures;
    if (t.IsEmpty()) return;
    {
        TDisableControlsGuard suspended(t);
        const int r = t.RecNo();
        for (t.First(); !t.Eof(); t.Next()) {
            t.Edit();
            t.FieldByName("T")->Clear();
            t.Post();
        }
        t.SetRecNo(r);
    }
    PostIfEditing(db.cdsMain);
}

bool ClearAllTemperaturePoints(TDatasetDatabase& db) {
    TClientDataSet& t = db.cdsTemperatures;
    if (t.IsEmpty() || !ConfirmYesNo("All data in this table will be erased.\rContinue?"))
        return false;
    DeleteAllRecords(t, MessageService());
    PostIfEditing(db.cdsMain);
    return true;
}

bool AppendTemperaturePoint(TDatasetDatabase& db, double xi) {
    if (!InsertPoint(db.cdsTemperatures, xi)) {
        ShowMessage("Possible Xi duplication");
        return false;
    }
    return true;
}
