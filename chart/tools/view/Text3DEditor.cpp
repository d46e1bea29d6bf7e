#include "chart/tools/view/Text3DEditor.h"

#include <algorithm>
#include <string>

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/FontEditor.h"
#include "chart/editors/StringsEditor.h"
#include "chart/foundation/View3DOptions.h"
#include "chart/tools/view/Text3DTool.h"
#include "platform/rtl/RtlMath.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/Memo.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/TrackBar.h"
#include "platform/ui/UpDown.h"

namespace {

// The text of the memo's lines: line breaks become the chart's line separators.
std::string MemoTextWithoutLineFeeds(const TStrings& lines) {
    std::string text = lines.Text();
    std::erase(text, '\n');
    return text;
}

}  // namespace

TText3DEditor::TText3DEditor(TComponent* owner) : TEditorForm(owner) {
    BuildControls();
    FFontEditor.reset(EmbedFontEditor(TabFont));
    BindProperties();
}

TText3DEditor::~TText3DEditor() = default;

TText3DTool* TText3DEditor::Tool() const { return dynamic_cast<TText3DTool*>(TagObject()); }

void TText3DEditor::BuildControls() {
    SetBounds(0, 0, 340, 220);
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabFormat = MakeTabSheet(this, PageControl1, "Format");
    TabFont = MakeTabSheet(this, PageControl1, "Font");
    TabPosition = MakeTabSheet(this, PageControl1, "Position");
    TabRotation = MakeTabSheet(this, PageControl1, "Rotation");

    MakeLabel(TabFormat, 8, 8, "&Text:");
    MemoText = MakeControl<TMemo>(TabFormat, 8, 24, 200, 90);
    Button2 = MakePushButton(TabFormat, 8, 120, 80, "&Edit...");
    Button1 = MakePushButton(TabFormat, 220, 24, 90, "&Pattern...");

    auto position = [this](int top, const char* caption, TEdit*& edit, TUpDown*& upDown) {
        MakeLabel(TabPosition, 8, top + 4, caption);
        TUpDownEdit e = MakeUpDownEdit(TabPosition, 60, top, 60, -32000, 32000, 5);
        edit = e.Edit;
        upDown = e.UpDown;
    };
    position(8, "&Left:", ECustLeft, UDLeft);
    position(38, "&Top:", ECustTop, UDTop);
    position(68, "&Z:", Edit1, UDZ);

    auto angle = [this](int top, const char* caption, TTrackBar*& bar, TLabel*& label) {
        MakeLabel(TabRotation, 8, top + 6, caption);
        bar = MakeControl<TTrackBar>(TabRotation, 80, top, 180, 28);
        bar->SetMax(360);
        bar->SetMin(0);
        bar->SetFrequency(10);
        label = MakeLabel(TabRotation, 268, top + 6, "0");
    };
    angle(8, "Rotation:", TBRotation, LRotation);
    angle(44, "Elevation:", TBElevation, LElevation);
    angle(80, "Tilt:", TBTilt, LTilt);
}

void TText3DEditor::BindProperties() {
    using T = TText3DTool;
    const auto tool = [this] { return Tool(); };
    MemoText->OnChange = [this](TObject*) {
        if (TText3DTool* t = Tool(); t && !Loading())
            t->SetText(MemoTextWithoutLineFeeds(*MemoText->Lines()));
    };
    Button2->OnClick = [this](TObject*) {
        if (ShowStringsEditor(this, *MemoText->Lines(), false))
            if (TText3DTool* t = Tool()) t->SetText(MemoTextWithoutLineFeeds(*MemoText->Lines()));
    };
    Button1->OnClick = [this](TObject*) {
        if (TText3DTool* t = Tool(); t && ShowBrushDialog(Button1, t->Brush())) t->Repaint();
    };
    // The position edits write only while the form shows, whole pixels.
    auto coordinate = [this](TEdit* edit, TUpDown* upDown, double (TFloatXYZ::*get)() const,
                             void (TFloatXYZ::*set)(double)) {
        BindUpDownEdit(
            *this, {edit, upDown}, [this] { return Tool(); },
            [get](T& t) { return RoundToInt((t.Position()->*get)()); },
            [set](T& t, int v) { (t.Position()->*set)(v); }, {TTypedNumber::Any, true});
    };
    coordinate(ECustLeft, UDLeft, &TFloatXYZ::X, &TFloatXYZ::SetX);
    coordinate(ECustTop, UDTop, &TFloatXYZ::Y, &TFloatXYZ::SetY);
    coordinate(Edit1, UDZ, &TFloatXYZ::Z, &TFloatXYZ::SetZ);
    auto angle = [this, tool](TTrackBar* bar, double (TFloatXYZ::*get)() const,
                              void (TFloatXYZ::*set)(double)) {
        BindTrackBar(
            *this, bar, tool, [get](T& t) { return RoundToInt((t.Rotation()->*get)()); },
            [this, set](T& t, int v) {
                (t.Rotation()->*set)(v);
                ShowAngles();
            });
    };
    angle(TBRotation, &TFloatXYZ::X, &TFloatXYZ::SetX);
    angle(TBElevation, &TFloatXYZ::Y, &TFloatXYZ::SetY);
    angle(TBTilt, &TFloatXYZ::Z, &TFloatXYZ::SetZ);
}

void TText3DEditor::ShowAngles() {
    LRotation->SetCaption(std::to_string(TBRotation->Position()));
    LElevation->SetCaption(std::to_string(TBElevation->Position()));
    LTilt->SetCaption(std::to_string(TBTilt->Position()));
}

void TText3DEditor::DoShow() {
    TEditorForm::DoShow();
    TText3DTool* tool = Tool();
    if (!tool) return;
    auto loading = LoadGuard();
    MemoText->Lines()->SetText(tool->Text());
    FFontEditor->LoadFont(tool->Font());
    LoadBindings();
    ShowAngles();
}
