#pragma once
// A bar of nine small flat buttons in the manner of a record navigator (first, prior, next,
// last, insert, delete, edit, post, cancel) with which an editor steps through what a chart
// shows. The bar builds, lays out and paints the buttons, moves the keyboard focus among them,
// repeats a held button and listens to a chart panel; what a button does and when it is enabled
// belongs to the descendant (the grid navigator, the page navigator).
//
// A plain bar shows First, Prior, Next and Last; a descendant makes the others visible. The
// layout gives every visible button the same width (the bar's width spread over them, the
// pixels that do not divide evenly handed out one by one) and parks the hidden ones just past
// the bar's right edge.
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "chart/foundation/TeePanel.h"
#include "platform/ui/SpeedButton.h"

class TStringList;
class TTimer;

enum TTeeNavigateBtn {
    nbFirst,
    nbPrior,
    nbNext,
    nbLast,
    nbInsert,
    nbDelete,
    nbEdit,
    nbPost,
    nbCancel
};
inline constexpr int TeeNavButtonCount = 9;
inline constexpr int TeeNavMinButtonWidth = 20;
inline constexpr int TeeNavMinButtonHeight = 18;

using TNotifyButtonClickedEvent = std::function<void(TTeeNavigateBtn index)>;

// The bar's size and its buttons' places for a requested size, without a window.
struct TTeeNavigatorLayout {
    int Width = 0;
    int Height = 0;
    std::array<TRect, TeeNavButtonCount> Buttons{};
};
// aligned: the bar keeps the width it was given (else it shrinks to a whole number of buttons);
// singleBorder: the buttons are 4 pixels less tall than the bar.
TTeeNavigatorLayout LayoutTeeNavigator(int width, int height,
                                       const std::array<bool, TeeNavButtonCount>& visible,
                                       bool aligned, bool singleBorder);

// One button of the bar; held down it clicks again after 400 ms, then every 100 ms.
class TTeeNavButton : public TSpeedButton {
    KV_DECLARE_CLASS(TTeeNavButton, TSpeedButton)
public:
    explicit TTeeNavButton(TComponent* owner);
    ~TTeeNavButton() override;

    TTeeNavigateBtn Index = nbFirst;
    // The repeat timer; none before the first press.
    TTimer* RepeatTimer() const { return FRepeatTimer; }
    // One tick of the repeat timer (the timer calls it; tests may too).
    void RepeatTick();

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    TTimer* FRepeatTimer = nullptr;
    bool FHeld = false;
};

class TCustomTeeNavigator : public TCustomPanelNoCaption, public IPanelListener {
    KV_DECLARE_CLASS(TCustomTeeNavigator, TCustomPanelNoCaption)
public:
    explicit TCustomTeeNavigator(TComponent* owner);
    ~TCustomTeeNavigator() override;

    TTeeNavButton* Button(TTeeNavigateBtn index) const { return FButtons[size_t(index)]; }
    int ButtonWidth() const { return FButtonWidth; }
    int FocusedButton() const { return FFocusedButton; }
    // One hint per button in button order; an empty entry keeps the default hint.
    TStringList* Hints() const { return FHints.get(); }
    void SetHints(const TStringList* value);
    // The buttons are drawn 4 pixels less tall inside a single border.
    bool SingleBorder() const { return FSingleBorder; }
    void SetSingleBorder(bool value);

    TCustomTeePanel* Panel() const { return FPanel; }
    virtual void SetPanel(TCustomTeePanel* panel);
    virtual void EnableButtons() {}
    virtual int PageCount() { return 1; }
    virtual void Print() {}
    // Shows or hides a button and lays the bar out again.
    void SetButtonVisible(TTeeNavigateBtn index, bool visible);

    void SetBounds(int left, int top, int width, int height) override;
    void SetEnabled(bool value) override;
    void Loaded() override;
    void HandleTeeEvent(TTeeEvent* event) override { TeeEvent(event); }

    TNotifyButtonClickedEvent OnButtonClicked;

protected:
    virtual void CreateButtons();
    virtual void TeeEvent(TTeeEvent*) {}
    // A button was clicked: descendants act, then call this, which refreshes the buttons and
    // tells OnButtonClicked.
    virtual void BtnClick(TTeeNavigateBtn index);
    void Notification(TComponent* component, TOperation operation) override;
    void KeyDown(int& key, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;
    void Resize() override;

private:
    friend class TTeeNavButton;
    void RefreshHints();
    void ButtonPressed(TTeeNavButton& button);
    void ApplyLayout();
    void MoveFocus(int step);

    std::array<TTeeNavButton*, TeeNavButtonCount> FButtons{};
    std::unique_ptr<TStringList> FHints;
    TCustomTeePanel* FPanel = nullptr;
    int FButtonWidth = TeeNavMinButtonWidth;
    int FFocusedButton = 0;
    bool FSingleBorder = false;
    bool FLayingOut = false;
};
