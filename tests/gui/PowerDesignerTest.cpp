// The Power Designer window: its form, its checks, the sweep run one combination at
// a time, STOP, and taking over the best combination.
#include "WiredWindowHelpers.h"

#include "dialogs/TPDWin.h"
#include "model/Presets.h"
#include "session/DesignListOps.h"

#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QSet>

namespace brisko::gui::test {

class PowerDesigner : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        startWithPortfolio();
        win().PowerDesignClick(); // the menu item is hidden and disabled
        pd = win().powerDesigner();
        ASSERT_NE(pd, nullptr);
    }

    QLineEdit* edit(const char* name) { return pd->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QString result(const char* name) { return pd->findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    void press(const char* name) { pd->findChild<QAbstractButton*>(QString::fromLatin1(name))->click(); }
    void setRange(const char* prefix, const QString& from, const QString& to, const QString& step)
    {
        const QString p = QString::fromLatin1(prefix);
        pd->findChild<QLineEdit*>(p + "FromEF")->setText(from);
        pd->findChild<QLineEdit*>(p + "ToEF")->setText(to);
        pd->findChild<QLineEdit*>(p + "StepEF")->setText(step);
    }
    int sweepToEnd()
    {
        int steps = 0;
        while (pd->SweepStep())
            ++steps;
        return steps;
    }
    QString designText(int code) { return *dimensionByCode(win().session().design(), code); }

    TPDWin* pd = nullptr;
};

TEST_F(PowerDesigner, HiddenMenuItemOpensTheFormWithItsInitialTexts)
{
    auto* item = win().findChild<QAction*>(QStringLiteral("PowerDesign1"));
    EXPECT_FALSE(item->isVisible());
    EXPECT_FALSE(item->isEnabled());
    EXPECT_EQ(item->text(), "Power Design...");
    EXPECT_TRUE(pd->isVisible());
    EXPECT_EQ(pd->windowTitle(), "Power Designer");
    const QStringList record = lastRecord();
    EXPECT_EQ(field(record, 1), "-2");
    EXPECT_EQ(field(record, 2), "70");
    EXPECT_EQ(field(record, 3), "Power design");
    EXPECT_EQ(field(record, 14), "PowerDesign");
    const std::pair<const char*, const char*> initial[] = {
        {"SWFromEF", "1.5"}, {"SWToEF", "1.5"}, {"SWStepEF", "1.5"}, {"SLFromEF", "36"}, {"SLToEF", "36"},
        {"SLStepEF", "4"},   {"DWFromEF", "4"}, {"DWToEF", "7.5"},   {"DWStepEF", "0.5"}};
    for (const auto& [name, text] : initial)
        EXPECT_EQ(edit(name)->text(), text) << name;
    for (const char* name : {"BestYet", "BestSWYet", "BestSLYet", "BestDWYet"})
        EXPECT_EQ(result(name), "-") << name;
    EXPECT_EQ(result("BestSWLabel"), "at Spring Width = ");
    EXPECT_EQ(result("DWLabel"), "Drive wheel dia (in)");
    press("PDCancelBtn");
    EXPECT_FALSE(pd->isVisible());
}

TEST_F(PowerDesigner, ARefusedFieldShowsItsMessageAndRunsNothing)
{
    edit("SLStepEF")->setText("abc");
    prompter.clear();
    press("PDGoBtn");
    ASSERT_EQ(prompter.promptsOf(Prompt::Message).size(), 1);
    EXPECT_EQ(prompter.promptsOf(Prompt::Message)[0].title, "Please try again.");
    EXPECT_EQ(prompter.messageTexts()[0], "The spring length step size must be positive, greater than 0.01 inch, and "
                                          "not more than 120 inches. ");
    EXPECT_FALSE(pd->isSweeping());
}

TEST_F(PowerDesigner, SweepShowsTheBestAtOnceAndGivesTheStudentsTextsBack)
{
    const QString wheel = designText(18);
    press("PDGoBtn");
    ASSERT_TRUE(pd->isSweeping());
    EXPECT_FALSE(pd->findChild<QAbstractButton*>("PDGoBtn")->isEnabled());
    QString firstBest;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(pd->SweepStep());
        if (firstBest.isEmpty())
            firstBest = result("BestYet");
    }
    EXPECT_NE(result("BestYet"), "-") << "shown while the sweep goes on";
    sweepToEnd();
    EXPECT_FALSE(pd->isSweeping());
    ASSERT_EQ(pd->triedCombinations().size(), 8u);
    EXPECT_EQ(pd->triedCombinations()[7].Wheel, "7.5");
    EXPECT_EQ(designText(18), wheel);
    EXPECT_EQ(widget<QLineEdit>("DriveWhlDiaEF")->text(), wheel);
    EXPECT_EQ(result("BestDWYet"), "5");
    EXPECT_TRUE(pd->findChild<QAbstractButton*>("UseBestBtn")->isEnabled());
    EXPECT_TRUE(pd->grab().save(QDir(pictureFolder()).filePath(QStringLiteral("brisko-power-designer.png"))));
}

TEST_F(PowerDesigner, StopEndsTheSweepBeforeTheNextCombinationAndGoNeverNests)
{
    press("PDGoBtn");
    ASSERT_TRUE(pd->SweepStep());
    pd->PDGoBtnClick(); // a second GO while it runs
    ASSERT_TRUE(pd->SweepStep());
    EXPECT_EQ(pd->triedCombinations().size(), 2u);
    press("Button1");
    EXPECT_FALSE(pd->SweepStep());
    EXPECT_FALSE(pd->isSweeping());
    EXPECT_EQ(pd->triedCombinations().size(), 2u);
}

TEST_F(PowerDesigner, NoCombinationReachingTheLineKeepsTheBestTexts)
{
    press("PDGoBtn");
    sweepToEnd();
    const QString best = result("BestYet");
    ASSERT_NE(best, "-");
    setRange("SL", "2", "3", "1");
    setRange("DW", "4", "4", "1");
    press("PDGoBtn");
    EXPECT_EQ(sweepToEnd(), 2);
    EXPECT_EQ(result("BestYet"), best);
    EXPECT_EQ(result("BestSLYet"), "36");
    EXPECT_FALSE(pd->findChild<QAbstractButton*>("UseBestBtn")->isEnabled()) << "nothing of this sweep to use";
}

TEST_F(PowerDesigner, UseBestTypesAndAppliesTheBestCombination)
{
    struct Field {
        int code;
        const char* setName;
        const char* doName;
        const char* best;
        QString before;
    };
    Field fields[] = {{18, "SetDriveWhlDia", "DoDrWhlDia", "BestDWYet", designText(18)},
                      {15, "SetSpringLength", "DoSprLen", "BestSLYet", designText(15)},
                      {14, "SetSpringWidth", "DoSprWid", "BestSWYet", designText(14)}};
    setRange("SL", "36", "44", "8");
    press("PDGoBtn");
    sweepToEnd();
    const int before = records().size();
    press("UseBestBtn");
    QStringList expected, applied;
    for (const Field& f : fields) {
        const QString best = result(f.best);
        EXPECT_EQ(designText(f.code), best) << f.setName;
        if (best == f.before)
            continue;
        expected << QStringLiteral("0:%1=%2").arg(f.setName, best) << QStringLiteral("1:%1=%2").arg(f.setName, best);
        applied << QStringLiteral("2:%1=%2").arg(f.doName, best);
    }
    ASSERT_FALSE(applied.isEmpty()) << "the best differs from the student's design";
    QStringList written;
    const auto all = records();
    for (int i = before; i < all.size(); ++i)
        written << field(all[i], 1) + ":" + field(all[i], 14) + "=" + field(all[i], 3);
    EXPECT_EQ(written.mid(0, expected.size()), expected);
    // Applying may put corrected texts into fields, which logs them as changes (stage 0).
    QSet<QString> appliedWritten;
    for (auto it = written.begin() + expected.size(); it != written.end(); ++it)
        if (!it->startsWith(QLatin1String("0:")))
            appliedWritten << *it;
    EXPECT_EQ(appliedWritten, QSet<QString>(applied.begin(), applied.end()));
    EXPECT_EQ(widget<QLineEdit>("SpringLengthEF")->text(), designText(15));
}

TEST_F(PowerDesigner, AHugeSweepAsksFirstWithItsCount)
{
    setRange("SL", "1", "240", "0.011");
    press("PDGoBtn");
    ASSERT_EQ(prompter.promptsOf(Prompt::Confirm).size(), 1);
    const QString question = prompter.promptsOf(Prompt::Confirm)[0].text;
    EXPECT_TRUE(question.contains("173808 combinations")) << question.toStdString();
    EXPECT_FALSE(pd->isSweeping()) << "the scripted answer is Cancel";
    prompter.answerConfirm(Answer::Yes);
    press("PDGoBtn");
    EXPECT_TRUE(pd->isSweeping());
    press("PDCancelBtn");
    EXPECT_FALSE(pd->isSweeping());
    EXPECT_FALSE(pd->isVisible());
}

#ifdef BRISKO_FIGURES_TOOL
TEST_F(PowerDesigner, TheFiguresToolFindsTheSameBest)
{
    for (int preset : {0, 3}) {
        ASSERT_TRUE(SelectDesign(win().session(), preset));
        setRange("SL", "30", "40", "5");
        press("PDGoBtn");
        sweepToEnd();
        QProcess tool;
        tool.start(QStringLiteral(BRISKO_FIGURES_TOOL),
                   QStringList{"--preset", presetNames().at(preset), "--sweep", "--sl", "30,40,5"});
        ASSERT_TRUE(tool.waitForFinished(60000));
        const QStringList lines = QString::fromLatin1(tool.readAllStandardOutput()).split('\n');
        for (const char* name : {"BestYet", "BestSWYet", "BestSLYet", "BestDWYet"})
            EXPECT_TRUE(lines.contains(QString::fromLatin1(name) + ": " + result(name)))
                << presetNames().at(preset).toStdString() << " " << name << " " << result(name).toStdString();
    }
}
#endif

} // namespace brisko::gui::test
