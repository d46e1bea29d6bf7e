#pragma once
// The Temperatures page's commands on the current dataset's temperature points. Each ends by
// posting the dataset row, resumes the bound controls on every path, and talks through the
// message service in force. Z, Y and the surface of a point follow from its Xi by the table's
// change rule (set by the page); these commands set Xi and T only.
class TDatasetDatabase;

// The most points the engine takes.
inline constexpr int MaxTemperaturePoints = 101;

// A point at every generatrix node (Xi of node 0..n), after "All temperature points will be
// erased\rContinue?" when there are points. The outline is loaded first: when it fails, or has
// more nodes than the engine takes points ("Too many points\rOnly 101 allowed"), nothing changes.
bool AddNodeTemperaturePoints(TDatasetDatabase& db);
// Replaces the current point (not the first) by two at Xi -/+ 0.0001 (kept within 0..1) with
// empty temperatures: "First point cannot be splitted" for the first row; when a new Xi collides,
// "Operation failed. Possible key duplication." and the point is put back with its temperature.
bool SplitTemperaturePoint(TDatasetDatabase& db);
// Empties every point's temperature; the current row stays.
void ClearTemperatures(TDatasetDatabase& db);
// Deletes every point after "All data in this table will be erased.\rContinue?".
bool ClearAllTemperaturePoints(TDatasetDatabase& db);
// A point at xi; "Possible Xi duplication" when it cannot be posted.
bool AppendTemperaturePoint(TDatasetDatabase& db, double xi);
