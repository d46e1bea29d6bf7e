#pragma once
// Gives the chart editor its Export page (the export dialog, without its Close button) and its
// Print page (the print preview dialog, without its close button), each embedded in its tab
// with the edited chart, and the Data tab's copy of the chart's data as text.
void ExportEditorPagesUnitStartup();
void ExportEditorPagesUnitShutdown();
