// The framed-shape editor on a chart's legend: loading changes nothing, each control writes the
// shape, the sizes follow bevel and round frame, the pages moved into a host keep their order
// and build their editors there, and the dialog closes through its one button.
#include <gtest/gtest.h>

#include "chart/editors/BackImageEditor.h"
#include "chart/editors/FontEditor.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/ShadowEditor.h"
#include "chart/editors/ShapeEditor.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartLegend.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/foundation/TeeFont.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RecordingDialogService.h"
#include "tests/chart/editors/LibraryStartup.h"
#include "tests/chart/editors/ModalRunner.h"
#include "tests/platform/ui/UserInput.h"

namespace {

struct ShapeEditorTest : ::testing::Test {
    TLibraryStartup startup;
    TRecordingDialogService dialogs;
    TForm window{nullptr};
    TChart* chart = nullptr;
    TPageControl* pages = nullptr;
    TTabSheet* sheet = nullptr;

    ShapeEditorTest() {
        window.SetBounds(0, 0, 420, 320);
        chart = new TChart(&window);
        chart->SetName("Chart1");
        pages = new TPageControl(&window);
        pages->SetParent(&window);
        pages->SetBounds(0, 0, 400, 300);
        sheet = new TTabSheet(&window);
        sheet->SetPageControl(pages);
        sheet->SetCaption("Host");
        Shape().SetBevel(bvRaised);
        Shape().SetBevelWidth(3);
        Shape().SetShapeStyle(fosRoundRectangle);
        window.Show();
    }
    TChartLegend& Shape() { return *chart->Legend(); }
    std::string Bytes() {
        TMemoryStream s;
        WriteComponentToStream(s, chart);
        return std::string(s.Memory(), size_t(s.Size()));
    }
    static void Click(TControl* c) { TUserInput().Click(c, QPoint(6, c->Height() / 2)); }
    static TButton* FindButton(TWinControl& parent, const std::string& caption) {
        for (int i = 0; i < parent.ControlCount(); ++i) {
            if (auto* b = dynamic_cast<TButton*>(parent.Controls(i)); b && b->Caption() == caption)
                return b;
            if (auto* w = dynamic_cast<TWinControl*>(parent.Controls(i)))
                if (TButton* b = FindButton(*w, caption)) return b;
        }
        return nullptr;
    }
    static void Choose(TComboBox* combo, int index) {
        combo->SetItemIndex(index);
        combo->OnChange(combo);
    }
};

TEST_F(ShapeEditorTest, LoadingChangesNothingAndEachControlWritesTheShape) {
    const std::string before = Bytes();
    TFormTeeShape* editor = TFormTeeShape::CreateForShape(&window, &Shape(), sheet);
    EXPECT_EQ(Bytes(), before);
    TFormTeeShape& e = *editor;
    EXPECT_EQ(e.PC1->ActivePage(), e.TabFormat);
    EXPECT_EQ(e.CBBevel->ItemIndex(), int(bvRaised));
    EXPECT_EQ(e.EBevWidth->Text(), "3");
    EXPECT_TRUE(e.CBRound->Checked());
    EXPECT_TRUE(e.ERoundSize->Enabled());
    EXPECT_EQ(e.Button4->Pen(), Shape().Pen());

    dialogs.ColorAnswers.push_back(clTeal);
    Click(e.BBackColor);
    EXPECT_EQ(Shape().Color(), clTeal);
    Click(e.CBTransparent);
    EXPECT_EQ(Shape().Transparent(), e.CBTransparent->Checked());
    e.EShadowTransp->SetText("35");
    EXPECT_EQ(Shape().Transparency(), 35);
    e.EShadowTransp->SetText("x");  // not a number: kept
    EXPECT_EQ(Shape().Transparency(), 35);
    e.EBevWidth->SetText("7");
    EXPECT_EQ(Shape().BevelWidth(), 7);
    Choose(e.CBBevel, 1);
    EXPECT_EQ(Shape().Bevel(), bvLowered);
    EXPECT_TRUE(e.EBevWidth->Enabled());
    Choose(e.CBBevel, 0);
    EXPECT_EQ(Shape().Bevel(), bvNone);
    EXPECT_FALSE(e.EBevWidth->Enabled());
    e.ERoundSize->SetText("40");
    EXPECT_EQ(Shape().RoundSize(), 40);
    Click(e.CBRound);
    EXPECT_EQ(Shape().ShapeStyle(), fosRectangle);
    EXPECT_FALSE(e.ERoundSize->Enabled());
    Click(e.CBRound);
    EXPECT_EQ(Shape().ShapeStyle(), fosRoundRectangle);

    TCheckBox* visible = new TCheckBox(&window);
    visible->OnClick = [&](TObject* sender) { e.CBVisibleChecked(sender); };
    visible->SetChecked(true);
    visible->SetChecked(false);
    EXPECT_FALSE(Shape().Visible());
    TObject::Free(editor);
}

TEST_F(ShapeEditorTest, PagesMovedIntoAHostKeepTheirOrderAndBuildTheirEditorsThere) {
    const std::string before = Bytes();
    TFormTeeShape* editor = EmbedShapeEditorPages(pages, &Shape());
    pages->OnChange = [&](TObject* sender) { editor->PC1Change(sender); };
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(editor->Owner(), nullptr);
    ASSERT_EQ(pages->PageCount(), 7);
    EXPECT_EQ(pages->Pages(0), sheet);
    const char* captions[] = {"Format", "Border", "Text", "Gradient", "Shadow", "Picture"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(pages->Pages(i + 1)->Caption(), captions[i]);
    EXPECT_EQ(pages->ActivePage(), sheet);
    EXPECT_EQ(editor->PC1->PageCount(), 0);

    pages->SetActivePage(editor->TabText);
    pages->OnChange(pages);
    ASSERT_EQ(editor->TabText->ControlCount(), 1);
    auto* font = dynamic_cast<TTeeFontEditor*>(editor->TabText->Controls(0));
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->Font(), Shape().Font());
    pages->OnChange(pages);  // a page that holds its editor keeps it
    EXPECT_EQ(editor->TabText->Controls(0), font);

    pages->SetActivePage(editor->TabShadow);
    pages->OnChange(pages);
    ASSERT_EQ(editor->TabShadow->ControlCount(), 1);
    EXPECT_NE(dynamic_cast<TTeeShadowEditor*>(editor->TabShadow->Controls(0)), nullptr);
    pages->SetActivePage(editor->TabGradient);
    pages->OnChange(pages);
    ASSERT_EQ(editor->TabGradient->ControlCount(), 1);
    auto* gradient = dynamic_cast<TTeeGradientEditor*>(editor->TabGradient->Controls(0));
    ASSERT_NE(gradient, nullptr);
    EXPECT_EQ(gradient->Gradient(), Shape().GradientIfAny());

    pages->SetActivePage(editor->TabImage);
    pages->OnChange(pages);
    ASSERT_EQ(editor->TabImage->ControlCount(), 1);
    auto* image = dynamic_cast<TBackImageEditor*>(editor->TabImage->Controls(0));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->Picture(), Shape().PictureIfAny());
    TObject::Free(editor);
    EXPECT_EQ(pages->PageCount(), 1);
}

TEST_F(ShapeEditorTest, DialogEditsInPlaceAndClosesWithItsButton) {
    for (bool hide : {false, true}) {
        TModalRunner<TFormTeeShape> runner(&window, [&](TFormTeeShape& e) {
            EXPECT_EQ(e.TabText->TabVisible(), !hide);
            EXPECT_EQ(e.TabShadow->TabVisible(), !hide);
            EXPECT_TRUE(e.TabGradient->TabVisible());
            EXPECT_TRUE(e.TabImage->TabVisible());
            e.EBevWidth->SetText(hide ? "9" : "8");
            TButton* ok = FindButton(e, "OK");
            ASSERT_NE(ok, nullptr);
            EXPECT_EQ(ok->Left(), e.Width() - 98);
            Click(ok);
        });
        ShowShapeEditor(&window, &Shape(), hide);
        EXPECT_TRUE(runner.Ran());
        EXPECT_EQ(Shape().BevelWidth(), hide ? 9 : 8);
    }
}

}  // namespace
