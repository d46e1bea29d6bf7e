#pragma once
// Cavities filled straight into the engine's shared area, and into a cavity table, for the tests
// and the benchmarks alike (the library kv_cavity_fixture; no test framework in it).
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "engine/MCRT.h"

class TDataSet;

// A node of the generatrix: depth z along the axis and radius r.
struct TNode {
    Real z, r;
};

struct TCavity {
    std::vector<TNode> Nodes;    // start node first
    Real Emissivity, Diffusity;  // of every wall
};

// The reference cavities: a diffuse cylinder of depth 4 with an aperture radius of 0.5, a cone
// with a specular-diffuse bottom, and a sphere of 100 segments open beyond 150 degrees.
TCavity DiffuseCylinder();
TCavity ConeBottom();
TCavity Sphere100();
// A sphere of radius 1 from its bottom pole up to the rim at `rimDegrees`, in `segments` chords.
std::vector<TNode> SphereNodes(int segments, Real rimDegrees);

// Nodes 0..n, every wall of the given emissivity and diffusity; the outline is not built.
void FillGeneratrix(const std::vector<TNode>& nodes, Real emissivity = 1, Real diffusity = 1);
// Wall temperature points 1..n as (Xi, T); none makes the walls isothermal at Tref.
void FillTempPoints(const std::vector<std::pair<Real, Real>>& points);
// Wavelengths 1..n in micrometres.
void FillWavelengths(const std::vector<Real>& lambdas);
// One viewing condition row per entry, of the given kind; the parameters in the kind's order.
void FillConditions(uint8_t kind, const std::vector<std::vector<Real>>& rows);

// The benchmarks' run: `cavity` with walls from 1000 K at the bottom to 900 K at the rim (or
// isothermal), `wavelengths` wavelengths from 0.5 um in steps of 0.1 um, Tref 1000 K, Tbg 300 K
// and one normal beam of radius 0.4 on the axis, `rays` rays. The outline is not built.
void FillReferenceRun(const TCavity& cavity, int wavelengths, bool isothermal, Real rays);

// A row of a cavity table; a missing property is left empty.
struct TCavityRow {
    double z, r;
    std::optional<double> emissivity, diffusity;
};
// Appends the rows to a cavity table (fields D, Z, R, Emissivity, Diffusity, found by name),
// keyed D = 1, 2, ... after the rows already there.
void AppendCavityRows(TDataSet& cavity, const std::vector<TCavityRow>& rows);
