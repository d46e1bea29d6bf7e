#pragma once
// A panel: a plain area with an outer and an inner bevel and a centred caption.
#include "platform/ui/Control.h"

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class TPanel : public TWinControl {
    KV_DECLARE_CLASS(TPanel, TWinControl)
public:
    explicit TPanel(TComponent* owner);
    ~TPanel() override;

    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut value);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);

    // Inside the bevels and the border.
    TRect ClientRect() const override;

protected:
    void TextChanged() override;

private:
    void Changed();
    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvRaised;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
};
