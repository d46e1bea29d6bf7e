#include "chart/series/variant/DonutSeriesEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/PieSeriesEditor.h"
#include "chart/editors/SeriesEditorControls.h"
#include "chart/editors/SeriesPage.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/series/variant/DonutSeries.h"

TDonutSeriesEditor::TDonutSeriesEditor(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 200, 50);
    SetBorderStyle(bsDialog);
    MakeLabel(this, 8, 12, "&Hole %: ");
    const TUpDownEdit hole = MakeUpDownEdit(this, 70, 8, 45, 0, 100, 5);
    EDonut = hole.Edit;
    UDDonut = hole.UpDown;
    BindUpDownEdit(
        *this, hole, [this] { return FSeries; }, &TDonutSeries::DonutPercent,
        &TDonutSeries::SetDonutPercent, TNumberEditRule{TTypedNumber::InRange, true});
    DoCreate();
}

TDonutSeriesEditor::~TDonutSeriesEditor() { FreeSubPage(FPiePage); }

void TDonutSeriesEditor::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component == FPiePage) FPiePage = nullptr;
    TForm::Notification(component, operation);
}

void TDonutSeriesEditor::DoShow() {
    if (auto* series = dynamic_cast<TDonutSeries*>(TagObject())) FSeries = series;
    if (FSeries) {
        auto loading = LoadGuard();
        LoadBindings();
        if (!FPiePage)
            FPiePage = WatchSubPage(
                this, TFormTeeSeries::InsertEditorPage(this, TPieSeriesEditor::StaticClass(),
                                                       TxtExtDonut, FSeries, 1));
    }
    ApplyFormHook(this);
    TForm::DoShow();
}
