#include "chart/series/gauge/CircularGaugeEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/PointerEditor.h"
#include "chart/series/gauge/CircularGauge.h"
#include "chart/series/gauge/GaugeHand.h"
#include "platform/rtl/RtlMath.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/UpDown.h"

TCircularGaugeEditor::TCircularGaugeEditor(TComponent* owner) : TLinearGaugeEditor(owner) {
    BuildControls();
    BindProperties();
}

TCircularGaugeEditor::~TCircularGaugeEditor() = default;

TCircularGauge* TCircularGaugeEditor::Dial() const {
    return dynamic_cast<TCircularGauge*>(Gauge());
}

void TCircularGaugeEditor::BuildControls() {
    TWinControl* page = TabOptions;
    auto upDown = [page](int top, const char* caption, int max, TEdit*& edit, TUpDown*& ud) {
        MakeLabel(page, 8, top + 4, caption);
        TUpDownEdit e = MakeUpDownEdit(page, 100, top, 55, 0, max);
        edit = e.Edit;
        ud = e.UpDown;
    };
    upDown(124, "&Total Angle:", 360, ETotalAngle, UDTotalAngle);
    upDown(152, "&Hand distance:", 10000, EHandDistance, UDHandDistance);
    upDown(180, "Hand &Offset:", 10000, EHandOffset, UDHandOffset);
    upDown(208, "Rotation:", 360, ERotation, UDRotation);
    BDialHand = MakePushButton(page, 230, 104, 110, "&Hand...");
    BCenter = MakePushButton(page, 230, 136, 110, "&Center...");
    BEndPoint = MakePushButton(page, 230, 168, 110, "&End Point...");
    CBLabelsInside = MakeCheckBox(page, 350, 8, 110, "Labels &Inside");
    CBRotateLabels = MakeCheckBox(page, 350, 32, 110, "&Rotate Labels");
    CBCircled = MakeCheckBox(page, 350, 56, 110, "Circled");
}

void TCircularGaugeEditor::BindProperties() {
    using G = TCircularGauge;
    auto dial = [this] { return Dial(); };
    auto hand = [this]() -> TGaugeHand* { return Dial() ? Dial()->Hand() : nullptr; };
    const TNumberEditRule whileShowing{.Typed = TTypedNumber::InRange, .OnlyWhileShowing = true};
    BindUpDownEdit(
        *this, {ETotalAngle, UDTotalAngle}, dial,
        [](const G& g) { return RoundToInt(g.TotalAngle()); },
        [](G& g, int v) { g.SetTotalAngle(v); }, whileShowing);
    BindUpDownEdit(*this, {EHandDistance, UDHandDistance}, hand, &TGaugeHand::Distance,
                   &TGaugeHand::SetDistance, whileShowing);
    BindUpDownEdit(*this, {EHandOffset, UDHandOffset}, hand, &TGaugeHand::Offset,
                   &TGaugeHand::SetOffset, whileShowing);
    BindUpDownEdit(
        *this, {ERotation, UDRotation}, dial,
        [](const G& g) { return RoundToInt(g.RotationAngle()); },
        [](G& g, int v) { g.SetRotationAngle(v); }, whileShowing);
    BindCheckBox(*this, CBLabelsInside, dial, &G::LabelsInside, &G::SetLabelsInside);
    BindCheckBox(*this, CBRotateLabels, dial, &G::RotateLabels, &G::SetRotateLabels);
    BindCheckBox(*this, CBCircled, dial, &G::Circled, &G::SetCircled);
    BDialHand->OnClick = [this](TObject*) {
        if (Dial()) ShowPointerEditor(this, Dial()->Hand());
    };
    BCenter->OnClick = [this](TObject*) {
        if (Dial()) ShowPointerEditor(this, Dial()->Center());
    };
    BEndPoint->OnClick = [this](TObject*) {
        if (Dial()) ShowPointerEditor(this, Dial()->EndPoint());
    };
}

void TCircularGaugeEditor::DoShow() {
    TLinearGaugeEditor::DoShow();
    // The dial has its own hand button and neither a value area nor a maximum indicator.
    BHand->SetVisible(false);
    BValueArea->SetVisible(false);
    BMaxIndicator->SetVisible(false);
}
