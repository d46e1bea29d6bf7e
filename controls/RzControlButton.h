#pragma once
// The small windowless button the spin buttons are made of: a plain face with a glyph, an
// arrow button in one of four directions, or a drop-down button. It can be flat (a border only
// while pressed or under the mouse) and can repeat its click on a timer while held down: the
// first repeat after InitialDelay, then one every Delay, and a last click on release over it.
#include <memory>

#include "controls/RzCommon.h"
#include "platform/ui/CustomControl.h"

class TBitmap;
class TTimer;

enum TRzControlButtonStyle { cbsNone, cbsLeft, cbsUp, cbsRight, cbsDown, cbsDropDown };

class TRzControlButton : public TGraphicControl {
    KV_DECLARE_CLASS(TRzControlButton, TGraphicControl)
public:
    explicit TRzControlButton(TComponent* owner);
    ~TRzControlButton() override;

    int Delay() const { return FDelay; }
    void SetDelay(int value) { FDelay = uint16_t(value); }
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    // A strip of cells: normal, disabled, pressed. Setting copies the bitmap.
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(const TBitmap* value);
    int InitialDelay() const { return FInitialDelay; }
    void SetInitialDelay(int value) { FInitialDelay = uint16_t(value); }
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    bool RepeatClicks() const { return FRepeatClicks; }
    void SetRepeatClicks(bool value) { FRepeatClicks = value; }
    TRzControlButtonStyle Style() const { return FStyle; }
    void SetStyle(TRzControlButtonStyle value);

    // Drawn pressed (a left press is held over it).
    bool Pressed() const { return FPressed; }
    bool MouseOver() const { return FMouseOver; }
    // The repeat timer: null until the first press that needs it.
    TTimer* RepeatTimer() const { return FRepeatTimer; }
    // The width of one glyph cell and the glyph's height.
    TSize GetGlyphSize() const;
    // Called from OnMouseDown: the press stops there, as though it had not been made.
    void AbortPress() { FPressAborted = true; }

    // After every change of the glyph (NumGlyphs already follows it).
    TNotifyEvent OnGlyphChange;

    static void Publish(TPublisher<TRzControlButton>& p);

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    // The button clicks on release itself, and only over the button.
    bool ClicksOnMouseUp() const override { return false; }

    // Painters; each takes the rectangle left to paint and leaves what is inside its frame.
    virtual void DrawButtonFace(TRect& r);
    virtual void DrawArrowButton(TRect& r);
    virtual void DrawDropDownButton(TRect& r);
    virtual void DrawGlyph(const TRect& r);
    // The spin edit's own buttons (owned by its spin buttons) keep the button face whatever
    // the edit's colour, which the spin buttons pass on to them.
    bool OwnedBySpinEdit() const;

private:
    void GlyphModified();
    void RepeatTick();
    void RefreshHotState(int x, int y);
    // The classic frame of arrow and drop-down buttons; returns the brush colour for the face.
    TColor DrawClassicArrowFrame(TRect& r);

    std::unique_ptr<TBitmap> FGlyph;
    TTimer* FRepeatTimer = nullptr;  // owned as a component
    uint16_t FDelay = 100;
    uint16_t FInitialDelay = 400;
    int FNumGlyphs = 1;
    TRzControlButtonStyle FStyle = cbsNone;
    bool FFlat = false;
    bool FRepeatClicks = false;
    bool FPressed = false;
    bool FDragging = false;
    bool FMouseOver = false;
    bool FPressAborted = false;
};
