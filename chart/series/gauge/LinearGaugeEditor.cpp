#include "chart/series/gauge/LinearGaugeEditor.h"

#include <cmath>

#include "chart/editors/AxisPage.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/FontEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/PointerEditor.h"
#include "chart/editors/ShapeEditor.h"
#include "chart/engine/AxisDrawParts.h"
#include "chart/engine/ChartAxis.h"
#include "chart/foundation/TeeShape.h"
#include "chart/series/gauge/GaugeMinMax.h"
#include "chart/series/gauge/GaugeSeriesPointer.h"
#include "platform/classes/PropAccess.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/RtlMath.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/UpDown.h"

namespace {

// A published sub-object of the gauge that only some scaled gauges have; none otherwise.
template <class T>
T* GaugePart(TObject* gauge, const char* name) {
    if (!gauge) return nullptr;
    for (const TPropInfo& prop : gauge->ClassType().Properties())
        if (prop.Name == name) return dynamic_cast<T*>(GetObjectProp(gauge, name));
    return nullptr;
}

}  // namespace

TLinearGaugeEditor::TLinearGaugeEditor(TComponent* owner) : TNumericGaugeEditor(owner) {
    BuildOptionsButtons();
    BuildAxisPage();
    Green = BuildRangePage("Green Line");
    Red = BuildRangePage("Red Line");
    BindProperties();
    ConnectHandlers();
}

TLinearGaugeEditor::~TLinearGaugeEditor() = default;

TCustomGaugeMinMax* TLinearGaugeEditor::ScaledGauge() const {
    return dynamic_cast<TCustomGaugeMinMax*>(Gauge());
}

// --- Building.

void TLinearGaugeEditor::BuildOptionsButtons() {
    BValueArea = MakePushButton(TabOptions, 230, 8, 110, "&Value area...");
    BMaxIndicator = MakePushButton(TabOptions, 230, 40, 110, "&Max. Indicator...");
    BHand = MakePushButton(TabOptions, 230, 72, 110, "&Hand...");
}

void TLinearGaugeEditor::BuildAxisPage() {
    TabAxis = MakeTabSheet(this, PageControl1, "Axis");
    PageAxis = MakeControl<TPageControl>(TabAxis);
    PageAxis->SetAlign(alClient);
    TabTicks = MakeTabSheet(this, PageAxis, "Ticks");
    TabLabels = MakeTabSheet(this, PageAxis, "Labels");
    TabTitle = MakeTabSheet(this, PageAxis, "Title");

    MakeLabel(TabTicks, 8, 12, "M&aximum:");
    EMaximum = MakeControl<TEdit>(TabTicks, 70, 8, 70, 21);
    MakeLabel(TabTicks, 8, 40, "M&inimum:");
    EMinimum = MakeControl<TEdit>(TabTicks, 70, 36, 70, 21);
    BTicks = MakePushButton(TabTicks, 160, 8, 90, "&Ticks...");
    TUpDownEdit tickSize = MakeUpDownEdit(TabTicks, 260, 10, 45, 1, 1000);
    ETickSize = tickSize.Edit;
    UDTickSize = tickSize.UpDown;
    TUpDownEdit distance = MakeUpDownEdit(TabTicks, 70, 68, 45, -1000, 1000);
    EMinorDistance = distance.Edit;
    UDMinorDistance = distance.UpDown;
    BMinorTicks = MakePushButton(TabTicks, 160, 40, 90, "&Minor Ticks...");
    TUpDownEdit minorCount = MakeUpDownEdit(TabTicks, 260, 42, 45, 0, 100);
    EMinorCount = minorCount.Edit;
    UDMinorCount = minorCount.UpDown;
    TUpDownEdit minorSize = MakeUpDownEdit(TabTicks, 260, 74, 45, 1, 1000);
    EMinorSize = minorSize.Edit;
    UDMinorSize = minorSize.UpDown;
    BAxisPen = MakeControl<TButtonPen>(TabTicks, 160, 104, 90, 25);
    BAxisPen->SetCaption("&Axis...");

    MakeLabel(TabLabels, 8, 12, "&Format:");
    EFormat = MakeControl<TEdit>(TabLabels, 70, 8, 100, 21);
    BLabelsFont = MakePushButton(TabLabels, 8, 40, 90, "&Font...");
    CBLabels = MakeCheckBox(TabLabels, 8, 72, 90, "&Visible");
}

TLinearGaugeEditor::TRangeControls TLinearGaugeEditor::BuildRangePage(const char* caption) {
    TRangeControls c;
    c.Tab = MakeTabSheet(this, PageControl1, caption);
    MakeLabel(c.Tab, 8, 12, "St&art value:");
    TUpDownEdit start = MakeUpDownEdit(c.Tab, 90, 8, 60, -32000, 32000);
    c.EStart = start.Edit;
    c.UDStart = start.UpDown;
    MakeLabel(c.Tab, 8, 40, "&End value:");
    TUpDownEdit end = MakeUpDownEdit(c.Tab, 90, 36, 60, -32000, 32000);
    c.EEnd = end.Edit;
    c.UDEnd = end.UpDown;
    c.BStyle = MakePushButton(c.Tab, 8, 70, 90, "&Style...");
    c.CBVisible = MakeCheckBox(c.Tab, 110, 74, 90, "&Visible");
    return c;
}

void TLinearGaugeEditor::BindProperties() {
    using G = TCustomGaugeMinMax;
    auto gauge = [this] { return ScaledGauge(); };
    auto ticks = [this]() -> TGaugeSeriesPointer* {
        return ScaledGauge() ? ScaledGauge()->Ticks() : nullptr;
    };
    auto minorTicks = [this]() -> TGaugeSeriesPointer* {
        return ScaledGauge() ? ScaledGauge()->MinorTicks() : nullptr;
    };
    auto axis = [this]() -> TChartAxis* {
        return ScaledGauge() ? ScaledGauge()->ScaleAxis() : nullptr;
    };
    const TNumberEditRule whileShowing{.Typed = TTypedNumber::Positive, .OnlyWhileShowing = true};
    BindUpDownEdit(*this, {ETickSize, UDTickSize}, ticks, &TSeriesPointer::VertSize,
                   &TSeriesPointer::SetVertSize, whileShowing);
    BindUpDownEdit(*this, {EMinorDistance, UDMinorDistance}, gauge, &G::MinorTickDistance,
                   &G::SetMinorTickDistance, {.OnlyWhileShowing = true});
    BindUpDownEdit(*this, {EMinorCount, UDMinorCount}, axis, &TChartAxis::MinorTickCount,
                   &TChartAxis::SetMinorTickCount, {.OnlyWhileShowing = true});
    BindUpDownEdit(*this, {EMinorSize, UDMinorSize}, minorTicks, &TSeriesPointer::LargestSize,
                   &TSeriesPointer::SetSize, whileShowing);
    BindCheckBox(*this, CBLabels, axis, &TChartAxis::Labels, &TChartAxis::SetLabels);
}

void TLinearGaugeEditor::ConnectRange(const TRangeControls& controls,
                                      TGaugePointerRange* (TCustomGaugeMinMax::*range)() const) {
    auto current = [this, range]() -> TGaugePointerRange* {
        return ScaledGauge() ? (ScaledGauge()->*range)() : nullptr;
    };
    BindUpDownEdit(
        *this, {controls.EStart, controls.UDStart}, current,
        [](const TGaugePointerRange& r) { return RoundToInt(r.StartValue()); },
        [](TGaugePointerRange& r, int v) { r.SetStartValue(v); },
        {.Typed = TTypedNumber::InRange, .OnlyWhileShowing = true});
    BindUpDownEdit(
        *this, {controls.EEnd, controls.UDEnd}, current,
        [](const TGaugePointerRange& r) { return RoundToInt(r.EndValue()); },
        [](TGaugePointerRange& r, int v) { r.SetEndValue(v); },
        {.Typed = TTypedNumber::InRange, .OnlyWhileShowing = true});
    BindCheckBox(*this, controls.CBVisible, current, &TSeriesPointer::Visible,
                 &TSeriesPointer::SetVisible);
    controls.BStyle->OnClick = [this, current](TObject*) {
        if (TGaugePointerRange* r = current()) ShowPointerEditor(this, r);
    };
}

void TLinearGaugeEditor::ConnectHandlers() {
    ConnectRange(Green, &TCustomGaugeMinMax::GreenLine);
    ConnectRange(Red, &TCustomGaugeMinMax::RedLine);
    // A limit typed is written while the form shows and only when it is a number.
    auto limit = [this](TEdit* edit, void (TCustomGaugeMinMax::*set)(double)) {
        edit->OnChange = [this, edit, set](TObject*) {
            double value = 0;
            if (!Loading() && Showing() && ScaledGauge() && TryStrToFloat(edit->Text(), value))
                (ScaledGauge()->*set)(value);
        };
    };
    limit(EMaximum, &TCustomGaugeMinMax::SetMaximum);
    limit(EMinimum, &TCustomGaugeMinMax::SetMinimum);
    EFormat->OnChange = [this](TObject*) {
        if (!Loading() && Showing() && ScaledGauge())
            ScaledGauge()->SetValueFormat(EFormat->Text());
    };
    BValueArea->OnClick = [this](TObject*) {
        if (auto* area = GaugePart<TTeeCustomShape>(Gauge(), "ValueArea"))
            ShowShapeEditor(this, area, true);
    };
    BMaxIndicator->OnClick = [this](TObject*) {
        if (auto* indicator = GaugePart<TSeriesPointer>(Gauge(), "MaxValueIndicator"))
            ShowPointerEditor(this, indicator);
    };
    BHand->OnClick = [this](TObject*) {
        if (ScaledGauge()) ShowPointerEditor(this, ScaledGauge()->Hand());
    };
    BTicks->OnClick = [this](TObject*) {
        if (ScaledGauge()) ShowPointerEditor(this, ScaledGauge()->Ticks());
    };
    BMinorTicks->OnClick = [this](TObject*) {
        if (ScaledGauge()) ShowPointerEditor(this, ScaledGauge()->MinorTicks());
    };
    BLabelsFont->OnClick = [this](TObject*) {
        if (TChartAxis* axis = ScaledGauge() ? ScaledGauge()->ScaleAxis() : nullptr)
            ShowFontEditor(this, axis->LabelsFont());
    };
}

// --- Loading.

void TLinearGaugeEditor::LoadControls() {
    TCustomGaugeMinMax* gauge = ScaledGauge();
    TChartAxis* axis = gauge->ScaleAxis();
    if (axis) BAxisPen->LinkPen(axis->Axis());
    EMaximum->SetText(FloatToStr(gauge->Maximum()));
    EMinimum->SetText(FloatToStr(gauge->Minimum()));
    EFormat->SetText(gauge->ValueFormat());
    // Only gauges that have them offer the value area and the maximum indicator.
    BValueArea->SetVisible(GaugePart<TTeeCustomShape>(gauge, "ValueArea") != nullptr);
    BMaxIndicator->SetVisible(GaugePart<TSeriesPointer>(gauge, "MaxValueIndicator") != nullptr);
    if (axis && !FAxisEditor) {
        // The axis editor's title page, moved into this form's Title page.
        FAxisEditor = new TFormTeeAxis(this, axis);
        FAxisEditor->PageAxis->SetActivePage(FAxisEditor->TabTitle);
        FAxisEditor->PageTitle->SetParent(TabTitle);
        FAxisEditor->PageTitle->SetAlign(alClient);
    }
    if (FAxisEditor) FAxisEditor->Reload();
    PageAxis->SetActivePage(TabTicks);
}

void TLinearGaugeEditor::DoShow() {
    TNumericGaugeEditor::DoShow();
    if (!ScaledGauge()) return;
    auto loading = LoadGuard();
    LoadControls();
}
