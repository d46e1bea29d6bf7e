#pragma once
// Copying the current dataset of the main window into the shared area, with its checks, and
// clearing the area. Every loader empties `message` first, answers true on success and, on
// failure, false with the text the caller shows in a message box (an empty text means there is
// nothing to report). Fields are read by name without regard to case. Counts beyond the arrays
// and surface numbers outside 1..202 stop a load with ERangeError.
#include <string>

class TDataSet;

// Posts the table's pending row when it is in edit or insert state; nothing otherwise.
void PostIfEditing(TDataSet& table);

// The whole dataset: main fields, cavity, temperatures, wavelengths and viewing conditions in
// this order, stopping at the first failure.
bool LoadDataset(std::string& message);
// The scalar fields of the current dataset.
bool LoadMainFields(std::string& message);
// Name and kind of viewing condition only (the targeting view).
bool LoadNameAndViewIndex(std::string& message);
// Generatrix nodes with the emissivity, reflectivity and diffusity of each surface.
bool LoadCavity(std::string& message);
// Temperature points with their temperatures; a table without rows is a valid, empty one.
bool LoadTemperatures(std::string& message);
// Temperature points without temperatures and without checks (the temperature-points chart).
bool LoadTempPointPositions(std::string& message);
bool LoadWavelengths(std::string& message);
// The rows of the table of the current kind of viewing condition.
bool LoadViewingConditions(std::string& message);

// LoadCavityOutline is declared with the outline (CavityOutline.h).

// Clearing the area: run parameters (the totals of earlier results are kept), geometry,
// temperature points, wavelengths and the parameters of the current kind's conditions.
void ClearRunParameters();
void ClearGeometry();
void ClearTempPoints();
void ClearWavelengths();
void ClearVCParams();
// All five, in that order (before a dataset is imported from a text file).
void ClearSharedData();
