#pragma once
// Marks the slice of a pie series under the mouse: outlined with a thick pen (ptFocus), or
// exploded out of the pie in a short animation (ptExplode) that runs synchronously inside the
// mouse move, 30 repaints with a pause between them. Leaving a slice unmarks it.
#include <string>

#include "chart/engine/ChartTools.h"
#include "platform/classes/PropInfo.h"
#include "platform/graphics/Colors.h"

class TPieSeries;

enum TPieToolStyle { ptFocus, ptExplode };
const TEnumInfo& PieToolStyleNames();

class TPieTool : public TTeeCustomToolSeries {
    KV_DECLARE_CLASS(TPieTool, TTeeCustomToolSeries)
public:
    // The explode animation's steps and the distance a marked slice moves out.
    static constexpr int ExplodeSteps = 30;
    static constexpr int ExplodeDistance = 40;

    explicit TPieTool(TComponent* owner);

    TPieToolStyle Style() const { return FStyle; }
    void SetStyle(TPieToolStyle value) { FStyle = value; }
    // The marked slice, -1 when none.
    int Slice() const { return FSlice; }
    // Milliseconds between two steps of the explode animation.
    int StepDelay() const { return FStepDelay; }
    void SetStepDelay(int value) { FStepDelay = value; }
    // The explode amount at step b (1 .. ExplodeSteps) of the way out.
    static int ExplodeAmount(int b);
    // The outline's colour for a slice of sliceColor: the pen's, unless the slice has that
    // colour; then black, or white when the pen is black.
    TColor FocusColor(TColor sliceColor) const;

    void ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int x,
                         int y) override;

    static std::string KindName() { return "Pie Slices"; }
    static std::string KindDescription() {
        return "Outlines or expands Pie slices when moving or clicking with mouse.";
    }
    static std::string EditorClassName() { return "TPieToolEditor"; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TPieTool>& p);

private:
    TPieSeries* Pie() const;
    void Mark(TPieSeries& pie, int slice);
    void Unmark(TPieSeries& pie, int slice);
    // Puts the explode amount in place, waits StepDelay and repaints the chart at once.
    void ExplodeStep(TPieSeries& pie, int slice, int amount);

    int FStepDelay = 1;
    TPieToolStyle FStyle = ptFocus;
    int FSlice = -1;
};
