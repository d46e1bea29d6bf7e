// The chart series list box with real clicks and drags: rows, check boxes, colours and the
// order of the chart's series.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>
#include <QWindow>

#include "chart/editors/ChartListBox.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/PointSeries.h"
#include "chart/engine/SeriesCreation.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/classes/PropAccess.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/Mouse.h"
#include "platform/ui/RecordingDialogService.h"

namespace {

struct TListFixture {
    TRecordingDialogService dialogs;
    TForm form{nullptr};
    TChart* chart = new TChart(&form);
    TChartListBox* list = new TChartListBox(&form);
    std::vector<TLineSeries*> series;
    std::vector<std::string> log;

    TListFixture() {
        for (const char* name : {"A", "B", "C"}) {
            auto* s = new TLineSeries(&form);
            s->SetName(std::string("Series") + name);
            s->SetTitle(name);
            s->SetSeriesColor(clBlue);
            chart->AddSeries(s);
            series.push_back(s);
        }
        form.SetBounds(0, 0, 400, 200);
        list->SetParent(&form);
        list->SetBounds(10, 10, 320, 150);
        list->SetChart(chart);
        list->OnChangeActive = [this](TChartListBox*, TCustomChartSeries* s) {
            log.push_back("active " + s->Title());
        };
        list->OnChangeOrder = [this](TChartListBox*, TCustomChartSeries* a, TCustomChartSeries* b) {
            log.push_back("order " + a->Title() + b->Title());
        };
        list->OnChangeColor = [this](TChartListBox*, TCustomChartSeries* s) {
            log.push_back("colour " + s->Title());
        };
    }
    QWindow* Show() {
        form.Show();
        QWindow* window = form.Widget()->windowHandle();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        return window;
    }
    // A point of a row, x from the row's left, in the window.
    QPoint At(int row, int x) const {
        auto* view = static_cast<QListWidget*>(list->Widget());
        const QRect r = view->visualItemRect(view->item(row));
        return view->viewport()->mapTo(form.Widget(), QPoint(x, r.center().y()));
    }
    std::string Rows() const {
        std::string out;
        for (int i = 0; i < list->Count(); ++i) out += list->Items()->Strings(i);
        return out;
    }
    std::string ChartOrder() const {
        std::string out;
        for (int i = 0; i < chart->SeriesCount(); ++i) out += chart->GetSeries(i)->Title();
        return out;
    }
    std::string Active() const {
        std::string out;
        for (auto* s : series) out += s->Active() ? '1' : '0';
        return out;
    }
};

TEST(ChartListBox, RowsFollowTheChartsSeries) {
    TListFixture f;
    EXPECT_EQ(f.Rows(), "ABC");
    EXPECT_EQ(f.list->Items()->Objects(1), f.series[1]);
    EXPECT_EQ(f.list->ItemIndex(), 0);
    EXPECT_EQ(f.list->ItemHeight(), 24);
    EXPECT_TRUE(f.list->MultiSelect());
    f.series[1]->SetTitle("Bee");
    EXPECT_EQ(f.Rows(), "ABeeC");
    std::vector<TCustomChartSeries*> removed;
    f.list->OnRemovedSeries = [&](TChartListBox*, TCustomChartSeries* s) { removed.push_back(s); };
    TCustomChartSeries* gone = f.series[0];
    delete f.series[0];
    f.series.erase(f.series.begin());
    EXPECT_EQ(f.Rows(), "BeeC");
    EXPECT_EQ(removed, std::vector<TCustomChartSeries*>{gone});
    auto* added = new TLineSeries(&f.form);
    added->SetTitle("D");
    f.chart->AddSeries(added);
    EXPECT_EQ(f.Rows(), "BeeCD");
    // Names mode lists the component names; a list without a parent fills all the same.
    TChartListBox loose(nullptr);
    loose.SetShowNames(true);
    loose.SetChart(f.chart);
    EXPECT_EQ(loose.Count(), 3);
    EXPECT_EQ(loose.Items()->Strings(0), "SeriesB");
    delete f.chart;
    EXPECT_EQ(f.list->Count(), 0);
    EXPECT_EQ(loose.Chart(), nullptr);
}

TEST(ChartListBox, SectionsMoveLeftWhenTheIconHides) {
    TListFixture f;
    EXPECT_EQ(f.list->SectionLeft(clsActive), 26);
    EXPECT_EQ(f.list->SectionLeft(clsColor), 42);
    EXPECT_EQ(f.list->SectionLeft(clsTitle), 68);
    EXPECT_EQ(f.list->SectionAt(30), clsActive);
    EXPECT_EQ(f.list->SectionAt(26), -1);  // on an edge: no section
    f.list->SetShowSection(clsIcon, false);
    EXPECT_EQ(f.list->SectionLeft(clsActive), 0);
    EXPECT_EQ(f.list->SectionLeft(clsColor), 16);
    EXPECT_EQ(f.list->SectionLeft(clsTitle), 42);
    EXPECT_EQ(f.list->SectionAt(30), clsColor);
}

TEST(ChartListBox, CheckBoxesSwitchSeriesOnAndOff) {
    TListFixture f;
    QWindow* window = f.Show();
    QTest::mouseClick(window, Qt::LeftButton, {}, f.At(1, 34));
    EXPECT_EQ(f.Active(), "101");
    EXPECT_EQ(f.log, std::vector<std::string>{"active B"});
    QTest::mouseClick(window, Qt::LeftButton, {}, f.At(1, 34));
    EXPECT_EQ(f.Active(), "111");
    // Radio buttons: switching keeps only the first active series; a click picks one.
    f.list->SetCheckStyle(cbsRadio);
    EXPECT_EQ(f.Active(), "100");
    QTest::mouseClick(window, Qt::LeftButton, {}, f.At(2, 34));
    EXPECT_EQ(f.Active(), "001");
    // A click on a title switches nothing.
    QTest::mouseClick(window, Qt::LeftButton, {}, f.At(0, 120));
    EXPECT_EQ(f.Active(), "001");
}

TEST(ChartListBox, DraggingARowReordersTheChartsSeries) {
    TListFixture f;
    QWindow* window = f.Show();
    const QPoint from = f.At(0, 120);
    const QPoint to = f.At(2, 120);
    QTest::mousePress(window, Qt::LeftButton, {}, from);
    QTest::mouseMove(window, from + QPoint(0, 10));
    QTest::mouseMove(window, to);
    QTest::mouseRelease(window, Qt::LeftButton, {}, to);
    EXPECT_FALSE(Mouse()->IsDragging());
    EXPECT_EQ(f.ChartOrder(), "CBA");
    EXPECT_EQ(f.Rows(), "CBA");
    EXPECT_EQ(f.list->ItemIndex(), 2);
    EXPECT_EQ(f.log, std::vector<std::string>{"order AC"});
    // Dropping a row on itself changes nothing.
    const QPoint again = f.At(2, 120);
    QTest::mousePress(window, Qt::LeftButton, {}, again);
    QTest::mouseMove(window, again + QPoint(10, 0));
    QTest::mouseMove(window, again + QPoint(20, 0));
    QTest::mouseRelease(window, Qt::LeftButton, {}, again + QPoint(20, 0));
    EXPECT_EQ(f.ChartOrder(), "CBA");
    f.list->MoveUp();
    EXPECT_EQ(f.ChartOrder(), "CAB");
    EXPECT_EQ(f.list->ItemIndex(), 1);
}

TEST(ChartListBox, DeleteAsksForTheSelectedSeries) {
    TListFixture f;
    f.list->SetSelected(0, true);
    f.list->SetSelected(2, true);
    f.dialogs.Answers.push_back(mrNo);
    EXPECT_FALSE(f.list->DeleteSelected());
    ASSERT_EQ(f.dialogs.Messages.size(), 1u);
    EXPECT_EQ(f.dialogs.Messages[0].Text, "Delete (Selected Series) ?");
    EXPECT_EQ(f.chart->SeriesCount(), 3);
    f.dialogs.Answers.push_back(mrYes);
    EXPECT_TRUE(f.list->DeleteSelected());
    EXPECT_EQ(f.ChartOrder(), "B");
    EXPECT_EQ(f.Rows(), "B");
    // One row: its title in the question.
    f.dialogs.Answers.push_back(mrNo);
    f.list->DeleteSelected();
    EXPECT_EQ(f.dialogs.Messages.back().Text, "Delete B ?");
}

TEST(ChartListBox, ColourBoxDoubleClickEditsTheSeriesColour) {
    TListFixture f;
    QWindow* window = f.Show();
    const QPoint box = f.At(1, 55);
    QTest::mouseClick(window, Qt::LeftButton, {}, box);
    QTest::mouseDClick(window, Qt::LeftButton, {}, box);  // cancelled: nothing changes
    EXPECT_EQ(f.series[1]->SeriesColor(), clBlue);
    EXPECT_TRUE(f.log.empty());
    f.dialogs.ColorAnswers.push_back(clRed);
    f.series[1]->SetColorEachPoint(true);
    QTest::mouseDClick(window, Qt::LeftButton, {}, box);
    EXPECT_EQ(f.series[1]->SeriesColor(), clRed);
    EXPECT_FALSE(f.series[1]->ColorEachPoint());
    EXPECT_EQ(f.log, std::vector<std::string>{"colour B"});
}

TEST(ChartListBox, RenamingToTheComponentNameClearsTheTitle) {
    TListFixture f;
    f.list->SetItemIndex(1);
    f.dialogs.InputAnswers.push_back(std::string("SeriesB"));
    EXPECT_TRUE(f.list->RenameSelected());
    ASSERT_EQ(f.dialogs.InputQueries.size(), 1u);
    EXPECT_EQ(f.dialogs.InputQueries[0].Caption, "Change Series Title");
    EXPECT_EQ(f.dialogs.InputQueries[0].Prompt, "New Series Title:");
    EXPECT_EQ(f.dialogs.InputQueries[0].Value, "B");
    EXPECT_EQ(f.series[1]->Title(), "");
    EXPECT_EQ(f.list->Items()->Strings(1), "SeriesB");
    f.dialogs.InputAnswers.push_back(std::string("SeriesB"));
    EXPECT_FALSE(f.list->RenameSelected());  // the same text again
}

}  // namespace

namespace {

TEST(ChartListBox, RowsShowTheSeriesColourAndTitleColour) {
    TListFixture f;
    f.series[2]->SetSeriesColor(clRed);
    TChart* chart = f.chart;
    const int shadowSize = chart->Legend()->Symbol()->Shadow()->HorizSize();
    f.Show();
    auto* view = static_cast<QListWidget*>(f.list->Widget());
    const QImage image = view->viewport()->grab().toImage();
    auto pixel = [&](int row, int x) {
        const QRect r = view->visualItemRect(view->item(row));
        const QRgb p = image.pixel(x, r.center().y());
        return RGB(qRed(p), qGreen(p), qBlue(p));
    };
    // The colour box: the series' legend symbol 4 pixels inside the section, which starts 2
    // pixels before its edge, with the legend symbols' shadow 3 pixels wide.
    EXPECT_EQ(pixel(0, f.list->SectionLeft(clsColor) + 10), ColorToRGB(clBlue));
    EXPECT_EQ(pixel(2, f.list->SectionLeft(clsColor) + 10), ColorToRGB(clRed));
    const int boxRight = f.list->SectionLeft(clsColor) - 2 + f.list->SectionWidth(clsColor) - 4;
    EXPECT_NE(pixel(2, boxRight + 1), ColorToRGB(f.list->Color())) << "the shadow";
    EXPECT_EQ(chart->Legend()->Symbol()->Shadow()->HorizSize(), shadowSize) << "restored";
    // Beyond the shadow an unselected row keeps the list's colour.
    EXPECT_EQ(pixel(1, boxRight + 4), ColorToRGB(f.list->Color()));
    EXPECT_NE(pixel(0, f.list->SectionLeft(clsTitle) + 150), ColorToRGB(f.list->Color()));
}

}  // namespace

namespace {

TEST(ChartListBox, F2EditsTheTitleInPlace) {
    TListFixture f;
    f.Show();
    f.list->SetFocus();
    f.list->SetItemIndex(1);
    QTest::keyClick(f.list->Widget(), Qt::Key_F2);
    TEdit* editor = f.list->TitleEditor();
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(editor->Visible());
    EXPECT_EQ(editor->Text(), "B");
    EXPECT_EQ(editor->Left(), f.list->SectionLeft(clsTitle) - 2);
    EXPECT_EQ(editor->Height(), 25);
    editor->SetText("Bravo");
    QTest::keyClick(editor->Widget(), Qt::Key_Return);
    EXPECT_FALSE(editor->Visible());
    EXPECT_EQ(f.series[1]->Title(), "Bravo");
    EXPECT_EQ(f.list->Items()->Strings(1), "Bravo");
    // Esc leaves the title as it was.
    f.list->StartTitleEdit();
    editor->SetText("X");
    QTest::keyClick(editor->Widget(), Qt::Key_Escape);
    EXPECT_FALSE(editor->Visible());
    EXPECT_EQ(f.series[1]->Title(), "Bravo");
}

}  // namespace

namespace {

// The title editor is open on B when the host's Delete button frees B (or B leaves the
// chart): the editor closes with it, and the next click on the list gives its text to nobody.
TEST(ChartListBox, TheTitleEditorClosesWhenItsSeriesGoes) {
    for (bool freed : {true, false}) {
        SCOPED_TRACE(freed ? "freed" : "taken out of the chart");
        TListFixture f;
        auto* remove = new TButton(&f.form);
        remove->SetParent(&f.form);
        remove->SetBounds(335, 10, 60, 24);
        remove->OnClick = [&](TObject*) {
            if (freed)
                f.list->DeleteSelected();
            else
                f.chart->RemoveSeries(f.series[1]);
        };
        QWindow* window = f.Show();
        QTest::mouseClick(window, Qt::LeftButton, {}, f.At(1, 120));
        f.list->SetFocus();
        QTest::keyClick(f.list->Widget(), Qt::Key_F2);
        TEdit* editor = f.list->TitleEditor();
        ASSERT_NE(editor, nullptr);
        ASSERT_TRUE(editor->Visible());
        QTest::keyClicks(editor->Widget(), "x");
        f.dialogs.Answers.push_back(mrYes);
        QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(365, 22));
        EXPECT_EQ(f.Rows(), "AC");
        EXPECT_FALSE(editor->Visible());
        QTest::mouseClick(window, Qt::LeftButton, {}, f.At(0, 120));
        EXPECT_EQ(f.series[0]->Title(), "A");
        EXPECT_EQ(f.series[2]->Title(), "C");
        if (!freed) {
            EXPECT_EQ(f.series[1]->Title(), "B");
        }
    }
}

TEST(ChartListBox, PublishedSettingsReachTheList) {
    TListFixture f;
    SetEnumProp(f.list, "CheckStyle", "cbsRadio");
    EXPECT_EQ(f.list->CheckStyle(), cbsRadio);
    SetOrdProp(f.list, "ShowSeriesIcon", 0);
    EXPECT_FALSE(f.list->ShowSection(clsIcon));
    SetOrdProp(f.list, "AskDelete", 0);
    EXPECT_FALSE(f.list->AskDelete);
    EXPECT_EQ(GetOrdProp(f.list, "EnableDragSeries"), 1);
}

}  // namespace

namespace {

// The gallery's entries, set for one test.
struct THooks {
    THooks(TAddSeriesHook add, TChangeTypeHook change) {
        TeeAddGalleryProc = std::move(add);
        TeeChangeGalleryProc = std::move(change);
    }
    ~THooks() {
        TeeAddGalleryProc = nullptr;
        TeeChangeGalleryProc = nullptr;
    }
};

TEST(ChartListBox, GalleryAddsSeriesAndChangesTheTypeOfTheSelectedOnes) {
    TListFixture f;
    THooks hooks(
        [](TComponent* owner, TCustomAxisPanel* chart, TChartSeries*) -> TChartSeries* {
            auto* s = new TLineSeries(owner);
            s->SetTitle("New");
            chart->AddSeries(s);
            return s;
        },
        [](TComponent*, TChartSeries*& series) -> TClass {
            ChangeSeriesClass(series, &TPointSeries::StaticClass());
            return &TPointSeries::StaticClass();
        });
    EXPECT_NE(f.list->AddSeries(), nullptr);
    EXPECT_EQ(f.Rows(), "ABCNew");
    EXPECT_EQ(f.list->ItemIndex(), 3);
    EXPECT_EQ(f.list->SelCount(), 1);

    for (int i = 0; i < f.list->Count(); ++i) f.list->SetSelected(i, i == 0 || i == 2);
    f.list->ChangeTypeOfSelected();
    EXPECT_EQ(f.ChartOrder(), "ABCNew");
    EXPECT_EQ(f.chart->GetSeries(0)->ClassName(), "TPointSeries");
    EXPECT_EQ(f.chart->GetSeries(1)->ClassName(), "TLineSeries");
    EXPECT_EQ(f.chart->GetSeries(2)->ClassName(), "TPointSeries");
    EXPECT_TRUE(f.list->Selected(0));
    EXPECT_TRUE(f.list->Selected(2));
}

TEST(ChartListBox, WithoutTheGalleryAddAndChangeTypeDoNothing) {
    TListFixture f;
    EXPECT_EQ(f.list->AddSeries(), nullptr);
    f.list->ChangeTypeOfSelected();
    EXPECT_EQ(f.chart->GetSeries(0)->ClassName(), "TLineSeries");
    EXPECT_NE(f.list->CloneSelected(), nullptr);
    EXPECT_EQ(f.chart->SeriesCount(), 4);
}

}  // namespace
