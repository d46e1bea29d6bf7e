#pragma once
// The water-fall series editor: the surface editor and the pen of the lines between the bands.
// Tag holds the series.
#include "chart/editors/SurfaceSeriesEditor.h"

class TButtonPen;

class TWaterFallEditor : public TSurfaceSeriesEditor {
    KV_DECLARE_CLASS(TWaterFallEditor, TSurfaceSeriesEditor)
public:
    explicit TWaterFallEditor(TComponent* owner);
    ~TWaterFallEditor() override;

    TButtonPen* BLines;

protected:
    void DoShow() override;
};
