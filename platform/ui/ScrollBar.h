#pragma once
// A scroll bar over Min..Max. With a PageSize the thumb stands for a page and Position goes up
// to Max - PageSize + 1. OnChange follows every change of Position, dragged or set from code.
#include "platform/ui/Control.h"

enum TScrollBarKind { sbHorizontal, sbVertical };

class TScrollBar : public TWinControl {
    KV_DECLARE_CLASS(TScrollBar, TWinControl)
public:
    explicit TScrollBar(TComponent* owner);
    ~TScrollBar() override;

    TScrollBarKind Kind() const { return FKind; }
    void SetKind(TScrollBarKind value);
    int Min() const { return FMin; }
    void SetMin(int value) { SetParams(FPosition, value, FMax); }
    int Max() const { return FMax; }
    void SetMax(int value) { SetParams(FPosition, FMin, value); }
    int Position() const { return FPosition; }
    void SetPosition(int value) { SetParams(value, FMin, FMax); }
    int PageSize() const { return FPageSize; }
    void SetPageSize(int value);
    int SmallChange() const { return FSmallChange; }
    void SetSmallChange(int value);
    int LargeChange() const { return FLargeChange; }
    void SetLargeChange(int value);
    // Sets the range and the position at once (the position brought into the range).
    void SetParams(int position, int min, int max);

    TNotifyEvent OnChange;

private:
    void Apply();
    TScrollBarKind FKind = sbHorizontal;
    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FPageSize = 0;
    int FSmallChange = 1;
    int FLargeChange = 1;
    bool FApplying = false;
};
