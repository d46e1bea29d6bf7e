#pragma once
// The derived columns of the temperature points (Z, Y and the surface number) follow the profile:
// they are computed from each point's Xi on the current dataset's generatrix.
#include <functional>
#include <string>

class TClientDataSet;
class TDatasetDatabase;

// Z, R and isf of the table's row being edited from xi on the current dataset's profile; false
// with XiToPoint's reason (empty when it is not to be shown) when xi cannot be placed.
bool PlacePoint(TClientDataSet& table, double xi, std::string& message);

// Makes Z, R and isf of a temperature point and of a local-hemispherical viewing condition follow
// each change of its Xi, whoever sets it. An Xi that cannot be placed is told with
// " in dataset " + the dataset's name, and the derived fields keep their values. A temperature
// point placed is told to `placed` with its Z and Y.
void InstallPointDerivation(TDatasetDatabase& db,
                            std::function<void(double z, double y)> placed = {});

// Recomputes Z, R and isf of every temperature point in key order. When a point's Xi cannot be
// placed, shows the reason followed by "\rTemperature distributions might be distorted" and
// stops (the remaining points keep their old values); answers false then.
bool RelocateTemperaturePoints(TDatasetDatabase& db);
