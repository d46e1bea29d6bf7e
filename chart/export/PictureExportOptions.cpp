#include "chart/export/PictureExportOptions.h"

#include "chart/editors/EditorControls.h"
#include "chart/editors/FiltersEditor.h"
#include "chart/export/ChartPictureExport.h"
#include "chart/foundation/ImageFiltered.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Picture.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Label.h"

TEMFOptions::TEMFOptions(TComponent* owner) : TForm(owner) {
    SetBorderStyle(bsNone);
    SetBounds(0, 0, 162, 60);
    CBEnhanced = MakeControl<TCheckBox>(this, 8, 8, 150, 19);
    CBEnhanced->SetCaption("&Enhanced");
    CBEnhanced->SetChecked(true);
    DoCreate();
}

TBMPOptions::TBMPOptions(TComponent* owner, TBMPExportFormat& format)
    : TForm(owner), FFormat(format) {
    SetBorderStyle(bsNone);
    // Narrow enough for the options tab of the export dialog also where the chart editor hosts
    // it, in a page smaller than the dialog's own window.
    SetBounds(0, 0, 162, 196);
    LabelColors = MakeControl<TLabel>(this, 8, 12, 50, 15);
    LabelColors->SetCaption("&Colors:");
    CBColors = MakeControl<TComboBox>(this, 60, 8, 94, 23);
    CBColors->SetStyle(csDropDownList);
    for (const char* choice : BitmapColorChoices) CBColors->Items()->Add(choice);
    CBColors->SetItemIndex(0);
    LabelColors->SetFocusControl(CBColors);
    CBMono = MakeControl<TCheckBox>(this, 8, 38, 146, 19);
    CBMono->SetCaption("&Monochrome");
    Button1 = MakeControl<TButton>(this, 8, 62, 80, 25);
    Button1->SetCaption("&Filters...");
    Button1->OnClick = [this](TObject*) { Button1Click(); };
    GroupPreview = MakeControl<TGroupBox>(this, 8, 92, 146, 100);
    GroupPreview->SetCaption("Preview:");
    ImageFiltered1 = MakeControl<TImageFiltered>(GroupPreview, 8, 18, 130, 74);
    ImageFiltered1->SetStretch(true);
    CBColors->OnChange = [this](TObject*) {
        FFormat.ColorsIndex = CBColors->ItemIndex();
        RefreshPreview();
    };
    CBMono->OnClick = [this](TObject*) {
        FFormat.Monochrome = CBMono->Checked();
        CBColors->SetEnabled(!CBMono->Checked());
        RefreshPreview();
    };
    DoCreate();
}

void TBMPOptions::DoShow() {
    // Every showing starts again at the device's colours.
    CBColors->SetItemIndex(0);
    FFormat.ColorsIndex = 0;
    RefreshPreview();
    TForm::DoShow();
}

void TBMPOptions::Button1Click() {
    if (!FFormat.Panel) return;
    const std::unique_ptr<TBitmap> plain = FFormat.Bitmap(false);
    if (ShowFiltersEditor(this, plain.get(), &FFormat.Filters())) RefreshPreview();
}

void TBMPOptions::RefreshPreview() {
    if (!FFormat.Panel) return;
    ImageFiltered1->Picture()->Assign(FFormat.Bitmap().get());
}
