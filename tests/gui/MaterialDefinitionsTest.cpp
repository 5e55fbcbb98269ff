// The Material Definitions window and its four dialogs, through the started program.
#include "ProgramFixture.h"
#include "SessionArrangement.h"

#include "dialogs/TorqueCurveGrid.h"
#include "session/Session.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace brisko::gui::test {

namespace {

QStringList itemsOf(const QComboBox* box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

QStringList itemsOf(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

struct Step {
    const char* field; // nullptr: press Done without typing
    const char* text;
    const char* caption; // nullptr: stored and closed
    const char* message;
};

} // namespace

class MaterialDefinitions : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        startWithPortfolio();
        click("DefineMatlBtn");
        ASSERT_TRUE(widget("MSWin")->isVisible());
        prompter.clear();
    }

    Session& session() { return win().session(); }

    void type(const char* field, const QString& text) { widget<QLineEdit>(field)->setText(text); }
    void typeCell(int row, const QString& text) { grid()->item(row, 1)->setText(text); }
    TorqueCurveGrid* grid() { return widget<TorqueCurveGrid>("TorqueCurveGrid"); }
    void select(const char* list, int row) { widget<QListWidget>(list)->setCurrentRow(row); }

    // Runs the steps in the open dialog `dialog`, pressing `done` after each.
    void runSteps(const char* dialog, const char* done, std::initializer_list<Step> steps)
    {
        for (const Step& step : steps) {
            SCOPED_TRACE(QString("%1 = \"%2\"").arg(step.field ? step.field : "-", step.text).toStdString());
            if (step.field)
                type(step.field, QString::fromLatin1(step.text));
            prompter.clear();
            click(done);
            const auto messages = prompter.promptsOf(Prompt::Message);
            if (!step.caption) {
                EXPECT_TRUE(messages.isEmpty());
                EXPECT_FALSE(widget(dialog)->isVisible());
                continue;
            }
            ASSERT_EQ(messages.size(), 1);
            EXPECT_EQ(messages[0].title, step.caption);
            EXPECT_EQ(messages[0].text, step.message);
            EXPECT_TRUE(widget(dialog)->isVisible());
        }
    }

    void defineBoard(const char* name, const char* thickness, const char* density)
    {
        click("BoardNewBtn");
        type("BoardNameEF", name);
        type("BoardThicknessEF", thickness);
        type("BoardDensityEF", density);
        click("BoardDoneBtn");
    }
};

TEST_F(MaterialDefinitions, TheWindowShowsTheLibrary)
{
    EXPECT_EQ(widget("MSWin")->windowTitle(), "Material Definitions");
    EXPECT_EQ(itemsOf(widget<QListWidget>("BoardListbox")), QStringList{"Default Foamcore"});
    EXPECT_EQ(itemsOf(widget<QListWidget>("AxleListbox")), QStringList{"Default Oak"});
    EXPECT_EQ(itemsOf(widget<QListWidget>("SpringListbox")), QStringList{"Default plastic"});
    EXPECT_EQ(itemsOf(widget<QListWidget>("TreadListbox")), QStringList{"Ideal rubber"});
    auto* torque = grid();
    EXPECT_EQ(torque->rowCount(), 50);
    EXPECT_EQ(torque->item(0, 0)->text(), "Revs Unwound");
    EXPECT_EQ(torque->item(0, 1)->text(), "Torque (in-lb)");
    EXPECT_EQ(torque->item(1, 0)->text(), "0 (fully wound):");
    EXPECT_EQ(torque->item(49, 0)->text(), "48");
}

TEST_F(MaterialDefinitions, BoardChecksInOrderWithTheirCaptions)
{
    click("BoardNewBtn");
    const char* thickness = "The thickness must be positive, greater than 0.05 inches, and less than 6 inches. ";
    const char* density =
        "The density must be positive, greater than 0.0001, and no more than 0.5 pounds per cubic inch.";
    runSteps("DBWin", "BoardDoneBtn",
             {{nullptr, "", "Please try again", "Please enter a name for this board."},
              {"BoardNameEF", "Balsa", "Please try again.", thickness},
              {"BoardThicknessEF", "0.0499", "Please try again.", thickness},
              {"BoardThicknessEF", "6.01", "Please try again.", thickness},
              {"BoardThicknessEF", "0.05", "Please try again", density},
              {"BoardDensityEF", "0.50001", "Please try again", density},
              {"BoardThicknessEF", "6", "Please try again", density},
              {"BoardDensityEF", "0.0001", nullptr, nullptr}});
    EXPECT_EQ(session().materials().board(1), (BoardMaterial{"Balsa", "6", "0.0001"}));
}

TEST_F(MaterialDefinitions, AxleAndTreadChecksInOrderWithTheirCaptions)
{
    click("AxleNewBtn");
    runSteps("DAWin", "AxleDoneBtn",
             {{nullptr, "", "Please try again", "Please enter a name for this axle material."},
              {"AxleNameEF", "Pine", "Please try again.",
               "The axle density must be positive, greater than zero, and no more than 0.5 pounds per cubic inch. "},
              {"AxleDensityEF", "0.5", nullptr, nullptr}});
    click("TreadNewBtn");
    const char* friction =
        "The coefficient of static friction must be positive, greater than zero, and less than 2. ";
    runSteps("DTWin", "TreadDoneBtn",
             {{nullptr, "", "Please try again", "Please enter a name for this tread material."},
              {"TreadNameEF", "Tape", "Please try again.", friction},
              {"TreadFrictionEF", "2.0001", "Please try again.", friction},
              {"TreadFrictionEF", "2", nullptr, nullptr}});
    EXPECT_EQ(session().materials().axle(1), (AxleMaterial{"Pine", "0.5"}));
    EXPECT_EQ(session().materials().tread(1), (TreadMaterial{"Tape", "2"}));
}

// A torque further down the curve may be left empty or 0 (not measured); a text
// that is no number gets the one message for every such cell, a number out of
// range a message naming its row.
TEST_F(MaterialDefinitions, SpringChecksInOrderAndTheOptionalRowsAreNumbersInRange)
{
    click("SpringNewBtn");
    runSteps("DSWin", "SpringDoneBtn",
             {{nullptr, "", "Please try again", "Please enter a name for this spring material."},
              {"SpringNameEF", "Lab strip", "Please try again.",
               "The thickness must be positive, greater than zero, and no more than 0.125 inches. "},
              {"SpringThicknessEF", "0.0001", "Please try again",
               "The density must be positive, greater than zero, and no more than 0.5 pounds per cubic inch."},
              {"SpringDensityEF", "0.04", "Please try again",
               "The width of your test sample must be positive, greater than zero, and no more than 6 inches."},
              {"SpringSampleWidthEF", "6", "Please try again",
               "The maximum torque must be positive, greater than zero, and no more than 10 lb-inches."}});
    const auto refusalOf = [this](int row, const QString& text) {
        prompter.clear();
        typeCell(row, text);
        click("SpringDoneBtn");
        const auto messages = prompter.promptsOf(Prompt::Message);
        typeCell(row, {});
        return messages.size() == 1 ? messages[0] : Prompt{};
    };
    typeCell(1, "10");
    for (const auto& [row, text] : {std::pair{2, "abc"}, {49, "0.3o"}, {6, "1,5"}}) {
        const Prompt notANumber = refusalOf(row, text);
        EXPECT_EQ(notANumber.title, "Please try again") << text;
        EXPECT_EQ(notANumber.text, "All torque values must be positive, greater than zero, and no more than 3 "
                                   "lb-inches -- some values are not valid.")
            << text;
    }
    const Prompt oneRevolution = refusalOf(2, "-0.2");
    EXPECT_EQ(oneRevolution.title, "Please try again");
    EXPECT_TRUE(oneRevolution.text.startsWith("The torque at 1 revolution unwound (row \"1\" of"))
        << oneRevolution.text.toStdString();
    EXPECT_TRUE(refusalOf(6, "10.5").text.startsWith("The torque at 5 revolutions unwound (row \"5\" of"));
    // A cell that is no number is named before a number out of range above it.
    typeCell(3, "12");
    EXPECT_TRUE(refusalOf(40, "x").text.startsWith("All torque values"));
    typeCell(3, {});
    EXPECT_EQ(session().materials().count(MaterialKind::Spring), 1);

    typeCell(6, "0");
    typeCell(3, "0.25");
    click("SpringDoneBtn");
    ASSERT_EQ(session().materials().count(MaterialKind::Spring), 2);
    const SpringMaterial& stored = session().materials().spring(1);
    EXPECT_EQ(stored.TorqueCurve[0], "10");
    EXPECT_EQ(stored.TorqueCurve[1], "0"); // an empty cell
    EXPECT_EQ(stored.TorqueCurve[2], "0.25");
    EXPECT_EQ(stored.TorqueCurve[48], "0");
}

TEST_F(MaterialDefinitions, ChooseColorOnlyExplains)
{
    const QString text = "Sorry, this computer does not have the ColorPicker component installed.  A default "
                         "color will be used instead.";
    const struct {
        const char* newBtn;
        const char* colorBtn;
        const char* caption;
    } dialogs[] = {{"BoardNewBtn", "BoardColorBtn", "Please try again."},
                   {"AxleNewBtn", "AxleColorBtn", "Colors not available"},
                   {"SpringNewBtn", "SpringColorBtn", "Please try again."},
                   {"TreadNewBtn", "TreadColorBtn", "Please try again."}};
    for (const auto& d : dialogs) {
        prompter.clear();
        click(d.newBtn);
        click(d.colorBtn);
        ASSERT_EQ(prompter.prompts().size(), 1) << d.colorBtn;
        EXPECT_EQ(prompter.prompts()[0].title, d.caption);
        EXPECT_EQ(prompter.prompts()[0].text, text);
    }
    EXPECT_EQ(session().materials().count(MaterialKind::Axle), 1);
}

TEST_F(MaterialDefinitions, NewAddsAtTheEndOfEveryListAndLogsIt)
{
    defineBoard("Balsa", "0.25", "0.0058");
    for (const char* list : {"OuterBodyList", "InnerBodyList", "DriveWheelList", "OtherWheelList"})
        EXPECT_EQ(itemsOf(widget<QComboBox>(list)), (QStringList{"Default Foamcore", "Balsa"})) << list;
    EXPECT_EQ(itemsOf(widget<QListWidget>("BoardListbox")), (QStringList{"Default Foamcore", "Balsa"}));
    EXPECT_EQ(lastRecord().mid(0, 6), (QStringList{"-4", "112", "Balsa", "0.0058", "0.25", "-"}));
    EXPECT_EQ(field(lastRecord(), 14), "NewBoardMaterial");

    click("SpringNewBtn");
    type("SpringNameEF", "Lab strip");
    type("SpringThicknessEF", "0.01");
    type("SpringDensityEF", "0.045");
    type("SpringSampleWidthEF", "1.0");
    typeCell(1, "0.9");
    click("SpringDoneBtn");
    EXPECT_EQ(itemsOf(widget<QComboBox>("SpringList")), (QStringList{"Default plastic", "Lab strip"}));
    EXPECT_EQ(lastRecord().mid(0, 6), (QStringList{"-4", "114", "Lab strip", "0.045", "0.01", "-"}));

    select("SpringListbox", 1);
    click("SpringEditBtn");
    EXPECT_EQ(widget<QLineEdit>("SpringSampleWidthEF")->text(), "1.0");
    EXPECT_EQ(grid()->item(2, 1)->text(), "0");
    type("SpringSampleWidthEF", "1.25");
    click("SpringDoneBtn");
    EXPECT_EQ(lastRecord().mid(0, 6), (QStringList{"-4", "113", "Lab strip", "0.045", "0.01", "1.25"}));
    EXPECT_EQ(field(lastRecord(), 14), "EditSpringMaterial");
}

TEST_F(MaterialDefinitions, EditOverwritesThePositionAndARenameAddsANewMaterial)
{
    defineBoard("Balsa", "0.25", "0.0058");
    defineBoard("Card", "0.1", "0.02");
    select("BoardListbox", 0);
    click("BoardEditBtn");
    EXPECT_FALSE(widget("DBWin")->isVisible()); // the default is not edited

    select("BoardListbox", 2);
    click("BoardEditBtn");
    EXPECT_EQ(widget<QLineEdit>("BoardNameEF")->text(), "Card");
    type("BoardThicknessEF", "0.12");
    click("BoardDoneBtn");
    EXPECT_EQ(session().materials().board(2), (BoardMaterial{"Card", "0.12", "0.02"}));
    EXPECT_EQ(lastRecord().mid(0, 6), (QStringList{"-4", "111", "Card", "0.02", "0.12", "-"}));
    EXPECT_EQ(field(lastRecord(), 14), "EditBoardMaterial");

    click("BoardEditBtn");
    type("BoardNameEF", "Thick card");
    click("BoardDoneBtn");
    EXPECT_EQ(session().materials().listTexts(MaterialKind::Board),
              (QStringList{"Default Foamcore", "Balsa", "Card", "Thick card"}));
    EXPECT_EQ(field(lastRecord(), 2), "112");
}

// New with a name already in the list replaces the material of that name, not the
// one that happens to be selected, and only after asking.
TEST_F(MaterialDefinitions, NewWithAnExistingNameAsksAndReplacesThatMaterial)
{
    defineBoard("Balsa", "0.25", "0.0058");
    defineBoard("Card", "0.1", "0.02");
    select("BoardListbox", 1);
    prompter.clear();
    prompter.answerConfirm(Answer::No);
    defineBoard("Card", "0.2", "0.03");
    ASSERT_EQ(prompter.promptsOf(Prompt::Confirm).size(), 1);
    EXPECT_TRUE(prompter.promptsOf(Prompt::Confirm)[0].text.contains("\"Card\""));
    EXPECT_TRUE(widget("DBWin")->isVisible());
    EXPECT_EQ(session().materials().board(2).Thickness, "0.1");

    const int recordsBefore = records().size();
    prompter.answerConfirm(Answer::Yes);
    click("BoardDoneBtn");
    EXPECT_FALSE(widget("DBWin")->isVisible());
    EXPECT_EQ(session().materials().board(1), (BoardMaterial{"Balsa", "0.25", "0.0058"}));
    EXPECT_EQ(session().materials().board(2), (BoardMaterial{"Card", "0.2", "0.03"}));
    EXPECT_EQ(records().size(), recordsBefore + 1);
    EXPECT_EQ(field(lastRecord(), 2), "111");

    prompter.clear();
    defineBoard("Default Foamcore", "0.2", "0.03"); // the default is never replaced
    EXPECT_TRUE(prompter.promptsOf(Prompt::Confirm).isEmpty());
    EXPECT_EQ(prompter.promptsOf(Prompt::Message).size(), 1);
    EXPECT_EQ(session().materials().board(0), defaultBoard());
}

TEST_F(MaterialDefinitions, DeleteMovesTheNextOneDownAndTheChoicesFollow)
{
    defineBoard("Balsa", "0.25", "0.0058");
    defineBoard("Card", "0.1", "0.02");
    defineBoard("Cork", "0.3", "0.009");
    brisko::test::arrange(session()).design().Materials[OuterBodySlot] = 3; // Cork
    brisko::test::arrange(session()).design().Materials[InnerBodySlot] = 2; // Card
    const int recordsBefore = records().size();

    select("BoardListbox", 0);
    click("BoardDeleteBtn");
    EXPECT_EQ(session().materials().count(MaterialKind::Board), 4);
    select("BoardListbox", 2);
    click("BoardDeleteBtn");
    for (const char* list : {"OuterBodyList", "InnerBodyList", "DriveWheelList", "OtherWheelList"})
        EXPECT_EQ(itemsOf(widget<QComboBox>(list)), (QStringList{"Default Foamcore", "Balsa", "Cork"})) << list;
    EXPECT_EQ(itemsOf(widget<QListWidget>("BoardListbox")), (QStringList{"Default Foamcore", "Balsa", "Cork"}));
    EXPECT_EQ(session().materials().board(2).Thickness, "0.3");
    EXPECT_EQ(session().design().Materials[OuterBodySlot], 2);
    EXPECT_EQ(session().design().Materials[InnerBodySlot], 0);
    EXPECT_EQ(widget<QComboBox>("OuterBodyList")->currentText(), "Cork");
    EXPECT_EQ(records().size(), recordsBefore);
}

TEST_F(MaterialDefinitions, CancelChangesNothingAndTheTextsStay)
{
    click("TreadNewBtn");
    type("TreadNameEF", "Tape");
    type("TreadFrictionEF", "0.4");
    const int recordsBefore = records().size();
    click("TreadCancelBtn");
    EXPECT_FALSE(widget("DTWin")->isVisible());
    click("MSCancelBtn");
    EXPECT_FALSE(widget("MSWin")->isVisible());
    EXPECT_EQ(session().materials().count(MaterialKind::Tread), 1);
    EXPECT_EQ(records().size(), recordsBefore);

    click("DefineMatlBtn");
    click("TreadNewBtn");
    EXPECT_EQ(widget<QLineEdit>("TreadNameEF")->text(), "Tape");
}

TEST_F(MaterialDefinitions, ASavedUserSpringReadsBackWithItsTorqueCurve)
{
    click("SpringNewBtn");
    type("SpringNameEF", "Lab strip");
    type("SpringThicknessEF", "0.01");
    type("SpringDensityEF", "0.045");
    type("SpringSampleWidthEF", "1.0");
    typeCell(1, "0.9");
    typeCell(4, "0.45");
    typeCell(49, "0.05");
    click("SpringDoneBtn");
    click("MSDoneBtn");
    widget<QComboBox>("SpringList")->setCurrentIndex(1);
    const SpringMaterial defined = session().materials().spring(1);

    const QString path = dir.filePath(QStringLiteral("Strip car.brsk"));
    prompter.answerFile(path);
    trigger("Save1");
    brisko::test::arrange(session()).materials().clearDefined();
    prompter.answerConfirm(Answer::No); // the preset stays as it is
    prompter.answerFile(path);
    trigger("Open1");
    ASSERT_EQ(session().materials().count(MaterialKind::Spring), 2);
    EXPECT_EQ(session().materials().spring(1).TorqueCurve, defined.TorqueCurve);
    EXPECT_EQ(session().design().Materials[SpringSlot], 1);
}

} // namespace brisko::gui::test
