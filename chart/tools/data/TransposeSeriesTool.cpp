#include "chart/tools/data/TransposeSeriesTool.h"

#include <algorithm>
#include <vector>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartSeries.h"

void TTransposeSeriesTool::Transpose() {
    TCustomAxisPanel* chart = ParentChart();
    if (!chart || chart->SeriesCount() == 0) return;
    std::vector<TChartSeries*> former;
    for (int i = 0; i < chart->SeriesCount(); ++i) former.push_back(chart->GetSeries(i));
    int points = 0;
    for (TChartSeries* s : former) points = std::max(points, s->MandatoryValueList().Count());
    const TClass seriesClass = &former.front()->ClassType();
    for (int j = 0; j < points; ++j) {
        TChartSeries* made = chart->AddSeriesOfClass(seriesClass);
        for (TChartSeries* s : former) {
            if (s->MandatoryValueList().Count() < j + 1)
                made->AddNullPoint();
            else if (s->IsNullValue(j))
                made->AddNullValue(s->MandatoryValue(j));
            else
                made->AddValue(s->MandatoryValue(j));
        }
    }
    for (size_t k = 0; k < former.size(); ++k) delete chart->GetSeries(0);
}
