#include "chart/editors/CircledAnd3DEditorsStartup.h"

#include "chart/editors/AxisToolEditor.h"
#include "chart/editors/CircledSeriesEditor.h"
#include "chart/editors/ColorGridEditor.h"
#include "chart/editors/IsoSurfaceEditor.h"
#include "chart/editors/PieSeriesEditor.h"
#include "chart/editors/Point3DSeriesEditor.h"
#include "chart/editors/SeriesToolEditor.h"
#include "chart/editors/TowerSeriesEditor.h"
#include "chart/editors/VectorSeriesEditor.h"
#include "chart/editors/WaterFallEditor.h"
#include "platform/classes/ClassRegistry.h"

void CircledAnd3DEditorsUnitStartup() {
    RegisterClasses({&TCircledSeriesEditor::StaticClass(), &TPieSeriesEditor::StaticClass(),
                     &TPoint3DSeriesEditor::StaticClass(), &TColorGridEditor::StaticClass(),
                     &TTowerSeriesEditor::StaticClass(), &TVectorSeriesEditor::StaticClass(),
                     &TWaterFallEditor::StaticClass(), &TIsoSurfaceEditor::StaticClass(),
                     &TSeriesToolEditor::StaticClass(), &TAxisToolEditor::StaticClass()});
}

void CircledAnd3DEditorsUnitShutdown() {
    UnRegisterClasses({&TCircledSeriesEditor::StaticClass(), &TPieSeriesEditor::StaticClass(),
                       &TPoint3DSeriesEditor::StaticClass(), &TColorGridEditor::StaticClass(),
                       &TTowerSeriesEditor::StaticClass(), &TVectorSeriesEditor::StaticClass(),
                       &TWaterFallEditor::StaticClass(), &TIsoSurfaceEditor::StaticClass(),
                       &TSeriesToolEditor::StaticClass(), &TAxisToolEditor::StaticClass()});
}
