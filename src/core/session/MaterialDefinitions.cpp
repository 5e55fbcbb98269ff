#include "session/MaterialDefinitions.h"

#include "model/MaterialChecks.h"
#include "model/Validation.h"
#include "session/Session.h"
#include "session/SessionEditor.h"

namespace brisko {

namespace {

inline constexpr int kMaterialStage = -4;

struct RecordValues {
    OptText v2, v3, v4;
};

struct KindRecord {
    int code;
    const char* description;
};

// What differs between the kinds: how a record is checked, stored and logged.
template <typename M>
struct KindOf;

template <>
struct KindOf<BoardMaterial> {
    static constexpr MaterialKind kind = MaterialKind::Board;
    static constexpr KindRecord added{112, "NewBoardMaterial"};
    static constexpr KindRecord edited{111, "EditBoardMaterial"};
    static constexpr const char* word = "board";
    static auto check(const BoardMaterial& m) { return checkBoard(m); }
    static BoardMaterial stored(const BoardMaterial& m) { return m; }
    static bool add(MaterialLibrary& lib, const BoardMaterial& m, QString* error) { return lib.addBoard(m, error); }
    static void replace(MaterialLibrary& lib, int pos, const BoardMaterial& m) { lib.replaceBoard(pos, m); }
    static RecordValues values(const BoardMaterial& m, bool) { return {m.Density, m.Thickness, {}}; }
};

template <>
struct KindOf<AxleMaterial> {
    static constexpr MaterialKind kind = MaterialKind::Axle;
    static constexpr KindRecord added{116, "NewAxleMaterial"};
    static constexpr KindRecord edited{115, "EditAxleMaterial"};
    static constexpr const char* word = "axle";
    static auto check(const AxleMaterial& m) { return checkAxle(m); }
    static AxleMaterial stored(const AxleMaterial& m) { return m; }
    static bool add(MaterialLibrary& lib, const AxleMaterial& m, QString* error) { return lib.addAxle(m, error); }
    static void replace(MaterialLibrary& lib, int pos, const AxleMaterial& m) { lib.replaceAxle(pos, m); }
    static RecordValues values(const AxleMaterial& m, bool) { return {m.Density, {}, {}}; }
};

template <>
struct KindOf<SpringMaterial> {
    static constexpr MaterialKind kind = MaterialKind::Spring;
    static constexpr KindRecord added{114, "NewSpringMaterial"};
    static constexpr KindRecord edited{113, "EditSpringMaterial"};
    static constexpr const char* word = "spring";
    static auto check(const SpringMaterial& m) { return checkSpring(m); }
    static SpringMaterial stored(const SpringMaterial& m) { return withUnmeasuredAsZero(m); }
    static bool add(MaterialLibrary& lib, const SpringMaterial& m, QString* error) { return lib.addSpring(m, error); }
    static void replace(MaterialLibrary& lib, int pos, const SpringMaterial& m) { lib.replaceSpring(pos, m); }
    // Only the edit record carries the sample width.
    static RecordValues values(const SpringMaterial& m, bool edited)
    {
        return {m.Density, m.Thickness, edited ? OptText(m.SampleWidth) : OptText()};
    }
};

template <>
struct KindOf<TreadMaterial> {
    static constexpr MaterialKind kind = MaterialKind::Tread;
    static constexpr KindRecord added{118, "NewTreadMaterial"};
    static constexpr KindRecord edited{117, "EditTreadMaterial"};
    static constexpr const char* word = "tread";
    static auto check(const TreadMaterial& m) { return checkTread(m); }
    static TreadMaterial stored(const TreadMaterial& m) { return m; }
    static bool add(MaterialLibrary& lib, const TreadMaterial& m, QString* error) { return lib.addTread(m, error); }
    static void replace(MaterialLibrary& lib, int pos, const TreadMaterial& m) { lib.replaceTread(pos, m); }
    static RecordValues values(const TreadMaterial& m, bool) { return {m.StaticFriction, {}, {}}; }
};

template <typename M>
void logDefinition(Session& session, const M& m, bool edited)
{
    using Kind = KindOf<M>;
    const KindRecord record = edited ? Kind::edited : Kind::added;
    const RecordValues values = Kind::values(m, edited);
    session.logAction(kMaterialStage, record.code, m.Name, values.v2, values.v3, values.v4,
                      QString::fromLatin1(record.description));
}

template <typename M>
DefinitionOutcome replaceAt(Session& session, const M& m, int position)
{
    const EditStep step(session, QStringLiteral("Edit material"));
    KindOf<M>::replace(SessionEditor::materials(session), position, KindOf<M>::stored(m));
    session.markCurrentDesignChanged();
    logDefinition(session, m, true);
    return DefinitionOutcome::Stored;
}

template <typename M>
DefinitionOutcome addNew(Session& session, const M& m)
{
    const EditStep step(session, QStringLiteral("Define material"));
    QString error;
    if (!KindOf<M>::add(SessionEditor::materials(session), KindOf<M>::stored(m), &error)) {
        session.prompter().message(kTryAgainTitle, error);
        return DefinitionOutcome::StayOpen;
    }
    session.markCurrentDesignChanged();
    logDefinition(session, m, false);
    return DefinitionOutcome::Stored;
}

// New with a name already in the list: the material of that name is replaced, and
// only when the student says so.
template <typename M>
DefinitionOutcome replaceByName(Session& session, const M& m, int position)
{
    const QString word = QString::fromLatin1(KindOf<M>::word);
    if (position == 0) {
        session.prompter().message(
            kTryAgainTitle, QStringLiteral("\"%1\" is the built-in %2 material and cannot be replaced. "
                                           "Please type another name for your %2 material.")
                                .arg(m.Name, word));
        return DefinitionOutcome::StayOpen;
    }
    const Answer answer = session.prompter().confirm(
        QStringLiteral("Replace a material?"),
        QStringLiteral("A %1 material named \"%2\" already exists. Do you want to replace it with the values "
                       "you typed?")
            .arg(word, m.Name));
    if (answer != Answer::Yes)
        return DefinitionOutcome::StayOpen;
    return replaceAt(session, m, position);
}

template <typename M>
DefinitionOutcome define(Session& session, const M& m, DefinitionMode mode, int selected)
{
    if (const auto refusal = KindOf<M>::check(m)) {
        session.prompter().message(refusal->caption, refusal->message);
        return DefinitionOutcome::StayOpen;
    }
    const int existing = session.materials().listTexts(KindOf<M>::kind).indexOf(m.Name);
    if (existing < 0)
        return addNew(session, m);
    if (mode == DefinitionMode::New)
        return replaceByName(session, m, existing);
    if (selected < 1 || selected >= session.materials().count(KindOf<M>::kind))
        return DefinitionOutcome::NothingStored;
    return replaceAt(session, m, selected);
}

} // namespace

DefinitionOutcome defineMaterial(Session& session, const BoardMaterial& board, DefinitionMode mode, int selected)
{
    return define(session, board, mode, selected);
}

DefinitionOutcome defineMaterial(Session& session, const AxleMaterial& axle, DefinitionMode mode, int selected)
{
    return define(session, axle, mode, selected);
}

DefinitionOutcome defineMaterial(Session& session, const SpringMaterial& spring, DefinitionMode mode, int selected)
{
    return define(session, spring, mode, selected);
}

DefinitionOutcome defineMaterial(Session& session, const TreadMaterial& tread, DefinitionMode mode, int selected)
{
    return define(session, tread, mode, selected);
}

bool deleteMaterial(Session& session, MaterialKind kind, int position)
{
    if (position < 1 || position >= session.materials().count(kind))
        return false;
    const EditStep step(session, QStringLiteral("Delete material"));
    // The choices move first, so that every list shown again after the delete
    // selects a material that still exists.
    adjustSelectionsAfterDelete(SessionEditor::design(session).Materials, kind, position);
    SessionEditor::materials(session).remove(kind, position);
    session.markCurrentDesignChanged();
    return true;
}

} // namespace brisko
