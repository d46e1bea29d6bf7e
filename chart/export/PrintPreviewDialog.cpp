#include "chart/export/PrintPreviewDialog.h"

#include "chart/editors/EditorControls.h"
#include "chart/export/PrintPreview.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeePanel.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/classes/Cursors.h"
#include "platform/graphics/Printer.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/ui/PrintDialog.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/TrackBar.h"
#include "platform/ui/UpDown.h"

bool PreviewForcesLandscape = true;

namespace {

bool HasPrinters() { return !Printer()->Printers().empty(); }
}  // namespace

TChartPreview::TChartPreview(TComponent* owner) : TForm(owner) {
    SetCaption("DarEzaro Print Preview");
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 640, 460);

    // Laid out to fit the chart editor's page too (about 414 x 313), where the close button is
    // hidden: the printer list takes the width the buttons at the right leave, the view options
    // stand in a row below, and the page settings at the left stand close enough to fit.
    Panel1 = MakeControl<TPanel>(this, 0, 0, 640, 37);
    Panel1->SetAlign(alTop);
    PanelClose = MakeControl<TPanel>(Panel1, 548, 0, 92, 37);
    PanelClose->SetAlign(alRight);
    PanelClose->SetBevelOuter(bvNone);
    auto* buttons = MakeControl<TPanel>(Panel1, 376, 0, 172, 37);
    buttons->SetAlign(alRight);
    buttons->SetBevelOuter(bvNone);
    auto* printer = MakeControl<TPanel>(Panel1, 0, 0, 376, 37);
    printer->SetAlign(alClient);
    printer->SetBevelOuter(bvNone);
    auto* printerLabel = MakeControl<TLabel>(printer, 8, 11, 45, 15);
    printerLabel->SetCaption("P&rinter:");
    CBPrinters = MakeControl<TComboBox>(printer, 56, 7, 310, 23);
    CBPrinters->SetAnchors({akLeft, akTop, akRight});
    printerLabel->SetFocusControl(CBPrinters);
    BSetupPrinter = MakeControl<TButton>(buttons, 6, 6, 80, 25);
    BSetupPrinter->SetCaption("&Setup...");
    BPrint = MakeControl<TButton>(buttons, 92, 6, 80, 25);
    BPrint->SetCaption("&Print");
    BClose = MakeControl<TButton>(PanelClose, 6, 6, 80, 25);
    BClose->SetCaption("Close");
    BClose->SetCancel(true);
    BClose->SetDefault(true);
    BClose->SetModalResult(mrOk);

    auto* viewOptions = MakeControl<TPanel>(this, 0, 435, 640, 25);
    viewOptions->SetAlign(alBottom);
    viewOptions->SetBevelOuter(bvNone);
    Panel2 = MakeControl<TPanel>(this, 0, 37, 150, 398);
    Panel2->SetAlign(alLeft);
    Orientation = MakeControl<TRadioGroup>(Panel2, 6, 4, 138, 56);
    Orientation->SetCaption("Orien&tation:");
    Orientation->Items()->Add("P&ortrait");
    Orientation->Items()->Add("&Landscape");
    GBMargins = MakeControl<TGroupBox>(Panel2, 6, 62, 138, 98);
    GBMargins->SetCaption("Margins (%)");
    auto margin = [&](TEdit*& edit, TUpDown*& upDown, int left, int top) {
        edit = MakeControl<TEdit>(GBMargins, left, top, 34, 23);
        edit->SetText("0");
        upDown = MakeControl<TUpDown>(GBMargins, left + 34, top, 16, 23);
        upDown->SetMin(0);
        upDown->SetMax(100);
        upDown->SetIncrement(5);
        upDown->SetAssociate(edit);
        TUpDown* ud = upDown;
        edit->OnChange = [this, ud](TObject*) { MarginChanged(ud); };
    };
    margin(SETopMa, UDTopMa, 44, 16);
    margin(SELeftMa, UDLeftMa, 8, 42);
    margin(SERightMa, UDRightMa, 80, 42);
    margin(SEBotMa, UDBotMa, 44, 68);
    ChangeDetailGroup = MakeControl<TGroupBox>(Panel2, 6, 162, 138, 60);
    ChangeDetailGroup->SetCaption("Detail:");
    MakeControl<TLabel>(ChangeDetailGroup, 8, 41, 40, 15)->SetCaption("More");
    MakeControl<TLabel>(ChangeDetailGroup, 90, 41, 40, 15)->SetCaption("Normal");
    Resolution = MakeControl<TTrackBar>(ChangeDetailGroup, 4, 15, 130, 26);
    Resolution->SetMin(0);
    Resolution->SetMax(100);
    Resolution->SetLineSize(2);
    Resolution->SetFrequency(10);
    BReset = MakeControl<TButton>(Panel2, 6, 225, 138, 25);
    BReset->SetCaption("Reset &Margins");
    BReset->SetEnabled(false);
    ShowMargins = MakeControl<TCheckBox>(viewOptions, 8, 3, 110, 19);
    ShowMargins->SetCaption("&View Margins");
    ShowMargins->SetChecked(true);
    CBProp = MakeControl<TCheckBox>(viewOptions, 124, 3, 110, 19);
    CBProp->SetCaption("Proport&ional");
    CBProp->SetChecked(true);
    CBBitmap = MakeControl<TCheckBox>(viewOptions, 240, 3, 90, 19);
    CBBitmap->SetCaption("S&mooth");

    TeePreviewPanel1 = new TTeePreviewPanel(this);
    TeePreviewPanel1->SetParent(this);
    TeePreviewPanel1->SetAlign(alClient);
    // The paper lies on a gray shadowed ground that darkens from the top-left corner.
    TTeeShadow* shadow = TeePreviewPanel1->Shadow();
    shadow->SetColor(clGray);
    shadow->SetCommonSize(4);
    shadow->SetVisible(true);
    TTeeGradient* gradient = TeePreviewPanel1->Gradient();
    gradient->SetDirection(gdFromTopLeft);
    gradient->SetEndColor(clGray);
    gradient->SetVisible(true);
    TeePreviewPanel1->OnChangeMargins = [this](TObject*, bool disable, const TRect& m) {
        ChangeMargins(disable, m);
    };
    FSetupDialog = new TPrinterSetupDialog(this);

    CBPrinters->OnChange = [this](TObject*) { CBPrintersChange(); };
    BSetupPrinter->OnClick = [this](TObject*) { BSetupPrinterClick(); };
    BPrint->OnClick = [this](TObject*) { BPrintClick(); };
    Orientation->OnClick = [this](TObject*) { OrientationClick(); };
    Resolution->OnChange = [this](TObject*) { ResolutionChange(); };
    BReset->OnClick = [this](TObject*) { BResetClick(); };
    ShowMargins->OnClick = [this](TObject*) {
        TeePreviewPanel1->Margins()->SetVisible(ShowMargins->Checked());
        TeePreviewPanel1->Invalidate();
    };
    CBProp->OnClick = [this](TObject*) { CBPropClick(); };
    CBBitmap->OnClick = [this](TObject*) { TeePreviewPanel1->SetAsBitmap(CBBitmap->Checked()); };
    DoCreate();
}

TChartPreview::~TChartPreview() = default;

TCustomTeePanel* TChartPreview::Chart() const { return TeePreviewPanel1->Panel(); }

void TChartPreview::HideCloseButton() { PanelClose->SetVisible(false); }

void TChartPreview::DoShow() {
    FormShow();
    TForm::DoShow();
}

void TChartPreview::FillPrinters() {
    CBPrinters->Items()->Clear();
    for (const std::string& name : Printer()->Printers()) CBPrinters->Items()->Add(name);
    CBPrinters->SetItemIndex(Printer()->PrinterIndex());
}

void TChartPreview::ShowPrinterOrientation() {
    Orientation->SetItemIndex(Printer()->Orientation() == poLandscape ? 1 : 0);
}

void TChartPreview::FormShow() {
    ShowScreenCursor(crDefault);
    if (auto* panel = dynamic_cast<TCustomTeePanel*>(TagObject()))
        TeePreviewPanel1->SetPanel(panel);
    FUpdating = true;
    FillPrinters();
    const bool printers = HasPrinters();
    for (TWinControl* c : std::initializer_list<TWinControl*>{BPrint, BSetupPrinter, Orientation})
        c->SetEnabled(printers);
    if (printers) {
        if (PreviewForcesLandscape && !Printer()->Printing())
            Printer()->SetOrientation(poLandscape);
        ShowPrinterOrientation();
    }
    if (TCustomTeePanel* chart = Chart()) {
        FChangingProp = true;
        CBProp->SetChecked(chart->PrintProportional());
        FChangingProp = false;
        Resolution->SetPosition(chart->PrintResolution() + 100);
        FOldMargins = chart->PrintMargins();
        LoadMargins();
    } else {
        for (TWinControl* c :
             std::initializer_list<TWinControl*>{CBProp, Resolution, GBMargins, BPrint})
            c->SetEnabled(false);
    }
    FUpdating = false;
    BReset->SetEnabled(false);
    CBBitmap->SetChecked(TeePreviewPanel1->AsBitmap());
}

void TChartPreview::LoadMargins() {
    TCustomTeePanel* chart = Chart();
    if (!chart) return;
    if (chart->PrintProportional() && HasPrinters())
        chart->SetPrintMargins(chart->ProportionalPrintMargins());
    ChangeMargins(false, chart->PrintMargins());
    TeePreviewPanel1->Invalidate();
}

void TChartPreview::ChangeMargins(bool disableProportional, const TRect& margins) {
    const bool was = FUpdating;
    FUpdating = true;
    UDLeftMa->SetPosition(margins.Left);
    UDRightMa->SetPosition(margins.Right);
    UDTopMa->SetPosition(margins.Top);
    UDBotMa->SetPosition(margins.Bottom);
    FUpdating = was;
    if (disableProportional) {
        if (Chart()) Chart()->SetPrintProportional(false);
        FChangingProp = true;
        CBProp->SetChecked(false);
        FChangingProp = false;
    }
}

void TChartPreview::MarginChanged(TUpDown* upDown) {
    TCustomTeePanel* chart = Chart();
    if (!Showing() || !chart) return;
    TRect margins = chart->PrintMargins();
    int* field = upDown == UDLeftMa    ? &margins.Left
                 : upDown == UDRightMa ? &margins.Right
                 : upDown == UDTopMa   ? &margins.Top
                                       : &margins.Bottom;
    const int opposite = upDown == UDLeftMa    ? margins.Right
                         : upDown == UDRightMa ? margins.Left
                         : upDown == UDTopMa   ? margins.Bottom
                                               : margins.Top;
    const int value = upDown->Position();
    if (value == *field) return;
    if (value + opposite >= 100) {
        // Refused: the box shows the chart's margin again.
        const bool was = FUpdating;
        FUpdating = true;
        upDown->SetPosition(*field);
        FUpdating = was;
        return;
    }
    *field = value;
    chart->SetPrintMargins(margins);
    if (!FUpdating) {
        TeePreviewPanel1->Invalidate();
        CBProp->SetChecked(false);
    }
    UpdateResetButton();
}

void TChartPreview::UpdateResetButton() {
    BReset->SetEnabled(Chart() && Chart()->PrintMargins() != FOldMargins);
}

void TChartPreview::CBPropClick() {
    if (FChangingProp || !Chart()) return;
    Chart()->SetPrintProportional(CBProp->Checked());
    LoadMargins();
    BReset->SetEnabled(!CBProp->Checked());
}

void TChartPreview::BResetClick() {
    if (!Chart()) return;
    Chart()->SetPrintMargins(FOldMargins);
    ChangeMargins(false, FOldMargins);
    TeePreviewPanel1->Invalidate();
    BReset->SetEnabled(false);
}

void TChartPreview::OrientationClick() {
    if (!HasPrinters() || Orientation->ItemIndex() < 0) return;
    Printer()->SetOrientation(Orientation->ItemIndex() == 1 ? poLandscape : poPortrait);
    LoadMargins();
    TeePreviewPanel1->Invalidate();
}

void TChartPreview::CBPrintersChange() {
    if (CBPrinters->ItemIndex() < 0) return;
    Printer()->SetPrinterIndex(CBPrinters->ItemIndex());
    ShowPrinterOrientation();
    OrientationClick();
}

void TChartPreview::BSetupPrinterClick() {
    FSetupDialog->Execute();
    FillPrinters();
    ShowPrinterOrientation();
    TeePreviewPanel1->Invalidate();
}

void TChartPreview::ResolutionChange() {
    if (!Chart()) return;
    Chart()->SetPrintResolution(Resolution->Position() - 100);
    TeePreviewPanel1->Invalidate();
}

void TChartPreview::BPrintClick() {
    const TCursorGuard hourglass;
    TeePreviewPanel1->Print();
}
