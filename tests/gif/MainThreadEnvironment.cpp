// The test program's main thread is the program's main thread, as start-up registers it.
#include <gtest/gtest.h>

#include "gif/GIFThreads.h"

namespace {

class TMainThreadEnvironment : public ::testing::Environment {
public:
    void SetUp() override { RegisterMainThread(); }
};

const auto* const Registered = ::testing::AddGlobalTestEnvironment(new TMainThreadEnvironment);

}  // namespace
