#pragma once
// The wind rose's options: those of the polar series without "ClockWise", the angle increment
// always shown, and the two mirrors.
#include "chart/series/polar/PolarSeriesEditor.h"

class TWindRoseSeries;

class TWindRoseEditor : public TPolarSeriesEditor {
    KV_DECLARE_CLASS(TWindRoseEditor, TPolarSeriesEditor)
public:
    explicit TWindRoseEditor(TComponent* owner);
    ~TWindRoseEditor() override;

    TCheckBox* CBMirrorAngles;
    TCheckBox* CBMirrorLabels;

    void ShowAngleIncrementControls() override {}
};
