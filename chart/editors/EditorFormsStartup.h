#pragma once
// The editor forms found by class name: the series page finds a series type's editor by the
// name the series reports, the pointer editor is found by the series editors that embed it.

// Registers every such editor form; a second call adds nothing.
void EditorFormsUnitStartup();
