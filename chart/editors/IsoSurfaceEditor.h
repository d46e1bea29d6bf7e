#pragma once
// The isosurface series editor: the surface editor without its smooth-palette box (the bands
// take the palette's colours as they are) and with the pen of the lines between the bands.
// Tag holds the series.
#include "chart/editors/SurfaceSeriesEditor.h"

class TButtonPen;

class TIsoSurfaceEditor : public TSurfaceSeriesEditor {
    KV_DECLARE_CLASS(TIsoSurfaceEditor, TSurfaceSeriesEditor)
public:
    explicit TIsoSurfaceEditor(TComponent* owner);
    ~TIsoSurfaceEditor() override;

    TButtonPen* BBandsPen;

protected:
    void DoShow() override;
};
