#pragma once
// Push buttons. The caption takes "&" before the access key and "&&" for an ampersand. A button
// with a ModalResult gives it to its form when clicked (before OnClick); the Default button
// answers Enter and the Cancel button Esc anywhere in the form.
#include "platform/ui/Control.h"

class QWidget;
class TBitmap;

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
    // After the button's own painting, OverlayRect of a bitmap of the button's size, painted by
    // PaintOverlay, is laid over it (a symbol next to the caption). Nothing when it is empty.
    virtual TRect OverlayRect() const { return TRect{}; }
    virtual void PaintOverlay(TBitmap& /*Overlay*/) {}

private:
    friend class TButtonWidget;
    void PaintOverlayOn(QWidget& widget);

    bool FDefault = false;
    bool FCancel = false;
    TModalResult FModalResult = mrNone;
};
