#include "ScriptedPrompter.h"
#include "SessionArrangement.h"
#include "mainwin/SetStatePanel.h"
#include "session/Session.h"

#include <QComboBox>
#include <QStringList>
#include <gtest/gtest.h>

using namespace brisko;
using namespace brisko::gui;

namespace {

QStringList items(const QComboBox* box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

} // namespace

// The main window's lists of a kind always show the library's records, in its order.
TEST(MaterialLists, EveryListOfAKindFollowsTheLibrary)
{
    test::ScriptedPrompter prompter;
    Session session(prompter);
    SetStatePanel panel(session, nullptr);
    const char* boardLists[] = {"OuterBodyList", "InnerBodyList", "DriveWheelList", "OtherWheelList"};
    for (const char* name : boardLists)
        ASSERT_EQ(panel.findChild<QComboBox*>(name)->count(), 1) << name;
    EXPECT_EQ(items(panel.findChild<QComboBox*>("TreadList")), QStringList{"Ideal rubber"});

    brisko::test::arrange(session).materials().addBoard({"Balsa", "0.25", "0.0058"});
    brisko::test::arrange(session).materials().addBoard({"Card", "0.1", "0.02"});
    brisko::test::arrange(session).materials().addBoard({"Cork", "0.3", "0.009"});
    brisko::test::arrange(session).materials().remove(MaterialKind::Board, 2);
    for (const char* name : boardLists)
        EXPECT_EQ(items(panel.findChild<QComboBox*>(name)), (QStringList{"Default Foamcore", "Balsa", "Cork"}))
            << name;
    EXPECT_EQ(session.materials().board(2).Thickness, "0.3");
    EXPECT_EQ(panel.findChild<QComboBox*>("SpringList")->count(), 1);

    brisko::test::arrange(session).materials().clearDefined();
    for (const char* name : boardLists)
        EXPECT_EQ(panel.findChild<QComboBox*>(name)->count(), 1) << name;
}
