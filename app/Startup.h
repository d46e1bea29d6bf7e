#pragma once
// The program's start-up registrations, in a fixed order: each unit after the units it uses.

// Registers the drawing classes, the picture formats and the picture filters, and loads the chart
// library's texts and default colours. Call once, after the application object exists (text needs
// it).
void RegisterProgramUnits();
