// Each preset draws a design view of its own, and the first one's comes back as it
// was after the others. Pictures for a look: brisko_window_pictures.
#include "ProgramFixture.h"
#include "mainwin/DrawingArea.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QImage>

namespace brisko::gui::test {

using PresetPictures = ProgramFixture;

TEST_F(PresetPictures, EachPresetDrawsADesignOfItsOwn)
{
    startWithPortfolio();
    win().showNormal();
    win().resize(1280, 860);
    auto* list = win().findChild<QComboBox*>(QStringLiteral("DesignList"));
    auto show = [&](int position) {
        emit list->activated(position);
        QCoreApplication::processEvents();
        EXPECT_EQ(win().session().app().CurrentDesign, position);
        return win().image()->grab().toImage();
    };
    QList<QImage> sheets;
    for (int position = 0; position < 5; ++position) {
        const QImage sheet = show(position);
        for (const QImage& before : sheets)
            EXPECT_NE(sheet, before) << list->itemText(position).toStdString() << " shows a preset before it";
        sheets << sheet;
    }
    EXPECT_EQ(show(0), sheets.first()) << "the first preset is drawn again as it was";
}

} // namespace brisko::gui::test
