#include "platform/ui/Application.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "platform/graphics/FontEngine.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Form.h"
#include "platform/ui/IdleHooks.h"
#include "platform/ui/ScreenCursorService.h"

TApplication* Application = nullptr;

namespace {
// The toolkit lets no exception cross its event dispatch; every event of every widget passes
// here, so whatever an event handler lets out is reported and the loop goes on.
class TGuardedApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            // The hint goes when the mouse leaves its control.
            if (event->type() == QEvent::Leave && Application && Application->HintControl() &&
                receiver == Application->HintControl()->Widget())
                Application->CancelHint();
            return QApplication::notify(receiver, event);
        } catch (...) {
            if (Application) Application->HandleException(std::current_exception());
            return true;
        }
    }
};
}  // namespace

struct TApplication::TImpl {
    TImpl(int& argc, char** argv) : app(argc, argv) { app.setQuitOnLastWindowClosed(false); }
    TGuardedApplication app;
    std::unique_ptr<TForm> placeholder;
    QPointer<QWidget> hintWidget;  // the hint control's, to notice that it has gone
    QTimer hintTimer;
    // Messages and questions of every layer are the toolkit's boxes while the application lives.
    TDialogMessageService messages;
    IMessageService* formerMessages = nullptr;
    IScreenCursor* formerScreenCursor = nullptr;
};

TApplication::TApplication(int& argc, char** argv) : FImpl(std::make_unique<TImpl>(argc, argv)) {
    Application = this;
    FImpl->formerMessages = SetMessageService(&FImpl->messages);
    FImpl->formerScreenCursor = InstallToolkitScreenCursor();
    FImpl->hintTimer.setSingleShot(true);
    QObject::connect(&FImpl->hintTimer, &QTimer::timeout, [this] { CancelHint(); });
}

TApplication::~TApplication() {
    FHintWindow.reset();
    ReleaseToolkitFonts();
    SetMessageService(FImpl->formerMessages);
    UninstallToolkitScreenCursor(FImpl->formerScreenCursor);
    if (Application == this) Application = nullptr;
}

void TApplication::ShowMainWindow(int autoCloseMs) {
    FImpl->placeholder = std::make_unique<TForm>(nullptr);
    TForm* form = FImpl->placeholder.get();
    form->SetCaption(FTitle);
    form->SetBounds(0, 0, 640, 480);
    form->SetPosition(poScreenCenter);
    SetMainForm(form);
    form->Show();
    if (autoCloseMs > 0) QTimer::singleShot(autoCloseMs, form->Widget(), [form] { form->Close(); });
}

int TApplication::Run() {
    if (FTerminateDone) FTerminated = false;  // that end is over; this is a new run
    FTerminateDone = false;
    struct TRunEnd {
        TApplication* app;
        ~TRunEnd() { app->FTerminateDone = app->FTerminated; }
    } runEnd{this};
    if (FTerminated) return 0;
    if (FMainForm && !FMainForm->Visible()) FMainForm->Show();
    // Terminate may come from a handler run by Show.
    if (FTerminated) return 0;
    // Work handed over while no loop ran is done as soon as the loop starts.
    WakeMainThread();
    return FImpl->app.exec();
}

void TApplication::Terminate() {
    FTerminated = true;
    FTerminateDone = false;  // the next Run ends at once
    QCoreApplication::exit(0);
}

void TApplication::ProcessMessages() {
    QCoreApplication::processEvents();
    RunIdleHooks();
}

void TApplication::SetShowHint(bool value) {
    if (!value) {
        CancelHint();
        FHintWindow.reset();
    } else if (!FShowHint || !FHintWindow) {
        FHintWindow = FHintWindowClass ? FHintWindowClass() : MakeDefaultHintWindow();
    }
    FShowHint = value;
}

TControl* TApplication::HintControl() const { return FImpl->hintWidget ? FHintControl : nullptr; }

void TApplication::ActivateHint(TControl* control, const std::string& hint, TPoint cursorPos,
                                const TRect& controlScreen) {
    if (!FShowHint) return;
    if (!FHintWindow) SetShowHint(true);
    THintInfo info;
    info.HintControl = control;
    info.CursorPos = cursorPos;
    info.ControlScreenRect = controlScreen;
    info.HintColor = FHintColor;
    info.HintStr = hint;
    bool canShow = true;
    std::string text = hint;
    if (OnShowHint) OnShowHint(text, canShow, info);
    info.HintStr = text;
    if (!canShow || text.empty()) {
        CancelHint();
        return;
    }
    FHintControl = control;
    FImpl->hintWidget = control ? control->Widget() : nullptr;
    FHintWindow->ActivateHint(info);
    const int timeout = info.HideTimeout > 0 ? info.HideTimeout : FHintHidePause;
    if (timeout > 0) FImpl->hintTimer.start(timeout);
}

void TApplication::CancelHint() {
    FImpl->hintTimer.stop();
    FHintControl = nullptr;
    FImpl->hintWidget = nullptr;
    if (FHintWindow) FHintWindow->HideHint();
}

void TApplication::HandleMessage() {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

bool TApplication::IsOffscreen() {
    return QGuiApplication::platformName() == QLatin1String("offscreen");
}

void TApplication::HandleException(std::exception_ptr error) {
    try {
        try {
            std::rethrow_exception(error);
        } catch (const EAbort&) {
        } catch (const Exception& e) {
            if (OnException)
                OnException(nullptr, e);
            else
                DialogService().MessageBox(ExceptionReportText(e.Message()), FTitle, mtError,
                                           {mbOK});
        } catch (const std::exception& e) {
            Exception wrapped(e.what());
            if (OnException)
                OnException(nullptr, wrapped);
            else
                DialogService().MessageBox(ExceptionReportText(e.what()), FTitle, mtError, {mbOK});
        } catch (...) {
            DialogService().MessageBox("Unknown error", FTitle, mtError, {mbOK});
        }
    } catch (...) {
        // The report itself failed (an OnException that threw): nothing more can be shown.
    }
}

std::string ExceptionReportText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
    return message;
}
