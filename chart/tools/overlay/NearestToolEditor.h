#pragma once
// The nearest point tool's editor: the mark's pen, brush, style and size, the line's pen and
// whether the chart is drawn again on every move. The tool comes in Tag.
#include "chart/editors/EditorControls.h"
#include "chart/editors/SeriesToolEditor.h"

class TButton;
class TButtonPen;
class TCheckBox;
class TComboBox;
class TNearestTool;

class TNearestToolEdit : public TSeriesToolEditor {
    KV_DECLARE_CLASS(TNearestToolEdit, TSeriesToolEditor)
public:
    explicit TNearestToolEdit(TComponent* owner);
    ~TNearestToolEdit() override;

    TNearestTool* NearestTool() const;

    TButtonPen* BPen;
    TButton* BBrush;
    TButtonPen* BLine;
    TComboBox* CBStyle;
    TUpDownEdit SizeEdit;
    TCheckBox* CBFullRepaint;

protected:
    void DoShow() override;
};
