// The function and data-source page and the functions' options forms: opening them changes
// nothing, each control reaches its function property only through Apply, leaving without
// applying keeps the series as it was, and the source lists and checks.
#include <gtest/gtest.h>

#include "chart/editors/FuncEditor.h"
#include "chart/editors/FunctionChoices.h"
#include "chart/editors/FunctionOptionEditors.h"
#include "chart/editors/SelectListForm.h"
#include "chart/engine/BasicFunctions.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartValueList.h"
#include "chart/engine/DataSourcesList.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/SeriesCreation.h"
#include "chart/engine/SeriesSource.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/engine/SmoothingFunction.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RecordingDialogService.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/editors/LibraryStartup.h"

namespace {

std::string Items(const TStrings& items) { return items.CommaText(); }

struct FunctionEditorsTest : ::testing::Test {
    TLibraryStartup library;
    TRecordingDialogService dialogs;
    TForm window{nullptr};
    TChart* chart = nullptr;
    TLineSeries* a = nullptr;  // plain data
    TLineSeries* b = nullptr;  // plain data
    TLineSeries* result = nullptr;

    FunctionEditorsTest() {
        FreeSeriesTypeRegistries();
        for (const TStandardFunctionEntry& e : BasicFunctionEntries())
            RegisterStandardFunction(e.FunctionClass, e.Description);
        RegisterStandardFunction(&TSmoothingFunction::StaticClass(), &TxtExtSmoothing);
        window.SetBounds(0, 0, 500, 400);
        chart = new TChart(&window);
        chart->SetParent(&window);
        chart->SetBounds(0, 0, 300, 200);
        a = AddLine("A", {1, 3, 2, 5});
        b = AddLine("B", {2, 2, 2, 2});
        result = AddLine("Result", {});
        window.Show();
    }
    ~FunctionEditorsTest() override { FreeSeriesTypeRegistries(); }

    TLineSeries* AddLine(const char* title, std::initializer_list<double> ys) {
        auto* s = new TLineSeries(chart);
        s->SetName(std::string("Series") + title);
        s->SetTitle(title);
        chart->AddSeries(s);
        for (double y : ys) s->AddY(y);
        return s;
    }
    std::string Bytes() {
        TMemoryStream s;
        WriteComponentToStream(s, chart);
        return std::string(static_cast<const char*>(s.Memory()), size_t(s.Size()));
    }
    TTeeFuncEditor* Open(TChartSeries* series) {
        auto* page = new TTeeFuncEditor(&window);
        page->SetParent(&window);
        page->SetBounds(0, 0, 460, 300);
        page->SetTagObject(series);
        page->Show();
        return page;
    }
    static void Choose(TComboBox* combo, const std::string& text) {
        combo->SetItemIndex(combo->Items()->IndexOf(text));
        ASSERT_GE(combo->ItemIndex(), 0) << text;
    }
};

TEST_F(FunctionEditorsTest, ChoicesAndSourceCandidates) {
    TComboBox combo(nullptr);
    FillFunctionChoices(combo);
    EXPECT_EQ(Items(*combo.Items()),
              "Copy,Add,Subtract,Multiply,Divide,High,Low,Average,\"y = f(x)\",Median,Mode,"
              "Smoothing");
    EXPECT_EQ(combo.Items()->Objects(0), nullptr);
    ASSERT_TRUE(SelectFunctionClass(combo, &TAverageTeeFunction::StaticClass()));
    EXPECT_EQ(combo.Items()->Get(combo.ItemIndex()), "Average");
    EXPECT_EQ(SelectedFunctionClass(combo), &TAverageTeeFunction::StaticClass());

    // The page's combo is sorted: "Copy" takes its alphabetical place.
    TTeeFuncEditor* page = Open(result);
    EXPECT_EQ(page->CBSources->Items()->Get(0), "Add");
    EXPECT_EQ(page->LLabel->Caption(), "&Functions:");

    // A series already feeding Result is offered as the single source but not as available.
    result->SetDataSource(a);
    TStringList available, single;
    ListSourceCandidates(&available, single, *result);
    EXPECT_EQ(Items(single), "A,B");
    EXPECT_EQ(Items(available), "B");
    EXPECT_EQ(single.Objects(0), a);
}

TEST_F(FunctionEditorsTest, OpeningTheEditorsChangesNothing) {
    result->SetDataSource(a);
    auto* average = static_cast<TAverageTeeFunction*>(
        CreateSeriesFunction(result, &TAverageTeeFunction::StaticClass()));
    average->SetPeriod(2.6);
    average->SetIncludeNulls(false);
    const std::string before = Bytes();
    TTeeFuncEditor* page = Open(result);
    EXPECT_EQ(Bytes(), before);
    EXPECT_FALSE(page->BApply->Enabled());
    EXPECT_EQ(page->CBSources->Text(), "Average");
    auto* options = dynamic_cast<TAverageFuncEditor*>(page->OptionsEditor());
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->CBStyle->Text(), "Every number of points");
    EXPECT_EQ(options->ENum->Text(), "3");
    EXPECT_FALSE(options->CBNulls->Checked());
    EXPECT_TRUE(page->PanSingle->Visible() || page->SelectList()->Visible());
    EXPECT_EQ(page->SelectList()->ToList->Items()->Get(0), "A");
    EXPECT_EQ(Items(*page->SelectList()->FromList->Items()), "B");

    // The smoothing's form loads without writing back either.
    TSmoothFuncEditor smooth(nullptr);
    auto* smoothing = static_cast<TSmoothingFunction*>(
        CreateSeriesFunction(b, &TSmoothingFunction::StaticClass()));
    smoothing->SetFactor(7);
    smoothing->SetInterpolate(false);
    const std::string withSmoothing = Bytes();
    smooth.SetTagObject(smoothing);
    smooth.Show();
    EXPECT_EQ(smooth.UpDown1->Position(), 7);
    EXPECT_FALSE(smooth.CBInterp->Checked());
    EXPECT_EQ(Bytes(), withSmoothing);
}

TEST_F(FunctionEditorsTest, ConnectingASource) {
    // On a chart without a series, the first registered series type is added for the source.
    TChart empty(nullptr);
    RegisterSeriesClass(&TLineSeries::StaticClass(), &TxtLine, &TxtStandard, 1);
    TBaseSourceEditor onChart(nullptr);
    onChart.SetTagObject(&empty);
    onChart.Show();
    onChart.ConnectSource(a);
    ASSERT_EQ(empty.SeriesCount(), 1);
    EXPECT_EQ(onChart.TheSeries(), empty.GetSeries(0));
    EXPECT_EQ(empty.GetSeries(0)->DataSource(), a);

    // A source component the series made for itself goes when another source takes its place.
    TBaseSourceEditor page(nullptr);
    page.SetTagObject(result);
    page.Show();
    const int owned = result->ComponentCount();
    auto* own = new TTeeSeriesSource(result);
    page.ConnectSource(own);
    EXPECT_EQ(result->DataSource(), own);
    EXPECT_EQ(own->Series(), result);
    page.ConnectSource(b);
    EXPECT_EQ(result->DataSource(), b);
    EXPECT_EQ(result->ComponentCount(), owned) << "the series' own source is freed";
}

// Each options form, embedded by the page on a function of its class with settings away from
// the defaults, leaves the chart's stream as it was.
TEST_F(FunctionEditorsTest, EveryOptionsFormLoadsWithoutWriting) {
    struct Case {
        TClass functionClass;
        const char* editorClass;
    };
    const Case cases[] = {
        {&THighTeeFunction::StaticClass(), "TTeeFunctionEditor"},
        {&TAverageTeeFunction::StaticClass(), "TAverageFuncEditor"},
        {&TCustomTeeFunction::StaticClass(), "TCustomFunctionEditor"},
        {&TSmoothingFunction::StaticClass(), "TSmoothFuncEditor"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.editorClass);
        TTeeFunction* f = CreateSeriesFunction(result, c.functionClass);
        if (!f->NoSourceRequired) result->SetDataSource(a);
        f->SetPeriodAlign(paLast);
        f->SetPeriodStyle(psRange);
        f->SetPeriod(2.6);
        if (auto* smoothing = dynamic_cast<TSmoothingFunction*>(f)) smoothing->SetFactor(3);
        if (auto* formula = dynamic_cast<TCustomTeeFunction*>(f)) formula->SetStartX(-1.5);
        const std::string before = Bytes();
        TTeeFuncEditor* page = Open(result);
        ASSERT_NE(page->OptionsEditor(), nullptr);
        EXPECT_EQ(page->OptionsEditor()->ClassName(), c.editorClass);
        EXPECT_EQ(page->OptionsEditor()->IFunction, f);
        EXPECT_EQ(Bytes(), before);
        TObject::Free(page);
        result->SetFunction(nullptr);
        result->SetDataSource(nullptr);
    }
}

// The period form, loaded from a function and then applied after the user's changes.
TEST_F(FunctionEditorsTest, PeriodFormLoadsAndApplies) {
    struct Case {
        const char* name;
        bool moving;
        TFunctionPeriodStyle style;
        double period;
        const char* shownStyle;
        const char* shownNumber;
        bool numberEnabled;
        bool changeEnabled;
    };
    const Case cases[] = {
        {"all points", false, psNumPoints, 0, "All points", "", false, false},
        {"rounded", false, psNumPoints, 2.6, "Every number of points", "3", true, false},
        {"range", false, psRange, 2.5, "Every range", "2.5", true, true},
        {"moving range", true, psRange, 5, "Every number of points", "5", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TTeeFunction* f = c.moving ? new TTeeMovingFunction(&window) : new TTeeFunction(&window);
        f->SetPeriodStyle(c.style);
        f->SetPeriod(c.period);
        f->SetPeriodAlign(paLast);
        TTeeFunctionEditor form(nullptr);
        form.SetTagObject(f);
        form.Show();
        EXPECT_EQ(form.CBStyle->Text(), c.shownStyle);
        EXPECT_EQ(form.ENum->Text(), c.shownNumber);
        EXPECT_EQ(form.ENum->Enabled(), c.numberEnabled);
        EXPECT_EQ(form.BChange->Enabled(), c.changeEnabled);
        EXPECT_EQ(form.CBAlign->Text(), "Last");
        TObject::Free(f);
    }

    struct Edit {
        const char* name;
        int style;
        const char* number;
        int align;
        TFunctionPeriodStyle periodStyle;
        double period;
        TFunctionPeriodAlign periodAlign;
    };
    const Edit edits[] = {
        {"all points", 0, nullptr, 0, psNumPoints, 0, paFirst},
        {"points", 1, "4", 1, psNumPoints, 4, paCenter},
        {"range", 2, "0.5", 2, psRange, 0.5, paLast},
        {"no number", 1, "x", 0, psNumPoints, 0, paFirst},
    };
    for (const Edit& e : edits) {
        SCOPED_TRACE(e.name);
        TTeeFunction f(nullptr);
        f.SetPeriod(9);
        TTeeFunctionEditor form(nullptr);
        form.SetTagObject(&f);
        form.Show();
        form.CBStyle->SetItemIndex(e.style);
        form.CBStyleChange();
        if (e.number) form.ENum->SetText(e.number);
        form.CBAlign->SetItemIndex(e.align);
        ASSERT_TRUE(form.CloseQuery());
        EXPECT_EQ(f.PeriodStyle(), e.periodStyle);
        EXPECT_DOUBLE_EQ(f.Period(), e.period);
        EXPECT_EQ(f.PeriodAlign(), e.periodAlign);
    }

    // A negative period is refused by the function, which keeps its period.
    TTeeFunction f(nullptr);
    f.SetPeriod(3);
    TTeeFunctionEditor form(nullptr);
    form.SetTagObject(&f);
    form.Show();
    form.ENum->SetText("-2");
    EXPECT_THROW(form.CloseQuery(), ChartException);
    EXPECT_DOUBLE_EQ(f.Period(), 3);
}

TEST_F(FunctionEditorsTest, ApplyingTheAverageAndItsSource) {
    TTeeFuncEditor* page = Open(result);
    Choose(page->CBSources, "Average");
    page->CBSourcesChange();
    EXPECT_TRUE(page->BApply->Enabled());
    EXPECT_EQ(result->Function(), nullptr) << "nothing changes before Apply";
    auto* options = dynamic_cast<TAverageFuncEditor*>(page->OptionsEditor());
    ASSERT_NE(options, nullptr);
    options->CBStyle->SetItemIndex(1);
    options->CBStyleChange();
    options->ENum->SetText("2");
    options->CBNulls->SetChecked(false);
    page->SelectList()->FromList->SetItemIndex(0);  // "A"
    page->SelectList()->FromList->SetSelected(0, true);
    page->SelectList()->BRightOne->Click();
    page->BApply->Click();

    auto* average = dynamic_cast<TAverageTeeFunction*>(result->Function());
    ASSERT_NE(average, nullptr);
    EXPECT_EQ(average->Name(), "TeeFunction1");
    EXPECT_DOUBLE_EQ(average->Period(), 2);
    EXPECT_FALSE(average->IncludeNulls());
    EXPECT_EQ(result->DataSource(), a);
    // Averages of (1, 3) and (2, 5).
    ASSERT_EQ(result->Count(), 2);
    EXPECT_DOUBLE_EQ(result->YValues()[0], 2);
    EXPECT_DOUBLE_EQ(result->YValues()[1], 3.5);
    EXPECT_FALSE(page->BApply->Enabled());

    // "Copy" then removes the function; the source stays.
    Choose(page->CBSources, "Copy");
    page->CBSourcesChange();
    EXPECT_FALSE(page->TabOptions->TabVisible());
    page->BApply->Click();
    EXPECT_EQ(result->Function(), nullptr);
    EXPECT_EQ(result->DataSource(), a);
    EXPECT_EQ(result->Count(), 4);
}

TEST_F(FunctionEditorsTest, FormulaNeedsNoSource) {
    TTeeFuncEditor* page = Open(result);
    Choose(page->CBSources, "y = f(x)");
    page->CBSourcesChange();
    EXPECT_FALSE(page->TabSource->TabVisible());
    EXPECT_EQ(page->PageControl1->ActivePage(), page->TabOptions);
    auto* options = dynamic_cast<TCustomFunctionEditor*>(page->OptionsEditor());
    ASSERT_NE(options, nullptr);
    options->EStart->SetText("1");
    options->EStep->SetText("0.5");
    options->ENum->SetText("3");
    page->BApply->Click();
    auto* formula = dynamic_cast<TCustomTeeFunction*>(result->Function());
    ASSERT_NE(formula, nullptr);
    EXPECT_DOUBLE_EQ(formula->StartX(), 1);
    EXPECT_DOUBLE_EQ(formula->Period(), 0.5);
    EXPECT_EQ(formula->NumPoints(), 3);

    // A text that is no number raises and leaves the function as it was.
    options->EStep->SetText("abc");
    EXPECT_THROW(page->BApplyClick(), EConvertError);
    EXPECT_DOUBLE_EQ(formula->Period(), 0.5);
    EXPECT_EQ(result->Function(), formula);
}

TEST_F(FunctionEditorsTest, LeavingWithoutApplyingKeepsTheSeries) {
    result->SetDataSource(a);
    TTeeFunction* high = CreateSeriesFunction(result, &THighTeeFunction::StaticClass());
    TTeeFuncEditor* page = Open(result);
    const std::string before = Bytes();
    Choose(page->CBSources, "Low");
    page->CBSourcesChange();
    EXPECT_EQ(result->Function(), high);

    dialogs.Answers = {mrCancel, mrNo};
    EXPECT_FALSE(page->CloseQuery());
    EXPECT_EQ(dialogs.Messages.back().Text, "Apply Changes ?");
    EXPECT_TRUE(page->BApply->Enabled());
    EXPECT_TRUE(page->CloseQuery());
    EXPECT_FALSE(page->BApply->Enabled());
    EXPECT_EQ(result->Function(), high);
    EXPECT_EQ(Bytes(), before);

    Choose(page->CBSources, "Low");
    page->CBSourcesChange();
    dialogs.Answers = {mrYes};
    EXPECT_TRUE(page->CloseQuery());
    EXPECT_TRUE(result->Function()->InheritsFrom(TLowTeeFunction::StaticClass()));
}

TEST_F(FunctionEditorsTest, SingleSourceWithValueChoiceAndNone) {
    TTeeFuncEditor* page = Open(result);
    Choose(page->CBSources, "Smoothing");
    page->CBSourcesChange();
    ASSERT_TRUE(page->PanSingle->Visible());
    EXPECT_FALSE(page->SelectList()->Visible());
    EXPECT_FALSE(page->CBValues->Enabled());
    Choose(page->CBSingle, "B");
    page->CBSingleChange();
    EXPECT_TRUE(page->CBValues->Enabled());
    EXPECT_TRUE(page->BNone->Enabled());
    EXPECT_EQ(Items(*page->CBValues->Items()), "Y");
    auto* options = dynamic_cast<TSmoothFuncEditor*>(page->OptionsEditor());
    ASSERT_NE(options, nullptr);
    options->UpDown1->SetPosition(2);
    options->CBInterp->SetChecked(false);
    page->BApply->Click();
    auto* smoothing = dynamic_cast<TSmoothingFunction*>(result->Function());
    ASSERT_NE(smoothing, nullptr);
    EXPECT_EQ(smoothing->Factor(), 2);
    EXPECT_FALSE(smoothing->Interpolate());
    EXPECT_EQ(result->DataSource(), b);
    EXPECT_EQ(result->YValues().ValueSource(), "Y");
    EXPECT_EQ(result->Count(), 4 * 2 + 1);

    // Opened again, the page shows the source and the list it reads, and changes nothing.
    const std::string applied = Bytes();
    TTeeFuncEditor* again = Open(result);
    EXPECT_EQ(again->CBSources->Text(), "Smoothing");
    EXPECT_EQ(again->CBSingle->Text(), "B");
    EXPECT_EQ(again->CBValues->Text(), "Y");
    EXPECT_FALSE(again->BApply->Enabled());
    EXPECT_EQ(Bytes(), applied);

    page->BNone->Click();
    EXPECT_EQ(page->CBSingle->ItemIndex(), -1);
    page->BApply->Click();
    EXPECT_EQ(result->DataSource(), nullptr);
    EXPECT_EQ(result->YValues().ValueSource(), "");
}

TEST_F(FunctionEditorsTest, CircularSourceRaisesAndKeepsTheSources) {
    // Result adds A and B; then A is asked to add Result.
    result->DataSources().AddSource(a);
    result->DataSources().AddSource(b);
    CreateSeriesFunction(result, &TAddTeeFunction::StaticClass());
    TTeeFuncEditor* page = Open(a);
    Choose(page->CBSources, "Add");
    page->CBSourcesChange();
    TListBox* from = page->SelectList()->FromList;
    for (int i = 0; i < from->Count(); ++i) from->SetSelected(i, true);
    page->SelectList()->BRightAll->Click();
    EXPECT_THROW(page->BApplyClick(), ChartException);
    EXPECT_EQ(a->DataSources().Count(), 0);
    EXPECT_EQ(result->DataSources().Count(), 2);

    // A series added to the chart joins the lists of an open page.
    page->SelectList()->BLeftAll->Click();
    const int before = from->Count();
    TLineSeries* c = AddLine("C", {1});
    EXPECT_EQ(from->Count(), before + 1);
    TObject::Free(c);
    EXPECT_EQ(from->Count(), before);
    EXPECT_EQ(page->CBSingle->Items()->IndexOf("C"), -1);
}

}  // namespace
