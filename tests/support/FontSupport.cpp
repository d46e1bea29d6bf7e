// One font support for the whole test program, off screen so that no test needs a display.
#include "tests/support/FontSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "platform/rtl/ProgramName.h"
#include "tests/support/TestProgramName.h"

namespace {
class TFontSupportEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        SetProgramName(TestProgramName);
        FFonts = std::make_unique<TFontSupport>();
    }
    void TearDown() override { FFonts.reset(); }

private:
    std::unique_ptr<TFontSupport> FFonts;
};

const ::testing::Environment* const fontSupport =
    ::testing::AddGlobalTestEnvironment(new TFontSupportEnvironment);
}  // namespace
