#pragma once
// Gives the chart editor its Export page (the export dialog, without its Close button) and its
// Print page (the print preview dialog, without its close button), each embedded in its tab
// with the edited chart.
void ExportEditorPagesUnitStartup();
void ExportEditorPagesUnitShutdown();
