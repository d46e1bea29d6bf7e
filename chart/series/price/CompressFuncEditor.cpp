#include "chart/series/price/CompressFuncEditor.h"

#include <algorithm>

#include "chart/editors/EditorControls.h"
#include "chart/editors/SeriesEditorControls.h"
#include "chart/series/price/CompressFunction.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/UpDown.h"

namespace {

// The clock periods follow the six calendar ones in the enumeration.
constexpr int FirstTimePeriod = ocSecond;

}  // namespace

TCompressFuncEditor::TCompressFuncEditor(TComponent* owner) : TBaseFunctionEditor(owner) {
    RGPeriod = MakeControl<TRadioGroup>(this, 8, 4, 140, 96);
    for (const char* item : {"&Date period:", "&Time period:", "&Number of points:"})
        RGPeriod->Items()->Add(item);
    CBDatePeriod =
        MakeComboBox(this, 156, 14, 130,
                     {"Daily (none)", "Weekly", "Monthly", "Bi-Monthly", "Quarterly", "Yearly"});
    CBTimePeriod = MakeComboBox(this, 156, 42, 130,
                                {"Second", "TenSecond", "Minute", "TwoMinutes", "FiveMinutes",
                                 "TenMinutes", "FifteenMinutes", "TwentyMinutes", "HalfHour",
                                 "Hour", "TwoHours", "ThreeHour", "SixHour", "TwelveHour"});
    const TUpDownEdit count = MakeUpDownEdit(this, 156, 70, 60, 0, 32767);
    ENum = count.Edit;
    UpDown1 = count.UpDown;
    UpDown1->SetPosition(1);

    RGPeriod->OnClick = [this](TObject*) { PeriodChosen(); };
    CBDatePeriod->OnChange = [this](TObject*) { Choose(pcDate); };
    CBDatePeriod->OnClick = CBDatePeriod->OnChange;
    CBTimePeriod->OnChange = [this](TObject*) { Choose(pcTime); };
    CBTimePeriod->OnClick = CBTimePeriod->OnChange;
    ENum->OnClick = [this](TObject*) { Choose(pcPoints); };
    ENum->OnChange = [this](TObject*) {
        if (!Loading()) EnableApply();
    };
}

void TCompressFuncEditor::Choose(TPeriodChoice choice) {
    if (Loading()) return;
    RGPeriod->SetItemIndex(choice);
    EnableApply();
}

// A calendar or clock choice groups by dates, not by a count.
void TCompressFuncEditor::PeriodChosen() {
    if (Loading()) return;
    switch (RGPeriod->ItemIndex()) {
        case pcDate:
            UpDown1->SetPosition(0);
            if (CBDatePeriod->CanFocus()) CBDatePeriod->SetFocus();
            break;
        case pcTime:
            UpDown1->SetPosition(0);
            if (CBTimePeriod->CanFocus()) CBTimePeriod->SetFocus();
            break;
        case pcPoints:
            if (ENum->CanFocus()) ENum->SetFocus();
            break;
        default:
            break;
    }
    EnableApply();
}

void TCompressFuncEditor::LoadFunction() {
    auto loading = LoadGuard();
    CBDatePeriod->SetItemIndex(0);
    CBTimePeriod->SetItemIndex(0);
    auto* f = dynamic_cast<TCompressFunction*>(IFunction);
    if (!f) return;
    if (f->Period() != 0) {
        UpDown1->SetPosition(int(f->Period()));
        RGPeriod->SetItemIndex(pcPoints);
    } else if (f->Compress() >= FirstTimePeriod) {
        CBTimePeriod->SetItemIndex(f->Compress() - FirstTimePeriod);
        RGPeriod->SetItemIndex(pcTime);
    } else {
        CBDatePeriod->SetItemIndex(f->Compress());
        RGPeriod->SetItemIndex(pcDate);
    }
}

void TCompressFuncEditor::ApplyFunction() {
    auto* f = dynamic_cast<TCompressFunction*>(IFunction);
    if (!f) return;
    if (RGPeriod->ItemIndex() == pcDate)
        f->SetCompress(TCompressionPeriod(std::max(0, CBDatePeriod->ItemIndex())));
    else
        f->SetCompress(
            TCompressionPeriod(FirstTimePeriod + std::max(0, CBTimePeriod->ItemIndex())));
    f->SetPeriod(UpDownPosition(*UpDown1));
}
