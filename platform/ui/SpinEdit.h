#pragma once
// A number edit with up and down arrows, between MinValue and MaxValue (both 0: no bounds).
// OnChange follows every change of Value, typed, stepped or set from code.
#include "platform/ui/Control.h"

class TSpinEdit : public TWinControl {
    KV_DECLARE_CLASS(TSpinEdit, TWinControl)
public:
    explicit TSpinEdit(TComponent* owner);
    ~TSpinEdit() override;

    int MinValue() const { return FMinValue; }
    void SetMinValue(int value);
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int value);
    int Increment() const { return FIncrement; }
    void SetIncrement(int value);
    int Value() const;
    // Brought within the bounds.
    void SetValue(int value);

    TNotifyEvent OnChange;

protected:
    const std::string& GetText() const override;
    void TextChanged() override;

private:
    void ApplyRange();
    int FMinValue = 0;
    int FMaxValue = 0;
    int FIncrement = 1;
    mutable std::string FTextCache;
};
