// The gradient editor: the presets, loading that changes nothing, each control writing the
// gradient, the enabling rules, Cancel putting the gradient back byte for byte, and the gradient
// button opening the editor.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "chart/editors/EditorRoutines.h"
#include "chart/editors/GalleryPanel.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/GradientPresets.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartLegend.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/foundation/TeeGradient.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RecordingDialogService.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/TrackBar.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/editors/ModalRunner.h"
#include "tests/platform/ui/UserInput.h"

namespace {

TEST(GradientPresets, ListedSortedAndSettingOnlyColoursDirectionAndBalance) {
    ASSERT_EQ(GradientPresets().size(), 17u);
    TTeeGradient g;
    g.SetVisible(true);
    g.SetAngle(30);
    g.SetRadialX(12);
    g.SetRadialY(-4);
    g.SetMidColor(clLime);
    g.SubGradient()->SetVisible(true);
    const struct {
        const char* Name;
        TColor Start, Mid, End;
        int Balance;
        TGradientDirection Direction;
    } cases[] = {
        {"Hot", RGB(255, 0, 0), clNone, RGB(255, 255, 0), 50, gdTopBottom},
        {"Farm", RGB(213, 106, 0), RGB(255, 255, 255), RGB(196, 98, 0), 4, gdBottomTop},
        {"Space", RGB(32, 3, 165), RGB(64, 0, 128), RGB(255, 255, 255), 50, gdFromTopLeft},
        {"Clear day", RGB(234, 243, 255), RGB(233, 230, 224), RGB(255, 219, 206), 50, gdTopBottom},
    };
    for (const auto& c : cases) {
        const TGradientPreset* preset = nullptr;
        for (const TGradientPreset& p : GradientPresets())
            if (std::string(p.Name) == c.Name) preset = &p;
        ASSERT_NE(preset, nullptr) << c.Name;
        ApplyGradientPreset(g, *preset);
        EXPECT_EQ(g.StartColor(), c.Start) << c.Name;
        EXPECT_EQ(g.MidColor(), c.Mid) << c.Name;
        EXPECT_EQ(g.EndColor(), c.End) << c.Name;
        EXPECT_EQ(g.Balance(), c.Balance) << c.Name;
        EXPECT_EQ(g.Direction(), c.Direction) << c.Name;
        EXPECT_TRUE(g.Visible());
        EXPECT_EQ(g.Angle(), 30);
        EXPECT_EQ(g.RadialX(), 12);
        EXPECT_EQ(g.RadialY(), -4);
        EXPECT_TRUE(g.SubGradient()->Visible());
    }
}

struct GradientEditorTest : ::testing::Test {
    TRecordingDialogService dialogs;
    TForm window{nullptr};
    TChart* chart = nullptr;
    int notices = 0;

    GradientEditorTest() {
        window.SetBounds(0, 0, 420, 340);
        chart = new TChart(&window);
        chart->SetParent(&window);
        chart->SetBounds(0, 0, 100, 100);
        Gradient().OnChange = [this](TObject*) { ++notices; };
    }
    TCustomTeeGradient& Gradient() { return *chart->Legend()->Gradient(); }
    std::string Bytes() {
        TMemoryStream s;
        WriteComponentToStream(s, chart);
        return std::string(s.Memory(), size_t(s.Size()));
    }
    static void Click(TControl* c) { TUserInput().Click(c, QPoint(6, c->Height() / 2)); }
    static void Choose(TComboBox* combo, int index) {
        combo->SetItemIndex(index);
        combo->OnChange(combo);
    }
    static void ChoosePreset(TTeeGradientEditor& e, const char* name) {
        e.Gallery->SetItemIndex(e.Gallery->Items()->IndexOf(name));
        e.Gallery->OnClick(e.Gallery);
    }
    // Runs act in the modal editor on the gradient; true when it closed with OK.
    bool Run(std::function<void(TTeeGradientEditor&)> act, bool singleColor = false) {
        window.Show();
        TModalRunner<TTeeGradientEditor> runner(&window, std::move(act));
        const bool ok = ShowGradientEditor(&window, &Gradient(), singleColor);
        EXPECT_TRUE(runner.Ran());
        return ok;
    }
};

TEST_F(GradientEditorTest, OpensWithoutChangingTheGradient) {
    Gradient().SetVisible(true);
    Gradient().SetDirection(gdRadial);
    Gradient().SetBalance(30);
    Gradient().SetRadialX(-40);
    Gradient().SetAngle(45);
    const std::string before = Bytes();
    notices = 0;
    EXPECT_TRUE(Run([&](TTeeGradientEditor& e) {
        EXPECT_EQ(e.Caption(), "Gradient Editor");
        EXPECT_EQ(Bytes(), before);  // no sub-gradient made for the sub-gradient page
        EXPECT_TRUE(e.CBVisible->Checked());
        EXPECT_EQ(e.CBDirection->ItemIndex(), int(gdRadial));
        EXPECT_EQ(e.CBDirection->Items()->Count(), 10);
        EXPECT_EQ(e.SBBalance->Position(), 30);
        EXPECT_EQ(e.LabelBalance->Caption(), "30 %");
        EXPECT_EQ(e.TrackBar1->Position(), -40);
        EXPECT_EQ(e.LRadialX->Caption(), "-40");
        EXPECT_EQ(e.EAngle->Text(), "45");
        EXPECT_TRUE(e.CBMid->Checked());
        EXPECT_EQ(e.Directions->Charts().IndexOf(e.Directions->SelectedChart()), int(gdRadial));
        EXPECT_EQ(e.PageControl1->ActivePage(), e.TabColors);
        // The presets are listed by name.
        EXPECT_EQ(e.Gallery->Items()->Count(), 17);
        EXPECT_EQ(e.Gallery->Items()->Strings(0), "Ace");
        EXPECT_EQ(e.Gallery->Items()->Strings(16), "Tropical");
        Click(e.BOk);
    }));
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(notices, 0);
}

TEST_F(GradientEditorTest, EachControlWritesTheGradient) {
    Gradient().SetVisible(true);
    EXPECT_TRUE(Run([&](TTeeGradientEditor& e) {
        TCustomTeeGradient& g = Gradient();
        struct Case {
            const char* Control;
            std::function<void()> Act;
            std::function<bool()> Holds;
        } cases[] = {
            {"Direction", [&] { Choose(e.CBDirection, gdLeftRight); },
             [&] { return g.Direction() == gdLeftRight; }},
            {"Start",
             [&] {
                 dialogs.ColorAnswers.push_back(clNavy);
                 Click(e.BStart);
             },
             [&] { return g.StartColor() == clNavy; }},
            {"End",
             [&] {
                 dialogs.ColorAnswers.push_back(clMaroon);
                 Click(e.BEnd);
             },
             [&] { return g.EndColor() == clMaroon; }},
            {"Middle",
             [&] {
                 dialogs.ColorAnswers.push_back(clTeal);
                 Click(e.BMid);
             },
             [&] { return g.MidColor() == clTeal && !e.CBMid->Checked(); }},
            {"No Middle", [&] { Click(e.CBMid); }, [&] { return g.MidColor() == clNone; }},
            {"Middle again", [&] { Click(e.CBMid); }, [&] { return g.MidColor() == clTeal; }},
            {"Swap", [&] { Click(e.BSwap); },
             [&] { return g.StartColor() == clMaroon && g.EndColor() == clNavy; }},
            {"Balance", [&] { e.SBBalance->SetPosition(70); },
             [&] { return g.Balance() == 70 && e.LabelBalance->Caption() == "70 %"; }},
            {"Radial direction sample",
             [&] {
                 e.PageControl1->SetActivePage(e.TabDirections);
                 Click(e.Directions->Charts()[gdRadial]);
             },
             [&] { return g.Direction() == gdRadial && e.CBDirection->ItemIndex() == gdRadial; }},
            {"Horizontal offset", [&] { e.TrackBar1->SetPosition(-120); },
             [&] { return g.RadialX() == -120 && e.LRadialX->Caption() == "-120"; }},
            {"Vertical offset", [&] { e.TrackBar2->SetPosition(250); },
             [&] { return g.RadialY() == 250; }},
            {"Angle", [&] { e.EAngle->SetText("90"); }, [&] { return g.Angle() == 90; }},
            {"Sub-gradient visible", [&] { Click(e.CBSubVisible); },
             [&] { return g.SubGradientIfAny() && g.SubGradientIfAny()->Visible(); }},
            {"Sub-gradient transparency", [&] { e.SBTransp->SetPosition(20); },
             [&] { return g.SubGradient()->Transparency() == 20; }},
            {"Visible", [&] { Click(e.CBVisible); }, [&] { return !g.Visible(); }},
        };
        for (const Case& c : cases) {
            c.Act();
            EXPECT_TRUE(c.Holds()) << c.Control;
            EXPECT_TRUE(e.Modified()) << c.Control;
        }
        Click(e.BOk);
    }));
    EXPECT_EQ(Gradient().Angle(), 90);
    EXPECT_EQ(Gradient().SubGradient()->Transparency(), 20);
}

TEST_F(GradientEditorTest, CancelPutsEveryChangeBackWithOneNotice) {
    Gradient().SetVisible(true);
    Gradient().SetStartColor(clGreen);
    const std::string before = Bytes();
    EXPECT_FALSE(Run([&](TTeeGradientEditor& e) {
        ChoosePreset(e, "Sea");
        Choose(e.CBDirection, gdRadial);
        for (TButtonColor* button : {e.BStart, e.BMid, e.BEnd}) {
            dialogs.ColorAnswers.push_back(clRed);
            Click(button);
        }
        Click(e.BSwap);
        Click(e.CBMid);
        e.SBBalance->SetPosition(12);
        e.TrackBar1->SetPosition(30);
        e.TrackBar2->SetPosition(-30);
        e.EAngle->SetText("200");
        Click(e.CBSubVisible);
        e.SBTransp->SetPosition(80);
        e.PageControl1->SetActivePage(e.TabDirections);
        Click(e.Directions->Charts()[gdDiagonalUp]);
        EXPECT_EQ(Gradient().Direction(), gdDiagonalUp);
        Click(e.CBVisible);
        EXPECT_NE(Bytes(), before);
        notices = 0;
        Click(e.BCancel);
        // The sub-gradient made meanwhile went with the rest: its button lets go of it.
        EXPECT_EQ(Gradient().SubGradientIfAny(), nullptr);
        EXPECT_EQ(e.BSubEdit->Gradient(), nullptr);
    }));
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(notices, 1);
}

TEST_F(GradientEditorTest, CancelAfterOnlyAPresetOrAnAngleStillRestores) {
    // Neither touches the balance the editor shows, so only their own change counts.
    const std::string before = Bytes();
    Run([&](TTeeGradientEditor& e) {
        ChoosePreset(e, "Hot");
        EXPECT_EQ(Gradient().MidColor(), clNone);
        EXPECT_TRUE(e.CBMid->Checked());
        Click(e.BCancel);
    });
    EXPECT_EQ(Bytes(), before);
    Run([&](TTeeGradientEditor& e) {
        e.EAngle->SetText("15");
        Click(e.BCancel);
    });
    EXPECT_EQ(Bytes(), before);
    // Cancel with nothing changed sends no notice.
    notices = 0;
    Run([&](TTeeGradientEditor& e) { Click(e.BCancel); });
    EXPECT_EQ(notices, 0);
}

TEST_F(GradientEditorTest, SubGradientIsMadeWhenTheUserFirstEditsIt) {
    ASSERT_EQ(Gradient().SubGradientIfAny(), nullptr);
    Run([&](TTeeGradientEditor& e) {
        EXPECT_EQ(e.BSubEdit->Gradient(), nullptr);
        e.PageControl1->SetActivePage(e.TabSubGradient);
        TModalRunner<TTeeGradientEditor> nested(&e, [&](TTeeGradientEditor& sub) {
            EXPECT_EQ(sub.Gradient(), Gradient().SubGradientIfAny());
            Click(sub.CBVisible);
            Click(sub.BOk);
        });
        Click(e.BSubEdit);
        EXPECT_TRUE(nested.Ran());
        EXPECT_EQ(e.BSubEdit->Gradient(), Gradient().SubGradientIfAny());
        Click(e.BOk);
    });
    ASSERT_NE(Gradient().SubGradientIfAny(), nullptr);
    EXPECT_TRUE(Gradient().SubGradientIfAny()->Visible());
}

TEST_F(GradientEditorTest, EnablingFollowsVisibleDirectionAndSingleColour) {
    const struct {
        bool Visible, Single;
        TGradientDirection Direction;
        bool Colours, Middle, Radial;
    } cases[] = {
        {false, false, gdTopBottom, false, false, false},
        {false, true, gdTopBottom, true, true, false},
        {true, false, gdTopBottom, true, true, false},
        {true, false, gdFromCenter, true, false, false},
        {true, false, gdRadial, true, false, true},
        {true, true, gdRadial, true, true, true},
        {true, false, gdDiagonalDown, true, true, false},
        {false, false, gdRadial, false, false, true},
    };
    for (const auto& c : cases) {
        Gradient().SetVisible(c.Visible);
        Gradient().SetDirection(c.Direction);
        Run(
            [&](TTeeGradientEditor& e) {
                const std::string what = std::to_string(c.Visible) + std::to_string(c.Single) +
                                         " " + std::to_string(c.Direction);
                EXPECT_EQ(e.BEnd->Visible(), !c.Single) << what;
                EXPECT_EQ(e.CBDirection->Enabled(), c.Colours) << what;
                EXPECT_EQ(e.BStart->Enabled(), c.Colours) << what;
                EXPECT_EQ(e.Gallery->Enabled(), c.Colours) << what;
                EXPECT_EQ(e.BMid->Enabled(), c.Middle) << what;
                EXPECT_EQ(e.CBMid->Enabled(), c.Middle) << what;
                EXPECT_EQ(e.TrackBar1->Enabled(), c.Radial) << what;
                EXPECT_EQ(e.LRadialY->Enabled(), c.Radial) << what;
                Click(e.BOk);
            },
            c.Single);
    }
}

TEST_F(GradientEditorTest, DirectionChangesRedoTheEnablingAndANonLinearOneDropsThePreset) {
    Gradient().SetVisible(true);
    Run([&](TTeeGradientEditor& e) {
        ChoosePreset(e, "Golf");
        Choose(e.CBDirection, gdRadial);
        EXPECT_TRUE(e.TrackBar1->Enabled());
        EXPECT_FALSE(e.BMid->Enabled());
        EXPECT_EQ(e.Gallery->ItemIndex(), -1);
        ChoosePreset(e, "Golf");
        Choose(e.CBDirection, gdBottomTop);
        EXPECT_FALSE(e.TrackBar1->Enabled());
        EXPECT_TRUE(e.BMid->Enabled());
        EXPECT_EQ(e.Gallery->Items()->Strings(e.Gallery->ItemIndex()), "Golf");
        Choose(e.CBDirection, gdFromCenter);
        EXPECT_EQ(e.Gallery->ItemIndex(), -1);
        EXPECT_EQ(e.Directions->Charts().IndexOf(e.Directions->SelectedChart()), int(gdFromCenter));
        Click(e.BOk);
    });
}

TEST_F(GradientEditorTest, EmbeddedEditorHasNoButtonsAndLoadsAnotherGradient) {
    window.Show();
    TPageControl* pages = new TPageControl(&window);
    pages->SetParent(&window);
    pages->SetBounds(0, 0, 400, 320);
    TTabSheet* sheet = new TTabSheet(&window);
    sheet->SetPageControl(pages);
    const std::string before = Bytes();
    TTeeGradientEditor* editor = TTeeGradientEditor::CreateEmbedded(&window, &Gradient());
    const int height = TTeeGradientEditor(nullptr).Height();
    EXPECT_EQ(editor->Height(), height - editor->BOk->Height());
    EmbedEditorForm(*editor, *sheet);
    EXPECT_FALSE(editor->Panel1->Visible());
    EXPECT_EQ(Bytes(), before);
    TTeeGradient other;
    other.SetVisible(true);
    other.SetBalance(81);
    editor->LoadGradient(&other);
    EXPECT_EQ(editor->SBBalance->Position(), 81);
    editor->SBBalance->SetPosition(60);
    EXPECT_EQ(other.Balance(), 60);
    EXPECT_EQ(Bytes(), before);
}

TEST_F(GradientEditorTest, ButtonOpensTheEditorAndTellsOnlyAnAcceptedChange) {
    window.Show();
    auto* button = new TButtonGradient(&window);
    button->SetParent(&window);
    button->SetBounds(0, 120, 100, 25);
    button->LinkGradient(&Gradient());
    button->HideEndColor = true;
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    {
        TModalRunner<TTeeGradientEditor> runner(&window, [&](TTeeGradientEditor& e) {
            EXPECT_FALSE(e.BEnd->Visible());
            EXPECT_TRUE(e.CBVisible->Visible());
            Click(e.CBVisible);
            Click(e.BCancel);
        });
        button->Click();
        EXPECT_TRUE(runner.Ran());
    }
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(Gradient().Visible());
    {
        TModalRunner<TTeeGradientEditor> runner(&window, [&](TTeeGradientEditor& e) {
            Click(e.CBVisible);
            Click(e.BOk);
        });
        button->Click();
    }
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(Gradient().Visible());
}

}  // namespace
