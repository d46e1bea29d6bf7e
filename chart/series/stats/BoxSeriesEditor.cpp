#include "chart/series/stats/BoxSeriesEditor.h"

#include <algorithm>

#include "chart/editors/EditorControls.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/PointerEditor.h"
#include "chart/editors/SeriesEditorControls.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/series/stats/CustomBoxSeries.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/Edit.h"

TBoxSeriesEditor::TBoxSeriesEditor(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 260, 80);
    SetAlign(alClient);
    BMedian = MakeControl<TButtonPen>(this, 8, 8, 90, 25);
    BMedian->SetCaption("&Median...");
    BWhisker = MakeControl<TButtonPen>(this, 8, 40, 90, 25);
    BWhisker->SetCaption("&Whisker...");
    MakeLabel(this, 110, 12, "&Length:");
    ELength = MakeControl<TEdit>(this, 170, 8, 70, 21);
    MakeLabel(this, 110, 44, "&Position:");
    EPos = MakeControl<TEdit>(this, 170, 40, 70, 21);
    ELength->OnChange = [this](TObject*) {
        ApplyTyped(ELength, &TCustomBoxSeries::SetWhiskerLength);
    };
    EPos->OnChange = [this](TObject*) { ApplyTyped(EPos, &TCustomBoxSeries::SetPosition); };
    DoCreate();
}

TBoxSeriesEditor::~TBoxSeriesEditor() {
    // Freeing a page tells Notification, which takes it off the list: free from a copy.
    const std::vector<TForm*> pages = std::move(FPages);
    FPages.clear();
    for (TForm* page : pages) FreeSubPage(page);
}

void TBoxSeriesEditor::ApplyTyped(TEdit* edit, void (TCustomBoxSeries::*set)(double)) {
    if (Loading() || !FSeries || !Showing() || edit->Text().empty()) return;
    (FSeries->*set)(double(StrToFloat(edit->Text())));
}

void TBoxSeriesEditor::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove)
        std::erase_if(FPages, [component](TForm* page) {
            return static_cast<TComponent*>(page) == component;
        });
    TForm::Notification(component, operation);
}

void TBoxSeriesEditor::DoShow() {
    if (auto* series = dynamic_cast<TCustomBoxSeries*>(TagObject())) FSeries = series;
    if (FSeries) {
        auto loading = LoadGuard();
        BMedian->LinkPen(FSeries->MedianPen());
        BWhisker->LinkPen(FSeries->WhiskerPen());
        ELength->SetText(FloatToStr(FSeries->WhiskerLength()));
        EPos->SetText(FloatToStr(FSeries->Position()));
        if (Parent() && FPages.empty()) {
            const std::pair<TSeriesPointer*, const std::string*> pages[] = {
                {FSeries->Pointer(), &TxtExtBox},
                {FSeries->ExtrOut(), &TxtExtExtrOut},
                {FSeries->MildOut(), &TxtExtMildOut}};
            for (const auto& [pointer, caption] : pages)
                if (TForm* page = EmbedPointerEditor(this, pointer, *caption))
                    FPages.push_back(WatchSubPage(this, page));
        }
    }
    ApplyFormHook(this);
    TForm::DoShow();
}
