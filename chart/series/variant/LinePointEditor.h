#pragma once
// The line point series' options: the point-marker editor with a button for the guide lines'
// pen.
#include "chart/editors/PointerEditor.h"

class TMyPointSeries;

class TLinePointEditor : public TSeriesPointerEditor {
    KV_DECLARE_CLASS(TLinePointEditor, TSeriesPointerEditor)
public:
    explicit TLinePointEditor(TComponent* owner);
    ~TLinePointEditor() override;

    TButtonPen* BLines;

protected:
    void DoShow() override;
};
