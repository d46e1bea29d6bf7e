#include "chart/series/xy/ImageBarSeriesEditor.h"

#include "chart/editors/BarSeriesEditor.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/FiltersEditor.h"
#include "chart/editors/PictureRoutines.h"
#include "chart/editors/SeriesPage.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/TeeFilterPicture.h"
#include "chart/series/xy/ImageBarSeries.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"

TImageBarSeriesEditor::TImageBarSeriesEditor(TComponent* owner) : TEditorForm(owner) {
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 260, 150);
    GroupImage = MakeControl<TGroupBox>(this, 4, 4, 250, 140);
    GroupImage->SetCaption("Image:");
    Image1 = MakeControl<TImage>(GroupImage, 8, 20, 90, 90);
    Image1->SetStretch(true);
    BBrowse = MakePushButton(GroupImage, 110, 20, 90, "B&rowse...");
    CBTiled = MakeCheckBox(GroupImage, 110, 52, 90, "&Tiled");
    Button1 = MakePushButton(GroupImage, 110, 76, 90, "&Filters...");
    CBTransp = MakeCheckBox(GroupImage, 110, 108, 110, "Tr&ansparent");

    using S = TImageBarSeries;
    auto series = [this] { return FSeries; };
    BindCheckBox(*this, CBTiled, series, &S::ImageTiled, &S::SetImageTiled);
    BindCheckBox(*this, CBTransp, series, &S::ImageTransparent, &S::SetImageTransparent);
    BBrowse->OnClick = [this](TObject*) {
        if (!FSeries) return;
        ChooseOrClearPicture(this, *FSeries->Image());
        RefreshPicture();
    };
    Button1->OnClick = [this](TObject*) {
        if (FSeries && ShowPictureFiltersEditor(this, FSeries->Image())) RefreshPicture();
    };
    DoCreate();
}

TImageBarSeriesEditor::~TImageBarSeriesEditor() = default;

void TImageBarSeriesEditor::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove) FPages.Forget(component);
    TForm::Notification(component, operation);
}

void TImageBarSeriesEditor::RefreshPicture() {
    const bool has = FSeries && FSeries->Image()->Graphic();
    BBrowse->SetCaption(has ? "Clea&r" : "B&rowse...");
    CBTiled->SetEnabled(has);
    if (FSeries) Image1->Picture()->Assign(FSeries->Image());
}

void TImageBarSeriesEditor::DoShow() {
    if (auto* series = dynamic_cast<TImageBarSeries*>(TagObject())) FSeries = series;
    if (FSeries) {
        auto loading = LoadGuard();
        LoadBindings();
        RefreshPicture();
        if (FPages.Empty())
            if (auto* bar =
                    dynamic_cast<TBarSeriesEditor*>(FPages.Add(TFormTeeSeries::InsertEditorPage(
                        this, TBarSeriesEditor::StaticClass(), "Bar", FSeries, 1)))) {
                bar->LStyle->Hide();
                bar->CBBarStyle->Hide();
            }
    }
    ApplyFormHook(this);
    TForm::DoShow();
}
