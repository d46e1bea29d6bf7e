#include "workbench/TemperaturePlacement.h"

#include "engine/CavityOutline.h"
#include "platform/rtl/MessageService.h"
#include "workbench/DatasetDatabase.h"

bool PlacePoint(TClientDataSet& table, double xi, std::string& message) {
    Real z = 0, y = 0;
    int32_t surface = 0;
    if (!XiToPoint(xi, z, y, surface, message)) return false;
    table.FieldByName("Z")->SetAsFloat(double(z));
    table.FieldByName("R")->SetAsFloat(double(y));
    table.FieldByName("isf")->SetAsInteger(surface);
    return true;
}

void InstallPointDerivation(TDatasetDatabase& db, std::function<void(double, double)> placed) {
    for (TClientDataSet* table : {&db.cdsTemperatures, &db.cdsVC4})
        table->FieldByName("Xi")->OnChange = [&db, table, placed](TField* xi) {
            std::string message;
            if (PlacePoint(*table, xi->AsFloat(), message)) {
                if (placed && table == &db.cdsTemperatures)
                    placed(table->FieldByName("Z")->AsFloat(), table->FieldByName("R")->AsFloat());
            } else if (!message.empty()) {
                ShowMessage(message + " in dataset " + db.cdsMainDatasetName->AsString());
            }
        };
}

bool RelocateTemperaturePoints(TDatasetDatabase& db) {
    TClientDataSet& t = db.cdsTemperatures;
    if (t.IsEmpty()) return true;
    std::string failure;
    bool placed = true;
    {
        TDisableControlsGuard suspended(t);
        const TBookmark here = t.GetBookmark();
        for (t.First(); !t.Eof(); t.Next()) {
            t.Edit();
            placed = PlacePoint(t, t.FieldByName("Xi")->AsFloat(), failure);
            if (!placed) {
                t.Cancel();
                break;
            }
            t.Post();
        }
        t.GotoBookmark(here);
    }
    if (placed) return true;
    // An empty reason was not to be shown (a dialog is in front of the main window).
    if (!failure.empty()) ShowMessage(failure + "\rTemperature distributions might be distorted");
    return false;
}
