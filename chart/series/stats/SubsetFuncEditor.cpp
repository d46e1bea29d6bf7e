#include "chart/series/stats/SubsetFuncEditor.h"

#include "chart/editors/EditorControls.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartValueList.h"
#include "chart/series/stats/SubsetFunction.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"

namespace {

// The list of that name in the function's source, else in its own series; none when neither
// has one.
TChartValueList* SubsetList(TTeeFunction& f, const std::string& name) {
    TChartSeries* series = f.ParentSeries();
    if (!series) return nullptr;
    auto* source = dynamic_cast<TChartSeries*>(series->DataSource());
    for (TChartSeries* s : {source, series}) {
        if (!s) continue;
        const TChartValueLists& lists = s->ValueLists();
        for (int i = 0; i < lists.Count(); ++i)
            if (lists.ValueList(i)->Name() == name) return lists.ValueList(i);
    }
    return nullptr;
}

}  // namespace

TSubsetFuncEditor::TSubsetFuncEditor(TComponent* owner) : TBaseFunctionEditor(owner) {
    auto edit = [this](int top, const char* caption) {
        TLabel* label = MakeLabel(this, 8, top + 4, caption);
        TEdit* e = MakeControl<TEdit>(this, 80, top, 120, 23);
        label->SetFocusControl(e);
        e->SetText("0");
        e->OnChange = [this](TObject*) {
            if (!Loading()) EnableApply();
        };
        return e;
    };
    EStart = edit(8, "&Start:");
    EEnd = edit(38, "&End:");
    TLabel* label = MakeLabel(this, 8, 72, "&Values:");
    CBValues = MakeComboBox(this, 80, 68, 120, {});
    label->SetFocusControl(CBValues);
    CBValues->OnChange = [this](TObject*) { CBValuesChange(); };
}

void TSubsetFuncEditor::LoadFunction() {
    auto* f = dynamic_cast<TSubsetTeeFunction*>(IFunction);
    TChartSeries* series = f ? f->ParentSeries() : nullptr;
    if (!series) return;
    auto loading = LoadGuard();
    CBValues->Items()->Clear();
    const TChartValueLists& lists = series->ValueLists();
    for (int i = 0; i < lists.Count(); ++i) CBValues->Items()->Add(lists.ValueList(i)->Name());
    const std::string& named = series->MandatoryValueList().ValueSource();
    const int at = named.empty() ? -1 : CBValues->Items()->IndexOf(named);
    CBValues->SetItemIndex(at >= 0 ? at : 0);
    EStart->SetText(FloatToStr(f->StartValue()));
    EEnd->SetText(FloatToStr(f->EndValue()));
    if (named.empty()) CBValuesChange();
}

void TSubsetFuncEditor::CBValuesChange() {
    if (IFunction && IFunction->ParentSeries() &&
        IFunction->ParentSeries()->MandatoryValueList().ValueSource().empty()) {
        if (TChartValueList* list = SubsetList(*IFunction, CBValues->Text())) {
            EStart->SetText(FloatToStr(list->Minimum()));
            EEnd->SetText(FloatToStr(list->Maximum()));
        }
    }
    if (!Loading()) EnableApply();
}

void TSubsetFuncEditor::ApplyFunction() {
    auto* f = dynamic_cast<TSubsetTeeFunction*>(IFunction);
    if (!f || !f->ParentSeries()) return;
    const double start = double(StrToFloat(EStart->Text()));
    const double end = double(StrToFloat(EEnd->Text()));
    f->SetStartValue(start);
    f->SetEndValue(end);
    // The position list names the limits' range, not values to copy: choosing it copies the
    // series' own values (no value source), never the positions as values.
    TChartSeries* series = f->ParentSeries();
    if (CBValues->ItemIndex() >= 0) {
        const bool positions = CBValues->Text() == series->NotMandatoryValueList().Name();
        series->MandatoryValueList().SetValueSource(positions ? "" : CBValues->Text());
    }
}
