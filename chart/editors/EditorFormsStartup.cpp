#include "chart/editors/EditorFormsStartup.h"

#include "chart/editors/ContourSeriesEditor.h"
#include "chart/editors/Grid3DSeriesEditor.h"
#include "chart/editors/PointerEditor.h"
#include "chart/editors/SurfaceSeriesEditor.h"
#include "platform/classes/ClassRegistry.h"

void EditorFormsUnitStartup() {
    RegisterClasses({&TSeriesPointerEditor::StaticClass(), &TGrid3DSeriesEditor::StaticClass(),
                     &TSurfaceSeriesEditor::StaticClass(), &TContourSeriesEditor::StaticClass()});
}
