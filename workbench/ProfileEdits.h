#pragma once
// The whole-table edits of the current dataset's generatrix and wavelengths that the Cavity and
// Wavelengths pages run: replacing them from a text file, appending a regular wavelength set,
// clearing, and the surface range operations (delete rows, assign or erase emissivity and
// diffusity). Every one ends by posting the dataset row, so that the change belongs to it, and
// resumes the bound controls on every path. Questions and messages go through the message
// service in force.
#include <vector>

#include "workbench/GeneratrixFile.h"
#include "workbench/SurfaceRange.h"

class TDatasetDatabase;

// The start node (Z0, R0) and the cavity rows in key order.
TGeneratrix GeneratrixOfDataset(TDatasetDatabase& db);
// Asks "All existing generatrix coordinates will be erased.\rContinue?" when there are rows (No
// changes nothing), then writes the start node and the rows with keys 1..n and empty emissivities
// and diffusities. Answers whether it changed the dataset.
bool ReplaceGeneratrix(TDatasetDatabase& db, const TGeneratrix& generatrix);

std::vector<double> WavelengthsOfDataset(TDatasetDatabase& db);
// Asks "All existing wavelengths will be erased.\rContinue?" when there are rows, then puts the
// values in; a value already given is reported ("Record duplication: ...") and skipped.
bool ReplaceWavelengths(TDatasetDatabase& db, const std::vector<double>& values);
// Appends the values; each one already in the table is reported and skipped.
void AppendWavelengths(TDatasetDatabase& db, const std::vector<double>& values);
// Asks "All wavelengths will be erased.\rContinue?" when there are rows, then deletes them.
bool ClearWavelengths(TDatasetDatabase& db);

// The rows from..to (record numbers) of the generatrix: deleted, or given an emissivity and a
// diffusity, or both emptied. The current row afterwards is the first.
void DeleteCavityRows(TDatasetDatabase& db, TSurfaceRange range);
void AssignSurfaceValues(TDatasetDatabase& db, TSurfaceRange range, double emissivity,
                         double diffusity);
void EraseSurfaceValues(TDatasetDatabase& db, TSurfaceRange range);
