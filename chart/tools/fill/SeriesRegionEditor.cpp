#include "chart/tools/fill/SeriesRegionEditor.h"

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/tools/fill/SeriesRegionTool.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/PageControl.h"

TSeriesRegionEditor::TSeriesRegionEditor(TComponent* owner) : TSeriesToolEditor(owner) {
    using T = TSeriesRegionTool;
    const auto tool = [this] { return RegionTool(); };
    SetBounds(0, 0, 340, 210);
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabOptions = MakeTabSheet(this, PageControl1, "Options");
    TabFormat = MakeTabSheet(this, PageControl1, "Format");
    TabGradient = MakeTabSheet(this, PageControl1, "Gradient");

    GroupBounds = MakeControl<TGroupBox>(TabOptions, 8, 4, 150, 100);
    GroupBounds->SetCaption("&Bounds:");
    CBAutoBounds = MakeCheckBox(GroupBounds, 8, 18, 120, "&Automatic");
    BindCheckBox(*this, CBAutoBounds, tool, &T::AutoBounds, &T::SetAutoBounds,
                 [this] { EnableBounds(); });
    MakeLabel(GroupBounds, 8, 46, "&Lower:");
    ELower = MakeControl<TEdit>(GroupBounds, 60, 42, 80, 21);
    MakeLabel(GroupBounds, 8, 72, "&Upper:");
    EUpper = MakeControl<TEdit>(GroupBounds, 60, 68, 80, 21);
    BindNumber(ELower, &T::LowerBound, &T::SetLowerBound);
    BindNumber(EUpper, &T::UpperBound, &T::SetUpperBound);
    GroupOrigin = MakeControl<TGroupBox>(TabOptions, 166, 4, 150, 100);
    GroupOrigin->SetCaption("Origin:");
    CBUseOrigin = MakeCheckBox(GroupOrigin, 8, 18, 120, "&Use origin");
    BindCheckBox(*this, CBUseOrigin, tool, &T::UseOrigin, &T::SetUseOrigin);
    MakeLabel(GroupOrigin, 8, 46, "&Origin:");
    EOrigin = MakeControl<TEdit>(GroupOrigin, 60, 42, 80, 21);
    BindNumber(EOrigin, &T::Origin, &T::SetOrigin);

    ButtonPen1 = MakeControl<TButtonPen>(TabFormat, 8, 8, 90, 25);
    ButtonPen1->SetCaption("&Border...");
    ButtonColor1 = MakeControl<TButtonColor>(TabFormat, 8, 38, 90, 25);
    ButtonColor1->SetCaption("&Color...");
    Button1 = MakePushButton(TabFormat, 8, 68, 90, "&Pattern...");
    Button1->OnClick = [this](TObject*) {
        if (TSeriesRegionTool* region = RegionTool()) ShowBrushDialog(Button1, region->Brush());
    };
    CBBehind = MakeCheckBox(TabFormat, 120, 10, 150, "&Draw Behind");
    BindCheckBox(*this, CBBehind, tool, &T::DrawBehindSeries, &T::SetDrawBehindSeries);
    MakeLabel(TabFormat, 120, 42, "&Transparency:");
    const TUpDownEdit transparency = MakeUpDownEdit(TabFormat, 210, 38, 45, 0, 100);
    ETransp = transparency.Edit;
    UDTransp = transparency.UpDown;
    BindUpDownEdit(*this, transparency, tool, &T::Transparency, &T::SetTransparency);
}

TSeriesRegionEditor::~TSeriesRegionEditor() = default;

TSeriesRegionTool* TSeriesRegionEditor::RegionTool() const {
    return dynamic_cast<TSeriesRegionTool*>(Tool());
}

void TSeriesRegionEditor::BindNumber(TEdit* edit, double (TSeriesRegionTool::*get)() const,
                                     void (TSeriesRegionTool::*set)(double)) {
    // A text that is no number keeps the value.
    edit->OnChange = [this, edit, set](TObject*) {
        TSeriesRegionTool* region = RegionTool();
        long double value = 0;
        if (region && !Loading() && TryStrToFloat(edit->Text(), value))
            (region->*set)(double(value));
    };
    AddBinding([this, edit, get] {
        if (TSeriesRegionTool* region = RegionTool()) edit->SetText(FloatToStr((region->*get)()));
    });
}

void TSeriesRegionEditor::EnableBounds() {
    const bool custom = !CBAutoBounds->Checked();
    ELower->SetEnabled(custom);
    EUpper->SetEnabled(custom);
}

void TSeriesRegionEditor::DoShow() {
    TSeriesToolEditor::DoShow();
    TSeriesRegionTool* region = RegionTool();
    if (!region) return;
    LoadBindings();
    EnableBounds();
    ButtonPen1->LinkPen(region->Pen());
    ButtonColor1->LinkToProperty(region, "Color");
    if (!GradientEditor) {
        GradientEditor = TTeeGradientEditor::CreateEmbedded(this, region->Gradient());
        EmbedEditorForm(*GradientEditor, *TabGradient);
    }
}
