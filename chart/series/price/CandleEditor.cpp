#include "chart/series/price/CandleEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/SeriesEditorControls.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/series/price/CandleSeries.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/UpDown.h"

TCandleEditor::TCandleEditor(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 330, 170);
    SetAlign(alClient);
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabOptions = MakeTabSheet(this, PageControl1, "Options");
    TabColors = MakeTabSheet(this, PageControl1, "Colors");

    RGStyle = MakeControl<TRadioGroup>(TabOptions, 8, 4, 100, 110);
    RGStyle->SetCaption("Style:");
    for (const char* item : {"&Stick", "&Bar", "Ope&n Close", "&Line"}) RGStyle->Items()->Add(item);
    MakeLabel(TabOptions, 120, 10, "Candle &Width:");
    TUpDownEdit width = MakeUpDownEdit(TabOptions, 200, 6, 40, 0, 100);
    SEWidth = width.Edit;
    UDWidth = width.UpDown;
    CBShowOpen = MakeCheckBox(TabOptions, 120, 34, 95, "Show &Open");
    CBShowClose = MakeCheckBox(TabOptions, 220, 34, 95, "Show &Close");
    CBDraw3D = MakeCheckBox(TabOptions, 120, 58, 95, "Draw &3D");
    CBDark3D = MakeCheckBox(TabOptions, 220, 58, 95, "Dar&k 3D");
    Button1 = MakeControl<TButtonPen>(TabOptions, 120, 84, 95, 25);
    Button1->SetCaption("Bo&rder...");
    BHighLow = MakeControl<TButtonPen>(TabOptions, 220, 84, 95, 25);
    BHighLow->SetCaption("&High-Low...");

    BUpColor = MakeControl<TButtonColor>(TabColors, 8, 8, 100, 25);
    BUpColor->SetCaption("&Up Close...");
    BUpGradient = MakeControl<TButtonGradient>(TabColors, 116, 8, 100, 25);
    BUpGradient->SetCaption("&Gradient...");
    BDownColor = MakeControl<TButtonColor>(TabColors, 8, 40, 100, 25);
    BDownColor->SetCaption("&Down Close...");
    BDownGradient = MakeControl<TButtonGradient>(TabColors, 116, 40, 100, 25);
    BDownGradient->SetCaption("G&radient...");
    MakeLabel(TabColors, 8, 80, "&Color style:");
    CBColorStyle =
        MakeComboBox(TabColors, 80, 76, 170, {"Relative to Open", "Relative to previous Close"});

    BindProperties();
    RGStyle->OnClick = [this](TObject*) { RGStyleClick(); };
    // The width is taken only from a user typing while the form shows.
    SEWidth->OnChange = [this](TObject*) {
        int value = 0;
        if (!Loading() && FSeries && Showing() && UpDownValue(*UDWidth, value))
            FSeries->SetCandleWidth(value);
    };
    DoCreate();
}

TCandleEditor::~TCandleEditor() = default;

void TCandleEditor::BindProperties() {
    using S = TCandleSeries;
    auto series = [this] { return FSeries; };
    BindCheckBox(*this, CBShowOpen, series, &S::ShowOpenTick, &S::SetShowOpenTick);
    BindCheckBox(*this, CBShowClose, series, &S::ShowCloseTick, &S::SetShowCloseTick);
    BindCheckBox(*this, CBDraw3D, series, &S::Draw3D, &S::SetDraw3D);
    BindCheckBox(*this, CBDark3D, series, &S::Dark3D, &S::SetDark3D);
    BindComboBox(*this, CBColorStyle, series, &S::ColorStyle, &S::SetColorStyle);
}

void TCandleEditor::RGStyleClick() {
    if (!Loading() && FSeries && RGStyle->ItemIndex() >= 0)
        FSeries->SetCandleStyle(TCandleStyle(RGStyle->ItemIndex()));
    EnableStyleControls();
}

void TCandleEditor::EnableStyleControls() {
    const int style = RGStyle->ItemIndex();
    const bool bar = style == csCandleBar, line = style == csLine;
    const bool body = style == csCandleStick || style == csOpenClose;
    CBShowOpen->SetEnabled(bar);
    CBShowClose->SetEnabled(bar);
    CBDraw3D->SetEnabled(body);
    CBDark3D->SetEnabled(body);
    SEWidth->SetEnabled(!line);
    UDWidth->SetEnabled(!line);
    // Those styles draw in the candle colour, whatever the pen's.
    Button1->HideColor = bar || line;
}

void TCandleEditor::DoShow() {
    if (auto* series = dynamic_cast<TCandleSeries*>(TagObject())) FSeries = series;
    if (FSeries) {
        auto loading = LoadGuard();
        RGStyle->SetItemIndex(int(FSeries->CandleStyle()));
        UDWidth->SetPosition(FSeries->CandleWidth());
        Button1->LinkPen(FSeries->CandlePen());
        BHighLow->LinkPen(FSeries->HighLowPen());
        BUpColor->LinkToProperty(FSeries, "UpCloseColor");
        BDownColor->LinkToProperty(FSeries, "DownCloseColor");
        BUpGradient->LinkGradient(FSeries->UpCloseGradient());
        BDownGradient->LinkGradient(FSeries->DownCloseGradient());
        LoadBindings();
        EnableStyleControls();
    }
    ApplyFormHook(this);
    TForm::DoShow();
}
