#include "chart/foundation/FoundationStartup.h"

#include "chart/foundation/BackImage.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/ColorEditing.h"
#include "chart/foundation/DefaultChartFont.h"
#include "chart/foundation/DefaultColors.h"
#include "chart/foundation/FieldLists.h"
#include "chart/foundation/ResourceRoutines.h"
#include "chart/foundation/SavedClipRegion.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShadow.h"
#include "chart/foundation/TeeShape.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/ui/Screen.h"

bool ExtendedPensAvailable = false;
bool AlphaBlendAvailable = false;
bool DCBrushColorAvailable = false;

namespace {

int StartupCount = 0;

// The classes stay registered after shutdown: the registry outlives the unit.
void RegisterFoundationClasses() {
    RegisterClasses({&TChartPen::StaticClass(), &TChartBrush::StaticClass(),
                     &TTeeFont::StaticClass(), &TTeeGradient::StaticClass(),
                     &TTeeShadow::StaticClass(), &TBackImage::StaticClass(),
                     &TTeeShape::StaticClass()});
}

}  // namespace

void FoundationUnitStartup() {
    if (StartupCount++ > 0) return;
    ExtendedPensAvailable = true;
    AlphaBlendAvailable = true;
    ClearSavedClips();
    SetupDefaultChartFont();
    RegisterFoundationClasses();
    DCBrushColorAvailable = true;
    // The chart routines' shared values.
    ResetDefaultColors();
    LoadFieldSeparator();
    Screen()->LoadCursorResource(crTeeHand, "TEE_CURSOR_HAND");
}

void FoundationUnitShutdown() {
    if (StartupCount == 0 || --StartupCount > 0) return;
    Screen()->RemoveCursor(crTeeHand);
    FreeDefaultColors();
    FreeFieldSeparator();
    ClearSavedClips();
    ExtendedPensAvailable = false;
    AlphaBlendAvailable = false;
    DCBrushColorAvailable = false;
    CustomColorList().clear();
    DefaultChartFontName.clear();
}
