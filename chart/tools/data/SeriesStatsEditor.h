#pragma once
// The statistics tool's editor: check boxes that add (or switch on and off) function series
// computed from the tool's series, each with a button to its series' dialog, and the
// statistics text.
#include <array>

#include "chart/editors/SeriesToolEditor.h"

class TButton;
class TCheckBox;
class TMemo;
class TPageControl;
class TSeriesStatsTool;
class TTabSheet;
class TTeeFunction;

class TSeriesStatsEditor : public TSeriesToolEditor {
    KV_DECLARE_CLASS(TSeriesStatsEditor, TSeriesToolEditor)
public:
    static constexpr int FunctionCount = 6;

    explicit TSeriesStatsEditor(TComponent* owner);
    ~TSeriesStatsEditor() override;

    TSeriesStatsTool* StatsTool() const;
    // The function series' function a box stands for, when there is one.
    TTeeFunction* BoxFunction(int box) const { return FFunctions[size_t(box)]; }

    TPageControl* PageControl1;
    TTabSheet* TabStats;
    TTabSheet* TabInfo;
    std::array<TCheckBox*, FunctionCount> Boxes{};
    std::array<TButton*, FunctionCount> Buttons{};
    TMemo* Memo1;

protected:
    void DoShow() override;

private:
    void Refresh();
    void RefillInfo();
    void BoxClicked(int box);
    TTeeFunction* FindFunction(int box) const;

    std::array<TTeeFunction*, FunctionCount> FFunctions{};
};
