#pragma once
// The chart library's start-up, as the program runs it before any editor opens.
#include "chart/editors/EditorFormsStartup.h"
#include "chart/editors/StandardSeriesEditors.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/foundation/FoundationStartup.h"
#include "chart/foundation/LibraryTexts.h"

struct TLibraryStartup {
    TLibraryStartup() {
        LoadCoreTexts();
        LoadExtendedTexts();
        FoundationUnitStartup();
        ChartEngineUnitStartup();
        EditorFormsUnitStartup();
        StandardSeriesEditorsUnitStartup();
    }
    ~TLibraryStartup() {
        StandardSeriesEditorsUnitShutdown();
        ChartEngineUnitShutdown();
        FoundationUnitShutdown();
        FreeExtendedTexts();
        FreeCoreTexts();
    }
};
