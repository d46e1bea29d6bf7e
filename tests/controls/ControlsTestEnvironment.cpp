// One application for the whole test program, off screen so that no test needs a display.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "platform/ui/Application.h"

namespace {
class TControlsEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        FApp = std::make_unique<TApplication>(FArgc, FArgv);
    }
    void TearDown() override { FApp.reset(); }

private:
    int FArgc = 1;
    char FName[14] = "test_controls";
    char* FArgv[2] = {FName, nullptr};
    std::unique_ptr<TApplication> FApp;
};

const ::testing::Environment* const controlsEnvironment =
    ::testing::AddGlobalTestEnvironment(new TControlsEnvironment);
}  // namespace
