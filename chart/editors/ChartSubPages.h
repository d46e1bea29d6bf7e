#pragma once
// The editor forms of the Chart page's sub-pages, made on their first visit.
class TChartEditForm;
class TCustomChart;
class TForm;

// The page form of sub-page index (cetGeneral, cetAxis, cetTitles, cetLegend, cetPanel,
// cetPaging, cetWalls, cet3D),
// owned by the dialog; none for sub-pages without an editor here.
TForm* CreateChartSubPage(TChartEditForm* dialog, TCustomChart& chart, int index);
// Reads the page's element again (each later visit of its tab).
void ReloadChartSubPage(TForm& page);
