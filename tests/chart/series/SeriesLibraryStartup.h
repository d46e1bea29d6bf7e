#pragma once
// The chart library's start-up up to the extended series, as the program runs it, and the
// chart stream's classes for reading charts back; undone in reverse order.
#include "chart/editors/CircledAnd3DEditorsStartup.h"
#include "chart/editors/EditorFormsStartup.h"
#include "chart/editors/StandardSeriesEditors.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/export/ChartStream.h"
#include "chart/foundation/FoundationStartup.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/series/SeriesAndEditorsStartup.h"

struct TSeriesLibraryStartup {
    TSeriesLibraryStartup() {
        LoadCoreTexts();
        LoadExtendedTexts();
        FoundationUnitStartup();
        ChartEngineUnitStartup();
        EditorFormsUnitStartup();
        StandardSeriesEditorsUnitStartup();
        CircledAnd3DEditorsUnitStartup();
        ChartSeriesUnitStartup();
        ChartStreamUnitStartup();
    }
    ~TSeriesLibraryStartup() {
        ChartStreamUnitShutdown();
        ChartSeriesUnitShutdown();
        CircledAnd3DEditorsUnitShutdown();
        StandardSeriesEditorsUnitShutdown();
        ChartEngineUnitShutdown();
        FoundationUnitShutdown();
        FreeExtendedTexts();
        FreeCoreTexts();
    }
    TSeriesLibraryStartup(const TSeriesLibraryStartup&) = delete;
    TSeriesLibraryStartup& operator=(const TSeriesLibraryStartup&) = delete;
};
