#pragma once
// The line, point and area series classes made known to the component stream by name, so that
// a chart read from a stream finds them whether or not the series gallery registered them.
void RegisterLineSeriesClasses();
void UnregisterLineSeriesClasses();
