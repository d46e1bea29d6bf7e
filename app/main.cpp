// KAVRI320: effective emissivity of axisymmetric blackbody cavities by Monte Carlo ray tracing.
#include "app/Startup.h"
#include "platform/rtl/ProgramName.h"
#include "platform/ui/Application.h"

int main(int argc, char** argv) {
    // The platform names its settings folder, lock file and toolkit application after it.
    SetProgramName("KAVRI320");
    TApplication application(argc, argv);
    RegisterProgramUnits();
    application.SetTitle("KAVRI320");
    application.ShowMainWindow(TApplication::IsOffscreen() ? 2000 : 0);
    return application.Run();
}
