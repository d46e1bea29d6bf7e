// The annotation and the rectangle made from the tools page's gallery, edited through the
// annotation editor embedded there, and streamed: every property the form wrote comes back.
#include <gtest/gtest.h>

#include "chart/engine/ShapeMargins.h"
#include "chart/tools/annotation/AnnotationToolEditor.h"
#include "chart/tools/annotation/RectangleTool.h"
#include "platform/classes/Cursors.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/editors/EditorSteps.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolRoundTrip.h"
#include "tests/chart/tools/ToolsPageDriver.h"

namespace {

// The control of the class that owner owns. The memo's own header is not included: its scroll
// styles share enumerator names with the cursor tool's snap styles, and test files are compiled
// in batches.
TControl* OwnedControl(TComponent* owner, const std::string& className) {
    for (int i = 0; i < owner->ComponentCount(); ++i)
        if (owner->Components(i)->ClassName() == className)
            return dynamic_cast<TControl*>(owner->Components(i));
    return nullptr;
}

TEST(AnnotationEditing, MadeFromTheToolsPageEditedThroughItsFormAndStreamed) {
    TToolBench bench;
    TToolsPageDriver page(bench);
    auto* note =
        dynamic_cast<TAnnotationTool*>(page.AddFromGallery(&TAnnotationTool::StaticClass()));
    ASSERT_NE(note, nullptr);
    auto* editor = page.Editor<TAnnotationToolEdit>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->Tool(), note);
    EXPECT_EQ(editor->PageControl1->ActivePage(), editor->TabOptions);
    // The shape editor's pages follow the editor's own.
    EXPECT_GT(editor->PageControl1->PageCount(), 5);
    EXPECT_FALSE(editor->LeftEdit.Edit->Enabled());
    EXPECT_FALSE(editor->WidthEdit.Edit->Enabled());
    TControl* memo = OwnedControl(editor->TabOptions, "TMemo");
    ASSERT_NE(memo, nullptr);
    RunSteps({
        {"a text of two lines", [&] { memo->SetText("Two\r\nlines"); },
         [&] { return note->Text() == "Two\rlines"; }},
        {"centred", [&] { Choose(editor->CBTextAlign, 1); },
         [&] { return note->TextAlignment() == taCenter; }},
        {"a hand cursor",
         [&] {
             editor->CBCursor->SetItemIndex(editor->CBCursor->Items()->IndexOf("HandPoint"));
             editor->CBCursor->OnChange(editor->CBCursor);
         },
         [&] { return note->Cursor() == crHandPoint; }},
        {"not clipped", [&] { editor->CBClipText->SetChecked(false); },
         [&] { return !note->ClipText(); }},
        {"right bottom", [&] { Choose(editor->CBPosition, 3); },
         [&] { return note->Position() == ppRightBottom; }},
        {"a custom place", [&] { editor->CBCustPos->SetChecked(true); },
         [&] { return note->Shape()->CustomPosition() && editor->LeftEdit.Edit->Enabled(); }},
        {"in percent", [&] { Choose(editor->CBUnits, 0); },
         [&] {
             return note->PositionUnits() == muPercent && editor->LeftEdit.UpDown->Max() == 100;
         }},
        {"left 30", [&] { editor->LeftEdit.UpDown->SetPosition(30); },
         [&] { return note->Left() == 30; }},
        {"top 20", [&] { editor->TopEdit.Edit->SetText("20"); }, [&] { return note->Top() == 20; }},
        {"a size of its own", [&] { editor->CBAutoSize->SetChecked(false); },
         [&] { return !note->AutoSize() && editor->WidthEdit.Edit->Enabled(); }},
        {"width 120", [&] { editor->WidthEdit.Edit->SetText("120"); },
         [&] { return note->Width() == 120; }},
        {"height 40", [&] { editor->HeightEdit.Edit->SetText("40"); },
         [&] { return note->Height() == 40; }},
        {"a callout from x", [&] { editor->EXPos->SetText("210"); },
         [&] { return note->Callout()->XPosition() == 210; }},
        {"a text that is no number keeps y", [&] { editor->EYPos->SetText("1x"); },
         [&] { return note->Callout()->YPosition() == 0; }},
        {"and y", [&] { editor->EYPos->SetText("130"); },
         [&] { return note->Callout()->YPosition() == 130; }},
        {"its distance", [&] { editor->DistanceEdit.Edit->SetText("-12"); },
         [&] { return note->Callout()->Distance() == -12; }},
        {"a solid head", [&] { Choose(editor->CBHead, 2); },
         [&] { return note->Callout()->ArrowHead() == ahSolid; }},
        {"of 11", [&] { editor->HeadSizeEdit.Edit->SetText("11"); },
         [&] { return note->Callout()->ArrowHeadSize() == 11; }},
        {"hidden", [&] { editor->CBVisible->SetChecked(false); }, [&] { return !note->Active(); }},
    });
    note->Shape()->Margins()->SetLeft(17);
    note->Shape()->SetColor(clAqua);
    note->Callout()->Arrow()->SetVisible(true);
    ExpectToolRoundTrips(bench, *note);

    // Loading the form writes nothing back.
    const std::string before = StreamText(*note);
    editor->SetTool(note);
    EXPECT_EQ(StreamText(*note), before);
}

TEST(RectangleEditing, MadeFromTheToolsPageEditedWithTheAnnotationFormAndStreamed) {
    TToolBench bench;
    TToolsPageDriver page(bench);
    auto* box = dynamic_cast<TRectangleTool*>(page.AddFromGallery(&TRectangleTool::StaticClass()));
    ASSERT_NE(box, nullptr);
    auto* editor = page.Editor<TAnnotationToolEdit>();
    ASSERT_NE(editor, nullptr);
    TControl* memo = OwnedControl(editor->TabOptions, "TMemo");
    ASSERT_NE(memo, nullptr);
    EXPECT_FALSE(editor->CBAutoSize->Checked());
    EXPECT_TRUE(editor->CBCustPos->Checked());
    EXPECT_EQ(editor->WidthEdit.UpDown->Position(), 50);
    RunSteps({
        {"wider", [&] { editor->WidthEdit.Edit->SetText("90"); },
         [&] { return box->Width() == 90; }},
        {"further right", [&] { editor->LeftEdit.Edit->SetText("35"); },
         [&] { return box->Left() == 35 && box->Width() == 90; }},
        {"a text", [&] { memo->SetText("Zone"); }, [&] { return box->Text() == "Zone"; }},
    });
    box->SetAllowDrag(false);
    ExpectToolRoundTrips(bench, *box);
}

}  // namespace
