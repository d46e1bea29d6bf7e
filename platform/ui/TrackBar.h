#pragma once
// A slider over Min..Max. The arrow keys move Position by LineSize, Page Up/Down and a click
// beside the thumb by PageSize. Every change of Position, by the user or from code, fires
// OnChange. Ticks mark every Frequency values (TickStyle tsAuto) on the side(s) TickMarks names.
// A vertical bar has Min at the top; Down, Right and Page Down move towards Max.
#include "platform/ui/Control.h"

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickStyle { tsNone, tsAuto, tsManual };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };

class TTrackBar : public TWinControl {
    KV_DECLARE_CLASS(TTrackBar, TWinControl)
public:
    explicit TTrackBar(TComponent* owner);
    ~TTrackBar() override;

    int Min() const { return FMin; }
    void SetMin(int value);
    int Max() const { return FMax; }
    void SetMax(int value);
    int Position() const { return FPosition; }
    // Brought into Min..Max.
    void SetPosition(int value);
    int Frequency() const { return FFrequency; }
    void SetFrequency(int value);
    int LineSize() const { return FLineSize; }
    void SetLineSize(int value);
    int PageSize() const { return FPageSize; }
    void SetPageSize(int value);
    TTrackBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TTrackBarOrientation value);
    TTickStyle TickStyle() const { return FTickStyle; }
    void SetTickStyle(TTickStyle value);
    TTickMark TickMarks() const { return FTickMarks; }
    void SetTickMarks(TTickMark value);

    static void Publish(TPublisher<TTrackBar>& p);

    TNotifyEvent OnChange;

protected:
    // The keys and clicks beside the thumb follow our rules, not the toolkit's: Page Down and
    // Down go towards Max in both orientations.
    void KeyDown(int& key, TShiftState shift) override;
    bool ToolkitEvent(QEvent* event) override;

private:
    void ShowState();
    void ValueChanged(int value);

    int FMin = 0;
    int FMax = 10;
    int FPosition = 0;
    int FFrequency = 1;
    int FLineSize = 1;
    int FPageSize = 2;
    TTrackBarOrientation FOrientation = trHorizontal;
    TTickStyle FTickStyle = tsAuto;
    TTickMark FTickMarks = tmBottomRight;
    bool FShowing = false;
};
