// The pages that take in the framed-shape editor's pages: the legend page (for the legend and
// for its title) and the titles page. Showing them changes nothing; the moved pages edit the
// element the page shows and build their sub-editors there.
#include <gtest/gtest.h>

#include "chart/editors/FontEditor.h"
#include "chart/editors/LegendPage.h"
#include "chart/editors/ShapeEditor.h"
#include "chart/editors/TitlesPage.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartTitle.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RecordingDialogService.h"
#include "tests/chart/editors/LibraryStartup.h"

namespace {

struct ShapeEditorHostsTest : ::testing::Test {
    TLibraryStartup startup;
    TRecordingDialogService dialogs;
    TForm window{nullptr};
    TChart* chart = nullptr;

    ShapeEditorHostsTest() {
        window.SetBounds(0, 0, 480, 340);
        chart = new TChart(&window);
        chart->SetName("Chart1");
        window.Show();
    }
    std::string Bytes() {
        TMemoryStream s;
        WriteComponentToStream(s, chart);
        return std::string(s.Memory(), size_t(s.Size()));
    }
    template <class TPage>
    TPage* Show(TPage* page) {
        page->SetParent(&window);
        page->Show();
        return page;
    }
    static std::vector<std::string> Captions(TPageControl* pages) {
        std::vector<std::string> captions;
        for (int i = 0; i < pages->PageCount(); ++i) captions.push_back(pages->Pages(i)->Caption());
        return captions;
    }
    static void Visit(TPageControl* pages, TTabSheet* page) {
        pages->SetActivePage(page);
        pages->OnChange(pages);
    }
    static void Toggle(TCheckBox* box) { box->SetChecked(!box->Checked()); }
};

using TCaptions = std::vector<std::string>;

TEST_F(ShapeEditorHostsTest, LegendPageEditsTheLegendAndItsTitleThroughShapePages) {
    TChartLegend& legend = *chart->Legend();
    const std::string before = Bytes();
    TFormTeeLegend* page = Show(TFormTeeLegend::CreateForLegend(&window, &legend));
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(Captions(page->PageControl1),
              (TCaptions{"Style", "Position", "Symbols", "Title", "Format", "Border", "Text",
                         "Gradient", "Shadow", "Picture"}));
    EXPECT_EQ(Captions(page->PageControl2),
              (TCaptions{"Options", "Format", "Border", "Text", "Gradient", "Shadow", "Picture"}));
    EXPECT_EQ(page->PageControl1->ActivePage(), page->TabStyle);
    EXPECT_EQ(page->PageControl2->ActivePage(), page->TabTitleOptions);

    TFormTeeShape& shape = *page->ShapeEditor();
    TFormTeeShape& titleShape = *page->TitleShapeEditor();
    EXPECT_EQ(shape.Shape(), &legend);
    EXPECT_EQ(titleShape.Shape(), legend.Title());
    Toggle(shape.CBTransparent);
    EXPECT_EQ(legend.Transparent(), shape.CBTransparent->Checked());
    Toggle(titleShape.CBTransparent);
    EXPECT_EQ(legend.Title()->Transparent(), titleShape.CBTransparent->Checked());
    EXPECT_EQ(legend.Transparent(), shape.CBTransparent->Checked());

    Visit(page->PageControl1, shape.TabText);
    ASSERT_EQ(shape.TabText->ControlCount(), 1);
    EXPECT_EQ(dynamic_cast<TTeeFontEditor*>(shape.TabText->Controls(0))->Font(), legend.Font());
    Visit(page->PageControl2, titleShape.TabText);
    ASSERT_EQ(titleShape.TabText->ControlCount(), 1);
    EXPECT_EQ(dynamic_cast<TTeeFontEditor*>(titleShape.TabText->Controls(0))->Font(),
              legend.Title()->Font());
    TObject::Free(page);
}

TEST_F(ShapeEditorHostsTest, TitlesPageFollowsTheChosenTitle) {
    const std::string before = Bytes();
    TFormTeeTitle* page = Show(TFormTeeTitle::CreateForTitle(&window, chart->Title(), chart));
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(Captions(page->PageControl1),
              (TCaptions{"Style", "Format", "Border", "Text", "Gradient", "Shadow", "Picture"}));
    EXPECT_EQ(page->PageControl1->ActivePage(), page->TabStyle);
    TFormTeeShape& shape = *page->ShapeEditor();
    EXPECT_EQ(shape.Shape(), chart->Title());

    // Another title chosen: the shape pages edit that one.
    page->CBTitles->SetItemIndex(3);
    page->CBTitles->OnChange(page->CBTitles);
    EXPECT_EQ(shape.Shape(), chart->Foot());
    EXPECT_EQ(Bytes(), before);
    shape.EBevWidth->SetText("6");
    EXPECT_EQ(chart->Foot()->BevelWidth(), 6);
    EXPECT_NE(chart->Title()->BevelWidth(), 6);
    Visit(page->PageControl1, shape.TabImage);
    EXPECT_EQ(shape.TabImage->ControlCount(), 1);
    TObject::Free(page);
}

}  // namespace
