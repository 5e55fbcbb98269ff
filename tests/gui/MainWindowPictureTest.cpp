// Renders the started main window to an image for a look at its layout.
#include "ProgramFixture.h"

#include <QCoreApplication>
#include <QPixmap>

namespace brisko::gui::test {

using MainWindowPicture = ProgramFixture;

TEST_F(MainWindowPicture, RendersTheStartedWindow)
{
    startWithPortfolio();
    win().showNormal();
    win().resize(1600, 1000);
    QCoreApplication::processEvents();
    const QPixmap picture = win().grab();
    EXPECT_EQ(picture.size(), QSize(1600, 1000));
    picture.save(QStringLiteral("/tmp/brisko-main.png"));
    for (const char* state : {"VPPropBtn", "VPDynPerfBtn", "VPRaceBtn", "VPPreviewBtn", "VPBuildBtn"}) {
        click(state);
        QCoreApplication::processEvents();
        win().grab().save(QStringLiteral("/tmp/brisko-%1.png").arg(QString::fromLatin1(state)));
    }
    program->about().showCentred();
    QCoreApplication::processEvents();
    program->about().grab().save(QStringLiteral("/tmp/brisko-about.png"));
}

} // namespace brisko::gui::test
