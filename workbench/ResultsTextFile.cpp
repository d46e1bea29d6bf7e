#include "workbench/ResultsTextFile.h"

#include "engine/VC.h"
#include "platform/rtl/DateTimeFormat.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/RtlMath.h"
#include "workbench/ResultsDatabase.h"
#include "workbench/TextFileFormat.h"

std::vector<std::string> ResultsTextLines(TResultsDatabase& db) {
    TClientDataSet& run = db.cdsResults;
    TClientDataSet& seert = db.cdsSEERT;
    const size_t kind = ViewKindIndex(run.FieldByName("ViewIndex")->AsInteger());
    const int params = ViewParamCounts[kind];
    std::vector<std::string> lines = {
        "// Dataset Name:",
        run.FieldByName("DatasetName")->AsString(),
        "// Date and Time of Dataset Creation :",
        DateTimeToStr(run.FieldByName("DateTime")->AsDateTime()),
        "// Date and Time of Modeling :",
        DateTimeToStr(run.FieldByName("StartDateTime")->AsDateTime()),
        std::to_string(Round(run.FieldByName("NRF")->AsFloat())) + "   // Number of rays Traced",
        TextReal(run.FieldByName("Threshold")->AsFloat()) + "   // Radiance Threshold",
    };
    std::string header = "Wavelength_(um) VC_# ";
    for (int p = 0; p < params; ++p) header += std::string(ViewParamNames[kind][size_t(p)]) + " ";
    lines.push_back(header + "EEIso   EE    RT (K)");

    TDisableControlsGuard frozen(seert);
    for (seert.First(); !seert.Eof(); seert.Next()) {
        const auto value = [&](const std::string& name) {
            return FloatToStr(seert.FieldByName(name)->AsFloat());
        };
        std::string line = value("Wavelength") + " " + value("ivc");
        for (int p = 1; p <= params; ++p) line += " " + value("param" + std::to_string(p));
        lines.push_back(line + " " + value("EEiso") + " " + value("EE") + " " + value("RT"));
    }
    return lines;
}
