#include "chart/series/xy/ErrorSeriesEditor.h"

#include "chart/editors/BarSeriesEditor.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/SeriesPage.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/series/xy/ErrorBarSeries.h"
#include "chart/series/xy/ErrorSeries.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/UpDown.h"

TErrorSeriesEditor::TErrorSeriesEditor(TComponent* owner) : TEditorForm(owner) {
    SetBorderStyle(bsDialog);
    SetBounds(0, 0, 360, 150);
    MakeLabel(this, 8, 12, "Error &Width:");
    TUpDownEdit width = MakeUpDownEdit(this, 80, 8, 45, 0, 100);
    SEBarwidth = width.Edit;
    UDBarWidth = width.UpDown;
    RGWidthUnit = MakeControl<TRadioGroup>(this, 8, 36, 120, 60);
    RGWidthUnit->SetCaption("Width Units:");
    for (const char* item : {"P&ercent", "P&ixels"}) RGWidthUnit->Items()->Add(item);
    RGStyle = MakeControl<TRadioGroup>(this, 140, 4, 210, 90);
    RGStyle->SetCaption("Style:");
    RGStyle->SetColumns(2);
    for (const char* item :
         {"&Left", "&Right", "Left &and Right", "&Top", "&Bottom", "T&op and Bottom"})
        RGStyle->Items()->Add(item);
    CBColorEach = MakeCheckBox(this, 8, 108, 100, "&Color Each");
    BPen = MakeControl<TButtonPen>(this, 140, 104, 90, 25);
    BPen->SetCaption("&Border...");

    using S = TCustomErrorSeries;
    auto series = [this] { return FSeries; };
    auto showing = [this] { return Showing() ? FSeries : nullptr; };
    BindUpDownEdit(*this, {SEBarwidth, UDBarWidth}, showing, &S::ErrorWidth, &S::SetErrorWidth);
    RGWidthUnit->OnClick = [this](TObject*) {
        if (!Loading() && FSeries && RGWidthUnit->ItemIndex() >= 0)
            FSeries->SetErrorWidthUnits(TErrorWidthUnits(RGWidthUnit->ItemIndex()));
    };
    RGStyle->OnClick = [this](TObject*) {
        if (!Loading() && FSeries && Showing() && RGStyle->ItemIndex() >= 0)
            FSeries->SetErrorStyle(TErrorSeriesStyle(RGStyle->ItemIndex()));
    };
    BindCheckBox(*this, CBColorEach, series, &S::ColorEachPoint, &S::SetColorEachPoint);
    // The whiskers of a plain error series are its colour.
    BPen->OnClick = [this](TObject*) {
        if (FSeries && !FSeries->DrawsBars()) FSeries->SetSeriesColor(FSeries->ErrorPen()->Color());
    };
    DoCreate();
}

TErrorSeriesEditor::~TErrorSeriesEditor() = default;

void TErrorSeriesEditor::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove) FPages.Forget(component);
    TForm::Notification(component, operation);
}

void TErrorSeriesEditor::DoShow() {
    if (auto* series = dynamic_cast<TCustomErrorSeries*>(TagObject())) FSeries = series;
    if (FSeries) {
        auto loading = LoadGuard();
        BPen->LinkPen(FSeries->ErrorPen());
        UDBarWidth->SetPosition(FSeries->ErrorWidth());
        RGWidthUnit->SetItemIndex(int(FSeries->ErrorWidthUnits()));
        RGStyle->SetItemIndex(int(FSeries->ErrorStyle()));
        RGStyle->SetVisible(Is<TErrorSeries>(FSeries));
        LoadBindings();
        if (Is<TErrorBarSeries>(FSeries) && FPages.Empty())
            FPages.Add(TFormTeeSeries::InsertEditorPage(this, TBarSeriesEditor::StaticClass(),
                                                        "Bar", FSeries, 1));
    }
    ApplyFormHook(this);
    TForm::DoShow();
}
