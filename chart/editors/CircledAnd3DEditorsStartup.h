#pragma once
// Registers by name the editor forms of the circular and 3-D series and the two tool editor
// bases, under the names their elements report, so that the series page and the tools page find
// them; the shutdown takes them out again.
void CircledAnd3DEditorsUnitStartup();
void CircledAnd3DEditorsUnitShutdown();
