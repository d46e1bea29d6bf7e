// The axis page's Ticks, Grid and Position tabs.
#include <cmath>

#include "chart/editors/AxisPage.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/PenDialog.h"
#include "chart/engine/AxisGridPen.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLists.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/ValueGuard.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/UpDown.h"

namespace {

TButtonPen* MakePenButton(TWinControl* parent, int left, int top, const char* caption) {
    auto* button = MakeControl<TButtonPen>(parent, left, top, 80, 25);
    button->SetCaption(caption);
    return button;
}

// A percentage shown in a whole-number up-down.
int Rounded(double value) { return int(std::lround(value)); }

}  // namespace

void TFormTeeAxis::BuildTicksAndGrid() {
    TWinControl* ticks = TabTicks;
    BAxisPen = MakePenButton(ticks, 8, 8, "&Axis...");
    BTickPen = MakePenButton(ticks, 8, 40, "T&icks...");
    BTickInner = MakePenButton(ticks, 8, 72, "I&nner...");
    BTickMinor = MakePenButton(ticks, 8, 104, "&Minor...");
    auto length = [&](int top, const char* caption, int min, int max, TEdit*& edit,
                      TUpDown*& upDown) {
        MakeLabel(ticks, 100, top + 4, caption);
        TUpDownEdit e = MakeUpDownEdit(ticks, 150, top, 50, min, max);
        edit = e.Edit;
        upDown = e.UpDown;
    };
    length(40, "Len:", -1000, 1000, SEAxisTickLength, UDAxisTickLength);
    length(72, "Len:", 0, 1000, SEInnerTicksLength, UDInnerTicksLength);
    length(104, "Len:", -1000, 1000, SEAxisMinorTickLen, UDAxisMinorTickLen);
    length(136, "&Count:", 0, 1000, Edit3, UDMinorC);
    CBTickOnLabels = MakeCheckBox(ticks, 8, 170, 150, "At Labels Onl&y");

    TWinControl* grid = TabGrid;
    BAxisGrid = MakePenButton(grid, 8, 8, "&Grid...");
    BMinorGrid = MakePenButton(grid, 8, 40, "&Minor...");
    MakeLabel(grid, 100, 44, "&Count:");
    TUpDownEdit count = MakeUpDownEdit(grid, 150, 40, 50, 0, 1000);
    SEMinorCount = count.Edit;
    UDMinorCount = count.UpDown;
    MakeLabel(grid, 100, 12, "&Z:");
    TUpDownEdit z = MakeUpDownEdit(grid, 150, 8, 50, 0, 100);
    Edit2 = z.Edit;
    UDGridZ = z.UpDown;
    CBGridCentered = MakeCheckBox(grid, 8, 76, 120, "C&entered");
    MakeLabel(grid, 8, 106, "Draw &every:");
    TUpDownEdit every = MakeUpDownEdit(grid, 90, 102, 50, 1, 5000);
    EMarksEvery = every.Edit;
    UDEvery = every.UpDown;

    BindNumber(SEAxisTickLength, UDAxisTickLength, [this](int v) { FAxis->SetTickLength(v); });
    BindNumber(SEInnerTicksLength, UDInnerTicksLength,
               [this](int v) { FAxis->SetTickInnerLength(v); });
    BindNumber(SEAxisMinorTickLen, UDAxisMinorTickLen,
               [this](int v) { FAxis->SetMinorTickLength(v); });
    // The minor count shows on both tabs: each edit writes the one property.
    BindNumber(Edit3, UDMinorC, [this](int v) { FAxis->SetMinorTickCount(v); });
    BindNumber(SEMinorCount, UDMinorCount, [this](int v) { FAxis->SetMinorTickCount(v); });
    CBTickOnLabels->OnClick = [this](TObject*) {
        if (!Loading()) FAxis->SetTickOnLabelsOnly(CBTickOnLabels->Checked());
    };
    BindNumber(Edit2, UDGridZ, [this](int v) { FAxis->Grid()->SetZPosition(v); });
    BindNumber(EMarksEvery, UDEvery, [this](int v) { FAxis->Grid()->SetDrawEvery(v); });
    CBGridCentered->OnClick = [this](TObject*) {
        if (!Loading()) FAxis->SetGridCentered(CBGridCentered->Checked());
    };
}

void TFormTeeAxis::LoadTicks() {
    UDAxisTickLength->SetPosition(FAxis->TickLength());
    UDInnerTicksLength->SetPosition(FAxis->TickInnerLength());
    UDAxisMinorTickLen->SetPosition(FAxis->MinorTickLength());
    UDMinorC->SetPosition(FAxis->MinorTickCount());
    CBTickOnLabels->SetChecked(FAxis->TickOnLabelsOnly());
}

void TFormTeeAxis::LoadGrid() {
    CBGridCentered->SetChecked(FAxis->GridCentered());
    UDGridZ->SetPosition(Rounded(FAxis->Grid()->ZPosition()));
    UDEvery->SetPosition(FAxis->Grid()->DrawEvery());
    UDMinorCount->SetPosition(FAxis->MinorTickCount());
}

void TFormTeeAxis::BuildPosition() {
    TWinControl* tab = TabPosition;
    auto row = [&](int top, const char* caption, int min, int max, TEdit*& edit, TUpDown*& upDown) {
        MakeLabel(tab, 8, top + 4, caption);
        TUpDownEdit e = MakeUpDownEdit(tab, 90, top, 50, min, max);
        edit = e.Edit;
        upDown = e.UpDown;
    };
    row(8, "&Position %:", -1000, 1000, EPos, UDPos);
    row(40, "St&art %:", 0, 100, EStart, UDStart);
    row(72, "&End %:", 0, 100, EEnd, UDEnd);
    row(104, "&Z %:", 0, 100, Edit1, UDZ);
    MakeLabel(tab, 8, 140, "&Units:");
    CBPosUnits = MakeComboBox(tab, 90, 136, 80, {"Percent", "Pixels"});
    CBOtherSide = MakeCheckBox(tab, 168, 8, 95, "&Other side");
    CBHorizAxis = MakeCheckBox(tab, 168, 30, 95, "&Horizontal");

    BindNumber(EPos, UDPos, [this](int v) { FAxis->SetPositionPercent(v); });
    EStart->OnChange = [this](TObject*) { StartChanged(); };
    EEnd->OnChange = [this](TObject*) { EndChanged(); };
    BindNumber(Edit1, UDZ, [this](int v) { FAxis->SetZPosition(v); });
    CBPosUnits->OnChange = [this](TObject*) {
        if (!Loading() && CBPosUnits->ItemIndex() >= 0)
            FAxis->SetPositionUnits(TTeeUnits(CBPosUnits->ItemIndex()));
    };
    CBOtherSide->OnClick = [this](TObject*) {
        if (!Loading() && FAxis->IsCustom()) FAxis->SetOtherSide(CBOtherSide->Checked());
    };
    CBHorizAxis->OnClick = [this](TObject*) {
        if (Loading() || !FAxis->IsCustom()) return;
        FAxis->SetHorizontal(CBHorizAxis->Checked());
        if (OnHorizontalChange) OnHorizontalChange(FAxis);
    };
}

void TFormTeeAxis::LoadPosition() {
    UDPos->SetPosition(Rounded(FAxis->PositionPercent()));
    UDStart->SetPosition(Rounded(FAxis->StartPosition()));
    UDEnd->SetPosition(Rounded(FAxis->EndPosition()));
    UDZ->SetPosition(Rounded(FAxis->ZPosition()));
    Edit1->SetEnabled(!FAxis->IsDepthAxis);
    UDZ->SetEnabled(!FAxis->IsDepthAxis);
    CBPosUnits->SetItemIndex(int(FAxis->PositionUnits()));
    const bool custom = FAxis->IsCustom();
    CBOtherSide->SetChecked(FAxis->OtherSide());
    CBOtherSide->SetEnabled(custom);
    CBHorizAxis->SetChecked(FAxis->Horizontal());
    CBHorizAxis->SetEnabled(custom);
}

// The start must stay below the end, and the end above the start: a value that crosses the
// other is put back.
void TFormTeeAxis::StartChanged() {
    int value = 0;
    if (Loading() || FQuiet || !TryStrToInt(EStart->Text(), value)) return;
    if (value < UDStart->Min() || value > UDStart->Max()) return;
    if (value >= FAxis->EndPosition()) {
        TValueGuard<bool> quiet(FQuiet, true);
        UDStart->SetPosition(Rounded(FAxis->StartPosition()));
        return;
    }
    FAxis->SetStartPosition(value);
}

void TFormTeeAxis::EndChanged() {
    int value = 0;
    if (Loading() || FQuiet || !TryStrToInt(EEnd->Text(), value)) return;
    if (value < UDEnd->Min() || value > UDEnd->Max()) return;
    if (value <= FAxis->StartPosition()) {
        TValueGuard<bool> quiet(FQuiet, true);
        UDEnd->SetPosition(Rounded(FAxis->EndPosition()));
        return;
    }
    FAxis->SetEndPosition(value);
}
