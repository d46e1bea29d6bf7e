#include "chart/editors/ContourSeriesEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/PointerEditor.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/engine/SeriesPointer.h"
#include "chart/engine/grid3d/ContourSeries.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/ColorEditing.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/ResourceRoutines.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/foundation/TeeFont.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/UpDown.h"

TContourSeriesEditor::TContourSeriesEditor(TComponent* owner) : TEditorForm(owner, true) {
    SetBounds(0, 0, 340, 210);
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabOptions = MakeTabSheet(this, PageControl1, "Options");
    TabLevels = MakeTabSheet(this, PageControl1, "Levels");
    TabMarks = MakeTabSheet(this, PageControl1, "Marks");
    TabPointer = MakeTabSheet(this, PageControl1, "Pointer");
    TabPosition = MakeTabSheet(this, PageControl1, "Position");
    BuildOptionsPage();
    BuildLevelsPage();
    BuildMarksPage();
    BuildPositionPage();
    BindProperties();
    ConnectHandlers();
    DoCreate();
}

TContourSeriesEditor::~TContourSeriesEditor() {
    if (FPointerEditor) TObject::Free(FPointerEditor);
}

void TContourSeriesEditor::Notification(TComponent* component, TOperation operation) {
    TForm::Notification(component, operation);
    if (operation == opRemove) FGrid3D.Forget(component);
}

// --- Building.

void TContourSeriesEditor::BuildOptionsPage() {
    Button2 = MakeControl<TButtonPen>(TabOptions, 8, 8, 90, 25);
    Button2->SetCaption("&Pen...");
    BFrame = MakeControl<TButtonPen>(TabOptions, 8, 40, 90, 25);
    BFrame->SetCaption("&Frame...");
    CBColorEach = MakeCheckBox(TabOptions, 120, 10, 110, "&Color Each");
    CBSmooth = MakeCheckBox(TabOptions, 120, 36, 110, "&Smooth");
    CBInterpolate = MakeCheckBox(TabOptions, 136, 60, 110, "&Interpolate");
    CBInterpolate->SetEnabled(false);
    CBFill = MakeCheckBox(TabOptions, 120, 86, 110, "&Filled");
    MakeLabel(TabOptions, 8, 122, "&Transparency:");
    TUpDownEdit transparency = MakeUpDownEdit(TabOptions, 100, 118, 40, 0, 100);
    Edit3 = transparency.Edit;
    UDTransp = transparency.UpDown;
}

void TContourSeriesEditor::BuildLevelsPage() {
    CBAutoLevels = MakeCheckBox(TabLevels, 8, 8, 100, "&Automatic");
    MakeLabel(TabLevels, 120, 10, "&Number:");
    TUpDownEdit number = MakeUpDownEdit(TabLevels, 180, 6, 45, 1, 150);
    SENum = number.Edit;
    UDNum = number.UpDown;
    GBLevel = MakeControl<TGroupBox>(TabLevels, 8, 36, 320, 140);
    GBLevel->SetCaption("Level:");
    MakeLabel(GBLevel, 8, 24, "&Index:");
    TUpDownEdit index = MakeUpDownEdit(GBLevel, 60, 20, 45, 0, 0);
    ELevel = index.Edit;
    UDLevel = index.UpDown;
    SBLevel = MakeControl<TScrollBar>(GBLevel, 130, 22, 180, 17);
    SBLevel->SetMax(0);
    SHColor = MakeControl<TPanel>(GBLevel, 8, 54, 40, 25);
    SHColor->SetBevelOuter(bvNone);
    SHColor->SetCursor(crTeeHand);
    MakeLabel(GBLevel, 60, 58, "&Up to Value:");
    EValue = MakeControl<TEdit>(GBLevel, 140, 54, 80, 23);
    BLevelPen = MakeControl<TButtonPen>(GBLevel, 8, 90, 90, 25);
    BLevelPen->SetCaption("P&en...");
    cbDefaultPen = MakeCheckBox(GBLevel, 110, 94, 80, "&Default");
    CBEmpty = MakeCheckBox(GBLevel, 200, 94, 80, "&Empty");
}

void TContourSeriesEditor::BuildMarksPage() {
    CBMarks = MakeCheckBox(TabMarks, 8, 8, 100, "&Visible");
    CBMarksSegments = MakeCheckBox(TabMarks, 8, 32, 120, "At &segments");
    CBMarksColor = MakeCheckBox(TabMarks, 8, 56, 130, "&Font Color level");
    BMarksColor = MakeControl<TButtonColor>(TabMarks, 150, 52, 90, 25);
    BMarksColor->SetCaption("&Color...");
    MakeLabel(TabMarks, 8, 92, "&Density:");
    TUpDownEdit density = MakeUpDownEdit(TabMarks, 70, 88, 50, 1, 1000);
    Edit1 = density.Edit;
    UDDensity = density.UpDown;
    MakeLabel(TabMarks, 8, 122, "&Margin:");
    TUpDownEdit margin = MakeUpDownEdit(TabMarks, 70, 118, 50, -100, 10000);
    Edit2 = margin.Edit;
    UDMargin = margin.UpDown;
    CBOverlap = MakeCheckBox(TabMarks, 150, 90, 120, "Anti overlap");
}

void TContourSeriesEditor::BuildPositionPage() {
    MakeLabel(TabPosition, 8, 12, "&Vertical Position:");
    SEYPos = MakeControl<TEdit>(TabPosition, 120, 8, 80, 23);
    CBYPosLevel = MakeCheckBox(TabPosition, 8, 40, 130, "Levels p&osition");
    CBBottom = MakeCheckBox(TabPosition, 210, 10, 90, "At Bottom");
}

void TContourSeriesEditor::BindProperties() {
    using C = TContourSeries;
    auto series = [this] { return FSeries; };
    auto smoothing = [this] { return FSeries ? FSeries->Smoothing() : nullptr; };
    // Interpolating is a way of smoothing.
    BindCheckBox(*this, CBSmooth, smoothing, &TSmoothPoints::Active, &TSmoothPoints::SetActive,
                 [this] { CBInterpolate->SetEnabled(CBSmooth->Checked()); });
    BindCheckBox(*this, CBInterpolate, smoothing, &TSmoothPoints::Interpolate,
                 &TSmoothPoints::SetInterpolate);
    // Filled levels are drawn with a solid brush without a picture.
    BindCheckBox(
        *this, CBFill, series, [](const C& s) { return s.Brush()->Style() != bsClear; },
        [](C& s, bool fill) {
            s.Brush()->SetStyle(fill ? bsSolid : bsClear);
            s.Brush()->SetImage(nullptr);
        });
    // Transparency writes only once the editor shows: building it gives the edit its first text.
    BindUpDownEdit(*this, {Edit3, UDTransp}, series, &C::Transparency, &C::SetTransparency,
                   {.OnlyWhileShowing = true});

    auto marks = [this] { return FSeries ? FSeries->ContourMarks() : nullptr; };
    using M = TContourMarks;
    BindCheckBox(
        *this, CBMarks, [this] { return FSeries ? FSeries->Marks() : nullptr; },
        &TSeriesMarks::Visible, &TSeriesMarks::SetVisible);
    BindCheckBox(*this, CBMarksSegments, marks, &M::AtSegments, &M::SetAtSegments);
    // Marks in their level's colour have no colour of their own.
    BindCheckBox(*this, CBMarksColor, marks, &M::ColorLevel, &M::SetColorLevel,
                 [this] { BMarksColor->SetEnabled(!CBMarksColor->Checked()); });
    // Loading writes nothing back here either: a stored density or margin outside the up-downs'
    // ranges would otherwise be clamped merely by opening the editor.
    BindUpDownEdit(*this, {Edit1, UDDensity}, marks, &M::Density, &M::SetDensity);
    BindUpDownEdit(*this, {Edit2, UDMargin}, marks, &M::Margin, &M::SetMargin);
    BindCheckBox(*this, CBOverlap, marks, &M::AntiOverlap, &M::SetAntiOverlap);

    // A position taken from the levels has no value of its own.
    BindCheckBox(*this, CBYPosLevel, series, &C::YPositionLevel, &C::SetYPositionLevel,
                 [this] { SEYPos->SetEnabled(!CBYPosLevel->Checked()); });
}

void TContourSeriesEditor::ConnectHandlers() {
    CBColorEach->OnClick = [this](TObject*) {
        if (Loading() || !FSeries) return;
        FSeries->SetColorEachPoint(CBColorEach->Checked());
        if (FSeries->AutomaticLevels()) FSeries->CreateAutoLevels();
        LoadLevel();
    };
    ConnectLevelHandlers();
    SEYPos->OnChange = [this](TObject*) {
        double value = 0;
        // Text that is no number keeps the position.
        if (Loading() || !FSeries || !TryStrToFloat(SEYPos->Text(), value)) return;
        FSeries->SetYPosition(value);
        LoadBottom();
    };
    CBBottom->OnClick = [this](TObject*) {
        if (Loading() || !FSeries || !CBBottom->Checked()) return;
        FSeries->SetYPosition(FSeries->GetMinYValue());
        auto loading = LoadGuard();
        SEYPos->SetText(FloatToStr(FSeries->YPosition()));
        CBBottom->SetEnabled(false);
    };
}

void TContourSeriesEditor::ConnectLevelHandlers() {
    SENum->OnChange = [this](TObject*) { NumberChanged(); };
    CBAutoLevels->OnClick = [this](TObject*) {
        if (Loading() || !FSeries) return;
        FSeries->SetAutomaticLevels(CBAutoLevels->Checked());
        if (CBAutoLevels->Checked()) FSeries->CreateAutoLevels();
        EnableLevelCount();
        LoadLevel();
    };
    ELevel->OnChange = [this](TObject*) {
        int value = 0;
        if (TryStrToInt(ELevel->Text(), value)) IndexChanged(value);
    };
    SBLevel->OnChange = [this](TObject*) {
        if (Loading()) return;
        UDLevel->SetPosition(SBLevel->Position());
    };
    EValue->OnChange = [this](TObject*) {
        TContourLevel* level = CurrentLevel();
        if (Loading() || !level || !EValue->Enabled()) return;
        // Text that is no number raises the conversion error, which the application reports.
        level->SetUpToValue(double(StrToFloat(EValue->Text())));
        ReadAutomatic();
    };
    SHColor->OnClick = [this](TObject*) { SwatchClicked(); };
    CBEmpty->OnClick = [this](TObject*) { EmptyClicked(); };
    BLevelPen->OnClick = [this](TObject*) {
        TContourLevel* level = CurrentLevel();
        if (!level) return;
        auto loading = LoadGuard();
        cbDefaultPen->SetChecked(level->UsesDefaultPen());
        if (!level->UsesDefaultPen()) level->SetColor(level->Pen()->Color());
        ShowSwatch(DisplayedColor(*level));
        ReadAutomatic();
    };
    cbDefaultPen->OnClick = [this](TObject*) { DefaultPenClicked(); };
}

// --- Loading.

void TContourSeriesEditor::DoShow() {
    FSeries = dynamic_cast<TContourSeries*>(TagObject());
    if (FSeries) LoadSeries();
    LoadingDone();
    TForm::DoShow();
}

void TContourSeriesEditor::LoadSeries() {
    auto loading = LoadGuard();
    // Automatic levels exist once the series has been prepared for drawing; they are not
    // stored, so making them here changes nothing the chart keeps.
    FSeries->EnsureAutoLevels();
    LoadBindings();
    CBColorEach->SetChecked(FSeries->ColorEachPoint());
    SEYPos->SetEnabled(!FSeries->YPositionLevel());
    SEYPos->SetText(FloatToStr(FSeries->YPosition()));
    LoadBottom();
    CBAutoLevels->SetChecked(FSeries->AutomaticLevels());
    UDNum->SetPosition(FSeries->NumLevels());
    UDLevel->SetMax(std::max(0, FSeries->NumLevels() - 1));
    SBLevel->SetMax(std::max(0, FSeries->NumLevels() - 1));
    CBInterpolate->SetEnabled(FSeries->Smoothing()->Active());
    Button2->LinkPen(FSeries->Pen());
    BFrame->LinkPen(FSeries->Frame());
    BMarksColor->LinkToProperty(FSeries->Marks()->Font(), "Color");
    BMarksColor->SetEnabled(!FSeries->ContourMarks()->ColorLevel());
    EnableLevelCount();
    if (!FPointerEditor) {
        FPointerEditor = new TSeriesPointerEditor(nullptr);
        EmbedTaggedEditorForm(*FPointerEditor, *TabPointer, FSeries->Pointer());
    }
    FGrid3D.Load(Parent(), FSeries);
    LoadLevel();
}

TContourLevel* TContourSeriesEditor::CurrentLevel() const {
    const int index = UDLevel->Position();
    if (!FSeries || index < 0 || index >= FSeries->Levels()->Count()) return nullptr;
    return FSeries->Levels()->GetLevel(index);
}

TColor TContourSeriesEditor::DisplayedColor(const TContourLevel& level) const {
    if (level.Color() != clDefault) return level.Color();
    return FSeries->ParentChart() ? FSeries->ParentChart()->PaletteColor(level.Index()) : clWhite;
}

void TContourSeriesEditor::ShowSwatch(TColor color) { SHColor->SetColor(color); }

void TContourSeriesEditor::LoadLevel() {
    auto loading = LoadGuard();
    TContourLevel* level = CurrentLevel();
    SetControlsEnabled(level != nullptr,
                       {ELevel, UDLevel, EValue, BLevelPen, cbDefaultPen, SHColor, SBLevel});
    if (!level) {
        BLevelPen->LinkPen(nullptr);
        return;
    }
    const TColor color = DisplayedColor(*level);
    ShowSwatch(color);
    CBEmpty->SetChecked(color == clNone);
    EValue->SetText(FormatFloat("0.###", level->UpToValue()));
    cbDefaultPen->SetChecked(level->UsesDefaultPen());
    BLevelPen->SetEnabled(!level->UsesDefaultPen());
    BLevelPen->LinkPen(level->UsesDefaultPen() ? nullptr : level->Pen());
    SBLevel->SetPosition(UDLevel->Position());
}

void TContourSeriesEditor::ReadAutomatic() {
    auto loading = LoadGuard();
    CBAutoLevels->SetChecked(FSeries->AutomaticLevels());
    EnableLevelCount();
}

void TContourSeriesEditor::EnableLevelCount() {
    SetControlsEnabled(FSeries->AutomaticLevels(), {SENum, UDNum, CBColorEach});
}

void TContourSeriesEditor::LoadBottom() {
    auto loading = LoadGuard();
    CBBottom->SetChecked(FSeries->YPosition() == FSeries->GetMinYValue());
    CBBottom->SetEnabled(!CBBottom->Checked());
}

// --- Levels.

void TContourSeriesEditor::NumberChanged() {
    int number = 0;
    if (Loading() || !FSeries || !TryStrToInt(SENum->Text(), number)) return;
    FSeries->SetNumLevels(number);
    if (FSeries->AutomaticLevels()) FSeries->CreateAutoLevels();
    {
        auto loading = LoadGuard();
        const int last = std::max(0, FSeries->NumLevels() - 1);
        UDLevel->SetMax(last);
        SBLevel->SetMax(last);
        UDLevel->SetPosition(std::min(UDLevel->Position(), last));
        ELevel->SetText(IntToStr(UDLevel->Position()));
    }
    LoadLevel();
}

void TContourSeriesEditor::IndexChanged(int index) {
    if (Loading() || !FSeries || FSeries->Levels()->Count() == 0) return;
    {
        // A typed index moves the up-down, whose position names the current level.
        auto loading = LoadGuard();
        UDLevel->SetPosition(index);
    }
    LoadLevel();
}

void TContourSeriesEditor::SwatchClicked() {
    TContourLevel* level = CurrentLevel();
    if (!level || !SHColor->Enabled()) return;
    TColor color = level->Color();
    if (EditColorVar(this, color) && color != level->Color()) {
        // The level's own pen, when it has one, takes the colour with it.
        level->SetColor(color);
        ShowSwatch(DisplayedColor(*level));
        BLevelPen->Repaint();
        auto loading = LoadGuard();
        CBEmpty->SetChecked(color == clNone);
    }
    ReadAutomatic();
}

void TContourSeriesEditor::EmptyClicked() {
    TContourLevel* level = CurrentLevel();
    if (Loading() || !level) return;
    if (CBEmpty->Checked())
        level->SetColor(clNone);
    else if (level->Color() == clNone)
        level->SetColor(clDefault);
    ShowSwatch(DisplayedColor(*level));
    BLevelPen->Repaint();
    ReadAutomatic();
}

void TContourSeriesEditor::DefaultPenClicked() {
    TContourLevel* level = CurrentLevel();
    if (Loading() || !level) return;
    if (cbDefaultPen->Checked()) {
        level->SetPen(nullptr);
        BLevelPen->SetEnabled(false);
        BLevelPen->LinkPen(nullptr);
    } else {
        BLevelPen->SetEnabled(true);
        BLevelPen->LinkPen(level->Pen());
    }
}
