#pragma once
// The extra legend tool's editor: the series combo, and the chart editor's legend page on the
// tool's own legend filling the rest of the form.
#include "chart/editors/SeriesToolEditor.h"

class TExtraLegendTool;
class TFormTeeLegend;

class TExtraLegendEditor : public TSeriesToolEditor {
    KV_DECLARE_CLASS(TExtraLegendEditor, TSeriesToolEditor)
public:
    explicit TExtraLegendEditor(TComponent* owner);
    ~TExtraLegendEditor() override;

    TExtraLegendTool* LegendTool() const;
    // Made when the form first shows on a tool.
    TFormTeeLegend* LegendPage() const { return FLegendPage; }

protected:
    void DoShow() override;

private:
    TFormTeeLegend* FLegendPage = nullptr;
};
