// The controls each filter asks the filter editor's builder for, captions from the library texts.
#include "chart/foundation/FormCreator.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeFilterTransforms.h"
#include "chart/foundation/TeeFilters.h"
#include "platform/ui/ScrollBar.h"

void TTeeFilter::BuildEditor(TFormCreator&, TNotifyEvent OnChange) {
    FEditorChanged = std::move(OnChange);
}

void TBlurFilter::BuildEditor(TFormCreator& Creator, TNotifyEvent OnChange) {
    TConvolveFilter::BuildEditor(Creator, std::move(OnChange));
    Creator.AddScrollBar("Steps", 1, 20);
    Creator.AddScrollBar("Amount", 0, 50);
}

namespace {

// Percent amounts run to 100, channel steps to 255; only-positive filters start at 0.
struct TAmountRange {
    int Min, Max;
};
TAmountRange AmountRange(const TAmountFilter& Filter) {
    const int limit = Filter.Percent() ? 100 : 255;
    return {Filter.OnlyPositive() ? 0 : -limit, limit};
}

}  // namespace

void TAmountFilter::BuildEditor(TFormCreator& Creator, TNotifyEvent OnChange) {
    TTeeFilter::BuildEditor(Creator, std::move(OnChange));
    const TAmountRange range = AmountRange(*this);
    TScrollBar* bar = Creator.AddScrollBar("Amount", range.Min, range.Max);
    // The handler lives with the editor's check box, as long as the scroll bar it re-ranges.
    Creator.AddBooleanEditor("Percent", TxtPercent, [this, bar] {
        if (!bar) return;
        const TAmountRange now = AmountRange(*this);
        bar->SetParams(bar->Position(), now.Min, now.Max);
    });
}

void TGrayScaleFilter::BuildEditor(TFormCreator& Creator, TNotifyEvent OnChange) {
    TTeeFilter::BuildEditor(Creator, std::move(OnChange));
    Creator.AddChoiceEditor("Method");
}

void TColorFilter::BuildEditor(TFormCreator& Creator, TNotifyEvent OnChange) {
    TTeeFilter::BuildEditor(Creator, std::move(OnChange));
    for (const char* channel : {"Red", "Green", "Blue"}) Creator.AddScrollBar(channel, -255, 255);
}

void THueLumSatFilter::BuildEditor(TFormCreator& Creator, TNotifyEvent OnChange) {
    TTeeFilter::BuildEditor(Creator, std::move(OnChange));
    for (const char* part : {"Hue", "Luminance", "Saturation"})
        Creator.AddScrollBar(part, -255, 255);
}

void TBevelFilter::BuildEditor(TFormCreator& Creator, TNotifyEvent OnChange) {
    TTeeFilter::BuildEditor(Creator, std::move(OnChange));
    Creator.AddScrollBar("Bright", 1, 255);
    Creator.AddScrollBar("Size", 1, 1000);
}

void TResizeFilter::BuildEditor(TFormCreator& Creator, TNotifyEvent OnChange) {
    TTeeFilter::BuildEditor(Creator, std::move(OnChange));
    Creator.AddIntegerEditor("Width", TxtWidth, 0, 10000);
    Creator.AddIntegerEditor("Height", TxtHeight, 0, 10000);
}

void TCropFilter::BuildEditor(TFormCreator& Creator, TNotifyEvent OnChange) {
    TResizeFilter::BuildEditor(Creator, std::move(OnChange));
    Creator.AddIntegerEditor("Left", TxtLeft, 0, 10000);
    Creator.AddIntegerEditor("Top", TxtTop, 0, 10000);
    Creator.AddBooleanEditor("Smooth", TxtSmooth);
}

void TZoomFilter::BuildEditor(TFormCreator& Creator, TNotifyEvent OnChange) {
    TTeeFilter::BuildEditor(Creator, std::move(OnChange));
    Creator.AddScrollBar("Percent", 0, 100);
    Creator.AddBooleanEditor("Smooth", TxtSmooth);
}

void TRotateFilter::BuildEditor(TFormCreator& Creator, TNotifyEvent OnChange) {
    TTeeFilter::BuildEditor(Creator, std::move(OnChange));
    Creator.AddScrollBar("Angle", 0, 360);
    Creator.AddColorEditor("BackColor", TxtBack);
    Creator.AddBooleanEditor("AutoSize", TxtAutosize);
}

void TMirrorFilter::BuildEditor(TFormCreator& Creator, TNotifyEvent OnChange) {
    TTeeFilter::BuildEditor(Creator, std::move(OnChange));
    Creator.AddChoiceEditor("Direction");
}

void TTileFilter::BuildEditor(TFormCreator& Creator, TNotifyEvent OnChange) {
    TTeeFilter::BuildEditor(Creator, std::move(OnChange));
    Creator.AddIntegerEditor("NumCols", TxtColumns, 1, 1000);
    Creator.AddIntegerEditor("NumRows", TxtRows, 1, 1000);
}
