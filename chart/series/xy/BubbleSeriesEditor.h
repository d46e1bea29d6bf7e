#pragma once
// The point-marker editor on a bubble series, less its visibility box: the bubbles cannot be
// switched off here. Tag holds the series.
#include "chart/editors/PointerEditor.h"

class TBubbleSeriesEditor : public TSeriesPointerEditor {
    KV_DECLARE_CLASS(TBubbleSeriesEditor, TSeriesPointerEditor)
public:
    explicit TBubbleSeriesEditor(TComponent* owner);
    ~TBubbleSeriesEditor() override;

protected:
    void DoShow() override;
};
