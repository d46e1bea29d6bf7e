#include "workbench/DatasetImport.h"

#include "engine/Loaders.h"
#include "engine/VC.h"
#include "platform/rtl/MessageService.h"
#include "workbench/DatasetDatabase.h"
#include "workbench/TemperaturePlacement.h"

namespace {

// Appends and posts one row of a nested table; a row that cannot be posted is cancelled, the
// dataset row posted with what came before it, and the error passed on.
template <class Fill>
void AppendRow(TClientDataSet& table, TClientDataSet& main, Fill fill) {
    table.Append();
    try {
        fill();
        table.Post();
    } catch (...) {
        table.Cancel();
        PostIfEditing(main);
        throw;
    }
}

}  // namespace

void AddDatasetFromText(TDatasetDatabase& db, const TDatasetText& d, const std::string& fileName) {
    for (TClientDataSet* t : {&db.cdsCavity, &db.cdsWavelengths, &db.cdsTemperatures})
        PostIfEditing(*t);
    for (TClientDataSet* t : db.VCDataSets) PostIfEditing(*t);
    PostIfEditing(db.cdsMain);

    std::string rem;
    for (const std::string& line : d.Comments) rem += line + "\r\n";
    rem += "Loaded from " + fileName;
    TClientDataSet& main = db.cdsMain;
    main.Append();
    try {
        db.cdsMainDatasetName->SetAsString(d.Name);
        main.FieldByName("Z0")->SetAsFloat(d.Z0);
        main.FieldByName("R0")->SetAsFloat(d.Y0);
        main.FieldByName("Tref")->SetAsFloat(d.Tref);
        main.FieldByName("Tbg")->SetAsFloat(d.Tbg);
        main.FieldByName("ViewIndex")->SetAsInteger(d.Kind);
        main.FieldByName("NRF")->SetAsFloat(d.NRF);
        main.FieldByName("Threshold")->SetAsFloat(d.Threshold);
        main.FieldByName("Rem")->SetAsString(rem);
        main.Post();
    } catch (...) {
        main.Cancel();
        throw;
    }

    {
        TDisableControlsGuard suspended(db.cdsCavity);
        for (size_t i = 0; i < d.Surfaces.size(); ++i) {
            const auto& s = d.Surfaces[i];
            AppendRow(db.cdsCavity, main, [&] {
                db.cdsCavityD->SetAsFloat(double(i + 1));
                db.cdsCavity.FieldByName("Z")->SetAsFloat(s.Z);
                db.cdsCavity.FieldByName("R")->SetAsFloat(s.Y);
                db.cdsCavity.FieldByName("Emissivity")->SetAsFloat(s.Emissivity);
                db.cdsCavity.FieldByName("Diffusity")->SetAsFloat(s.Diffusity);
            });
        }
        db.cdsCavity.First();
    }
    {
        // The profile is in the table now: each point's place follows from its Xi. A failed
        // conversion is told once and leaves the point's place empty.
        TDisableControlsGuard suspended(db.cdsTemperatures);
        bool placed = true;
        for (const auto& p : d.TempPoints)
            AppendRow(db.cdsTemperatures, main, [&] {
                TClientDataSet& t = db.cdsTemperatures;
                t.FieldByName("Xi")->SetAsFloat(p.Xi);
                t.FieldByName("T")->SetAsFloat(p.T);
                if (!placed) return;
                std::string message;
                placed = PlacePoint(t, p.Xi, message);
                if (!placed && !message.empty()) ShowMessage(message + " in dataset " + d.Name);
            });
    }
    {
        TDisableControlsGuard suspended(db.cdsWavelengths);
        for (double w : d.Wavelengths)
            AppendRow(db.cdsWavelengths, main,
                      [&] { db.cdsWavelengths.FieldByName("Wavelength")->SetAsFloat(w); });
    }
    {
        TClientDataSet& vc = *db.VCDataSets[size_t(d.Kind)];
        TDisableControlsGuard suspended(vc);
        const int params = ViewParamCounts[size_t(d.Kind)];
        for (const auto& row : d.Conditions)
            AppendRow(vc, main, [&] {
                for (int p = 0; p < params; ++p) vc.Fields(p)->SetAsFloat(row[size_t(p)]);
                std::string ignored;  // told once for the temperature points
                if (d.Kind == 4) PlacePoint(vc, row[0], ignored);
            });
    }
    PostIfEditing(main);
}

std::vector<std::string> CommentLines(TDatasetDatabase& db) {
    std::vector<std::string> lines;
    const std::string text = db.cdsMain.FieldByName("Rem")->AsString();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}
