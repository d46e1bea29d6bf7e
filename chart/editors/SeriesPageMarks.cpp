// The Marks tab of the series page: the style of the point marks, their callout arrows, their
// symbol and their margins.
//
// The callout of the marks is stored with the chart as soon as it exists, so reading the tab
// never makes one: while the marks have none, the Arrows tab shows a callout's defaults and the
// first change the user makes there creates it. The symbol is made for its editor on the first
// visit: with its defaults it adds nothing to the stored chart.
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/MarginsEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/PointerEditor.h"
#include "chart/editors/SeriesPage.h"
#include "chart/editors/ShapeEditor.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/Callout.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/engine/SeriesMarksSymbol.h"
#include "chart/foundation/TeeButtons.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/ValueGuard.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/UpDown.h"

namespace {

// The edit's text as a number; false while it is none (the user is still typing).
bool EditInt(const TEdit* edit, int& value) { return TryStrToInt(edit->Text(), value); }

}  // namespace

void TFormTeeSeries::BuildMarksTab() {
    PageControlMarks = MakeControl<TPageControl>(TabMarks);
    PageControlMarks->SetAlign(alClient);
    TabStyle = MakeTabSheet(TabMarks, PageControlMarks, "Style");
    TabArrows = MakeTabSheet(TabMarks, PageControlMarks, "Arrows");
    TabSymbol = MakeTabSheet(TabMarks, PageControlMarks, "Symbol");
    TabMargins = MakeTabSheet(TabMarks, PageControlMarks, "Margins");
    PageControlMarks->SetActivePage(TabStyle);
    BuildMarksStyleTab();
    BuildMarksArrowsTab();
}

void TFormTeeSeries::BuildMarksStyleTab() {
    CBMarksVisible = MakeCheckBox(TabStyle, 8, 8, 100, "&Visible");
    CBMarkClip = MakeCheckBox(TabStyle, 8, 32, 100, "Cl&ipped");
    MakeLabel(TabStyle, 8, 62, "&Angle:");
    TUpDownEdit angle = MakeUpDownEdit(TabStyle, 90, 58, 44, 0, 360, 5);
    SEMarksAngle = angle.Edit;
    UDMarksAngle = angle.UpDown;
    UDMarksAngle->SetWrap(true);
    MakeLabel(TabStyle, 8, 92, "Draw &every:");
    TUpDownEdit every = MakeUpDownEdit(TabStyle, 90, 88, 44, 1, 5000);
    EMarksEvery = every.Edit;
    UDEvery = every.UpDown;
    CBMultiLine = MakeCheckBox(TabStyle, 8, 120, 140, "&Multi line");
    CBAllVisible = MakeCheckBox(TabStyle, 8, 144, 160, "All Series Visi&ble");
    MakeLabel(TabStyle, 8, 174, "&Text Align:");
    CBTextAlign = MakeComboBox(TabStyle, 90, 170, 80, {"Left", "Right", "Center"});
    CBTextAlign->SetItemIndex(2);
    CBFontSeriesColor = MakeCheckBox(TabStyle, 8, 202, 160, "&Font Series Color");
    RGMarkStyle = MakeControl<TRadioGroup>(TabStyle, 180, 4, 200, 240);
    RGMarkStyle->SetCaption("&Style:");
    for (const char* style : {"Value", "Percent", "Label", "Label and Percent", "Label and Value",
                              "Legend", "Percent Total", "Label and Percent Total", "X value",
                              "X and Y values", "Series Title", "Point Index", "Percent Relative"})
        RGMarkStyle->Items()->Add(style);

    CBMarksVisible->OnClick = [this](TObject*) {
        if (!CanWrite()) return;
        FSeries->Marks()->SetVisible(CBMarksVisible->Checked());
        TValueGuard<bool> quiet(FQuiet, true);
        CBAllVisible->SetChecked(AllMarksVisible());
    };
    CBAllVisible->OnClick = [this](TObject*) {
        if (!CanWrite() || FQuiet || !FChart) return;
        const bool visible = CBAllVisible->Checked();
        for (int i = 0; i < FChart->SeriesCount(); ++i)
            FChart->GetSeries(i)->Marks()->SetVisible(visible);
        TValueGuard<bool> quiet(FQuiet, true);
        CBMarksVisible->SetChecked(visible);
    };
    CBMarkClip->OnClick = [this](TObject*) {
        if (CanWrite()) FSeries->Marks()->SetClip(CBMarkClip->Checked());
    };
    SEMarksAngle->OnChange = [this](TObject*) {
        int angle = 0;
        if (CanWrite() && EditInt(SEMarksAngle, angle)) FSeries->Marks()->SetAngle(angle);
    };
    EMarksEvery->OnChange = [this](TObject*) {
        int every = 0;
        if (CanWrite() && EditInt(EMarksEvery, every)) FSeries->Marks()->SetDrawEvery(every);
    };
    CBMultiLine->OnClick = [this](TObject*) {
        if (CanWrite()) FSeries->Marks()->SetMultiLine(CBMultiLine->Checked());
    };
    RGMarkStyle->OnClick = [this](TObject*) {
        if (!CanWrite() || RGMarkStyle->ItemIndex() < 0) return;
        FSeries->Marks()->SetStyle(TSeriesMarksStyle(RGMarkStyle->ItemIndex()));
        EnableMultiLine();
    };
    CBTextAlign->OnChange = [this](TObject*) {
        if (CanWrite() && CBTextAlign->ItemIndex() >= 0)
            FSeries->Marks()->SetTextAlign(TAlignment(CBTextAlign->ItemIndex()));
    };
    CBFontSeriesColor->OnClick = [this](TObject*) {
        if (CanWrite()) FSeries->Marks()->SetFontSeriesColor(CBFontSeriesColor->Checked());
    };
    PageControlMarks->OnChange = [this](TObject* sender) {
        // The margins editor reads its margins when its tab shows; the marks' shape pages build
        // their editors on their first visit.
        if (FSeries && FMarginsEditor && PageControlMarks->ActivePage() == TabMargins)
            FMarginsEditor->LoadMargins(FSeries->Marks()->Margins());
        if (FMarksShape) FMarksShape->PC1Change(sender);
    };
}

void TFormTeeSeries::BuildMarksArrowsTab() {
    BMarkLinCol = MakeControl<TButtonPen>(TabArrows, 8, 8, 90, 25);
    BMarkLinCol->SetCaption("&Border...");
    MakeLabel(TabArrows, 8, 46, "&Length:");
    TUpDownEdit length = MakeUpDownEdit(TabArrows, 90, 42, 50, -1000, 1000);
    SEArrowLength = length.Edit;
    UDArrowsLength = length.UpDown;
    MakeLabel(TabArrows, 8, 76, "&Distance:");
    TUpDownEdit distance = MakeUpDownEdit(TabArrows, 90, 72, 50, -1000, 1000);
    EArrowDist = distance.Edit;
    UDArrowDist = distance.UpDown;
    BCalloutPointer = MakePushButton(TabArrows, 180, 8, 90, "&Pointer...");
    MakeLabel(TabArrows, 180, 46, "&Arrow head:");
    CBHead = MakeComboBox(TabArrows, 260, 42, 80, {"None", "Line", "Solid"});
    MakeLabel(TabArrows, 180, 76, "&Size:");
    TUpDownEdit headSize = MakeUpDownEdit(TabArrows, 260, 72, 50, -1000, 1000);
    Edit1 = headSize.Edit;
    UDHeadSize = headSize.UpDown;

    BMarkLinCol->OnClick = [this](TObject*) {
        // Linked, the pen was written by the dialog already; unlinked, the marks have no callout
        // yet: the user's click makes it, and the dialog opens on its arrow.
        if (!FSeries || BMarkLinCol->Pen()) return;
        BMarkLinCol->LinkPen(FSeries->Marks()->Arrow());
        BMarkLinCol->Click();
    };
    SEArrowLength->OnChange = [this](TObject*) {
        int value = 0;
        if (CanWrite() && EditInt(SEArrowLength, value)) FSeries->Marks()->SetArrowLength(value);
    };
    EArrowDist->OnChange = [this](TObject*) {
        int value = 0;
        if (CanWrite() && EditInt(EArrowDist, value))
            FSeries->Marks()->Callout()->SetDistance(value);
    };
    CBHead->OnChange = [this](TObject*) {
        if (CanWrite() && CBHead->ItemIndex() >= 0)
            FSeries->Marks()->Callout()->SetArrowHead(TArrowHeadStyle(CBHead->ItemIndex()));
    };
    Edit1->OnChange = [this](TObject*) {
        int value = 0;
        if (CanWrite() && EditInt(Edit1, value))
            FSeries->Marks()->Callout()->SetArrowHeadSize(value);
    };
    BCalloutPointer->OnClick = [this](TObject*) {
        if (FSeries) ShowPointerEditor(this, FSeries->Marks()->Callout());
    };
}

void TFormTeeSeries::BuildMarksShapeEditors(TSeriesMarks* marks) {
    // Moving the pages in would show the first one: the tab the user is on stays.
    TTabSheet* active = PageControlMarks->ActivePage();
    FMarksShape.reset(EmbedShapeEditorPages(PageControlMarks, marks));
    PageControlMarks->SetActivePage(active);
    // The symbol has no colour of its own (its brush has) and no text: at the colour button's
    // place it shows whether it is drawn at all.
    FSymbolShape = TFormTeeShape::CreateForShape(this, marks->Symbol(), TabSymbol);
    FSymbolShape->TabText->SetTabVisible(false);
    TButtonColor* color = FSymbolShape->BBackColor;
    color->SetVisible(false);
    CBSymbolVisible = MakeCheckBox(FSymbolShape->TabFormat, color->Left(), color->Top() + 4,
                                   color->Width(), "&Visible");
    CBSymbolVisible->OnClick = [this](TObject* sender) {
        if (CanWrite()) FSymbolShape->CBVisibleChecked(sender);
    };
}

void TFormTeeSeries::LoadMarksTab() {
    TSeriesMarks* marks = FSeries->Marks();
    if (!FMarginsEditor) {
        FMarginsEditor = new TMarginsEditor(this);
        EmbedTaggedEditorForm(*FMarginsEditor, *TabMargins, marks->Margins());
    }
    if (!FMarksShape) BuildMarksShapeEditors(marks);
    RGMarkStyle->SetItemIndex(int(marks->Style()));
    const TMarksCallout defaults;
    const TMarksCallout* callout = marks->CalloutIfAny() ? marks->CalloutIfAny() : &defaults;
    UDArrowsLength->SetPosition(callout->Length());
    UDArrowDist->SetPosition(callout->Distance());
    UDMarksAngle->SetPosition(marks->Angle());
    CBMarkClip->SetChecked(marks->Clip());
    UDEvery->SetPosition(marks->DrawEvery());
    CBMultiLine->SetChecked(marks->MultiLine());
    CBMarksVisible->SetChecked(marks->Visible());
    BMarkLinCol->LinkPen(marks->CalloutIfAny() ? marks->Arrow() : nullptr);
    CBHead->SetItemIndex(int(callout->ArrowHead()));
    UDHeadSize->SetPosition(callout->ArrowHeadSize());
    CBTextAlign->SetItemIndex(int(marks->TextAlign()));
    CBFontSeriesColor->SetChecked(marks->FontSeriesColor());
    CBAllVisible->SetChecked(AllMarksVisible());
    EnableMultiLine();
    FMarginsEditor->LoadMargins(marks->Margins());
    FMarksShape->LoadShape(marks);
    FSymbolShape->LoadShape(marks->Symbol());
    CBSymbolVisible->SetChecked(marks->Symbol()->Visible());
}

void TFormTeeSeries::EnableMultiLine() {
    const int s = RGMarkStyle->ItemIndex();
    CBMultiLine->SetEnabled(s == smsLabelPercent || s == smsLabelValue || s == smsPercentTotal ||
                            s == smsLabelPercentTotal || s == smsXY);
}

bool TFormTeeSeries::AllMarksVisible() const {
    if (!FChart) return false;
    for (int i = 0; i < FChart->SeriesCount(); ++i)
        if (!FChart->GetSeries(i)->Marks()->Visible()) return false;
    return true;
}
