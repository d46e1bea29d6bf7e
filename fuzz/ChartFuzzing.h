#pragma once
// What the chart harnesses share: the program's own start-up (an off-screen application and every
// unit the program registers), a chart drawn into a small bitmap, and the exceptions the window
// layer's event dispatch reports to the user taken back to the harness.

class TCustomChart;

// Makes the application and registers the program's units, once.
void PrepareChartFuzzing();

// Draws the chart into a bitmap of 160 x 120 pixels, as a picture export of that size does.
void DrawChartSmall(TCustomChart& chart);

// Raises again, as it was, an exception not derived from Exception that an event handler let out
// since the last call (the program reports those to the user as if they were refusals).
void RethrowEscapedEventException();
