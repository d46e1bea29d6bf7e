#include "chart/tools/overlay/MarksTipToolEditor.h"

#include <memory>

#include "chart/editors/EditorBindings.h"
#include "chart/editors/SeriesPage.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/tools/overlay/MarksTipTool.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/RadioGroup.h"

TMarksTipToolEdit::TMarksTipToolEdit(TComponent* owner) : TSeriesToolEditor(owner) {
    const auto tool = [this] { return MarksTipTool(); };
    using T = TMarksTipTool;
    RGMouseAction = MakeControl<TRadioGroup>(this, 8, 40, 120, 64);
    RGMouseAction->SetCaption("Mouse action:");
    RGMouseAction->Items()->Add("&Move");
    RGMouseAction->Items()->Add("&Click");
    RGMouseAction->OnClick = [this](TObject*) {
        TMarksTipTool* t = MarksTipTool();
        if (!Loading() && t && RGMouseAction->ItemIndex() >= 0)
            t->SetMouseAction(TMarkToolMouseAction(RGMouseAction->ItemIndex()));
    };
    AddBinding([this] {
        if (TMarksTipTool* t = MarksTipTool()) RGMouseAction->SetItemIndex(int(t->MouseAction()));
    });
    MakeLabel(this, 140, 46, "S&tyle:");
    CBStyle = MakeComboBox(this, 180, 42, 150, {});
    BindComboBox(*this, CBStyle, tool, &T::Style, &T::SetStyle);
    MakeLabel(this, 140, 78, "&Delay:");
    Delay = MakeUpDownEdit(this, 200, 74, 60, 0, 32000, 50);
    MakeLabel(this, 266, 78, "msec.");
    BindUpDownEdit(*this, Delay, tool, &T::MouseDelay, &T::SetMouseDelay);
    MakeLabel(this, 140, 106, "&Hide Delay:");
    HideDelay = MakeUpDownEdit(this, 200, 102, 60, 0, 32000, 50);
    MakeLabel(this, 266, 106, "msec.");
    BindUpDownEdit(*this, HideDelay, tool, &T::HideDelay, &T::SetHideDelay);
}

TMarksTipToolEdit::~TMarksTipToolEdit() = default;

TMarksTipTool* TMarksTipToolEdit::MarksTipTool() const {
    return dynamic_cast<TMarksTipTool*>(Tool());
}

void TMarksTipToolEdit::FillStyles() {
    if (CBStyle->Items()->Count() > 0) return;
    // The series editor's list of mark styles, from a series editor made for the purpose.
    const std::unique_ptr<TFormTeeSeries> series(new TFormTeeSeries(nullptr));
    CBStyle->Items()->Assign(*series->RGMarkStyle->Items());
}

void TMarksTipToolEdit::DoShow() {
    TSeriesToolEditor::DoShow();
    // No series means every series of the chart.
    if (CBSeries->Items()->Count() > 0) CBSeries->Items()->Put(0, TxtAll);
    FillStyles();
    if (MarksTipTool()) LoadBindings();
}
