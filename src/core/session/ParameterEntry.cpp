#include "session/ParameterEntry.h"

#include "session/Session.h"
#include "session/SessionEditor.h"

namespace brisko {

namespace {

struct FieldNames {
    int code;
    const char* setName;
    const char* doName;
    const char* stepName; // the name of its applied value on the Edit menu
};

constexpr FieldNames kFieldNames[] = {
    {14, "SetSpringWidth", "DoSprWid", "Spring width"},
    {15, "SetSpringLength", "DoSprLen", "Spring length"},
    {16, "SetArborDia", "DoRAxlDia", "Drive axle diameter"},
    {17, "SetOtherAxleDia", "DoOtherAxleDia", "Other axle diameter"},
    {18, "SetDriveWhlDia", "DoDrWhlDia", "Drive wheel diameter"},
    {19, "SetOtherWhlDia", "DoOthrWhlDia", "Other wheel diameter"},
    {20, "SetOtherAxleLength", "DoOtherAxleLen", "Other axle length"},
    {21, "SetDriveAxleLength", "DoDriveAxleLen", "Drive axle length"},
    {kCaseRatioField, "SetCaseRatio", "", "Case ratio"},
    {kFrictionField, "SetFrictionForce", "", "Friction force"},
};

const char* const kMaterialStepNames[kMaterialSlots] = {
    "Outer layer material", "Inner layer material", "Drive wheel material", "Other wheel material",
    "Drive axle material",  "Other axle material",  "Spring material",      "Tread material"};

const FieldNames* namesOf(int code)
{
    for (const auto& names : kFieldNames)
        if (names.code == code)
            return &names;
    return nullptr;
}

QString chamberWord(ChamberShape shape)
{
    return shape == ChamberShape::Octagonal ? QStringLiteral("Octagonal") : QStringLiteral("Circular");
}

QString chamberActionName(ChamberShape shape)
{
    return shape == ChamberShape::Octagonal ? QStringLiteral("SetOctCase") : QStringLiteral("SetCircCase");
}

} // namespace

bool isDimensionField(int code)
{
    return isDimensionCode(code);
}

QString setNameOf(int code)
{
    const auto* names = namesOf(code);
    return names ? QString::fromLatin1(names->setName) : QString();
}

QString doNameOf(int code)
{
    const auto* names = namesOf(code);
    return names ? QString::fromLatin1(names->doName) : QString();
}

const std::array<int, 8>& applyOrder()
{
    static const std::array<int, 8> order{17, 19, 18, 16, 14, 20, 21, 15};
    return order;
}

QString materialPrefix(int slot)
{
    static const char* const prefixes[kMaterialSlots] = {"OutrBrd:", "InnrBrd:", "DWhlBrd:", "OWhlBrd:",
                                                         "DAxMatl:", "OAxMatl:", "SpringMatl:", "TreadMatl:"};
    return slot >= 0 && slot < kMaterialSlots ? QString::fromLatin1(prefixes[slot]) : QString();
}

ParameterEntry::ParameterEntry(Session& session)
    : lastCaseOuterDia([&session] { return session.prototype().mass().CaseOuterDia; })
    , m_session(&session)
{
}

QString& ParameterEntry::fieldText(int code)
{
    auto& fields = SessionEditor::fields(*m_session);
    if (code == kCaseRatioField)
        return fields.CaseRatio;
    if (code == kFrictionField)
        return fields.FrictionForce;
    return fields.dimension(code);
}

QString& ParameterEntry::acceptedText(int code)
{
    auto& design = SessionEditor::design(*m_session);
    if (code == kCaseRatioField)
        return design.CaseRatio;
    if (code == kFrictionField)
        return design.FrictionForce;
    return *dimensionByCode(design, code);
}

void ParameterEntry::putAcceptedTextBack(int code)
{
    fieldText(code) = acceptedText(code);
    emit m_session->notifier().fieldTextReset(code);
}

void ParameterEntry::setApplyEnabled(bool enabled)
{
    m_applyEnabled = enabled;
    emit m_session->notifier().applyEnabledChanged(enabled);
}

bool ParameterEntry::validateShownTexts()
{
    DesignFieldTexts texts;
    for (int code : kDimensionCodes)
        texts.dimension(code) = m_session->fields().dimension(code);
    texts.CaseRatio = m_session->fields().CaseRatio;
    texts.FrictionForce = m_session->fields().FrictionForce;
    const auto failure = validateDesign(texts, lastCaseOuterDia ? lastCaseOuterDia() : 0.0f);
    if (!failure)
        return true;
    m_session->prompter().message(kTryAgainTitle, *failure);
    return false;
}

void ParameterEntry::fieldEnter(int code)
{
    // Coming back to the field that was never left (after another window had the
    // focus) continues the same edit.
    if (code == m_enteredField)
        return;
    m_enteredField = code;
    SessionEditor::app(*m_session).EditedSinceEnter = 0;
}

void ParameterEntry::fieldChange(int code, const QString& text)
{
    fieldText(code) = text;
    if (isDimensionField(code))
        SessionEditor::app(*m_session).PendingApply.at(code) = 1;
    SessionEditor::app(*m_session).EditedSinceEnter = 1;
    m_session->logAction(0, code, text, {}, {}, {}, setNameOf(code));
}

void ParameterEntry::fieldKeyPress(int code)
{
    if (isDimensionField(code))
        setApplyEnabled(true);
}

bool ParameterEntry::fieldExit(int code)
{
    m_enteredField = 0;
    if (!validateShownTexts()) {
        putAcceptedTextBack(code);
        return false;
    }
    acceptedText(code) = fieldText(code);
    if (m_session->app().EditedSinceEnter == 1) {
        m_session->markCurrentDesignChanged();
        m_session->logAction(1, code, fieldText(code), {}, {}, {}, setNameOf(code));
    }
    SessionEditor::app(*m_session).EditedSinceEnter = 0;
    return true;
}

bool ParameterEntry::logAndRefresh(int code, const QString& text, const QString& name)
{
    if (!m_session->logAction(2, code, text, {}, {}, {}, name))
        return false;
    m_session->requestRefresh(m_session->app().CurrentState);
    return true;
}

// One pending dimension: accepted and recomputed, or put back when refused.
bool ParameterEntry::applyDimension(int code)
{
    SessionEditor::app(*m_session).PendingApply.at(code) = 0;
    if (!validateShownTexts()) {
        putAcceptedTextBack(code);
        return true;
    }
    acceptedText(code) = fieldText(code);
    m_session->markCurrentDesignChanged();
    const bool logged = logAndRefresh(code, fieldText(code), doNameOf(code));
    setApplyEnabled(false);
    return logged;
}

void ParameterEntry::apply()
{
    std::vector<int> applied;
    for (int code : applyOrder())
        if (m_session->app().PendingApply.at(code) == 1)
            applied.push_back(code);
    const QString name = applied.size() == 1 ? QString::fromLatin1(namesOf(applied.front())->stepName)
                                             : QStringLiteral("Apply");
    const EditStep step(*m_session, name, applied);
    auto& pending = SessionEditor::app(*m_session).PendingApply;
    for (int code : applyOrder())
        if (pending.at(code) == 1 && !applyDimension(code))
            return;
    // Materials took effect when chosen; Apply only closes them off.
    for (int code = 1; code <= kMaterialSlots; ++code) {
        if (pending.at(code) == 1) {
            setApplyEnabled(false);
            pending.at(code) = 0;
        }
    }
}

void ParameterEntry::materialChange(int slot, int index)
{
    const MaterialKind kind = kindOfSlot(slot);
    if (slot < 0 || slot >= kMaterialSlots || index < 0 || index >= m_session->materials().count(kind))
        return;
    const EditStep step(*m_session, QString::fromLatin1(kMaterialStepNames[slot]));
    SessionEditor::design(*m_session).Materials[slot] = index;
    setApplyEnabled(true);
    SessionEditor::app(*m_session).PendingApply.at(slot + 1) = 1;
    m_session->markCurrentDesignChanged();
    const QString name = m_session->materials().name(kind, index);
    m_session->logAction(1, slot + 1, name, QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-"),
                         materialPrefix(slot) + name);
}

void ParameterEntry::chooseDrive(DriveType drive)
{
    const EditStep step(*m_session, QStringLiteral("Drive"));
    auto& design = SessionEditor::design(*m_session);
    const QString word = driveWord(drive);
    m_session->markCurrentDesignChanged();
    // Outside AWD the accepted other-wheel text is the one to keep: a switch between
    // RWD and FWD must not bring back an older one.
    if (design.Drive != DriveType::AWD)
        design.KeptOtherWheelDiameter = design.OtherWheelDiameter;
    if (!m_session->logAction(1, kDriveCode, word, {}, {}, {}, QStringLiteral("SetDrive")))
        return;
    design.setDrive(drive);
    // The field shows the accepted text (its change is logged between the choice and
    // its application): in AWD it is disabled and an unaccepted text left in it
    // could never be corrected.
    putAcceptedTextBack(19);
    emit m_session->notifier().driveChanged(drive);
    logAndRefresh(kDriveCode, word, QStringLiteral("DoDrive"));
}

void ParameterEntry::chooseChamber(ChamberShape shape)
{
    const EditStep step(*m_session, QStringLiteral("Chamber shape"));
    m_session->markCurrentDesignChanged();
    SessionEditor::design(*m_session).Chamber = shape;
    m_session->logAction(1, kChamberCode, chamberWord(shape), {}, {}, {}, chamberActionName(shape));
}

bool ParameterEntry::preferencesOk()
{
    const auto& fields = m_session->fields();
    if (const auto failure = validatePreferences(fields.ElementStepSize, fields.CaseRatio, fields.FrictionForce)) {
        m_session->prompter().message(kTryAgainTitle, *failure);
        return false;
    }
    const EditStep step(*m_session, QStringLiteral("Preferences"), {kCaseRatioField, kFrictionField});
    m_session->requestRefresh(ProcessState::Set);
    return true;
}

} // namespace brisko
