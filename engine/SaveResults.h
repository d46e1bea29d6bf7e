#pragma once
// Storing a complete run in the results database (ResultTables): one master row with the run's
// parameters and times, copies of the dataset's cavity and temperature rows, and one row of
// effective emissivities and radiance temperature per wavelength and viewing condition. The rows
// are only inserted in memory; the database reaches its file when the program closes.
#include <string>

// Shows the hourglass while it works. A result row that cannot be posted is cancelled and gives
// "Error saving results in database"; what was posted before stays (the run's row is posted with
// it) and the normal cursor is back. Errors while the master row or the copied rows are stored
// propagate to the caller.
bool SaveResults(double startDateTime, double finishDateTime, std::string& message);
