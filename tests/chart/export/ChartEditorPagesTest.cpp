#include <QWidget>
// The chart editor's Export and Print pages: made on the first visit with the edited chart,
// without their own Close buttons, the native export hidden as the editor's settings say, kept
// and refilled on later visits, and opening them leaves the chart as it was.
#include <gtest/gtest.h>

#include "chart/editors/ChartEditForm.h"
#include "chart/editors/EditorHostedPages.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/LineSeries.h"
#include "chart/export/ChartPictureExport.h"
#include "chart/export/ExportDialog.h"
#include "chart/export/ExportEditorPages.h"
#include "chart/export/PrintPreview.h"
#include "chart/export/PrintPreviewDialog.h"
#include "chart/foundation/FoundationStartup.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RecordingDialogService.h"
#include "platform/ui/SpeedButton.h"
#include "tests/platform/ui/UserInput.h"
#include "tests/support/ScratchSettings.h"

namespace {

class ChartEditorPagesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        LoadCoreTexts();
        LoadExtendedTexts();
        FoundationUnitStartup();
        ChartEngineUnitStartup();
        PictureExportUnitStartup();
    }
    ChartEditorPagesTest() {
        ExportEditorPagesUnitStartup();
        chart = new TChart(&window);
        chart->SetName("chPlot");
        chart->SetParent(&window);
        chart->SetBounds(0, 0, 300, 200);
        AddLine("EE");
        form = new TChartEditForm(&window);
        form->TreeVisible = false;  // the tabbed dialog, not the tree
        form->HideTabs = {cetExportNative};
        form->AssignChart(chart);
        form->Show();
    }
    ~ChartEditorPagesTest() override { ExportEditorPagesUnitShutdown(); }

    void AddLine(const char* title) {
        auto* line = new TLineSeries(&window);
        line->SetTitle(title);
        chart->AddSeries(line);
        for (int i = 0; i < 3; ++i) line->AddXYPoint(i, i * 0.5);
    }
    std::string Bytes() {
        TMemoryStream s;
        WriteComponentToStream(s, chart);
        return std::string(static_cast<const char*>(s.Memory()), size_t(s.Size()));
    }
    void Visit(TTabSheet* sheet) {
        form->MainPage->SetActivePage(sheet);
        form->MainPageChange();
    }

    TScratchSettings settings;
    TRecordingDialogService dialogs;
    TForm window{nullptr};
    TChart* chart = nullptr;
    TChartEditForm* form = nullptr;
};

TEST_F(ChartEditorPagesTest, ExportPageIsTheExportDialogOnTheChart) {
    const std::string before = Bytes();
    EXPECT_EQ(HostedPageOf(*form->TabExport), nullptr);
    Visit(form->TabExport);
    auto* page = dynamic_cast<TTeeExportForm*>(HostedPageOf(*form->TabExport));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->Owner(), form);
    EXPECT_EQ(page->ExportPanel(), chart);
    EXPECT_FALSE(page->BClose->Visible());
    EXPECT_FALSE(page->TabNative->TabVisible());
    EXPECT_TRUE(page->TabPicture->TabVisible());
    EXPECT_TRUE(page->TabData->TabVisible());
    EXPECT_EQ(page->CBSeries->Items()->CommaText(), "(all),EE");
    EXPECT_EQ(Bytes(), before);

    // Away and back: the same page, refilled from the chart as it is now, its size estimate
    // off again, and the native export offered once the settings allow it.
    page->CBPicSize->SetChecked(true);
    Visit(form->TabChart);
    AddLine("RT");
    form->HideTabs = {};
    Visit(form->TabExport);
    EXPECT_EQ(HostedPageOf(*form->TabExport), page);
    EXPECT_EQ(page->CBSeries->Items()->CommaText(), "(all),EE,RT");
    EXPECT_FALSE(page->CBPicSize->Checked());
    EXPECT_EQ(page->LabelPicSize->Caption(), "?");
    EXPECT_TRUE(page->TabNative->TabVisible());

    // Hidden again while the Native tab was open: the page goes back to Picture.
    page->PageControl1->SetActivePage(page->TabNative);
    form->HideTabs = {cetExportNative};
    Visit(form->TabChart);
    Visit(form->TabExport);
    EXPECT_EQ(page->PageControl1->ActivePage(), page->TabPicture);
    EXPECT_TRUE(page->BCopy->Enabled());
}

TEST_F(ChartEditorPagesTest, PrintPageIsThePreviewOnTheChart) {
    const std::string before = Bytes();
    Visit(form->TabPrint);
    auto* page = dynamic_cast<TChartPreview*>(HostedPageOf(*form->TabPrint));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->Owner(), form);
    EXPECT_EQ(page->TagObject(), chart);
    EXPECT_EQ(page->TeePreviewPanel1->Panel(), chart);
    EXPECT_FALSE(page->PanelClose->Visible());
    EXPECT_EQ(Bytes(), before);
    Visit(form->TabChart);
    Visit(form->TabPrint);
    EXPECT_EQ(HostedPageOf(*form->TabPrint), page);
}

// The print page's preview follows the editor's window as the user resizes it.
TEST_F(ChartEditorPagesTest, ThePrintPreviewFollowsTheWindowsSize) {
    form->Show();
    Visit(form->TabPrint);
    auto* page = dynamic_cast<TChartPreview*>(HostedPageOf(*form->TabPrint));
    ASSERT_NE(page, nullptr);
    TTeePreviewPanel* preview = page->TeePreviewPanel1;
    const int width = preview->Width(), height = preview->Height();
    form->Widget()->resize(form->Width() + 300, form->Height() + 200);
    EXPECT_EQ(preview->Width(), width + 300);
    EXPECT_EQ(preview->Height(), height + 200);
    preview->CalcPaperRect();
    const TRect paper = preview->PaperRect();
    EXPECT_GT(paper.Right - paper.Left, width);  // the page drawn larger too
}

// The Data tab's Copy puts every series on the clipboard as text, with a header row and point
// indexes, and the labels only while "Show labels" is down (as it is at first).
TEST_F(ChartEditorPagesTest, TheDataTabCopiesTheChartsDataAsText) {
    AddLine("Ray");
    chart->GetSeries(0)->SetPointLabel(1, "mid");
    Visit(form->TabData);
    auto click = [](TControl* c) { TUserInput().Click(c, QPoint(4, 4)); };
    click(form->SBCopyData);
    EXPECT_EQ(Clipboard()->AsText(),
              "Index\tText\tEE\tRay\r\n0\t\t0\t0\r\n1\tmid\t0.5\t0.5\r\n2\t\t1\t1\r\n\r\n");
    click(form->SBGridText);
    click(form->SBCopyData);
    EXPECT_EQ(Clipboard()->AsText(), "Index\tEE\tRay\r\n0\t0\t0\r\n1\t0.5\t0.5\r\n2\t1\t1\r\n\r\n");
}

TEST_F(ChartEditorPagesTest, WithoutTheExportLayerThePagesStayEmpty) {
    ExportEditorPagesUnitShutdown();
    Visit(form->TabExport);
    Visit(form->TabPrint);
    EXPECT_EQ(HostedPageOf(*form->TabExport), nullptr);
    EXPECT_EQ(HostedPageOf(*form->TabPrint), nullptr);
}

}  // namespace
