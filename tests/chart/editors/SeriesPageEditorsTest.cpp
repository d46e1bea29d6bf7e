#include <gtest/gtest.h>

#include "chart/editors/SeriesPage.h"
#include "chart/engine/Chart.h"
#include "chart/engine/LineSeries.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/ui/PageControl.h"
#include "tests/chart/editors/LibraryStartup.h"
#include "tests/chart/editors/SeriesPageTabs.h"

namespace {

// A series type with an editor form of its own, and one without.
class TEditedSeries : public TLineSeries {
    KV_DECLARE_CLASS(TEditedSeries, TLineSeries)
public:
    using TLineSeries::TLineSeries;
    static std::string EditorClassName() { return "TTestSeriesEditor"; }
};

class TPlainSeries : public TLineSeries {
    KV_DECLARE_CLASS(TPlainSeries, TLineSeries)
public:
    using TLineSeries::TLineSeries;
    static std::string EditorClassName() { return {}; }
};

class TTestExtraPage : public TForm {
    KV_DECLARE_CLASS(TTestExtraPage, TForm)
public:
    using TForm::TForm;
};

// Counts its instances and, like the editors of several series types, adds a tab of its own.
class TTestSeriesEditor : public TForm {
    KV_DECLARE_CLASS(TTestSeriesEditor, TForm)
public:
    explicit TTestSeriesEditor(TComponent* owner) : TForm(owner) {
        ++created;
        OnShow = [this](TObject*) {
            if (!extra)
                extra = TFormTeeSeries::InsertEditorPage(this, TTestExtraPage::StaticClass(),
                                                         "Extra", TagObject(), 1);
        };
    }
    ~TTestSeriesEditor() override { ++freed; }
    TForm* extra = nullptr;
    static inline int created = 0;
    static inline int freed = 0;
};

struct SeriesPageEditorsTest : ::testing::Test {
    TLibraryStartup startup;
    TForm window{nullptr};
    TChart* chart = new TChart(&window);
    TEditedSeries* edited = new TEditedSeries(&window);
    TPlainSeries* plain = new TPlainSeries(&window);
    TFormTeeSeries* page = new TFormTeeSeries(&window);

    SeriesPageEditorsTest() {
        RegisterClasses({&TTestSeriesEditor::StaticClass(), &TTestExtraPage::StaticClass()});
        TTestSeriesEditor::created = TTestSeriesEditor::freed = 0;
        chart->SetParent(&window);
        edited->SetParentChart(chart);
        plain->SetParentChart(chart);
        page->SetParent(&window);
        page->SetChart(chart);
        window.Show();
        page->Show();
    }
    ~SeriesPageEditorsTest() override {
        UnRegisterClasses({&TTestSeriesEditor::StaticClass(), &TTestExtraPage::StaticClass()});
    }
    TTestSeriesEditor* Editor() const {
        return dynamic_cast<TTestSeriesEditor*>(FormatEditorOf(*page));
    }
    std::vector<std::string> Tabs() const { return VisibleTabCaptions(*page); }
};

TEST_F(SeriesPageEditorsTest, TheSeriesTypesEditorFillsFormatAndAddsItsTabs) {
    EXPECT_EQ(FindSeriesEditorClass(*edited), &TTestSeriesEditor::StaticClass());
    EXPECT_EQ(FindSeriesEditorClass(*plain), nullptr);
    page->SelectSeries(edited);
    TTestSeriesEditor* editor = Editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->TagObject(), edited);
    EXPECT_EQ(editor->Align(), alClient);
    EXPECT_EQ(page->PageSeries->ActivePage(), page->TheTabSheet);
    EXPECT_EQ(Tabs(),
              (std::vector<std::string>{"Format", "Extra", "General", "Marks", "Data Source"}));
    ASSERT_NE(editor->extra, nullptr);
    EXPECT_EQ(editor->extra->TagObject(), edited);

    page->Reload();
    EXPECT_EQ(TTestSeriesEditor::created, 1) << "showing the same series again keeps its editors";

    page->PageSeries->SetActivePage(page->TabMarks);
    page->SelectSeries(plain);
    EXPECT_EQ(TTestSeriesEditor::freed, 1);
    EXPECT_EQ(Tabs(), (std::vector<std::string>{"General", "Marks", "Data Source"}));
    EXPECT_EQ(page->PageSeries->ActivePage(), page->TabMarks) << "the same tab stays open";
}

TEST_F(SeriesPageEditorsTest, ASeriesWithoutEditorOpensOnGeneral) {
    page->SelectSeries(plain);
    EXPECT_FALSE(page->TheTabSheet->TabVisible());
    EXPECT_EQ(page->PageSeries->ActivePage(), page->TabGeneral);
}

TEST_F(SeriesPageEditorsTest, AnEditorOnNoSeriesPageGetsItsOwnForm) {
    TForm* form =
        TFormTeeSeries::InsertEditorPage(&window, TTestExtraPage::StaticClass(), "Stack", plain, 1);
    EXPECT_EQ(form->Owner(), &window);
    EXPECT_EQ(form->Parent(), nullptr);
    EXPECT_EQ(form->Caption(), "Stack");
    EXPECT_EQ(form->TagObject(), plain);
}

}  // namespace
