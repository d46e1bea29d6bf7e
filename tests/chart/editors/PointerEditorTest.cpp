// The point-marker editor: loading changes nothing, each control writes its property, the
// enabling follows visibility and 3-D, and the modal form closes with its own button.
#include <gtest/gtest.h>

#include "chart/editors/PenDialog.h"
#include "chart/editors/PointerEditor.h"
#include "chart/engine/Chart.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/SeriesPointer.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Panel.h"
#include "platform/ui/TrackBar.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/editors/ModalRunner.h"
#include "tests/platform/ui/UserInput.h"

namespace {

struct PointerEditorTest : ::testing::Test {
    TForm window{nullptr};
    TChart* chart = nullptr;
    TLineSeries* line = nullptr;
    TSeriesPointerEditor* editor = nullptr;

    PointerEditorTest() {
        window.SetBounds(0, 0, 400, 400);
        chart = new TChart(&window);
        chart->SetParent(&window);
        chart->SetBounds(0, 0, 300, 200);
        line = new TLineSeries(&window);
        chart->AddSeries(line);
        line->Pointer()->SetVisible(true);
    }
    std::string Bytes() {
        TMemoryStream s;
        WriteComponentToStream(s, chart);
        return std::string(s.Memory(), size_t(s.Size()));
    }
    void Open(TObject* tag) {
        editor = new TSeriesPointerEditor(&window);
        editor->SetParent(&window);
        editor->SetTagObject(tag);
        window.Show();
        editor->Show();
    }
    static void Click(TControl* c) { TUserInput().Click(c, QPoint(6, c->Height() / 2)); }
    TSeriesPointer& P() { return *line->Pointer(); }
};

TEST_F(PointerEditorTest, LoadingChangesNothingAndShowsTheSeriesBoxes) {
    line->SetColorEachPoint(true);
    line->SetTreatNulls(tnIgnore);
    P().SetStyle(psDiamond);
    P().SetHorizSize(6);
    const std::string before = Bytes();
    Open(line);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(editor->Pointer(), &P());
    EXPECT_TRUE(editor->CBColorEach->Visible());
    EXPECT_TRUE(editor->CBColorEach->Checked());
    EXPECT_TRUE(editor->CBIgnoreNulls->Checked());
    EXPECT_EQ(editor->CBStyle->ItemIndex(), int(psDiamond));
    EXPECT_EQ(editor->SEPointHorizSize->Text(), "6");
    EXPECT_FALSE(editor->PanelBottom->Visible());
    EXPECT_TRUE(editor->BPointFillColor->Enabled());
}

TEST_F(PointerEditorTest, EachControlWritesItsProperty) {
    Open(line);
    struct Case {
        const char* what;
        std::function<void()> act;
        std::function<bool()> holds;
    };
    const Case cases[] = {
        {"style",
         [&] {
             editor->CBStyle->SetItemIndex(int(psStar)), editor->CBStyle->OnChange(editor->CBStyle);
         },
         [&] { return P().Style() == psStar; }},
        {"width", [&] { editor->SEPointHorizSize->SetText("9"); },
         [&] { return P().HorizSize() == 9 && P().VertSize() == 4; }},
        {"height", [&] { editor->SEPointVertSize->SetText("11"); },
         [&] { return P().VertSize() == 11; }},
        {"inflate", [&] { Click(editor->CBInflate); }, [&] { return !P().InflateMargins(); }},
        {"transparency", [&] { editor->TBTransp->SetPosition(40); },
         [&] { return P().Transparency() == 40; }},
        {"colour each", [&] { Click(editor->CBColorEach); },
         [&] { return line->ColorEachPoint(); }},
        {"ignore nulls", [&] { Click(editor->CBIgnoreNulls); },
         [&] { return line->TreatNulls() == tnIgnore; }},
        {"nulls not painted", [&] { Click(editor->CBIgnoreNulls); },
         [&] { return line->TreatNulls() == tnDontPaint; }},
        {"hidden", [&] { Click(editor->CBDrawPoint); }, [&] { return !P().Visible(); }},
    };
    for (const Case& c : cases) {
        c.act();
        EXPECT_TRUE(c.holds()) << c.what;
    }
}

TEST_F(PointerEditorTest, HidingDisablesTheMarkerControls) {
    chart->SetView3D(true);
    Open(line);
    EXPECT_TRUE(editor->CB3dPoint->Enabled());  // a square in 3-D
    Click(editor->CBDrawPoint);
    for (TControl* c :
         {static_cast<TControl*>(editor->CBStyle), static_cast<TControl*>(editor->SEPointHorizSize),
          static_cast<TControl*>(editor->BPoinPenCol),
          static_cast<TControl*>(editor->CBDefBrushColor),
          static_cast<TControl*>(editor->CB3dPoint), static_cast<TControl*>(editor->CBPoDark)})
        EXPECT_FALSE(c->Enabled());
    Click(editor->CBDrawPoint);
    EXPECT_TRUE(editor->CBStyle->Enabled());
    EXPECT_TRUE(editor->CB3dPoint->Enabled());
}

TEST_F(PointerEditorTest, ThreeDBoxesFollowChartAndStyle) {
    struct Case {
        bool view3D;
        TSeriesPointerStyle style;
        bool enabled;
    };
    for (const Case& c : {Case{false, psRectangle, false}, Case{true, psStar, false},
                          Case{true, psRectangle, true}, Case{true, psDownTriangle, true}}) {
        chart->SetView3D(c.view3D);
        P().SetStyle(c.style);
        Open(line);
        EXPECT_EQ(editor->CB3dPoint->Enabled(), c.enabled) << c.style;
        EXPECT_EQ(editor->CBPoDark->Enabled(), c.enabled) << c.style;
        TObject::Free(editor);
    }
    chart->SetView3D(true);
    Open(line);
    Click(editor->CB3dPoint);
    EXPECT_FALSE(P().Draw3D());
    EXPECT_FALSE(editor->CBPoDark->Enabled());
    Click(editor->CBPoDark);  // disabled: no change
    EXPECT_TRUE(P().Dark3D());
}

TEST_F(PointerEditorTest, DefaultColourBox) {
    P().SetBrushColor(clRed);
    P().Pen()->SetColor(clBlack);
    Open(line);
    EXPECT_FALSE(editor->CBDefBrushColor->Checked());
    Click(editor->CBDefBrushColor);
    EXPECT_EQ(P().Brush()->Color(), clDefault);
    EXPECT_EQ(P().Pen()->Color(), clDefault);
    Click(editor->CBDefBrushColor);
    EXPECT_EQ(P().Pen()->Color(), clBlack);
    EXPECT_EQ(P().Brush()->Color(), clDefault);
    // A black pen stays as it is.
    Click(editor->CBDefBrushColor);
    P().Pen()->SetColor(clBlack);
    Click(editor->CBDefBrushColor);
    EXPECT_EQ(P().Pen()->Color(), clBlack);
}

TEST_F(PointerEditorTest, ModalEditorOnAPointerClosesWithItsButton) {
    const std::string before = Bytes();
    TModalRunner<TSeriesPointerEditor> runner(&window, [&](TSeriesPointerEditor& e) {
        EXPECT_EQ(e.Caption(), "Pointer");
        EXPECT_FALSE(e.CBInflate->Visible());
        EXPECT_FALSE(e.CBColorEach->Visible());
        EXPECT_FALSE(e.CBIgnoreNulls->Visible());
        EXPECT_TRUE(e.PanelBottom->Visible());
        EXPECT_EQ(Bytes(), before);
        P().AllowChangeSize = true;
        TUserInput().Click(e.Button1, QPoint(10, 10));
    });
    P().AllowChangeSize = false;
    EXPECT_TRUE(ShowPointerEditor(&window, &P()));
    EXPECT_TRUE(runner.Ran());
    EXPECT_EQ(Bytes(), before);
}

TEST_F(PointerEditorTest, FixedSizeHidesTheSizeControls) {
    P().AllowChangeSize = false;
    Open(&P());
    EXPECT_FALSE(editor->SEPointHorizSize->Visible());
    EXPECT_FALSE(editor->UDPointVertSize->Visible());
    EXPECT_FALSE(editor->CBColorEach->Visible());
}

}  // namespace
