#pragma once
// Tool buttons without focus, drawn by our own code (see ButtonPainter.h). A button with a
// GroupIndex other than 0 stays Down when clicked; the buttons of one parent with the same
// GroupIndex exclude each other, and unless AllowAllUp one of them stays down once any is. A
// Flat button shows its edges only under the mouse or when down. OnClick follows a press and
// release of the left button over the button, after Down changed.
#include "platform/ui/ButtonGlyph.h"
#include "platform/ui/CustomControl.h"

class TSpeedButton : public TGraphicControl, public TButtonGlyph {
    KV_DECLARE_CLASS(TSpeedButton, TGraphicControl)
public:
    explicit TSpeedButton(TComponent* owner);
    ~TSpeedButton() override;

    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    // Only a grouped button can be held down.
    bool Down() const { return FDown; }
    void SetDown(bool value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    // Shared by the whole group.
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value);
    void SetEnabled(bool value) override;

    static void Publish(TPublisher<TSpeedButton>& p);

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    bool ClicksOnMouseUp() const override { return false; }
    void TextChanged() override { Invalidate(); }
    void GlyphChanged() override { Invalidate(); }

private:
    // The other buttons of this one's group.
    template <class F>
    void ForGroup(F&& f);
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < Width() && y < Height(); }

    bool FFlat = false;
    bool FDown = false;
    int FGroupIndex = 0;
    bool FAllowAllUp = false;
    bool FPressed = false;   // the left button went down on it and is held
    bool FDragging = false;  // ... and the pointer is still over it
    bool FHot = false;
};
