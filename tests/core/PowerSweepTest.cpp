#include "analysis/PowerSweep.h"
#include "model/Presets.h"
#include "text/NumberText.h"

#include <gtest/gtest.h>

using namespace brisko;

namespace {

std::vector<float> tried(const QString& from, const QString& to, const QString& step)
{
    SweepFormTexts form;
    form.Width = {from, to, step};
    const SweepCheck check = checkSweepForm(form);
    EXPECT_TRUE(check.Plan.has_value()) << check.Message.toStdString();
    return check.Plan ? sweepValues(check.Plan->Width) : std::vector<float>{};
}

void expectValues(const std::vector<float>& values, std::initializer_list<float> expected)
{
    ASSERT_EQ(values.size(), expected.size());
    auto e = expected.begin();
    for (float v : values)
        EXPECT_NEAR(v, *e++, 1e-5);
}

QString messageOf(const SweepFormTexts& form)
{
    return checkSweepForm(form).Message;
}

} // namespace

TEST(SweepLoops, InitialFieldsTryEightWheelsFromFourToSevenAndAHalf)
{
    CarDesign design;
    MaterialLibrary materials;
    loadPresetShape(design, 0);
    const CarDesign before = design;
    PowerSweep sweep(design, materials, *checkSweepForm(SweepFormTexts{}).Plan);
    QStringList wheels;
    while (sweep.runNext()) {
        EXPECT_EQ(sweep.lastWritten().Width, "1.5");
        EXPECT_EQ(sweep.lastWritten().Length, "36");
        wheels << numberText(toSingle(sweep.lastWritten().Wheel).value_or(0)); // as written, before any correction
    }
    EXPECT_EQ(wheels, QStringList({"4", "4.5", "5", "5.5", "6", "6.5", "7", "7.5"}));
    EXPECT_EQ(sweep.total(), 8);
    EXPECT_EQ(design.DriveWheelDiameter, before.DriveWheelDiameter) << "the student's design is never swept";
    ASSERT_TRUE(sweep.best().found());
    EXPECT_FALSE(sweep.best().Time.startsWith('['));
}

TEST(SweepLoops, RangesStartAtFromAndStopAtTheFirstValueNotBelowTo)
{
    expectValues(tried("2", "2", "0.5"), {2.0f});
    expectValues(tried("1", "2", "0.4"), {1.0f, 1.4f, 1.8f, 2.2f});
    expectValues(tried("1", "2", "0.5"), {1.0f, 1.5f, 2.0f});
}

TEST(SweepLoops, CombinationsMultiplyAcrossTheThreeLoops)
{
    SweepFormTexts form;
    form.Width = {"1", "2", "0.5"};    // 3
    form.Length = {"30", "40", "5"};   // 3
    form.Wheel = {"4", "5", "0.25"};   // 5
    EXPECT_EQ(combinationCount(*checkSweepForm(form).Plan), 45);
    form.Width = {"0.1", "6", "0.011"};
    form.Length = {"1", "240", "0.011"};
    form.Wheel = {"0.1", "7.5", "0.011"};
    EXPECT_GT(combinationCount(*checkSweepForm(form).Plan), 1e9);
}

TEST(SweepValidation, EachFieldFailsItsOwnTestInOrder)
{
    const char* starts[] = {"The starting spring width", "The ending spring width", "The spring width step size",
                            "The starting spring length", "The ending spring length", "The spring length step size",
                            "The starting drive wheel", "The ending drive wheel", "The drive wheel diameter step"};
    for (int field = 0; field < 9; ++field) {
        SweepFormTexts form;
        QString* texts[] = {&form.Width.From,  &form.Width.To,  &form.Width.Step,
                            &form.Length.From, &form.Length.To, &form.Length.Step,
                            &form.Wheel.From,  &form.Wheel.To,  &form.Wheel.Step};
        *texts[field] = QStringLiteral("abc");
        if (field + 1 < 9)
            *texts[8] = QStringLiteral("0"); // a later failure never shows first
        const QString message = messageOf(form);
        EXPECT_TRUE(message.startsWith(QString::fromLatin1(starts[field]))) << field << message.toStdString();
        EXPECT_TRUE(message.endsWith(QStringLiteral("inches. "))) << field;
    }
}

TEST(SweepValidation, BoundsHeldInSinglePrecision)
{
    SweepFormTexts form;
    form.Width = {"0.1", "6", "6"};
    EXPECT_TRUE(checkSweepForm(form).Plan.has_value()) << "0.1 and 6 are accepted";
    form.Width.Step = QStringLiteral("0.01");
    EXPECT_EQ(messageOf(form), "The spring width step size must be positive, greater than 0.01 inch, and not more "
                               "than 6 inches. ");
    form.Width.Step = QStringLiteral("0.011");
    form.Length = {"1", "240.01", "4"};
    EXPECT_EQ(messageOf(form), "The ending spring length must be positive, not less than 1 inch, and not more than "
                               "240 inches. ");
    form.Length = {"0.99", "240", "4"};
    EXPECT_TRUE(messageOf(form).startsWith("The starting spring length"));
}

TEST(SweepValidation, RangeBelowItsStartIsToldOnlyAfterEveryFieldPasses)
{
    const QString range = QStringLiteral("All ending values must be greater than their corresponding starting values.  "
                                         "Please double-check all of the ranges. ");
    SweepFormTexts form;
    form.Length = {"40", "36", "4"};
    form.Wheel.Step = QStringLiteral("8");
    EXPECT_TRUE(messageOf(form).startsWith("The drive wheel diameter step size"));
    form.Wheel.Step = QStringLiteral("0.5");
    EXPECT_EQ(messageOf(form), range);
    form.Length = {"36", "36", "4"};
    EXPECT_TRUE(checkSweepForm(form).Plan.has_value()) << "equal ends are accepted";
}

TEST(SweepBestTime, OnlyCarsReachingTheLineAndBeatingTheBestCount)
{
    SweepBest best;
    EXPECT_FALSE(beatsBest(QStringLiteral("[4.32]"), best));
    EXPECT_FALSE(beatsBest(QString(), best));
    EXPECT_TRUE(beatsBest(QStringLiteral("3.5"), best));
    best.Time = QStringLiteral("3.5");
    EXPECT_FALSE(beatsBest(QStringLiteral("3.5"), best));
    EXPECT_TRUE(beatsBest(QStringLiteral("3.49000000953674"), best));
}

TEST(SweepBestTime, NoCombinationReachingTheLineLeavesNoBest)
{
    CarDesign design;
    MaterialLibrary materials;
    loadPresetShape(design, 0);
    SweepFormTexts form;
    form.Length = {"2", "3", "1"}; // far too short a spring to reach 15 ft
    form.Wheel = {"4", "4.5", "0.5"};
    PowerSweep sweep(design, materials, *checkSweepForm(form).Plan);
    while (sweep.runNext())
        EXPECT_TRUE(sweep.lastTime().startsWith('[')) << sweep.lastTime().toStdString();
    EXPECT_EQ(sweep.tried(), 4);
    EXPECT_FALSE(sweep.best().found());
    EXPECT_EQ(sweep.best().Time, "99999");
}

TEST(SweepStop, StopEndsTheSweepBeforeTheNextCombination)
{
    CarDesign design;
    MaterialLibrary materials;
    loadPresetShape(design, 0);
    PowerSweep sweep(design, materials, *checkSweepForm(SweepFormTexts{}).Plan);
    ASSERT_TRUE(sweep.runNext());
    ASSERT_TRUE(sweep.runNext());
    sweep.stop();
    EXPECT_FALSE(sweep.runNext());
    EXPECT_EQ(sweep.tried(), 2);
}

// The combinations run ahead on every core; where the sizing corrects a wheel or a
// width, the next combination starts from the corrected texts, exactly as when
// they ran one after another on one copy of the design.
TEST(SweepOnEveryCore, GivesTheTrialsOfRunningTheCombinationsInTurn)
{
    CarDesign design;
    MaterialLibrary materials;
    loadPresetShape(design, 3);
    SweepFormTexts form;
    form.Width = {"0.5", "6", "1.5"};
    form.Length = {"12", "200", "47"}; // long springs make the case outgrow small wheels
    form.Wheel = {"0.5", "7.5", "1.75"};
    const SweepPlan plan = *checkSweepForm(form).Plan;

    CarDesign inTurn = design;
    QStringList expected;
    int corrected = 0;
    for (float wheel : sweepValues(plan.Wheel)) {
        inTurn.DriveWheelDiameter = numberText(wheel);
        for (float length : sweepValues(plan.Length)) {
            inTurn.SpringLength = numberText(length);
            for (float width : sweepValues(plan.Width)) {
                inTurn.SpringWidth = numberText(width);
                const QString written = inTurn.DriveWheelDiameter;
                const QString time = sweepTimeText(inTurn, materials);
                corrected += inTurn.DriveWheelDiameter != written;
                expected << QStringList{inTurn.SpringWidth, inTurn.SpringLength, inTurn.DriveWheelDiameter, time}.join(' ');
            }
        }
    }
    ASSERT_GT(corrected, 0) << "the ranges make the sizing correct the wheel";

    PowerSweep sweep(design, materials, plan);
    QStringList swept;
    while (sweep.runNext()) {
        const SweepCombination& c = sweep.last();
        swept << QStringList{c.Width, c.Length, c.Wheel, sweep.lastTime()}.join(' ');
    }
    EXPECT_EQ(swept, expected);
    ASSERT_EQ(sweep.trials().size(), static_cast<std::size_t>(expected.size()));
}
