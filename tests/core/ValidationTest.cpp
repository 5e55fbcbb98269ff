#include "model/CarDesign.h"
#include "model/Validation.h"

#include <gtest/gtest.h>

using namespace brisko;

namespace {

const QString kDriveWheelMsg = "The drive wheel diameter must be positive, greater than the spring chamber outer "
                               "diameter, and no more than 7.5 inches.";
const QString kOtherWheelMsg = "The non-drive wheel diameter must be positive, greater than 0.25 inches, no more "
                               "than 7.5 inches, and greater than the axle diameter.";
const QString kDriveAxleDiaMsg =
    "The drive axle diameter must be positive, greater than zero, and no more than 2 inches.";
const QString kDriveAxleLenMsg =
    "The drive axle length must be positive, greater than zero, and no more than 36 inches.";
const QString kOtherAxleDiaMsg = "The non-drive axle diameter must be positive, greater than zero, no more than 1 "
                                 "inch, and less than the wheel diameter.";
const QString kOtherAxleLenMsg =
    "The non-drive axle length must be positive, greater than zero, and no more than 36 inches.";
const QString kSpringWidthMsg =
    "The spring width must be positive, no less than 0.1 inch, and no more than 6 inches.";
const QString kSpringLengthMsg =
    "The spring length must be positive, no less than 3 inches, and no more than 240 inches.";
const QString kCaseRatioMsg =
    "The case ratio must be positive, no less than 4 percent, and no more than 99 percent.";
const QString kFrictionMsg = "The friction force must be positive, greater than 0.01 lb, and no more than 0.25 lb.";
const QString kWheelOnAxleMsg = "The diameter of the drive wheel must be larger than the diameter of the drive axle.";
const QString kOtherWheelOnAxleMsg =
    "The diameter of the non-drive wheel must be larger than the diameter of the non-drive axle.";

DesignFieldTexts defaultTexts()
{
    const CarDesign design;
    DesignFieldTexts t;
    for (int code : kDimensionCodes)
        t.dimension(code) = *dimensionByCode(design, code);
    t.CaseRatio = design.CaseRatio;
    t.FrictionForce = design.FrictionForce;
    return t;
}

// The message for the default texts with one dimension changed ("" when accepted).
QString messageWith(int code, const QString& text, float caseOuterDia = 0.0f)
{
    auto t = defaultTexts();
    t.dimension(code) = text;
    return validateDesign(t, caseOuterDia).value_or(QString());
}

QString messageWithPreferences(const QString& caseRatio, const QString& friction)
{
    auto t = defaultTexts();
    t.CaseRatio = caseRatio;
    t.FrictionForce = friction;
    return validateDesign(t, 0.0f).value_or(QString());
}

} // namespace

TEST(ValidateDesign, DefaultDesignPasses)
{
    EXPECT_FALSE(validateDesign(defaultTexts(), 0.0f).has_value());
}

TEST(ValidateDesign, DriveWheelBoundsInSinglePrecision)
{
    EXPECT_EQ(messageWith(18, "0.01"), kDriveWheelMsg); // 0.01 in single falls just below 0.01
    EXPECT_EQ(messageWith(18, "7.5"), "");
    EXPECT_EQ(messageWith(18, "7.51"), kDriveWheelMsg);
    EXPECT_EQ(messageWith(18, "abc"), kDriveWheelMsg);
    EXPECT_EQ(messageWith(18, ""), kDriveWheelMsg);
}

TEST(ValidateDesign, DriveWheelAboveSevenAndAHalfNeedsALargerChamberAndMustExceedIt)
{
    EXPECT_EQ(messageWith(18, "7.51", 7.5f), kDriveWheelMsg); // chamber not above 7.5
    EXPECT_EQ(messageWith(18, "8.2", 8.0f), "");
    const QString chamberRule = messageWith(18, "7.9", 8.0f);
    EXPECT_TRUE(chamberRule.contains("larger than the spring chamber outer diameter")) << chamberRule.toStdString();
    EXPECT_TRUE(chamberRule.contains("8.00"));
    EXPECT_FALSE(messageWith(18, "8", 8.0f).isEmpty()); // equal is not larger
}

TEST(ValidateDesign, EachDimensionRangeWithItsMessage)
{
    auto smallWheel = defaultTexts();
    smallWheel.dimension(19) = "0.25";
    smallWheel.dimension(17) = "0.2";
    EXPECT_FALSE(validateDesign(smallWheel, 0.0f).has_value());
    EXPECT_EQ(messageWith(19, "0.2499"), kOtherWheelMsg);
    EXPECT_EQ(messageWith(19, "7.5001"), kOtherWheelMsg);
    EXPECT_EQ(messageWith(16, "2"), "");
    EXPECT_EQ(messageWith(16, "0.0001"), kDriveAxleDiaMsg);
    EXPECT_EQ(messageWith(16, "2.01"), kDriveAxleDiaMsg);
    EXPECT_EQ(messageWith(21, "36"), "");
    EXPECT_EQ(messageWith(21, "36.01"), kDriveAxleLenMsg);
    EXPECT_EQ(messageWith(21, "0"), kDriveAxleLenMsg);
    EXPECT_EQ(messageWith(17, "1"), ""); // the 1.75 in wheel is still larger
    EXPECT_EQ(messageWith(17, "1.01"), kOtherAxleDiaMsg);
    EXPECT_EQ(messageWith(17, "0.0001"), kOtherAxleDiaMsg);
    EXPECT_EQ(messageWith(20, "36"), "");
    EXPECT_EQ(messageWith(20, "-1"), kOtherAxleLenMsg);
    EXPECT_EQ(messageWith(14, "0.1"), "");
    EXPECT_EQ(messageWith(14, "6"), "");
    EXPECT_EQ(messageWith(14, "0.09"), kSpringWidthMsg);
    EXPECT_EQ(messageWith(14, "6.001"), kSpringWidthMsg);
    EXPECT_EQ(messageWith(14, "1.5x"), kSpringWidthMsg);
    EXPECT_EQ(messageWith(15, "3"), "");
    EXPECT_EQ(messageWith(15, "240"), "");
    EXPECT_EQ(messageWith(15, "240.001"), kSpringLengthMsg);
    EXPECT_EQ(messageWith(15, "2.99"), kSpringLengthMsg);
}

TEST(ValidateDesign, CaseRatioAndFrictionRanges)
{
    EXPECT_EQ(messageWithPreferences("4", "0.05"), "");
    EXPECT_EQ(messageWithPreferences("99", "0.05"), "");
    EXPECT_EQ(messageWithPreferences("150", "0.05"), kCaseRatioMsg);
    EXPECT_EQ(messageWithPreferences("3.9", "0.05"), kCaseRatioMsg);
    EXPECT_EQ(messageWithPreferences("4.0", "0.25"), "");
    EXPECT_EQ(messageWithPreferences("4.0", "0.2501"), kFrictionMsg);
    EXPECT_EQ(messageWithPreferences("4.0", "0.01"), kFrictionMsg);
    EXPECT_EQ(messageWithPreferences("4.0", "0.0101"), "");
}

TEST(ValidateDesign, WheelsMustBeLargerThanTheirAxles)
{
    auto t = defaultTexts();
    t.dimension(18) = "0.5"; // drive axle is 0.5
    EXPECT_EQ(validateDesign(t, 0.0f).value_or(""), kWheelOnAxleMsg);
    t.dimension(18) = "0.51";
    EXPECT_FALSE(validateDesign(t, 0.0f).has_value());

    t = defaultTexts();
    t.dimension(19) = "0.5";
    t.dimension(17) = "0.5";
    EXPECT_EQ(validateDesign(t, 0.0f).value_or(""), kOtherWheelOnAxleMsg);
}

TEST(ValidateDesign, FirstFailingCheckInOrderWins)
{
    auto t = defaultTexts();
    t.dimension(15) = "500";  // check 8
    t.dimension(14) = "9";    // check 7
    t.dimension(16) = "5";    // check 3, ahead of check 11 which it also fails
    t.CaseRatio = "1";        // check 9
    EXPECT_EQ(validateDesign(t, 0.0f).value_or(""), kDriveAxleDiaMsg);
    t.dimension(16) = "0.5";
    EXPECT_EQ(validateDesign(t, 0.0f).value_or(""), kSpringWidthMsg);
    t.dimension(14) = "1.5";
    EXPECT_EQ(validateDesign(t, 0.0f).value_or(""), kSpringLengthMsg);
    t.dimension(15) = "36";
    EXPECT_EQ(validateDesign(t, 0.0f).value_or(""), kCaseRatioMsg);
    t.CaseRatio = "4";
    t.FrictionForce = "1";
    t.dimension(18) = "0.4"; // check 11 comes after friction
    EXPECT_EQ(validateDesign(t, 0.0f).value_or(""), kFrictionMsg);
}

TEST(ValidatePreferences, StepSizeCaseRatioFrictionInOrderWithTrailingBlank)
{
    EXPECT_FALSE(validatePreferences("2", "4", "0.25").has_value());
    EXPECT_FALSE(validatePreferences("72", "99", "0.05").has_value());
    EXPECT_FALSE(validatePreferences("9", "4.0", "0.05").has_value());
    const QString stepMsg =
        "The finite element size must be positive, greater than 2 pixels, and not more than 72 pixels. ";
    const QString ratioMsg = "The case ratio must be positive, not less than 4 percent, and less than 99 percent. ";
    const QString frictionMsg =
        "The friction force must be positive, greater than 0.01 lb, and not more than 0.25 lb. ";
    EXPECT_EQ(validatePreferences("73", "150", "1").value_or(""), stepMsg);
    EXPECT_EQ(validatePreferences("1", "4", "0.05").value_or(""), stepMsg);
    EXPECT_EQ(validatePreferences("x", "4", "0.05").value_or(""), stepMsg);
    EXPECT_EQ(validatePreferences("9", "150", "1").value_or(""), ratioMsg);
    EXPECT_EQ(validatePreferences("9", "4", "0.01").value_or(""), frictionMsg);
    EXPECT_EQ(validatePreferences("9", "4", "0.2501").value_or(""), frictionMsg);
}
