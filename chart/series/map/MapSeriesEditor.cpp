#include "chart/series/map/MapSeriesEditor.h"

#include <algorithm>

#include "chart/editors/BrushDialog.h"
#include "chart/editors/ChartGrid.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/ShadowEditor.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/series/map/MapSeries.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/UpDown.h"

TMapSeriesEditor::TMapSeriesEditor(TComponent* owner) : TEditorForm(owner, true) {
    SetBounds(0, 0, 420, 260);
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabGlobal = MakeTabSheet(this, PageControl1, "Global");
    TabShadow = MakeTabSheet(this, PageControl1, "Shadow");
    TabShapes = MakeTabSheet(this, PageControl1, "Shapes");
    BuildGlobalPages();
    BuildShapePages();
    BindProperties();
    ConnectShapeHandlers();
    DoCreate();
}

TMapSeriesEditor::~TMapSeriesEditor() {
    if (FShadowEditor) TObject::Free(FShadowEditor);
}

void TMapSeriesEditor::Notification(TComponent* component, TOperation operation) {
    TForm::Notification(component, operation);
    if (operation == opRemove) FGrid3D.Forget(component);
}

// --- Building.

void TMapSeriesEditor::BuildGlobalPages() {
    BBrush = MakePushButton(TabGlobal, 8, 8, 90, "B&rush...");
    BBorder = MakeControl<TButtonPen>(TabGlobal, 8, 40, 90, 25);
    BBorder->SetCaption("&Border...");
    MakeLabel(TabGlobal, 120, 12, "&Transparency:");
    TUpDownEdit transparency = MakeUpDownEdit(TabGlobal, 210, 8, 45, 0, 100);
    ETransp = transparency.Edit;
    UDTransp = transparency.UpDown;
    CBTransparent = MakeCheckBox(TabGlobal, 120, 40, 120, "Tr&ansparent");
    MakeLabel(TabGlobal, 120, 72, "&Point size:");
    TUpDownEdit size = MakeUpDownEdit(TabGlobal, 210, 68, 45, 1, 100);
    EPointSize = size.Edit;
    UDPointSize = size.UpDown;
    FShadowEditor = new TTeeShadowEditor(nullptr);
    EmbedTaggedEditorForm(*FShadowEditor, *TabShadow, nullptr);
}

void TMapSeriesEditor::BuildShapePages() {
    LBShapes = MakeControl<TListBox>(TabShapes, 8, 8, 110, 180);
    BAdd = MakePushButton(TabShapes, 8, 194, 50, "+");
    BDelete = MakePushButton(TabShapes, 68, 194, 50, "-");
    PageShape = MakeControl<TPageControl>(TabShapes, 126, 4, 280, 220);
    TabValues = MakeTabSheet(this, PageShape, "Values");
    TabFormat = MakeTabSheet(this, PageShape, "Format");
    TabPoints = MakeTabSheet(this, PageShape, "Points");
    LIndex = MakeLabel(TabValues, 8, 8, "Shape Index: ");
    MakeLabel(TabValues, 8, 38, "&Text:");
    EText = MakeControl<TEdit>(TabValues, 60, 34, 150, 21);
    MakeLabel(TabValues, 8, 68, "&Z:");
    EZ = MakeControl<TEdit>(TabValues, 60, 64, 80, 21);
    BShapeBorder = MakeControl<TButtonPen>(TabFormat, 8, 8, 90, 25);
    BShapeBorder->SetCaption("Bord&er...");
    CBParentPen = MakeCheckBox(TabFormat, 110, 12, 80, "&Global");
    BShapeBrush = MakePushButton(TabFormat, 8, 40, 90, "Br&ush...");
    CBParentBrush = MakeCheckBox(TabFormat, 110, 44, 80, "Gl&obal");
    BGradient = MakePushButton(TabFormat, 8, 72, 90, "&Gradient...");
    BColor = MakeControl<TButtonColor>(TabFormat, 8, 104, 90, 25);
    BColor->SetCaption("&Color...");
    CBDefaultColor = MakeCheckBox(TabFormat, 110, 108, 80, "&Default");
    CBClosed = MakeCheckBox(TabFormat, 190, 12, 80, "Closed");
    CBVisible = MakeCheckBox(TabFormat, 190, 44, 80, "&Visible");
    MakeLabel(TabFormat, 8, 142, "&Transparency:");
    TUpDownEdit transparency = MakeUpDownEdit(TabFormat, 100, 138, 45, 0, 100);
    EShapeTransp = transparency.Edit;
    UDShapeTransp = transparency.UpDown;
    Grid = MakeControl<TChartGrid>(TabPoints);
    Grid->SetAlign(alClient);
}

void TMapSeriesEditor::BindProperties() {
    using M = TMapSeries;
    auto series = [this] { return FSeries; };
    BindUpDownEdit(*this, {ETransp, UDTransp}, series, &M::Transparency, &M::SetTransparency,
                   {.OnlyWhileShowing = true});
    BindCheckBox(*this, CBTransparent, series, &M::Transparent, &M::SetTransparent);
    BindUpDownEdit(*this, {EPointSize, UDPointSize}, series, &M::PointSize, &M::SetPointSize,
                   {.Typed = TTypedNumber::Positive, .OnlyWhileShowing = true});
    BBrush->OnClick = [this](TObject*) {
        if (FSeries) ShowBrushDialog(this, FSeries->Brush());
    };

    using P = TTeePolygon;
    auto polygon = [this] { return SelectedPolygon(); };
    BindCheckBox(*this, CBParentPen, polygon, &P::ParentPen, &P::SetParentPen);
    BindCheckBox(*this, CBParentBrush, polygon, &P::ParentBrush, &P::SetParentBrush);
    BindCheckBox(*this, CBClosed, polygon, &P::Closed, &P::SetClosed);
    BindCheckBox(
        *this, CBVisible, polygon, [](const P& p) { return p.Points()->Active(); },
        [](P& p, bool visible) { p.Points()->SetActive(visible); });
    BindUpDownEdit(*this, {EShapeTransp, UDShapeTransp}, polygon, &P::Transparency,
                   &P::SetTransparency, {.OnlyWhileShowing = true});
}

void TMapSeriesEditor::ConnectShapeHandlers() {
    LBShapes->OnClick = [this](TObject*) { LoadPolygon(); };
    BAdd->OnClick = [this](TObject*) { AddClicked(); };
    BDelete->OnClick = [this](TObject*) { DeleteClicked(); };
    EText->OnChange = [this](TObject*) {
        TTeePolygon* p = SelectedPolygon();
        if (Loading() || !p) return;
        p->SetText(EText->Text());
        auto loading = LoadGuard();
        LBShapes->Items()->SetStrings(p->Index(), p->DisplayName());
    };
    // A text that is no number keeps the value.
    EZ->OnChange = [this](TObject*) {
        double value = 0;
        TTeePolygon* p = SelectedPolygon();
        if (!Loading() && p && TryStrToFloat(EZ->Text(), value) && value != p->Z()) p->SetZ(value);
    };
    // Choosing a pen or brush of the polygon's own leaves the map's.
    BShapeBorder->OnClick = [this](TObject*) {
        if (TTeePolygon* p = SelectedPolygon()) p->SetParentPen(false);
        CBParentPen->SetChecked(false);
    };
    BShapeBrush->OnClick = [this](TObject*) {
        TTeePolygon* p = SelectedPolygon();
        if (!p) return;
        if (ShowBrushDialog(this, p->Brush())) p->SetParentBrush(false);
        auto loading = LoadGuard();
        CBParentBrush->SetChecked(p->ParentBrush());
    };
    BGradient->OnClick = [this](TObject*) {
        if (TTeePolygon* p = SelectedPolygon()) ShowGradientEditor(this, p->Gradient());
    };
    BColor->OnClick = [this](TObject*) {
        TTeePolygon* p = SelectedPolygon();
        if (!p) return;
        p->SetColor(BColor->StoredColor());
        LoadPolygon();
    };
    CBDefaultColor->OnClick = [this](TObject*) {
        TTeePolygon* p = SelectedPolygon();
        if (Loading() || !p || !CBDefaultColor->Checked()) return;
        p->SetColor(clDefault);
        LoadPolygon();
    };
}

// --- Polygons.

TTeePolygon* TMapSeriesEditor::SelectedPolygon() const {
    if (!FSeries) return nullptr;
    const int row = LBShapes->ItemIndex();
    return row >= 0 && row < FSeries->Shapes()->Count() ? FSeries->Shapes()->GetPolygon(row)
                                                        : nullptr;
}

void TMapSeriesEditor::FillShapes(int index) {
    auto loading = LoadGuard();
    LBShapes->Clear();
    if (FSeries)
        for (int i = 0; i < FSeries->Shapes()->Count(); ++i)
            LBShapes->Items()->Add(FSeries->Shapes()->GetPolygon(i)->DisplayName());
    LBShapes->SetItemIndex(index < LBShapes->Count() ? index : -1);
    LoadPolygon();
}

void TMapSeriesEditor::LoadPolygon() {
    TTeePolygon* p = SelectedPolygon();
    const bool any = FSeries && FSeries->Shapes()->Count() > 0;
    TabValues->SetEnabled(any);
    TabFormat->SetEnabled(any);
    TabPoints->SetEnabled(any);
    BDelete->SetEnabled(p != nullptr);
    auto loading = LoadGuard();
    LoadBindings();
    if (!p) {
        Grid->SetSeries(nullptr);
        return;
    }
    LIndex->SetCaption("Shape Index: " + IntToStr(p->Index()));
    EText->SetText(p->Text());
    EZ->SetText(FloatToStr(p->Z()));
    BShapeBorder->LinkPen(p->Pen());
    const bool defaultColor = FSeries->StoredPointColor(p->Index()) == clDefault;
    CBDefaultColor->SetChecked(defaultColor);
    CBDefaultColor->SetEnabled(!defaultColor);
    BColor->SetStoredColor(p->Color());
    Grid->SetSeries(p->Points());
}

void TMapSeriesEditor::AddClicked() {
    if (!FSeries) return;
    const int before = FSeries->Count();
    FSeries->Shapes()->AddPolygon()->SetText(IntToStr(before));
    FillShapes(FSeries->Shapes()->Count() - 1);
}

void TMapSeriesEditor::DeleteClicked() {
    TTeePolygon* p = SelectedPolygon();
    if (!p) return;
    const int row = p->Index();
    FSeries->Delete(row);
    const int count = FSeries->Shapes()->Count();
    FillShapes(count == 0 ? -1 : std::min(row, count - 1));
}

// --- Loading.

void TMapSeriesEditor::DoShow() {
    FSeries = dynamic_cast<TMapSeries*>(TagObject());
    if (FSeries) {
        auto loading = LoadGuard();
        LoadBindings();
        BBorder->LinkPen(FSeries->Pen());
        FShadowEditor->LoadShadow(FSeries->Shadow());
        FGrid3D.Load(Parent(), FSeries);
        PageControl1->SetActivePage(TabGlobal);
        PageShape->SetActivePage(TabValues);
    }
    FillShapes(0);
    LoadingDone();
    TEditorForm::DoShow();
}
