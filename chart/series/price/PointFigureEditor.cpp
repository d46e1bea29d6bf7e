#include "chart/series/price/PointFigureEditor.h"

#include <algorithm>

#include "chart/editors/EditorControls.h"
#include "chart/editors/PointerEditor.h"
#include "chart/editors/SeriesEditorControls.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/series/price/PointFigureSeries.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/Edit.h"

TPointFigureEditor::TPointFigureEditor(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 260, 80);
    SetAlign(alClient);
    MakeLabel(this, 8, 12, "&Box size:");
    EBoxSize = MakeControl<TEdit>(this, 120, 8, 70, 21);
    EBoxSize->SetText("1");
    MakeLabel(this, 8, 44, "&Reversal amount:");
    EReversal = MakeControl<TEdit>(this, 120, 40, 70, 21);
    EReversal->SetText("3");
    EBoxSize->OnChange = [this](TObject*) {
        if (FSeries && Showing() && !Loading())
            FSeries->SetBoxSize(double(StrToFloatDef(EBoxSize->Text(), FSeries->BoxSize())));
    };
    EReversal->OnChange = [this](TObject*) {
        if (FSeries && Showing() && !Loading())
            FSeries->SetReversalAmount(
                double(StrToFloatDef(EReversal->Text(), FSeries->ReversalAmount())));
    };
    DoCreate();
}

TPointFigureEditor::~TPointFigureEditor() {
    // Freeing a page tells Notification, which takes it off the list: free from a copy.
    const std::vector<TForm*> pages = std::move(FPages);
    FPages.clear();
    for (TForm* page : pages) FreeSubPage(page);
}

void TPointFigureEditor::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove)
        std::erase_if(FPages, [component](TForm* page) {
            return static_cast<TComponent*>(page) == component;
        });
    TForm::Notification(component, operation);
}

void TPointFigureEditor::DoShow() {
    if (auto* series = dynamic_cast<TPointFigureSeries*>(TagObject())) FSeries = series;
    if (FSeries) {
        auto loading = LoadGuard();
        EBoxSize->SetText(FloatToStr(FSeries->BoxSize()));
        EReversal->SetText(FloatToStr(FSeries->ReversalAmount()));
        if (Parent() && FPages.empty()) {
            const std::pair<TSeriesPointer*, const std::string*> pages[] = {
                {FSeries->UpSymbol(), &TxtExtUp}, {FSeries->DownSymbol(), &TxtExtDown}};
            for (const auto& [pointer, caption] : pages)
                if (TForm* page = EmbedPointerEditor(this, pointer, *caption))
                    FPages.push_back(WatchSubPage(this, page));
        }
    }
    ApplyFormHook(this);
    TForm::DoShow();
}
