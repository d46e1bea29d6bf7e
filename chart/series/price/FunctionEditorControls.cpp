#include "chart/series/price/FunctionEditorControls.h"

#include <algorithm>

#include "chart/editors/SourceEditorBase.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/TeeFunction.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/UpDown.h"

int EditedPosition(TUpDown& upDown) {
    int typed = 0;
    if (upDown.Associate() && TryStrToInt(upDown.Associate()->Text(), typed))
        upDown.SetPosition(std::clamp(typed, upDown.Min(), upDown.Max()));
    return upDown.Position();
}

double EditedFloat(const TEdit& edit, double current) {
    double value = 0;
    return TryStrToFloat(edit.Text(), value) ? value : current;
}

TUpDownEdit MakeFunctionUpDown(TBaseFunctionEditor* form, int top, const char* caption, int min,
                               int max, int initial) {
    TLabel* label = MakeLabel(form, 8, top + 4, caption);
    const TUpDownEdit pair = MakeUpDownEdit(form, 110, top, 60, min, max);
    pair.UpDown->SetPosition(initial);
    label->SetFocusControl(pair.Edit);
    pair.Edit->OnChange = [form](TObject*) { form->EnableApply(); };
    return pair;
}

TEdit* MakeFunctionEdit(TBaseFunctionEditor* form, int top, const char* caption,
                        const std::string& text) {
    TLabel* label = MakeLabel(form, 8, top + 4, caption);
    TEdit* edit = MakeControl<TEdit>(form, 110, top, 80, 23);
    edit->SetText(text);
    label->SetFocusControl(edit);
    edit->OnChange = [form](TObject*) { form->EnableApply(); };
    return edit;
}

void FillVolumeCombo(TComboBox& combo, const TBaseFunctionEditor& form, TChartSeries* volume) {
    TStringList series;
    form.ListChartSeries(series);
    TStrings& items = *combo.Items();
    items.Clear();
    items.AddObject("(none)", nullptr);
    const TChartSeries* own = form.IFunction ? form.IFunction->ParentSeries() : nullptr;
    for (int i = 0; i < series.Count(); ++i)
        if (series.Objects(i) != own) items.AddObject(series.Get(i), series.Objects(i));
    combo.SetItemIndex(std::max(0, items.IndexOfObject(volume)));
}

TChartSeries* SelectedVolume(const TComboBox& combo) {
    const int index = combo.ItemIndex();
    if (index < 0) return nullptr;
    return dynamic_cast<TChartSeries*>(combo.Items()->Objects(index));
}
