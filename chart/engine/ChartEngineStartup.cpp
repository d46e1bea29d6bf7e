#include "chart/engine/ChartEngineStartup.h"

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ColorPalettes.h"
#include "chart/engine/SampleRandom.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/foundation/ResourceRoutines.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Strings.h"

namespace {
int StartCount = 0;

// EndUpdate of a string list on every path out of the scope.
class TStringsUpdate {
public:
    explicit TStringsUpdate(TStrings& strings) : FStrings(strings) { strings.BeginUpdate(); }
    ~TStringsUpdate() { FStrings.EndUpdate(); }
    TStringsUpdate(const TStringsUpdate&) = delete;
    TStringsUpdate& operator=(const TStringsUpdate&) = delete;

private:
    TStrings& FStrings;
};
}  // namespace

void AddSeriesToStrings(TStrings& strings, const TCustomSeriesList& seriesList, bool useTitles) {
    TStringsUpdate update(strings);
    for (TChartSeries* s : seriesList) {
        // The program has no design state: the editors list what ShowInEditor allows.
        if (!s->ShowInEditor()) continue;
        const TCustomAxisPanel* chart = s->ParentChart();
        std::string text = s->Name();
        if (useTitles)
            text = chart ? chart->SeriesTitleText(s) : s->Title().empty() ? text : s->Title();
        strings.AddObject(text, s);
    }
}

void DrawSeriesGalleryBitmap(TCanvas& canvas, const TChartSeries& series, int x, int y) {
    TBitmap bitmap;
    if (LoadSeriesClassBitmap(series, bitmap)) canvas.Draw(x, y, &bitmap);
}

void ChartEngineUnitStartup() {
    if (StartCount++ > 0) return;
    Randomize();
    RegisterClasses({&TChartAxisTitle::StaticClass(), &TChartAxis::StaticClass(),
                     &TChartDepthAxis::StaticClass(), &TSeriesMarks::StaticClass()});
    // The registries are made on first use; the palette names come from the library texts.
    SeriesTypeList();
    ToolTypeList();
    FillColorPaletteNames();
}

void ChartEngineUnitShutdown() {
    if (StartCount == 0 || --StartCount > 0) return;
    UnRegisterClasses({&TChartAxisTitle::StaticClass(), &TChartAxis::StaticClass(),
                       &TChartDepthAxis::StaticClass(), &TSeriesMarks::StaticClass()});
    // The registries stay: units that registered once at start-up (the basic functions) do
    // not register again, and the registries free themselves when the program ends.
    FreeColorPaletteNames();
}
