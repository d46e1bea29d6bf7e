#pragma once
// What the result plots draw of one stored run: the copy of the run selected in the results
// window, taken when a plot window is made, in single precision (the plotted values carry about
// seven significant digits), so that the plot does not follow later changes of the selection.
#include <array>
#include <string>
#include <vector>

struct TStoredRun;

struct TRunPlotData {
    std::string DatasetName;
    int Kind = 0;                          // ViewIndex 0..4
    int WavelengthCount = 0, VCCount = 0;  // nw and nv
    double Tref = 0;
    // Wavelength index k = 0..nw; 0 stands for the total and holds 0.
    std::vector<float> Wavelengths;
    // By viewing condition v = 1..nv at [v - 1]: its parameters, as many as the kind keeps, and
    // its results by wavelength index. A result the run does not hold (its saving stopped
    // part-way) is NaN and is not plotted.
    std::vector<std::array<float, 3>> Params;
    std::vector<std::vector<float>> EEiso, EE, RT;
};

// The plots' copy of a stored run. Its result rows, in the table's active order, are nw + 1 blocks
// of nv rows (wavelength index 0..nw, viewing condition 1..nv); the copy ends with the rows the
// run holds.
TRunPlotData PlotDataOf(const TStoredRun& run);
