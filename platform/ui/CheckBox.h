#pragma once
// Check boxes and radio buttons. Changing Checked, by a click or from code, fires OnClick (a
// radio button only when it becomes checked); radio buttons in one parent exclude each other.
#include "platform/ui/Control.h"

class TCheckBox : public TWinControl {
    KV_DECLARE_CLASS(TCheckBox, TWinControl)
public:
    explicit TCheckBox(TComponent* owner);
    ~TCheckBox() override;

    bool Checked() const;
    void SetChecked(bool value);

protected:
    void TextChanged() override;
    bool ClicksOnMouseUp() const override { return false; }

private:
    bool FSetting = false;
};

class TRadioButton : public TWinControl {
    KV_DECLARE_CLASS(TRadioButton, TWinControl)
public:
    explicit TRadioButton(TComponent* owner);
    ~TRadioButton() override;

    bool Checked() const;
    void SetChecked(bool value);

protected:
    void TextChanged() override;
    bool ClicksOnMouseUp() const override { return false; }

private:
    bool FSetting = false;
};
