#include "level/number_reader.h"

#include <climits>
#include <cmath>
#include <string>

#include <gtest/gtest.h>

TEST(NumberReader, ReadsPlainDecimalsAsThirtyTwoBitFloats)
{
    EXPECT_EQ(parseNumber("3"), 3.0f);
    EXPECT_EQ(parseNumber("0.3"), 0.3f);
    EXPECT_EQ(parseNumber("-1.25"), -1.25f);
    EXPECT_EQ(parseNumber("-0.5"), -0.5f);
    EXPECT_EQ(parseNumber("123456"), 123456.0f);
    // Ten-fold divisions one place at a time are not exact.
    EXPECT_FLOAT_EQ(parseNumber("0.0001"), 0.0001f);
}

TEST(NumberReader, EachDecimalPlaceIsATenthTakenInDoubleAndRoundedToFloat)
{
    // Stored levels were read this way; a reader rounding once to the
    // nearest float, or multiplying by 0.1f in float, moves these values.
    EXPECT_EQ(parseNumber("0.45"), 0x1.ccccccp-2f);    // in float: 0x1.ccccce
    EXPECT_EQ(parseNumber("0.01"), 0x1.47ae14p-7f);    // in float: 0x1.47ae16
    EXPECT_EQ(parseNumber("0.33"), 0x1.51eb84p-2f);    // nearest and in float: 0x1.51eb86
    EXPECT_EQ(parseNumber("0.0001"), 0x1.a36e2cp-14f); // nearest 0x1.a36e2e, in float 0x1.a36e30
}

TEST(NumberReader, NumbersBeyondTheFloatRangeReadAsInfinityButExponentsAsZero)
{
    // 10^38 still fits a float; 10^39 written out overflows the running
    // value to infinity, which later tenths cannot bring back.
    const std::string e38 = "1" + std::string(38, '0');
    const std::string e39 = "1" + std::string(39, '0');
    EXPECT_TRUE(std::isfinite(parseNumber(e38)));
    EXPECT_GT(parseNumber(e38), 0.99e38f);
    EXPECT_EQ(parseNumber(e39), INFINITY);
    EXPECT_EQ(parseNumber("-" + e39), -INFINITY);
    EXPECT_EQ(parseNumber(e39 + ".5"), INFINITY);
    // Written with an exponent it is no number at all: 0.
    EXPECT_EQ(parseNumber("1e39"), 0.0f);
    EXPECT_EQ(parseNumber("-1e39"), 0.0f);
}

TEST(NumberReader, KeepsTheQuirksStoredFilesRelyOn)
{
    // Empty or digit-free text is -1, which makes a flag true.
    EXPECT_EQ(parseNumber(""), -1.0f);
    EXPECT_EQ(parseNumber("abc"), -1.0f);
    EXPECT_EQ(parseNumber("-"), -1.0f);
    // Exponent notation is not read: any lowercase e gives 0.
    EXPECT_EQ(parseNumber("1e-07"), 0.0f);
    EXPECT_EQ(parseNumber("2e+06"), 0.0f);
    EXPECT_EQ(parseNumber("hello 5"), 0.0f);
    // Decimals are counted on the raw text: a trailing space is a place.
    EXPECT_EQ(parseNumber("0.5 "), 0.05f);
    EXPECT_EQ(parseNumber("1.2.3"), 0.123f);
    // A minus anywhere negates; other characters vanish.
    EXPECT_EQ(parseNumber("5-"), -5.0f);
    EXPECT_EQ(parseNumber("1 2"), 12.0f);
    EXPECT_EQ(parseNumber("x7y"), 7.0f);
    // A point with nothing after it adds no decimal.
    EXPECT_EQ(parseNumber("4."), 4.0f);
}

TEST(NumberReader, SurvivesExtremeTexts)
{
    std::string manyDigits(400, '9');
    EXPECT_TRUE(std::isinf(parseNumber(manyDigits)));
    EXPECT_TRUE(std::isinf(parseNumber("-" + manyDigits)));
    EXPECT_EQ(parseNumber("0." + std::string(100000, '0') + "1"), 0.0f);
    EXPECT_TRUE(std::isinf(parseNumber("1." + std::string(100000, '0'))));
    EXPECT_EQ(parseNumber(std::string("7\0" "5", 3)), 75.0f);
}

TEST(NumberReader, IntegersTruncateAndClampInsteadOfOverflowing)
{
    EXPECT_EQ(parseInteger("0"), 0);
    EXPECT_EQ(parseInteger("42"), 42);
    EXPECT_EQ(parseInteger("-3"), -3);
    EXPECT_EQ(parseInteger(""), -1);
    EXPECT_EQ(parseInteger("x"), -1);
    // The point is dropped with the other non-digits.
    EXPECT_EQ(parseInteger("2.7"), 27);
    // Accumulated in a 32-bit float, so large values round.
    EXPECT_EQ(parseInteger("16777217"), 16777216);
    EXPECT_EQ(parseInteger("99999999999"), INT_MAX);
    EXPECT_EQ(parseInteger("-99999999999"), INT_MIN);
    EXPECT_EQ(parseInteger(std::string(400, '9')), INT_MAX);

    EXPECT_EQ(truncateToInt(2.7f), 2);
    EXPECT_EQ(truncateToInt(-2.7f), -2);
    EXPECT_EQ(truncateToInt(INFINITY), INT_MAX);
    EXPECT_EQ(truncateToInt(-INFINITY), INT_MIN);
    EXPECT_EQ(truncateToInt(NAN), 0);
}
