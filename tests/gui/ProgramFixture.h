#pragma once
// A program started through its opening and portfolio boxes with scripted answers,
// and the records of its portfolio read back.
#include "ScriptedPrompter.h"
#include "app/Program.h"
#include "mainwin/DrawingArea.h"
#include "mainwin/TRPWin.h"
#include "output/BuildView.h"
#include "output/TAbout.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace brisko::gui::test {

using brisko::test::Prompt;
using brisko::test::ScriptedPrompter;

class ProgramFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // The program's settings of this test alone, never the user's.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath(QStringLiteral("settings")));
        program = std::make_unique<Program>(prompter, options);
        program->quitApplication = [] {};
        // The 3D build runs unpaced: no test waits for the clock.
        win().findChild<BuildView*>(QStringLiteral("BuildView"))->setStartingSizeBuildMilliseconds(0);
    }

    TRPWin& win() { return program->mainWindow(); }
    QString portfolioPath() const { return dir.filePath(QStringLiteral("Mine.brdp")); }

    // Start designing, then Continue with the portfolio "Mine" in the temporary folder.
    void startWithPortfolio()
    {
        program->start();
        click("StartDesigningBtn");
        prompter.answerFile(dir.filePath(QStringLiteral("Mine")));
        click("ContinueBtn");
        ASSERT_EQ(win().session().app().PortfolioPath, portfolioPath());
    }

    // The window restored from its maximised start to a size of the test's own; the
    // maximised geometry reaches the window late, so it is let through first.
    void showNormalAt(const QSize& size)
    {
        QCoreApplication::processEvents();
        win().showNormal();
        QCoreApplication::processEvents();
        win().resize(size);
        QCoreApplication::processEvents();
    }

    void click(const char* name)
    {
        auto* button = win().findChild<QAbstractButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }

    void trigger(const char* actionName)
    {
        auto* action = win().findChild<QAction*>(QString::fromLatin1(actionName));
        ASSERT_NE(action, nullptr) << actionName;
        action->trigger();
    }

    template <typename W = QWidget>
    W* widget(const char* name)
    {
        return win().findChild<W*>(QString::fromLatin1(name));
    }

    QList<QStringList> records() const
    {
        QFile file(portfolioPath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QList<QStringList> out;
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QString text = QString::fromLatin1(line).remove(QLatin1Char('\r'));
            if (!text.isEmpty())
                out << text.split(QLatin1Char(','));
        }
        return out;
    }

    QStringList lastRecord() const
    {
        const auto all = records();
        return all.isEmpty() ? QStringList() : all.last();
    }

    // Where pictures of the window go: BRISKO_SHOT_DIR when set (to keep them for a
    // look), else the fixture's own temporary folder.
    QString pictureFolder() const
    {
        const QString kept = qEnvironmentVariable("BRISKO_SHOT_DIR");
        return kept.isEmpty() ? dir.path() : kept;
    }

    QStringList urls() const
    {
        QStringList out;
        for (const Prompt& p : prompter.promptsOf(Prompt::Url))
            out << p.text;
        return out;
    }

    QTemporaryDir dir;
    ScriptedPrompter prompter;
    ProgramOptions options; // the command line, set before SetUp
    std::unique_ptr<Program> program;
};

// Fields of a record by their 1-based number.
inline QString field(const QStringList& record, int number)
{
    return number <= record.size() ? record.at(number - 1) : QStringLiteral("<missing>");
}

} // namespace brisko::gui::test
