#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/Screen.h"
#include "platform/ui/SizeConstraints.h"
#include "platform/ui/Timer.h"
#include "tests/support/OffscreenApplication.h"

namespace {

// A dialog built in code, as the program's forms are.
class TOkCancelForm : public TForm {
public:
    explicit TOkCancelForm(TComponent* owner) : TForm(owner) {
        SetCaption("Range");
        btnOK = new TButton(this);
        btnOK->SetParent(this);
        btnOK->SetCaption("&OK");
        btnOK->SetModalResult(mrOk);
        btnOK->SetDefault(true);
        btnCancel = new TButton(this);
        btnCancel->SetParent(this);
        btnCancel->SetCaption("Cancel");
        btnCancel->SetModalResult(mrCancel);
        btnCancel->SetCancel(true);
        edValue = new TEdit(this);
        edValue->SetParent(this);
    }
    TButton* btnOK;
    TButton* btnCancel;
    TEdit* edValue;
};

TEST(Form, ShowModalReturnsTheClickedButtonsResult) {
    TOkCancelForm form(nullptr);
    std::vector<std::string> events;
    form.OnShow = [&](TObject*) {
        events.push_back("show");
        form.btnOK->Click();
    };
    form.OnClose = [&](TObject*, TCloseAction& action) {
        events.push_back(action == caHide ? "close caHide" : "close other");
    };
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(events, (std::vector<std::string>{"show", "close caHide"}));
}

TEST(Form, CloseActionNoneKeepsTheModalFormOpen) {
    TOkCancelForm form(nullptr);
    int attempts = 0;
    form.OnClose = [&](TObject*, TCloseAction& action) {
        if (++attempts == 1) action = caNone;
    };
    TTimer timer(nullptr);
    timer.SetInterval(1);
    timer.OnTimer = [&](TObject*) { form.btnCancel->Click(); };
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(attempts, 2);
}

TEST(Form, EnterAndEscapeGoToTheDefaultAndCancelButtons) {
    for (auto [key, result] : {std::pair{Qt::Key_Return, mrOk}, {Qt::Key_Escape, mrCancel}}) {
        TOkCancelForm form(nullptr);
        form.OnShow = [&](TObject*) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(form.Widget(), &press);
        };
        EXPECT_EQ(form.ShowModal(), result);
    }
}

// A control is focused the moment SetFocus returns, also in a window just shown, whose
// activation the window system has yet to deliver; a window behind a modal one stays inactive.
TEST(Form, SetFocusFocusesAtOnceUnlessAModalWindowBlocks) {
    TOkCancelForm behind(nullptr);
    int enters = 0;
    behind.edValue->OnEnter = [&](TObject*) { ++enters; };
    behind.Show();
    behind.edValue->SetFocus();
    EXPECT_TRUE(behind.edValue->Focused());
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(QApplication::activeWindow(), behind.Widget());

    TOkCancelForm modal(nullptr);
    TTimer timer(nullptr);
    timer.SetInterval(1);
    timer.OnTimer = [&](TObject*) {
        timer.SetEnabled(false);
        behind.btnOK->SetFocus();
        TApplication::ProcessMessages();
        EXPECT_FALSE(behind.btnOK->Focused());
        modal.edValue->SetFocus();
        EXPECT_TRUE(modal.edValue->Focused());
        EXPECT_EQ(QApplication::activeWindow(), modal.Widget());
        modal.Close();
    };
    modal.ShowModal();
}

TEST(Form, CloseActions) {
    const struct {
        TCloseAction action;
        bool visibleAfter;
        bool freed;
    } cases[] = {{caHide, false, false}, {caNone, true, false}, {caFree, false, true}};
    for (const auto& c : cases) {
        auto* form = new TForm(nullptr);
        bool destroyed = false;
        form->OnDestroy = [&](TObject*) { destroyed = true; };
        form->OnClose = [&](TObject*, TCloseAction& action) {
            EXPECT_EQ(action, caHide);
            action = c.action;
        };
        form->Show();
        form->Close();
        EXPECT_FALSE(destroyed) << "the form is freed only after its events";
        if (!c.freed) {
            EXPECT_EQ(form->Visible(), c.visibleAfter) << c.action;
        }
        TApplication::ProcessMessages();
        EXPECT_EQ(destroyed, c.freed) << c.action;
        if (!destroyed) TObject::Free(form);
    }
}

TEST(Form, CloseQueryCanRefuse) {
    TForm form(nullptr);
    bool closeCalled = false;
    form.OnCloseQuery = [](TObject*, bool& canClose) { canClose = false; };
    form.OnClose = [&](TObject*, TCloseAction&) { closeCalled = true; };
    form.Show();
    form.Close();
    EXPECT_TRUE(form.Visible());
    EXPECT_FALSE(closeCalled);
}

TEST(Form, ScreenCenterAndMinimumSize) {
    TForm form(nullptr);
    form.SetPosition(poScreenCenter);
    form.Constraints()->SetMinWidth(800);
    form.Constraints()->SetMinHeight(600);
    form.SetBounds(0, 0, 300, 200);
    EXPECT_EQ(form.Width(), 800);
    EXPECT_EQ(form.Height(), 600);
    form.Show();
    EXPECT_EQ(form.Left(), (Screen()->Width() - 800) / 2);
    EXPECT_EQ(form.Top(), (Screen()->Height() - 600) / 2);
}

TEST(Form, EmbeddedFormShowsInsideItsParentEachTime) {
    TForm host(nullptr);
    host.SetBounds(0, 0, 400, 300);
    auto* inner = new TForm(&host);
    int shows = 0;
    inner->OnShow = [&](TObject*) { ++shows; };
    inner->SetParent(&host);
    inner->SetAlign(alClient);
    host.Show();
    inner->Show();
    inner->Hide();
    inner->Show();
    EXPECT_EQ(shows, 2);
    EXPECT_FALSE(inner->Widget()->isWindow());
    EXPECT_TRUE(inner->Showing());
    EXPECT_EQ(inner->BoundsRect(), Rect(0, 0, 400, 300));
}

}  // namespace
