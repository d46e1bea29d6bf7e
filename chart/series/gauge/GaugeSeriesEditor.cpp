#include "chart/series/gauge/GaugeSeriesEditor.h"

#include <initializer_list>

#include "chart/editors/CircledSeriesEditor.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/FontEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/PointerEditor.h"
#include "chart/engine/ChartAxis.h"
#include "chart/foundation/ChartPen.h"
#include "chart/series/gauge/GaugeSeries.h"
#include "platform/rtl/RtlMath.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/UpDown.h"

namespace {

// Up-downs write only while the form shows (building it gives them their first texts) and only
// numbers within their range.
constexpr TNumberEditRule WhileShowing{.Typed = TTypedNumber::InRange, .OnlyWhileShowing = true};

// A label and an up-down edit after it on one row.
TUpDownEdit LabelledUpDown(TWinControl* parent, int top, const char* caption, int min, int max) {
    MakeLabel(parent, 8, top + 4, caption);
    return MakeUpDownEdit(parent, 110, top, 55, min, max);
}

TButtonPen* PenButton(TWinControl* parent, int left, int top, const char* caption) {
    auto* button = MakeControl<TButtonPen>(parent, left, top, 90, 25);
    button->SetCaption(caption);
    return button;
}

}  // namespace

TGaugeSeriesEditor::TGaugeSeriesEditor(TComponent* owner) : TEditorForm(owner, true) {
    SetBounds(0, 0, 380, 210);
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabOptions = MakeTabSheet(this, PageControl1, "Options");
    TabLabels = MakeTabSheet(this, PageControl1, "Labels");
    TabTicks = MakeTabSheet(this, PageControl1, "Ticks");
    PageControl1->SetActivePage(TabOptions);
    BuildOptionsPage();
    BuildLabelsPage();
    BuildTicksPage();
    BindSeries();
    BindAxis();
    ConnectHandlers();
    DoCreate();
}

TGaugeSeriesEditor::~TGaugeSeriesEditor() = default;

// --- Building.

void TGaugeSeriesEditor::BuildOptionsPage() {
    TUpDownEdit total = LabelledUpDown(TabOptions, 8, "Total angle:", 0, 360);
    SETotalAngle = total.Edit;
    UDTotalAngle = total.UpDown;
    TUpDownEdit distance = LabelledUpDown(TabOptions, 36, "Distance:", -500, 500);
    SEDistance = distance.Edit;
    UDDistance = distance.UpDown;
    TUpDownEdit value = LabelledUpDown(TabOptions, 64, "&Value:", -32767, 32767);
    SEValue = value.Edit;
    UDValue = value.UpDown;
    CBHandStyle = MakeComboBox(TabOptions, 8, 96, 100, {"Line", "Triangle"});
    CBFullRepaint = MakeCheckBox(TabOptions, 8, 126, 120, "Full Repaint");
    BLine = PenButton(TabOptions, 190, 6, "&Line...");
    BAxis = PenButton(TabOptions, 190, 36, "&Axis...");
    BCenter = MakePushButton(TabOptions, 190, 66, 90, "&Center...");
    BEndPoint = MakePushButton(TabOptions, 190, 96, 90, "End Point...");
}

void TGaugeSeriesEditor::BuildLabelsPage() {
    MakeLabel(TabLabels, 8, 12, "Format:");
    EFormat = MakeControl<TEdit>(TabLabels, 110, 8, 100, 21);
    TUpDownEdit increment = LabelledUpDown(TabLabels, 36, "&Increment:", 0, 32767);
    SEIncrement = increment.Edit;
    UDIncrement = increment.UpDown;
    CBShowLabels = MakeCheckBox(TabLabels, 8, 68, 120, "Show labels");
    CBInside = MakeCheckBox(TabLabels, 8, 92, 120, "&Inside");
    BFont = MakePushButton(TabLabels, 190, 64, 90, "&Font...");
}

void TGaugeSeriesEditor::BuildTicksPage() {
    TUpDownEdit minimum = LabelledUpDown(TabTicks, 8, "&Minimum:", -32767, 32767);
    SEMinimum = minimum.Edit;
    UDMinimum = minimum.UpDown;
    TUpDownEdit maximum = LabelledUpDown(TabTicks, 36, "Ma&ximum:", -32767, 32767);
    SEMaximum = maximum.Edit;
    UDMaximum = maximum.UpDown;
    TUpDownEdit count = LabelledUpDown(TabTicks, 64, "Minor count:", 0, 100);
    SEMinorCount = count.Edit;
    UDMinorCount = count.UpDown;
    TUpDownEdit length = LabelledUpDown(TabTicks, 92, "Tick length:", 0, 1000);
    SETickLength = length.Edit;
    UDTickLength = length.UpDown;
    TUpDownEdit minorLength = LabelledUpDown(TabTicks, 120, "Minor length:", 0, 1000);
    SEMinorLength = minorLength.Edit;
    UDMinorLength = minorLength.UpDown;
    TUpDownEdit minorDistance = LabelledUpDown(TabTicks, 148, "Minor distance:", -1000, 1000);
    SEMinorDistance = minorDistance.Edit;
    UDMinorDistance = minorDistance.UpDown;
    BTicks = PenButton(TabTicks, 190, 6, "&Ticks");
    BMinor = PenButton(TabTicks, 190, 36, "&Minor");
}

// --- Bindings.

void TGaugeSeriesEditor::BindSeries() {
    using S = TGaugeSeries;
    auto series = [this] { return FSeries; };
    BindUpDownEdit(
        *this, {SETotalAngle, UDTotalAngle}, series,
        [](const S& s) { return RoundToInt(s.TotalAngle()); },
        [](S& s, int angle) { s.SetTotalAngle(angle); }, WhileShowing);
    BindUpDownEdit(*this, {SEDistance, UDDistance}, series, &S::HandDistance, &S::SetHandDistance,
                   WhileShowing);
    // Read without the point the series' own reading would add to an empty series.
    BindUpDownEdit(
        *this, {SEValue, UDValue}, series,
        [](const S& s) { return s.Count() > 0 ? RoundToInt(s.YValues()[0]) : 0; },
        [](S& s, int value) { s.SetValue(value); }, WhileShowing);
    BindComboBox(*this, CBHandStyle, series, &S::HandStyle, &S::SetHandStyle);
    BindCheckBox(*this, CBFullRepaint, series, &S::FullRepaint, &S::SetFullRepaint);
    BindCheckBox(*this, CBInside, series, &S::LabelsInside, &S::SetLabelsInside);
    BindUpDownEdit(
        *this, {SEMinimum, UDMinimum}, series, [](const S& s) { return RoundToInt(s.Minimum()); },
        [this](S& s, int value) {
            s.SetMinimum(value);
            LimitRange(value, UDMaximum->Position());
        },
        WhileShowing);
    BindUpDownEdit(
        *this, {SEMaximum, UDMaximum}, series, [](const S& s) { return RoundToInt(s.Maximum()); },
        [this](S& s, int value) {
            s.SetMaximum(value);
            LimitRange(UDMinimum->Position(), value);
        },
        WhileShowing);
    BindUpDownEdit(*this, {SEMinorDistance, UDMinorDistance}, series, &S::MinorTickDistance,
                   &S::SetMinorTickDistance, WhileShowing);
}

void TGaugeSeriesEditor::BindAxis() {
    using A = TChartAxis;
    auto axis = [this] { return Axis(); };
    BindUpDownEdit(
        *this, {SEIncrement, UDIncrement}, axis,
        [](const A& a) { return RoundToInt(a.Increment()); },
        [](A& a, int increment) { a.SetIncrement(increment); }, WhileShowing);
    BindCheckBox(*this, CBShowLabels, axis, &A::Labels, &A::SetLabels);
    BindUpDownEdit(*this, {SEMinorCount, UDMinorCount}, axis, &A::MinorTickCount,
                   &A::SetMinorTickCount, WhileShowing);
    BindUpDownEdit(*this, {SETickLength, UDTickLength}, axis, &A::TickLength, &A::SetTickLength,
                   WhileShowing);
    BindUpDownEdit(*this, {SEMinorLength, UDMinorLength}, axis, &A::MinorTickLength,
                   &A::SetMinorTickLength, WhileShowing);
}

void TGaugeSeriesEditor::ConnectHandlers() {
    BCenter->OnClick = [this](TObject*) {
        if (FSeries) ShowPointerEditor(this, FSeries->Center());
    };
    BEndPoint->OnClick = [this](TObject*) {
        if (FSeries) ShowPointerEditor(this, FSeries->EndPoint());
    };
    BFont->OnClick = [this](TObject*) {
        if (TChartAxis* axis = Axis()) ShowFontEditor(this, axis->LabelsFont());
    };
    EFormat->OnChange = [this](TObject*) {
        if (!Loading() && FSeries) FSeries->SetValueFormat(EFormat->Text());
    };
}

TChartAxis* TGaugeSeriesEditor::Axis() const { return FSeries ? FSeries->ScaleAxis() : nullptr; }

void TGaugeSeriesEditor::LimitRange(int minimum, int maximum) {
    // A new limit shows the up-down's position again: that is no change of the user's, and the
    // up-down being typed in has not taken its new number yet.
    auto quiet = LoadGuard();
    if (UDMaximum->Min() != minimum) UDMaximum->SetMin(minimum);
    if (UDMinimum->Max() != maximum) UDMinimum->SetMax(maximum);
}

// --- Loading.

void TGaugeSeriesEditor::DoShow() {
    FSeries = dynamic_cast<TGaugeSeries*>(TagObject());
    if (FSeries) LoadSeries();
    LoadingDone();
    TEditorForm::DoShow();
}

void TGaugeSeriesEditor::LoadSeries() {
    auto loading = LoadGuard();
    // The full range first, so that neither end is held by the other's old limit.
    UDMinimum->SetMax(32767);
    UDMaximum->SetMin(-32767);
    LoadBindings();
    LimitRange(UDMinimum->Position(), UDMaximum->Position());
    EFormat->SetText(FSeries->ValueFormat());
    BLine->LinkPen(FSeries->Pen());
    TChartAxis* axis = Axis();
    if (axis) {
        BAxis->LinkPen(axis->Axis());
        BTicks->LinkPen(axis->Ticks());
        BMinor->LinkPen(axis->MinorTicks());
    }
    for (TControl* control : std::initializer_list<TControl*>{
             BAxis, BTicks, BMinor, BFont, CBShowLabels, SEIncrement, UDIncrement, SEMinorCount,
             UDMinorCount, SETickLength, UDTickLength, SEMinorLength, UDMinorLength})
        control->SetEnabled(axis != nullptr);
    if (!FCircledEditor) {
        FCircledEditor = EmbedCircledSeriesEditor(this, FSeries);
        // The gauge paints no circle colour of its own: only its gradient.
        FCircledEditor->BBack->SetVisible(false);
        FCircledEditor->CBTransp->SetVisible(false);
    }
}
