#include "chart/editors/EditorFormsStartup.h"

#include "chart/editors/PointerEditor.h"
#include "platform/classes/ClassRegistry.h"

void EditorFormsUnitStartup() { RegisterClasses({&TSeriesPointerEditor::StaticClass()}); }
