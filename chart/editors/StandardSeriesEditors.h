#pragma once
// Start-up of the editors of the standard series (line, fast line, area, bar and its stacking
// page): their form classes join the class registry under the names the series report, so that
// the series page finds them. Repeated calls are counted; shutdown only counts back (the
// registry keeps the classes).
void StandardSeriesEditorsUnitStartup();
void StandardSeriesEditorsUnitShutdown();
