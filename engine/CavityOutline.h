#pragma once
// The outline of the generatrix: its bounding box, the relative arc length Xi of every node, the
// status-bar texts that describe it, and the point at a given Xi.
#include <cstdint>
#include <string>

#include "engine/Global.h"

// The outline of a profile given by its nodes 0..n: the bounding box (Y mirrored about the
// axis) and the relative arc length Xi of every node (0 at the start node, 1 at the last).
struct TProfileOutline {
    Real ZMin = 0, ZMax = 0, YMin = 0, YMax = 0, ZRange = 0, YRange = 0;
    TNodeReals Xi;
};

// The outline of nodes 0..n of (z, y). The bounding box is always filled; fails, naming
// `datasetName`, on a zero range of Y or Z (more than one node) and on two coincident
// consecutive nodes.
bool ComputeProfileOutline(const TNodeReals& z, const TNodeReals& y, long n,
                           const std::string& datasetName, TProfileOutline& outline,
                           std::string& message);

// The point of the profile (nodes 0..n with their relative lengths `xi`) at relative arc length
// `at`. When `at` is a node shared by two segments the later one wins. False when no segment
// contains it (pz, py and surface are then left as they were).
bool ProfilePointAtXi(const TNodeReals& z, const TNodeReals& y, const TNodeReals& xi, long n,
                      Real at, Real& pz, Real& py, int32_t& surface);

// The outline of nodes 0..NodeCount in the area: CavZMin..CavYRange and NodeXi, with the
// failures of ComputeProfileOutline (the bounding box is set even then).
bool ComputeOutline(const std::string& datasetName, std::string& message);

// Panels 0..2 of the main window's status bar: bounds, cavity length and aperture radius.
void ShowOutlineStatus();

// The outline of the main window's current dataset: reads the start node and the cavity rows
// into the area (the cavity table goes back to its row), computes the outline and writes the
// status-bar texts. False with no message when there is no open table, no dataset, no cavity row
// or no current cavity row; a table without rows also empties the three status texts.
bool LoadCavityOutline(std::string& message);

// The point of the generatrix at relative arc length xi, from the outline in the area, without
// reloading it. When xi is a node shared by two segments the later one wins. False when no
// segment contains xi (z, y and surface are then left as they were).
bool OutlinePointAtXi(Real xi, Real& z, Real& y, int32_t& surface);

// The text for an xi that no segment contains.
std::string XiOutsideMessage(Real xi);

// Reloads the outline (its failure is reported only while the main window is active) and gives
// the point at xi; false with XiOutsideMessage when no segment contains xi.
bool XiToPoint(Real xi, Real& z, Real& y, int32_t& surface, std::string& message);
