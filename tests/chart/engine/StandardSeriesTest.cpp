// The "Standard" page of the series gallery: the standard series types in gallery order, with
// their names and sample series, known to the stream by class name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ChartStubs.h"
#include "chart/engine/BarSeries.h"
#include "chart/engine/FastLineSeries.h"
#include "chart/engine/HorizBarSeries.h"
#include "chart/engine/PieSeries.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/engine/StandardSeries.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/ClassRegistry.h"

namespace {

TEST(StandardSeries, RegisteredInGalleryOrderOnTheStandardPage) {
    LoadCoreTexts();
    RegisterStandardSeriesTypes();
    RegisterStandardSeriesTypes();  // a second time adds nothing
    struct TRow {
        TClass seriesClass;
        std::string name;
        int samples;
        bool operator==(const TRow&) const = default;
    };
    // MERGE(h-line): TLineSeries "Line" 2 first; TAreaSeries "Area" 2 and TPointSeries "Point"
    // 2 after the horizontal bar; THorizLineSeries "Horizontal\rLine" 1 and THorizAreaSeries
    // "Horizontal\rArea" 1 last.
    const std::vector<TRow> expected = {
        {&TBarSeries::StaticClass(), "Bar", 2},
        {&THorizBarSeries::StaticClass(), "Horizontal\rBar", 2},
        {&TPieSeries::StaticClass(), "Pie", 1},
        {&TFastLineSeries::StaticClass(), "Fast Line", 2},
    };
    std::vector<TRow> listed;
    for (int i = 0; i < SeriesTypeList().Count(); ++i) {
        const TTeeSeriesType* e = SeriesTypeList()[i];
        if (*e->PageText != "Standard" || e->FunctionClassRef) continue;
        listed.push_back({e->SeriesClassRef, *e->DescriptionText, e->SampleSeriesCount});
    }
    EXPECT_EQ(listed, expected);
    for (const TRow& row : expected)
        EXPECT_EQ(FindClass(row.seriesClass->ClassName()), row.seriesClass);
    UnregisterSeriesClasses({&TBarSeries::StaticClass(), &THorizBarSeries::StaticClass(),
                             &TPieSeries::StaticClass(), &TFastLineSeries::StaticClass()});
}

}  // namespace
