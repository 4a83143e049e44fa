#include "toolkit/Numeric.h"

#include <gtest/gtest.h>

using namespace tabulon;

TEST(Numeric, ScaleProductsAreExact)
{
    Decimal4 s;
    ASSERT_TRUE(Decimal4::parse("0.7", s));
    EXPECT_EQ(s.intTimes(1000), 700);
    EXPECT_DOUBLE_EQ(s.times(1000), 700);
    ASSERT_TRUE(Decimal4::parse("1.3", s));
    EXPECT_EQ(s.intTimes(19500), 25350);
    EXPECT_EQ(Decimal4::fromDouble(1.0 + 0.1 + 0.1 + 0.1), Decimal4::fromRaw(13000));
    EXPECT_EQ(Decimal4::fromRaw(5000).intTimes(-1), -1);
    EXPECT_EQ(Decimal4::fromRaw(13000).toString(), "1.3");
    // A rule position is the floor of the product: a value just short of a whole twip
    // stays below it, while a product that misses only by its own rounding error does not.
    EXPECT_EQ(Decimal4::fromInt(1).intTimes(999.99999), 999);
    EXPECT_EQ(Decimal4::fromRaw(7000).intTimes(0.1 + 0.2), 0);
    EXPECT_EQ(Decimal4::fromRaw(10000).intTimes(0.1 * 3 * 10), 3);
}

TEST(Numeric, IntFloorsAndRoundingGoesToEven)
{
    EXPECT_EQ(Int(-0.5), -1);
    EXPECT_EQ(Int(100.9), 100);
    EXPECT_EQ(RoundToInt16(2.5), 2);
    EXPECT_EQ(RoundToInt16(3.5), 4);
    EXPECT_EQ(RoundToInt16(-2.5), -2);
    EXPECT_EQ(RoundToInt16(1e9), 32767);
}

TEST(Numeric, ValReadsTheLeadingNumber)
{
    EXPECT_DOUBLE_EQ(Val("39.57N"), 39.57);
    EXPECT_DOUBLE_EQ(Val("  -3abc"), -3);
    EXPECT_DOUBLE_EQ(Val("abc"), 0);
    EXPECT_DOUBLE_EQ(Val(""), 0);
    EXPECT_DOUBLE_EQ(Val("1e2x"), 100);
    EXPECT_DOUBLE_EQ(Val("1e"), 1);
}
