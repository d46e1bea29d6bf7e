#include "tests/support/CavityFixture.h"

#include <cmath>

#include "platform/db/DataSet.h"

TCavity DiffuseCylinder() { return {{{0, 0}, {0, 1}, {4, 1}, {4, 0.5L}}, 0.8L, 1}; }

TCavity ConeBottom() { return {{{0, 0}, {1, 1}, {5, 1}, {5, 0.5L}}, 0.7L, 0.3L}; }

TCavity Sphere100() { return {SphereNodes(100, 150), 0.5L, 1}; }

std::vector<TNode> SphereNodes(int segments, Real rimDegrees) {
    std::vector<TNode> nodes;
    const Real thetaMax = rimDegrees * Pi / 180;
    for (int i = 0; i <= segments; ++i) {
        const Real theta = thetaMax * i / segments;
        nodes.push_back({1 - std::cos(theta), std::sin(theta)});
    }
    return nodes;
}

void FillGeneratrix(const std::vector<TNode>& nodes, Real emissivity, Real diffusity) {
    TSharedData& s = Shared;
    s.NodeCount = static_cast<uint8_t>(nodes.size() - 1);
    for (size_t i = 0; i < nodes.size(); ++i) {
        s.NodeZ[i] = nodes[i].z;
        s.NodeR[i] = nodes[i].r;
        s.SurfEmissivity[i] = emissivity;
        s.SurfReflectivity[i] = 1 - emissivity;
        s.SurfDiffusity[i] = diffusity;
    }
}

void FillTempPoints(const std::vector<std::pair<Real, Real>>& points) {
    TSharedData& s = Shared;
    s.TempPointCount = static_cast<uint8_t>(points.size());
    for (size_t i = 0; i < points.size(); ++i) {
        s.TempPointXi[i + 1] = points[i].first;
        s.TempPointT[i + 1] = points[i].second;
    }
}

void FillWavelengths(const std::vector<Real>& lambdas) {
    Shared.WavelengthCount = static_cast<uint8_t>(lambdas.size());
    for (size_t k = 0; k < lambdas.size(); ++k) Shared.CurWavelengths[k + 1] = lambdas[k];
}

void FillConditions(uint8_t kind, const std::vector<std::vector<Real>>& rows) {
    Shared.CurViewIndex = kind;
    Shared.VCCount = static_cast<uint8_t>(rows.size());
    for (size_t v = 0; v < rows.size(); ++v)
        for (size_t p = 0; p < rows[v].size(); ++p) Shared.VCParams[p + 1][v + 1] = rows[v][p];
}

void FillReferenceRun(const TCavity& cavity, int wavelengths, bool isothermal, Real rays) {
    ResetSharedData();
    TSharedData& s = Shared;
    s.CurDatasetName = "reference";
    FillGeneratrix(cavity.Nodes, cavity.Emissivity, cavity.Diffusity);
    if (isothermal)
        FillTempPoints({});
    else
        FillTempPoints({{0, 1000}, {1, 900}});
    std::vector<Real> lambdas;
    for (int k = 0; k < wavelengths; ++k) lambdas.push_back(0.5L + 0.1L * k);
    FillWavelengths(lambdas);
    s.CurTref = 1000;
    s.CurTbg = 300;
    s.CurNRF = rays;
    FillConditions(0, {{0, 0.4L}});
}

void AppendCavityRows(TDataSet& cavity, const std::vector<TCavityRow>& rows) {
    const auto set = [&cavity](const char* name, std::optional<double> value) {
        if (value)
            cavity.FieldByName(name)->SetAsFloat(*value);
        else
            cavity.FieldByName(name)->Clear();
    };
    for (const TCavityRow& row : rows) {
        const double key = cavity.RecordCount() + 1.0;
        cavity.Append();
        set("D", key);
        set("Z", row.z);
        set("R", row.r);
        set("Emissivity", row.emissivity);
        set("Diffusity", row.diffusity);
        cavity.Post();
    }
}
