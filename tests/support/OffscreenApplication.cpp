// One application for the whole test program, off screen so that no test needs a display.
#include "tests/support/OffscreenApplication.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "platform/rtl/ProgramName.h"
#include "tests/support/TestProgramName.h"

namespace {
class TOffscreenApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        SetProgramName(TestProgramName);
        FApp = std::make_unique<TApplication>(FArgc, FArgv);
        FApp->SetTitle(TestAppTitle);
    }
    void TearDown() override { FApp.reset(); }

private:
    int FArgc = 1;
    char FName[16] = "kavri320-tests";
    char* FArgv[2] = {FName, nullptr};
    std::unique_ptr<TApplication> FApp;
};

const ::testing::Environment* const offscreenApplication =
    ::testing::AddGlobalTestEnvironment(new TOffscreenApplicationEnvironment);
}  // namespace
