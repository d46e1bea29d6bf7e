#include "chart/editors/GeneralPage.h"

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/PenDialog.h"
#include "chart/engine/Chart.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeZoom.h"
#include "chart/foundation/ZoomPanning.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/UpDown.h"

TFormTeeGeneral::TFormTeeGeneral(TComponent* owner, TCustomChart* chart)
    : TChartPageForm(owner), FChart(chart) {
    SetCaption("General");
    SetBounds(0, 0, 400, 260);
    BuildControls();
    BindProperties();
    BZoomColor->OnClick = [this](TObject*) { ShowBrushDialog(this, FChart->Zoom()->Brush()); };
    DoCreate();
}

void TFormTeeGeneral::BuildControls() {
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabZoom = MakeTabSheet(this, PageControl1, "Zoom");
    TabScroll = MakeTabSheet(this, PageControl1, "Scroll");

    TWinControl* zoom = TabZoom;
    CBAllowZoom = MakeCheckBox(zoom, 8, 8, 100, "&Allow");
    CBAnimatedZoom = MakeCheckBox(zoom, 8, 32, 100, "An&imated");
    MakeLabel(zoom, 8, 62, "&Steps:");
    TUpDownEdit steps = MakeUpDownEdit(zoom, 100, 58, 40, 0, 100);
    SEAniZoomSteps = steps.Edit;
    UDAniZoomSteps = steps.UpDown;
    MakeLabel(zoom, 8, 92, "&Minimum pixels:");
    TUpDownEdit pixels = MakeUpDownEdit(zoom, 100, 88, 40, 0, 100);
    EMinPix = pixels.Edit;
    UDMinPix = pixels.UpDown;
    BZoomPen = MakeControl<TButtonPen>(zoom, 200, 8, 90, 25);
    BZoomPen->SetCaption("P&en...");
    BZoomColor = MakePushButton(zoom, 200, 38, 90, "P&attern...");
    MakeLabel(zoom, 200, 74, "&Direction:");
    CBDir = MakeComboBox(zoom, 280, 70, 90, {"Horizontal", "Vertical", "Both"});
    MakeLabel(zoom, 200, 104, "M&ouse Button:");
    CBZoomMouse = MakeComboBox(zoom, 280, 100, 90, {"Left", "Right", "Middle"});
    CBUpLeft = MakeCheckBox(zoom, 8, 130, 200, "Zoom on &Up Left drag");

    TWinControl* scroll = TabScroll;
    RGPanning = MakeControl<TRadioGroup>(scroll, 8, 8, 140, 120);
    RGPanning->SetCaption("Allow Scroll:");
    for (const char* item : {"&None", "&Horizontal", "&Vertical", "&Both"})
        RGPanning->Items()->Add(item);
    MakeLabel(scroll, 160, 16, "&Mouse Button:");
    CBScrollMouse = MakeComboBox(scroll, 250, 12, 90, {"Left", "Right", "Middle"});
    BuildCursor();
    BuildFonts();
}

void TFormTeeGeneral::BindProperties() {
    // The zoom settings and the panning mode are read when the user next drags: they are
    // stored without a repaint.
    using Z = TTeeZoom;
    auto zoom = [this] { return FChart ? FChart->Zoom() : nullptr; };
    BindCheckBox(*this, CBAllowZoom, zoom, &Z::Allow, &Z::SetAllow, [this] { EnableZoom(); });
    BindCheckBox(*this, CBAnimatedZoom, zoom, &Z::Animated, &Z::SetAnimated);
    const TNumberEditRule inRange{.Typed = TTypedNumber::InRange};
    BindUpDownEdit(*this, {SEAniZoomSteps, UDAniZoomSteps}, zoom, &Z::AnimatedSteps,
                   &Z::SetAnimatedSteps, inRange);
    BindUpDownEdit(*this, {EMinPix, UDMinPix}, zoom, &Z::MinimumPixels, &Z::SetMinimumPixels,
                   inRange);
    BindComboBox(*this, CBDir, zoom, &Z::Direction, &Z::SetDirection);
    BindComboBox(*this, CBZoomMouse, zoom, &Z::MouseButton, &Z::SetMouseButton);
    BindCheckBox(*this, CBUpLeft, zoom, &Z::UpLeftZooms, &Z::SetUpLeftZooms);
    auto chart = [this] { return FChart; };
    BindRadioGroup(*this, RGPanning, chart, &TCustomChart::AllowPanning,
                   &TCustomChart::SetAllowPanning, [this] { EnableScroll(); });
    BindComboBox(*this, CBScrollMouse, chart, &TCustomChart::ScrollMouseButton,
                 &TCustomChart::SetScrollMouseButton);
}

TFormTeeGeneral::~TFormTeeGeneral() { StopListening(); }

void TFormTeeGeneral::LoadControls() {
    if (!FChart) return;
    EnableZoom();
    BZoomPen->LinkPen(FChart->Zoom()->Pen());
    EnableScroll();
    LoadCursorList();
    FillFonts();
}

void TFormTeeGeneral::EnableZoom() {
    const bool on = CBAllowZoom->Checked();
    for (TControl* c : std::initializer_list<TControl*>{
             CBAnimatedZoom, SEAniZoomSteps, UDAniZoomSteps, BZoomPen, BZoomColor, EMinPix,
             UDMinPix, CBDir, CBZoomMouse, CBUpLeft})
        c->SetEnabled(on);
}

void TFormTeeGeneral::EnableScroll() {
    CBScrollMouse->SetEnabled(RGPanning->ItemIndex() > int(pmNone));
}
