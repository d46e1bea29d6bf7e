#pragma once
// The engine's shared data area: everything the engine knows about the loaded dataset and the
// results of the last run lives in one process-wide instance, `Shared`. The loaders fill it,
// preprocessing derives the surfaces and the run loop writes the results; while rays are traced
// it is only read. The ray being traced lives in `Ray`, one per thread. Reals are 80-bit extended;
// every array has the declared bounds and raises ERangeError outside them, which is how several
// limits of a dataset (202 nodes, 101 temperature points, 201 wavelengths and viewing conditions)
// hold.
#include <cstdint>
#include <string>

#include "platform/rtl/CheckedArray.h"
#include "platform/rtl/Exceptions.h"

using Real = long double;

// An engine failure that ends a run with its message (for example a zero vector met while
// tracing); the run shows the message and saves nothing.
KV_EXCEPTION_CLASS(EEngineError, Exception)

using TNodeReals = TCheckedArray<Real, 0, 202>;
using TTempReals = TCheckedArray<Real, 1, 101>;
using TSpectrum = TCheckedArray<Real, 0, 201>;
using TVCResults = TCheckedArray<TCheckedArray<TSpectrum, 0, 1>, 1, 201>;

inline constexpr const char* DefaultTitle = "KAVRI320";

using TRayLauncher = void (*)();

struct TSharedData {
    // Generatrix: node 0 is the start node, nodes 1..NodeCount the cavity rows, node
    // NodeCount + 1 the aperture node set by preprocessing. Surface i joins nodes i-1 and i.
    uint8_t NodeCount = 0;
    TNodeReals NodeZ, NodeR, NodeXi;
    TNodeReals SurfEmissivity, SurfReflectivity, SurfDiffusity;
    TCheckedArray<uint8_t, 0, 202> SurfKind;  // 1 cone, 2 cylinder, 3 disk, 0 none
    TCheckedArray<int8_t, 0, 202> SurfSign;
    TNodeReals SurfNormalX, SurfNormalY, SurfNormalZ;
    TNodeReals SurfRadialCos, SurfSlope, SurfSlope2, SurfZ0;
    TNodeReals SurfLength;  // length of the segment in the generatrix plane

    // Bounding box of the outline.
    Real CavZMin = 0, CavZMax = 0, CavYMin = 0, CavYMax = 0, CavZRange = 0, CavYRange = 0;

    // Temperature distribution along Xi.
    uint8_t TempPointCount = 0;
    TTempReals TempPointXi, TempPointZ, TempPointR, TempPointT;
    TCheckedArray<uint8_t, 1, 101> TempPointSurf;

    // Wavelengths in micrometres; [0] is 0 and stands for the total.
    uint8_t WavelengthCount = 0;
    TSpectrum CurWavelengths;

    // Run parameters.
    std::string CurDatasetName;
    double CurDateTime = 0, CurStartDateTime = 0, CurFinishDateTime = 0;
    Real CurTref = 0, CurTbg = 0, CurNRF = 0, CurThreshold = 0;
    uint8_t CurViewIndex = 0;
    uint8_t VCCount = 0;
    TCheckedArray<TCheckedArray<Real, 1, 201>, 1, 4> VCParams;  // [p][v]
    uint8_t CurVC = 0;
    // Rays per viewing condition, and the rays between two steps of the progress shown.
    uint32_t RayCount = 0, ProgressStep = 0;
    TVCResults EEResults;  // [v][0][k] EEiso, [v][1][k] EE
    TVCResults RTResults;  // only [v][1][k] is written

    TRayLauncher RayLauncher = nullptr;

    // Set by the workbench at start-up.
    std::string ProgramTitle;
    std::string ExeDir, DbDir, CavitiesDir, WavelengthsDir, DatasetsDir, ResultsDir, ReportsDir;
};

// The ray being traced, one per thread: every thread of a run traces its own rays.
struct TRayState {
    Real RayX = 0, RayY = 0, RayZ = 0;
    Real RayDX = 0, RayDY = 0, RayDZ = 0;
    Real RayWeight = 0;
    uint8_t CurSurface = 0;
    // The unit normal of CurSurface at the ray's point, as CurrentSurfaceNormal left it.
    Real NormalX = 0, NormalY = 0, NormalZ = 0;
    // The wall temperature at the ray's point and its place between two temperature points.
    Real CurHitT = 0;
    Real HitXiFraction = 0;
    // Per-ray sums: [0][k] isothermal cavity, [1][k] non-isothermal cavity in units of the
    // radiance at CurTref (see Radiance.h), so that no wavelength under- or overflows.
    TCheckedArray<TSpectrum, 0, 1> RaySums;
};

extern thread_local TRayState Ray;

// The one instance every routine sees.
extern TSharedData Shared;

// Returns the area to its program-start state (every number 0, every string empty).
void ResetSharedData();

// Set by Stop, tested by the run loop on the thread that drives it (the threads that trace rays
// never read it: the run asks them to stop).
extern bool StopFlag;
