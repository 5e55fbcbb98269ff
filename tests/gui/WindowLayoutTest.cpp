// How the main window looks to a new student at the usual screen sizes: the
// advisories window beside the controls, whole figure texts, texts inside the
// drawing area, and the portfolio path.
#include "ProgramFixture.h"
#include "SessionArrangement.h"
#include "TextBoxRecorder.h"

#include "dialogs/TADWin.h"
#include "mainwin/ElidedPathLabel.h"
#include "mainwin/WidgetFactory.h"
#include "render/BackgroundPainter.h"
#include "text/NumberText.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyleOptionFrame>
#include <QTest>
#include <QToolButton>

namespace brisko::gui::test {

namespace {

const char* const kStateButtons[] = {"VPSetBtn", "VPBuildBtn", "VPPropBtn", "VPDynPerfBtn",
                                     "VPRaceBtn", "VPPreviewBtn"};

QRect onScreen(const QWidget* widget)
{
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

// Neither squeezed below its least height nor cut by the window or a panel around it.
bool shownWhole(QWidget* control)
{
    const bool insideItsBox = qobject_cast<QComboBox*>(control->parentWidget()); // an editable list's text
    if (!insideItsBox && control->height() < control->minimumSizeHint().height())
        return false;
    for (QWidget* around = control->parentWidget(); around; around = around->parentWidget()) {
        if (!around->rect().contains(QRect(control->mapTo(around, QPoint(0, 0)), control->size())))
            return false;
    }
    return true;
}

// A design whose front axle touches nothing: its advisory shows from the Set state on.
void loosenFrontAxle(TRPWin& win)
{
    brisko::test::arrange(win.session()).design().FrontAxle.XUnits = 20;
    brisko::test::arrange(win.session()).design().FrontAxle.YUnits = 20;
}

} // namespace

class WindowLayout : public ProgramFixture, public ::testing::WithParamInterface<QSize> {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        startWithPortfolio();
        showNormalAt(GetParam());
    }

    TADWin& advisories() { return program->advisories(); }

    // Every control a student may want to reach while the advisories show.
    QList<QWidget*> visibleControls()
    {
        QList<QWidget*> controls;
        for (QWidget* w : win().findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w)
                || qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSlider*>(w);
            if (control && w->isVisible() && !w->window()->inherits("brisko::gui::TADWin"))
                controls << w;
        }
        return controls;
    }

    void expectAdvisoriesOverTheSheetCorner()
    {
        ASSERT_TRUE(advisories().isVisible());
        const QRect box = advisories().frameGeometry();
        const QRect sheet = onScreen(win().image());
        EXPECT_TRUE(sheet.contains(box)) << "sheet " << sheet.x() << "," << sheet.y() << " box " << box.x() << ","
                                         << box.y() << " " << box.width() << "x" << box.height();
        // Near the paper's folded corner, never over it.
        const QRect fold = foldedCorner(win().session().prototype().layout()).boundingRect().translated(sheet.topLeft());
        EXPECT_FALSE(box.intersects(fold)) << "the box covers the paper's folded corner";
        EXPECT_LT(box.top() - sheet.top(), 40 + fold.height());
        EXPECT_LT(sheet.right() - box.right(), 40);
        for (QWidget* control : visibleControls())
            EXPECT_FALSE(onScreen(control).intersects(box)) << control->objectName().toStdString();
    }
};

TEST_P(WindowLayout, AdvisoriesShowOverTheSheetsTopRightCornerAndFollowTheWindow)
{
    loosenFrontAxle(win());
    win().activateWindow();
    for (const char* state : kStateButtons) {
        click(state);
        QApplication::processEvents();
        if (advisories().isVisible())
            expectAdvisoriesOverTheSheetCorner();
    }
    click("VPSetBtn");
    QApplication::processEvents();
    expectAdvisoriesOverTheSheetCorner();
    // It never takes the focus from the field the student is typing in.
    EXPECT_TRUE(advisories().windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(advisories().testAttribute(Qt::WA_ShowWithoutActivating));

    win().move(win().x() + 60, win().y() + 30);
    QApplication::processEvents();
    expectAdvisoriesOverTheSheetCorner();
    win().resize(GetParam() - QSize(120, 60));
    QApplication::processEvents();
    expectAdvisoriesOverTheSheetCorner();
}

TEST_P(WindowLayout, FigureFieldsShowTheLongestNumberTextWhole)
{
    for (const char* state : {"VPBuildBtn", "VPPropBtn", "VPDynPerfBtn"}) {
        click(state);
        QApplication::processEvents();
        ASSERT_EQ(win().width(), GetParam().width()) << "the panels widen the window";
        const QRect window = win().rect();
        int checked = 0;
        for (QLineEdit* field : win().findChildren<QLineEdit*>()) {
            if (!field->isReadOnly() || !field->isVisible() || !field->objectName().endsWith(QLatin1String("EF")))
                continue;
            ++checked;
            QStyleOptionFrame option;
            option.initFrom(field);
            option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
            const QRect text = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
            const int room = text.width() - 2 * 2; // the edit's own margin on either side
            EXPECT_GE(room, field->fontMetrics().horizontalAdvance(longestFigureText()))
                << state << " " << field->objectName().toStdString();
            EXPECT_TRUE(window.contains(QRect(field->mapTo(&win(), QPoint(0, 0)), field->size())))
                << state << " " << field->objectName().toStdString() << " leaves the window";
        }
        if (state != std::string_view("VPBuildBtn")) // its figures show once the build is drawn
            EXPECT_GT(checked, 2) << state;
    }
}

TEST_P(WindowLayout, EveryControlOfEveryStatePanelLiesInsideTheWindow)
{
    const auto expectControlsInside = [this](const std::string& where) {
        for (QWidget* control : visibleControls()) {
            if (control->window() != &win())
                continue;
            EXPECT_TRUE(shownWhole(control)) << where << " " << control->objectName().toStdString();
        }
    };
    auto* parts = widget<QComboBox>("PartNameBox");
    ASSERT_NE(parts, nullptr);
    for (int k = 0; k < parts->count(); ++k) {
        parts->setCurrentIndex(k);
        QApplication::processEvents();
        expectControlsInside(parts->itemText(k).toStdString());
    }
    for (const char* state : kStateButtons) {
        click(state);
        QApplication::processEvents();
        expectControlsInside(state);
    }
}

TEST_P(WindowLayout, TheWheelsStandOnAGroundLineInsideTheDrawingArea)
{
    for (const char* state : {"VPSetBtn", "VPDynPerfBtn", "VPPreviewBtn"}) {
        click(state);
        QApplication::processEvents();
        const ViewLayout& layout = win().session().prototype().layout();
        EXPECT_LT(layout.PaperViewHeight + nearest(kGroundBelowPaper * layout.ViewScale), win().image()->height())
            << state;
    }
}

TEST_P(WindowLayout, EveryTextOnTheSheetLiesInsideIt)
{
    for (const char* drive : {"RWDBtn", "AWDBtn"}) {
        click("VPSetBtn");
        click(drive);
        for (const char* state : kStateButtons) {
            click(state);
            QApplication::processEvents();
            const QRect sheet = win().image()->rect();
            for (QLabel* label : win().image()->findChildren<QLabel*>()) {
                if (label->isVisible())
                    EXPECT_TRUE(sheet.contains(label->geometry()))
                        << drive << " " << state << " " << label->objectName().toStdString() << " at "
                        << label->x() << "," << label->y();
            }
            // The texts painted on the sheet itself.
            brisko::test::TextBoxRecorder recorder(win().image()->size());
            win().image()->render(&recorder);
            for (const auto& text : recorder.textsOutside())
                ADD_FAILURE() << drive << " " << state << " '" << text.text.toStdString() << "'";
        }
    }
}

// Every caption of the window shows whole: a label's or a button's text fits its width,
// in every state and with every part editor.
TEST_P(WindowLayout, NoCaptionIsCutInAnyState)
{
    const auto expectCaptionsWhole = [this](const std::string& where) {
        ASSERT_LE(win().width(), GetParam().width()) << where << ": the window is wider than the screen";
        for (QWidget* w : win().findChildren<QWidget*>()) {
            if (!w->isVisible() || w->window() != &win())
                continue;
            QString text;
            int room = 0;
            if (auto* label = qobject_cast<QLabel*>(w); label && !label->inherits("brisko::gui::ElidedPathLabel")) {
                // A wrapped caption breaks between words: each word must fit.
                text = label->wordWrap() ? label->text().split(QLatin1Char(' ')).join(QLatin1Char('\n')) : label->text();
                room = label->contentsRect().width() - 2 * label->margin() - std::max(0, label->indent());
            } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                text = button->text();
                room = button->width() - (qobject_cast<QToolButton*>(w) ? 4 : 8);
            }
            if (text.isEmpty() || text.contains(QLatin1Char('<')))
                continue;
            int widest = 0;
            for (const QString& line : text.remove(QLatin1Char('&')).split(QLatin1Char('\n')))
                widest = std::max(widest, w->fontMetrics().horizontalAdvance(line));
            EXPECT_LE(widest, room) << where << " " << w->objectName().toStdString() << " '" << text.toStdString() << "'";
        }
    };
    auto* parts = widget<QComboBox>("PartNameBox");
    for (int k = 0; k < parts->count(); ++k) {
        parts->setCurrentIndex(k);
        QApplication::processEvents();
        expectCaptionsWhole(parts->itemText(k).toStdString());
    }
    for (const char* state : kStateButtons) {
        click(state);
        QApplication::processEvents();
        expectCaptionsWhole(state);
    }
}

// Tab goes through the top bar as a student reads it, in the one-row and the
// two-row arrangement alike: the steps, the design tools, the drive, then the list.
// Starting and ending a drawing or a placing tool, and the 3D build, never widen
// the window past the screen or move the paper on the sheet.
TEST_P(WindowLayout, ToolsAndTheBuildKeepTheWindowAndThePaperWhereTheyAre)
{
    win().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win()));
    const QSize size = win().size();
    const int paperLeft = win().session().prototype().layout().PaperLeft;
    const auto expectUnmoved = [&](const char* what) {
        QCoreApplication::processEvents();
        EXPECT_EQ(win().size(), size) << what;
        EXPECT_EQ(win().session().prototype().layout().PaperLeft, paperLeft) << what;
    };
    for (const char* tool : {"DrawOuterBtn", "FrontAxleBtn", "AddWeightBtn", "RemoveWeightBtn"}) {
        click(tool);
        expectUnmoved(tool);
        QTest::keyClick(&win(), Qt::Key_Escape);
        ASSERT_FALSE(widget<QAbstractButton>(tool)->isChecked()) << tool << " ended";
        expectUnmoved(tool);
    }
    click("VPBuildBtn");
    click("VPSetBtn");
    expectUnmoved("the 3D build");
}

TEST_P(WindowLayout, TabGoesThroughTheTopBarAsItReads)
{
    // The steps take one Tab stop, the current one's (the arrow keys move between them).
    const QStringList expected{"VPSetBtn", "DrawOuterBtn", "DrawInnerBtn",
                               "FrontAxleBtn", "AddWeightBtn", "RemoveWeightBtn", "RWDBtn", "FWDBtn",
                               "AWDBtn", "DesignList", "NewBtn", "OpenBtn", "SaveBtn", "RenameBtn",
                               "RemoveBtn", "PartNameBox"};
    QStringList visited;
    QWidget* w = win().findChild<QWidget*>(QStringLiteral("VPSetBtn"));
    while (visited.size() < expected.size()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled() && !w->focusProxy())
            visited << (w->objectName().isEmpty() ? w->parentWidget()->objectName() : w->objectName());
        w = w->nextInFocusChain();
    }
    EXPECT_EQ(visited, expected);
}

TEST_P(WindowLayout, ALongPortfolioPathIsCutInTheMiddleWithTheWholePathInItsHint)
{
    const QString path = QStringLiteral("/home/student/Documents/Engineering/Spring term/Toy cars/Group 4/"
                                        "Second attempt after the holidays/Ideas from the class discussion/"
                                        "Final versions handed in to the teacher/MyPortfolio.brdp");
    auto* label = widget<ElidedPathLabel>("DirLabel");
    ASSERT_NE(label, nullptr);
    label->setText(path);
    label->setToolTip(path);
    QApplication::processEvents();
    const QString shown = label->shownText();
    EXPECT_TRUE(shown.startsWith(QLatin1String("/home/"))) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(QLatin1String("MyPortfolio.brdp"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QChar(0x2026))) << shown.toStdString();
    EXPECT_LE(label->fontMetrics().horizontalAdvance(shown), label->contentsRect().width());
    EXPECT_EQ(label->toolTip(), path);
    EXPECT_EQ(label->text(), path);
}

INSTANTIATE_TEST_SUITE_P(ScreenSizes, WindowLayout, ::testing::Values(QSize(1024, 768), QSize(1280, 800), QSize(1366, 768), QSize(1920, 1080)),
                         [](const auto& info) {
                             return QStringLiteral("%1x%2").arg(info.param.width()).arg(info.param.height()).toStdString();
                         });

} // namespace brisko::gui::test
