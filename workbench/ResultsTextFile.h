#pragma once
// The results text file of one stored run: its name, dates, number of rays and threshold, a
// header naming the columns, and one line per spectral result row (wavelength, viewing condition,
// the kind's parameters, EEiso, EE and RT) in the result rows' active order.
#include <string>
#include <vector>

class TResultsDatabase;

// The lines for the current run of `db`. Walks the run's result rows with their grid frozen and
// leaves them on the last row. A ViewIndex outside 0..4 raises the kind tables' range error.
std::vector<std::string> ResultsTextLines(TResultsDatabase& db);
