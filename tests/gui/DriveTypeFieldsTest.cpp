// What the drive buttons do to the fields of the wired main window.
#include "WiredWindowHelpers.h"
#include "SessionArrangement.h"

namespace brisko::gui::test {

class DriveTypeFields : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        startWithPortfolio();
    }

    bool rightWheelFiguresShown()
    {
        bool shown = true;
        for (const char* name : {"PropulsionRightEF", "PropulsionRightLabel"}) {
            QWidget* figure = widget(name);
            EXPECT_NE(figure, nullptr) << name;
            shown = shown && figure && !figure->isHidden();
        }
        return shown;
    }
};

TEST_F(DriveTypeFields, RightWheelFiguresShowInAllWheelDriveOnly)
{
    EXPECT_FALSE(rightWheelFiguresShown()) << "rear-wheel drive at start";
    click("AWDBtn");
    EXPECT_TRUE(rightWheelFiguresShown());
    click("FWDBtn");
    EXPECT_FALSE(rightWheelFiguresShown());
    click("AWDBtn");
    click("RWDBtn");
    EXPECT_FALSE(rightWheelFiguresShown());

    // A design shown wholesale (as after reading a file) follows its drive type.
    brisko::test::arrange(win().session()).design().Drive = DriveType::AWD;
    win().session().announceDesignReplaced();
    EXPECT_TRUE(rightWheelFiguresShown());
}

} // namespace brisko::gui::test
