#pragma once
// The grid transpose tool's editor: the chart's 3-D grid series to choose from and the command.
#include "chart/editors/SeriesToolEditor.h"

class TButton;
class TGridTransposeTool;

class TGridTransposeToolEdit : public TSeriesToolEditor {
    KV_DECLARE_CLASS(TGridTransposeToolEdit, TSeriesToolEditor)
public:
    explicit TGridTransposeToolEdit(TComponent* owner);
    ~TGridTransposeToolEdit() override;

    TGridTransposeTool* GridTool() const;

    TButton* BTranspose;

protected:
    void DoShow() override;
};
