#include "chart/tools/annotation/PageNumToolEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/tools/annotation/PageNumTool.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Timer.h"

TPageNumToolEdit::TPageNumToolEdit(TComponent* owner) : TAnnotationToolEdit(owner) {
    const auto tool = [this] { return PageTool(); };
    TabPaging = MakeTabSheet(this, PageControl1, "Paging");
    CBButtons = MakeCheckBox(TabPaging, 8, 8, 150, "&Show buttons");
    BindCheckBox(*this, CBButtons, tool, &TPageNumTool::ShowButtons, &TPageNumTool::SetShowButtons);
    MakeLabel(TabPaging, 8, 38, "Button &width:");
    const TUpDownEdit width = MakeUpDownEdit(TabPaging, 90, 34, 45, 0, 1000);
    EWidth = width.Edit;
    UDButtonWidth = width.UpDown;
    BindUpDownEdit(*this, width, tool, &TPageNumTool::ButtonWidth, &TPageNumTool::SetButtonWidth);
    BEnabled = MakeControl<TButtonGradient>(TabPaging, 8, 66, 120, 25);
    BEnabled->SetCaption("&Enabled button");
    BDisabled = MakeControl<TButtonGradient>(TabPaging, 8, 96, 120, 25);
    BDisabled->SetCaption("&Disabled button");
    BBorder = MakeControl<TButtonPen>(TabPaging, 8, 126, 120, 25);
    BBorder->SetCaption("&Border...");
    Timer1 = new TTimer(this);
    Timer1->SetEnabled(false);
    Timer1->SetInterval(1);
    Timer1->OnTimer = [this](TObject*) {
        Timer1->SetEnabled(false);
        PageControl1->SetActivePage(TabPaging);
    };
}

TPageNumToolEdit::~TPageNumToolEdit() = default;

TPageNumTool* TPageNumToolEdit::PageTool() const { return dynamic_cast<TPageNumTool*>(Tool()); }

void TPageNumToolEdit::DoShow() {
    TAnnotationToolEdit::DoShow();
    if (TPageNumTool* tool = PageTool()) {
        BEnabled->LinkGradient(tool->EnabledButton());
        BDisabled->LinkGradient(tool->DisabledButton());
        BBorder->LinkPen(tool->ButtonPen());
    }
    Timer1->SetEnabled(true);
}
