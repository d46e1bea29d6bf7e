// The chart editor's series list page driven as a user drives it: the Add, Delete, Clone and
// Change buttons through the series gallery, the View menu, and the series groups with their
// checks, buttons and drops.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QWindow>

#include "chart/editors/ChartEditForm.h"
#include "chart/editors/ChartEditor.h"
#include "chart/editors/ChartListBox.h"
#include "chart/editors/GalleryPanel.h"
#include "chart/editors/SeriesGallery.h"
#include "chart/editors/SeriesPage.h"
#include "chart/engine/BarSeries.h"
#include "chart/engine/BasicFunctions.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartLists.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/PointSeries.h"
#include "chart/engine/SeriesGroups.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/foundation/EditorOptions.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckListBox.h"
#include "platform/ui/Mouse.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RecordingDialogService.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/TabControl.h"
#include "tests/chart/editors/ChartPageFixture.h"
#include "tests/chart/editors/MenuChoice.h"
#include "tests/chart/editors/ModalRunner.h"
#include "tests/support/ScratchSettings.h"

namespace {

struct EditorSeriesListTest : ::testing::Test {
    TLibraryStartup library;
    TScratchSettings settings;
    TRecordingDialogService dialogs;
    TForm window{nullptr};
    TChart* chart = new TChart(&window);
    TChartEditor* ce = new TChartEditor(&window);

    EditorSeriesListTest() {
        SeriesGalleryUnitStartup();
        chart->SetName("chCavity");
        chart->SetParent(&window);
        chart->SetBounds(0, 0, 300, 200);
        for (int n = 1; n <= 2; ++n) {
            auto* s = new TLineSeries(&window);
            s->SetName("Series" + std::to_string(n));
            chart->AddSeries(s);
            for (int i = 0; i < 4; ++i) s->AddXYPoint(i, i * n);
        }
        ce->SetChart(chart);
    }
    ~EditorSeriesListTest() override {
        SeriesGalleryUnitFinalization();
        FreeSeriesTypeRegistries();
    }
    void Edit(const std::function<void(TChartEditForm&)>& act) { EditChart(ce, act); }
    // The gallery opened by a click on button: the sample of seriesClass, then OK (none: Cancel).
    static void ChooseInGallery(TChartEditForm& f, TButton* button, TClass seriesClass) {
        // The list asks the gallery, which its owner owns.
        TModalRunner<TTeeGallery> gallery(f.LBSeries->Owner(), [seriesClass](TTeeGallery& g) {
            TChartList& charts = g.ChartGalleryPanel1->Charts();
            for (int i = 0; seriesClass && i < charts.Count(); ++i) {
                if (&charts[i]->GetSeries(0)->ClassType() != seriesClass) continue;
                TUserInput().Click(charts[i],
                                   QPoint(charts[i]->Width() / 2, charts[i]->Height() / 2));
                break;
            }
            Click(seriesClass ? g.Button1 : g.Button2);
        });
        Click(button);
        EXPECT_TRUE(gallery.Ran());
    }
    std::string ChartSeries() const {
        std::string out;
        for (int i = 0; i < chart->SeriesCount(); ++i) {
            TChartSeries* s = chart->GetSeries(i);
            out += s->Name() + ":" + s->ClassName().substr(1, 4) + " ";
        }
        return out;
    }
    static std::string Rows(TChartListBox* list) {
        std::string out;
        for (int i = 0; i < list->Count(); ++i) out += list->Items()->Get(i) + " ";
        return out;
    }
    static std::string GroupRows(TCheckListBox* groups) {
        std::string out;
        for (int i = 0; i < groups->Count(); ++i) {
            const TCheckBoxState s = groups->State(i);
            out += groups->Items()->Get(i) + (s == cbChecked ? "+ " : s == cbGrayed ? "~ " : "- ");
        }
        return out;
    }
    static void SelectRow(TChartListBox* list, int row) {
        auto* view = static_cast<QListWidget*>(list->Widget());
        const QRect r = view->visualItemRect(view->item(row));
        TUserInput().Click(list, view->viewport()->mapTo(view, QPoint(120, r.center().y())));
    }
};

TEST_F(EditorSeriesListTest, AddCloneChangeAndDeleteThroughTheGallery) {
    Edit([&](TChartEditForm& f) {
        for (TButton* b : {f.BAddSeries, f.BDeleteSeries, f.BCloneSeries, f.BChangeTypeSeries})
            EXPECT_TRUE(b->Enabled()) << b->Caption();

        ChooseInGallery(f, f.BAddSeries, &TBarSeries::StaticClass());
        EXPECT_EQ(ChartSeries(), "Series1:Line Series2:Line Series3:BarS ");
        EXPECT_EQ(f.SelectedSeries(), chart->GetSeries(2));
        EXPECT_EQ(chart->GetSeries(2)->Owner(), &window);  // the chart's, not the dialog's
        ChooseInGallery(f, f.BAddSeries, nullptr);         // cancelled: nothing added
        EXPECT_EQ(chart->SeriesCount(), 3);

        Click(f.BCloneSeries);
        ASSERT_EQ(chart->SeriesCount(), 4);
        EXPECT_EQ(chart->GetSeries(3)->ClassName(), "TBarSeries");
        EXPECT_EQ(chart->GetSeries(3)->Count(), chart->GetSeries(2)->Count());

        SelectRow(f.LBSeries, 0);
        ChooseInGallery(f, f.BChangeTypeSeries, &TPointSeries::StaticClass());
        EXPECT_EQ(chart->GetSeries(0)->ClassName(), "TPointSeries");
        EXPECT_EQ(chart->GetSeries(0)->Name(), "Series1");
        EXPECT_EQ(chart->GetSeries(0)->Count(), 4);  // the data stays

        // Deleting asks first; No keeps the series.
        dialogs.Answers = {mrNo, mrYes};
        Click(f.BDeleteSeries);
        EXPECT_EQ(chart->SeriesCount(), 4);
        Click(f.BDeleteSeries);
        EXPECT_EQ(chart->SeriesCount(), 3);
        ASSERT_EQ(dialogs.Messages.size(), 2u);
        EXPECT_EQ(dialogs.Messages[0].Text, "Delete Series1 ?");
        EXPECT_EQ(Rows(f.LBSeries), "Series2 Series3 Series4 ");

        // Two series selected are deleted at once, asked about together.
        f.LBSeries->SetSelected(1, true);
        f.LBSeriesRefreshButtons();
        EXPECT_FALSE(f.BCloneSeries->Enabled());
        EXPECT_FALSE(f.BRenameSeries->Enabled());
        dialogs.Answers = {mrYes};
        Click(f.BDeleteSeries);
        EXPECT_EQ(dialogs.Messages.back().Text, "Delete (Selected Series) ?");
        EXPECT_EQ(ChartSeries(), "Series4:BarS ");
    });
}

TEST_F(EditorSeriesListTest, ANewFunctionOpensOnItsDataSource) {
    static const std::string description = "Add";
    RegisterFunctionClass(&TAddTeeFunction::StaticClass(), &description, &TxtStandard, 1);
    Edit([&](TChartEditForm& f) {
        TModalRunner<TTeeGallery> gallery(f.LBSeries->Owner(), [](TTeeGallery& g) {
            g.TabTypes->SetTabIndex(1);
            g.TabTypesChange();
            TChartList& charts = g.ChartGalleryPanel1->Charts();
            ASSERT_EQ(charts.Count(), 1);
            TUserInput().Click(charts[0], QPoint(charts[0]->Width() / 2, charts[0]->Height() / 2));
            Click(g.Button1);
        });
        Click(f.BAddSeries);
        ASSERT_TRUE(gallery.Ran());
        ASSERT_EQ(chart->SeriesCount(), 3);
        EXPECT_NE(chart->GetSeries(2)->Function(), nullptr);
        EXPECT_EQ(f.MainPage->ActivePage(), f.TabSeries);
        ASSERT_NE(f.SeriesPage(), nullptr);
        EXPECT_EQ(f.SeriesPage()->Series(), chart->GetSeries(2));
        EXPECT_EQ(f.SeriesPage()->PageSeries->ActivePage(), f.SeriesPage()->TabDataSource);
        EXPECT_NE(f.SeriesPage()->DataSourceEditor(), nullptr);  // the function's editor
    });
}

TEST_F(EditorSeriesListTest, TheSeriesPageFollowsADeletionAndATypeChange) {
    Edit([&](TChartEditForm& f) {
        ClickPage(f.TabSeries);
        ASSERT_NE(f.SeriesPage(), nullptr);
        ClickPage(f.TabChart);
        ChooseInGallery(f, f.BChangeTypeSeries, &TPointSeries::StaticClass());
        ClickPage(f.TabSeries);
        EXPECT_EQ(f.SeriesPage()->Series(), chart->GetSeries(0));
        ClickPage(f.TabChart);
        dialogs.Answers = {mrYes};
        Click(f.BDeleteSeries);
        ClickPage(f.TabSeries);
        EXPECT_EQ(f.SeriesPage()->Series(), chart->GetSeries(0));
        EXPECT_EQ(chart->GetSeries(0)->Name(), "Series2");
    });
}

TEST_F(EditorSeriesListTest, OptionsDecideWhatTheButtonsDo) {
    ce->Options = {ceTitle, ceOrderSeries};
    std::vector<std::string> swaps;
    ce->OnChangeSeriesOrder = [&](TChartListBox*, TCustomChartSeries* a, TCustomChartSeries* b) {
        swaps.push_back(a->Name() + "<>" + b->Name());
    };
    Edit([&](TChartEditForm& f) {
        for (TButton* b : {f.BAddSeries, f.BDeleteSeries, f.BCloneSeries, f.BChangeTypeSeries})
            EXPECT_FALSE(b->Enabled()) << b->Caption();
        EXPECT_FALSE(f.SpeedSeries->Visible());
        EXPECT_FALSE(f.BMoveUP->Enabled());
        EXPECT_TRUE(f.BMoveDown->Enabled());
        Click(f.BMoveDown);
        EXPECT_EQ(chart->GetSeries(1)->Name(), "Series1");
        EXPECT_TRUE(f.BMoveUP->Enabled());
        EXPECT_FALSE(f.BMoveDown->Enabled());
    });
    EXPECT_EQ(swaps, std::vector<std::string>{"Series1<>Series2"});
    EXPECT_EQ(chart->SeriesCount(), 2);
}

TEST_F(EditorSeriesListTest, TheViewMenuSwitchesNamesAndGroups) {
    ce->Options.Include(ceGroups);
    chart->GetSeries(0)->SetTitle("Emissivity");
    Edit([&](TChartEditForm& f) {
        ASSERT_TRUE(f.SpeedSeries->Visible());
        EXPECT_TRUE(f.PanelGroups->Visible());
        EXPECT_EQ(Rows(f.LBSeries), "Emissivity Series2 ");
        Click(f.SpeedSeries);
        ChooseMenuEntry("View Series &Names");
        EXPECT_EQ(Rows(f.LBSeries), "Series1 Series2 ");
        EXPECT_EQ(f.BRenameSeries->Caption(), "&Name...");
        dialogs.InputAnswers = {std::string("Body")};
        Click(f.BRenameSeries);
        EXPECT_EQ(chart->GetSeries(0)->Name(), "Body");
        Click(f.SpeedSeries);
        ChooseMenuEntry("View Series &Names");
        EXPECT_EQ(f.BRenameSeries->Caption(), "&Title...");
        EXPECT_EQ(Rows(f.LBSeries), "Emissivity Series2 ");

        Click(f.SpeedSeries);
        ChooseMenuEntry("View Series &Groups");
        EXPECT_FALSE(f.PanelGroups->Visible());
        EXPECT_FALSE(f.BAddGroup->Visible());
        EXPECT_FALSE(f.Options.Contains(ceGroups));
    });
    EXPECT_FALSE(ReadEditorOptionBool("SeriesGroups", true));
}

TEST_F(EditorSeriesListTest, GroupsAreAddedRenamedCheckedAndDeleted) {
    ce->Options.Include(ceGroups);
    ce->Options.Include(ceGroupAll);
    Edit([&](TChartEditForm& f) {
        EXPECT_EQ(GroupRows(f.Groups), "(all)+ ");
        EXPECT_FALSE(f.BDeleteGroup->Enabled());
        // An empty name is asked again; Cancel adds nothing.
        dialogs.InputAnswers = {std::string(), std::string("Hot")};
        Click(f.BAddGroup);
        EXPECT_EQ(dialogs.InputQueries.size(), 2u);
        EXPECT_EQ(dialogs.InputQueries[0].Caption, "Add new group");
        EXPECT_EQ(dialogs.InputQueries[0].Prompt, "Group name:");
        dialogs.InputAnswers = {std::nullopt};
        Click(f.BAddGroup);
        EXPECT_EQ(GroupRows(f.Groups), "(all)+ Hot+ ");
        EXPECT_EQ(f.Groups->ItemIndex(), 1);
        EXPECT_EQ(f.LBSeries->Count(), 0);  // the new group holds no series yet
        EXPECT_TRUE(f.BDeleteGroup->Enabled());
        EXPECT_TRUE(f.BRenameGroup->Enabled());

        dialogs.InputAnswers = {std::string("Warm")};
        Click(f.BRenameGroup);
        EXPECT_EQ(dialogs.InputQueries.back().Value, "Hot");  // the row's text first
        EXPECT_EQ(chart->SeriesGroups()->GetGroup(0)->Name(), "Warm");

        // A series added while a group is selected joins it.
        ChooseInGallery(f, f.BAddSeries, &TBarSeries::StaticClass());
        EXPECT_EQ(Rows(f.LBSeries), "Series3 ");
        chart->SeriesGroups()->GetGroup(0)->Add(chart->GetSeries(0));
        f.FillGroups();
        EXPECT_EQ(Rows(f.LBSeries), "Series3 Series1 ");  // in the group's order

        // The group's check switches its series; "(all)" follows.
        chart->GetSeries(0)->SetActive(false);
        f.FillGroups();
        EXPECT_EQ(GroupRows(f.Groups), "(all)- Warm~ ");
        f.Groups->SetItemIndex(1);
        f.Groups->SetFocus();
        TUserInput::Key(f.Groups, Qt::Key_Space, " ");
        EXPECT_TRUE(chart->GetSeries(0)->Active());
        EXPECT_EQ(GroupRows(f.Groups), "(all)+ Warm+ ");
        TUserInput::Key(f.Groups, Qt::Key_Space, " ");
        EXPECT_FALSE(chart->GetSeries(2)->Active());
        EXPECT_TRUE(chart->GetSeries(1)->Active());
        EXPECT_EQ(GroupRows(f.Groups), "(all)- Warm- ");
        f.Groups->SetItemIndex(0);
        TUserInput::Key(f.Groups, Qt::Key_Space, " ");
        EXPECT_EQ(GroupRows(f.Groups), "(all)+ Warm+ ");
        EXPECT_EQ(f.LBSeries->Count(), 3);  // "(all)" lists every series

        f.Groups->SetItemIndex(1);
        f.GroupsClick();
        dialogs.Answers = {mrYes};
        Click(f.BDeleteGroup);
        EXPECT_EQ(dialogs.Messages.back().Text, "Delete Warm ?");
        EXPECT_EQ(chart->SeriesGroups()->Count(), 0);
        EXPECT_EQ(GroupRows(f.Groups), "(all)+ ");
        EXPECT_EQ(f.LBSeries->Count(), 3);
    });
    EXPECT_TRUE(ReadEditorOptionBool("SeriesGroups", false));
}

TEST_F(EditorSeriesListTest, ASeriesDroppedOnAGroupMovesIntoIt) {
    ce->Options.Include(ceGroups);
    ce->Options.Include(ceGroupAll);
    chart->SeriesList().AddGroup("Hot");
    chart->SeriesList().AddGroup("Cold");
    chart->SeriesGroups()->GetGroup(0)->Add(chart->GetSeries(1));
    Edit([&](TChartEditForm& f) {
        QWindow* window = f.Widget()->windowHandle();
        ASSERT_NE(window, nullptr);
        auto rowOfList = [&](int row) {
            auto* view = static_cast<QListWidget*>(f.LBSeries->Widget());
            const QRect r = view->visualItemRect(view->item(row));
            return view->viewport()->mapTo(f.Widget(), QPoint(120, r.center().y()));
        };
        auto rowOfGroups = [&](int row) {
            auto* view = static_cast<QListWidget*>(f.Groups->Widget());
            const QRect r = view->visualItemRect(view->item(row));
            return view->viewport()->mapTo(f.Widget(), r.center());
        };
        auto drag = [&](int listRow, int groupRow) {
            QTest::mousePress(window, Qt::LeftButton, {}, rowOfList(listRow));
            QTest::mouseMove(window, rowOfList(listRow) + QPoint(0, 8));
            QTest::mouseMove(window, rowOfGroups(groupRow));
            QTest::mouseRelease(window, Qt::LeftButton, {}, rowOfGroups(groupRow));
            EXPECT_FALSE(Mouse()->IsDragging());
        };
        TSeriesGroup* hot = chart->SeriesGroups()->GetGroup(0);
        TSeriesGroup* cold = chart->SeriesGroups()->GetGroup(1);
        // From "(all)" onto a group: the series joins it.
        drag(0, 2);
        EXPECT_EQ(cold->Series().Count(), 1);
        EXPECT_EQ(f.Groups->ItemIndex(), 2);
        EXPECT_EQ(Rows(f.LBSeries), "Series1 ");
        // Onto the group that holds it already: refused.
        bool accept = true;
        const QPoint inGroups = f.Groups->Widget()->mapFrom(f.Widget(), rowOfGroups(2));
        f.GroupsDragOver(f.LBSeries, inGroups.x(), inGroups.y(), accept);
        EXPECT_FALSE(accept);
        // From "Cold" onto "Hot": it moves.
        drag(0, 1);
        EXPECT_EQ(cold->Series().Count(), 0);
        EXPECT_EQ(hot->Series().Count(), 2);
        EXPECT_EQ(Rows(f.LBSeries), "Series2 Series1 ");
        // From "Hot" onto "(all)": it leaves the group.
        drag(1, 0);
        EXPECT_EQ(hot->Series().Count(), 1);
        EXPECT_EQ(f.LBSeries->Count(), 2);
    });
}

}  // namespace
