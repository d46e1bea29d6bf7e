#pragma once
// A bar that shows how far a task has gone: Position within Min..Max, moved from code only.
// StepIt adds Step and starts over from Min once Max is passed; StepBy adds any amount and stops
// at the ends.
#include <algorithm>

#include "platform/ui/Control.h"

enum TProgressBarOrientation { pbHorizontal, pbVertical };

class TProgressBar : public TWinControl {
    KV_DECLARE_CLASS(TProgressBar, TWinControl)
public:
    explicit TProgressBar(TComponent* owner);
    ~TProgressBar() override;

    int Min() const { return FMin; }
    void SetMin(int value) { SetRange(value, std::max(value, FMax)); }
    int Max() const { return FMax; }
    void SetMax(int value) { SetRange(std::min(FMin, value), value); }
    // Position is brought into the new range.
    void SetRange(int min, int max);
    int Position() const { return FPosition; }
    // Brought into Min..Max.
    void SetPosition(int value);
    int Step() const { return FStep; }
    void SetStep(int value) { FStep = value; }
    void StepIt();
    void StepBy(int delta) { SetPosition(FPosition + delta); }
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool value) { FSmooth = value; }
    TProgressBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TProgressBarOrientation value);

    static void Publish(TPublisher<TProgressBar>& p);

private:
    void ShowState();

    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FStep = 10;
    bool FSmooth = false;
    TProgressBarOrientation FOrientation = pbHorizontal;
};
