// The pages' buttons and tabs that open the brush, gradient and shadow editors: each opens its
// editor on the right object of the chart, and what the page does after it.
#include <gtest/gtest.h>

#include <QTabBar>
#include <string>

#include "chart/editors/BrushDialog.h"
#include "chart/editors/FontEditor.h"
#include "chart/editors/GeneralPage.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/LegendPage.h"
#include "chart/editors/PanelPage.h"
#include "chart/editors/PointerEditor.h"
#include "chart/editors/ShadowEditor.h"
#include "chart/editors/WallsPage.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/ChartWalls.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/SeriesPointer.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShadow.h"
#include "chart/foundation/TeeZoom.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/TabControl.h"
#include "tests/chart/editors/ChartPageFixture.h"
#include "tests/chart/editors/LibraryStartup.h"
#include "tests/chart/editors/ModalRunner.h"
#include "tests/platform/ui/UserInput.h"

namespace {

void ClickTab(TTabControl* tabs, int index) {
    QTabBar* bar = tabs->Widget()->findChild<QTabBar*>();
    TUserInput().Click(tabs, bar->mapTo(tabs->Widget(), bar->tabRect(index).center()));
}

// A page control's tab chosen by the user (a page set from code fires nothing).
void ChoosePage(TPageControl* pages, TTabSheet* sheet) {
    pages->SetActivePage(sheet);
    pages->OnChange(pages);
}

struct FillEditorButtonsTest : ::testing::Test {
    TLibraryStartup startup;
    TForm window{nullptr};
    TChart* chart = nullptr;
    TLineSeries* line = nullptr;

    FillEditorButtonsTest() {
        window.SetBounds(0, 0, 700, 500);
        chart = new TChart(&window);
        chart->SetParent(&window);
        chart->SetBounds(0, 0, 300, 200);
        line = new TLineSeries(&window);
        chart->AddSeries(line);
        window.Show();
    }
    std::string Bytes() {
        TMemoryStream s;
        WriteComponentToStream(s, chart);
        return std::string(s.Memory(), size_t(s.Size()));
    }
    template <class Page>
    Page* Show(Page* page) {
        page->SetParent(&window);
        page->SetBounds(300, 0, 400, 320);
        page->Show();
        return page;
    }
    // Clicks button; act runs in the dialog of class TDialog it opens.
    template <class TDialog>
    void Open(TControl* button, std::function<void(TDialog&)> act) {
        TModalRunner<TDialog> runner(&window, std::move(act));
        Click(button);
        EXPECT_TRUE(runner.Ran()) << button->Name();
    }
};

TEST_F(FillEditorButtonsTest, WallButtonsOpenTheBrushGradientAndShadowEditors) {
    TFormTeeWall* page = Show(new TFormTeeWall(&window, chart->Walls()->Left()));
    TChartWall* back = chart->Walls()->Back();
    back->SetTransparent(true);
    ClickTab(page->TabSubWalls, 3);
    ASSERT_EQ(page->Wall(), back);
    ASSERT_TRUE(page->CBTransp->Checked());
    EXPECT_TRUE(page->BShadow->Visible());
    EXPECT_TRUE(page->BImage->Enabled());

    Open<TBrushDialog>(page->BWallBrush, [&](TBrushDialog& d) {
        EXPECT_EQ(d.TheBrush, back->Brush());
        Click(d.Button3);
    });
    // Turning the gradient on makes the wall opaque.
    Open<TTeeGradientEditor>(page->BGradient, [&](TTeeGradientEditor& e) {
        EXPECT_EQ(e.Gradient(), back->Gradient());
        Click(e.CBVisible);
        Click(e.BOk);
    });
    EXPECT_TRUE(back->Gradient()->Visible());
    EXPECT_FALSE(back->Transparent());
    EXPECT_FALSE(page->CBTransp->Checked());
    Open<TTeeShadowEditor>(page->BShadow, [&](TTeeShadowEditor& e) {
        EXPECT_EQ(e.Shadow(), back->Shadow());
        e.Edit1->SetText("6");
        Click(e.BOK);
    });
    EXPECT_EQ(back->Shadow()->HorizSize(), 6);

    // A gradient left hidden keeps the wall transparent.
    back->SetTransparent(true);
    back->Gradient()->SetVisible(false);
    ClickTab(page->TabSubWalls, 0);
    ClickTab(page->TabSubWalls, 3);
    Open<TTeeGradientEditor>(page->BGradient, [&](TTeeGradientEditor& e) { Click(e.BOk); });
    EXPECT_TRUE(back->Transparent());
}

TEST_F(FillEditorButtonsTest, ZoomPatternFollowsAllowZoomAndOpensTheZoomBrush) {
    TFormTeeGeneral* page = Show(new TFormTeeGeneral(&window, chart));
    EXPECT_TRUE(page->BZoomColor->Enabled());
    Open<TBrushDialog>(page->BZoomColor, [&](TBrushDialog& d) {
        EXPECT_EQ(d.TheBrush, chart->Zoom()->Brush());
        Click(d.Button2);
    });
    Click(page->CBAllowZoom);
    EXPECT_FALSE(page->BZoomColor->Enabled());
}

TEST_F(FillEditorButtonsTest, PointerButtonsOpenTheirEditors) {
    TSeriesPointer& pointer = *line->Pointer();
    pointer.SetVisible(true);
    auto* editor = new TSeriesPointerEditor(&window);
    editor->SetTagObject(line);
    Show(editor);
    Open<TBrushDialog>(editor->BPointFillColor, [&](TBrushDialog& d) {
        EXPECT_EQ(d.TheBrush, pointer.Brush());
        Click(d.Button2);
    });
    Open<TTeeShadowEditor>(editor->Button2, [&](TTeeShadowEditor& e) {
        EXPECT_EQ(e.Shadow(), pointer.Shadow());
        Click(e.BOK);
    });
    // Without its full gradient the pointer's editor offers one colour only.
    for (bool full : {false, true}) {
        pointer.FullGradient = full;
        Open<TTeeGradientEditor>(editor->BGradient, [&](TTeeGradientEditor& e) {
            EXPECT_EQ(e.Gradient(), pointer.Gradient());
            EXPECT_EQ(e.SingleColor(), !full);
            EXPECT_TRUE(e.CBVisible->Visible());
            Click(e.BCancel);
        });
    }
    Click(editor->CBDrawPoint);
    EXPECT_FALSE(editor->BPointFillColor->Enabled());
}

TEST_F(FillEditorButtonsTest, FontShadowAndGradientPagesAreBuiltOnceOnTheirFirstVisit) {
    TPageControl* pages = new TPageControl(&window);
    pages->SetParent(&window);
    pages->SetBounds(300, 0, 380, 300);
    TTabSheet* sheet = new TTabSheet(&window);
    sheet->SetPageControl(pages);
    TTeeFontEditor* editor = EmbedFontEditor(sheet);
    // Without a font the gradient page stays empty.
    ChoosePage(editor->PageControl1, editor->TabGradient);
    EXPECT_EQ(editor->TabGradient->ControlCount(), 0);
    TTeeFont& font = *chart->Title()->Font();
    const std::string before = Bytes();
    editor->LoadFont(&font);
    ChoosePage(editor->PageControl1, editor->TabFont);
    ChoosePage(editor->PageControl1, editor->TabGradient);
    ASSERT_EQ(editor->TabGradient->ControlCount(), 1);
    auto* gradient = dynamic_cast<TTeeGradientEditor*>(editor->TabGradient->Controls(0));
    ASSERT_NE(gradient, nullptr);
    EXPECT_EQ(gradient->Gradient(), font.Gradient());
    ChoosePage(editor->PageControl1, editor->TabShadow);
    ASSERT_EQ(editor->TabShadow->ControlCount(), 1);
    auto* shadow = dynamic_cast<TTeeShadowEditor*>(editor->TabShadow->Controls(0));
    ASSERT_NE(shadow, nullptr);
    EXPECT_EQ(shadow->Shadow(), font.Shadow());
    EXPECT_EQ(Bytes(), before);
    // A second visit builds nothing more; another font reloads both.
    ChoosePage(editor->PageControl1, editor->TabGradient);
    EXPECT_EQ(editor->TabGradient->ControlCount(), 1);
    TTeeFont other;
    editor->LoadFont(&other);
    EXPECT_EQ(gradient->Gradient(), other.Gradient());
    EXPECT_EQ(shadow->Shadow(), other.Shadow());
    shadow->Edit1->SetText("4");
    EXPECT_EQ(other.Shadow()->HorizSize(), 4);
    TObject::Free(editor);
}

TEST_F(FillEditorButtonsTest, FontDialogCancelTakesBackShadowAndGradientChanges) {
    TTeeFont& font = *chart->Title()->Font();
    const std::string before = Bytes();
    TModalRunner<TTeeFontEditor> runner(&window, [&](TTeeFontEditor& e) {
        ChoosePage(e.PageControl1, e.TabShadow);
        dynamic_cast<TTeeShadowEditor*>(e.TabShadow->Controls(0))->Edit1->SetText("5");
        ChoosePage(e.PageControl1, e.TabGradient);
        Click(dynamic_cast<TTeeGradientEditor*>(e.TabGradient->Controls(0))->CBVisible);
        EXPECT_EQ(font.Shadow()->HorizSize(), 5);
        EXPECT_TRUE(font.Gradient()->Visible());
        Click(e.Button2);
    });
    EXPECT_FALSE(ShowFontEditor(&window, &font));
    EXPECT_TRUE(runner.Ran());
    EXPECT_EQ(Bytes(), before);
}

TEST_F(FillEditorButtonsTest, PanelGradientAndShadowTabsEditThePanel) {
    TFormTeePanel* page = Show(new TFormTeePanel(&window, chart));
    EXPECT_EQ(page->PageControl1->ActivePage(), page->TabColor);
    EXPECT_TRUE(page->TabImage->TabVisible());
    const std::string before = Bytes();
    ChoosePage(page->PageControl1, page->TabGradient);
    ChoosePage(page->PageControl1, page->TabShadow);
    EXPECT_EQ(Bytes(), before);
    ASSERT_EQ(page->TabGradient->ControlCount(), 1);
    auto* gradient = dynamic_cast<TTeeGradientEditor*>(page->TabGradient->Controls(0));
    ASSERT_NE(gradient, nullptr);
    EXPECT_FALSE(gradient->BOk->Visible());
    Click(gradient->CBVisible);
    EXPECT_TRUE(chart->Gradient()->Visible());
    auto* shadow = dynamic_cast<TTeeShadowEditor*>(page->TabShadow->Controls(0));
    ASSERT_NE(shadow, nullptr);
    shadow->EVertSize->SetText("9");
    EXPECT_EQ(chart->Shadow()->VertSize(), 9);
}

TEST_F(FillEditorButtonsTest, LegendSymbolGradientIsOneColouredAndItsShadowOpens) {
    TLegendSymbol& symbol = *chart->Legend()->Symbol();
    auto* editor = Show(new TSymbolEditor(&window));
    editor->LoadSymbol(&symbol);
    Open<TTeeGradientEditor>(editor->BSymGradient, [&](TTeeGradientEditor& e) {
        EXPECT_EQ(e.Gradient(), symbol.Gradient());
        EXPECT_FALSE(e.BEnd->Visible());
        EXPECT_FALSE(e.BSwap->Visible());
        Click(e.BOk);
    });
    Open<TTeeShadowEditor>(editor->Button1, [&](TTeeShadowEditor& e) {
        EXPECT_EQ(e.Shadow(), symbol.Shadow());
        e.EShadowTransp->SetText("30");
        Click(e.BOK);
    });
    EXPECT_EQ(symbol.Shadow()->Transparency(), 30);
}

}  // namespace
