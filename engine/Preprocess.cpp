#include "engine/Preprocess.h"

#include <cmath>

#include "engine/Global.h"
#include "platform/rtl/RtlMath.h"

bool PreprocessGeometry(std::string& message) {
    message.clear();
    TSharedData& s = Shared;
    const long n = s.NodeCount;

    // The aperture disk closes the profile from the last node down to the axis.
    s.NodeZ[n + 1] = s.NodeZ[n];
    s.NodeR[n + 1] = 0;

    s.SurfKind[0] = 0;
    s.SurfZ0[0] = 0;
    s.SurfSlope2[0] = 0;

    for (long i = 1; i <= n + 1; ++i) {
        const Real dR = s.NodeR[i] - s.NodeR[i - 1];
        const Real dZ = s.NodeZ[i] - s.NodeZ[i - 1];
        const Real L = std::sqrt(dR * dR + dZ * dZ);
        s.SurfLength[i] = L;
        if (L == 0) {
            message = "Two points (" + std::to_string(i - 1) + " and " + std::to_string(i) +
                      ") merge together";
            return false;
        }
        // Only exact zeros make a cylinder or a disk; nearly parallel segments stay cones.
        uint8_t kind = SurfCone;
        if (dR == 0) kind = SurfCylinder;
        if (dZ == 0) kind = SurfDisk;
        s.SurfKind[i] = kind;

        switch (kind) {
            case SurfCone:
                s.SurfSign[i] = static_cast<int8_t>(-Sign(dZ));
                s.SurfZ0[i] = s.NodeZ[i] - s.NodeR[i] * dZ / dR;  // the apex
                s.SurfNormalZ[i] = dR / L;
                s.SurfRadialCos[i] = std::fabs(dZ) / L;
                s.SurfSlope[i] = dR / dZ;
                s.SurfSlope2[i] = s.SurfSlope[i] * s.SurfSlope[i];
                break;
            case SurfCylinder:
                s.SurfSign[i] = static_cast<int8_t>(-Sign(dZ));
                s.SurfZ0[i] = -1e99L;
                s.SurfNormalZ[i] = 0;
                s.SurfRadialCos[i] = 1;
                s.SurfSlope[i] = 0;
                s.SurfSlope2[i] = 0;
                break;
            default:  // disk
                s.SurfSign[i] = static_cast<int8_t>(-Sign(dR));
                s.SurfNormalX[i] = 0;
                s.SurfNormalY[i] = 0;
                s.SurfZ0[i] = s.NodeZ[i - 1];
                s.SurfNormalZ[i] = Sign(dR);
                s.SurfRadialCos[i] = 0;
                s.SurfSlope[i] = 1e99L;
                s.SurfSlope2[i] = 1e99L;
                break;
        }
    }
    return true;
}
