// The chart editor opened as the workbench opens it, driven with the mouse and closed by the
// user; its settings in a settings store of its own.
#include <gtest/gtest.h>

#include <QTimer>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <optional>

#include "chart/editors/AxisIncrementDialog.h"
#include "chart/editors/AxisPage.h"
#include "chart/editors/ChartEditForm.h"
#include "chart/editors/ChartEditor.h"
#include "chart/editors/ChartEditorPanel.h"
#include "chart/editors/ChartGrid.h"
#include "chart/editors/ChartListBox.h"
#include "chart/editors/LegendPage.h"
#include "chart/editors/PanelPage.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/SeriesPage.h"
#include "chart/editors/StringsEditor.h"
#include "chart/editors/TitlesPage.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/PointSeries.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/BackImage.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/EditorOptions.h"
#include "chart/foundation/FoundationStartup.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Registry.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Memo.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/RecordingDialogService.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/editors/ChartPageFixture.h"
#include "tests/chart/editors/ModalRunner.h"
#include "tests/platform/ui/UserInput.h"
#include "tests/support/ScratchSettings.h"
#include "tests/support/TempDir.h"

namespace {

struct ChartEditorTest : ::testing::Test {
    TLibraryStartup startup;
    TScratchSettings settings;
    TRecordingDialogService dialogs;
    TForm window{nullptr};
    TChart* chart = nullptr;
    TLineSeries* line = nullptr;
    TPointSeries* points = nullptr;
    TChartEditor* ce = nullptr;

    ChartEditorTest() {
        chart = new TChart(&window);
        chart->SetName("chCavity");
        chart->SetParent(&window);
        chart->SetBounds(0, 0, 300, 200);
        line = new TLineSeries(&window);
        line->SetName("Series1");
        chart->AddSeries(line);
        points = new TPointSeries(&window);
        points->SetName("Series2");
        chart->AddSeries(points);
        for (int i = 0; i < 5; ++i) {
            line->AddXYPoint(i, i * i);
            points->AddXYPoint(i, 10 - i);
        }
        // The workbench's settings.
        ce = new TChartEditor(&window);
        ce->HideTabs = {cetGeneral, cetPaging, cetWalls, cet3D, cetExportNative, cetTools};
        ce->HighLightTabs = true;
        ce->Options = {ceTitle};
        ce->Title = "Edit Graph";
        ce->SetChart(chart);
    }

    // Runs the editor; act is the user's part, after which the dialog is closed with Close.
    void Edit(const std::function<void(TChartEditForm&)>& act) { EditChart(ce, act); }
    static void ShowSubPage(TChartEditForm& f, TTabSheet* sheet) {
        f.SubPage->SetActivePage(sheet);
        f.SubPageChange();
    }
};

TEST_F(ChartEditorTest, DefaultComponent) {
    TChartEditor editor(nullptr);
    EXPECT_EQ(editor.Options.Mask(), 1919u);
    EXPECT_TRUE(editor.HideTabs.Empty());
    EXPECT_EQ(editor.DefaultTab, cetMain);
    EXPECT_TRUE(editor.AutoRepaint);
}

TEST_F(ChartEditorTest, TheWorkbenchConfigurationOpensOnTheFirstSeries) {
    Edit([&](TChartEditForm& f) {
        EXPECT_EQ(f.Caption(), "Edit Graph");
        auto visibleTabs = [](TPageControl* pages) {
            std::vector<std::string> tabs;
            for (int i = 0; i < pages->PageCount(); ++i)
                if (pages->Pages(i)->TabVisible()) tabs.push_back(pages->Pages(i)->Caption());
            return tabs;
        };
        EXPECT_EQ(visibleTabs(f.MainPage),
                  (std::vector<std::string>{"Chart", "Series", "Data", "Export", "Print"}));
        EXPECT_EQ(visibleTabs(f.SubPage),
                  (std::vector<std::string>{"Series", "Axis", "Titles", "Legend", "Panel"}));
        EXPECT_EQ(f.MainPage->ActivePage(), f.TabChart);
        EXPECT_EQ(f.SubPage->ActivePage(), f.TabSeriesList);
        ASSERT_EQ(f.LBSeries->Count(), 2);
        EXPECT_EQ(f.LBSeries->ItemIndex(), 0);
        EXPECT_EQ(f.SelectedSeries(), line);
        EXPECT_TRUE(f.BRenameSeries->Enabled());
        for (TButton* b : {f.BAddSeries, f.BDeleteSeries, f.BCloneSeries, f.BChangeTypeSeries})
            EXPECT_FALSE(b->Enabled()) << b->Caption();
        EXPECT_FALSE(f.BMoveUP->Visible());
        EXPECT_FALSE(f.BMoveDown->Visible());
        EXPECT_FALSE(f.ButtonHelp->Visible());
        EXPECT_FALSE(f.LBSeries->AllowAddSeries);
        EXPECT_FALSE(f.LBSeries->AllowDeleteSeries);
        EXPECT_FALSE(f.LBSeries->EnableDragSeries);
    });
    // The rest of the double click that opened the editor is not the chart's.
    EXPECT_TRUE(chart->CancelMouse());
}

TEST_F(ChartEditorTest, OnCloseFiresAndTheRepaintSwitchComesBackWhenShowingFails) {
    ce->AutoRepaint = false;
    std::vector<std::string> events;
    ce->OnShow = [&](TObject*) { events.push_back("show"); };
    ce->OnClose = [&](TObject*) { events.push_back("close"); };
    // The form hook runs with the chart's repaints held; it fails.
    FormHook = [&](TForm*, void*, int) {
        EXPECT_FALSE(chart->AutoRepaint());
        throw EAbort("failed");
    };
    EXPECT_THROW(ce->Execute(), EAbort);
    FormHook = nullptr;
    EXPECT_EQ(events, (std::vector<std::string>{"show", "close"}));
    EXPECT_TRUE(chart->AutoRepaint());
    EXPECT_FALSE(chart->CancelMouse());
}

TEST_F(ChartEditorTest, SeriesAndChartFollowEachOther) {
    TChart other(&window);
    auto* s = new TLineSeries(&window);
    other.AddSeries(s);
    ce->SetSeries(s);
    EXPECT_EQ(ce->Chart(), &other);
    ce->SetChart(chart);
    EXPECT_EQ(ce->Series(), nullptr);
    TObject::Free(chart);
    chart = nullptr;
    EXPECT_EQ(ce->Chart(), nullptr);
}

TEST_F(ChartEditorTest, LoadingEveryPageChangesNothingInTheChart) {
    const std::string before = Bytes(chart);
    Edit([&](TChartEditForm& f) {
        for (TTabSheet* sheet :
             {f.TabAxis, f.TabTitle, f.TabLegend, f.TabPanel, f.TabAxis, f.TabLegend, f.TabTitle})
            ShowSubPage(f, sheet);
        f.MainPage->SetActivePage(f.TabData);
        f.MainPageChange();
        EXPECT_EQ(f.ChartGrid1->Chart(), chart);
        EXPECT_TRUE(f.ChartGrid1->HasPoints());
        EXPECT_FALSE(f.ChartGrid1->ShowColors());
        f.LBSeriesEditSeries();
        EXPECT_EQ(f.MainPage->ActivePage(), f.TabSeries);

        ASSERT_NE(f.SeriesPage(), nullptr);
        EXPECT_EQ(f.SeriesPage()->Series(), line);
    });
    EXPECT_EQ(Bytes(chart), before);
}

TEST_F(ChartEditorTest, AxisRangeTitleAndLegendChangedThroughTheControls) {
    dialogs.Answers.clear();
    Edit([&](TChartEditForm& f) {
        // The left axis: a fixed maximum through the limit dialog.
        ShowSubPage(f, f.TabAxis);
        auto* axisPage = dynamic_cast<TFormTeeAxis*>(f.SubPageForm(cetAxis));
        ASSERT_NE(axisPage, nullptr);
        EXPECT_EQ(axisPage->Axis(), chart->LeftAxis());
        EXPECT_EQ(axisPage->LBAxes->Count(), 6);
        EXPECT_EQ(axisPage->LBAxes->ItemIndex(), 0);
        TModalRunner<TAxisMaxMin> limit(axisPage, [](TAxisMaxMin& d) {
            EXPECT_EQ(d.Caption(), "Maximum Left Axis");
            d.EMaximum->SetText("42");
            Click(d.BOk);
        });
        Click(axisPage->BAxisMax);
        EXPECT_TRUE(limit.Ran());
        EXPECT_EQ(chart->LeftAxis()->Maximum(), 42);
        EXPECT_FALSE(chart->LeftAxis()->AutomaticMaximum());
        EXPECT_FALSE(axisPage->CBAutoMax->Checked());

        // The title's text through its memo.
        ShowSubPage(f, f.TabTitle);
        auto* titles = dynamic_cast<TFormTeeTitle*>(f.SubPageForm(cetTitles));
        ASSERT_NE(titles, nullptr);
        titles->MText->SetText("Cavity\r\nprofile");
        EXPECT_EQ(chart->Title()->Text()->Count(), 2);
        EXPECT_EQ(chart->Title()->Text()->Strings(1), "profile");

        // The legend: hidden, then at the bottom.
        ShowSubPage(f, f.TabLegend);
        auto* legend = dynamic_cast<TFormTeeLegend*>(f.SubPageForm(cetLegend));
        ASSERT_NE(legend, nullptr);
        Click(legend->CBShow);
        EXPECT_FALSE(chart->Legend()->Visible());
        legend->RGPosition->SetItemIndex(3);
        EXPECT_EQ(chart->Legend()->Alignment(), laBottom);
    });
}

TEST_F(ChartEditorTest, SeriesColourAndTitleChangedThroughTheControls) {
    dialogs.ColorAnswers.push_back(TColor(0x123456));
    dialogs.InputAnswers.push_back(std::string("Profile"));
    Edit([&](TChartEditForm& f) {
        Click(f.BRenameSeries);
        EXPECT_EQ(line->Title(), "Profile");
        EXPECT_EQ(f.LBSeries->Items()->Strings(0), "Profile");
        f.LBSeriesEditSeries();
        TFormTeeSeries* page = f.SeriesPage();
        ASSERT_NE(page, nullptr);
        EXPECT_TRUE(page->PaintBox1->Visible());
        page->PaintBox1Click();
    });
    EXPECT_EQ(line->SeriesColor(), TColor(0x123456));
    ASSERT_EQ(dialogs.InputQueries.size(), 1u);
    EXPECT_EQ(dialogs.InputQueries[0].Caption, "Change Series Title");
    EXPECT_EQ(dialogs.InputQueries[0].Value, "Series1");
}

TEST_F(ChartEditorTest, ASeriesFreedElsewhereLeavesTheListsAndThePage) {
    Edit([&](TChartEditForm& f) {
        f.LBSeriesEditSeries();
        ASSERT_EQ(f.SeriesPage()->Series(), line);
        TObject::Free(line);
        line = nullptr;
        ASSERT_EQ(f.LBSeries->Count(), 1);
        EXPECT_EQ(f.LBSeries->Items()->Objects(0), points);
        EXPECT_EQ(f.SeriesPage()->Series(), nullptr);
        EXPECT_EQ(f.SeriesPage()->CBSeries->Items()->Count(), 1);
        EXPECT_EQ(f.SeriesPage()->CBSeries->Items()->Objects(0), points);
    });
}

TEST_F(ChartEditorTest, RevisitingTheLegendKeepsOneSymbolEditor) {
    Edit([&](TChartEditForm& f) {
        for (int visit = 0; visit < 3; ++visit) {
            ShowSubPage(f, f.TabLegend);
            ShowSubPage(f, f.TabAxis);
        }
        auto* legend = dynamic_cast<TFormTeeLegend*>(f.SubPageForm(cetLegend));
        ASSERT_NE(legend, nullptr);
        int editors = 0;
        for (int i = 0; i < legend->TabSymbols->ControlCount(); ++i)
            editors += dynamic_cast<TSymbolEditor*>(legend->TabSymbols->Controls(i)) != nullptr;
        EXPECT_EQ(editors, 1);
        legend->PageControl1->SetActivePage(legend->TabSymbols);
        Click(legend->SymbolEditor->CBSquared);
        EXPECT_TRUE(chart->Legend()->Symbol()->Squared());
        EXPECT_FALSE(legend->SymbolEditor->SEColWi->Enabled());
        EXPECT_FALSE(legend->SymbolEditor->BSymPen->Enabled());  // the default border
        Click(legend->SymbolEditor->CBSymPen);
        EXPECT_FALSE(chart->Legend()->Symbol()->DefaultPen());
        EXPECT_TRUE(legend->SymbolEditor->BSymPen->Enabled());
    });
}

TEST_F(ChartEditorTest, PanelMarginsAndDefaultColour) {
    chart->SetColor(clBtnFace);
    chart->SetMarginTop(40);
    chart->SetMarginBottom(40);
    Edit([&](TChartEditForm& f) {
        ShowSubPage(f, f.TabPanel);
        auto* page = dynamic_cast<TFormTeePanel*>(f.SubPageForm(cetPanel));
        ASSERT_NE(page, nullptr);
        EXPECT_TRUE(page->CBColorDef->Checked());
        EXPECT_FALSE(page->CBColorDef->Enabled());
        // In percent a top margin of 60 beside a bottom one of 40 is refused.
        page->SETopMa->SetText("60");
        EXPECT_EQ(chart->MarginTop(), 40);
        EXPECT_EQ(page->UDTopMa->Position(), 40);
        page->SETopMa->SetText("55");
        EXPECT_EQ(chart->MarginTop(), 55);
        // In pixels anything goes.
        page->CBMarUnits->SetItemIndex(1);
        page->CBMarUnits->OnChange(page->CBMarUnits);
        EXPECT_EQ(chart->MarginUnits(), muPixels);
        EXPECT_EQ(page->UDTopMa->Max(), 2000);
        page->SETopMa->SetText("1500");
        page->SEBotMa->SetText("1500");
        EXPECT_EQ(chart->MarginTop(), 1500);
        EXPECT_EQ(chart->MarginBottom(), 1500);
    });
    EXPECT_TRUE(PanelMarginAccepted(muPercent, 59, 40));
    EXPECT_FALSE(PanelMarginAccepted(muPercent, 60, 40));
    EXPECT_TRUE(PanelMarginAccepted(muPixels, 60, 40));
}

TEST_F(ChartEditorTest, DefaultTabOpensTheNearestVisiblePage) {
    const struct {
        TChartEditorTab tab;
        TChartEditorHiddenTabs hidden;
        const char* page;
    } cases[] = {
        {cetPaging, {cetGeneral, cetPaging, cetWalls, cet3D}, "Panel"},
        {cetAxis, {}, "Axis"},
        {cet3D,
         {cetMain, cetGeneral, cetAxis, cetTitles, cetLegend, cetPanel, cetPaging, cetWalls, cet3D},
         "Data"},
        {cet3D,
         {cetMain, cetGeneral, cetAxis, cetTitles, cetLegend, cetPanel, cetPaging, cetWalls, cet3D,
          cetSeriesData},
         "Export"},  // no tool types are registered: the Tools page is hidden
    };
    for (const auto& c : cases) {
        ce->DefaultTab = c.tab;
        ce->HideTabs = c.hidden;
        Edit([&](TChartEditForm& f) {
            TTabSheet* shown = f.MainPage->ActivePage() == f.TabChart ? f.SubPage->ActivePage()
                                                                      : f.MainPage->ActivePage();
            EXPECT_EQ(shown->Caption(), c.page);
            // Every sub-page hidden hides the Chart tab too.
            EXPECT_EQ(f.TabChart->TabVisible(), (c.hidden.Mask() & 0x1FF) != 0x1FF);
        });
    }
}

TEST_F(ChartEditorTest, SettingsAreReadWithTheirBoundsAndWritten) {
    WriteEditorOptionInt("Width", 50);
    WriteEditorOptionInt("Height", 600);
    WriteEditorOptionInt("Left", 100000);
    // The size is remembered whether the position is or not.
    Edit([&](TChartEditForm& f) { EXPECT_EQ(f.Width(), 100); });
    ce->RememberPosition = true;
    Edit([&](TChartEditForm& f) {
        EXPECT_EQ(f.Width(), 100);
        EXPECT_EQ(f.Height(), 600);
        EXPECT_GE(f.Left(), 0);
        f.SetBounds(f.Left(), f.Top(), 414, 400);
    });
    // Back at its created width the dialog forgets the remembered one.
    EXPECT_EQ(ReadEditorOptionInt("Width", -1), -1);
    EXPECT_EQ(ReadEditorOptionInt("Height", -1), 400);
    EXPECT_FALSE(ReadEditorOptionBool("SeriesGroups", true));
}

}  // namespace

namespace {

struct AxisPageTest : ChartEditorTest {
    // Runs the editor on its Axis page.
    void EditAxis(const std::function<void(TFormTeeAxis&)>& act) {
        Edit([&](TChartEditForm& f) {
            ShowSubPage(f, f.TabAxis);
            auto* page = dynamic_cast<TFormTeeAxis*>(f.SubPageForm(cetAxis));
            ASSERT_NE(page, nullptr);
            act(*page);
        });
    }
};

TEST_F(AxisPageTest, LogarithmicRefusedPutsTheBoxBack) {
    chart->LeftAxis()->SetLimits(-5, 5);
    EditAxis([&](TFormTeeAxis& page) {
        Click(page.CBLogarithmic);
        EXPECT_FALSE(chart->LeftAxis()->Logarithmic());
        EXPECT_FALSE(page.CBLogarithmic->Checked());
        EXPECT_FALSE(page.ELogBase->Enabled());
    });
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    // The application's error report ends the axis's message with a period.
    EXPECT_EQ(dialogs.Messages[0].Text, "Logarithmic Axis Min and Max values should be >= 0.");
}

TEST_F(AxisPageTest, LogBaseIgnoresOneAndZeroAndTracksE) {
    EditAxis([&](TFormTeeAxis& page) {
        Click(page.CBLogarithmic);
        ASSERT_TRUE(chart->LeftAxis()->Logarithmic());
        for (const char* text : {"1", "0", "x"}) {
            page.ELogBase->SetText(text);
            EXPECT_EQ(chart->LeftAxis()->LogarithmicBase(), 10) << text;
        }
        page.ELogBase->SetText("2");
        EXPECT_EQ(chart->LeftAxis()->LogarithmicBase(), 2);
        EXPECT_FALSE(page.LogE->Checked());
        Click(page.LogE);
        EXPECT_EQ(chart->LeftAxis()->LogarithmicBase(), std::numbers::e);
        EXPECT_TRUE(page.LogE->Checked());
        EXPECT_FALSE(page.LogE->Enabled());
    });
}

TEST_F(AxisPageTest, IncrementShowAllLabelsAndFormat) {
    chart->LeftAxis()->SetLabelsSeparation(30);
    EditAxis([&](TFormTeeAxis& page) {
        TModalRunner<TAxisIncrement> runner(&page, [](TAxisIncrement& d) {
            EXPECT_EQ(d.Caption(), "Desired Left Axis Increment");
            EXPECT_FALSE(d.RGIncrement->Visible());
            d.ECustom->SetText("x");
            Click(d.BOk);  // refused, the dialog stays
            d.ECustom->SetText("2.5");
            Click(d.BOk);
        });
        Click(page.BIncre);
        EXPECT_TRUE(runner.Ran());
        EXPECT_EQ(chart->LeftAxis()->Increment(), 2.5);
        EXPECT_EQ(page.LAxisIncre->Caption(), "2.5");
        // Show all labels, then not: the separation is 10 whatever it was.
        Click(page.CBShowAll);
        EXPECT_EQ(chart->LeftAxis()->LabelsSeparation(), 0);
        Click(page.CBShowAll);
        EXPECT_EQ(chart->LeftAxis()->LabelsSeparation(), 10);
        page.CBFormat->SetText("0.00");
        page.CBFormat->OnChange(page.CBFormat);
        EXPECT_EQ(chart->LeftAxis()->AxisValuesFormat(), "0.00");
    });
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Text.rfind("Incorrect value. Reason: ", 0), 0u);
}

TEST_F(AxisPageTest, CustomAxesAreAddedAndDeleted) {
    EditAxis([&](TFormTeeAxis& page) {
        EXPECT_FALSE(page.BDelete->Enabled());
        Click(page.BAdd);
        Click(page.BAdd);
        ASSERT_EQ(page.LBAxes->Count(), 8);
        EXPECT_EQ(page.LBAxes->Items()->Strings(7), "Custom 1");
        EXPECT_EQ(page.LBAxes->ItemIndex(), 7);
        EXPECT_TRUE(page.BDelete->Enabled());
        points->SetCustomVertAxis(page.Axis());
        Click(page.BDelete);
        EXPECT_EQ(page.LBAxes->Count(), 7);
        EXPECT_EQ(page.LBAxes->ItemIndex(), 6);
        EXPECT_EQ(chart->CustomAxes()->Count(), 1);
        // The series bound to the freed axis is back on a standard one.
        EXPECT_EQ(points->CustomVertAxis(), nullptr);
    });
}

TEST(AxisIncrementDialog, DateTimeStepsAndCustomText) {
    TFormatSettingsGuard pin{TFormatSettings{}};
    TAxisIncrement d(nullptr);
    d.Prepare(true, true, 7);
    EXPECT_EQ(d.RGIncrement->ItemIndex(), 0);
    EXPECT_EQ(d.CBSteps->ItemIndex(), 19);
    EXPECT_FALSE(d.ECustom->Enabled());
    d.RGIncrement->SetItemIndex(1);
    EXPECT_TRUE(d.ECustom->Enabled());
    EXPECT_FALSE(d.Exact());
    EXPECT_FALSE(d.CBExact->Enabled());
    EXPECT_EQ(d.ECustom->Text(), "7");
    TAxisIncrement e(nullptr);
    e.Prepare(true, false, 1.5);
    EXPECT_EQ(e.RGIncrement->ItemIndex(), 1);
    EXPECT_EQ(e.CBSteps->ItemIndex(), -1);
    e.RGIncrement->SetItemIndex(0);
    EXPECT_TRUE(e.Exact());
    EXPECT_TRUE(e.CBExact->Checked());
    EXPECT_EQ(e.CBSteps->ItemIndex(), 0);
}

}  // namespace

namespace {

struct LegendPageTest : ChartEditorTest {
    void EditLegend(const std::function<void(TFormTeeLegend&)>& act) {
        Edit([&](TChartEditForm& f) {
            ShowSubPage(f, f.TabLegend);
            auto* page = dynamic_cast<TFormTeeLegend*>(f.SubPageForm(cetLegend));
            ASSERT_NE(page, nullptr);
            act(*page);
        });
    }
    static void Choose(TComboBox* combo, int index) {
        combo->SetItemIndex(index);
        combo->OnChange(combo);
    }
};

TEST_F(LegendPageTest, CustomPositionSwitchesResizeChartOff) {
    chart->Legend()->SetResizeChart(true);
    EditLegend([&](TFormTeeLegend& page) {
        page.PageControl1->SetActivePage(page.TabPosition);
        EXPECT_FALSE(page.ECustLeft->Enabled());
        Click(page.CBCustPos);
        EXPECT_TRUE(chart->Legend()->CustomPosition());
        EXPECT_FALSE(chart->Legend()->ResizeChart());
        EXPECT_FALSE(page.CBResizeChart->Checked());
        EXPECT_FALSE(page.CBResizeChart->Enabled());
        EXPECT_TRUE(page.ECustLeft->Enabled());
        page.ECustLeft->SetText("40");
        EXPECT_EQ(chart->Legend()->Left(), 40);
        Click(page.CBCustPos);
        EXPECT_FALSE(chart->Legend()->CustomPosition());
        EXPECT_FALSE(chart->Legend()->ResizeChart());
        EXPECT_TRUE(page.CBResizeChart->Enabled());
    });
}

TEST_F(LegendPageTest, MarginFollowsTheLegendsSide) {
    chart->Legend()->SetAlignment(laTop);
    EditLegend([&](TFormTeeLegend& page) {
        page.SEMargin->SetText("7");
        EXPECT_EQ(chart->Legend()->VertMargin(), 7);
        page.RGPosition->SetItemIndex(0);  // left
        page.SEMargin->SetText("9");
        EXPECT_EQ(chart->Legend()->HorizMargin(), 9);
        EXPECT_EQ(chart->Legend()->VertMargin(), 7);
    });
}

TEST_F(LegendPageTest, CheckBoxesAndTitleLines) {
    EditLegend([&](TFormTeeLegend& page) {
        Choose(page.CBCheckBoxes, 2);
        EXPECT_TRUE(chart->Legend()->CheckBoxes());
        EXPECT_EQ(chart->Legend()->CheckBoxesStyle(), cbsRadio);
        Choose(page.CBCheckBoxes, 0);
        EXPECT_FALSE(chart->Legend()->CheckBoxes());
        EXPECT_EQ(chart->Legend()->CheckBoxesStyle(), cbsRadio);  // kept
        page.MemoText->SetText("First\r\nSecond");
        ASSERT_EQ(chart->Legend()->Title()->Text().Count(), 2);
        EXPECT_EQ(chart->Legend()->Title()->Text()[1], "Second");
        Choose(page.CBLegStyle, 6);
        EXPECT_EQ(chart->Legend()->TextStyle(), ltsValue);
    });
}

}  // namespace

namespace {

TEST_F(ChartEditorTest, TitlesPageSwitchesTitlesAndWritesOnlyChanges) {
    chart->Foot()->SetCaption("Foot text");
    chart->Foot()->SetAlignment(taRightJustify);
    Edit([&](TChartEditForm& f) {
        ShowSubPage(f, f.TabTitle);
        auto* page = dynamic_cast<TFormTeeTitle*>(f.SubPageForm(cetTitles));
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->CBTitles->ItemIndex(), 0);
        page->CBTitles->SetItemIndex(3);
        page->CBTitles->OnChange(page->CBTitles);
        EXPECT_EQ(page->Title(), chart->Foot());
        EXPECT_EQ(page->MText->Lines()->Text(), "Foot text\r\n");
        EXPECT_EQ(page->CBAlign->ItemIndex(), 2);
        // The same text again writes nothing.
        const std::string before = Bytes(chart);
        page->MText->SetText("Foot text");
        EXPECT_EQ(Bytes(chart), before);
        Click(page->CBCustPos);
        EXPECT_TRUE(chart->Foot()->CustomPosition());
        page->ECustTop->SetText("25");
        EXPECT_EQ(chart->Foot()->Top(), 25);
        page->Edit1->SetText("12");
        EXPECT_EQ(chart->Foot()->VertMargin(), 12);
    });
}

}  // namespace

namespace {

TEST_F(ChartEditorTest, SeriesPageGeneralAndMarks) {
    TFormatSettings german;
    german.DecimalSeparator = ',';
    german.ThousandSeparator = '.';
    TFormatSettingsGuard pin(german);
    Edit([&](TChartEditForm& f) {
        f.LBSeriesEditSeries();
        TFormTeeSeries* page = f.SeriesPage();
        ASSERT_NE(page, nullptr);
        // The line series opens on its own editor's Format tab.
        EXPECT_EQ(page->PageSeries->ActivePage(), page->TheTabSheet);
        page->ShowTab(stGeneral);
        // The format shows the user's separators and is stored with the invariant ones.
        EXPECT_EQ(page->CBFormat->Text(), "#.##0,###");
        page->CBFormat->SetText("0,00");
        page->CBFormat->OnChange(page->CBFormat);
        EXPECT_EQ(line->ValueFormat(), "0.00");
        Click(page->CBShowInLegend);
        EXPECT_FALSE(line->ShowInLegend());
        // Multi-line marks only for the styles that write two texts.
        page->RGMarkStyle->SetItemIndex(smsValue);
        EXPECT_FALSE(page->CBMultiLine->Enabled());
        page->RGMarkStyle->SetItemIndex(smsLabelValue);
        EXPECT_TRUE(page->CBMultiLine->Enabled());
        EXPECT_EQ(line->Marks()->Style(), smsLabelValue);
        page->CBAllVisible->SetChecked(true);
        EXPECT_TRUE(line->Marks()->Visible());
        EXPECT_TRUE(points->Marks()->Visible());
        EXPECT_TRUE(page->CBMarksVisible->Checked());
    });
}

}  // namespace

namespace {

TEST_F(ChartEditorTest, APanelKeepsTheEditorEmbedded) {
    auto* panel = new TChartEditorPanel(&window);
    panel->SetParent(&window);
    panel->SetChart(chart);
    EXPECT_EQ(panel->Width(), 409);
    EXPECT_EQ(panel->Editor()->Chart(), chart);
    EXPECT_FALSE(panel->Editor()->PanBottom->Visible());
    EXPECT_EQ(panel->Editor()->LBSeries->Count(), 2);
    TObject::Free(chart);
    chart = nullptr;
    EXPECT_EQ(panel->Chart(), nullptr);
    EXPECT_EQ(panel->Editor()->Chart(), nullptr);
}

}  // namespace

namespace {

TEST_F(ChartEditorTest, PanelPageBackImageInsideAndThePageEmbeddedForAPanel) {
    Edit([&](TChartEditForm& f) {
        ShowSubPage(f, f.TabPanel);
        auto* page = dynamic_cast<TFormTeePanel*>(f.SubPageForm(cetPanel));
        ASSERT_NE(page, nullptr);
        EXPECT_FALSE(page->CBImageInside->Checked());
        Click(page->CBImageInside);
        EXPECT_TRUE(chart->BackImage()->Inside());
        Click(page->CBImageInside);
        EXPECT_FALSE(chart->BackImage()->Inside());
    });
    // A tool editor shows the page for a panel of its own in one of its sheets.
    TChart other(&window);
    other.SetBevelWidth(7);
    TForm host(nullptr);
    host.Show();
    auto* sheet = new TPanel(&host);
    sheet->SetParent(&host);
    sheet->SetBounds(0, 0, 420, 280);
    TFormTeePanel* page = TFormTeePanel::EmbedForPanel(&host, *sheet, &other);
    EXPECT_EQ(page->Parent(), sheet);
    EXPECT_EQ(page->Align(), alClient);
    EXPECT_EQ(page->UDPanelWi->Position(), 7);
    page->SEPanelWi->SetText("9");
    EXPECT_EQ(other.BevelWidth(), 9);
}

TEST_F(ChartEditorTest, TitlesPageEditsItsTextInTheTextEditor) {
    chart->Title()->SetCaption("Emissivity");
    Edit([&](TChartEditForm& f) {
        ShowSubPage(f, f.TabTitle);
        auto* page = dynamic_cast<TFormTeeTitle*>(f.SubPageForm(cetTitles));
        ASSERT_NE(page, nullptr);
        std::string shown;
        TModalRunner<TStringsEditor> cancel(page, [&](TStringsEditor& d) {
            shown = d.Memo1->Lines()->Text();
            d.Memo1->SetText("Ignored");
            Click(d.Button2);
        });
        Click(page->Button1);
        ASSERT_TRUE(cancel.Ran());
        EXPECT_EQ(shown, "Emissivity\r\n");
        EXPECT_EQ(chart->Title()->Text()->Text(), "Emissivity\r\n");
        TModalRunner<TStringsEditor> ok(page, [&](TStringsEditor& d) {
            d.Memo1->SetText("Effective\r\nemissivity");
            Click(d.Button1);
        });
        Click(page->Button1);
        ASSERT_TRUE(ok.Ran());
        EXPECT_EQ(page->MText->Lines()->Text(), "Effective\r\nemissivity\r\n");
        EXPECT_EQ(chart->Title()->Text()->Text(), "Effective\r\nemissivity\r\n");
    });
}

}  // namespace
