#include "engine/CavityOutline.h"

#include <cmath>

#include "engine/EngineHost.h"
#include "engine/EngineTables.h"
#include "engine/TableWalk.h"
#include "platform/db/ClientDataSet.h"
#include "platform/rtl/FloatFormat.h"

bool ComputeOutline(const std::string& datasetName, std::string& message) {
    message.clear();
    TSharedData& s = Shared;
    const long n = s.NodeCount;

    s.CavZMin = 1e99L;
    s.CavZMax = -1e99L;
    s.CavYMax = -1;
    for (long i = 0; i <= n; ++i) {
        if (s.NodeZ[i] > s.CavZMax) s.CavZMax = s.NodeZ[i];
        if (s.NodeZ[i] < s.CavZMin) s.CavZMin = s.NodeZ[i];
        if (s.NodeR[i] > s.CavYMax) s.CavYMax = s.NodeR[i];
    }
    s.CavYMin = -s.CavYMax;
    s.CavYRange = s.CavYMax - s.CavYMin;
    s.CavZRange = s.CavZMax - s.CavZMin;

    if (n > 1) {
        if (s.CavYRange == 0) {
            message = "Warning: zero range of Y in dataset " + datasetName;
            return false;
        }
        if (s.CavZRange == 0) {
            message = "Warning: zero range of Z in dataset " + datasetName;
            return false;
        }
    }

    s.NodeXi[0] = 0;
    for (long i = 1; i <= n; ++i) {
        const Real dR = s.NodeR[i] - s.NodeR[i - 1];
        const Real dZ = s.NodeZ[i] - s.NodeZ[i - 1];
        const Real L = std::sqrt(dR * dR + dZ * dZ);
        if (L == 0) {
            message = "Two points (" + std::to_string(i - 1) + " and " + std::to_string(i) +
                      ") merge together  in dataset " + datasetName;
            return false;
        }
        s.NodeXi[i] = s.NodeXi[i - 1] + L;
    }
    const Real total = s.NodeXi[n];
    for (long i = 1; i <= n; ++i) s.NodeXi[i] /= total;
    return true;
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
    bool found = false;
    for (long i = 0; i < s.NodeCount; ++i) {
        if (s.NodeXi[i] <= xi && xi <= s.NodeXi[i + 1]) {
            const Real f = (xi - s.NodeXi[i]) / (s.NodeXi[i + 1] - s.NodeXi[i]);
            z = s.NodeZ[i] + (s.NodeZ[i + 1] - s.NodeZ[i]) * f;
            y = s.NodeR[i] + (s.NodeR[i + 1] - s.NodeR[i]) * f;
            surface = static_cast<int32_t>(i + 1);
            found = true;
        }
    }
    return found;
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
