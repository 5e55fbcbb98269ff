// Pictures of the started window with each preset. With BRISKO_SHOT_DIR set they
// are kept there for a look at the layout.
#include "ProgramFixture.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
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
    for (int position = 0; position < 5; ++position) {
        emit list->activated(position);
        QCoreApplication::processEvents();
        const QString name = list->itemText(position).toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
        EXPECT_EQ(win().session().app().CurrentDesign, position);
        EXPECT_TRUE(win().grab().save(QDir(folder).filePath(QStringLiteral("brisko-%1.png").arg(name))));
    }
}

} // namespace brisko::gui::test
