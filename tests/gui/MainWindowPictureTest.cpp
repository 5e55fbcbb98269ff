// Every state draws a sheet of its own, and the Set state's sheet comes back as it
// was once the others are left. Pictures for a look: brisko_window_pictures.
#include "ProgramFixture.h"
#include "mainwin/DrawingArea.h"

#include <QCoreApplication>
#include <QImage>

namespace brisko::gui::test {

using MainWindowPicture = ProgramFixture;

TEST_F(MainWindowPicture, EveryStateDrawsASheetOfItsOwn)
{
    startWithPortfolio();
    showNormalAt(QSize(1600, 1000));
    auto sheet = [this] {
        QCoreApplication::processEvents();
        return win().image()->grab().toImage();
    };
    QList<QImage> sheets = {sheet()};
    for (const char* state : {"VPPropBtn", "VPDynPerfBtn", "VPRaceBtn", "VPPreviewBtn", "VPBuildBtn"}) {
        click(state);
        const QImage drawn = sheet();
        for (const QImage& before : sheets)
            EXPECT_NE(drawn, before) << state << " draws the sheet of a state before it";
        sheets << drawn;
    }
    click("VPSetBtn");
    EXPECT_EQ(sheet(), sheets.first()) << "the other states leave nothing on the design sheet";
}

} // namespace brisko::gui::test
