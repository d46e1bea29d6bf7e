// The worksheet source's page: each missing choice refused with its message, a complete one
// binding and loading the source, and the page reopened on the bound source showing its choices.
#include <gtest/gtest.h>

#include "ToolBench.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartValueList.h"
#include "chart/engine/PointSeries.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/tools/sources/ExcelSource.h"
#include "chart/tools/sources/ExcelSourceEditor.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "tests/support/TempDir.h"

namespace {

std::string PageMessageOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "(none)";
}

struct WorksheetSourceEditorTest : ::testing::Test {
    TToolsLibrary Library;
    TForm Window{nullptr};
    TChart* Chart = new TChart(&Window);
    TPointSeries* Series = new TPointSeries(&Window);
    WorksheetSourceEditorTest() {
        Window.SetBounds(0, 0, 420, 260);
        Chart->AddSeries(Series);
    }
    TExcelSourceForm* Open() {
        auto* page = new TExcelSourceForm(&Window);
        EmbedTaggedEditorForm(*page, Window, Series);
        return page;
    }
};

TEST_F(WorksheetSourceEditorTest, EachMissingChoiceIsRefusedAndACompleteOneLoads) {
    TExcelSourceForm* page = Open();
    ASSERT_NE(page->Source(), nullptr);
    EXPECT_FALSE(page->CBSources->Visible());
    EXPECT_FALSE(page->CBWorkSheet->Enabled());
    EXPECT_FALSE(page->EValFrom->Enabled());
    EXPECT_TRUE(page->BApply->Enabled());  // the series' source is not this one yet

    EXPECT_EQ(PageMessageOf([&] { page->BApplyClick(); }), "Excel file empty");
    std::string workbook = KV_TOOLS_DATA;  // appended: GCC 12 warns falsely on + here
    page->EFileName->SetText(workbook.append("/chart.xlsx"));
    page->FillWorkSheets();
    ASSERT_EQ(page->CBWorkSheet->Items()->Count(), 3);
    EXPECT_TRUE(page->CBWorkSheet->Enabled());
    EXPECT_EQ(PageMessageOf([&] { page->BApplyClick(); }), "Excel WorkSheet must be specified");
    page->CBWorkSheet->SetItemIndex(0);
    page->CBWorkSheet->OnChange(page->CBWorkSheet);
    EXPECT_TRUE(page->EValFrom->Enabled());
    EXPECT_EQ(PageMessageOf([&] { page->BApplyClick(); }),
              "Range must be specified. (ie: From A1 to A10)");
    page->EValFrom->SetText("C2");
    EXPECT_EQ(PageMessageOf([&] { page->BApplyClick(); }),
              "Range must be specified. (ie: From A1 to A10)");
    EXPECT_EQ(Series->DataSource(), nullptr);

    page->EValTo->SetText("C6");
    page->ELabFrom->SetText("A2");
    page->ELabTo->SetText("A6");
    page->BApplyClick();
    EXPECT_FALSE(page->BApply->Enabled());
    TTeeExcelSource* source = page->Source();
    EXPECT_EQ(Series->DataSource(), source);
    EXPECT_TRUE(source->Active());
    EXPECT_EQ(source->WorkSheet(), "Chart");
    ASSERT_EQ(Series->Count(), 5);
    EXPECT_EQ(Series->YValues()[4], 30);
    EXPECT_EQ(Series->Labels().Label(0), "Jan");

    // Opened again on the bound source: its choices, nothing to apply.
    TObject::Free(page);
    TExcelSourceForm* again = Open();
    EXPECT_EQ(again->Source(), source);
    EXPECT_EQ(again->EValFrom->Text(), "C2");
    EXPECT_EQ(again->ELabTo->Text(), "A6");
    EXPECT_EQ(again->CBWorkSheet->ItemIndex(), 0);
    EXPECT_TRUE(again->EValTo->Enabled());
    EXPECT_FALSE(again->BApply->Enabled());
}

TEST_F(WorksheetSourceEditorTest, AnUnreadableFileLeavesTheSheetListEmptyAndDisabled) {
    TTempDir dir;
    const std::string file = dir.File("notes.xls");
    { TFileStream(file, fmCreate).Write("not a workbook", 14); }
    TExcelSourceForm* page = Open();
    page->EFileName->SetText(file);
    EXPECT_THROW(page->FillWorkSheets(), Exception);
    EXPECT_EQ(page->CBWorkSheet->Items()->Count(), 0);
    EXPECT_FALSE(page->CBWorkSheet->Enabled());
}

}  // namespace
