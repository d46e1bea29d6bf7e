#include "engine/CavityOutline.h"

#include <cmath>

#include "engine/EngineHost.h"
#include "engine/EngineTables.h"
#include "engine/TableWalk.h"
#include "platform/db/ClientDataSet.h"
#include "platform/rtl/FloatFormat.h"

bool ComputeProfileOutline(const TNodeReals& z, const TNodeReals& y, long n,
                           const std::string& datasetName, TProfileOutline& outline,
                           std::string& message) {
    message.clear();
    TProfileOutline& o = outline;
    o.ZMin = 1e99L;
    o.ZMax = -1e99L;
    o.YMax = -1;
    for (long i = 0; i <= n; ++i) {
        if (z[i] > o.ZMax) o.ZMax = z[i];
        if (z[i] < o.ZMin) o.ZMin = z[i];
        if (y[i] > o.YMax) o.YMax = y[i];
    }
    o.YMin = -o.YMax;
    o.YRange = o.YMax - o.YMin;
    o.ZRange = o.ZMax - o.ZMin;

    if (n > 1) {
        if (o.YRange == 0) {
            message = "Warning: zero range of Y in dataset " + datasetName;
            return false;
        }
        if (o.ZRange == 0) {
            message = "Warning: zero range of Z in dataset " + datasetName;
            return false;
        }
    }

    o.Xi[0] = 0;
    for (long i = 1; i <= n; ++i) {
        const Real dR = y[i] - y[i - 1];
        const Real dZ = z[i] - z[i - 1];
        const Real L = std::sqrt(dR * dR + dZ * dZ);
        if (L == 0) {
            message = "Two points (" + std::to_string(i - 1) + " and " + std::to_string(i) +
                      ") merge together  in dataset " + datasetName;
            return false;
        }
        o.Xi[i] = o.Xi[i - 1] + L;
    }
    const Real total = o.Xi[n];
    for (long i = 1; i <= n; ++i) o.Xi[i] /= total;
    return true;
}

bool ProfilePointAtXi(const TNodeReals& z, const TNodeReals& y, const TNodeReals& xi, long n,
                      Real at, Real& pz, Real& py, int32_t& surface) {
    bool found = false;
    for (long i = 0; i < n; ++i) {
        if (xi[i] <= at && at <= xi[i + 1]) {
            const Real f = (at - xi[i]) / (xi[i + 1] - xi[i]);
            pz = z[i] + (z[i + 1] - z[i]) * f;
            py = y[i] + (y[i + 1] - y[i]) * f;
            surface = static_cast<int32_t>(i + 1);
            found = true;
        }
    }
    return found;
}

bool ComputeOutline(const std::string& datasetName, std::string& message) {
    TSharedData& s = Shared;
    TProfileOutline outline;
    const bool ok =
        ComputeProfileOutline(s.NodeZ, s.NodeR, s.NodeCount, datasetName, outline, message);
    s.CavZMin = outline.ZMin;
    s.CavZMax = outline.ZMax;
    s.CavYMin = outline.YMin;
    s.CavYMax = outline.YMax;
    s.CavZRange = outline.ZRange;
    s.CavYRange = outline.YRange;
    if (ok) s.NodeXi = outline.Xi;
    return ok;
}

void ShowOutlineStatus() {
    const TSharedData& s = Shared;
    auto text = [](Real v) { return FloatToStrF(v, ffFixed, 9, 4); };
    IEngineHost& host = EngineHost();
    host.SetStatusText(0, "Cavity boundaries:     " + text(s.CavYMin) + "<=Y<=" + text(s.CavYMax) +
                              ",   " + text(s.CavZMin) + "<=Z<=" + text(s.CavZMax));
    host.SetStatusText(1, "Cavity length = " + text(s.CavZRange));
    host.SetStatusText(2, "Aperture radius = " + text(s.NodeR[s.NodeCount]));
}

bool LoadCavityOutline(std::string& message) {
    message.clear();
    TSharedData& s = Shared;
    const TDataSet* main = EngineTables.cdsMain;
    if (!IsOpen(main) || main->IsEmpty()) return false;
    const std::string name = main->FieldByName("DatasetName")->AsString();
    s.NodeZ[0] = main->FieldByName("Z0")->AsFloat();
    s.NodeR[0] = main->FieldByName("R0")->AsFloat();
    s.CavZMin = 1e99L;
    s.CavZMax = -1e99L;
    s.CavYMax = -1;

    TDataSet* cavity = EngineTables.cdsCavity;
    if (!IsOpen(cavity)) return false;
    if (cavity->IsEmpty()) {
        for (int panel = 0; panel <= 2; ++panel) EngineHost().SetStatusText(panel, "");
        return false;
    }
    if (cavity->RecNo() < 1) return false;
    s.NodeCount = CheckedCount(cavity->RecordCount(), 202);
    {
        TTableWalk walk(*cavity, true);
        const TField& z = *cavity->FieldByName("Z");
        const TField& r = *cavity->FieldByName("R");
        cavity->First();
        for (long i = 1; !cavity->Eof(); cavity->Next(), ++i) {
            s.NodeZ[i] = z.AsFloat();
            s.NodeR[i] = r.AsFloat();
        }
    }
    if (!ComputeOutline(name, message)) return false;
    ShowOutlineStatus();
    return true;
}

bool OutlinePointAtXi(Real xi, Real& z, Real& y, int32_t& surface) {
    const TSharedData& s = Shared;
    return ProfilePointAtXi(s.NodeZ, s.NodeR, s.NodeXi, s.NodeCount, xi, z, y, surface);
}

std::string XiOutsideMessage(Real xi) {
    return "No segment of the cavity generatrix contains Xi = " + FloatToStr(xi);
}

bool XiToPoint(Real xi, Real& z, Real& y, int32_t& surface, std::string& message) {
    if (!LoadCavityOutline(message) && !message.empty() && EngineHost().IsMainWindowActive())
        return false;
    message.clear();
    if (!OutlinePointAtXi(xi, z, y, surface)) {
        message = XiOutsideMessage(xi);
        return false;
    }
    return true;
}
