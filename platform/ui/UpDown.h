#pragma once
// Up and down arrows that step Position between Min and Max; bound to an edit (Associate) they
// sit at its right edge and show Position in it, and start each step from the number in it.
#include "platform/ui/Control.h"

enum TUDBtnType { btNext, btPrev };

class TUpDown : public TWinControl {
    KV_DECLARE_CLASS(TUpDown, TWinControl)
public:
    explicit TUpDown(TComponent* owner);
    ~TUpDown() override;

    TWinControl* Associate() const { return FAssociate; }
    void SetAssociate(TWinControl* value);
    int Min() const { return FMin; }
    void SetMin(int value);
    int Max() const { return FMax; }
    void SetMax(int value);
    int Increment() const { return FIncrement; }
    void SetIncrement(int value) { FIncrement = value; }
    // A step past one end of the range goes on from the other end.
    bool Wrap() const { return FWrap; }
    void SetWrap(bool value) { FWrap = value; }
    int Position() const { return FPosition; }
    // Brought within Min..Max; shown in the associate.
    void SetPosition(int value);

    // What a click on an arrow does: one Increment up (btNext) or down, then OnClick.
    void Step(TUDBtnType button);

    TNotifyEvent OnChange;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TWinControl* FAssociate = nullptr;
    int FMin = 0;
    int FMax = 100;
    int FIncrement = 1;
    int FPosition = 0;
    bool FWrap = false;
};
