#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <sstream>

#include "engine/MT19937.h"

namespace {

TEST(MT19937, SeedingWith4357GivesTheReferenceWords) {
    MTSeed(4357);
    const uint32_t expected[] = {2867219139u, 1585203162u, 3113124129u, 2953900839u, 2463794868u};
    for (uint32_t word : expected) EXPECT_EQ(MTNext(), word);
}

TEST(MT19937, FirstDrawWithoutSeedingSeedsWith4357) {
    MTIndex = MTUnseeded;
    const uint32_t first = MTNext();
    const uint32_t second = MTNext();
    MTSeed(4357);
    EXPECT_EQ(first, MTNext());
    EXPECT_EQ(second, MTNext());
}

// The recurrence and tempering are the standard ones: loaded with our seeded state, the
// standard engine must give the same words over several regenerations (only its seeding
// differs, which is why it is not used by the engine itself).
TEST(MT19937, RecurrenceMatchesTheStandardEngineFromTheSameState) {
    MTSeed(20260101u);
    std::stringstream state;
    for (int i = 0; i < MTStateSize; ++i) state << MTState[i] << ' ';
    state << MTStateSize;
    std::mt19937 standard;
    state >> standard;
    ASSERT_FALSE(state.fail());
    for (int i = 0; i < 3 * MTStateSize + 5; ++i) ASSERT_EQ(MTNext(), standard()) << "draw " << i;
}

// The state word whose tempering gives `word`.
uint32_t Untemper(uint32_t y) {
    y ^= y >> 18;
    y ^= (y << 15) & 0xEFC60000u;
    uint32_t x = y;
    for (int i = 0; i < 5; ++i) x = y ^ ((x << 7) & 0x9D2C5680u);
    y = x;
    for (int i = 0; i < 3; ++i) x = y ^ (x >> 11);
    return x;
}

TEST(MT19937, RandomIsTheWordTimesTwoToTheMinus32) {
    struct Case {
        uint32_t word;
        Real expected;
    };
    const Case cases[] = {{0u, 0.0L},
                          {1u, 0x1p-32L},
                          {0x80000000u, 0.5L},
                          {4294967295u, 4294967295.0L / 4294967296.0L}};
    for (const Case& c : cases) {
        MTSeed(1);
        MTGenerate();
        MTState[0] = Untemper(c.word);
        ASSERT_EQ(MTNext(), c.word);
        MTIndex = 0;
        EXPECT_EQ(MTRandom(), c.expected) << "word " << c.word;
    }
}

TEST(MT19937, RandomizeReseedsAndLeavesOtherGeneratorsAlone) {
    std::srand(77);
    const int expected = std::rand();
    std::srand(77);
    MTSeed(4357);
    MTRandomize();
    EXPECT_EQ(MTIndex, MTStateSize);
    EXPECT_EQ(std::rand(), expected);
    const uint32_t a = MTNext();
    MTRandomize();
    EXPECT_NE(a, MTNext());  // a clock seed of a later instant
}

}  // namespace
