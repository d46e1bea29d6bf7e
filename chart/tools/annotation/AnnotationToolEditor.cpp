#include "chart/tools/annotation/AnnotationToolEditor.h"

#include "chart/editors/AlignmentItems.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/MarginsEditor.h"
#include "chart/editors/MemoText.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/PointerEditor.h"
#include "chart/editors/ShapeEditor.h"
#include "chart/editors/StringsEditor.h"
#include "chart/engine/ShapeMargins.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/tools/annotation/AnnotationTool.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/Memo.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/UpDown.h"

namespace {

constexpr int PercentItem = 0;
constexpr int CustomLimit = 32000;

}  // namespace

TAnnotationToolEdit::TAnnotationToolEdit(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 420, 250);
    PageControl1 = MakeControl<TPageControl>(this, 0, 0, 420, 250);
    PageControl1->SetAlign(alClient);
    BuildOptions();
    BuildPosition();
    BuildSize();
    BuildCallout();
    TabMargins = MakeTabSheet(this, PageControl1, "Margins");
    MarginsEditor = new TMarginsEditor(this);
    EmbedTaggedEditorForm(*MarginsEditor, *TabMargins, nullptr);
    PageControl1->SetActivePage(TabOptions);
    DoCreate();
    SetAlign(alClient);
}

TAnnotationToolEdit::~TAnnotationToolEdit() = default;

void TAnnotationToolEdit::BuildOptions() {
    const auto tool = [this] { return FTool; };
    TabOptions = MakeTabSheet(this, PageControl1, "Options");
    MakeLabel(TabOptions, 8, 8, "&Text:")
        ->SetFocusControl(MemoText = MakeControl<TMemo>(TabOptions, 8, 26, 220, 90));
    MemoText->OnChange = [this](TObject*) {
        if (!Loading() && FTool) FTool->SetText(TextOfMemo(MemoText->Text()));
    };
    BEdit = MakePushButton(TabOptions, 236, 26, 75, "&Edit...");
    BEdit->OnClick = [this](TObject*) {
        TStringList lines;
        lines.Assign(*MemoText->Lines());
        if (ShowStringsEditor(this, lines, false)) MemoText->Lines()->Assign(lines);
    };
    MakeLabel(TabOptions, 8, 126, "Text &alignment:");
    CBTextAlign = MakeComboBox(TabOptions, 110, 122, 100, {"Left", "Center", "Right"});
    BindComboBox(
        *this, CBTextAlign, tool,
        [](const TAnnotationTool& t) { return ItemOfAlignment(t.TextAlignment()); },
        [](TAnnotationTool& t, int item) {
            if (item >= 0 && item < 3) t.SetTextAlignment(AlignmentOfItem[item]);
        });
    MakeLabel(TabOptions, 8, 156, "&Cursor:");
    CBCursor = MakeComboBox(TabOptions, 110, 152, 120, {});
    CBCursor->OnChange = [this](TObject*) {
        if (!Loading() && FTool)
            FTool->SetCursor(TCursor(NameToCursor(FTool->Cursor(), CBCursor->Text())));
    };
    CBVisible = MakeCheckBox(TabOptions, 236, 126, 120, "&Visible");
    BindCheckBox(*this, CBVisible, tool, &TAnnotationTool::Active, &TAnnotationTool::SetActive);
    CBClipText = MakeCheckBox(TabOptions, 236, 150, 120, "C&lip Text");
    BindCheckBox(*this, CBClipText, tool, &TAnnotationTool::ClipText,
                 &TAnnotationTool::SetClipText);
}

void TAnnotationToolEdit::BuildPosition() {
    const auto tool = [this] { return FTool; };
    TabPosition = MakeTabSheet(this, PageControl1, "Position");
    MakeLabel(TabPosition, 8, 12, "&Auto:");
    CBPosition = MakeComboBox(TabPosition, 60, 8, 110,
                              {"Left top", "Left bottom", "Right top", "Right bottom", "Center"});
    CBPosition->OnChange = [this](TObject*) {
        if (Loading() || !FTool || CBPosition->ItemIndex() < 0) return;
        FTool->SetPosition(TAnnotationPosition(CBPosition->ItemIndex()));
        CBCustPos->SetChecked(FTool->Shape()->CustomPosition());
    };
    CBCustPos = MakeCheckBox(TabPosition, 8, 40, 100, "&Custom");
    BindCheckBox(
        *this, CBCustPos, tool,
        [](const TAnnotationTool& t) { return t.Shape()->CustomPosition(); },
        [](TAnnotationTool& t, bool on) { t.Shape()->SetCustomPosition(on); },
        [this] { EnablePosition(); });
    MakeLabel(TabPosition, 24, 68, "L&eft:");
    LeftEdit = MakeUpDownEdit(TabPosition, 70, 64, 60, -CustomLimit, CustomLimit, 5);
    BindUpDownEdit(*this, LeftEdit, tool, &TAnnotationTool::Left, &TAnnotationTool::SetLeft);
    MakeLabel(TabPosition, 24, 96, "T&op:");
    TopEdit = MakeUpDownEdit(TabPosition, 70, 92, 60, -CustomLimit, CustomLimit, 5);
    BindUpDownEdit(*this, TopEdit, tool, &TAnnotationTool::Top, &TAnnotationTool::SetTop);
    MakeLabel(TabPosition, 150, 68, "&Units:");
    CBUnits = MakeComboBox(TabPosition, 200, 64, 90, {"Percent", "Pixels"});
    CBUnits->OnChange = [this](TObject*) {
        EnablePosition();
        if (!Loading() && FTool && CBUnits->ItemIndex() >= 0)
            FTool->SetPositionUnits(TTeeUnits(CBUnits->ItemIndex()));
    };
}

void TAnnotationToolEdit::BuildSize() {
    const auto tool = [this] { return FTool; };
    TabSize = MakeTabSheet(this, PageControl1, "Size");
    CBAutoSize = MakeCheckBox(TabSize, 8, 10, 120, "&Automatic");
    MakeLabel(TabSize, 8, 40, "&Width:");
    WidthEdit = MakeUpDownEdit(TabSize, 70, 36, 60, 0, CustomLimit);
    MakeLabel(TabSize, 8, 68, "&Height:");
    HeightEdit = MakeUpDownEdit(TabSize, 70, 64, 60, 0, CustomLimit);
    const auto enableSizes = [this] {
        for (const TUpDownEdit* e : {&WidthEdit, &HeightEdit}) {
            e->Edit->SetEnabled(!CBAutoSize->Checked());
            e->UpDown->SetEnabled(!CBAutoSize->Checked());
        }
    };
    BindCheckBox(*this, CBAutoSize, tool, &TAnnotationTool::AutoSize, &TAnnotationTool::SetAutoSize,
                 enableSizes);
    BindUpDownEdit(*this, WidthEdit, tool, &TAnnotationTool::Width, &TAnnotationTool::SetWidth);
    BindUpDownEdit(*this, HeightEdit, tool, &TAnnotationTool::Height, &TAnnotationTool::SetHeight);
}

void TAnnotationToolEdit::BuildCallout() {
    const auto callout = [this] { return FTool ? FTool->Callout() : nullptr; };
    TabCallout = MakeTabSheet(this, PageControl1, "Callout");
    BCalloutPen = MakeControl<TButtonPen>(TabCallout, 8, 8, 90, 25);
    BCalloutPen->SetCaption("&Border...");
    BCalloutPointer = MakePushButton(TabCallout, 106, 8, 90, "&Pointer...");
    BCalloutPointer->OnClick = [this](TObject*) {
        if (FTool) ShowPointerEditor(this, FTool->Callout());
    };
    MakeLabel(TabCallout, 8, 44, "P&osition:");
    MakeLabel(TabCallout, 8, 66, "&X:");
    EXPos = MakeControl<TEdit>(TabCallout, 26, 62, 50, 21);
    MakeLabel(TabCallout, 84, 66, "&Y:");
    EYPos = MakeControl<TEdit>(TabCallout, 102, 62, 50, 21);
    MakeLabel(TabCallout, 160, 66, "&Z:");
    EZPos = MakeControl<TEdit>(TabCallout, 178, 62, 50, 21);
    CalloutPositionChanged(EXPos, &TAnnotationCallout::SetXPosition);
    CalloutPositionChanged(EYPos, &TAnnotationCallout::SetYPosition);
    CalloutPositionChanged(EZPos, &TAnnotationCallout::SetZPosition);
    AddBinding([this] {
        if (!FTool) return;
        const TAnnotationCallout& c = *FTool->Callout();
        EXPos->SetText(std::to_string(c.XPosition()));
        EYPos->SetText(std::to_string(c.YPosition()));
        EZPos->SetText(std::to_string(c.ZPosition()));
        BCalloutPen->LinkPen(FTool->Callout()->Arrow());
    });
    MakeLabel(TabCallout, 8, 100, "&Distance:");
    DistanceEdit = MakeUpDownEdit(TabCallout, 90, 96, 60, -CustomLimit, CustomLimit);
    BindUpDownEdit(*this, DistanceEdit, callout, &TAnnotationCallout::Distance,
                   &TAnnotationCallout::SetDistance);
    MakeLabel(TabCallout, 8, 130, "&Arrow head:");
    CBHead = MakeComboBox(TabCallout, 90, 126, 80, {"None", "Line", "Solid"});
    BindComboBox(*this, CBHead, callout, &TAnnotationCallout::ArrowHead,
                 &TAnnotationCallout::SetArrowHead);
    MakeLabel(TabCallout, 180, 130, "&Size:");
    HeadSizeEdit = MakeUpDownEdit(TabCallout, 220, 126, 60, -10000, 10000);
    BindUpDownEdit(*this, HeadSizeEdit, callout, &TAnnotationCallout::ArrowHeadSize,
                   &TAnnotationCallout::SetArrowHeadSize);
}

void TAnnotationToolEdit::CalloutPositionChanged(TEdit* edit,
                                                 void (TAnnotationCallout::*set)(int)) {
    // A text that is no whole number keeps the position.
    edit->OnChange = [this, edit, set](TObject*) {
        int value = 0;
        if (!Loading() && FTool && TryStrToInt(edit->Text(), value))
            (FTool->Callout()->*set)(value);
    };
}

void TAnnotationToolEdit::EnablePosition() {
    const bool custom = CBCustPos->Checked();
    const int limit = CBUnits->ItemIndex() == PercentItem ? 100 : CustomLimit;
    for (TUpDownEdit* e : {&LeftEdit, &TopEdit}) {
        e->Edit->SetEnabled(custom);
        e->UpDown->SetEnabled(custom);
        e->UpDown->SetMax(limit);
    }
}

void TAnnotationToolEdit::SetTool(TAnnotationTool* tool) {
    FTool = tool;
    if (!tool) return;
    if (!FShapeEditor) {
        // The shape's pages join after the editor's own; the page shown stays.
        TTabSheet* active = PageControl1->ActivePage();
        FShapeEditor.reset(EmbedShapeEditorPages(PageControl1, tool->Shape()));
        PageControl1->SetActivePage(active);
    }
    auto loading = LoadGuard();
    MemoText->SetText(tool->Text());
    FillCursorCombo(*CBCursor, tool->Cursor());
    CBPosition->SetItemIndex(int(tool->Position()));
    CBUnits->SetItemIndex(int(tool->PositionUnits()));
    LoadBindings();
    EnablePosition();
    MarginsEditor->LoadMargins(tool->Shape()->Margins());
    FShapeEditor->LoadShape(tool->Shape());
}

void TAnnotationToolEdit::DoShow() {
    if (auto* tool = dynamic_cast<TAnnotationTool*>(TagObject()); tool && tool != FTool)
        SetTool(tool);
    ApplyFormHook(this);
    TEditorForm::DoShow();
}
