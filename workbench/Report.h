#pragma once
// The report of one stored run: a plain-text summary of its dataset's name and dates, the
// cavity, the temperature distribution, the viewing conditions, the comments, the run's
// parameters, and per viewing condition the total and spectral effective emissivities and
// radiance temperatures. Temperature points and local-hemispherical viewing conditions are
// placed on the run's own generatrix, whatever dataset the main window shows.
#include <string>
#include <vector>

struct TStoredRun;

struct TReport {
    std::vector<std::string> Lines;
    // Why the report stopped early (shown to the user), empty when it is whole. The last line
    // is then "REPORT GENERATION FAILED: " + Failure, after the lines made before it.
    std::string Failure;
};

// The report of `run`, headed by the upper-cased program title. Numbers use the decimal
// separator and the dates the default date-time text of FormatSettings().
TReport BuildReport(const TStoredRun& run, const std::string& programTitle);
