// The editor forms of the tools, registered by ChartToolsUnitStartup.
#include "chart/tools/ChartToolsStartup.h"

// One line a form, in the order of the tools, so that lists merge line by line.
// clang-format off
std::vector<TClass> ChartToolEditorClasses() {
    return {
    };
}
// clang-format on
