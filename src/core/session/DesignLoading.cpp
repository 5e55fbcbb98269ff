#include "session/DesignLoading.h"

#include "model/Presets.h"
#include "session/Session.h"
#include "session/SessionEditor.h"

#include <array>
#include <utility>

namespace brisko {

namespace {

// The dimension fields in the order of the design file, with their Set names.
const std::array<std::pair<int, const char*>, 8> kDimensionFields{{
    {14, "SetSpringWidth"},
    {15, "SetSpringLength"},
    {18, "SetDriveWhlDia"},
    {16, "SetArborDia"},
    {21, "SetDriveAxleLength"},
    {19, "SetOtherWhlDia"},
    {17, "SetOtherAxleDia"},
    {20, "SetOtherAxleLength"},
}};

constexpr int kCaseRatioCode = 25;
constexpr int kFrictionCode = 28;
constexpr int kChamberCode = 29;

// Logs as the field's change event would; once the portfolio refuses a record, the
// rest of this load is not logged, so that its message comes up only once.
class FieldChangeLog {
public:
    explicit FieldChangeLog(Session& session) : m_session(session) {}

    void typed(QString& shown, const QString& text, int code, const char* name)
    {
        if (shown == text)
            return;
        shown = text;
        SessionEditor::app(m_session).EditedSinceEnter = 1;
        log(0, code, text, QString::fromLatin1(name));
    }

    void log(int stage, int code, const QString& value, const QString& description)
    {
        if (m_logging)
            m_logging = m_session.logAction(stage, code, value, {}, {}, {}, description);
    }

private:
    Session& m_session;
    bool m_logging = true;
};

void chooseChamber(Session& session, FieldChangeLog& log, ChamberShape chamber)
{
    if (session.design().Chamber == chamber)
        return;
    SessionEditor::design(session).Chamber = chamber;
    session.markCurrentDesignChanged();
    const bool octagonal = chamber == ChamberShape::Octagonal;
    log.log(1, kChamberCode, octagonal ? QStringLiteral("Octagonal") : QStringLiteral("Circular"),
            octagonal ? QStringLiteral("SetOctCase") : QStringLiteral("SetCircCase"));
}

} // namespace

CarDesign designBeforeLoading(const Session& session)
{
    CarDesign design = session.design();
    applyDefaultDesign(design);
    design.CaseRatio = session.fields().CaseRatio;
    design.FrictionForce = session.fields().FrictionForce;
    design.ElementStepSize = session.fields().ElementStepSize;
    design.clearOuterOutline();
    design.clearInnerOutline();
    design.clearWeights();
    return design;
}

CarDesign designAsShown(const Session& session)
{
    CarDesign design = session.design();
    for (int code : kDimensionCodes)
        *dimensionByCode(design, code) = session.fields().dimension(code);
    design.CaseRatio = session.fields().CaseRatio;
    design.FrictionForce = session.fields().FrictionForce;
    design.ElementStepSize = session.fields().ElementStepSize;
    return design;
}

void showLoadedDesign(Session& session, const CarDesign& design)
{
    FieldChangeLog log(session);
    for (const auto& [code, name] : kDimensionFields) {
        const QString& text = *dimensionByCode(design, code);
        if (session.fields().dimension(code) != text)
            SessionEditor::app(session).PendingApply[code] = 1;
        log.typed(SessionEditor::fields(session).dimension(code), text, code, name);
    }
    SessionEditor::fields(session).ElementStepSize = design.ElementStepSize;
    log.typed(SessionEditor::fields(session).CaseRatio, design.CaseRatio, kCaseRatioCode, "SetCaseRatio");
    log.typed(SessionEditor::fields(session).FrictionForce, design.FrictionForce, kFrictionCode, "SetFrictionForce");
    chooseChamber(session, log, design.Chamber);
    SessionEditor::design(session) = design;
}

void replaceMaterials(Session& session, const MaterialLibrary& materials)
{
    auto listener = std::move(session.materials().onChanged);
    SessionEditor::materials(session) = materials;
    SessionEditor::materials(session).onChanged = std::move(listener);
    if (session.materials().onChanged)
        for (MaterialKind kind : {MaterialKind::Board, MaterialKind::Axle, MaterialKind::Spring, MaterialKind::Tread})
            session.materials().onChanged(kind);
}

void loadPresetDesign(Session& session, int position)
{
    CarDesign design = designBeforeLoading(session);
    loadPresetShape(design, position);
    design.setDrive(DriveType::RWD);
    showLoadedDesign(session, design);
}

} // namespace brisko
