#include "chart/export/ExportEditorPages.h"

#include "chart/editors/EditorHostedPages.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/engine/Chart.h"
#include "chart/export/ChartDataExport.h"
#include "chart/export/ExportDialog.h"
#include "chart/export/PrintPreview.h"
#include "chart/export/PrintPreviewDialog.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/PageControl.h"

namespace {

TForm* CreateExportPage(TComponent* owner, TWinControl& sheet, TCustomChart& chart) {
    auto* page = new TTeeExportForm(owner);
    page->BClose->SetVisible(false);
    EmbedTaggedEditorForm(*page, sheet, &chart);
    page->SetAlign(alClient);
    return page;
}

void ShowExportPage(TForm& form, bool hideNative) {
    auto& page = static_cast<TTeeExportForm&>(form);
    // The size estimates write the whole chart: they wait until asked for again.
    page.CBFileSize->SetChecked(false);
    page.CBPicSize->SetChecked(false);
    page.TabNative->SetTabVisible(!hideNative);
    if (hideNative && page.PageControl1->ActivePage() == page.TabNative)
        page.PageControl1->SetActivePage(page.TabPicture);
    // Shown again, the page refills itself from the chart as it is now.
    page.FormShow();
    page.EnableButtons();
}

TForm* CreatePrintPage(TComponent* owner, TWinControl& sheet, TCustomChart& chart) {
    auto* page = new TChartPreview(owner);
    page->HideCloseButton();
    EmbedTaggedEditorForm(*page, sheet, &chart);
    page->SetAlign(alClient);
    return page;
}

void ShowPrintPage(TForm& form) {
    static_cast<TChartPreview&>(form).TeePreviewPanel1->Invalidate();
}

void CopyChartData(TCustomChart& chart, bool labels, bool colors) {
    TSeriesDataText data(&chart, nullptr);
    data.SetIncludeHeader(true);
    data.SetIncludeIndex(true);
    data.SetIncludeLabels(labels);
    data.SetIncludeColors(colors);
    data.CopyToClipboard();
}

}  // namespace

void ExportEditorPagesUnitStartup() {
    TeeEditorHostedPages = {CreateExportPage, ShowExportPage, CreatePrintPage, ShowPrintPage};
    TeeCopyChartData = CopyChartData;
}

void ExportEditorPagesUnitShutdown() {
    TeeEditorHostedPages = {};
    TeeCopyChartData = nullptr;
}
