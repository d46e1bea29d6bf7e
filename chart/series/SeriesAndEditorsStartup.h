#pragma once
// Start-up of the extended series library: its series and functions join the galleries (and so
// the component stream) in gallery order, and its editor forms join the class registry under
// the names the series and functions report. Repeated calls are counted; the last shutdown
// takes every entry out again.
void ChartSeriesUnitStartup();
void ChartSeriesUnitShutdown();
