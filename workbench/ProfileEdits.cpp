#include "workbench/ProfileEdits.h"

#include "engine/Loaders.h"
#include "platform/classes/Cursors.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/MessageService.h"
#include "workbench/DatasetDatabase.h"
#include "workbench/RegularWavelengths.h"

namespace {

TField* Field(TClientDataSet& t, const char* name) { return t.FieldByName(name); }

// Empties a table after asking `question` when it has rows; false when the answer is No or a row
// could not be deleted.
bool AskAndEmpty(TClientDataSet& table, const char* question) {
    if (table.IsEmpty()) return true;
    if (!ConfirmYesNo(question)) return false;
    return DeleteAllRecords(table, MessageService());
}

// Edits rows from..to one after the other, then goes to the first row and posts the dataset.
template <class Edit>
void EditRange(TDatasetDatabase& db, TSurfaceRange range, Edit edit) {
    TClientDataSet& t = db.cdsCavity;
    {
        TCursorGuard hourglass;
        TDisableControlsGuard suspended(t);
        for (int r = range.From; r <= range.To; ++r) {
            t.SetRecNo(r);
            t.Edit();
            edit();
            t.Post();
        }
        t.First();
    }
    PostIfEditing(db.cdsMain);
}

}  // namespace

TGeneratrix GeneratrixOfDataset(TDatasetDatabase& db) {
    TGeneratrix g;
    g.Start = {Field(db.cdsMain, "Z0")->AsFloat(), Field(db.cdsMain, "R0")->AsFloat()};
    TClientDataSet& t = db.cdsCavity;
    TDisableControlsGuard suspended(t);
    const TBookmark here = t.GetBookmark();
    for (t.First(); !t.Eof(); t.Next())
        g.Nodes.push_back({Field(t, "Z")->AsFloat(), Field(t, "R")->AsFloat()});
    t.GotoBookmark(here);
    return g;
}

bool ReplaceGeneratrix(TDatasetDatabase& db, const TGeneratrix& g) {
    if (!AskAndEmpty(db.cdsCavity,
                     "All existing generatrix coordinates will be erased.\rContinue?"))
        return false;
    db.cdsMain.Edit();
    Field(db.cdsMain, "Z0")->SetAsFloat(g.Start.Z);
    Field(db.cdsMain, "R0")->SetAsFloat(g.Start.Y);
    db.cdsMain.Post();
    TClientDataSet& t = db.cdsCavity;
    {
        TDisableControlsGuard suspended(t);
        for (size_t i = 0; i < g.Nodes.size(); ++i) {
            t.Append();
            try {
                db.cdsCavityD->SetAsFloat(double(i + 1));
                Field(t, "Z")->SetAsFloat(g.Nodes[i].Z);
                Field(t, "R")->SetAsFloat(g.Nodes[i].Y);
                t.Post();
            } catch (...) {
                t.Cancel();
                PostIfEditing(db.cdsMain);
                throw;
            }
        }
        t.First();
    }
    PostIfEditing(db.cdsMain);
    return true;
}

std::vector<double> WavelengthsOfDataset(TDatasetDatabase& db) {
    std::vector<double> values;
    TClientDataSet& t = db.cdsWavelengths;
    TDisableControlsGuard suspended(t);
    const TBookmark here = t.GetBookmark();
    for (t.First(); !t.Eof(); t.Next()) values.push_back(Field(t, "Wavelength")->AsFloat());
    t.GotoBookmark(here);
    return values;
}

void AppendWavelengths(TDatasetDatabase& db, const std::vector<double>& values) {
    TClientDataSet& t = db.cdsWavelengths;
    std::vector<double> refused;
    {
        TDisableControlsGuard suspended(t);
        for (double w : values) {
            t.Append();
            Field(t, "Wavelength")->SetAsFloat(w);
            try {
                t.Post();
            } catch (const Exception&) {
                t.Cancel();  // the value is in the table already
                refused.push_back(w);
            }
        }
    }
    // Told with the controls showing the rows, after every value has been tried.
    for (double w : refused) ShowMessage(WavelengthDuplicationText(w));
    PostIfEditing(db.cdsMain);
}

bool ReplaceWavelengths(TDatasetDatabase& db, const std::vector<double>& values) {
    if (!AskAndEmpty(db.cdsWavelengths, "All existing wavelengths will be erased.\rContinue?"))
        return false;
    AppendWavelengths(db, values);
    return true;
}

bool ClearWavelengths(TDatasetDatabase& db) {
    if (db.cdsWavelengths.IsEmpty()) return false;
    if (!ConfirmYesNo("All wavelengths will be erased.\rContinue?")) return false;
    DeleteAllRecords(db.cdsWavelengths, MessageService());
    // Posted at once, so that a close right after it does not undo the clear.
    PostIfEditing(db.cdsMain);
    return true;
}

void DeleteCavityRows(TDatasetDatabase& db, TSurfaceRange range) {
    TClientDataSet& t = db.cdsCavity;
    {
        TCursorGuard hourglass;
        TDisableControlsGuard suspended(t);
        t.SetRecNo(range.From);
        // Each delete brings the next row under the cursor.
        for (int i = range.From; i <= range.To && !t.IsEmpty(); ++i) t.Delete();
    }
    PostIfEditing(db.cdsMain);
}

void AssignSurfaceValues(TDatasetDatabase& db, TSurfaceRange range, double emissivity,
                         double diffusity) {
    EditRange(db, range, [&] {
        Field(db.cdsCavity, "Emissivity")->SetAsFloat(emissivity);
        Field(db.cdsCavity, "Diffusity")->SetAsFloat(diffusity);
    });
}

void EraseSurfaceValues(TDatasetDatabase& db, TSurfaceRange range) {
    EditRange(db, range, [&] {
        Field(db.cdsCavity, "Emissivity")->Clear();
        Field(db.cdsCavity, "Diffusity")->Clear();
    });
}
