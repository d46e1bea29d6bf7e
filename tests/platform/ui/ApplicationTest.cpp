#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <stdexcept>

#include "platform/ui/Button.h"
#include "platform/ui/Form.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RecordingDialogService.h"
#include "platform/ui/Timer.h"
#include "tests/support/OffscreenApplication.h"

namespace {

TEST(ExceptionReport, HandlerErrorsAreShownAndTheProgramGoesOn) {
    TRecordingDialogService dialogs;
    TForm form(nullptr);
    auto* button = new TButton(&form);
    button->SetParent(&form);
    int clicks = 0;
    button->OnClick = [&](TObject*) {
        if (++clicks == 1) throw EConvertError("'x' is not a valid floating point value");
        if (clicks == 2) throw EAbort("silent");
    };
    button->Click();  // reported
    button->Click();  // EAbort: nothing shown
    button->Click();  // runs normally
    EXPECT_EQ(clicks, 3);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Text, "'x' is not a valid floating point value.");
    EXPECT_EQ(dialogs.Messages[0].Caption, TestAppTitle);
    EXPECT_EQ(dialogs.Messages[0].Type, mtError);
}

TEST(ExceptionReport, ErrorsFromToolkitEventsAreCaught) {
    TRecordingDialogService dialogs;
    TForm form(nullptr);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->OnMouseDown = [](TObject*, TMouseButton, TShiftState, int, int) {
        throw ERangeError("Range check error");
    };
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 4), QPointF(3, 4), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(panel->Widget(), &press);
    // Code run by the toolkit itself, outside any handler of ours.
    QTimer::singleShot(0, [] { throw std::runtime_error("Out of memory"); });
    TApplication::ProcessMessages();
    ASSERT_EQ(dialogs.Messages.size(), 2u);
    EXPECT_EQ(dialogs.Messages[0].Text, "Range check error.");
    EXPECT_EQ(dialogs.Messages[1].Text, "Out of memory.");
}

TEST(ExceptionReport, FullStopIsAddedOnlyAfterTextCharacters) {
    const struct {
        const char* message;
        const char* shown;
    } cases[] = {
        {"Disk full", "Disk full."}, {"Done.", "Done."}, {"Stop!", "Stop!"},
        {"value 3", "value 3."},     {"", ""},           {"a (b)", "a (b)"},
    };
    for (const auto& c : cases) EXPECT_EQ(ExceptionReportText(c.message), c.shown) << c.message;
}

TEST(MainLoop, ClosingTheMainFormEndsRun) {
    TForm form(nullptr);
    Application->SetMainForm(&form);
    bool closed = false;
    form.OnClose = [&](TObject*, TCloseAction&) { closed = true; };
    TTimer timer(nullptr);
    timer.SetInterval(5);
    timer.OnTimer = [&](TObject*) { form.Close(); };
    EXPECT_EQ(Application->Run(), 0);  // shows the main form, ends when it closes
    EXPECT_TRUE(closed);
    EXPECT_TRUE(Application->Terminated());
    EXPECT_FALSE(form.Visible());
    Application->SetMainForm(nullptr);
}

}  // namespace
