#include "chart/editors/EditorFormsStartup.h"

#include "chart/editors/FuncEditor.h"
#include "chart/editors/FunctionOptionEditors.h"
#include "chart/editors/PointerEditor.h"
#include "platform/classes/ClassRegistry.h"

void EditorFormsUnitStartup() {
    RegisterClasses({&TSeriesPointerEditor::StaticClass()});
    // The function page and the functions' options forms, by the names the functions give.
    RegisterClasses({&TBaseSourceEditor::StaticClass(), &TBaseFunctionEditor::StaticClass(),
                     &TTeeFunctionEditor::StaticClass(), &TAverageFuncEditor::StaticClass(),
                     &TCustomFunctionEditor::StaticClass(), &TSmoothFuncEditor::StaticClass(),
                     &TTeeFuncEditor::StaticClass()});
}
