#pragma once
// The draw line tool's editor: the mouse button, drawing and selecting switches, the click
// tolerance, and the style and pen of new lines. The tool comes in Tag.
#include "chart/editors/EditorControls.h"
#include "chart/editors/SeriesToolEditor.h"

class TButtonPen;
class TCheckBox;
class TComboBox;
class TDrawLineTool;
class TPageControl;
class TTabSheet;

class TDrawLineEdit : public TSeriesToolEditor {
    KV_DECLARE_CLASS(TDrawLineEdit, TSeriesToolEditor)
public:
    explicit TDrawLineEdit(TComponent* owner);
    ~TDrawLineEdit() override;

    TDrawLineTool* DrawLineTool() const;

    TPageControl* PageControl1;
    TTabSheet* TabOptions;
    TComboBox* CBButton;
    TCheckBox* CBEnableDraw;
    TCheckBox* CBEnableSelect;
    TUpDownEdit Tolerance;
    TCheckBox* CBSelectNew;
    TTabSheet* TabFormat;
    TComboBox* CBStyle;
    TButtonPen* BPen;

protected:
    void DoShow() override;
};
