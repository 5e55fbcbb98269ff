// The session's undo stack without a window: the change event of each step and of
// its Undo and Redo, and the times when a step may not be taken back.
#include "SessionFixture.h"

#include "model/Presets.h"
#include "session/DesignLoading.h"
#include "session/MaterialDefinitions.h"
#include "session/PartPlacement.h"

#include <vector>

namespace brisko::test {

class DesignHistory : public SessionFixture {
protected:
    DesignHistory()
    {
        loadPresetDesign(session, 3);
        session.startHistory();
        QObject::connect(&session.notifier(), &SessionNotifier::designChanged,
                         [this](DesignAspects aspects) { changes.push_back(aspects); });
        QObject::connect(&session.notifier(), &SessionNotifier::materialsChanged,
                         [this](MaterialKind kind) { kinds.push_back(kind); });
    }

    std::vector<DesignAspects> changes;
    std::vector<MaterialKind> kinds;
};

TEST_F(DesignHistory, EachStepAndItsUndoAndRedoNameWhatChanged)
{
    ASSERT_EQ(addWeight(session, QPoint(300, 300), QStringLiteral("0.5")), AddWeightOutcome::Stored);
    ASSERT_TRUE(session.undo());
    ASSERT_TRUE(session.redo());
    EXPECT_EQ(changes, (std::vector<DesignAspects>(3, DesignAspect::Weights)));

    changes.clear();
    kinds.clear();
    BoardMaterial balsa{QStringLiteral("Balsa"), QStringLiteral("0.25"), QStringLiteral("0.0058")};
    ASSERT_EQ(defineMaterial(session, balsa, DefinitionMode::New, 0), DefinitionOutcome::Stored);
    EXPECT_EQ(session.undoStack().undoText(), "Define material");
    ASSERT_TRUE(session.undo());
    EXPECT_EQ(session.materials().count(MaterialKind::Board), 1);
    EXPECT_EQ(kinds, (std::vector<MaterialKind>{MaterialKind::Board, MaterialKind::Board}))
        << "the library's own event, then Undo's for the one kind it gives back";
    EXPECT_EQ(session.undoStack().count(), 2);
}

TEST_F(DesignHistory, NothingIsTakenBackWhileAToolIsOnOrTheControlsAreHeld)
{
    addWeight(session, QPoint(300, 300), QStringLiteral("0.5"));
    session.holdSteps(true); // as the window's lock does while a tool is on
    EXPECT_FALSE(session.undo());
    session.holdSteps(false);
    {
        const auto held = session.holdWhileControlsChange();
        EXPECT_FALSE(session.undo());
    }
    EXPECT_EQ(session.design().weightsInUse(), 1);
    EXPECT_TRUE(recordsNamed(QStringLiteral("Undo")).isEmpty());
    EXPECT_TRUE(session.undo());
    EXPECT_EQ(session.design().weightsInUse(), 0);
    const QStringList record = recordsNamed(QStringLiteral("Undo")).value(0);
    EXPECT_EQ(record.mid(0, 4), (QStringList{"-2", "130", "Add weight", "Default design"}));
    EXPECT_FALSE(session.undo()) << "nothing more to take back";
}

} // namespace brisko::test
