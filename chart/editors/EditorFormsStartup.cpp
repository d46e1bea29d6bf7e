#include "chart/editors/EditorFormsStartup.h"

#include "chart/editors/ChartEditForm.h"
#include "chart/editors/ContourSeriesEditor.h"
#include "chart/editors/FuncEditor.h"
#include "chart/editors/FunctionOptionEditors.h"
#include "chart/editors/Grid3DSeriesEditor.h"
#include "chart/editors/PointerEditor.h"
#include "chart/editors/SurfaceSeriesEditor.h"
#include "chart/editors/ToolsGallery.h"
#include "chart/editors/ToolsPage.h"
#include "platform/classes/ClassRegistry.h"

void EditorFormsUnitStartup() {
    RegisterClasses({&TSeriesPointerEditor::StaticClass()});
    // The series types' own editors, by the names the series give.
    RegisterClasses({&TGrid3DSeriesEditor::StaticClass(), &TSurfaceSeriesEditor::StaticClass(),
                     &TContourSeriesEditor::StaticClass()});
    // The function page and the functions' options forms, by the names the functions give.
    RegisterClasses({&TBaseSourceEditor::StaticClass(), &TBaseFunctionEditor::StaticClass(),
                     &TTeeFunctionEditor::StaticClass(), &TAverageFuncEditor::StaticClass(),
                     &TCustomFunctionEditor::StaticClass(), &TSmoothFuncEditor::StaticClass(),
                     &TTeeFuncEditor::StaticClass()});
    // The dialog itself, and the tools page that editors of other lists derive from.
    RegisterClasses({&TChartEditForm::StaticClass(), &TFormTeeTools::StaticClass(),
                     &TTeeToolsGallery::StaticClass()});
}
