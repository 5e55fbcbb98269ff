// The window and a session without any window refresh alike: for every preset,
// drive and chamber shape, and every state, the panels show the headless figure
// sheet, the advisory flags agree and the records carry the same results.
#include "ProgramFixture.h"
#include "SessionArrangement.h"

#include "model/Presets.h"
#include "session/Session.h"

#include <QLineEdit>

namespace brisko::gui::test {

namespace {

// What the panels show, read back into a sheet of texts.
template <template <class> class Group>
Group<QString> shown(const std::optional<Group<FigureField>>& fields)
{
    Group<QString> texts{};
    zipFigures(*fields, texts, [](const char*, const FigureField& f, QString& text) { text = f.edit()->text(); });
    return texts;
}

template <class Group>
QStringList listed(const Group& group)
{
    QStringList out;
    forEachFigure(group, [&out](const char* name, const QString& text) { out << QStringLiteral("%1=%2").arg(name, text); });
    return out;
}

QStringList resultFields(const QStringList& record)
{
    QStringList out;
    for (int n : {7, 8, 9, 10, 15, 16, 17, 18, 19, 20, 21, 22})
        out << field(record, n);
    return out;
}

QStringList lastRecordOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
    return QString::fromLatin1(lines.last()).remove(QLatin1Char('\r')).split(QLatin1Char(','));
}

} // namespace

class RefreshParity : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        startWithPortfolio();
        headless.attachPortfolio(dir.filePath(QStringLiteral("Headless.brdp")), nullptr);
    }

    void loadBoth(int preset, DriveType drive, ChamberShape chamber)
    {
        for (CarDesign* design : {&brisko::test::arrange(win().session()).design(), &brisko::test::arrange(headless).design()}) {
            loadPresetShape(*design, preset);
            design->setDrive(drive);
            design->Chamber = chamber;
        }
    }

    void refreshBoth(ProcessState state)
    {
        win().SetProcessState(win().session().app().CurrentState, state);
        win().RefreshState(state);
        headless.refresh(state, silentObserver(), win().perState().dynamicStep);
    }

    ScriptedPrompter headlessPrompter;
    Session headless{headlessPrompter};
};

TEST_F(RefreshParity, EveryPresetDriveChamberAndStateShowsTheHeadlessFiguresAndRecords)
{
    PanelFigureFields& fields = win().figureFields();
    for (int preset = 0; preset < kPresetCount; ++preset)
        for (DriveType drive : {DriveType::RWD, DriveType::FWD, DriveType::AWD})
            for (ChamberShape chamber : {ChamberShape::Circular, ChamberShape::Octagonal}) {
                loadBoth(preset, drive, chamber);
                for (ProcessState state : {ProcessState::Set, ProcessState::Build, ProcessState::Prop,
                                           ProcessState::Dynamic, ProcessState::Race}) {
                    SCOPED_TRACE(QStringLiteral("preset %1 drive %2 chamber %3 state %4")
                                     .arg(preset)
                                     .arg(int(drive))
                                     .arg(int(chamber))
                                     .arg(int(state))
                                     .toStdString());
                    refreshBoth(state);
                    const FigureSheet expected = headless.figures();
                    EXPECT_EQ(listed(shown(fields.Build)), listed(expected.Build));
                    EXPECT_EQ(listed(shown(fields.Analyze)), listed(expected.Analyze));
                    EXPECT_EQ(listed(shown(fields.Simulate)), listed(expected.Simulate));
                    EXPECT_EQ(win().session().advisories(), headless.advisories());

                    win().session().logAction(9, 999, {}, {}, {}, {}, QStringLiteral("Parity"));
                    headless.logAction(9, 999, {}, {}, {}, {}, QStringLiteral("Parity"));
                    EXPECT_EQ(resultFields(lastRecord()), resultFields(lastRecordOf(headless.portfolio().path())));
                }
            }
}

} // namespace brisko::gui::test
