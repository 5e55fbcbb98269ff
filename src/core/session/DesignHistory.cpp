#include "session/DesignHistory.h"

#include "persist/DesignFile.h"

#include <QUndoCommand>

namespace brisko {

namespace {

constexpr int kCaseRatio = 25;
constexpr int kFriction = 28;

// One step: undone, the snapshot before it comes back; redone, the one after. The
// first redo is the push itself, when the session already holds `after`.
class SnapshotStep : public QUndoCommand {
public:
    SnapshotStep(const QString& name, std::shared_ptr<const DesignSnapshot> before,
                 std::shared_ptr<const DesignSnapshot> after, const DesignHistory::Restore& restore)
        : QUndoCommand(name)
        , m_before(std::move(before))
        , m_after(std::move(after))
        , m_restore(restore)
    {
    }

    void undo() override { m_restore(*m_before); }
    void redo() override
    {
        if (m_pushed)
            m_restore(*m_after);
        m_pushed = true;
    }

private:
    std::shared_ptr<const DesignSnapshot> m_before;
    std::shared_ptr<const DesignSnapshot> m_after;
    const DesignHistory::Restore& m_restore;
    bool m_pushed = false;
};

} // namespace

QString& DesignSnapshot::accepted(int code)
{
    if (code == kCaseRatio)
        return design.CaseRatio;
    if (code == kFriction)
        return design.FrictionForce;
    return *dimensionByCode(design, code);
}

QString& DesignSnapshot::shown(int code)
{
    if (code == kCaseRatio)
        return fields.CaseRatio;
    if (code == kFriction)
        return fields.FrictionForce;
    return fields.dimension(code);
}

QByteArray DesignSnapshot::bytes() const
{
    CarDesign asShown = design;
    for (int code : kDimensionCodes)
        *dimensionByCode(asShown, code) = fields.dimension(code);
    asShown.CaseRatio = fields.CaseRatio;
    asShown.FrictionForce = fields.FrictionForce;
    asShown.ElementStepSize = fields.ElementStepSize;
    return designFileBytes(design, materials, QString()) + designFileBytes(asShown, materials, QString());
}

DesignAspects aspectsBetween(const DesignSnapshot& a, const DesignSnapshot& b)
{
    DesignAspects aspects;
    const CarDesign& x = a.design;
    const CarDesign& y = b.design;
    if (!(x.OuterOutline == y.OuterOutline))
        aspects |= DesignAspect::Outline;
    if (!(x.InnerOutline == y.InnerOutline))
        aspects |= DesignAspect::InnerOutline;
    if (x.FrontAxle.XUnits != y.FrontAxle.XUnits || x.FrontAxle.YUnits != y.FrontAxle.YUnits)
        aspects |= DesignAspect::Axle;
    for (int slot = 0; slot < kWeightSlots; ++slot) {
        const AddedWeight& u = x.Weights[slot];
        const AddedWeight& v = y.Weights[slot];
        if (u.X != v.X || u.Y != v.Y || u.Mass != v.Mass) {
            aspects |= DesignAspect::Weights;
            break;
        }
    }
    for (int code : kDimensionCodes)
        if (*dimensionByCode(x, code) != *dimensionByCode(y, code) || a.fields.dimension(code) != b.fields.dimension(code))
            aspects |= DesignAspect::Dimension;
    if (x.Materials != y.Materials)
        aspects |= DesignAspect::Material;
    if (x.Drive != y.Drive)
        aspects |= DesignAspect::Drive;
    if (x.Chamber != y.Chamber)
        aspects |= DesignAspect::Chamber;
    if (x.ElementStepSize != y.ElementStepSize || a.fields.ElementStepSize != b.fields.ElementStepSize)
        aspects |= DesignAspect::ElementSize;
    if (x.CaseRatio != y.CaseRatio || x.FrictionForce != y.FrictionForce || a.fields.CaseRatio != b.fields.CaseRatio
        || a.fields.FrictionForce != b.fields.FrictionForce)
        aspects |= DesignAspect::Preferences;
    return aspects;
}

bool libraryKindDiffers(const DesignSnapshot& a, const DesignSnapshot& b, MaterialKind kind)
{
    const MaterialLibrary& x = a.materials;
    const MaterialLibrary& y = b.materials;
    switch (kind) {
    case MaterialKind::Board: return x.boards() != y.boards();
    case MaterialKind::Axle: return x.axles() != y.axles();
    case MaterialKind::Spring: return x.springs() != y.springs();
    case MaterialKind::Tread: break;
    }
    return x.treads() != y.treads();
}

DesignHistory::DesignHistory(Restore restore)
    : m_restore(std::move(restore))
{
    m_stack.setUndoLimit(kUndoStepsKept);
}

bool DesignHistory::push(const QString& name, std::shared_ptr<const DesignSnapshot> before,
                         std::shared_ptr<const DesignSnapshot> after)
{
    if (before->bytes() == after->bytes())
        return false;
    m_stack.push(new SnapshotStep(name, std::move(before), std::move(after), m_restore));
    return true;
}

} // namespace brisko
