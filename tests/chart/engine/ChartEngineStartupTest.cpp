// The engine's start-up seeds the sample values' generator from the clock, once.
#include <gtest/gtest.h>

#include <cstdint>

#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/SampleRandom.h"
#include "chart/foundation/LibraryTexts.h"

namespace {

uint64_t Ticks = 0;
uint64_t FixedClock() { return Ticks; }

// The system clock comes back whatever the test does.
struct TFixedClock {
    TFixedClock() { SetRandomizeClock(FixedClock); }
    ~TFixedClock() { SetRandomizeClock(nullptr); }
};

TEST(ChartEngineStartupTest, StartUpSeedsTheSampleGeneratorFromTheClock) {
    LoadCoreTexts();
    const TFixedClock clock;
    const struct {
        uint64_t Ticks;
        uint32_t Seed;  // both halves of the ticks
    } cases[] = {{7, 7}, {0x0000000500000007, 2}, {0x123456789ABCDEF0, 0x88888888}};
    for (const auto& c : cases) {
        SetRandomSeed(12345);
        Ticks = c.Ticks;
        ChartEngineUnitStartup();
        EXPECT_EQ(RandomSeed(), c.Seed) << std::hex << c.Ticks;
        ChartEngineUnitShutdown();
    }

    // Same clock, same samples; a nested start-up leaves the sequence alone.
    Ticks = 99;
    ChartEngineUnitStartup();
    const int first = RandomBelow(1000000);
    SetRandomSeed(99);
    EXPECT_EQ(RandomBelow(1000000), first);
    Ticks = 100;
    ChartEngineUnitStartup();
    EXPECT_NE(RandomSeed(), 100u);
    ChartEngineUnitShutdown();
    ChartEngineUnitShutdown();
}

}  // namespace
