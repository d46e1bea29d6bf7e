#pragma once
// The marks tip tool's editor: the series ("(all)" for every series), whether a move or a click
// shows the tip, the mark style of the tip, and the application's hint delays. The style names
// are the series editor's own list. The tool comes in Tag.
#include "chart/editors/EditorControls.h"
#include "chart/editors/SeriesToolEditor.h"

class TComboBox;
class TMarksTipTool;
class TRadioGroup;

class TMarksTipToolEdit : public TSeriesToolEditor {
    KV_DECLARE_CLASS(TMarksTipToolEdit, TSeriesToolEditor)
public:
    explicit TMarksTipToolEdit(TComponent* owner);
    ~TMarksTipToolEdit() override;

    TMarksTipTool* MarksTipTool() const;

    TRadioGroup* RGMouseAction;
    TComboBox* CBStyle;
    TUpDownEdit Delay;
    TUpDownEdit HideDelay;

protected:
    void DoShow() override;

private:
    void FillStyles();
};
