#include <gtest/gtest.h>

#include "platform/rtl/MessageService.h"
#include "tests/support/RecordingMessages.h"

namespace {

TEST(MessageService, NothingWaitsWithoutAServiceAndRecordersNest) {
    // With none in force, a message goes nowhere and a question is answered No.
    EXPECT_NO_THROW(ShowMessage("dropped"));
    EXPECT_FALSE(ConfirmYesNo("Continue?"));
    {
        TRecordingMessages outer;
        {
            TRecordingMessages inner;
            inner.Answer = false;
            ShowMessage("one\rtwo");
            EXPECT_FALSE(ConfirmYesNo("Delete?"));
            EXPECT_EQ(inner.Shown, std::vector<std::string>{"one\rtwo"});
            EXPECT_EQ(inner.Asked, std::vector<std::string>{"Delete?"});
        }
        EXPECT_TRUE(ConfirmYesNo("Again?"));  // the outer one is back in force
        EXPECT_TRUE(outer.Shown.empty());
        EXPECT_EQ(outer.Asked, std::vector<std::string>{"Again?"});
    }
    EXPECT_FALSE(ConfirmYesNo("Continue?"));
}

}  // namespace
