#include "chart/editors/StandardSeriesEditors.h"

#include "chart/editors/AreaSeriesEditor.h"
#include "chart/editors/BarSeriesEditor.h"
#include "chart/editors/FastLineSeriesEditor.h"
#include "chart/editors/LineSeriesEditor.h"
#include "chart/editors/StackBarSeriesEditor.h"
#include "platform/classes/ClassRegistry.h"

namespace {

int StartupCount = 0;

}  // namespace

void StandardSeriesEditorsUnitStartup() {
    if (StartupCount++ > 0) return;
    RegisterClasses({&TCustomSeriesEditor::StaticClass(), &TFastLineSeriesEditor::StaticClass(),
                     &TAreaSeriesEditor::StaticClass(), &TStackBarSeriesEditor::StaticClass(),
                     &TBarSeriesEditor::StaticClass()});
}

void StandardSeriesEditorsUnitShutdown() {
    if (StartupCount > 0) --StartupCount;
}
