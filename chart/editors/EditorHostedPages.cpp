#include "chart/editors/EditorHostedPages.h"

#include "chart/editors/ChartEditForm.h"
#include "platform/classes/Cursors.h"
#include "platform/ui/PageControl.h"

TEditorHostedPages TeeEditorHostedPages;
std::function<void(TCustomChart& chart, bool labels, bool colors)> TeeCopyChartData;

TForm* HostedPageOf(const TWinControl& sheet) {
    for (int i = 0; i < sheet.ControlCount(); ++i)
        if (auto* form = dynamic_cast<TForm*>(sheet.Controls(i))) return form;
    return nullptr;
}

void ShowEditorExportPage(TChartEditForm& form) {
    const TEditorHostedPages& hooks = TeeEditorHostedPages;
    if (!form.Chart() || !hooks.CreateExportPage || !hooks.ShowExportPage) return;
    const bool hideNative = form.HideTabs.Contains(cetExportNative);
    if (TForm* page = HostedPageOf(*form.TabExport)) {
        hooks.ShowExportPage(*page, hideNative);
        return;
    }
    TForm* page = hooks.CreateExportPage(&form, *form.TabExport, *form.Chart());
    if (page) hooks.ShowExportPage(*page, hideNative);
}

void ShowEditorPrintPage(TChartEditForm& form) {
    const TEditorHostedPages& hooks = TeeEditorHostedPages;
    if (!form.Chart() || !hooks.CreatePrintPage || !hooks.ShowPrintPage) return;
    if (TForm* page = HostedPageOf(*form.TabPrint)) {
        hooks.ShowPrintPage(*page);
        return;
    }
    // Finding the printers may take a while.
    const TCursorGuard hourglass;
    hooks.CreatePrintPage(&form, *form.TabPrint, *form.Chart());
}
