#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <atomic>
#include <stdexcept>
#include <thread>

#include "platform/ui/IdleHooks.h"
#include "tests/support/OffscreenApplication.h"

namespace {

TEST(IdleHooks, WorkerWakesTheMainLoopAndTheHookRunsInTheMainThread) {
    const std::thread::id mainId = std::this_thread::get_id();
    std::atomic<bool> posted{false};
    std::thread::id ranIn;
    int runs = 0;
    const TIdleHookId id = AddIdleHook([&] {
        if (!posted) return;
        ranIn = std::this_thread::get_id();
        ++runs;
    });
    std::thread worker([&] {
        posted = true;
        WakeMainThread();
    });
    worker.join();
    // Only the loop's own waiting: no ProcessMessages, which would run the hooks by itself.
    QElapsedTimer clock;
    clock.start();
    while (runs == 0 && clock.elapsed() < 2000) TApplication::HandleMessage();
    RemoveIdleHook(id);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(ranIn, mainId);
}

TEST(IdleHooks, ProcessMessagesRunsHooksAndRemovedOrRaisingHooksAreHandled) {
    int first = 0, second = 0, reported = 0;
    TIdleHookId secondId = 0;
    const auto formerHandler = Application->OnException;
    Application->OnException = [&](TObject*, const Exception&) { ++reported; };
    // The first hook raises, then removes the second before it gets its turn.
    const TIdleHookId firstId = AddIdleHook([&] {
        ++first;
        RemoveIdleHook(secondId);
        throw std::runtime_error("hook failed");
    });
    secondId = AddIdleHook([&] { ++second; });
    TApplication::ProcessMessages();
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 0);
    EXPECT_EQ(reported, 1);
    RemoveIdleHook(firstId);
    TApplication::ProcessMessages();
    EXPECT_EQ(first, 1);
    Application->OnException = formerHandler;
}

}  // namespace
