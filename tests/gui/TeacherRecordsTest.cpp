// The portfolio lines a teacher reads for what a student did: texts the program
// puts into fields, drive switches, the skid of one run, leaving the design list,
// and winding the spring up during an animation.
#include "WiredWindowHelpers.h"
#include "SessionArrangement.h"

#include <QComboBox>
#include <QLabel>
#include <QMetaObject>

namespace brisko::gui::test {

namespace {

// A record as a line, its date and time left out: they are the clock's.
QString lineOf(const QStringList& record)
{
    QStringList fields = record;
    if (fields.size() >= 13) {
        fields[11] = QStringLiteral("<date>");
        fields[12] = QStringLiteral("<time>");
    }
    return fields.join(QLatin1Char(','));
}

} // namespace

class TeacherRecords : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        startWithPortfolio();
        win().showNormal();
        win().activateWindow();
        QApplication::processEvents();
    }

    QStringList linesFrom(qsizetype first)
    {
        QStringList lines;
        const auto all = records();
        for (qsizetype i = first; i < all.size(); ++i)
            lines << lineOf(all.at(i));
        return lines;
    }

    void selectPart(int k)
    {
        auto* box = widget<QComboBox>("PartNameBox");
        box->setCurrentIndex(k);
        emit box->activated(k);
    }

    void makeTreadSlippery()
    {
        Session& s = win().session();
        ASSERT_TRUE(brisko::test::arrange(s).materials().addTread({QStringLiteral("Ice"), QStringLiteral("0.01")}));
        brisko::test::arrange(s).design().Materials[TreadSlot] = s.materials().count(MaterialKind::Tread) - 1;
    }

    QAbstractButton* button(const char* name) { return widget<QAbstractButton>(name); }
};

TEST_F(TeacherRecords, LettersInTheSpringWidthAreRefusedAndTheRestoredWidthIsLogged)
{
    selectPart(5);
    QLineEdit* width = widget<QLineEdit>("SpringWidthEF");
    const QString accepted = win().session().design().SpringWidth;
    width->setFocus(Qt::TabFocusReason);
    QTest::keyClick(width, Qt::Key_End);
    for (int i = 0; i < accepted.size(); ++i)
        QTest::keyClick(width, Qt::Key_Backspace);
    const qsizetype before = records().size();
    prompter.clear();
    QTest::keyClicks(width, QStringLiteral("ab"));
    QTest::keyClick(width, Qt::Key_Tab);

    ASSERT_EQ(prompter.messageTexts(),
              QStringList{QStringLiteral("The spring width must be positive, no less than 0.1 inch, and no more than "
                                         "6 inches.")});
    EXPECT_EQ(prompter.prompts().first().title, QStringLiteral("Please try again."));
    EXPECT_EQ(width->text(), accepted);
    EXPECT_FALSE(width->hasFocus());
    const QString rest = QStringLiteral(",-,-,-,0.00,0.00,0.00,0.00,Default design,<date>,<time>,SetSpringWidth,-,-,-,-,-,-,-,-");
    EXPECT_EQ(linesFrom(before),
              (QStringList{QStringLiteral("0,14,a") + rest, QStringLiteral("0,14,ab") + rest,
                           QStringLiteral("0,14,") + accepted + rest}));
    EXPECT_EQ(win().session().app().PendingApply.at(14), 1);
}

TEST_F(TeacherRecords, SwitchingToAllWheelDriveAndBackLogsTheOtherWheelTextPutBack)
{
    selectPart(4);
    const QString otherWheel = win().session().design().OtherWheelDiameter;
    QLineEdit* field = widget<QLineEdit>("OtherWhlDiaEF");
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClicks(field, QStringLiteral("9")); // typed, not yet accepted
    const qsizetype before = records().size();
    click("AWDBtn"); // the drive buttons take no focus: the field is not left
    click("RWDBtn");
    const QString results = QStringLiteral(",-,-,-,0.00,0.00,0.00,0.00,Default design,<date>,<time>,");
    const QString typed = QStringLiteral(",-,-,-,-,-,-,-,-");
    const QString set = QStringLiteral(",-,-,0,0,0,0,0,0");
    EXPECT_EQ(linesFrom(before),
              (QStringList{QStringLiteral("1,11,AllWD") + results + QStringLiteral("SetDrive") + set,
                           QStringLiteral("0,19,") + otherWheel + results + QStringLiteral("SetOtherWhlDia") + typed,
                           // the field, disabled in AWD, loses the focus: it is left
                           QStringLiteral("1,19,") + otherWheel + results + QStringLiteral("SetOtherWhlDia") + set,
                           QStringLiteral("2,11,AllWD") + results + QStringLiteral("DoDrive") + set,
                           QStringLiteral("1,11,RearWD") + results + QStringLiteral("SetDrive") + set,
                           QStringLiteral("2,11,RearWD") + results + QStringLiteral("DoDrive") + set}));
    EXPECT_EQ(field->text(), otherWheel);
}

TEST_F(TeacherRecords, ADesignLoadedFromTheListLogsEachFieldItChanges)
{
    Session& s = win().session();
    const CarDesign before = s.design();
    brisko::test::arrange(s).app().PendingApply.fill(0);
    qsizetype first = records().size();
    // A preset has the default dimensions: its texts are no change.
    auto* list = widget<QComboBox>("DesignList");
    list->setCurrentIndex(1);
    emit list->activated(1);
    ASSERT_EQ(s.app().CurrentDesign, 1);
    for (const QStringList& record : records().mid(first))
        EXPECT_NE(field(record, 1), "0") << lineOf(record).toStdString();
    EXPECT_EQ(s.app().PendingApply.at(14), 0);

    // A design read from a file with other dimensions.
    first = records().size();
    brisko::test::arrange(s).design().SpringWidth = QStringLiteral("0.75");
    brisko::test::arrange(s).design().SpringLength = QStringLiteral("48");
    brisko::test::arrange(s).design().DriveAxleDiameter = QStringLiteral("0.25");
    s.showDesignInFields();
    s.announceDesignReplaced();

    QStringList logged;
    for (const QStringList& record : records().mid(first))
        if (field(record, 1) == QLatin1String("0"))
            logged << field(record, 2) + QLatin1Char('=') + field(record, 3);
    QStringList changed;
    for (int code : kDimensionCodes) {
        const QString& text = *dimensionByCode(s.design(), code);
        if (text != *dimensionByCode(before, code)) {
            changed << QString::number(code) + QLatin1Char('=') + text;
            EXPECT_EQ(s.app().PendingApply.at(code), 1) << code;
        } else {
            EXPECT_EQ(s.app().PendingApply.at(code), 0) << code << ": the same text is no change";
        }
    }
    ASSERT_FALSE(changed.isEmpty());
    logged.sort();
    changed.sort();
    EXPECT_EQ(logged, changed);
}

TEST_F(TeacherRecords, TheSkidOfADynamicRunIsNotCarriedIntoTheRace)
{
    makeTreadSlippery();
    click("VPDynPerfBtn");
    ASSERT_TRUE(prototypeOf(win()).dynamic().Skid);
    const QStringList dynamic = lastRecordNamed(records(), QStringLiteral("VPDynamic"));
    EXPECT_EQ(field(dynamic, 15), "1");
    click("VPRaceBtn");
    const QStringList race = records().last();
    const QString time = field(race, 7), distance = field(race, 8), speed = field(race, 9), mass = field(race, 10);
    EXPECT_EQ(lineOf(race), QStringLiteral("6,501,1,-,-,-,%1,%2,%3,%4,Default design,<date>,<time>,VPRace,0,0,0,0,0,0,0,0")
                                .arg(time, distance, speed, mass));
    EXPECT_EQ(field(dynamic, 7), time); // the same run, raced
}

TEST_F(TeacherRecords, RecordsAfterAStepCarryOnlyTheSkidOfThatStepsRun)
{
    makeTreadSlippery();
    click("VPDynPerfBtn");
    click("StepDynamicBtn");
    click("StepDynamicBtn");
    EXPECT_EQ(field(records().last(), 3), "StepDynamic");
    EXPECT_EQ(field(records().last(), 15), "0");
}

TEST_F(TeacherRecords, LeavingTheDesignListForAMessageBoxIsNotLeavingIt)
{
    auto* list = widget<QComboBox>("DesignList");
    const qsizetype before = records().size();
    QFocusEvent toBox(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(list, &toBox);
    EXPECT_EQ(records().size(), before);
    QFocusEvent toField(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(list, &toField);
    ASSERT_EQ(records().size(), before + 1);
    EXPECT_EQ(field(records().last(), 14), "SetCarName");
}

TEST_F(TeacherRecords, RewindStopsTheAnimationAndWindsTheSpringUp)
{
    click("VPDynPerfBtn");
    bool rewindEnabled = false;
    QMetaObject::invokeMethod(
        qApp,
        [&] {
            rewindEnabled = button("RewindDynamicBtn")->isEnabled();
            button("RewindDynamicBtn")->click();
        },
        Qt::QueuedConnection);
    click("ToEndDynamicBtn");
    EXPECT_TRUE(rewindEnabled);
    EXPECT_FALSE(win().prototypeRefresh().isRunning());
    EXPECT_EQ(field(records().last(), 3), "RewindDynamic");
    EXPECT_EQ(field(records().at(records().size() - 2), 3), "ConcludeDynamic");
    EXPECT_EQ(win().perState().dynamicStep, 1);
    EXPECT_EQ(widget<QLabel>("DynamicTimeLabel")->text(), "0.02 sec");
    EXPECT_TRUE(button("StepDynamicBtn")->isEnabled());
    EXPECT_FALSE(button("RewindDynamicBtn")->isEnabled());
}

TEST_F(TeacherRecords, TheRaceRefreshLeavesRewindEnabled)
{
    click("VPDynPerfBtn");
    ASSERT_FALSE(button("RewindDynamicBtn")->isEnabled());
    click("VPRaceBtn");
    EXPECT_TRUE(button("RewindDynamicBtn")->isEnabled());
}

} // namespace brisko::gui::test
