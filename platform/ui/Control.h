#pragma once
// Controls: components with an owner (who frees them) and a parent (the window they sit in),
// each wrapping one toolkit widget. TControl holds what every control has (bounds, alignment and
// anchors, visibility, hint, colour, font, cursor, caption, mouse, key and focus events);
// TWinControl is a control that holds other controls, lays out the aligned ones and moves the
// anchored ones when it is resized.
//
// Every event handler is called under the application's exception report, so an exception that
// leaves one is shown and the program goes on.
#include <memory>
#include <string>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Geometry.h"
#include "platform/ui/Application.h"
#include "platform/ui/ControlTypes.h"

class QWidget;
class QEvent;
class TFont;
class TSizeConstraints;
class TWinControl;
class TForm;
class TBitmap;
class TPopupMenu;
template <class T>
class TPublisher;
class TEnumInfo;

const TEnumInfo& AlignNames();
const TEnumInfo& AnchorNames();
const TEnumInfo& DragModeNames();

class TControl : public TComponent {
    KV_DECLARE_CLASS(TControl, TComponent)
public:
    ~TControl() override;

    TWinControl* Parent() const { return FParent; }
    // Moves the control into parent (null takes it out of any window).
    virtual void SetParent(TWinControl* parent);

    int Left() const { return FLeft; }
    void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
    int Top() const { return FTop; }
    void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
    int Width() const { return FWidth; }
    void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
    int Height() const { return FHeight; }
    void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
    // The size is brought within Constraints first.
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Rect(FLeft, FTop, FLeft + FWidth, FTop + FHeight); }
    // The area the control's content and children use, in its own coordinates.
    virtual TRect ClientRect() const;
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    TSizeConstraints* Constraints() const { return FConstraints.get(); }

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign value);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors value) { FAnchors = value; }

    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent up to the form too.
    bool Showing() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool value);

    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& value) { FHint = value; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool value) { FParentShowHint = value; }
    // Whether this control's hint shows: its own ShowHint, or its parent's while ParentShowHint.
    bool HintShown() const;

    // Colour and font: the control's own, or its parent's while ParentColor / ParentFont (the
    // default). Setting its own clears the Parent... flag; setting the flag takes the parent's.
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* value);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);

    // Caption and Text are one string: buttons and labels call it Caption, edits call it Text.
    const std::string& Caption() const { return GetText(); }
    void SetCaption(const std::string& value) { SetText(value); }
    const std::string& Text() const { return GetText(); }
    void SetText(const std::string& value);

    // The menu a right click on the control opens (a control without one passes the click to
    // its parent), and whose short cuts work while the focus is in the control.
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* value);

    // The form this control is in (itself for a form), or null.
    TForm* ParentForm() const;

    // Between the screen's coordinates and the client area's.
    TPoint ScreenToClient(TPoint point) const;
    TPoint ClientToScreen(TPoint point) const;
    // While the control holds the mouse capture, every mouse event of the program comes to it.
    bool MouseCapture() const;
    void SetMouseCapture(bool value);

    // Dragging: with dmAutomatic a left press starts a drag once the mouse has moved the drag
    // threshold; BeginDrag starts one from code (at once, or after threshold pixels, -1 for the
    // mouse's). While it lasts the control under the mouse is asked (DragOver) and the cursor
    // is DragCursor where the drop is accepted, crNoDrop elsewhere; the release drops
    // (DragDrop) and ends it (OnEndDrag), Esc or EndDrag(false) cancels.
    TDragMode DragMode() const { return FDragMode; }
    void SetDragMode(TDragMode value) { FDragMode = value; }
    TCursor DragCursor() const { return FDragCursor; }
    void SetDragCursor(TCursor value) { FDragCursor = value; }
    void BeginDrag(bool immediate, int threshold = -1);
    void EndDrag(bool drop);
    bool Dragging() const;

    // Simulates the user's click: what a mouse click on the control does.
    virtual void Click();
    // Makes the control lay itself out and redraw now / when the loop gets to it.
    virtual void Invalidate();
    virtual void Repaint();
    void Update();
    // Draws the control as it is on screen into bitmap at (x, y).
    void PaintTo(TBitmap& bitmap, int x, int y);
    // Shapes the window as its client rectangle with corners rounded by ellipses Corner wide and
    // high; 0 or less makes it the plain rectangle again. Outside the shape nothing shows.
    void SetRoundWindowRegion(int Corner);
    // True when (x, y) of the client area lies inside the window's shape.
    bool InWindowRegion(int x, int y) const;
    // A key the form did not give to the focused control (Enter, Esc): true when this control
    // took it (the default and cancel buttons).
    virtual bool DialogKey(int key);

    static void Publish(TPublisher<TControl>& p);

    // The toolkit widget (for the window layer's own .cpp files).
    QWidget* Widget() const { return FWidget; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    // A wheel turn over the control; a handler that sets handled keeps it from the widget.
    TMouseWheelEvent OnMouseWheel;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    // A wheel turn that OnMouseWheel did not handle, by direction.
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;
    // Without OnDragOver a control refuses every drop.
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;
    TEndDragEvent OnEndDrag;

protected:
    // widget becomes the control's (it frees it).
    TControl(TComponent* owner, QWidget* widget);

    virtual const std::string& GetText() const { return FText; }
    // The text changed from code; subclasses show it.
    virtual void TextChanged() {}
    void StoreText(const std::string& value) { FText = value; }
    // The Visible flag alone, the widget untouched (forms start hidden).
    void StoreVisible(bool value) { FVisible = value; }
    // The control's own colour and font changed; the base gives them to the widget.
    virtual void ColorChanged();
    virtual void FontChanged();

    // Events from the toolkit, already translated. The base calls the On... handlers.
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void DblClick();
    // True when handled.
    virtual bool MouseWheel(TShiftState shift, int wheelDelta, int x, int y);
    virtual bool DoMouseWheelDown(TShiftState shift, TPoint mousePos);
    virtual bool DoMouseWheelUp(TShiftState shift, TPoint mousePos);
    virtual void DragOver(TObject* source, int x, int y, TDragState state, bool& accept);
    virtual void DragDrop(TObject* source, int x, int y);
    virtual void DoEndDrag(TObject* target, int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void Resize();
    // The desktop's colours changed (the toolkit's application palette); the base does nothing.
    virtual void SysColorChange() {}
    // A mouse press and release of the left button on the control is a click, except for
    // controls whose widget reports clicks itself (buttons, check boxes).
    virtual bool ClicksOnMouseUp() const { return true; }
    // Any toolkit event of the widget; true when handled (the widget does not see it).
    virtual bool ToolkitEvent(QEvent* event);

    void Notification(TComponent* component, TOperation operation) override;
    // Makes an inner part of the widget (the list area of a scrolled list) give its mouse
    // events to the control as the widget's own, in the widget's coordinates.
    void TakeMouseEventsOf(QWidget* part);

    // Calls a handler under the application's exception report.
    template <class F>
    void Fire(F&& handler) const;

private:
    friend class TWinControl;
    friend class TControlBridge;
    friend class TDragOperation;
    void ApplyGeometry();
    void FontObjectChanged();
    void TakeParentFont();
    void TakeParentColor();
    // Hands this control's font or colour to the children that follow it.
    void PassFontToChildren();
    void PassColorToChildren();
    void BoundsChangedByToolkit(int left, int top, int width, int height);
    void ConstraintsChanged();

    QWidget* FWidget;
    class TControlBridge* FBridge;
    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    TAlign FAlign = alNone;
    TAnchors FAnchors{akLeft, akTop};
    bool FVisible = true;
    bool FEnabled = true;
    std::string FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TColor FColor = clBtnFace;
    bool FParentColor = true;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    bool FTakingParentFont = false;
    TCursor FCursor = crDefault;
    std::string FText;
    std::unique_ptr<TSizeConstraints> FConstraints;
    bool FLeftPressed = false;
    TPopupMenu* FPopupMenu = nullptr;
    TDragMode FDragMode = dmManual;
    TCursor FDragCursor = crDrag;
};

class TWinControl : public TControl {
    KV_DECLARE_CLASS(TWinControl, TControl)
public:
    ~TWinControl() override;

    int ControlCount() const { return int(FControls.size()); }
    TControl* Controls(int index) const { return FControls.at(size_t(index)); }

    // The position of the control in its parent's tab order; setting it moves the control.
    int TabOrder() const;
    void SetTabOrder(int value);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool value);

    bool Focused() const;
    bool CanFocus() const;
    virtual void SetFocus();

    // Lays out the aligned children in the client area: top ones first, then bottom, left,
    // right, and the client-aligned one in what is left.
    void Realign();

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;

protected:
    TWinControl(TComponent* owner, QWidget* widget);

    // A child came in or left; the base places its widget in this one's.
    virtual void InsertControl(TControl* control);
    virtual void RemoveControl(TControl* control);
    virtual void DoEnter();
    virtual void DoExit();
    // Before the control acts on the key; setting key to 0 keeps it from the control.
    virtual void KeyDown(int& key, TShiftState shift);
    virtual void KeyPress(char& key);
    virtual void KeyUp(int& key, TShiftState shift);
    void Resize() override;
    bool ToolkitEvent(QEvent* event) override;

private:
    friend class TControl;
    void MoveAnchored(int dx, int dy);

    std::vector<TControl*> FControls;    // in the order they came in
    std::vector<TWinControl*> FTabList;  // the windowed children in tab order
    bool FTabStop = true;
    int FLaidOutWidth = -1;
    int FLaidOutHeight = -1;
    bool FAligning = false;
};

template <class F>
void TControl::Fire(F&& handler) const {
    DispatchEvent(std::forward<F>(handler));
}
