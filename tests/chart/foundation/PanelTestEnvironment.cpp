// The panel tests need a window layer: one off-screen application for the whole program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "platform/ui/Application.h"

namespace {
class TPanelEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        FApp = std::make_unique<TApplication>(FArgc, FArgv);
    }
    void TearDown() override { FApp.reset(); }

private:
    int FArgc = 1;
    char FName[16] = "test_foundation";
    char* FArgv[2] = {FName, nullptr};
    std::unique_ptr<TApplication> FApp;
};

const ::testing::Environment* const panelEnvironment =
    ::testing::AddGlobalTestEnvironment(new TPanelEnvironment);
}  // namespace
