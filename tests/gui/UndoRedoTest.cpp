// Undo and Redo on the Edit menu of the wired window: every kind of design step
// taken back and done again, compared with the saved file, and the steps that are
// none, the stack of a design loaded or switched, the tools that hold them off.
#include "SheetClicks.h"
#include "WiredWindowHelpers.h"

#include "dialogs/THHWin.h"
#include "dialogs/TPDWin.h"
#include "persist/DesignFile.h"
#include "session/DesignLoading.h"

#include <QComboBox>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QUndoStack>
#include <functional>

namespace brisko::gui::test {

class UndoRedo : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        startWithPortfolio();
    }

    Session& session() { return win().session(); }
    QAction* action(const char* name) { return win().findChild<QAction*>(QString::fromLatin1(name)); }
    QWidget* sheet() { return win().image(); }
    const ViewLayout& layout() { return prototypeOf(win()).layout(); }
    QPoint square(int column, int row) { return paperSquareCentre(layout(), column, row); }
    void pressAt(const QPoint& at) { QTest::mouseClick(sheet(), Qt::LeftButton, {}, at); }
    void clickAt(const QPoint& at) { brisko::test::clickOn(sheet(), at); }
    void doubleClickAt(const QPoint& at) { brisko::test::doubleClickOn(sheet(), at); }

    // The bytes Save writes for the current design.
    QByteArray savedFile()
    {
        return designFileBytes(designAsShown(session()), session().materials(), session().designListText());
    }

    void addWeight(const QPoint& at, const QString& mass)
    {
        click("AddWeightBtn");
        pressAt(at);
        auto* dialog = win().findChild<THHWin*>(QStringLiteral("HHWin"));
        ASSERT_TRUE(dialog && dialog->isVisible());
        typeInto(dialog->findChild<QLineEdit*>(QStringLiteral("HowHeavyEF")), mass);
        dialog->findChild<QPushButton*>(QStringLiteral("HowHeavyOKBtn"))->click();
    }
    void drawTriangle(const char* button)
    {
        click(button);
        clickAt(square(3, 10));
        clickAt(square(10, 3));
        doubleClickAt(square(16, 10));
    }
    void applySpringWidth(const QString& text)
    {
        win().setPanel()->selectPart(SpringPart);
        typeInto(widget<QLineEdit>("SpringWidthEF"), text);
        click("ApplyBtn");
    }
    void defineBoard(const char* name, const char* thickness)
    {
        click("BoardNewBtn");
        widget<QLineEdit>("BoardNameEF")->setText(QString::fromLatin1(name));
        widget<QLineEdit>("BoardThicknessEF")->setText(QString::fromLatin1(thickness));
        widget<QLineEdit>("BoardDensityEF")->setText(QStringLiteral("0.0058"));
        click("BoardDoneBtn");
    }

    void expectRecord(const char* code, const QString& step)
    {
        const QStringList record = lastRecord();
        EXPECT_EQ(field(record, 1), "-2");
        EXPECT_EQ(field(record, 2), code);
        EXPECT_EQ(field(record, 3), step);
        EXPECT_EQ(field(record, 4), session().designListText());
        EXPECT_EQ(field(record, 14), QString::fromLatin1(code) == "130" ? "Undo" : "Redo");
    }

    // Makes the step with `edit`; Undo gives back the saved file of before it, Redo
    // the one after it, each recorded and each leaving the design changed.
    void expectStep(const QString& name, const std::function<void()>& edit)
    {
        SCOPED_TRACE(name.toStdString());
        const QByteArray before = savedFile();
        edit();
        const QByteArray after = savedFile();
        ASSERT_NE(after, before);
        win().updateUndoActions();
        ASSERT_EQ(action("Undo1")->text(), "Undo " + name);
        ASSERT_TRUE(action("Undo1")->isEnabled());
        session().markCurrentDesignChanged();
        trigger("Undo1");
        EXPECT_EQ(savedFile(), before);
        expectRecord("130", name);
        const DesignListEntry& entry = session().designs().entry(session().app().CurrentDesign);
        EXPECT_FALSE(entry.Saved);
        EXPECT_FALSE(entry.Simulated);
        EXPECT_EQ(action("Redo1")->text(), "Redo " + name);
        ASSERT_TRUE(action("Redo1")->isEnabled());
        trigger("Redo1");
        EXPECT_EQ(savedFile(), after);
        expectRecord("131", name);
    }
};

TEST_F(UndoRedo, TheEditMenuStandsBetweenFileAndSetupWithItsShortcuts)
{
    QStringList menus;
    for (QAction* item : win().menuBar()->actions())
        menus << item->text();
    EXPECT_EQ(menus.mid(0, 3), (QStringList{"File", "Edit", "Setup"}));
    EXPECT_EQ(action("Undo1")->text(), "Undo");
    EXPECT_FALSE(action("Undo1")->isEnabled());
    EXPECT_FALSE(action("Redo1")->isEnabled());
    EXPECT_EQ(action("Undo1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(action("Redo1")->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}));
}

TEST_F(UndoRedo, StepsOnTheSheetAreTakenBackAndDoneAgainToTheByte)
{
    expectStep("Draw outline", [&] { drawTriangle("DrawOuterBtn"); });
    expectStep("Draw inner outline", [&] { drawTriangle("DrawInnerBtn"); });
    expectStep("Place axle", [&] {
        const float centre = static_cast<float>(prototypeOf(win()).geometry().RearCentre.x());
        click("FrontAxleBtn");
        pressAt(QPoint(layout().PaperLeft + qRound(centre * layout().ViewScale) + 30, square(0, 3).y()));
    });
    expectStep("Add weight", [&] { addWeight(square(10, 5), "0.5"); });
    EXPECT_EQ(session().design().weightsInUse(), 1);
    expectStep("Remove weight", [&] {
        click("RemoveWeightBtn");
        pressAt(win().perState().weightMarkers[0].topLeft());
    });
    EXPECT_EQ(session().design().weightsInUse(), 0);
    EXPECT_EQ(session().undoStack().count(), 5);
}

TEST_F(UndoRedo, TypedValuesAndChoicesAreTakenBackAndDoneAgainToTheByte)
{
    expectStep("Spring width", [&] { applySpringWidth("2"); });
    trigger("Undo1");
    EXPECT_EQ(widget<QLineEdit>("SpringWidthEF")->text(), session().design().SpringWidth);
    EXPECT_NE(session().design().SpringWidth, "2");
    trigger("Redo1");
    EXPECT_EQ(widget<QLineEdit>("SpringWidthEF")->text(), "2");

    expectStep("Drive", [&] { click("FWDBtn"); });
    trigger("Undo1");
    EXPECT_TRUE(widget<QAbstractButton>("RWDBtn")->isChecked());
    trigger("Redo1");
    expectStep("Element size", [&] { widget<QSlider>("ElementSizeSlider")->setValue(5); });
    expectStep("Chamber shape", [&] {
        trigger("Preferences1");
        widget<QAbstractButton>("OctBtn")->click();
        widget<QAbstractButton>("PFCancelBtn")->click();
    });
    expectStep("Preferences", [&] {
        trigger("Preferences1");
        typeInto(widget<QLineEdit>("FrictionEF"), "0.2");
        click("PrefOKBtn");
    });
    EXPECT_EQ(session().undoStack().count(), 5);
}

TEST_F(UndoRedo, MaterialsDefinedEditedDeletedAndChosenAreTakenBack)
{
    click("DefineMatlBtn");
    expectStep("Define material", [&] { defineBoard("Balsa", "0.25"); });
    EXPECT_EQ(widget<QListWidget>("BoardListbox")->count(), 2);
    expectStep("Outer layer material", [&] { widget<QComboBox>("OuterBodyList")->setCurrentIndex(1); });
    expectStep("Edit material", [&] {
        widget<QListWidget>("BoardListbox")->setCurrentRow(1);
        click("BoardEditBtn");
        widget<QLineEdit>("BoardThicknessEF")->setText(QStringLiteral("0.3"));
        click("BoardDoneBtn");
    });
    expectStep("Delete material", [&] {
        widget<QListWidget>("BoardListbox")->setCurrentRow(1);
        click("BoardDeleteBtn");
    });
    trigger("Undo1");
    EXPECT_EQ(widget<QListWidget>("BoardListbox")->count(), 2) << "the lists show the material back";
    EXPECT_EQ(widget<QComboBox>("OuterBodyList")->currentText(), "Balsa");
}

TEST_F(UndoRedo, UseBestInThePowerDesignerIsOneStep)
{
    applySpringWidth("2");
    win().PowerDesignClick();
    TPDWin* pd = win().powerDesigner();
    pd->findChild<QAbstractButton*>(QStringLiteral("PDGoBtn"))->click();
    ASSERT_TRUE(pd->isSweeping());
    EXPECT_FALSE(action("Undo1")->isEnabled()) << "no Undo while the sweep runs";
    trigger("Undo1");
    EXPECT_EQ(session().design().SpringWidth, "2");
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(pd->SweepStep());
    pd->findChild<QAbstractButton*>(QStringLiteral("Button1"))->click(); // STOP
    while (pd->SweepStep()) {
    }
    ASSERT_FALSE(pd->isSweeping());
    EXPECT_TRUE(action("Undo1")->isEnabled());
    expectStep("Use best", [&] { pd->findChild<QAbstractButton*>(QStringLiteral("UseBestBtn"))->click(); });
    EXPECT_EQ(session().undoStack().count(), 2);
}

TEST_F(UndoRedo, DrawingsInProgressCancelledRefusedValuesAndStatesAreNoSteps)
{
    click("DrawOuterBtn");
    clickAt(square(3, 10));
    clickAt(square(10, 3));
    EXPECT_FALSE(action("Undo1")->isEnabled());
    click("DrawCancelBtn");
    applySpringWidth("-3"); // refused
    click("VPPropBtn");
    click("VPSetBtn");
    EXPECT_EQ(session().undoStack().count(), 0);
    EXPECT_FALSE(action("Undo1")->isEnabled());

    applySpringWidth("2");
    click("AddWeightBtn"); // a placing tool on: Undo waits
    EXPECT_FALSE(action("Undo1")->isEnabled());
    win().UndoClick(); // as the shortcut would
    EXPECT_EQ(session().design().SpringWidth, "2");
    emit win().findChild<QShortcut*>(QStringLiteral("EscapeShortcut"))->activated();
    ASSERT_FALSE(widget<QAbstractButton>("AddWeightBtn")->isChecked());
    EXPECT_TRUE(action("Undo1")->isEnabled());
    win().UndoClick();
    EXPECT_EQ(session().design().SpringWidth, "1.5");
}

TEST_F(UndoRedo, AnEditAfterUndoDropsTheStepsToRedo)
{
    addWeight(square(10, 5), "0.5");
    addWeight(square(12, 5), "0.25");
    trigger("Undo1");
    EXPECT_TRUE(action("Redo1")->isEnabled());
    applySpringWidth("2");
    EXPECT_FALSE(action("Redo1")->isEnabled());
    EXPECT_EQ(action("Redo1")->text(), "Redo");
    EXPECT_EQ(action("Undo1")->text(), "Undo Spring width");
    trigger("Undo1");
    trigger("Undo1");
    EXPECT_EQ(session().design().weightsInUse(), 0);
    EXPECT_FALSE(action("Undo1")->isEnabled());
}

TEST_F(UndoRedo, OpenSwitchNewAndRemoveStartAnEmptyStack)
{
    addWeight(square(10, 5), "0.5");
    const QString path = dir.filePath(QStringLiteral("Weighed.brsk"));
    prompter.answerFile(path);
    trigger("Save1");
    prompter.answerConfirm(Answer::No); // the changed Default design is not saved
    prompter.answerFile(path);
    trigger("Open1");
    ASSERT_EQ(session().designListText(), "Weighed");
    EXPECT_EQ(session().undoStack().count(), 0);
    EXPECT_FALSE(action("Undo1")->isEnabled());

    addWeight(square(10, 5), "0.5");
    const int opened = session().app().CurrentDesign;
    prompter.answerConfirm(Answer::No);
    emit widget<QComboBox>("DesignList")->activated(1);
    ASSERT_NE(session().app().CurrentDesign, opened);
    EXPECT_EQ(session().undoStack().count(), 0);

    addWeight(square(10, 5), "0.5");
    prompter.answerConfirm(Answer::No);
    click("NewBtn");
    EXPECT_EQ(session().undoStack().count(), 0);

    addWeight(square(10, 5), "0.5");
    prompter.answerConfirm(Answer::No);
    prompter.answerConfirm(Answer::Yes);
    click("RemoveBtn");
    ASSERT_FALSE(lastRecordNamed(records(), "RemoveAction").isEmpty());
    EXPECT_EQ(session().undoStack().count(), 0);
    EXPECT_FALSE(action("Undo1")->isEnabled());
}

TEST_F(UndoRedo, UndoRedoNewAndSwitchRefreshThePresentStateOnceWithTheirFigures)
{
    std::vector<ProcessState> refreshes;
    QObject::connect(&session().notifier(), &SessionNotifier::refreshed,
                     [&](ProcessState state) { refreshes.push_back(state); });
    addWeight(square(10, 5), "0.5");
    refreshes.clear();
    trigger("Undo1");
    EXPECT_EQ(refreshes, std::vector<ProcessState>{ProcessState::Set});
    refreshes.clear();
    trigger("Redo1");
    EXPECT_EQ(refreshes, std::vector<ProcessState>{ProcessState::Set});

    // In the Properties state the weighed body is shown again at once.
    click("VPPropBtn");
    const auto massShown = [&] { return session().figures().Records.ProjectedMass; };
    const QString weighed = massShown();
    refreshes.clear();
    trigger("Undo1");
    EXPECT_EQ(refreshes, std::vector<ProcessState>{ProcessState::Prop});
    EXPECT_NE(massShown(), weighed);
    refreshes.clear();
    trigger("Redo1");
    EXPECT_EQ(refreshes, std::vector<ProcessState>{ProcessState::Prop});
    EXPECT_EQ(massShown(), weighed);

    refreshes.clear();
    prompter.answerConfirm(Answer::No);
    click("NewBtn");
    EXPECT_EQ(refreshes, std::vector<ProcessState>{ProcessState::Set});
    refreshes.clear();
    prompter.answerConfirm(Answer::No);
    emit widget<QComboBox>("DesignList")->activated(1);
    EXPECT_EQ(refreshes, std::vector<ProcessState>{ProcessState::Set});
}

TEST_F(UndoRedo, TheStackKeepsAHundredSteps)
{
    for (int i = 0; i < 110; ++i)
        session().setElementStepSize(QString::number(3 + i % 2));
    EXPECT_GE(session().undoStack().count(), 100);
}

} // namespace brisko::gui::test
