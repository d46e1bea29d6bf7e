// The series page on a chart of its own: which tabs it offers and where it opens, that reading
// any tab changes nothing, what each control writes, the axis and data-source choices, the
// chart's events, and the page alone as a modal dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabBar>
#include <QWidget>
#include <functional>
#include <string>

#include "chart/editors/ChartGrid.h"
#include "chart/editors/FuncEditor.h"
#include "chart/editors/MarginsEditor.h"
#include "chart/editors/SeriesPage.h"
#include "chart/editors/ShapeEditor.h"
#include "chart/editors/SourceEditorBase.h"
#include "chart/engine/BasicFunctions.h"
#include "chart/engine/Callout.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLists.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/PointSeries.h"
#include "chart/engine/SeriesEvents.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/engine/SeriesMarksSymbol.h"
#include "chart/engine/SeriesSource.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/engine/grid3d/Point3DSeries.h"
#include "chart/foundation/ResourceRoutines.h"
#include "chart/foundation/TeeButtons.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/Timer.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/editors/LibraryStartup.h"
#include "tests/chart/editors/ModalRunner.h"
#include "tests/platform/ui/UserInput.h"

// A source kind the page lists after its fixed styles, with an editor that may refuse to close.
class TTestSource : public TTeeSeriesSource {
    KV_DECLARE_CLASS(TTestSource, TTeeSeriesSource)
public:
    using TTeeSeriesSource::TTeeSeriesSource;
    static std::string KindCaption() { return "Test source"; }
    static std::string EditorFormClass() { return "TTestSourceEditor"; }
};

class TTestSourceEditor : public TBaseSourceEditor {
    KV_DECLARE_CLASS(TTestSourceEditor, TBaseSourceEditor)
public:
    using TBaseSourceEditor::TBaseSourceEditor;
    bool CloseQuery() override { return MayClose; }
    bool MayClose = true;
};

namespace {

// The line type without its own editor form, so that the page's own tabs are what it shows.
class TBareLineSeries : public TLineSeries {
    KV_DECLARE_CLASS(TBareLineSeries, TLineSeries)
public:
    using TLineSeries::TLineSeries;
    static std::string EditorClassName() { return {}; }
};

struct SeriesPageTest : ::testing::Test {
    TLibraryStartup library;
    TForm window{nullptr};
    TChart* chart = nullptr;
    TLineSeries* line = nullptr;
    TPointSeries* points = nullptr;
    TFormTeeSeries* page = nullptr;

    SeriesPageTest() {
        window.SetBounds(0, 0, 480, 420);
        chart = new TChart(&window);
        chart->SetParent(&window);
        chart->SetBounds(0, 0, 300, 200);
        line = new TBareLineSeries(&window);
        line->SetName("Series1");
        chart->AddSeries(line);
        points = new TPointSeries(&window);
        points->SetName("Series2");
        chart->AddSeries(points);
        for (int i = 0; i < 5; ++i) {
            line->AddXYPoint(i, (i - 2) * (i - 2));
            points->AddXYPoint(i, 10 - i);
        }
        line->DataEnteredByHand = true;
        RegisteredSourceClasses().push_back(&TTestSource::StaticClass());
        RegisterClass(&TTestSourceEditor::StaticClass());
        page = new TFormTeeSeries(&window);
        page->SetParent(&window);
        page->SetAlign(alClient);
        window.Show();
        page->Show();
        page->SetChart(chart);
    }
    ~SeriesPageTest() override {
        TObject::Free(page);
        UnRegisterClass(&TTestSourceEditor::StaticClass());
        RegisteredSourceClasses().pop_back();
    }
    std::string Bytes() {
        TMemoryStream s;
        WriteComponentToStream(s, chart);
        return std::string(s.Memory(), size_t(s.Size()));
    }
    void Choose(TComboBox* combo, int index) {
        combo->SetItemIndex(index);
        combo->OnChange(combo);
    }
    std::string ActiveCaption() const { return page->PageSeries->ActivePage()->Caption(); }
};

TEST_F(SeriesPageTest, WithoutEditorFormItOpensOnGeneralAndReadingEveryTabChangesNothing) {
    TChartAxis* custom = new TChartAxis(chart->CustomAxes());
    line->SetCustomVertAxis(custom);
    line->Marks()->SetStyle(smsLabelValue);
    const std::string before = Bytes();
    page->SelectSeries(line);
    EXPECT_FALSE(page->TheTabSheet->TabVisible());
    EXPECT_EQ(ActiveCaption(), "General");
    EXPECT_EQ(page->LabelSeriesClass->Caption(), SeriesTypeDescription(*line) + ": Series1");
    EXPECT_TRUE(page->PaintBox1->Visible());
    EXPECT_EQ(page->CBVertAxis->ItemIndex(), 3);
    page->ShowTab(stMarks);
    EXPECT_EQ(page->RGMarkStyle->ItemIndex(), int(smsLabelValue));
    // The marks' own tabs and the shape pages moved in after them.
    for (int i = page->PageControlMarks->PageCount() - 1; i >= 0; --i) {
        page->PageControlMarks->SetActivePage(page->PageControlMarks->Pages(i));
        page->PageControlMarks->OnChange(page->PageControlMarks);
    }
    page->ShowTab(stDataSource);
    page->ShowTab(stGeneral);
    page->SelectSeries(points);
    page->ShowTab(stDataSource);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(page->CBDataSourcestyle->ItemIndex(), int(sdsRandom));
}

TEST_F(SeriesPageTest, MarksShapeEditorsAreMadeOnceAndEditTheMarksAndTheirSymbol) {
    page->SelectSeries(line);
    EXPECT_EQ(page->MarksShapeEditor(), nullptr);
    page->ShowTab(stMarks);
    TFormTeeShape* marksShape = page->MarksShapeEditor();
    TFormTeeShape* symbolShape = page->SymbolShapeEditor();
    ASSERT_NE(marksShape, nullptr);
    ASSERT_NE(symbolShape, nullptr);
    const int pages = page->PageControlMarks->PageCount();
    EXPECT_EQ(pages, 10);
    EXPECT_EQ(page->PageControlMarks->ActivePage(), page->TabStyle);
    EXPECT_EQ(marksShape->TabFormat->PageControl(), page->PageControlMarks);
    EXPECT_EQ(symbolShape->Parent(), page->TabSymbol);
    EXPECT_FALSE(symbolShape->TabText->TabVisible());
    EXPECT_FALSE(symbolShape->BBackColor->Visible());
    EXPECT_EQ(page->CBSymbolVisible->Parent(), symbolShape->TabFormat);
    EXPECT_EQ(page->CBSymbolVisible->Caption(), "&Visible");
    EXPECT_FALSE(page->CBSymbolVisible->Checked());

    page->ShowTab(stGeneral);
    page->ShowTab(stMarks);
    EXPECT_EQ(page->MarksShapeEditor(), marksShape);
    EXPECT_EQ(page->SymbolShapeEditor(), symbolShape);
    EXPECT_EQ(page->PageControlMarks->PageCount(), pages);

    TSeriesMarks& marks = *line->Marks();
    page->CBSymbolVisible->SetChecked(true);
    EXPECT_TRUE(marks.Symbol()->Visible());
    symbolShape->CBRound->SetChecked(true);
    EXPECT_EQ(marks.Symbol()->ShapeStyle(), fosRoundRectangle);
    EXPECT_EQ(marks.ShapeStyle(), fosRectangle);
    marksShape->CBTransparent->SetChecked(true);
    EXPECT_TRUE(marks.Transparent());
    EXPECT_FALSE(marks.Symbol()->Transparent());
    // The host's page control builds a shape page's editor on its first visit.
    EXPECT_EQ(marksShape->TabShadow->ControlCount(), 0);
    page->PageControlMarks->SetActivePage(marksShape->TabShadow);
    page->PageControlMarks->OnChange(page->PageControlMarks);
    EXPECT_GT(marksShape->TabShadow->ControlCount(), 0);

    // Another series: the same editors, loaded with its marks and symbol.
    page->SelectSeries(points);
    page->ShowTab(stMarks);
    EXPECT_EQ(page->MarksShapeEditor(), marksShape);
    EXPECT_EQ(marksShape->Shape(), points->Marks());
    EXPECT_EQ(symbolShape->Shape(), points->Marks()->Symbol());
    EXPECT_FALSE(page->CBSymbolVisible->Checked());
    EXPECT_FALSE(marksShape->CBTransparent->Checked());
}

TEST_F(SeriesPageTest, ChoosingTheSameSeriesAgainDoesNotReloadIt) {
    page->SelectSeries(line);
    EXPECT_TRUE(page->CBShowInLegend->Checked());
    line->SetShowInLegend(false);
    page->SelectSeries(line);
    EXPECT_TRUE(page->CBShowInLegend->Checked());
    page->SelectSeries(points);
    page->SelectSeries(line);
    EXPECT_FALSE(page->CBShowInLegend->Checked());
}

TEST_F(SeriesPageTest, ASeriesWithoutDataSourceTabReturnsToFormat) {
    page->SelectSeries(line);
    page->ShowTab(stDataSource);
    EXPECT_EQ(ActiveCaption(), "Data Source");
    points->SetSeriesStyleFlags(32);  // no data source
    page->SelectSeries(points);
    EXPECT_FALSE(page->TabDataSource->TabVisible());
    // The point series' editor is its pointer's.
    ASSERT_TRUE(page->TheTabSheet->TabVisible());
    EXPECT_EQ(ActiveCaption(), "Format");
    // Back on a series that has the tab, the page stays where it was.
    page->ShowTab(stMarks);
    page->SelectSeries(line);
    EXPECT_EQ(ActiveCaption(), "Marks");
}

TEST_F(SeriesPageTest, CustomAxesAreListedByOrientationAndFollowFreedAxes) {
    TChartAxis* vert0 = new TChartAxis(chart->CustomAxes());
    TChartAxis* vert1 = new TChartAxis(chart->CustomAxes());
    TChartAxis* horiz = new TChartAxis(chart->CustomAxes());
    horiz->SetHorizontal(true);
    line->SetCustomVertAxis(vert1);
    page->SelectSeries(line);
    const TStrings& vert = *page->CBVertAxis->Items();
    ASSERT_EQ(vert.Count(), 5);
    EXPECT_EQ(vert.Strings(3), "Custom  0");
    EXPECT_EQ(vert.Strings(4), "Custom  1");
    EXPECT_EQ(vert.Objects(4), vert1);
    EXPECT_EQ(page->CBVertAxis->ItemIndex(), 4);
    ASSERT_EQ(page->CBHorizAxis->Items()->Count(), 4);
    EXPECT_EQ(page->CBHorizAxis->Items()->Strings(3), "Custom  2");
    Choose(page->CBVertAxis, 3);
    EXPECT_EQ(line->CustomVertAxis(), vert0);
    Choose(page->CBHorizAxis, 3);
    EXPECT_EQ(line->HorizAxis(), aCustomHorizAxis);
    EXPECT_EQ(line->CustomHorizAxis(), horiz);
    Choose(page->CBVertAxis, 1);
    EXPECT_EQ(line->VertAxis(), aRightAxis);
    // An axis freed on another page leaves the choices when the host shows the series again.
    TObject::Free(vert0);
    page->SelectSeries(line);
    EXPECT_EQ(vert.Count(), 4);
    EXPECT_EQ(vert.Objects(3), vert1);
}

TEST_F(SeriesPageTest, ThreeValueListsHideSortAndDepthAndOfferZDateTime) {
    auto* cloud = new TPoint3DSeries(&window);
    chart->AddSeries(cloud);
    page->SetChart(chart);
    page->SelectSeries(line);
    EXPECT_TRUE(page->CBSort->Visible());
    EXPECT_TRUE(page->EDepth->Visible());
    EXPECT_FALSE(page->CBZDateTime->Visible());
    page->SelectSeries(cloud);
    for (TControl* c :
         std::initializer_list<TControl*>{page->CBSort, page->LabelSort, page->LabelDepth,
                                          page->EDepth, page->UDDepth, page->CBDepth})
        EXPECT_FALSE(c->Visible());
    ASSERT_TRUE(page->CBZDateTime->Visible());
    page->CBZDateTime->SetChecked(true);
    EXPECT_TRUE(cloud->ValueListByName("Z").DateTime());
}

TEST_F(SeriesPageTest, EachControlWritesItsProperty) {
    page->SelectSeries(line);
    TSeriesMarks& marks = *line->Marks();
    struct Case {
        const char* what;
        std::function<void()> act;
        std::function<bool()> holds;
    };
    const Case cases[] = {
        {"cursor",
         [&] {
             page->CBCursor->SetItemIndex(page->CBCursor->Items()->IndexOf("TeeHand"));
             page->CBCursor->OnChange(page->CBCursor);
         },
         [&] { return line->Cursor() == crTeeHand; }},
        {"depth typed", [&] { page->EDepth->SetText("12"); },
         [&] { return line->Depth() == 12 && !page->CBDepth->Checked(); }},
        {"depth automatic", [&] { page->CBDepth->SetChecked(true); },
         [&] { return line->Depth() == -1; }},
        {"percent format", [&] { page->EPercentFormat->SetText("0.0 %"); },
         [&] { return line->PercentFormat() == "0.0 %"; }},
        {"horizontal axis", [&] { Choose(page->CBHorizAxis, 0); },
         [&] { return line->HorizAxis() == aTopAxis; }},
        {"x date-time", [&] { page->CBXDateTime->SetChecked(true); },
         [&] { return line->XValues().DateTime(); }},
        {"y date-time", [&] { page->CBYDateTime->SetChecked(true); },
         [&] { return line->YValues().DateTime(); }},
        {"sort descending", [&] { Choose(page->CBSort, 1); },
         [&] {
             return line->YValues().Order() == loDescending && line->XValues().Order() == loNone &&
                    line->YValues()[0] == 4 && line->YValues()[4] == 0;
         }},
        {"sort none", [&] { Choose(page->CBSort, 2); },
         [&] { return line->YValues().Order() == loNone; }},
        {"marks visible", [&] { page->CBMarksVisible->SetChecked(true); },
         [&] { return marks.Visible() && !page->CBAllVisible->Checked(); }},
        {"clip", [&] { page->CBMarkClip->SetChecked(true); }, [&] { return marks.Clip(); }},
        {"angle", [&] { page->SEMarksAngle->SetText("45"); }, [&] { return marks.Angle() == 45; }},
        {"draw every", [&] { page->EMarksEvery->SetText("3"); },
         [&] { return marks.DrawEvery() == 3; }},
        {"style", [&] { page->RGMarkStyle->SetItemIndex(smsXY); },
         [&] { return marks.Style() == smsXY && page->CBMultiLine->Enabled(); }},
        {"multi line", [&] { page->CBMultiLine->SetChecked(true); },
         [&] { return marks.MultiLine(); }},
        {"style without multi line", [&] { page->RGMarkStyle->SetItemIndex(smsValue); },
         [&] { return !page->CBMultiLine->Enabled(); }},
        {"text align", [&] { Choose(page->CBTextAlign, 0); },
         [&] { return marks.TextAlign() == taLeftJustify; }},
        {"font series colour", [&] { page->CBFontSeriesColor->SetChecked(true); },
         [&] { return marks.FontSeriesColor(); }},
        {"arrow length", [&] { page->SEArrowLength->SetText("20"); },
         [&] { return marks.CalloutIfAny() && marks.CalloutIfAny()->Length() == 20; }},
        {"arrow distance", [&] { page->EArrowDist->SetText("-5"); },
         [&] { return marks.Callout()->Distance() == -5; }},
        {"arrow head", [&] { Choose(page->CBHead, 2); },
         [&] { return marks.Callout()->ArrowHead() == ahSolid; }},
        {"head size", [&] { page->Edit1->SetText("12"); },
         [&] { return marks.Callout()->ArrowHeadSize() == 12; }},
        {"all marks", [&] { page->CBAllVisible->SetChecked(true); },
         [&] { return points->Marks()->Visible() && page->CBMarksVisible->Checked(); }},
    };
    for (const Case& c : cases) {
        c.act();
        EXPECT_TRUE(c.holds()) << c.what;
    }
    // Typing a half-written number writes nothing.
    page->SEMarksAngle->SetText("-");
    EXPECT_EQ(marks.Angle(), 45);
}

TEST_F(SeriesPageTest, TheDataSourceStyleFollowsWhereThePointsComeFrom) {
    auto* source = new TTestSource(points);
    struct Case {
        const char* what;
        std::function<void()> arrange;
        TChartSeries* series;
        int style;
    };
    const Case cases[] = {
        {"typed", [] {}, line, sdsManual},
        {"sample values", [] {}, points, sdsRandom},
        {"empty", [&] { points->Clear(); }, points, sdsManual},
        {"another series", [&] { points->SetDataSource(line); }, points, sdsSeries},
        {"a function", [&] { points->SetFunction(new TAddTeeFunction(&window)); }, points,
         sdsFunction},
        {"a source component",
         [&] {
             points->SetFunction(nullptr);
             source->SetSeries(points);
         },
         points, sdsFirstKind},
    };
    for (const Case& c : cases) {
        c.arrange();
        page->SelectSeries(c.series == line ? static_cast<TChartSeries*>(points) : line);
        page->SelectSeries(c.series);
        page->ShowTab(stDataSource);
        EXPECT_EQ(page->CBDataSourcestyle->ItemIndex(), c.style) << c.what;
        if (c.style == sdsFunction) {
            EXPECT_NE(dynamic_cast<TTeeFuncEditor*>(page->DataSourceEditor()), nullptr);
        }
    }
    ASSERT_EQ(page->CBDataSourcestyle->Items()->Count(), 5);
    EXPECT_EQ(page->CBDataSourcestyle->Items()->Strings(4), "Test source");
    // The kind's editor is embedded with the series in its Tag.
    auto* editor = dynamic_cast<TTestSourceEditor*>(page->DataSourceEditor());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->TagObject(), points);
    // The relayout tick comes once and leaves the tab where it was.
    ASSERT_TRUE(page->Timer1->Enabled());
    for (int i = 0; i < 50 && page->Timer1->Enabled(); ++i)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EXPECT_FALSE(page->Timer1->Enabled());
    EXPECT_EQ(ActiveCaption(), "Data Source");
    EXPECT_EQ(page->DataSourceEditor(), editor);
    // While the editor refuses to close, the page keeps its tab and refuses to close too.
    editor->MayClose = false;
    EXPECT_FALSE(page->PageSeriesChanging());
    EXPECT_FALSE(page->CloseQuery());
    auto* tabs =
        page->PageSeries->Widget()->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(tabs, nullptr);
    tabs->setCurrentIndex(0);  // the user's click on "General"
    EXPECT_EQ(ActiveCaption(), "Data Source");
    editor->MayClose = true;
    // "Manual" frees the owned source component and empties the series.
    editor->BApply->SetEnabled(true);
    Choose(page->CBDataSourcestyle, sdsManual);
    EXPECT_EQ(page->DataSourceEditor(), nullptr);
    EXPECT_EQ(points->DataSource(), nullptr);
    EXPECT_EQ(points->ComponentCount(), 0);
    EXPECT_EQ(points->Count(), 0);
    EXPECT_TRUE(points->DataEnteredByHand);
    EXPECT_TRUE(page->ChartGrid1->Visible());
    EXPECT_EQ(page->ChartGrid1->Series(), points);
}

TEST_F(SeriesPageTest, TypingAPointInTheGridTellsTheSeriesThatFollow) {
    auto* follower = new TLineSeries(&window);
    chart->AddSeries(follower);
    follower->SetDataSource(line);
    ASSERT_EQ(follower->Count(), 5);
    page->SelectSeries(line);
    page->ShowTab(stDataSource);
    TChartGrid* grid = page->ChartGrid1;
    ASSERT_TRUE(grid->Visible());
    grid->SetCol(grid->ColCount() - 1);
    grid->SetRow(grid->FirstDataRow());
    grid->SetFocus();
    auto key = [&](int qtKey, const QString& text = {}) {
        auto* editor = grid->Widget()->findChild<QLineEdit*>();
        QWidget* target = editor && editor->isVisibleTo(grid->Widget())
                              ? static_cast<QWidget*>(editor)
                              : grid->Widget();
        QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
        QApplication::sendEvent(target, &press);
    };
    key(Qt::Key_F2);
    ASSERT_TRUE(grid->Editing());
    key(Qt::Key_Backspace);
    int dataChanged = 0;
    page->OnChartEvent = [&](TTeeEvent* event) {
        auto* seriesEvent = dynamic_cast<TTeeSeriesEvent*>(event);
        dataChanged += seriesEvent && seriesEvent->Event == seDataChanged;
    };
    key(0, "9");
    EXPECT_GE(dataChanged, 1) << "the chart's listeners are told of the typed point";
    key(Qt::Key_Return, "\r");
    EXPECT_EQ(line->YValues()[0], 9);
    EXPECT_EQ(follower->YValues()[0], 9);
}

TEST_F(SeriesPageTest, TheSeriesPanelOffersTheSeriesThatMayFeedThisOne) {
    points->SetDataSource(line);
    page->SelectSeries(points);
    page->ShowTab(stDataSource);
    ASSERT_TRUE(page->PanelSeriesSource->Visible());
    TComboBox* combo = page->CBSeriesSource;
    ASSERT_GE(combo->ItemIndex(), 0);
    EXPECT_EQ(combo->Items()->Objects(combo->ItemIndex()), line);
    EXPECT_EQ(combo->Items()->IndexOfObject(points), -1);
    EXPECT_TRUE(page->BClearSource->Enabled());
    EXPECT_FALSE(page->BApplySource->Enabled());
    page->BClearSource->Click();
    EXPECT_EQ(points->DataSource(), nullptr);
    EXPECT_FALSE(page->BClearSource->Enabled());
    Choose(combo, combo->Items()->IndexOfObject(line));
    ASSERT_TRUE(page->BApplySource->Enabled());
    page->BApplySource->Click();
    EXPECT_EQ(points->DataSource(), line);
    EXPECT_FALSE(page->BApplySource->Enabled());
    EXPECT_TRUE(page->BClearSource->Enabled());
}

// Series2 is fed by an active source component that the window owns; the user makes Series1
// its source instead. The component lets go of Series2, so freeing Series2 and then the
// component reads nothing freed.
TEST_F(SeriesPageTest, ASeriesChosenInPlaceOfASourceComponentFreesItOfTheSeries) {
    auto* source = new TTestSource(&window);
    source->SetSeries(points);
    source->Activate();
    page->SelectSeries(points);
    page->ShowTab(stDataSource);
    ASSERT_EQ(page->CBDataSourcestyle->ItemIndex(), int(sdsFirstKind));
    Choose(page->CBDataSourcestyle, sdsSeries);
    ASSERT_TRUE(page->PanelSeriesSource->Visible());
    Choose(page->CBSeriesSource, page->CBSeriesSource->Items()->IndexOfObject(line));
    TUserInput().Click(page->BApplySource, QPoint(8, page->BApplySource->Height() / 2));
    EXPECT_EQ(points->DataSource(), line);
    EXPECT_EQ(points->Count(), 5);
    EXPECT_EQ(source->Series(), nullptr);
    TObject::Free(points);
    points = nullptr;
    TObject::Free(source);
}

TEST_F(SeriesPageTest, TheRandomPanelTakesTheSampleCount) {
    page->SelectSeries(points);
    page->ShowTab(stDataSource);
    ASSERT_TRUE(page->PanelRandomSource->Visible());
    EXPECT_EQ(page->ESamples->Text(), "25");
    EXPECT_TRUE(page->CBSamplesDefault->Checked());
    EXPECT_FALSE(page->CBSamplesDefault->Enabled());
    EXPECT_FALSE(page->BApplyRandom->Enabled());
    page->ESamples->SetText("7");
    EXPECT_EQ(points->NumSampleValues, 7);
    EXPECT_FALSE(page->CBSamplesDefault->Checked());
    EXPECT_TRUE(page->CBSamplesDefault->Enabled());
    ASSERT_TRUE(page->BApplyRandom->Enabled());
    page->BApplyRandom->Click();
    EXPECT_EQ(points->Count(), 7);
    EXPECT_FALSE(points->DataEnteredByHand);
    // Not a number: the series' own default count.
    page->ESamples->SetText("seven");
    EXPECT_EQ(points->NumSampleValues, 0);
    EXPECT_TRUE(page->CBSamplesDefault->Checked());
    page->ESamples->SetText("9");
    page->CBSamplesDefault->SetChecked(true);
    EXPECT_EQ(page->ESamples->Text(), "25");
    EXPECT_FALSE(page->CBSamplesDefault->Enabled());
    // Clear empties the series and turns to typing points.
    page->Button3->Click();
    EXPECT_EQ(points->Count(), 0);
    EXPECT_EQ(page->CBDataSourcestyle->ItemIndex(), int(sdsManual));
    EXPECT_TRUE(points->DataEnteredByHand);
}

TEST_F(SeriesPageTest, ASeriesFreedElsewhereIsForgottenAndEveryEventGoesOn) {
    int events = 0;
    page->OnChartEvent = [&](TTeeEvent*) { ++events; };
    page->SelectSeries(line);
    page->ShowTab(stMarks);
    line->SetSeriesColor(TColor(0x123456));
    EXPECT_EQ(events, 1);
    TObject::Free(line);
    line = nullptr;
    EXPECT_GE(events, 2);
    EXPECT_EQ(page->Series(), nullptr);
    EXPECT_FALSE(page->PageSeries->Visible());
    ASSERT_EQ(page->CBSeries->Items()->Count(), 1);
    EXPECT_EQ(page->CBSeries->Items()->Objects(0), points);
    page->SelectSeries(points);
    EXPECT_EQ(page->Series(), points);
    EXPECT_TRUE(page->PageSeries->Visible());
}

TEST_F(SeriesPageTest, TheColourBoxIsOnlyForSeriesWithOneColour) {
    page->SelectSeries(line);
    EXPECT_TRUE(page->PaintBox1->Visible());
    line->UseSeriesColor = false;
    page->SelectSeries(points);
    page->SelectSeries(line);
    EXPECT_FALSE(page->PaintBox1->Visible());
}

TEST_F(SeriesPageTest, TheSeriesDialogEditsOneSeriesWithoutDataSource) {
    TForm host{nullptr};
    const std::string before = Bytes();
    TModalRunner<TFormTeeSeries> runner(&host, [&](TFormTeeSeries& dialog) {
        EXPECT_EQ(dialog.Caption(), "Editing Series1");
        EXPECT_FALSE(dialog.Panel1->Visible());
        EXPECT_FALSE(dialog.TabDataSource->TabVisible());
        EXPECT_EQ(dialog.Series(), line);
        EXPECT_EQ(dialog.TagObject(), line);
        EXPECT_EQ(dialog.CBSeries->Items()->Count(), 1);
        EXPECT_EQ(Bytes(), before);
        dialog.CBShowInLegend->SetChecked(false);
        dialog.Close();
    });
    ShowSeriesDialog(&host, line);
    EXPECT_TRUE(runner.Ran());
    EXPECT_FALSE(line->ShowInLegend());
}

}  // namespace
