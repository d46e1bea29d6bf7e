#include "workbench/Report.h"

#include "engine/CavityOutline.h"
#include "engine/VC.h"
#include "platform/rtl/DateTimeFormat.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/StringList.h"
#include "workbench/StoredRun.h"
#include "workbench/TextFileFormat.h"

namespace {

std::string F(const char* format, long double value) { return FormatBlankZeros(format, value); }

const std::string DashRule(120, '-');

// Stops the report: the reason becomes its last line.
struct TReportFailure {
    std::string Reason;
};

// Places points by their relative length Xi on the run's own generatrix. The outline is laid
// out on the first request, so that a run with nothing to place reports no fault of its
// generatrix.
class TRunProfile {
public:
    explicit TRunProfile(const TStoredRun& run) : FRun(run) {}

    void Place(Real xi, Real& z, Real& y, int32_t& surface) {
        if (!FLaidOut) {
            std::string message;
            if (!ComputeProfileOutline(FRun.NodeZ, FRun.NodeR, FRun.NodeCount, FRun.DatasetName,
                                       FOutline, message))
                throw TReportFailure{message};
            FLaidOut = true;
        }
        if (!ProfilePointAtXi(FRun.NodeZ, FRun.NodeR, FOutline.Xi, FRun.NodeCount, xi, z, y,
                              surface))
            throw TReportFailure{XiOutsideMessage(xi)};
    }

private:
    const TStoredRun& FRun;
    TProfileOutline FOutline;
    bool FLaidOut = false;
};

class TReportBuilder {
public:
    TReportBuilder(const TStoredRun& run, std::vector<std::string>& lines)
        : FRun(run), FLines(lines), FProfile(run), FKind(size_t(run.ViewIndex)) {}

    void Build(const std::string& programTitle);

private:
    void Add(std::string line) { FLines.push_back(std::move(line)); }
    void Cavity();
    void Temperatures();
    void ViewingConditions();
    void Comments();
    void Results();
    void ConditionResults(int v);
    // The saved results must hold the rows read (a run whose saving failed part-way does not).
    void RequireResults(size_t rows) const;
    const TStoredResult& Result(int k, int v) const {
        return FRun.Results[size_t(k) * size_t(FRun.VCCount) + size_t(v - 1)];
    }
    int ParamCount() const { return ViewParamCounts[FKind]; }

    const TStoredRun& FRun;
    std::vector<std::string>& FLines;
    TRunProfile FProfile;
    size_t FKind;
};

void TReportBuilder::Build(const std::string& programTitle) {
    Add("============= " + UpperCase(programTitle) +
        " ============= TALVOR INTERNATIONAL, LLC =============" + std::string(55, '='));
    Add("");
    Add("Dataset name: " + FRun.DatasetName);
    Add("          Created: " + DateTimeToStr(FRun.DateTime));
    Add("Start of Modeling: " + DateTimeToStr(FRun.StartDateTime));
    Add("  End of Modeling: " + DateTimeToStr(FRun.FinishDateTime));
    Add("");
    Cavity();
    Add("");
    Add("T ref (K) = " + F("0000.0000", FRun.Tref) + "   T bg (K) = " + F("0000.0000", FRun.Tbg));
    Add("");
    Temperatures();
    Add("");
    ViewingConditions();
    Add("");
    Comments();
    Add("");
    Add("Number of rays traced: " + std::to_string(Round(FRun.NRF)));
    Add("       Flux Threshold: " + F("0.000000000", FRun.Threshold));
    Add("");
    Add(DashRule);
    Add("");
    Results();
    Add("");
    Add(DashRule);
    Add("");
}

void TReportBuilder::Cavity() {
    const long n = FRun.NodeCount;
    Add("Cavity (" + std::to_string(n + 1) + " points, " + std::to_string(n) + " surfaces):");
    Add("     z            y         Emissivity  Diffusity");
    // Without its start node the profile of the run is not known, and neither is any point on it.
    if (!FRun.HasStartNode)
        throw TReportFailure{"The start node of the generatrix is not stored with this run"};
    Add(F("00000.000000", FRun.NodeZ[0]) + " " + F("00000.000000", FRun.NodeR[0]));
    for (long i = 1; i <= n; ++i)
        Add(F("00000.000000", FRun.NodeZ[i]) + " " + F("00000.000000", FRun.NodeR[i]) +
            std::string(5, ' ') + F("0.0000", FRun.Emissivity[i]) + std::string(6, ' ') +
            F("0.0000", FRun.Diffusity[i]));
}

void TReportBuilder::Temperatures() {
    Add(" xi          z             y        Surface #  T (K)");
    for (long i = 1; i <= FRun.TempPointCount; ++i) {
        Real z = 0, y = 0;
        int32_t surface = 0;
        FProfile.Place(FRun.TempPointXi[i], z, y, surface);
        Add(F("0.000000", FRun.TempPointXi[i]) + " " + F("00000.000000", z) + " " +
            F("00000.000000", y) + std::string(4, ' ') + PadInt(3, surface) + std::string(6, ' ') +
            F("0000.0000", FRun.TempPointT[i]));
    }
}

void TReportBuilder::ViewingConditions() {
    const int nv = FRun.VCCount;
    Add("Viewing conditions (" + std::to_string(nv) + ") for " + ViewKindNames[FKind] + ":");
    std::string header(6, ' ');
    for (int p = 0; p < ParamCount(); ++p)
        header += std::string(ViewParamNames[FKind][size_t(p)]) + std::string(11, ' ');
    Add(header);
    // The parameters are those of the total's rows, the first block.
    RequireResults(size_t(nv));
    for (int v = 1; v <= nv; ++v) {
        std::string line;
        for (int p = 0; p < ParamCount(); ++p)
            line += " " + F("00000.000000", Result(0, v).Params[size_t(p)]);
        Add(line);
    }
}

void TReportBuilder::Comments() {
    Add(DashRule);
    Add("Comments:");
    TStringList comments;
    comments.SetText(FRun.Comments);
    for (int i = 0; i < comments.Count(); ++i) Add(comments[i]);
    Add(DashRule);
}

void TReportBuilder::Results() {
    Add("RESULTS FOR " + UpperCase(ViewKindNames[FKind]) + " AND RADIOMETRIC TEMPERATURES");
    RequireResults(size_t(FRun.WavelengthCount + 1) * size_t(FRun.VCCount));
    for (int v = 1; v <= FRun.VCCount; ++v) ConditionResults(v);
}

void TReportBuilder::ConditionResults(int v) {
    const int nv = FRun.VCCount, nw = FRun.WavelengthCount;
    Add("");
    std::string title =
        "*** Viewing Conditions " + std::to_string(v) + " of " + std::to_string(nv) + ": ";
    if (FKind == 4) {
        const Real xi = Result(0, v).Params[0];
        Real z = 0, y = 0;
        int32_t surface = 0;
        FProfile.Place(xi, z, y, surface);
        title +=
            "Xi = " + FormatFloat("0.0#####", xi) + "   z = " + FormatFloat("####0.0#####", z) +
            "   y = " + FormatFloat("####0.0#####", y) + "   Surface # " + std::to_string(surface);
    } else {
        for (int p = 0; p < ParamCount(); ++p)
            title += std::string(ViewParamNames[FKind][size_t(p)]) + " = " +
                     FormatFloat("####0.0#####", Result(0, v).Params[size_t(p)]) + "   ";
    }
    Add(title);
    Add("");
    const TStoredResult& total = Result(0, v);
    Add("   Total Effective Emissivity of Isothermal Cavity = " + F("0.00000000", total.EEiso));
    Add("Total Effective Emissivity of Nonisothermal Cavity = " + F("0.00000000", total.EE));
    Add("     Radiation Temperature of Nonisothermal Cavity = " +
        FormatFloat("####0.0##", total.RT) + " K");
    Add("");
    Add("Spectral Effective Emissivities (SEE) and Radiance Temperatures (RT) for " +
        std::to_string(nw) + " wavelength" + (nw == 1 ? ":" : "s:"));
    Add("");
    Add("Wavelength (\u00B5m)      SEEiso  SEEnoniso    RT (K)");
    for (int k = 1; k <= nw; ++k) {
        const TStoredResult& r = Result(k, v);
        Add(std::string(6, ' ') + F("0000.0000", r.Wavelength) + std::string(2, ' ') +
            F("0.00000000", r.EEiso) + " " + F("0.00000000", r.EE) + " " + F("0000.000", r.RT));
    }
}

void TReportBuilder::RequireResults(size_t rows) const {
    if (FRun.Results.size() < rows)
        throw TReportFailure{
            "The results of this run are incomplete: " + std::to_string(FRun.Results.size()) +
            " of " + std::to_string(size_t(FRun.WavelengthCount + 1) * size_t(FRun.VCCount)) +
            " rows are stored"};
}

}  // namespace

TReport BuildReport(const TStoredRun& run, const std::string& programTitle) {
    TReport report;
    try {
        TReportBuilder(run, report.Lines).Build(programTitle);
    } catch (const TReportFailure& failure) {
        report.Failure = failure.Reason;
        report.Lines.push_back("REPORT GENERATION FAILED: " + failure.Reason);
    }
    return report;
}
