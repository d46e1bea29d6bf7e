#pragma once
// Push buttons. The caption takes "&" before the access key and "&&" for an ampersand. A button
// with a ModalResult gives it to its form when clicked (before OnClick); the Default button
// answers Enter and the Cancel button Esc anywhere in the form.
#include "platform/ui/Control.h"

class TButton : public TWinControl {
    KV_DECLARE_CLASS(TButton, TWinControl)
public:
    explicit TButton(TComponent* owner);
    ~TButton() override;

    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }

    void Click() override;
    bool DialogKey(int key) override;

protected:
    void TextChanged() override;
    bool ClicksOnMouseUp() const override { return false; }

private:
    bool FDefault = false;
    bool FCancel = false;
    TModalResult FModalResult = mrNone;
};
