#include "chart/editors/StackBarSeriesEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/engine/CustomBarSeries.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/UpDown.h"

TStackBarSeriesEditor::TStackBarSeriesEditor(TComponent* owner) : TEditorForm(owner, true) {
    SetBounds(0, 0, 330, 170);
    BuildControls();
    BindProperties();
    CBYOrigin->OnClick = [this](TObject*) {
        if (Loading() || !FSeries) return;
        FSeries->SetUseYOrigin(CBYOrigin->Checked());
        EYOrigin->SetEnabled(FSeries->UseYOrigin());
        if (EYOrigin->Enabled() && EYOrigin->Showing()) EYOrigin->SetFocus();
    };
    EYOrigin->OnChange = [this](TObject*) {
        if (Loading() || !FSeries) return;
        // Text that is no number (half typed, or a slip) keeps the origin the series has.
        double value = FSeries->YOrigin();
        if (!TryStrToFloat(EYOrigin->Text(), value)) value = FSeries->YOrigin();
        FSeries->SetYOrigin(value);
    };
    DoCreate();
    SetAlign(alClient);
}

TStackBarSeriesEditor::~TStackBarSeriesEditor() = default;

void TStackBarSeriesEditor::BuildControls() {
    CBYOrigin = MakeCheckBox(this, 8, 10, 90, "Use &Origin:");
    EYOrigin = MakeControl<TEdit>(this, 100, 8, 80, 23);
    EYOrigin->SetText("0");
    RGMultiBar = MakeControl<TRadioGroup>(this, 8, 40, 180, 120);
    RGMultiBar->SetCaption("&Multiple Bar:");
    RGMultiBar->SetColumns(2);
    for (const char* item : {"None", "Side", "Stacked", "Stacked 100%", "Side All", "Self Stack"})
        RGMultiBar->Items()->Add(item);
    LGroup = MakeLabel(this, 200, 44, "&Stack Group:");
    TUpDownEdit group = MakeUpDownEdit(this, 200, 62, 50, 0, 100);
    EGroup = group.Edit;
    UDGroup = group.UpDown;
}

void TStackBarSeriesEditor::BindProperties() {
    using B = TCustomBarSeries;
    auto series = [this] { return FSeries; };
    BindRadioGroup(*this, RGMultiBar, series, &B::MultiBar, &B::SetMultiBar,
                   [this] { EnableGroup(); });
    BindUpDownEdit(*this, {EGroup, UDGroup}, series, &B::StackGroup, &B::SetStackGroup,
                   {.Typed = TTypedNumber::Clamped});
}

void TStackBarSeriesEditor::DoShow() {
    if (auto* series = dynamic_cast<TCustomBarSeries*>(TagObject())) {
        FSeries = series;
        auto loading = LoadGuard();
        CBYOrigin->SetChecked(series->UseYOrigin());
        EYOrigin->SetText(FloatToStr(series->YOrigin()));
        EYOrigin->SetEnabled(series->UseYOrigin());
        LoadBindings();
        EnableGroup();
    }
    LoadingDone();
    TForm::DoShow();
}

void TStackBarSeriesEditor::EnableGroup() {
    // The radio group shows the series' stacking, also before there is a series.
    const int multiBar = RGMultiBar->ItemIndex();
    const bool stacked = multiBar == mbStacked || multiBar == mbStacked100;
    EGroup->SetEnabled(stacked);
    UDGroup->SetEnabled(stacked);
}
