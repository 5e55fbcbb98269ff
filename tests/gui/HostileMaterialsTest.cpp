// A design file whose materials have odd names (10,000 characters, commas, quotes,
// the same name twice) opens, and the material windows show every name exactly
// without growing past their usual size.
#include "ProgramFixture.h"

#include "model/Presets.h"
#include "persist/DesignFile.h"
#include "session/Session.h"

#include <QLineEdit>
#include <QListWidget>

namespace brisko::gui::test {

namespace {

const QString kLongName = QString(10000, QLatin1Char('W'));

QStringList hostileNames()
{
    return {QStringLiteral("Foam, blue"), QStringLiteral("Foam, blue"), QStringLiteral("\"Quoted\" 'card'"), kLongName};
}

} // namespace

using HostileMaterials = ProgramFixture;

TEST_F(HostileMaterials, OddNamesShowExactlyAndTheWindowsKeepTheirSize)
{
    startWithPortfolio();
    const QSize usualWindow = win().minimumSizeHint();
    click("DefineMatlBtn");
    const QSize usualList = widget("MSWin")->size();
    click("BoardNewBtn");
    ASSERT_TRUE(widget("DBWin")->isVisible());
    const QSize usualDialog = widget("DBWin")->size();
    widget("DBWin")->close();
    widget("MSWin")->close();

    MaterialLibrary materials;
    for (const QString& name : hostileNames())
        materials.addBoard({name, "0.25", "0.0031"});
    CarDesign design;
    loadPresetShape(design, 1);
    design.Materials[0] = 4; // the long name
    const QString path = dir.filePath(QStringLiteral("Odd names.brsk"));
    ASSERT_TRUE(WriteDesignFile(path, design, materials, QStringLiteral("Odd names"), nullptr));
    prompter.answerFile(path);
    trigger("Open1");
    ASSERT_EQ(win().session().materials().count(MaterialKind::Board), 5);

    EXPECT_EQ(win().minimumSizeHint(), usualWindow);
    click("DefineMatlBtn");
    auto* list = widget<QListWidget>("BoardListbox");
    ASSERT_EQ(list->count(), 5);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(list->item(i + 1)->text(), hostileNames()[i]) << i;
    EXPECT_EQ(widget("MSWin")->size(), usualList);
    list->setCurrentRow(4);
    click("BoardEditBtn");
    ASSERT_TRUE(widget("DBWin")->isVisible());
    EXPECT_EQ(widget<QLineEdit>("BoardNameEF")->text(), kLongName);
    EXPECT_EQ(widget("DBWin")->size(), usualDialog);
}

} // namespace brisko::gui::test
