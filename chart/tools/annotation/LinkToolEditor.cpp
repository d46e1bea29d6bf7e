#include "chart/tools/annotation/LinkToolEditor.h"

#include "chart/tools/annotation/LinkTool.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Timer.h"

TLinkToolEditor::TLinkToolEditor(TComponent* owner) : TAnnotationToolEdit(owner) {
    TabLink = MakeTabSheet(this, PageControl1, "Link");
    MakeLabel(TabLink, 8, 12, "&URL:");
    EURL = MakeControl<TEdit>(TabLink, 60, 8, 250, 21);
    MakeLabel(TabLink, 8, 42, "&Hint:");
    EHint = MakeControl<TEdit>(TabLink, 60, 38, 250, 21);
    MakeLabel(TabLink, 8, 72, "&Text:");
    EText = MakeControl<TEdit>(TabLink, 60, 68, 250, 21);
    EURL->OnChange = [this](TObject*) {
        if (TLinkTool* link = Link(); link && !Loading()) link->SetURL(EURL->Text());
    };
    EHint->OnChange = [this](TObject*) {
        if (TLinkTool* link = Link(); link && !Loading()) link->SetHint(EHint->Text());
    };
    EText->OnChange = [this](TObject*) {
        if (TLinkTool* link = Link(); link && !Loading()) link->SetText(EText->Text());
    };
    Timer1 = new TTimer(this);
    Timer1->SetInterval(1);
    Timer1->OnTimer = [this](TObject*) {
        Timer1->SetEnabled(false);
        PageControl1->SetActivePage(TabLink);
    };
}

TLinkToolEditor::~TLinkToolEditor() = default;

TLinkTool* TLinkToolEditor::Link() const { return dynamic_cast<TLinkTool*>(Tool()); }

void TLinkToolEditor::DoShow() {
    TAnnotationToolEdit::DoShow();
    TLinkTool* link = Link();
    if (!link) return;
    auto loading = LoadGuard();
    EText->SetText(link->Text());
    EURL->SetText(link->URL());
    EHint->SetText(link->Hint());
}
