// The General tab of the series page: legend, cursor, depth, value formats, axes and sorting.
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/FormatEditor.h"
#include "chart/editors/SeriesPage.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLists.h"
#include "chart/engine/ChartSeries.h"
#include "chart/foundation/FieldLists.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/ValueGuard.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/UpDown.h"

namespace {

// The first three entries of each axis combo name the standard choices; custom axes follow.
constexpr int StandardAxisChoices = 3;

TGroupBox* MakeGroup(TWinControl* parent, int left, int top, int width, int height,
                     const std::string& caption) {
    TGroupBox* group = MakeControl<TGroupBox>(parent, left, top, width, height);
    group->SetCaption(caption);
    return group;
}

// The value list the series keeps for the chart's depth axis, else for its depth-top axis.
TChartValueList* DepthValueList(TChartSeries& series) {
    TCustomAxisPanel* chart = series.ParentChart();
    if (!chart) return nullptr;
    TChartValueList* list = series.ValueListOfAxis(chart->DepthAxis());
    return list ? list : series.ValueListOfAxis(chart->DepthTopAxis());
}

}  // namespace

void TFormTeeSeries::BuildGeneralTab() {
    TGroupBox* general = MakeGroup(TabGeneral, 6, 4, 190, 100, "General:");
    CBShowInLegend = MakeCheckBox(general, 8, 18, 170, "&Show In Legend");
    MakeLabel(general, 8, 44, "&Cursor:");
    CBCursor = MakeComboBox(general, 70, 40, 110, {});
    LabelDepth = MakeLabel(general, 8, 72, "&Depth:");
    TUpDownEdit depth = MakeUpDownEdit(general, 70, 68, 40, 0, 1200);
    EDepth = depth.Edit;
    UDDepth = depth.UpDown;
    CBDepth = MakeCheckBox(general, 132, 70, 50, "Auto");

    TGroupBox* formats = MakeGroup(TabGeneral, 202, 4, 200, 100, "Formats:");
    MakeLabel(formats, 8, 26, "&Values:");
    CBFormat = MakeComboBox(formats, 70, 22, 90, {}, true);
    Button1 = MakePushButton(formats, 164, 22, 28, "...");
    MakeLabel(formats, 8, 60, "&Percents:");
    EPercentFormat = MakeControl<TEdit>(formats, 70, 56, 90, 23);
    Button2 = MakePushButton(formats, 164, 56, 28, "...");

    GroupHorizAxis = MakeGroup(TabGeneral, 6, 110, 190, 70, "Horizontal Axis:");
    CBHorizAxis = MakeComboBox(GroupHorizAxis, 8, 18, 120, {"Top", "Bottom", "Top and Bottom"});
    CBXDateTime = MakeCheckBox(GroupHorizAxis, 8, 46, 120, "Dat&eTime");
    GroupVertAxis = MakeGroup(TabGeneral, 202, 110, 200, 70, "Vertical Axis:");
    CBVertAxis = MakeComboBox(GroupVertAxis, 8, 18, 120, {"Left", "Right", "Left and Right"});
    CBYDateTime = MakeCheckBox(GroupVertAxis, 8, 46, 120, "D&ateTime");

    LabelSort = MakeLabel(TabGeneral, 14, 194, "S&ort:");
    CBSort = MakeComboBox(TabGeneral, 76, 190, 110, {"Ascending", "Descending", "None"});
    CBZDateTime = MakeCheckBox(TabGeneral, 210, 192, 120, "&Z DateTime");
    CBZDateTime->SetVisible(false);
    CBShowInEditor = MakeCheckBox(TabGeneral, 14, 222, 180, "Show in this editor");
    CBShowInEditor->SetVisible(false);

    CBShowInLegend->OnClick = [this](TObject*) {
        if (CanWrite()) FSeries->SetShowInLegend(CBShowInLegend->Checked());
    };
    CBCursor->OnChange = [this](TObject*) {
        if (CanWrite()) FSeries->SetCursor(NameToCursor(crDefault, CBCursor->Text()));
    };
    CBDepth->OnClick = [this](TObject*) {
        if (CanWrite() && !FQuiet) FSeries->SetDepth(CBDepth->Checked() ? -1 : UDDepth->Position());
    };
    EDepth->OnChange = [this](TObject*) {
        int depth = 0;
        if (!CanWrite() || !TryStrToInt(EDepth->Text(), depth)) return;
        FSeries->SetDepth(depth);
        TValueGuard<bool> quiet(FQuiet, true);
        CBDepth->SetChecked(false);
    };
    CBFormat->OnChange = [this](TObject*) {
        if (CanWrite()) FSeries->SetValueFormat(ToInvariantSeparators(CBFormat->Text()));
    };
    EPercentFormat->OnChange = [this](TObject*) {
        if (CanWrite()) FSeries->SetPercentFormat(ToInvariantSeparators(EPercentFormat->Text()));
    };
    Button1->OnClick = [this](TObject*) {
        if (!FSeries) return;
        CBFormat->SetText(TFormatEditor::ShowFormatDialog(this, CBFormat->Text(), false));
        FSeries->SetValueFormat(ToInvariantSeparators(CBFormat->Text()));
    };
    Button2->OnClick = [this](TObject*) {
        if (!FSeries) return;
        EPercentFormat->SetText(
            TFormatEditor::ShowFormatDialog(this, EPercentFormat->Text(), false));
        FSeries->SetPercentFormat(ToInvariantSeparators(EPercentFormat->Text()));
    };
    CBHorizAxis->OnChange = [this](TObject*) {
        const int index = CBHorizAxis->ItemIndex();
        if (!CanWrite() || index < 0) return;
        if (index < StandardAxisChoices)
            FSeries->SetHorizAxis(THorizAxis(index));
        else
            FSeries->SetCustomHorizAxis(
                static_cast<TChartAxis*>(CBHorizAxis->Items()->Objects(index)));
    };
    CBVertAxis->OnChange = [this](TObject*) {
        const int index = CBVertAxis->ItemIndex();
        if (!CanWrite() || index < 0) return;
        if (index < StandardAxisChoices)
            FSeries->SetVertAxis(TVertAxis(index));
        else
            FSeries->SetCustomVertAxis(
                static_cast<TChartAxis*>(CBVertAxis->Items()->Objects(index)));
    };
    CBXDateTime->OnClick = [this](TObject*) {
        if (CanWrite()) FSeries->XValues().SetDateTime(CBXDateTime->Checked());
    };
    CBYDateTime->OnClick = [this](TObject*) {
        if (CanWrite()) FSeries->YValues().SetDateTime(CBYDateTime->Checked());
    };
    CBZDateTime->OnClick = [this](TObject*) {
        if (!CanWrite()) return;
        if (TChartValueList* list = DepthValueList(*FSeries))
            list->SetDateTime(CBZDateTime->Checked());
        else
            CBZDateTime->SetVisible(false);
    };
    CBSort->OnChange = [this](TObject*) { CBSortChange(); };
    CBShowInEditor->OnClick = [this](TObject*) {
        if (CanWrite()) FSeries->SetShowInEditor(CBShowInEditor->Checked());
    };
}

void TFormTeeSeries::LoadGeneralTab() {
    CBShowInLegend->SetChecked(FSeries->ShowInLegend());
    FillCursorCombo(*CBCursor, FSeries->Cursor());
    const bool automatic = FSeries->Depth() == -1;
    CBDepth->SetChecked(automatic);
    UDDepth->SetPosition(automatic ? 0 : FSeries->Depth());

    CBFormat->Items()->Clear();
    AddValueFormatPresets(*CBFormat->Items());
    const std::string format = ToLocalSeparators(FSeries->ValueFormat());
    if (CBFormat->Items()->IndexOf(format) < 0) CBFormat->Items()->Add(format);
    CBFormat->SetText(format);
    EPercentFormat->SetText(ToLocalSeparators(FSeries->PercentFormat()));

    RefreshAxisChoices();
    CBXDateTime->SetChecked(FSeries->XValues().DateTime());
    CBYDateTime->SetChecked(FSeries->YValues().DateTime());
    TChartValueList* depthList = DepthValueList(*FSeries);
    CBZDateTime->SetVisible(depthList != nullptr);
    if (depthList) CBZDateTime->SetChecked(depthList->DateTime());

    // The combo's order: ascending, descending, none.
    switch (FSeries->MandatoryValueList().Order()) {
        case loAscending:
            CBSort->SetItemIndex(0);
            break;
        case loDescending:
            CBSort->SetItemIndex(1);
            break;
        default:
            CBSort->SetItemIndex(2);
            break;
    }
    // Series with more than two value lists have no single order, nor a depth of their own.
    const bool twoLists = FSeries->ValueLists().Count() <= 2;
    for (TControl* control :
         std::initializer_list<TControl*>{CBSort, LabelSort, LabelDepth, EDepth, UDDepth, CBDepth})
        control->SetVisible(twoLists);
}

void TFormTeeSeries::RefreshAxisChoices() {
    if (!FSeries) return;
    FillAxisCombo(*CBHorizAxis, true);
    FillAxisCombo(*CBVertAxis, false);
    if (FSeries->HorizAxis() == aCustomHorizAxis)
        CBHorizAxis->SetItemIndex(CBHorizAxis->Items()->IndexOfObject(FSeries->CustomHorizAxis()));
    else
        CBHorizAxis->SetItemIndex(int(FSeries->HorizAxis()));
    if (FSeries->VertAxis() == aCustomVertAxis)
        CBVertAxis->SetItemIndex(CBVertAxis->Items()->IndexOfObject(FSeries->CustomVertAxis()));
    else
        CBVertAxis->SetItemIndex(int(FSeries->VertAxis()));
}

void TFormTeeSeries::FillAxisCombo(TComboBox& combo, bool horizontal) {
    TStrings& items = *combo.Items();
    while (items.Count() > StandardAxisChoices) items.Delete(items.Count() - 1);
    TCustomAxisPanel* chart = FSeries->ParentChart();
    if (!chart) return;
    TChartCustomAxes& axes = *chart->CustomAxes();
    for (int i = 0; i < axes.Count(); ++i) {
        TChartAxis* axis = axes.GetAxis(i);
        // "Custom " and one more blank before the number.
        if (axis->Horizontal() == horizontal) items.AddObject("Custom  " + IntToStr(i), axis);
    }
}

void TFormTeeSeries::CBSortChange() {
    if (!CanWrite()) return;
    static const TChartListOrder orders[] = {loAscending, loDescending, loNone};
    const int index = CBSort->ItemIndex();
    if (index < 0) return;
    FSeries->NotMandatoryValueList().SetOrder(loNone);
    FSeries->MandatoryValueList().SetOrder(orders[index]);
    if (orders[index] != loNone) FSeries->ApplyValueOrder();
}
