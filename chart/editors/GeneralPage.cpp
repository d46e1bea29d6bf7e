#include "chart/editors/GeneralPage.h"

#include "chart/editors/BrushDialog.h"
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

    // The zoom settings and the panning mode are read when the user next drags: they are
    // stored without a repaint.
    TTeeZoom& z = *FChart->Zoom();
    CBAllowZoom->OnClick = [this, &z](TObject*) {
        if (Loading()) return;
        z.SetAllow(CBAllowZoom->Checked());
        EnableZoom();
    };
    CBAnimatedZoom->OnClick = [this, &z](TObject*) {
        if (!Loading()) z.SetAnimated(CBAnimatedZoom->Checked());
    };
    auto number = [this](TEdit* edit, auto write) {
        edit->OnChange = [=, this](TObject*) {
            int v = 0;
            if (!Loading() && TryStrToInt(edit->Text(), v) && v >= 0 && v <= 100) write(v);
        };
    };
    number(SEAniZoomSteps, [&z](int v) { z.SetAnimatedSteps(v); });
    number(EMinPix, [&z](int v) { z.SetMinimumPixels(v); });
    CBDir->OnChange = [this, &z](TObject*) {
        if (!Loading() && CBDir->ItemIndex() >= 0)
            z.SetDirection(TTeeZoomDirection(CBDir->ItemIndex()));
    };
    CBZoomMouse->OnChange = [this, &z](TObject*) {
        if (!Loading() && CBZoomMouse->ItemIndex() >= 0)
            z.SetMouseButton(TMouseButton(CBZoomMouse->ItemIndex()));
    };
    BZoomColor->OnClick = [this, &z](TObject*) { ShowBrushDialog(this, z.Brush()); };
    CBUpLeft->OnClick = [this, &z](TObject*) {
        if (!Loading()) z.SetUpLeftZooms(CBUpLeft->Checked());
    };
    RGPanning->OnClick = [this](TObject*) {
        if (Loading() || RGPanning->ItemIndex() < 0) return;
        FChart->SetAllowPanning(TPanningMode(RGPanning->ItemIndex()));
        EnableScroll();
    };
    CBScrollMouse->OnChange = [this](TObject*) {
        if (!Loading() && CBScrollMouse->ItemIndex() >= 0)
            FChart->SetScrollMouseButton(TMouseButton(CBScrollMouse->ItemIndex()));
    };
    DoCreate();
}

TFormTeeGeneral::~TFormTeeGeneral() { StopListening(); }

void TFormTeeGeneral::LoadControls() {
    if (!FChart) return;
    const TTeeZoom& z = *FChart->Zoom();
    RGPanning->SetItemIndex(int(FChart->AllowPanning()));
    CBAllowZoom->SetChecked(z.Allow());
    CBAnimatedZoom->SetChecked(z.Animated());
    UDAniZoomSteps->SetPosition(z.AnimatedSteps());
    UDMinPix->SetPosition(z.MinimumPixels());
    CBDir->SetItemIndex(int(z.Direction()));
    CBZoomMouse->SetItemIndex(int(z.MouseButton()));
    CBUpLeft->SetChecked(z.UpLeftZooms());
    EnableZoom();
    BZoomPen->LinkPen(z.Pen());
    CBScrollMouse->SetItemIndex(int(FChart->ScrollMouseButton()));
    EnableScroll();
    LoadCursorList();
    FillFonts();
}

void TFormTeeGeneral::EnableZoom() {
    const bool on = FChart->Zoom()->Allow();
    for (TControl* c : std::initializer_list<TControl*>{
             CBAnimatedZoom, SEAniZoomSteps, UDAniZoomSteps, BZoomPen, BZoomColor, EMinPix,
             UDMinPix, CBDir, CBZoomMouse, CBUpLeft})
        c->SetEnabled(on);
}

void TFormTeeGeneral::EnableScroll() {
    CBScrollMouse->SetEnabled(FChart->AllowPanning() != pmNone);
}
