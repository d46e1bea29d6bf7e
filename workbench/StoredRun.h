#pragma once
// One finished run as the report reads it: a copy of the current row of the results database
// and of its nested tables, taken when the report is made, so that the report does not follow
// later changes of the selection.
#include <array>
#include <string>
#include <vector>

#include "engine/Global.h"

class TResultsDatabase;

// One row of the run's spectral results.
struct TStoredResult {
    Real Wavelength = 0;  // 0: the total over all wavelengths
    int ViewCondition = 0;
    std::array<Real, 3> Params{};  // as many as the kind has
    Real EEiso = 0, EE = 0, RT = 0;
};

struct TStoredRun {
    std::string DatasetName;
    double DateTime = 0, StartDateTime = 0, FinishDateTime = 0;
    Real Tref = 0, Tbg = 0, NRF = 0, Threshold = 0;
    int ViewIndex = 0;
    int WavelengthCount = 0, VCCount = 0;  // nw and nv
    std::string Comments;

    // The generatrix: node 0 is the start node, nodes 1..NodeCount the cavity rows; surface i
    // (the segment that ends at node i) has Emissivity[i] and Diffusity[i]. A run stored
    // without its start node has HasStartNode false and node 0 at the origin.
    bool HasStartNode = true;
    long NodeCount = 0;
    TNodeReals NodeZ, NodeR, Emissivity, Diffusity;

    // Temperature points 1..TempPointCount.
    long TempPointCount = 0;
    TTempReals TempPointXi, TempPointT;

    // The result rows in the table's active order: wavelength index k (0 the total), then
    // viewing condition v, at k * VCCount + v - 1 once complete. A run whose saving failed
    // part-way holds fewer.
    std::vector<TStoredResult> Results;
};

// Copies the current run of `db`, leaving its tables on the rows they were on. More than 202
// cavity rows, more than 101 temperature points, more than 201 wavelengths or viewing
// conditions, or a ViewIndex outside 0..4 raise the range error.
TStoredRun ReadStoredRun(TResultsDatabase& db);
