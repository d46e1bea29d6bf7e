#pragma once
// The series band tool's editor: the second series, the fill, the outline, the drawing order
// and the see-through.
#include "chart/editors/EditorControls.h"
#include "chart/editors/SeriesToolEditor.h"

class TButton;
class TButtonGradient;
class TButtonPen;
class TCheckBox;
class TComboFlat;
class TEdit;
class TSeriesBandTool;
class TUpDown;

class TSeriesBandToolEdit : public TSeriesToolEditor {
    KV_DECLARE_CLASS(TSeriesBandToolEdit, TSeriesToolEditor)
public:
    explicit TSeriesBandToolEdit(TComponent* owner);
    ~TSeriesBandToolEdit() override;

    TSeriesBandTool* BandTool() const;

    TComboFlat* CBSeries2;
    TButton* Button1;
    TButtonPen* BPen;
    TCheckBox* CBDrawBehindSeries;
    TEdit* ETransp;
    TUpDown* UDTransp;
    TButtonGradient* BGradient;

protected:
    void DoShow() override;
};
