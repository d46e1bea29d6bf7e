#include "chart/editors/View3DPage.h"

#include <cmath>
#include <cstdlib>

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/engine/Chart.h"
#include "chart/engine/PieSeries.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/TrackBar.h"
#include "platform/ui/UpDown.h"

TFormTee3D::TFormTee3D(TComponent* owner, TCustomChart* chart)
    : TChartPageForm(owner), FChart(chart) {
    SetCaption("3D");
    SetBounds(0, 0, 400, 300);
    BuildControls();
    BindProperties();
    ConnectBars();
    DoCreate();
}

void TFormTee3D::BuildControls() {
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabOptions = new TTabSheet(this);
    TabOptions->SetPageControl(PageControl1);
    TabOptions->SetCaption("Options");
    TWinControl* tab = TabOptions;

    CBView3d = MakeCheckBox(tab, 8, 8, 110, "&3 Dimensions");
    MakeLabel(tab, 8, 36, "3&D %:");
    TUpDownEdit depth = MakeUpDownEdit(tab, 60, 32, 40, 1, 100, 5);
    SE3d = depth.Edit;
    UD3D = depth.UpDown;
    CBOrthogonal = MakeCheckBox(tab, 8, 64, 110, "&Orthogonal");
    MakeLabel(tab, 8, 92, "&Angle:");
    TUpDownEdit angle = MakeUpDownEdit(tab, 60, 88, 40, 0, 180, 5);
    EOrthoAngle = angle.Edit;
    UDOrthoAngle = angle.UpDown;
    CBZoomText = MakeCheckBox(tab, 8, 124, 110, "Zoom &Text");
    TUpDownEdit text = MakeUpDownEdit(tab, 8, 150, 45, 1, 2000, 5);
    ETextSize = text.Edit;
    UDTextSize = text.UpDown;
    LTextSize = MakeLabel(tab, 74, 154, "%");
    CBClipPoints = MakeCheckBox(tab, 8, 184, 110, "&Clip Points");

    SBZoom = MakeBar(8, "&Zoom:", 1, 500, LZoom);
    SBRotation = MakeBar(42, "&Rotation:", 0, 360, LRotation);
    SBElevation = MakeBar(76, "E&levation:", 270, 360, LElevation);
    SBHOffset = MakeBar(110, "&Horiz. Offset:", -1500, 1500, LHOffset);
    SBVOffset = MakeBar(144, "&Vert. Offset:", -1500, 1500, LVOffset);
    SBPerspec = MakeBar(178, "&Perspective:", 0, 100, LPerspec);
    BuildViews();
}

void TFormTee3D::BindProperties() {
    using V = TView3DOptions;
    auto chart = [this] { return FChart; };
    auto view = [this] { return FChart ? FChart->View3DOptions() : nullptr; };
    BindCheckBox(*this, CBView3d, chart, &TCustomChart::View3D, &TCustomChart::SetView3D,
                 [this] { EnableControls(); });
    BindCheckBox(*this, CBOrthogonal, view, &V::Orthogonal, &V::SetOrthogonal,
                 [this] { EnableControls(); });
    const TNumberEditRule inRange{.Typed = TTypedNumber::InRange};
    BindUpDownEdit(*this, {SE3d, UD3D}, chart, &TCustomChart::Chart3DPercent,
                   &TCustomChart::SetChart3DPercent, inRange);
    BindUpDownEdit(*this, {EOrthoAngle, UDOrthoAngle}, view, &V::OrthoAngle, &V::SetOrthoAngle,
                   inRange);
    BindUpDownEdit(*this, {ETextSize, UDTextSize}, view, &V::FontZoom, &V::SetFontZoom, inRange);
    BindCheckBox(*this, CBZoomText, view, &V::ZoomText, &V::SetZoomText);
    BindCheckBox(*this, CBClipPoints, chart, &TCustomChart::ClipPoints,
                 &TCustomChart::SetClipPoints);
}

void TFormTee3D::ConnectBars() {
    TView3DOptions& view = *FChart->View3DOptions();
    // The value labels follow their bars even while loading; the settings are written only by
    // the user's moves, so that a setting beyond its bar is not clamped by showing the page.
    auto bar = [this](TTrackBar* b, TLabel* value, const char* suffix, auto write) {
        b->OnChange = [=, this](TObject*) {
            value->SetCaption(IntToStr(b->Position()) + suffix);
            if (!Loading()) write(b->Position());
        };
    };
    bar(SBZoom, LZoom, "%", [&view](int v) { view.SetZoom(v); });
    bar(SBRotation, LRotation, "", [&view](int v) { view.SetRotation(v); });
    bar(SBElevation, LElevation, "", [&view](int v) { view.SetElevation(v); });
    bar(SBHOffset, LHOffset, "", [&view](int v) { view.SetHorizOffset(v); });
    bar(SBVOffset, LVOffset, "", [&view](int v) { view.SetVertOffset(v); });
    bar(SBPerspec, LPerspec, "", [&view](int v) { view.SetPerspective(v); });
}

TFormTee3D::~TFormTee3D() = default;

TTrackBar* TFormTee3D::MakeBar(int top, const char* caption, int min, int max, TLabel*& value) {
    TWinControl* tab = TabOptions;
    MakeLabel(tab, 140, top + 4, caption);
    TTrackBar* b = MakeControl<TTrackBar>(tab, 230, top, 120, 28);
    b->SetMin(min);
    b->SetMax(max);
    value = MakeLabel(tab, 354, top + 4, "");
    return b;
}

void TFormTee3D::FitOffset(TTrackBar& bar, int offset) {
    if (std::abs(offset) <= bar.Max()) return;
    const int widened = int(std::lround(std::abs(offset) * 1.5));
    bar.SetMax(widened);
    bar.SetMin(-widened);
}

void TFormTee3D::LoadControls() {
    if (!FChart) return;
    const TView3DOptions& view = *FChart->View3DOptions();
    const bool free = FChart->Canvas3D()->SupportsFreeRotation();
    SBRotation->SetMin(0);
    SBRotation->SetFrequency(free ? 20 : 45);
    SBElevation->SetMin(free ? 0 : 270);
    SBElevation->SetFrequency(free ? 20 : 10);
    SBZoom->SetPosition(view.Zoom());
    SBRotation->SetPosition(view.Rotation());
    SBElevation->SetPosition(view.Elevation());
    FitOffset(*SBHOffset, view.HorizOffset());
    SBHOffset->SetPosition(view.HorizOffset());
    FitOffset(*SBVOffset, view.VertOffset());
    SBVOffset->SetPosition(view.VertOffset());
    SBPerspec->SetPosition(view.Perspective());
    EnableControls();
}

void TFormTee3D::EnableControls() {
    const bool free = FChart->Canvas3D()->SupportsFreeRotation();
    FAllowRotation = free || !dynamic_cast<TPieSeries*>(FirstActiveSeries(*FChart));
    if (PageControl1->ActivePage() != TabOptions) PageControl1->SetActivePage(TabOptions);
    const bool threeD = FChart->View3D();
    CBOrthogonal->SetEnabled(threeD && FAllowRotation);
    SBElevation->SetEnabled(threeD && (free || !FChart->View3DOptions()->Orthogonal()));
    SBRotation->SetEnabled(SBElevation->Enabled() && CBOrthogonal->Enabled());
    EOrthoAngle->SetEnabled(CBOrthogonal->Enabled());
    UDOrthoAngle->SetEnabled(CBOrthogonal->Enabled());
}
