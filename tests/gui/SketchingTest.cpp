// Drawing the body outlines with the mouse on the sheet of the wired window.
#include "SheetClicks.h"
#include "WiredWindowHelpers.h"

#include "geometry/OutlineSketch.h"
#include "persist/DesignFile.h"
#include "render/SketchPainter.h"

#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <map>
#include <string>

namespace brisko::gui::test {

class Sketching : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        startWithPortfolio();
    }

    QWidget* sheet() { return win().image(); }
    const ViewLayout& layout() { return prototypeOf(win()).layout(); }
    QPoint square(int column, int row) { return paperSquareCentre(layout(), column, row); }
    QPoint sheetPoint(const QPoint& view) { return drawingPointOf(layout(), view); }
    const BodyOutline& outer() { return win().session().design().OuterOutline; }
    const BodyOutline& inner() { return win().session().design().InnerOutline; }

    void clickAt(const QPoint& at) { brisko::test::clickOn(sheet(), at); }
    void doubleClickAt(const QPoint& at) { brisko::test::doubleClickOn(sheet(), at); }
    QStringList descriptionsSince(int first)
    {
        QStringList out;
        const auto all = records();
        for (int i = first; i < all.size(); ++i)
            out << field(all.at(i), 14);
        return out;
    }
    bool enabled(const char* name)
    {
        if (auto* action = win().findChild<QAction*>(QString::fromLatin1(name)))
            return action->isEnabled();
        return widget(name)->isEnabled();
    }
};

TEST_F(Sketching, TwoClicksAndADoubleClickMakeATriangleOfSixPoints)
{
    const QPoint a = square(3, 10), b = square(10, 3), c = square(16, 10);
    click("DrawOuterBtn");
    const int first = records().size();
    clickAt(a);
    clickAt(b);
    doubleClickAt(c);

    const QPoint pa = sheetPoint(a), pb = sheetPoint(b), pc = sheetPoint(c);
    EXPECT_EQ(outer().points(), QVector<QPoint>({pa, pa, pb, pb, pc, pc}));
    EXPECT_EQ(descriptionsSince(first),
              QStringList({"SetOuterShapePoint", "SetOuterShapePoint", "SetOuterShapePoint", "DoneOuterShape"}));
    const QStringList pointRecord = records().at(first + 1);
    EXPECT_EQ(field(pointRecord, 1), "0");
    EXPECT_EQ(field(pointRecord, 2), "9");
    EXPECT_EQ(field(pointRecord, 3), QString::number(b.x()));
    EXPECT_EQ(field(pointRecord, 4), QString::number(b.y()));
    EXPECT_FALSE(widget<QAbstractButton>("DrawOuterBtn")->isChecked());
    EXPECT_TRUE(widget("DrawCancelBtn")->isHidden());
    EXPECT_TRUE(widget("DrawHintLabel")->isHidden());
    EXPECT_TRUE(enabled("DrawInnerBtn"));
}

TEST_F(Sketching, OneClickAndADoubleClickKeepTheOldOutline)
{
    const BodyOutline before = outer();
    click("DrawOuterBtn");
    const int first = records().size();
    clickAt(square(4, 4));
    doubleClickAt(square(12, 8));
    EXPECT_EQ(outer(), before);
    EXPECT_FALSE(descriptionsSince(first).contains("DoneOuterShape"));
    EXPECT_FALSE(widget<QAbstractButton>("DrawOuterBtn")->isChecked());
    EXPECT_TRUE(enabled("VPPropBtn"));
}

TEST_F(Sketching, ADragAddsItsStartAndEndAsOnePair)
{
    const QPoint a = square(3, 3), b = square(15, 4), c = square(14, 12), d = square(4, 11);
    click("DrawOuterBtn");
    QTest::mousePress(sheet(), Qt::LeftButton, {}, a);
    QTest::mouseMove(sheet(), square(8, 3));
    QTest::mouseMove(sheet(), b);
    QTest::mouseRelease(sheet(), Qt::LeftButton, {}, b);
    clickAt(c);
    doubleClickAt(d);
    EXPECT_EQ(outer().points(), QVector<QPoint>({sheetPoint(a), sheetPoint(b), sheetPoint(c), sheetPoint(c),
                                                 sheetPoint(d), sheetPoint(d)}));
}

TEST_F(Sketching, OneHundredTwentyNineClicksCommitTheFirst256Points)
{
    click("DrawOuterBtn");
    for (int i = 0; i < 129; ++i)
        clickAt(square(1 + i % 18, 1 + (i / 18) % 13));
    doubleClickAt(square(19, 14));
    ASSERT_EQ(outer().count(), 256);
    EXPECT_EQ(outer().point(255), sheetPoint(square(1 + 127 % 18, 1 + (127 / 18) % 13)));
}

TEST_F(Sketching, TheRubberBandIsErasedWhenTheMouseMovesOn)
{
    click("DrawOuterBtn");
    const QImage beforeClick = win().image()->canvas().copy();
    clickAt(square(3, 3));
    sendMouse(sheet(), QEvent::MouseMove, square(10, 10));
    const QImage band = win().image()->canvas().copy();
    EXPECT_NE(band, beforeClick);
    sendMouse(sheet(), QEvent::MouseMove, square(12, 5));
    EXPECT_NE(win().image()->canvas(), band);
    sendMouse(sheet(), QEvent::MouseMove, square(10, 10));
    EXPECT_EQ(win().image()->canvas(), band) << "the band in between left nothing behind";
    sendMouse(sheet(), QEvent::MouseMove, QPoint(2, 2));
    EXPECT_EQ(sheet()->cursor().shape(), Qt::ForbiddenCursor);
    EXPECT_EQ(win().image()->canvas(), band) << "off the paper the band stays";
    sendMouse(sheet(), QEvent::MouseMove, square(5, 5));
    EXPECT_EQ(sheet()->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(Sketching, TheWindowIsLockedWhileDrawingAndCancelGivesEveryStateBack)
{
    const BodyOutline outerBefore = outer(), innerBefore = inner();
    const char* const controls[] = {"DrawOuterBtn", "FrontAxleBtn", "RWDBtn", "ApplyBtn",  "SpringWidthEF",
                                    "DesignList",   "SaveBtn",      "VPPropBtn", "Open1",   "Save1",
                                    "Close1",       "Quit1",        "AboutBK", "PowerDesign1", "Preferences1"};
    std::map<std::string, bool> before;
    for (const char* name : controls)
        before[name] = enabled(name);
    ASSERT_FALSE(before["ApplyBtn"]) << "a control that starts disabled";
    ASSERT_FALSE(before["PowerDesign1"]);

    click("DrawInnerBtn");
    for (const char* name : controls)
        EXPECT_FALSE(enabled(name)) << name;
    EXPECT_TRUE(enabled("DrawInnerBtn")) << "the drawing's own button ends it";
    EXPECT_TRUE(widget("SetStatePanel")->isHidden());
    EXPECT_FALSE(widget("DrawCancelBtn")->isHidden());
    EXPECT_GE(widget("DrawCancelBtn")->width(), widget("DrawCancelBtn")->sizeHint().width())
        << "Cancel has room to be read in the tool bar";
    EXPECT_FALSE(widget("DrawHintLabel")->isHidden());

    clickAt(square(4, 4));
    clickAt(square(9, 4));
    clickAt(square(9, 9));
    click("DrawCancelBtn");
    for (const char* name : controls)
        EXPECT_EQ(enabled(name), before[name]) << name;
    EXPECT_FALSE(widget("SetStatePanel")->isHidden());
    EXPECT_EQ(outer(), outerBefore);
    EXPECT_EQ(inner(), innerBefore);
    EXPECT_EQ(field(lastRecord(), 14), "CancelDraw");
    EXPECT_EQ(field(lastRecord(), 2), "60");
    EXPECT_FALSE(widget<QAbstractButton>("DrawInnerBtn")->isChecked());
}

// After "Save..." from a preset the box shows the new entry's name while the preset
// stays current; the focus left in the box must not turn starting a drawing into a
// switch of designs with its save question.
TEST_F(Sketching, StartingADrawingWithTheFocusInTheDesignListAsksNothingAndSwitchesNothing)
{
    win().setPanel()->selectPart(SpringPart);
    typeInto(widget<QLineEdit>("SpringWidthEF"), "2");
    click("ApplyBtn");
    prompter.answerFile(dir.filePath(QStringLiteral("Wide spring.brsk")));
    trigger("Save1");
    ASSERT_EQ(win().session().app().CurrentDesign, 0);
    ASSERT_EQ(widget<QComboBox>("DesignList")->currentText(), "Wide spring");
    win().setPanel()->selectPart(SpringPart);
    typeInto(widget<QLineEdit>("SpringWidthEF"), "2.5");
    click("ApplyBtn"); // changed since it was saved

    win().show();
    win().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win()));
    const char* const controls[] = {"DrawOuterBtn", "DrawInnerBtn", "RWDBtn", "FWDBtn", "DesignList", "SaveBtn",
                                    "VPPropBtn", "Open1", "Save1", "Quit1", "DriveBox"};
    std::map<std::string, std::pair<bool, bool>> before; // enabled, shown
    for (const char* name : controls)
        before[name] = {enabled(name), !widget(name) || widget(name)->isVisible()};
    const int recordsBefore = records().size();
    prompter.clear();
    prompter.answerConfirm(Answer::No); // what the student answered when it was asked
    prompter.answerConfirm(Answer::No);

    for (int round = 0; round < 2; ++round) {
        widget<QComboBox>("DesignList")->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(widget<QComboBox>("DesignList")->hasFocus());
        click("DrawOuterBtn");
        EXPECT_TRUE(prompter.promptsOf(Prompt::Confirm).isEmpty()) << "round " << round;
        EXPECT_TRUE(widget<QAbstractButton>("DrawOuterBtn")->isChecked()) << "round " << round;
        click("DrawCancelBtn");
    }
    EXPECT_EQ(win().session().app().CurrentDesign, 0);
    EXPECT_EQ(win().session().design().SpringWidth, "2.5");
    EXPECT_FALSE(win().session().designs().entry(0).Saved);
    const auto all = records();
    QStringList codes;
    for (int i = recordsBefore; i < all.size(); ++i)
        codes << field(all.at(i), 2) + QLatin1Char(' ') + field(all.at(i), 14);
    EXPECT_EQ(codes, QStringList({"60 CancelDraw", "60 CancelDraw"}));
    for (const char* name : controls) {
        EXPECT_EQ(enabled(name), before[name].first) << name;
        if (auto* w = widget(name))
            EXPECT_EQ(w->isVisible(), before[name].second) << name;
    }
}

// Escape ends a drawing as Cancel does, and disarms a placing tool as a press beside
// the paper does: nothing changes and the window is unlocked.
TEST_F(Sketching, EscapeCancelsADrawingOrAnArmedPlacingToolAsItsOwnWayOutDoes)
{
    showNormalAt(QSize(1024, 768)); // the tool bar in two rows
    win().show();
    win().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win()));
    const BodyOutline outerBefore = outer();
    QApplication::processEvents();
    const QRect sheetBefore = sheet()->geometry();
    click("DrawOuterBtn");
    QApplication::processEvents();
    EXPECT_EQ(sheet()->geometry(), sheetBefore) << "the sheet stays where it is while drawing";
    clickAt(square(4, 4));
    clickAt(square(9, 4));
    QTest::keyClick(widget<QComboBox>("DesignList"), Qt::Key_Escape); // wherever the focus is
    EXPECT_FALSE(widget<QAbstractButton>("DrawOuterBtn")->isChecked());
    EXPECT_EQ(outer(), outerBefore);
    EXPECT_EQ(field(lastRecord(), 14), "CancelDraw");
    EXPECT_TRUE(enabled("Save1")) << "the window is unlocked";

    for (const char* tool : {"FrontAxleBtn", "AddWeightBtn", "RemoveWeightBtn"}) {
        const int recordsBefore = records().size();
        click(tool);
        ASSERT_FALSE(enabled("Save1")) << tool;
        EXPECT_TRUE(widget("DrawHintLabel")->isVisible()) << tool << ": its instruction shows";
        EXPECT_TRUE(widget<QLabel>("DrawHintLabel")->text().contains("Esc")) << tool;
        QTest::keyClick(&win(), Qt::Key_Escape);
        EXPECT_TRUE(enabled("Save1")) << tool;
        EXPECT_EQ(records().size(), recordsBefore) << tool;
        EXPECT_FALSE(widget<QAbstractButton>(tool)->isDown()) << tool;
        EXPECT_FALSE(widget("DrawHintLabel")->isVisible()) << tool;
    }
    click("DrawInnerBtn");
    EXPECT_TRUE(widget<QLabel>("DrawHintLabel")->text().startsWith("To draw a shape")) << "the drawing's own hint again";
    click("DrawCancelBtn");
    EXPECT_FALSE(widget<QAbstractButton>("DrawOuterBtn")->isChecked());
}

// A resize during a drawing lays the sheet out at its new scale and keeps the red
// edges drawn so far where the points now are.
TEST_F(Sketching, AResizeDuringADrawingKeepsTheEdgesDrawnSoFar)
{
    showNormalAt(QSize(1600, 1000));
    click("DrawOuterBtn");
    clickAt(square(4, 4));
    clickAt(square(12, 4));
    const QPoint from = sheetPoint(square(4, 4)), to = sheetPoint(square(12, 4));
    showNormalAt(QSize(1100, 760));
    ASSERT_TRUE(widget<QAbstractButton>("DrawOuterBtn")->isChecked());
    const ViewLayout& now = layout();
    const QPoint middle = (viewPointOf(now, from) + viewPointOf(now, to)) / 2;
    QApplication::processEvents();
    EXPECT_EQ(win().image()->canvas().pixelColor(middle), kSketchPen) << middle.x() << "," << middle.y();
    click("DrawCancelBtn");
}

TEST_F(Sketching, ClosingTheWindowDuringADrawingAsksAndSavesTheCommittedDesign)
{
    const BodyOutline committed = outer();
    click("DrawOuterBtn");
    clickAt(square(2, 2));
    clickAt(square(18, 2));
    clickAt(square(18, 12));
    const QString path = dir.filePath(QStringLiteral("Kept.brsk"));
    prompter.answerConfirm(Answer::Yes);
    prompter.answerFile(path);
    win().close();
    ASSERT_EQ(prompter.promptsOf(Prompt::Confirm).size(), 1);
    ASSERT_TRUE(QFile::exists(path));

    DesignFileContents read;
    QString error;
    ASSERT_TRUE(parseDesignFile(path, OlderLayout::Refused, read, &error)) << error.toStdString();
    EXPECT_EQ(read.design.OuterOutline, committed) << "the unfinished drawing is not saved";
}

TEST_F(Sketching, ADrawnOutlineSurvivesSaveAndOpenAndTheFiguresToolAgrees)
{
    click("DrawOuterBtn");
    for (const QPoint& p : {square(2, 6), square(6, 3), square(16, 4)})
        clickAt(p);
    doubleClickAt(square(17, 11));
    click("DrawInnerBtn");
    for (const QPoint& p : {square(3, 7), square(7, 5), square(15, 6)})
        clickAt(p);
    doubleClickAt(square(15, 10));
    const CarDesign drawn = win().session().design();

    const QString path = dir.filePath(QStringLiteral("Drawn.brsk"));
    prompter.answerFile(path);
    trigger("Save1");
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    saved.close();

    prompter.answerConfirm(Answer::No); // the changed preset stays unsaved
    prompter.answerFile(path);
    trigger("Open1");
    EXPECT_EQ(win().session().design().OuterOutline, drawn.OuterOutline);
    EXPECT_EQ(win().session().design().InnerOutline, drawn.InnerOutline);
    const QString again = dir.filePath(QStringLiteral("Again.brsk"));
    prompter.answerFile(again);
    trigger("Save1");
    QFile resaved(again);
    ASSERT_TRUE(resaved.open(QIODevice::ReadOnly));
    // The same lines but for the name, which follows the file's.
    EXPECT_EQ(resaved.readAll().replace("Again", "Drawn"), bytes);

    click("VPPropBtn");
    QProcess tool;
    tool.start(QStringLiteral(BRISKO_FIGURES_TOOL), {QStringLiteral("--file"), path});
    ASSERT_TRUE(tool.waitForFinished(60000));
    const QString out = QString::fromLocal8Bit(tool.readAllStandardOutput());
    EXPECT_TRUE(out.contains("TotalMass: " + widget<QLineEdit>("ProjectedMassEF")->text() + "\n")) << out.toStdString();
    EXPECT_TRUE(out.contains("CentroidX: " + widget<QLineEdit>("TrueCentroidEF")->text() + "\n")) << out.toStdString();
}

} // namespace brisko::gui::test
