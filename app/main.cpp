// KAVRI320: effective emissivity of axisymmetric blackbody cavities by Monte Carlo ray tracing.
#include <cstdio>

#include "app/Startup.h"
#include "platform/rtl/MessageService.h"
#include "platform/rtl/ProgramName.h"
#include "platform/ui/Application.h"
#include "workbench/ProgramFolders.h"
#include "workbench/windows/ComputeDialog.h"
#include "workbench/windows/MainWindow.h"
#include "workbench/windows/ResultsWindow.h"
#include "workbench/windows/TargetingWindow.h"

namespace {

// Without a display nobody can read or answer a message box: messages go to the standard error
// and every question is answered No, so that nothing is erased unasked.
class TConsoleMessages final : public IMessageService {
public:
    void ShowMessage(const std::string& text) override {
        std::string line = text;
        for (char& c : line)
            if (c == '\r') c = '\n';
        std::fprintf(stderr, "%s\n", line.c_str());
    }
    bool ConfirmYesNo(const std::string& text) override {
        ShowMessage(text + " - No");
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    // The platform names its settings folder, lock file and toolkit application after it.
    SetProgramName("KAVRI320");
    TApplication application(argc, argv);
    RegisterProgramUnits();
    application.SetTitle("KAVRI320");
    static TConsoleMessages console;
    if (TApplication::IsOffscreen()) SetMessageService(&console);
    // The main window's creation is the start-up: a second copy ends here, having touched no
    // database.
    TFMainDB* mainWindow = new TFMainDB(nullptr, ExecutableDir());
    if (mainWindow->StartRefused()) {
        TObject::Free(mainWindow);
        return 1;
    }
    application.SetMainForm(mainWindow);
    ConnectResultsWindow(*mainWindow);
    ConnectComputeDialog(*mainWindow);
    ConnectTargetingView(*mainWindow);
    // Without a display nobody can close the window: it closes itself (and saves) after a while.
    if (TApplication::IsOffscreen()) mainWindow->CloseAfter(2000);
    const int code = application.Run();
    TObject::Free(mainWindow);
    return code;
}
