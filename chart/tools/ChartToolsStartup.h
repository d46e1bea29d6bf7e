#pragma once
// Start-up of the chart tools: the tool classes join the tool registry (and so the tools gallery
// and the component stream) in the gallery's fixed order, and the tools' editor forms join the
// class registry under the names the tools give, so that the tools page finds them. Shutdown
// takes both out again. The start-up also opens the download cache and makes it the markup
// texts' image loader, and registers the chart picture format "tee". Repeated start-ups are
// counted; only the last shutdown undoes them.
#include <vector>

#include "platform/classes/Object.h"

void ChartToolsUnitStartup();
void ChartToolsUnitShutdown();

// The tool classes of the library, in registration order.
std::vector<TClass> ChartToolClasses();

// The editor forms of the tools (ToolEditorsStartup.cpp): kept apart because a tool never names
// its editor by anything but the class name.
std::vector<TClass> ChartToolEditorClasses();
