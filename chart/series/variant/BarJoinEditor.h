#pragma once
// The bar join series' options: the bar editor with a button for the joining lines' pen.
#include "chart/editors/BarSeriesEditor.h"

class TButtonPen;

class TBarJoinEditor : public TBarSeriesEditor {
    KV_DECLARE_CLASS(TBarJoinEditor, TBarSeriesEditor)
public:
    explicit TBarJoinEditor(TComponent* owner);
    ~TBarJoinEditor() override;

    TButtonPen* BJoin;

protected:
    void DoShow() override;
};
