#include <gtest/gtest.h>

#include "platform/rtl/CheckedArray.h"
#include "platform/rtl/RtlMath.h"

TEST(RtlMath, RoundHalvesToEvenAndTruncGoesTowardZero) {
    struct Case {
        long double x;
        int64_t round, trunc;
    } cases[] = {{0.5L, 0, 0},    {1.5L, 2, 1},    {2.5L, 2, 2},    {-0.5L, 0, 0},
                 {-2.5L, -2, -2}, {-1.5L, -2, -1}, {2.4999L, 2, 2}, {-3.7L, -4, -3}};
    for (const auto& c : cases) {
        EXPECT_EQ(Round(c.x), c.round) << double(c.x);
        EXPECT_EQ(Trunc(c.x), c.trunc) << double(c.x);
    }
    EXPECT_THROW(Round(1e30L), EInvalidOp);
    EXPECT_THROW(Trunc(std::numeric_limits<long double>::quiet_NaN()), EInvalidOp);
}

// Drawing rounds whatever a chart computes: nothing may fail, and a saturated value plus an
// offset within a surface must still fit an int.
TEST(RtlMath, RoundToIntSaturatesForDrawing) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double x;
        int expected;
    } cases[] = {{2.5, 2},
                 {3.5, 4},
                 {-2.5, -2},
                 {-0.4, 0},
                 {1e9, 1000000000},
                 {1e300, RoundToIntLimit},
                 {-1e300, -RoundToIntLimit},
                 {double(INT32_MAX) + 10, RoundToIntLimit},
                 {inf, RoundToIntLimit},
                 {-inf, -RoundToIntLimit},
                 {std::numeric_limits<double>::quiet_NaN(), 0}};
    for (const auto& c : cases) EXPECT_EQ(RoundToInt(c.x), c.expected) << c.x;
    EXPECT_GT(RoundToInt(inf) + 30000, 0);  // no overflow with a surface-sized offset
}

TEST(RtlMath, IntegerDivisionTruncates) {
    EXPECT_EQ(IntDiv(-7, 2), -3);
    EXPECT_EQ(IntMod(-7, 2), -1);
    EXPECT_EQ(IntMod(7, -2), 1);
    EXPECT_THROW(IntDiv(1, 0), EDivByZero);
}

TEST(RtlMath, MulDivRoundsHalvesAwayFromZero) {
    struct Case {
        int32_t a, b, c, expected;
    } cases[] = {
        {1, 1, 2, 1},
        {3, 1, 2, 2},
        {-1, 1, 2, -1},
        {-3, 1, 2, -2},
        {1, -3, 2, -2},
        {5, 1, 4, 1},
        {7, 1, 4, 2},
        {10, 10, 0, -1},
        {96, 72, 96, 72},
        {1 << 30, 8, 2, -1},
        {-(1 << 30), 4, 2, INT32_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}

TEST(RtlMath, Sign) {
    EXPECT_EQ(Sign(-0.1), -1);
    EXPECT_EQ(Sign(0.0L), 0);
    EXPECT_EQ(Sign(7), 1);
}

TEST(CheckedArray, IndexOutsideTheBoundsRaises) {
    TCheckedArray<int, 1, 101> a;
    a[1] = 5;
    a[101] = 6;
    EXPECT_EQ(a[1] + a[101], 11);
    EXPECT_THROW(a[0], ERangeError);
    EXPECT_THROW(a[102], ERangeError);

    TCheckedArray<TCheckedArray<double, 0, 201>, 0, 1> b;
    b[1][201] = 2.0;
    EXPECT_EQ(b[1][201], 2.0);
    EXPECT_EQ(b[0][0], 0.0);
    EXPECT_THROW(b[2][0], ERangeError);
    EXPECT_THROW(b[0][202], ERangeError);
}
