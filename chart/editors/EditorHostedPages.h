#pragma once
// The chart editor's Export and Print pages come from the export layer, which sits above the
// editors: it sets these entries at start-up, and the editor calls them when the user opens
// either page. Without them (the export layer not started) both pages stay empty.
#include <functional>

class TChartEditForm;
class TComponent;
class TCustomChart;
class TForm;
class TWinControl;

struct TEditorHostedPages {
    // A new page owned by owner, embedded to fill sheet, on chart.
    using TCreate =
        std::function<TForm*(TComponent* owner, TWinControl& sheet, TCustomChart& chart)>;
    TCreate CreateExportPage;
    // The export page shown again: its lists refilled, the native export hidden or not.
    std::function<void(TForm& page, bool hideNative)> ShowExportPage;
    TCreate CreatePrintPage;
    // The print page shown again: its preview redrawn.
    std::function<void(TForm& page)> ShowPrintPage;
};
extern TEditorHostedPages TeeEditorHostedPages;

// The Data tab's copy: every series of chart to the clipboard as delimited text with a header
// row and point indexes, labels and colours as asked. Set by the export layer too.
extern std::function<void(TCustomChart& chart, bool labels, bool colors)> TeeCopyChartData;

// What the editor does when its Export or Print tab becomes active: the page made on the first
// visit, prepared again on each later one.
void ShowEditorExportPage(TChartEditForm& form);
void ShowEditorPrintPage(TChartEditForm& form);
// The page embedded in the sheet, none before its first visit.
TForm* HostedPageOf(const TWinControl& sheet);
