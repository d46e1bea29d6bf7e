#pragma once
// A pair of auto-repeating arrow buttons, stacked (up over down) or side by side (left of
// right). The spin edit carries one inside its right edge; it can also stand alone next to any
// control it steps.
#include "controls/RzControlButton.h"
#include "platform/ui/CustomControl.h"

enum TOrientation { orHorizontal, orVertical };
enum TSpinDirection { sdUpDown, sdLeftRight };
const TEnumInfo& OrientationNames();
const TEnumInfo& SpinDirectionNames();

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
    // A custom glyph makes a button plain; null or an empty one gives it back its arrow.
    TBitmap* GlyphUpRight() const;
    virtual void SetGlyphUpRight(const TBitmap* value);
    TBitmap* GlyphDownLeft() const;
    virtual void SetGlyphDownLeft(const TBitmap* value);
    int NumGlyphsUpRight() const { return FUpRight->NumGlyphs(); }
    virtual void SetNumGlyphsUpRight(int value) { FUpRight->SetNumGlyphs(value); }
    int NumGlyphsDownLeft() const { return FDownLeft->NumGlyphs(); }
    virtual void SetNumGlyphsDownLeft(int value) { FDownLeft->SetNumGlyphs(value); }
    bool CustomUpRight() const { return FCustomUpRight; }
    bool CustomDownLeft() const { return FCustomDownLeft; }

    TRzControlButton* UpRightButton() const { return FUpRight; }
    TRzControlButton* DownLeftButton() const { return FDownLeft; }

    void SetBounds(int left, int top, int width, int height) override;

    TNotifyEvent OnUpRightClick;
    TNotifyEvent OnDownLeftClick;

    static void Publish(TPublisher<TRzSpinButtons>& p);

protected:
    void KeyDown(int& key, TShiftState shift) override;
    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;
    virtual void LayoutButtons();
    // A button's glyph changed: an empty one gives the button its arrow, any other makes it
    // plain.
    virtual void GlyphChanged(TRzControlButton* button);

private:
    TRzControlButton* CreateButton();
    // False when the press is to be dropped: the control to focus did not take the focus.
    bool ButtonMouseDown(TMouseButton button);
    void ApplyArrowStyles();
    bool Loading() const { return ComponentState().Contains(csLoading); }

    TRzControlButton* FUpRight = nullptr;  // owned as components
    TRzControlButton* FDownLeft = nullptr;
    TWinControl* FFocusControl = nullptr;
    TSpinDirection FDirection = sdUpDown;
    TOrientation FOrientation = orVertical;
    bool FFlat = false;
    bool FCustomUpRight = false;
    bool FCustomDownLeft = false;
};
