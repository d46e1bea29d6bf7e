#include "chart/editors/ColorGridEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/Grid3DSeriesEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/PictureRoutines.h"
#include "chart/engine/SeriesDataStream.h"
#include "chart/engine/grid3d/ColorGridSeries.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/foundation/EditorHooks.h"
#include "platform/graphics/GraphicsLimits.h"
#include "platform/graphics/Picture.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/UpDown.h"

TColorGridEditor::TColorGridEditor(TComponent* owner) : TEditorForm(owner, true) {
    SetBounds(0, 0, 300, 150);
    BuildControls();
    BindProperties();
    Button2->OnClick = [this](TObject*) { LoadPicture(); };
    DoCreate();
    SetAlign(alClient);
}

void TColorGridEditor::BuildControls() {
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabFormat = MakeTabSheet(this, PageControl1, "Format");
    TabGrid = MakeTabSheet(this, PageControl1, "Grid");
    TabPosition = MakeTabSheet(this, PageControl1, "Position");

    CBSmooth = MakeCheckBox(TabFormat, 8, 8, 100, "Sm&ooth");
    ButtonPen1 = MakeControl<TButtonPen>(TabFormat, 150, 6, 90, 25);
    ButtonPen1->SetCaption("&Frame...");
    Button2 = MakePushButton(TabFormat, 150, 38, 90, "&Load...");
    MakeLabel(TabFormat, 8, 44, "&Transparency:");
    TUpDownEdit transparency = MakeUpDownEdit(TabFormat, 90, 40, 45, 0, 100, 5);
    Edit3 = transparency.Edit;
    UDTransp = transparency.UpDown;

    BGrid = MakeControl<TButtonPen>(TabGrid, 8, 6, 90, 25);
    BGrid->SetCaption("&Grid...");
    MakeLabel(TabGrid, 8, 44, "Grid Every:");
    MakeLabel(TabGrid, 80, 44, "&X:");
    TUpDownEdit xEvery = MakeUpDownEdit(TabGrid, 100, 40, 45, 1, 100);
    Edit2 = xEvery.Edit;
    UDX = xEvery.UpDown;
    MakeLabel(TabGrid, 170, 44, "&Z:");
    TUpDownEdit zEvery = MakeUpDownEdit(TabGrid, 190, 40, 45, 1, 100);
    Edit1 = zEvery.Edit;
    UDZ = zEvery.UpDown;

    MakeLabel(TabPosition, 8, 12, "&Position:");
    TUpDownEdit position = MakeUpDownEdit(TabPosition, 70, 8, 60, -10000, 10000);
    Edit4 = position.Edit;
    UDPosition = position.UpDown;
    MakeLabel(TabPosition, 8, 44, "Pl&ane:");
    CBPlane = MakeControl<TComboFlat>(TabPosition, 70, 40, 60, 23);
    for (const char* plane : {"X", "Y", "Z"}) CBPlane->AppendItem(plane);
    CBPlane->SetItemIndex(2);
    CBCentered = MakeCheckBox(TabPosition, 8, 72, 100, "&Centered");
}

void TColorGridEditor::BindProperties() {
    using G = TColorGridSeries;
    auto series = [this] { return FSeries; };
    BindCheckBox(*this, CBSmooth, series, &G::SmoothBitmap, &G::SetSmoothBitmap);
    BindCheckBox(*this, CBCentered, series, &G::CenteredPoints, &G::SetCenteredPoints);
    BindComboBox(*this, CBPlane, series, &G::DrawPlane3D, &G::SetDrawPlane3D);
    const TNumberEditRule inRange{.Typed = TTypedNumber::InRange};
    BindUpDownEdit(*this, {Edit2, UDX}, series, &G::XGridEvery, &G::SetXGridEvery, inRange);
    BindUpDownEdit(*this, {Edit1, UDZ}, series, &G::ZGridEvery, &G::SetZGridEvery, inRange);
    // Transparency and position write only once the editor shows.
    const TNumberEditRule shown{.Typed = TTypedNumber::InRange, .OnlyWhileShowing = true};
    BindUpDownEdit(*this, {Edit3, UDTransp}, series, &G::Transparency, &G::SetTransparency, shown);
    BindUpDownEdit(*this, {Edit4, UDPosition}, series, &G::DrawPosition, &G::SetDrawPosition,
                   shown);
}

TColorGridEditor::~TColorGridEditor() = default;

void TColorGridEditor::Notification(TComponent* component, TOperation operation) {
    TForm::Notification(component, operation);
    if (operation == opRemove) FGrid3D.Forget(component);
}

void TColorGridEditor::LoadPicture() {
    if (!FSeries) return;
    const std::string fileName = AskPictureFileName(this);
    if (fileName.empty()) return;
    TPicture picture;
    // A point for every pixel: a picture of more is refused before it is decoded.
    picture.LoadFromFile(fileName, MaxPicturePoints);
    FSeries->LoadBitmap(picture.Graphic());
    // A picture gives every cell its own colour, which the page's remove button takes away.
    if (TGrid3DSeriesEditor* page = FGrid3D.Page())
        page->BRemove->SetEnabled(SeriesHasPointColors(*FSeries));
}

void TColorGridEditor::DoShow() {
    {
        auto loading = LoadGuard();
        if (auto* series = dynamic_cast<TColorGridSeries*>(TagObject())) FSeries = series;
        if (FSeries) {
            LoadBindings();
            BGrid->LinkPen(FSeries->Pen());
            ButtonPen1->LinkPen(FSeries->Frame());
        }
    }
    LoadingDone();
    FGrid3D.Load(Parent(), FSeries);
    ApplyFormHook(this);
    TForm::DoShow();
}
