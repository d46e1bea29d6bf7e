#include "chart/series/price/KagiSeriesEditor.h"

#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/PointerEditor.h"
#include "chart/engine/SeriesPointer.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/series/price/KagiSeries.h"
#include "platform/ui/PageControl.h"

TKagiSeriesEditor::TKagiSeriesEditor(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 300, 200);
    SetAlign(alClient);
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabLines = MakeTabSheet(this, PageControl1, "Lines");
    TabBuy = MakeTabSheet(this, PageControl1, "Buy");
    TabSell = MakeTabSheet(this, PageControl1, "Sell");
    BUp = MakeControl<TButtonPen>(TabLines, 8, 8, 90, 25);
    BUp->SetCaption("&Up...");
    BDown = MakeControl<TButtonPen>(TabLines, 8, 40, 90, 25);
    BDown->SetCaption("&Down...");
    DoCreate();
}

TKagiSeriesEditor::~TKagiSeriesEditor() {
    if (BuyEditor) TObject::Free(BuyEditor);
    if (SellEditor) TObject::Free(SellEditor);
}

void TKagiSeriesEditor::DoShow() {
    if (auto* series = dynamic_cast<TKagiSeries*>(TagObject())) FSeries = series;
    if (FSeries) {
        auto loading = LoadGuard();
        BUp->LinkPen(FSeries->UpSwing());
        BDown->LinkPen(FSeries->DownSwing());
        if (!BuyEditor) {
            BuyEditor = new TSeriesPointerEditor(nullptr);
            EmbedTaggedEditorForm(*BuyEditor, *TabBuy, FSeries->BuySymbol());
            SellEditor = new TSeriesPointerEditor(nullptr);
            EmbedTaggedEditorForm(*SellEditor, *TabSell, FSeries->SellSymbol());
        }
    }
    ApplyFormHook(this);
    TForm::DoShow();
}
