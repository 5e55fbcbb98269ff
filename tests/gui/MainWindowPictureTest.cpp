// Renders the started main window in every state, and the About box: every state
// draws a sheet of its own. With BRISKO_SHOT_DIR set the pictures are kept there
// for a look at the layout.
#include "ProgramFixture.h"
#include "mainwin/DrawingArea.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPixmap>

namespace brisko::gui::test {

using MainWindowPicture = ProgramFixture;

TEST_F(MainWindowPicture, RendersTheStartedWindow)
{
    const QString folder = pictureFolder();
    auto save = [&folder](const QPixmap& picture, const QString& name) {
        EXPECT_TRUE(picture.save(QDir(folder).filePath(QStringLiteral("brisko-%1.png").arg(name))));
    };
    startWithPortfolio();
    showNormalAt(QSize(1600, 1000));
    const QPixmap picture = win().grab();
    EXPECT_EQ(picture.size(), QSize(1600, 1000));
    save(picture, QStringLiteral("main"));
    QList<QImage> sheets = {win().image()->grab().toImage()};
    for (const char* state : {"VPPropBtn", "VPDynPerfBtn", "VPRaceBtn", "VPPreviewBtn", "VPBuildBtn"}) {
        click(state);
        QCoreApplication::processEvents();
        save(win().grab(), QString::fromLatin1(state));
        const QImage sheet = win().image()->grab().toImage();
        for (const QImage& before : sheets)
            EXPECT_NE(sheet, before) << state << " draws the sheet of a state before it";
        sheets << sheet;
    }
    program->about().showCentred();
    QCoreApplication::processEvents();
    save(program->about().grab(), QStringLiteral("about"));
}

} // namespace brisko::gui::test
