#include "text/NumberText.h"

#include <gtest/gtest.h>

using namespace brisko;

TEST(Nearest, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(nearest(0.5), 0);
    EXPECT_EQ(nearest(1.5), 2);
    EXPECT_EQ(nearest(2.5), 2);
    EXPECT_EQ(nearest(-0.5), 0);
    EXPECT_EQ(nearest(-1.5), -2);
    EXPECT_EQ(nearest(2.5000001), 3);
    EXPECT_EQ(nearest(-2.7), -3);
}

TEST(NumberText, WidenedSingleWithFifteenDigits)
{
    EXPECT_EQ(numberText(0.57f), "0.569999992847443");
    EXPECT_EQ(numberText(4.81f), "4.80999994277954");
    EXPECT_EQ(numberText(0.0f), "0");
    EXPECT_EQ(numberText(2.0f), "2");
    EXPECT_EQ(numberText(36.0f), "36");
    EXPECT_EQ(numberText(-0.25f), "-0.25");
    EXPECT_EQ(numberText(0.75f), "0.75");
    EXPECT_EQ(numberText(1234567.0f), "1234567");
    EXPECT_EQ(numberText(0.0001f), "0.0000999999974737875");
    EXPECT_EQ(numberText(0.000001f), "9.99999997475243E-7");
    EXPECT_EQ(numberText(1e20f), "1.00000002004088E20");
    EXPECT_EQ(cut(numberText(4.81f), 4), "4.80");
}

TEST(FormatFixed, PatternsRoundTheDecimalFormHalfAwayFromZero)
{
    EXPECT_EQ(formatFixed(12.345, 2), "12.35");
    EXPECT_EQ(formatFixed(0, 2), "0.00");
    EXPECT_EQ(formatFixed(0.005, 2), "0.01");
    EXPECT_EQ(formatFixed(-0.125, 2), "-0.13");
    EXPECT_EQ(formatFixed(-0.001, 2), "0.00");
    EXPECT_EQ(formatFixed(9.996, 2), "10.00");
    EXPECT_EQ(formatFixed(99.95, 1), "100.0");
    EXPECT_EQ(formatFixed(3.52f, 2), "3.52");
    EXPECT_EQ(formatFixed(11.84f, 1), "11.8");
    EXPECT_EQ(formatFixed(1234.5, 0), "1235");
}

TEST(ResultForm, BracketsStayOthersTakeTwoDecimals)
{
    EXPECT_EQ(resultForm("12.345"), "12.35");
    EXPECT_EQ(resultForm("0"), "0.00");
    EXPECT_EQ(resultForm("[3.21]"), "[3.21]");
    EXPECT_EQ(resultForm("[anything"), "[anything");
    EXPECT_FALSE(resultForm("abc").has_value());
    EXPECT_FALSE(resultForm("").has_value());
}

TEST(FileFloat, TwentyThreeCharacterScientificForm)
{
    EXPECT_EQ(fileFloat(115.0f / 72.0f), " 1.59722220897675E+0000");
    EXPECT_EQ(fileFloat(25.0f), " 2.50000000000000E+0001");
    EXPECT_EQ(fileFloat(115.0f), " 1.15000000000000E+0002");
    EXPECT_EQ(fileFloat(-0.125f), "-1.25000000000000E-0001");
    EXPECT_EQ(fileFloat(0.0f), " 0.00000000000000E+0000");
    for (float v : {115.0f / 72.0f, 25.0f / 72.0f, -0.5f, 1e-7f, 3.0e30f})
        EXPECT_EQ(fileFloat(v).size(), 23) << v;
}

TEST(TextToNumber, TheWholeTextMustConvert)
{
    EXPECT_EQ(toDouble("1.5"), 1.5);
    EXPECT_EQ(toDouble(" 2 "), 2.0);
    EXPECT_EQ(toDouble("-0.25"), -0.25);
    EXPECT_EQ(toDouble("+3"), 3.0);
    EXPECT_EQ(toDouble(".5"), 0.5);
    EXPECT_EQ(toDouble("1.15000000000000E+0002"), 115.0);
    for (const char* bad : {"", "abc", "1,5", "1.5x", "--1", "1 5", "inf", "nan", "0x10", "1e"})
        EXPECT_FALSE(toDouble(bad).has_value()) << bad;
    // A portfolio's figures are read from their bytes by the same rules.
    for (const char* text : {"1.5", "\t2 ", "-0.25", "+3", "\xa0" "7\x85", "1,5", "--1", "", "1e"})
        EXPECT_EQ(latin1ToDouble(text), toDouble(QString::fromLatin1(text))) << text;
    EXPECT_FALSE(toSingle("1e39").has_value());
    EXPECT_EQ(toInt("-12"), -12);
    EXPECT_FALSE(toInt("1.0").has_value());
    EXPECT_FALSE(toInt("").has_value());
}

TEST(TextToNumber, BoundsAreComparedOnTheSingleValue)
{
    // A typed bound that is not exact in single precision falls below a double bound.
    EXPECT_LT(*toSingle("0.01"), 0.01);
    EXPECT_LT(*toSingle("0.0001"), 0.0001);
    EXPECT_GE(*toSingle("0.1"), 0.1);
    EXPECT_GE(*toSingle("0.25"), 0.25);
    EXPECT_GE(*toSingle("3"), 3.0);
    EXPECT_GE(*toSingle("4"), 4.0);
}
