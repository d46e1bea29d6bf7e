#include "workbench/ResultPlotData.h"

#include <cmath>

#include "engine/VC.h"
#include "workbench/StoredRun.h"

TRunPlotData PlotDataOf(const TStoredRun& run) {
    TRunPlotData data;
    data.DatasetName = run.DatasetName;
    data.Kind = run.ViewIndex;
    data.WavelengthCount = run.WavelengthCount;
    data.VCCount = run.VCCount;
    data.Tref = double(run.Tref);

    const size_t nw = size_t(run.WavelengthCount), nv = size_t(run.VCCount);
    data.Wavelengths.assign(nw + 1, 0.0f);
    data.Params.assign(nv, {});
    const std::vector<float> missing(nw + 1, NAN);
    data.EEiso.assign(nv, missing);
    data.EE.assign(nv, missing);
    data.RT.assign(nv, missing);
    const size_t params = ViewParamCounts.at(size_t(run.ViewIndex));
    const size_t rows = std::min(run.Results.size(), (nw + 1) * nv);
    for (size_t row = 0; row < rows; ++row) {
        const TStoredResult& r = run.Results[row];
        const size_t k = row / nv, v = row % nv;
        data.Wavelengths[k] = float(r.Wavelength);
        for (size_t p = 0; p < params; ++p) data.Params[v][p] = float(r.Params[p]);
        data.EEiso[v][k] = float(r.EEiso);
        data.EE[v][k] = float(r.EE);
        data.RT[v][k] = float(r.RT);
    }
    return data;
}
