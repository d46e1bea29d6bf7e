// The bar series editor and its stacking page: loading writes nothing back, each control writes
// its property, the style and colour rules, and the origin text.
#include <functional>

#include "chart/editors/BarSeriesEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/StackBarSeriesEditor.h"
#include "chart/engine/BarSeries.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/foundation/TeeButtons.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/TrackBar.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/editors/SeriesEditorFixture.h"

namespace {

struct Case {
    const char* what;
    std::function<void()> act;
    std::function<bool()> holds;
};

struct BarSeriesEditorTest : SeriesEditorFixture {
    TBarSeries* bar = AddSeries<TBarSeries>();
    TBarSeriesEditor* editor = nullptr;

    void ChooseStyle(TBarStyle style) {
        editor->CBBarStyle->SetItemIndex(int(style));
        editor->CBBarStyle->OnChange(editor->CBBarStyle);
    }
};

TEST_F(BarSeriesEditorTest, LoadingWritesNothingBack) {
    bar->SetBarStyle(bsBevel);
    bar->SetBarWidthPercent(42);
    bar->SetOffsetPercent(-20);
    bar->SetDepthPercent(60);
    bar->SetBevelSize(3);
    bar->SetDarkPen(0);
    bar->SetTransparency(25);
    bar->SetSideMargins(false);
    const std::string before = Bytes();
    editor = Open<TBarSeriesEditor>(bar);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(editor->PageControl1->ActivePage(), editor->TabFormat);
    EXPECT_EQ(editor->CBBarStyle->ItemIndex(), int(bsBevel));
    EXPECT_EQ(editor->SEBarwidth->Text(), "42");
    EXPECT_EQ(editor->SEBarOffset->Text(), "-20");
    EXPECT_EQ(editor->Edit1->Text(), "60");
    EXPECT_EQ(editor->EBevel->Text(), "3");
    EXPECT_EQ(editor->Edit2->Text(), "0");
    EXPECT_EQ(editor->TBTransp->Position(), 25);
    EXPECT_FALSE(editor->CBBarSideMargins->Checked());
    EXPECT_EQ(editor->BBarPen->Pen(), bar->Pen());
    EXPECT_EQ(editor->BTickLines->Pen(), bar->TickLines());
}

TEST_F(BarSeriesEditorTest, EachControlWritesItsProperty) {
    editor = Open<TBarSeriesEditor>(bar);
    const Case cases[] = {
        {"cone", [&] { ChooseStyle(bsCone); }, [&] { return bar->BarStyle() == bsCone; }},
        {"width", [&] { editor->SEBarwidth->SetText("55"); },
         [&] { return bar->BarWidthPercent() == 55; }},
        {"width stepped", [&] { editor->UDBarWidth->Step(btNext); },
         [&] { return bar->BarWidthPercent() == 60; }},
        {"offset", [&] { editor->SEBarOffset->SetText("-35"); },
         [&] { return bar->OffsetPercent() == -35; }},
        {"depth", [&] { editor->Edit1->SetText("80"); }, [&] { return bar->DepthPercent() == 80; }},
        {"bevel", [&] { editor->EBevel->SetText("6"); }, [&] { return bar->BevelSize() == 6; }},
        {"dark pen", [&] { editor->Edit2->SetText("200"); }, [&] { return bar->DarkPen() == 200; }},
        {"color each", [&] { Click(editor->CBColorEach); }, [&] { return bar->ColorEachPoint(); }},
        {"dark bar", [&] { Click(editor->CBDarkBar); }, [&] { return !bar->Dark3D(); }},
        {"side margins", [&] { Click(editor->CBBarSideMargins); },
         [&] { return !bar->SideMargins(); }},
        {"auto mark position", [&] { Click(editor->CBMarksAutoPosition); },
         [&] { return !bar->AutoMarkPosition(); }},
        {"transparency", [&] { editor->TBTransp->SetPosition(40); },
         [&] { return bar->Transparency() == 40; }},
    };
    for (const Case& c : cases) {
        c.act();
        EXPECT_TRUE(c.holds()) << c.what;
    }
}

TEST_F(BarSeriesEditorTest, StyleDecidesGradientAndBevel) {
    editor = Open<TBarSeriesEditor>(bar);
    struct Rule {
        TBarStyle style;
        bool gradient;
        bool bevel;
    };
    for (const Rule& r : {Rule{bsBevel, false, true}, Rule{bsRectangle, true, false},
                          Rule{bsCilinder, false, false}, Rule{bsRectGradient, true, false}}) {
        ChooseStyle(r.style);
        EXPECT_EQ(editor->BGradient->Enabled(), r.gradient) << r.style;
        for (TControl* c :
             {static_cast<TControl*>(editor->LBevel), static_cast<TControl*>(editor->EBevel),
              static_cast<TControl*>(editor->UDBevel)})
            EXPECT_EQ(c->Enabled(), r.bevel) << r.style;
    }
}

TEST_F(BarSeriesEditorTest, GradientButtonTurnsTheBarsToRectangleGradients) {
    editor = Open<TBarSeriesEditor>(bar);
    editor->BGradient->Click();
    EXPECT_EQ(bar->BarStyle(), bsRectGradient);
    EXPECT_EQ(editor->CBBarStyle->ItemIndex(), int(bsRectGradient));
}

TEST_F(BarSeriesEditorTest, ColourButtonOnlyForOneColour) {
    bar->SetColorEachPoint(true);
    editor = Open<TBarSeriesEditor>(bar);
    EXPECT_FALSE(editor->BBarColor->Enabled());
    Click(editor->CBColorEach);
    EXPECT_TRUE(editor->BBarColor->Enabled());
    dialogs.ColorAnswers.push_back(clOlive);
    editor->BBarColor->Click();
    EXPECT_EQ(bar->SeriesColor(), clOlive);
}

struct StackBarEditorTest : SeriesEditorFixture {
    TBarSeries* bar = AddSeries<TBarSeries>();
    TStackBarSeriesEditor* editor = nullptr;
};

TEST_F(StackBarEditorTest, LoadingWritesNothingBack) {
    bar->SetYOrigin(1.25);
    bar->SetMultiBar(mbStacked);
    bar->SetStackGroup(2);
    const std::string before = Bytes();
    editor = Open<TStackBarSeriesEditor>(bar);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(editor->EYOrigin->Text(), "1.25");
    EXPECT_TRUE(editor->CBYOrigin->Checked());
    EXPECT_EQ(editor->RGMultiBar->ItemIndex(), int(mbStacked));
    EXPECT_EQ(editor->EGroup->Text(), "2");
    EXPECT_TRUE(editor->EGroup->Enabled());
}

TEST_F(StackBarEditorTest, OriginTextSetsANumberAndKeepsTheOriginOtherwise) {
    editor = Open<TStackBarSeriesEditor>(bar);
    struct Typed {
        const char* text;
        double origin;
    };
    for (const Typed& t :
         {Typed{"-2.5", -2.5}, Typed{"abc", -2.5}, Typed{"", -2.5}, Typed{"1e3", 1000}}) {
        editor->EYOrigin->SetText(t.text);
        EXPECT_EQ(bar->YOrigin(), t.origin) << t.text;
    }
    Click(editor->CBYOrigin);
    EXPECT_FALSE(bar->UseYOrigin());
    EXPECT_FALSE(editor->EYOrigin->Enabled());
    Click(editor->CBYOrigin);
    EXPECT_TRUE(editor->EYOrigin->Enabled());
}

TEST_F(StackBarEditorTest, MultipleBarsAndTheStackGroup) {
    editor = Open<TStackBarSeriesEditor>(bar);
    struct Choice {
        int item;
        TMultiBar multiBar;
        bool group;
    };
    for (const Choice& c :
         {Choice{2, mbStacked, true}, Choice{5, mbSelfStack, false}, Choice{3, mbStacked100, true},
          Choice{4, mbSideAll, false}, Choice{0, mbNone, false}, Choice{1, mbSide, false}}) {
        editor->RGMultiBar->SetItemIndex(c.item);
        EXPECT_EQ(bar->MultiBar(), c.multiBar) << c.item;
        EXPECT_EQ(editor->EGroup->Enabled(), c.group) << c.item;
        EXPECT_EQ(editor->UDGroup->Enabled(), c.group) << c.item;
    }
    editor->EGroup->SetText("9");
    EXPECT_EQ(bar->StackGroup(), 9);
}

}  // namespace
