#pragma once
// A pair of auto-repeating arrow buttons, stacked (up over down) or side by side (left of
// right). The spin edit carries one inside its right edge; it can also stand alone next to any
// control it steps.
#include "controls/RzControlButton.h"
#include "platform/ui/CustomControl.h"

enum TOrientation { orHorizontal, orVertical };
enum TSpinDirection { sdUpDown, sdLeftRight };

class TRzSpinButtons : public TCustomControl {
    KV_DECLARE_CLASS(TRzSpinButtons, TCustomControl)
public:
    explicit TRzSpinButtons(TComponent* owner);
    ~TRzSpinButtons() override;

    int Delay() const;
    void SetDelay(int value);
    int InitialDelay() const;
    void SetInitialDelay(int value);
    TSpinDirection Direction() const { return FDirection; }
    virtual void SetDirection(TSpinDirection value);
    TOrientation Orientation() const { return FOrientation; }
    virtual void SetOrientation(TOrientation value);
    bool Flat() const { return FFlat; }
    virtual void SetFlat(bool value);
    void SetEnabled(bool value) override;
    void SetButtonsColor(TColor value);
    // The control focused when a button is pressed; cleared when it is freed.
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* value);
    // A custom glyph makes a button plain; null gives it back its arrow.
    void SetGlyphUpRight(const TBitmap* value);
    void SetGlyphDownLeft(const TBitmap* value);

    TRzControlButton* UpRightButton() const { return FUpRight; }
    TRzControlButton* DownLeftButton() const { return FDownLeft; }

    void SetBounds(int left, int top, int width, int height) override;

    TNotifyEvent OnUpRightClick;
    TNotifyEvent OnDownLeftClick;

    static void Publish(TPublisher<TRzSpinButtons>& p);

protected:
    void KeyDown(int& key, TShiftState shift) override;
    void Notification(TComponent* component, TOperation operation) override;
    virtual void LayoutButtons();

private:
    TRzControlButton* CreateButton();
    void ButtonMouseDown(TMouseButton button);
    void ApplyArrowStyles();
    void SetGlyph(TRzControlButton* button, bool& custom, const TBitmap* value);

    TRzControlButton* FUpRight = nullptr;  // owned as components
    TRzControlButton* FDownLeft = nullptr;
    TWinControl* FFocusControl = nullptr;
    TSpinDirection FDirection = sdUpDown;
    TOrientation FOrientation = orVertical;
    bool FFlat = false;
    bool FCustomUpRight = false;
    bool FCustomDownLeft = false;
};
