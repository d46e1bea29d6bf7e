#include "workbench/DatasetTextFile.h"

#include <climits>

#include "engine/Global.h"
#include "engine/VC.h"
#include "workbench/TextFileFormat.h"

namespace {

std::string Blanks(int n) { return std::string(size_t(n), ' '); }

}  // namespace

std::string DatasetFileBytes(const TDatasetText& d) {
    const int params = ViewParamCounts[size_t(d.Kind)];
    std::vector<std::string> lines;
    lines.push_back("   DatasetName:");
    lines.push_back(d.Name);
    lines.push_back(std::to_string(d.Surfaces.size()) + "   // Number of surfaces");
    lines.push_back(std::to_string(d.TempPoints.size()) +
                    "   // Number of points in tempereature distribution");
    lines.push_back(std::to_string(d.Wavelengths.size()) + "   // Number of wavelengths");
    lines.push_back(std::to_string(d.Kind) + "   // ViewIndex");
    lines.push_back(std::to_string(d.Conditions.size()) + "   // Number of viewing conditions");
    lines.push_back("   Cavity:");
    lines.push_back(Blanks(17) + "z" + Blanks(23) + "y" + Blanks(14) + "Emissivity" + Blanks(15) +
                    "Diffusity");
    lines.push_back(TextReal(d.Z0) + " " + TextReal(d.Y0));
    for (const auto& s : d.Surfaces)
        lines.push_back(TextReal(s.Z) + " " + TextReal(s.Y) + " " + TextReal(s.Emissivity) + " " +
                        TextReal(s.Diffusity));
    lines.push_back("   Wavelengths in \u00B5m:");
    for (double w : d.Wavelengths) lines.push_back(TextReal(w));
    lines.push_back(TextReal(d.Tref) + "    // Reference temperature (K)");
    lines.push_back(TextReal(d.Tbg) + "    // Background temperature (K)");
    lines.push_back("   Temperature distribution:");
    lines.push_back(Blanks(17) + "Xi" + Blanks(22) + "Z" + Blanks(23) + "Y" + Blanks(6) +
                    "Surface #" + Blanks(15) + "T (K)");
    for (const auto& p : d.TempPoints)
        lines.push_back(TextReal(p.Xi) + " " + TextReal(p.Z) + " " + TextReal(p.Y) + " " +
                        PadLeft(std::to_string(p.Surface), 8) + " " + TextReal(p.T));
    lines.push_back(std::string("   Viewing conditions: ") + ViewKindNames[size_t(d.Kind)]);
    std::string header = "     #" + Blanks(18);
    for (int p = 0; p < params; ++p)
        header += std::string(ViewParamNames[size_t(d.Kind)][size_t(p)]) + Blanks(21);
    lines.push_back(header);
    for (size_t r = 0; r < d.Conditions.size(); ++r) {
        std::string line = "   " + PadLeft(std::to_string(r + 1), 3);
        for (int p = 0; p < params; ++p) line += " " + TextReal(d.Conditions[r][size_t(p)]);
        lines.push_back(line);
    }
    lines.push_back(TextReal(d.NRF) + "   // Number of tays traced");
    lines.push_back(TextReal(d.Threshold) + "   // Radiance threshold");
    lines.push_back("   Comments:");
    for (const std::string& c : d.Comments) lines.push_back(c);
    return TextFileBytes(lines);
}

bool ReadDatasetFile(const std::string& bytes, TDatasetText& dataset, std::string& message) {
    message.clear();
    TTextReader in(bytes);
    TDatasetText d;
    // Each step reads its values and then skips to the next line.
    auto reals = [&](std::initializer_list<double*> values) {
        for (double* v : values)
            if (!in.ReadDouble(*v)) return false;
        in.SkipLine();
        return true;
    };
    auto count = [&](long& v, long max, long min = 0) {
        if (!in.ReadInt(v, min, max)) return false;
        in.SkipLine();
        return true;
    };
    auto fail = [&] {
        message = "Error reading file";
        return false;
    };

    in.SkipLine();
    d.Name = in.ReadLine();
    long n = 0, m = 0, k = 0, kind = 0, v = 0;
    if (!count(n, MaxFileSurfaces) || !count(m, MaxFileTempPoints) ||
        !count(k, MaxFileWavelengths) || !count(kind, ViewKindCount - 1) ||
        !count(v, MaxFileConditions, 1))
        return fail();
    d.Kind = int(kind);
    in.SkipLine();
    in.SkipLine();
    if (!reals({&d.Z0, &d.Y0})) return fail();
    d.Surfaces.resize(size_t(n));
    for (auto& s : d.Surfaces)
        if (!reals({&s.Z, &s.Y, &s.Emissivity, &s.Diffusity})) return fail();
    in.SkipLine();
    d.Wavelengths.resize(size_t(k));
    for (double& w : d.Wavelengths)
        if (!reals({&w})) return fail();
    if (!reals({&d.Tref}) || !reals({&d.Tbg})) return fail();
    in.SkipLine();
    in.SkipLine();
    d.TempPoints.resize(size_t(m));
    for (auto& p : d.TempPoints) {
        double surface = 0;
        if (!reals({&p.Xi, &p.Z, &p.Y, &surface, &p.T})) return fail();
        // The column is read but not used (the surface follows from Xi); a value no surface
        // number can be (not a number, beyond the integers) marks a damaged file.
        if (!(surface > double(INT_MIN) - 1 && surface < double(INT_MAX) + 1)) return fail();
        p.Surface = int(surface);
    }
    in.SkipLine();
    in.SkipLine();
    // Rows are read until one numbered at least v (v is at least 1): a file without a valid first
    // row (an empty or cut short one) is no dataset. A row beyond v is read and dropped.
    std::vector<std::array<double, 3>> rows(MaxFileConditions);
    const int params = ViewParamCounts[size_t(kind)];
    long r = 0;
    do {
        if (!in.ReadInt(r, 1, MaxFileConditions)) return fail();
        for (int p = 0; p < params; ++p)
            if (!in.ReadDouble(rows[size_t(r - 1)][size_t(p)])) return fail();
        in.SkipLine();
    } while (r < v);
    d.Conditions.assign(rows.begin(), rows.begin() + v);
    if (!reals({&d.NRF}) || !reals({&d.Threshold})) return fail();
    in.SkipLine();
    while (!in.Eof()) d.Comments.push_back(in.ReadLine());
    dataset = std::move(d);
    return true;
}

TDatasetText DatasetTextFromShared(const std::vector<std::string>& comments) {
    const TSharedData& s = Shared;
    TDatasetText d;
    d.Name = s.CurDatasetName;
    d.Kind = s.CurViewIndex;
    d.Z0 = double(s.NodeZ[0]);
    d.Y0 = double(s.NodeR[0]);
    for (int i = 1; i <= s.NodeCount; ++i)
        d.Surfaces.push_back({double(s.NodeZ[i]), double(s.NodeR[i]), double(s.SurfEmissivity[i]),
                              double(s.SurfDiffusity[i])});
    for (int i = 1; i <= s.WavelengthCount; ++i)
        d.Wavelengths.push_back(double(s.CurWavelengths[i]));
    d.Tref = double(s.CurTref);
    d.Tbg = double(s.CurTbg);
    for (int i = 1; i <= s.TempPointCount; ++i)
        d.TempPoints.push_back({double(s.TempPointXi[i]), double(s.TempPointZ[i]),
                                double(s.TempPointR[i]), int(s.TempPointSurf[i]),
                                double(s.TempPointT[i])});
    const int params = ViewParamCounts[s.CurViewIndex];
    for (int r = 1; r <= s.VCCount; ++r) {
        std::array<double, 3> row{};
        for (int p = 1; p <= params; ++p) row[size_t(p - 1)] = double(s.VCParams[p][r]);
        d.Conditions.push_back(row);
    }
    d.NRF = double(s.CurNRF);
    d.Threshold = double(s.CurThreshold);
    d.Comments = comments;
    return d;
}
