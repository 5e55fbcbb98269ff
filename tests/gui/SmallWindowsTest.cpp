#include "app/FileFilter.h"
#include "dialogs/TADWin.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace brisko::gui::test {

TEST(AdvisoriesWindow, ShowsOnlyTheAdvisoriesThatHoldAndHidesWhenNoneDo)
{
    TADWin window;
    EXPECT_EQ(window.objectName(), "ADWin");
    EXPECT_EQ(window.windowTitle(), "Advisories");
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    AdvisoryDisplay display;
    display.caseFree = true;
    display.floating = true;
    window.showAdvisories(display);
    EXPECT_TRUE(window.isVisible());
    auto* caseFree = window.findChild<QLabel*>("CaseFreeLabel");
    EXPECT_EQ(caseFree->text(), "Spring case is not connected.");
    EXPECT_FALSE(caseFree->isHidden());
    EXPECT_FALSE(window.findChild<QLabel*>("FloatingLabel")->isHidden());
    EXPECT_TRUE(window.findChild<QLabel*>("SkidAdvisoryLabel")->isHidden());

    display.caseFreeAllWheelWording = true;
    window.showAdvisories(display);
    EXPECT_EQ(caseFree->text(), "Spring case not connected.");

    window.showAdvisories({});
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(caseFree->isHidden());
}

TEST(FileFilter, PipeFiltersBecomeQtFilters)
{
    EXPECT_EQ(toQtFileFilter("Brisko Design Portfolio|*.brdp"), "Brisko Design Portfolio (*.brdp)");
    EXPECT_EQ(toQtFileFilter("Brisko|*.brsk|All Files|*.*"), "Brisko (*.brsk);;All Files (*.*)");
    EXPECT_EQ(toQtFileFilter("Pictures|*.png;*.bmp"), "Pictures (*.png *.bmp)");
}

} // namespace brisko::gui::test
