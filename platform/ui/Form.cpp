#include "platform/ui/Form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "platform/ui/Screen.h"
#include "platform/ui/SizeConstraints.h"
#include "platform/ui/ToolkitInput.h"

TForm::TForm(TComponent* owner) : TWinControl(owner, new QWidget(nullptr, Qt::Window)) {
    StoreVisible(false);
    SetBounds(0, 0, 320, 240);
}

TForm::~TForm() {
    if (Application && Application->MainForm() == this) Application->SetMainForm(nullptr);
}

void TForm::BeforeDestruction() {
    if (OnDestroy) Fire([this] { OnDestroy(this); });
    TWinControl::BeforeDestruction();
}

void TForm::DoCreate() {
    if (OnCreate) Fire([this] { OnCreate(this); });
}

void TForm::SetBorderStyle(TFormBorderStyle value) {
    if (value == FBorderStyle) return;
    FBorderStyle = value;
    if (!Visible() && !Parent()) ApplyWindowFlags();
}

void TForm::SetBorderIcons(TBorderIcons value) {
    if (value == FBorderIcons) return;
    FBorderIcons = value;
    if (!Visible() && !Parent()) ApplyWindowFlags();
}

void TForm::ApplyWindowFlags() {
    Qt::WindowFlags flags = FBorderStyle == bsDialog ? Qt::Dialog : Qt::Window;
    if (FBorderStyle == bsNone) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin) flags |= Qt::Tool;
        if (FBorderIcons.Contains(biSystemMenu))
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        bool dialog = FBorderStyle == bsDialog;
        if (!dialog && FBorderIcons.Contains(biMinimize)) flags |= Qt::WindowMinimizeButtonHint;
        if (!dialog && FBorderIcons.Contains(biMaximize)) flags |= Qt::WindowMaximizeButtonHint;
    }
    Widget()->setWindowFlags(flags);
    bool fixed = FBorderStyle == bsDialog || FBorderStyle == bsSingle ||
                 FBorderStyle == bsToolWindow || FBorderStyle == bsNone;
    if (fixed)
        Widget()->setFixedSize(Width(), Height());
    else
        Widget()->setFixedSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX),
            Widget()->setMinimumSize(Constraints()->MinWidth(), Constraints()->MinHeight());
}

void TForm::PlaceOnShow() {
    const TControl* around = nullptr;
    if (FPosition == poMainFormCenter && Application) around = Application->MainForm();
    if (FPosition == poOwnerFormCenter) around = dynamic_cast<TForm*>(Owner());
    if (around == this) around = nullptr;
    if (around)
        SetBounds(around->Left() + (around->Width() - Width()) / 2,
                  around->Top() + (around->Height() - Height()) / 2, Width(), Height());
    else if (FPosition != poDesigned && FPosition != poDefault)
        SetBounds((Screen()->Width() - Width()) / 2, (Screen()->Height() - Height()) / 2, Width(),
                  Height());
}

void TForm::SetParent(TWinControl* parent) {
    if (parent) {  // the fixed size of a borderless or dialog window goes
        Widget()->setMinimumSize(Constraints()->MinWidth(), Constraints()->MinHeight());
        Widget()->setMaximumSize(
            Constraints()->MaxWidth() > 0 ? Constraints()->MaxWidth() : QWIDGETSIZE_MAX,
            Constraints()->MaxHeight() > 0 ? Constraints()->MaxHeight() : QWIDGETSIZE_MAX);
    }
    TWinControl::SetParent(parent);
}

void TForm::TextChanged() { Widget()->setWindowTitle(QString::fromStdString(Caption())); }

void TForm::SetVisible(bool value) {
    if (value == Visible()) return;
    StoreVisible(value);
    if (value) {
        if (Parent()) {
            // A form embedded in another window is a plain child there; its OnShow comes each
            // time it becomes showing (the toolkit's show event), as when its page comes back.
            Widget()->show();
            if (Align() != alNone) Parent()->Realign();
            return;
        }
        DoShow();
        if (!Visible()) return;  // OnShow hid it again
        ApplyWindowFlags();
        PlaceOnShow();
        Widget()->show();
        if (!TApplication::IsOffscreen())
            Widget()->raise();  // the off-screen platform has no z-order
        Widget()->activateWindow();
    } else {
        Widget()->hide();
        if (Parent() && Align() != alNone) Parent()->Realign();
        if (!Parent()) DoHide();  // an embedded form's comes with the toolkit's hide event
    }
}

void TForm::DoShow() {
    if (OnShow) Fire([this] { OnShow(this); });
}

void TForm::DoHide() {
    if (OnHide) Fire([this] { OnHide(this); });
}

void TForm::DoClose(TCloseAction& action) {
    if (OnClose) Fire([&] { OnClose(this, action); });
}

bool TForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) Fire([&] { OnCloseQuery(this, canClose); });
    return canClose;
}

TModalResult TForm::ShowModal() {
    if (Visible()) throw EInvalidOperation("Cannot make a visible window modal");
    FModalResult = mrNone;
    FModal = true;
    Widget()->setWindowModality(Qt::ApplicationModal);
    struct TModalEnd {
        TForm* form;
        ~TModalEnd() {
            form->FModal = false;
            form->SetVisible(false);
            form->Widget()->setWindowModality(Qt::NonModal);
        }
    } modalEnd{this};
    // Ending the program (closing the main form from here) ends the modal loop too.
    bool terminatedBefore = Application && Application->Terminated();
    SetVisible(true);
    for (;;) {
        if (FModalResult != mrNone) {
            CloseModal();
            if (FModalResult != mrNone) break;
        }
        if (Application && Application->Terminated() && !terminatedBefore) {
            FModalResult = mrCancel;
            break;
        }
        TApplication::HandleMessage();
    }
    return FModalResult;
}

void TForm::CloseModal() {
    TCloseAction action = caNone;
    if (CloseQuery()) {
        action = caHide;
        DoClose(action);
    }
    if (action == caNone)
        FModalResult = mrNone;
    else if (action == caFree)
        Release();
}

void TForm::Close() {
    if (FModal) {
        FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone) return;
    if (Application && Application->MainForm() == this) {
        Hide();
        Application->Terminate();
    } else if (action == caFree) {
        Hide();
        Release();
    } else {
        Hide();
    }
}

void TForm::Release() {
    if (FReleasing) return;
    FReleasing = true;
    QPointer<QWidget> alive(Widget());
    QTimer::singleShot(0, qApp, [this, alive] {
        if (alive) TObject::Free(this);
    });
}

bool TForm::SendDialogKey(TWinControl* container, int key) {
    for (int i = 0; i < container->ControlCount(); ++i) {
        TControl* c = container->Controls(i);
        if (!c->Visible() || !c->Enabled()) continue;
        if (c->DialogKey(key)) return true;
        if (auto* win = dynamic_cast<TWinControl*>(c); win && SendDialogKey(win, key)) return true;
    }
    return false;
}

bool TForm::ToolkitEvent(QEvent* event) {
    if (Parent() && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
        if (event->type() == QEvent::Show)
            DoShow();
        else
            DoHide();
    }
    if (event->type() == QEvent::Close) {
        // The window's close button asks like Close does; the form itself decides.
        event->ignore();
        Close();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        // Enter and Esc that the focused control left to its window go to the default and
        // cancel buttons.
        int vk = VirtualKeyOf(static_cast<QKeyEvent*>(event)->key());
        if ((vk == VK_RETURN || vk == VK_ESCAPE) && SendDialogKey(this, vk)) return true;
    }
    return TWinControl::ToolkitEvent(event);
}
