#include "platform/ui/Application.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

struct TApplication::TImpl {
    TImpl(int& argc, char** argv) : app(argc, argv) {}
    QApplication app;
    std::unique_ptr<QWidget> mainWindow;
};

TApplication::TApplication(int& argc, char** argv) : FImpl(std::make_unique<TImpl>(argc, argv)) {}

TApplication::~TApplication() = default;

void TApplication::ShowMainWindow(int autoCloseMs) {
    FImpl->mainWindow = std::make_unique<QWidget>();
    FImpl->mainWindow->setWindowTitle(QString::fromStdString(FTitle));
    FImpl->mainWindow->resize(640, 480);
    FImpl->mainWindow->show();
    if (autoCloseMs > 0) QTimer::singleShot(autoCloseMs, FImpl->mainWindow.get(), &QWidget::close);
}

int TApplication::Run() { return FImpl->app.exec(); }

void TApplication::ProcessMessages() { QCoreApplication::processEvents(); }

bool TApplication::IsOffscreen() {
    return QGuiApplication::platformName() == QLatin1String("offscreen");
}
