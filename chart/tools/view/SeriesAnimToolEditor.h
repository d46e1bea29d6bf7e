#pragma once
// The series animation tool's editor (TSeriesAnimToolEditor), below the series chooser: steps,
// start value, groups, delay and loop, and a button that runs the animation and, while it
// runs, stops it. The form does not close while a run goes on. Tag holds the tool.
#include "chart/editors/SeriesToolEditor.h"

class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TScrollBar;
class TSeriesAnimationTool;
class TUpDown;

inline constexpr const char* SAnimationExecute = "&Execute !";
inline constexpr const char* SAnimationStop = "Stop";

class TSeriesAnimToolEditor : public TSeriesToolEditor {
    KV_DECLARE_CLASS(TSeriesAnimToolEditor, TSeriesToolEditor)
public:
    explicit TSeriesAnimToolEditor(TComponent* owner);
    ~TSeriesAnimToolEditor() override;

    TSeriesAnimationTool* Animation() const;

    TScrollBar* SBSteps;
    TLabel* LSteps;
    TCheckBox* CBStartMin;
    TEdit* EStartValue;
    TEdit* EDrawEvery;
    TUpDown* UDDrawEvery;
    TEdit* EDelay;
    TUpDown* UDDelay;
    TComboBox* CBLoop;
    TButton* BExecute;

    // Runs the animation, or stops the one running.
    void ExecuteClick();
    bool CloseQuery() override;

protected:
    void DoShow() override;

private:
    void EnableControls();
};
