#include "engine/Loaders.h"

#include "engine/EngineHost.h"
#include "engine/EngineTables.h"
#include "engine/Global.h"
#include "engine/TableWalk.h"
#include "engine/VC.h"
#include "platform/db/ClientDataSet.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StrUtils.h"

void PostIfEditing(TDataSet& table) {
    if (table.State() == dsEdit || table.State() == dsInsert) table.Post();
}

// --- Clearing -------------------------------------------------------------------------------

void ClearRunParameters() {
    TSharedData& s = Shared;
    s.CurDatasetName.clear();
    s.CurNRF = s.CurThreshold = s.CurTref = s.CurTbg = 0;
    s.CurViewIndex = 0;
    // The totals (k = 0) of the last run stay until a run overwrites them.
    for (long v = 1; v <= 201; ++v)
        for (long h = 0; h <= 1; ++h)
            for (long k = 1; k <= 201; ++k) s.EEResults[v][h][k] = s.RTResults[v][h][k] = 0;
}

void ClearGeometry() {
    TSharedData& s = Shared;
    for (long i = 0; i <= 202; ++i)
        s.NodeZ[i] = s.NodeR[i] = s.SurfEmissivity[i] = s.SurfDiffusity[i] = 0;
}

void ClearTempPoints() {
    TSharedData& s = Shared;
    for (long i = 1; i <= 101; ++i) {
        s.TempPointXi[i] = s.TempPointZ[i] = s.TempPointR[i] = s.TempPointT[i] = 0;
        s.TempPointSurf[i] = 1;
    }
}

void ClearWavelengths() {
    for (long k = 0; k <= 201; ++k) Shared.CurWavelengths[k] = 0;
}

void ClearVCParams() {
    TSharedData& s = Shared;
    const long params = ViewParamCounts.at(s.CurViewIndex);
    for (long p = 1; p <= params; ++p)
        for (long v = 1; v <= 201; ++v) s.VCParams[p][v] = 0;
}

void ClearSharedData() {
    ClearRunParameters();
    ClearGeometry();
    ClearTempPoints();
    ClearWavelengths();
    ClearVCParams();
}

// --- Loaders --------------------------------------------------------------------------------

namespace {

const TField& Field(const TDataSet& table, const char* name) { return *table.FieldByName(name); }

// The dataset's name, or false with `blankMessage` when it is blank.
bool LoadName(const TDataSet& main, const char* blankMessage, std::string& message) {
    Shared.CurDatasetName = Field(main, "DatasetName").AsString();
    if (Trim(Shared.CurDatasetName).empty()) {
        message = blankMessage;
        return false;
    }
    return true;
}

// The kind of viewing condition; only the five kinds exist.
bool LoadViewIndex(const TDataSet& main, std::string& message) {
    const int32_t kind = Field(main, "ViewIndex").AsInteger();
    if (kind < 0 || kind >= ViewKindCount) {
        message = "Invalid kind of viewing condition (" + IntToStr(kind) + ")";
        return false;
    }
    Shared.CurViewIndex = static_cast<uint8_t>(kind);
    return true;
}

bool Blank(const TField& field) { return Trim(field.AsString()).empty(); }

// The surface number of a temperature point: 1..202, the range error otherwise.
uint8_t SurfaceNumber(const TField& field) {
    const int32_t isf = field.AsInteger();
    if (isf < 1 || isf > 202) RaiseRangeError();
    return static_cast<uint8_t>(isf);
}

// The position fields of the temperature table.
struct TTempPointFields {
    explicit TTempPointFields(const TDataSet& table)
        : Xi(Field(table, "Xi")),
          Z(Field(table, "Z")),
          R(Field(table, "R")),
          Isf(Field(table, "isf")) {}
    // Xi, Z, R and isf of the current row into point i.
    void Read(long i) const {
        TSharedData& s = Shared;
        s.TempPointXi[i] = Xi.AsFloat();
        s.TempPointZ[i] = Z.AsFloat();
        s.TempPointR[i] = R.AsFloat();
        s.TempPointSurf[i] = SurfaceNumber(Isf);
    }
    const TField &Xi, &Z, &R, &Isf;
};

}  // namespace

bool LoadDataset(std::string& message) {
    return LoadMainFields(message) && LoadCavity(message) && LoadTemperatures(message) &&
           LoadWavelengths(message) && LoadViewingConditions(message);
}

bool LoadMainFields(std::string& message) {
    message.clear();
    ClearRunParameters();
    TSharedData& s = Shared;
    const TDataSet* main = EngineTables.cdsMain;
    if (!IsOpen(main)) return false;
    if (!LoadName(*main, "Dataset Name cannot be blanck", message)) return false;
    s.CurDateTime = Field(*main, "DateTime").AsDateTime();
    s.CurTref = Field(*main, "Tref").AsFloat();
    if (!(s.CurTref > 0)) {
        message = "Invalid Value for Reference Temperature ";
        return false;
    }
    s.CurTbg = Field(*main, "Tbg").AsFloat();
    if (s.CurTbg < 0) {
        message = "Negative Value for Background Temperature";
        return false;
    }
    const TField& nrf = Field(*main, "NRF");
    s.CurNRF = nrf.AsFloat();
    if (!(s.CurNRF > 0)) {
        message = "Invalid Value for Number of Rays (" + nrf.AsString() + ")";
        return false;
    }
    const TField& threshold = Field(*main, "Threshold");
    s.CurThreshold = threshold.AsFloat();
    if (s.CurThreshold < 0) {
        message = "Invalid Value for Flux Threshold (" + threshold.AsString() + ")";
        return false;
    }
    return LoadViewIndex(*main, message);
}

bool LoadNameAndViewIndex(std::string& message) {
    message.clear();
    ClearRunParameters();
    const TDataSet* main = EngineTables.cdsMain;
    if (!IsOpen(main)) return false;
    return LoadName(*main, "Dataset Name cannot be blank", message) &&
           LoadViewIndex(*main, message);
}

bool LoadCavity(std::string& message) {
    message.clear();
    ClearGeometry();
    TSharedData& s = Shared;
    const TDataSet* main = EngineTables.cdsMain;
    if (!IsOpen(main)) return false;
    s.NodeZ[0] = Field(*main, "Z0").AsFloat();
    s.NodeR[0] = Field(*main, "R0").AsFloat();

    TDataSet* cavity = EngineTables.cdsCavity;
    if (!IsOpen(cavity)) return false;
    s.NodeCount = CheckedCount(cavity->RecordCount(), 202);
    if (s.NodeCount == 0) {
        message = "Dataset '" + s.CurDatasetName +
                  "':\rInsufficient number of nodes in cavity generatrix (" +
                  IntToStr(s.NodeCount) + ")";
        EngineHost().SetStatusText(0, "");
        EngineHost().SetStatusText(1, "");
        return false;
    }

    TTableWalk walk(*cavity, true);
    const TField& z = Field(*cavity, "Z");
    const TField& r = Field(*cavity, "R");
    const TField& emissivity = Field(*cavity, "Emissivity");
    const TField& diffusity = Field(*cavity, "Diffusity");
    cavity->First();
    for (long i = 1; !cavity->Eof(); cavity->Next(), ++i) {
        s.NodeZ[i] = z.AsFloat();
        s.NodeR[i] = r.AsFloat();
        // Emissivity before diffusity and row after row: the first missing value is named.
        if (Blank(emissivity)) {
            message = "Emissivity for surface # " + IntToStr(i) + " is not specified";
            return false;
        }
        if (Blank(diffusity)) {
            message = "Diffusity for surface # " + IntToStr(i) + " is not specified";
            return false;
        }
        s.SurfEmissivity[i] = emissivity.AsFloat();
        s.SurfReflectivity[i] = 1 - s.SurfEmissivity[i];
        s.SurfDiffusity[i] = diffusity.AsFloat();
    }
    return true;
}

bool LoadTemperatures(std::string& message) {
    message.clear();
    ClearTempPoints();
    TSharedData& s = Shared;
    TDataSet* table = EngineTables.cdsTemperatures;
    s.TempPointCount = 0;
    if (!IsOpen(table)) return true;  // no table holds no points: an isothermal cavity
    s.TempPointCount = CheckedCount(table->RecordCount(), 101);

    TTableWalk walk(*table, true);
    const TTempPointFields position(*table);
    const TField& t = Field(*table, "T");
    table->First();
    for (long i = 1; !table->Eof(); table->Next(), ++i) {
        position.Read(i);
        s.TempPointT[i] = t.AsFloat();
        if (!(s.TempPointT[i] > 0)) {
            message = "Invalid Temperature Value for Temperature in point # " + IntToStr(i);
            return false;
        }
    }
    return true;
}

bool LoadTempPointPositions(std::string& message) {
    message.clear();
    TDataSet* table = EngineTables.cdsTemperatures;
    if (!IsOpen(table) || table->IsEmpty() || table->RecNo() < 1) return false;
    Shared.TempPointCount = CheckedCount(table->RecordCount(), 101);
    TTableWalk walk(*table, true);
    const TTempPointFields position(*table);
    table->First();
    for (long i = 1; !table->Eof(); table->Next(), ++i) position.Read(i);
    return true;
}

bool LoadWavelengths(std::string& message) {
    message.clear();
    ClearWavelengths();
    TSharedData& s = Shared;
    TDataSet* table = EngineTables.cdsWavelengths;
    s.WavelengthCount = IsOpen(table) ? CheckedCount(table->RecordCount(), 201) : 0;
    if (s.WavelengthCount == 0) {
        message = "Wavelengths are not specified\rAt least one wavelength is needed";
        return false;
    }
    // The table is left where the reading stopped.
    TTableWalk walk(*table, false);
    const TField& wavelength = Field(*table, "Wavelength");
    table->First();
    for (long i = 1; !table->Eof(); table->Next(), ++i) {
        s.CurWavelengths[i] = wavelength.AsFloat();
        if (s.CurWavelengths[i] < 0.01L || s.CurWavelengths[i] > 1000) {
            message = "Invalid Value for Wavelength # " + IntToStr(i) +
                      "\rWavelength must be from " + FloatToStr(0.01) + " \xC2\xB5m to " +
                      FloatToStr(1000) + " \xC2\xB5m";
            return false;
        }
    }
    return true;
}

bool LoadViewingConditions(std::string& message) {
    message.clear();
    TSharedData& s = Shared;
    const long kind = s.CurViewIndex;
    TDataSet* table = EngineTables.VCDataSets.at(kind);
    s.VCCount = IsOpen(table) ? CheckedCount(table->RecordCount(), 201) : 0;
    if (s.VCCount == 0) {
        message = "No Viewing Conditions are Specified";
        return false;
    }
    // Wall points are checked against this dataset's own surfaces, whatever was loaded before
    // (the targeting view loads no cavity at all).
    const TDataSet* cavity = EngineTables.cdsCavity;
    const long surfaces = IsOpen(cavity) ? cavity->RecordCount() : 0;
    // The table is left where the reading stopped.
    TTableWalk walk(*table, false);
    const long fields = table->FieldCount();
    table->First();
    for (long v = 1; !table->Eof(); table->Next(), ++v) {
        for (long p = 1; p <= fields; ++p) s.VCParams[p][v] = table->Fields(p - 1)->AsFloat();
        // A wall point must lie on one of the generatrix's surfaces.
        if (kind == 4 && !(s.VCParams[4][v] >= 1 && s.VCParams[4][v] <= surfaces)) {
            message = "Invalid surface number in viewing condition # " + IntToStr(v);
            return false;
        }
    }
    return true;
}
