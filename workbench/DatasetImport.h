#pragma once
// Turning a dataset read from its text file into a new dataset row with its nested rows, and the
// comment lines of a dataset row as the comments memo shows them.
#include <string>
#include <vector>

#include "workbench/DatasetTextFile.h"

class TDatasetDatabase;

// Appends a dataset row (created now) with the values read, its comments followed by
// "Loaded from " + fileName, then its generatrix (keys 1..n), temperature points (Xi and T; Z,
// Y and the surface number are derived from Xi on the new profile), wavelengths and the
// viewing conditions of its kind. A row that cannot be stored is cancelled, what was stored
// before is posted with the dataset, and the dataset's error goes on to the caller; the bound
// controls are resumed on every path.
void AddDatasetFromText(TDatasetDatabase& db, const TDatasetText& dataset,
                        const std::string& fileName);

// The lines of the current dataset row's comments.
std::vector<std::string> CommentLines(TDatasetDatabase& db);
