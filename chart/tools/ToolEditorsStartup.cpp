// The editor forms of the tools, registered by ChartToolsUnitStartup.
#include "chart/tools/ChartToolsStartup.h"
#include "chart/tools/annotation/AnnotationToolEditor.h"
#include "chart/tools/axis/AxisArrowToolEditor.h"
#include "chart/tools/axis/AxisScrollEditor.h"
#include "chart/tools/axis/ColorBandToolEditor.h"
#include "chart/tools/axis/ColorLineToolEditor.h"
#include "chart/tools/axis/GridBandToolEditor.h"
#include "chart/tools/overlay/CursorToolEditor.h"
#include "chart/tools/overlay/DragMarksToolEditor.h"
#include "chart/tools/overlay/DrawLineEditor.h"
#include "chart/tools/overlay/MarksTipToolEditor.h"
#include "chart/tools/overlay/NearestToolEditor.h"
#include "chart/tools/sources/ExcelSourceEditor.h"

// One line a form, in the order of the tools, so that lists merge line by line.
// clang-format off
std::vector<TClass> ChartToolEditorClasses() {
    return {
        &TCursorToolEditor::StaticClass(),
        &TDragMarksToolEditor::StaticClass(),
        &TAxisArrowToolEditor::StaticClass(),
        &TDrawLineEdit::StaticClass(),
        &TNearestToolEdit::StaticClass(),
        &TColorBandToolEditor::StaticClass(),
        &TColorLineToolEditor::StaticClass(),
        &TMarksTipToolEdit::StaticClass(),
        &TAnnotationToolEdit::StaticClass(),
        &TGridBandToolEdit::StaticClass(),
        &TAxisScrollEditor::StaticClass(),
        &TExcelSourceForm::StaticClass(),
    };
}
// clang-format on
