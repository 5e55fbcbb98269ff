// Pictures of the started window with each preset: each preset draws a design
// view of its own. With BRISKO_SHOT_DIR set they are kept there for a look at the
// layout.
#include "ProgramFixture.h"
#include "mainwin/DrawingArea.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPixmap>

namespace brisko::gui::test {

using PresetPictures = ProgramFixture;

TEST_F(PresetPictures, RendersEveryPreset)
{
    const QString folder = pictureFolder();
    startWithPortfolio();
    win().showNormal();
    win().resize(1280, 860);
    auto* list = win().findChild<QComboBox*>(QStringLiteral("DesignList"));
    QList<QImage> sheets;
    for (int position = 0; position < 5; ++position) {
        emit list->activated(position);
        QCoreApplication::processEvents();
        const QString name = list->itemText(position).toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
        EXPECT_EQ(win().session().app().CurrentDesign, position);
        EXPECT_TRUE(win().grab().save(QDir(folder).filePath(QStringLiteral("brisko-%1.png").arg(name))));
        const QImage sheet = win().image()->grab().toImage();
        for (const QImage& before : sheets)
            EXPECT_NE(sheet, before) << name.toStdString() << " shows the design of a preset before it";
        sheets << sheet;
    }
}

} // namespace brisko::gui::test
