#pragma once
// The surface nearest tool's editor: the surface series, and the three highlight colours, each
// with "Default" and "None".
#include <array>

#include "chart/editors/SeriesToolEditor.h"

class TButtonColor;
class TCheckBox;
class TSurfaceNearestTool;

class TSurfaceNearest : public TSeriesToolEditor {
    KV_DECLARE_CLASS(TSurfaceNearest, TSeriesToolEditor)
public:
    explicit TSurfaceNearest(TComponent* owner);
    ~TSurfaceNearest() override;

    TSurfaceNearestTool* NearestTool() const;

    // Cell, row and column, in that order.
    std::array<TButtonColor*, 3> ColorButtons{};
    std::array<TCheckBox*, 3> DefaultBoxes{};
    std::array<TCheckBox*, 3> NoneBoxes{};

protected:
    void DoShow() override;

private:
    void LoadColors();
};
