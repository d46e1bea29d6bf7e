// The shadow editor: loading changes nothing, each control writes the shadow at once, the
// luminance bar keeps hue and saturation, smoothing gates blur and clip, and the dialog and the
// embedded page differ only by the OK button.
#include <gtest/gtest.h>

#include <algorithm>

#include "chart/editors/ShadowEditor.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartLegend.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/foundation/TeeFilters.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RecordingDialogService.h"
#include "platform/ui/TrackBar.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/editors/ModalRunner.h"
#include "tests/platform/ui/UserInput.h"

namespace {

struct ShadowEditorTest : ::testing::Test {
    TRecordingDialogService dialogs;
    TForm window{nullptr};
    TChart* chart = nullptr;
    TPageControl* pages = nullptr;
    TTabSheet* sheet = nullptr;

    ShadowEditorTest() {
        window.SetBounds(0, 0, 400, 300);
        chart = new TChart(&window);
        chart->SetParent(&window);
        pages = new TPageControl(&window);
        pages->SetParent(&window);
        pages->SetBounds(0, 0, 380, 280);
        sheet = new TTabSheet(&window);
        sheet->SetPageControl(pages);
        window.Show();
    }
    TTeeShadow& Shadow() { return *chart->Legend()->Shadow(); }
    std::string Bytes() {
        TMemoryStream s;
        WriteComponentToStream(s, chart);
        return std::string(s.Memory(), size_t(s.Size()));
    }
    static void Click(TControl* c) { TUserInput().Click(c, QPoint(6, c->Height() / 2)); }
};

TEST_F(ShadowEditorTest, EmbeddedEditorLoadsWithoutChangingAndHasNoOk) {
    // Sizes beyond the edits' range and a see-through, unsmoothed shadow load as they are.
    Shadow().SetHorizSize(1500);
    Shadow().SetVertSize(-3);
    Shadow().SetTransparency(40);
    Shadow().SetSmooth(false);
    Shadow().SetSmoothBlur(12);
    Shadow().SetColor(RGB(200, 40, 40));
    const std::string before = Bytes();
    TTeeShadowEditor* editor = EmbedShadowEditor(sheet);
    editor->LoadShadow(&Shadow());
    EXPECT_EQ(Bytes(), before);
    EXPECT_FALSE(editor->BOK->Visible());
    EXPECT_EQ(editor->UDShadowSize->Position(), 1000);
    EXPECT_EQ(editor->EVertSize->Text(), "-3");
    EXPECT_EQ(editor->UDShadowTransp->Position(), 40);
    EXPECT_EQ(editor->TBBlur->Position(), 12);
    EXPECT_FALSE(editor->TBBlur->Enabled());
    EXPECT_FALSE(editor->CBClip->Enabled());
    int h, l, s;
    ColorToHueLumSat(RGB(200, 40, 40), h, l, s);
    EXPECT_EQ(editor->TBColor->Position(), l);
    TObject::Free(editor);
}

TEST_F(ShadowEditorTest, EachControlWritesItsProperty) {
    TTeeShadowEditor* editor = EmbedShadowEditor(sheet);
    editor->LoadShadow(&Shadow());
    TTeeShadowEditor& e = *editor;
    struct Case {
        const char* Control;
        std::function<void()> Act;
        std::function<bool()> Holds;
    } cases[] = {
        {"Horiz", [&] { e.Edit1->SetText("7"); }, [&] { return Shadow().HorizSize() == 7; }},
        {"Vert", [&] { e.EVertSize->SetText("-9"); }, [&] { return Shadow().VertSize() == -9; }},
        {"Transparency", [&] { e.EShadowTransp->SetText("65"); },
         [&] { return Shadow().Transparency() == 65; }},
        {"Blur", [&] { e.TBBlur->SetPosition(-30); }, [&] { return Shadow().SmoothBlur() == -30; }},
        {"Clip", [&] { Click(e.CBClip); }, [&] { return Shadow().Clip(); }},
        {"Colour",
         [&] {
             dialogs.ColorAnswers.push_back(clNavy);
             Click(e.BShadowColor);
         },
         [&] { return Shadow().Color() == clNavy; }},
        {"Smooth", [&] { Click(e.CBSmooth); }, [&] { return !Shadow().Smooth(); }},
        {"Visible", [&] { Click(e.CBVisible); }, [&] { return !Shadow().Visible(); }},
    };
    for (const Case& c : cases) {
        c.Act();
        EXPECT_TRUE(c.Holds()) << c.Control;
    }
    // Unchecking Smooth and Visible gated their controls at once.
    EXPECT_FALSE(e.TBBlur->Enabled());
    EXPECT_FALSE(e.CBClip->Enabled());
    EXPECT_FALSE(e.Edit1->Enabled());
    EXPECT_FALSE(e.EVertSize->Enabled());
    Click(e.CBSmooth);
    EXPECT_TRUE(e.TBBlur->Enabled());
    EXPECT_TRUE(e.CBClip->Enabled());
    TObject::Free(editor);
}

TEST_F(ShadowEditorTest, LuminanceBarKeepsHueAndSaturation) {
    TTeeShadowEditor* editor = EmbedShadowEditor(sheet);
    for (TColor colour : {RGB(200, 40, 40), RGB(10, 120, 60), RGB(90, 90, 200), clGray}) {
        Shadow().SetColor(colour);
        editor->LoadShadow(&Shadow());
        int hue, lum, sat;
        ColorToHueLumSat(colour, hue, lum, sat);
        EXPECT_EQ(editor->Hue(), hue);
        editor->TBColor->SetPosition(240);
        EXPECT_EQ(Shadow().Color(), clWhite) << std::hex << colour;
        // The conversion's single-precision rounding leaves at most 1 in a channel at 0.
        editor->TBColor->SetPosition(0);
        const TColor dark = Shadow().Color();
        EXPECT_LE(std::max({GetRValue(dark), GetGValue(dark), GetBValue(dark)}), 1)
            << std::hex << colour;
        editor->TBColor->SetPosition(lum / 2);
        EXPECT_EQ(Shadow().Color(), HueLumSatToColor(hue, lum / 2, sat));
    }
    // A colour picked with the button becomes the bar's base; the bar itself stays.
    const int position = editor->TBColor->Position();
    dialogs.ColorAnswers.push_back(RGB(0, 160, 0));
    Click(editor->BShadowColor);
    int hue, lum, sat;
    ColorToHueLumSat(RGB(0, 160, 0), hue, lum, sat);
    EXPECT_EQ(editor->Hue(), hue);
    EXPECT_EQ(editor->Luminance(), lum);
    EXPECT_EQ(editor->Saturation(), sat);
    EXPECT_EQ(editor->TBColor->Position(), position);
    TObject::Free(editor);
}

TEST_F(ShadowEditorTest, ModalEditorClosesWithOkKeepingEveryChange) {
    TModalRunner<TTeeShadowEditor> runner(&window, [&](TTeeShadowEditor& e) {
        EXPECT_TRUE(e.BOK->Visible());
        EXPECT_EQ(e.Caption(), "Shadow editor");
        e.Edit1->SetText("11");
        e.TBColor->SetPosition(0);
        Click(e.BOK);
    });
    ShowShadowEditor(&window, &Shadow());
    EXPECT_TRUE(runner.Ran());
    EXPECT_EQ(Shadow().HorizSize(), 11);
    EXPECT_EQ(Shadow().Color(), clBlack);
}

}  // namespace
