#pragma once
// The series gallery's "Standard" page: the nine standard series types in the gallery's order.
// Called from the start-up of the chart editor's gallery, and by any start-up that reads charts
// from streams (registering makes the classes known to the stream by name). Registering twice
// adds nothing.
void RegisterStandardSeriesTypes();
