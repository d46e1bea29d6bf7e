#include "workbench/TemperaturePlacement.h"

#include "engine/CavityOutline.h"
#include "platform/rtl/MessageService.h"
#include "workbench/DatasetDatabase.h"

void InstallPointDerivation(TDatasetDatabase& db) {
    for (TClientDataSet* table : {&db.cdsTemperatures, &db.cdsVC4})
        table->FieldByName("Xi")->OnChange = [&db, table](TField* xi) {
            Real z = 0, y = 0;
            int32_t surface = 0;
            std::string message;
            if (XiToPoint(xi->AsFloat(), z, y, surface, message)) {
                table->FieldByName("Z")->SetAsFloat(double(z));
                table->FieldByName("R")->SetAsFloat(double(y));
                table->FieldByName("isf")->SetAsInteger(surface);
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
            Real z = 0, y = 0;
            int32_t surface = 0;
            placed = XiToPoint(t.FieldByName("Xi")->AsFloat(), z, y, surface, failure);
            if (!placed) break;
            t.Edit();
            t.FieldByName("Z")->SetAsFloat(double(z));
            t.FieldByName("R")->SetAsFloat(double(y));
            t.FieldByName("isf")->SetAsInteger(surface);
            t.Post();
        }
        t.GotoBookmark(here);
    }
    if (placed) return true;
    // An empty reason was not to be shown (a dialog is in front of the main window).
    if (!failure.empty()) ShowMessage(failure + "\rTemperature distributions might be distorted");
    return false;
}
