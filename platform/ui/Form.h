#pragma once
// A form: a top-level window built in code (its constructor makes the controls, public members
// named as the program uses them). Shown modeless with Show or modal with ShowModal, which
// returns the ModalResult a button or the code set; Close asks OnCloseQuery and OnClose, whose
// action hides the form (caHide), frees it once its events are done (caFree) or keeps it
// (caNone). Closing the application's main form ends the program.
#include "platform/ui/Control.h"

enum TPosition { poDesigned, poDefault, poScreenCenter, poMainFormCenter, poOwnerFormCenter };
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;

class TForm : public TWinControl {
    KV_DECLARE_CLASS(TForm, TWinControl)
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition value) { FPosition = value; }
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons value);
    // The form sees the keys of its controls before they do (a key it sets to 0 goes no further).
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool value) { FKeyPreview = value; }

    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    bool Modal() const { return FModal; }

    // A form put into another window is a plain child there, sized by its parent whatever its
    // border style.
    void SetParent(TWinControl* parent) override;
    // Showing fires OnShow, places the form (Position) and makes it the active window.
    void SetVisible(bool value) override;
    // Shows the form modal and waits until ModalResult is set and the close is allowed; hides
    // it and returns the result. EInvalidOperation for a form already visible.
    TModalResult ShowModal();
    // Asks to close: a modal form gets ModalResult mrCancel; otherwise OnCloseQuery, then
    // OnClose with caHide, and the action is done.
    void Close();
    // Frees the form once the events under way are handled.
    void Release();
    // Whether the form may close: OnCloseQuery's answer (true without one).
    virtual bool CloseQuery();

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnDestroy;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

    void BeforeDestruction() override;

protected:
    // A form built in code calls it at the end of its constructor: fires OnCreate.
    void DoCreate();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);
    void TextChanged() override;
    bool ToolkitEvent(QEvent* event) override;

private:
    void ApplyWindowFlags();
    void PlaceOnShow();
    // The modal loop's end: asks to close; caNone keeps the form open (ModalResult back to 0).
    void CloseModal();
    bool SendDialogKey(TWinControl* container, int key);

    TPosition FPosition = poDesigned;
    TFormBorderStyle FBorderStyle = bsSizeable;
    bool FKeyPreview = false;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    TModalResult FModalResult = mrNone;
    bool FModal = false;
    bool FReleasing = false;
};
