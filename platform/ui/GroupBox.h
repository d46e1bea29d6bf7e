#pragma once
// A captioned frame around other controls; its client area lies inside the frame, below the
// caption.
#include "platform/ui/Control.h"

class TGroupBox : public TWinControl {
    KV_DECLARE_CLASS(TGroupBox, TWinControl)
public:
    explicit TGroupBox(TComponent* owner);
    ~TGroupBox() override;

    TRect ClientRect() const override;

protected:
    TGroupBox(TComponent* owner, QWidget* widget);
    void TextChanged() override;
};
