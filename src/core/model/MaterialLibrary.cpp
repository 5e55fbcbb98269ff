#include "model/MaterialLibrary.h"

namespace brisko {

BoardMaterial defaultBoard()
{
    return {QStringLiteral("Default Foamcore"), QStringLiteral("0.50"), QStringLiteral("0.0023")};
}

AxleMaterial defaultAxle()
{
    return {QStringLiteral("Default Oak"), QStringLiteral("0.027")};
}

SpringMaterial defaultSpring()
{
    SpringMaterial s;
    s.Name = QStringLiteral("Default plastic");
    s.Thickness = QStringLiteral("0.0125");
    s.Density = QStringLiteral("0.045");
    s.SampleWidth = QStringLiteral("1.5");
    s.TorqueCurve.fill(QStringLiteral("0"));
    s.TorqueCurve[0] = QStringLiteral("0.57");
    return s;
}

TreadMaterial defaultTread()
{
    return {QStringLiteral("Ideal Rubber"), QStringLiteral("1")};
}

MaterialKind kindOfSlot(int slot)
{
    switch (slot) {
    case DriveAxleSlot:
    case OtherAxleSlot: return MaterialKind::Axle;
    case SpringSlot: return MaterialKind::Spring;
    case TreadSlot: return MaterialKind::Tread;
    default: return MaterialKind::Board;
    }
}

MaterialLibrary::MaterialLibrary()
{
    clearDefined();
}

int MaterialLibrary::count(MaterialKind kind) const
{
    switch (kind) {
    case MaterialKind::Board: return m_boards.size();
    case MaterialKind::Axle: return m_axles.size();
    case MaterialKind::Spring: return m_springs.size();
    case MaterialKind::Tread: return m_treads.size();
    }
    return 0;
}

static QString kindWord(MaterialKind kind)
{
    switch (kind) {
    case MaterialKind::Board: return QStringLiteral("board");
    case MaterialKind::Axle: return QStringLiteral("axle");
    case MaterialKind::Spring: return QStringLiteral("spring");
    case MaterialKind::Tread: return QStringLiteral("tread");
    }
    return {};
}

bool MaterialLibrary::refuseWhenFull(MaterialKind kind, QString* error) const
{
    if (!isFull(kind))
        return false;
    if (error)
        *error = QStringLiteral("No more %1 materials can be added: the list holds at most %2 %1 materials, "
                                "the default included. Delete one you no longer use first.")
                     .arg(kindWord(kind))
                     .arg(kMaxMaterialsPerKind);
    return true;
}

void MaterialLibrary::changed(MaterialKind kind)
{
    if (onChanged)
        onChanged(kind);
}

bool MaterialLibrary::addBoard(const BoardMaterial& m, QString* error)
{
    if (refuseWhenFull(MaterialKind::Board, error))
        return false;
    m_boards.append(m);
    changed(MaterialKind::Board);
    return true;
}

bool MaterialLibrary::addAxle(const AxleMaterial& m, QString* error)
{
    if (refuseWhenFull(MaterialKind::Axle, error))
        return false;
    m_axles.append(m);
    changed(MaterialKind::Axle);
    return true;
}

bool MaterialLibrary::addSpring(const SpringMaterial& m, QString* error)
{
    if (refuseWhenFull(MaterialKind::Spring, error))
        return false;
    m_springs.append(m);
    changed(MaterialKind::Spring);
    return true;
}

bool MaterialLibrary::addTread(const TreadMaterial& m, QString* error)
{
    if (refuseWhenFull(MaterialKind::Tread, error))
        return false;
    m_treads.append(m);
    changed(MaterialKind::Tread);
    return true;
}

template <typename T>
static bool replaceAt(QVector<T>& list, int pos, const T& m)
{
    if (pos < 1 || pos >= list.size())
        return false;
    list[pos] = m;
    return true;
}

void MaterialLibrary::replaceBoard(int pos, const BoardMaterial& m)
{
    if (replaceAt(m_boards, pos, m))
        changed(MaterialKind::Board);
}
void MaterialLibrary::replaceAxle(int pos, const AxleMaterial& m)
{
    if (replaceAt(m_axles, pos, m))
        changed(MaterialKind::Axle);
}
void MaterialLibrary::replaceSpring(int pos, const SpringMaterial& m)
{
    if (replaceAt(m_springs, pos, m))
        changed(MaterialKind::Spring);
}
void MaterialLibrary::replaceTread(int pos, const TreadMaterial& m)
{
    if (replaceAt(m_treads, pos, m))
        changed(MaterialKind::Tread);
}

template <typename T>
static bool removeAt(QVector<T>& list, int pos)
{
    if (pos < 1 || pos >= list.size())
        return false;
    list.removeAt(pos);
    return true;
}

bool MaterialLibrary::remove(MaterialKind kind, int pos)
{
    bool done = false;
    switch (kind) {
    case MaterialKind::Board: done = removeAt(m_boards, pos); break;
    case MaterialKind::Axle: done = removeAt(m_axles, pos); break;
    case MaterialKind::Spring: done = removeAt(m_springs, pos); break;
    case MaterialKind::Tread: done = removeAt(m_treads, pos); break;
    }
    if (done)
        changed(kind);
    return done;
}

void MaterialLibrary::clearDefined()
{
    m_boards = {defaultBoard()};
    m_axles = {defaultAxle()};
    m_springs = {defaultSpring()};
    m_treads = {defaultTread()};
    for (auto kind : {MaterialKind::Board, MaterialKind::Axle, MaterialKind::Spring, MaterialKind::Tread})
        changed(kind);
}

template <typename T>
static const T& at(const QVector<T>& list, int pos)
{
    return (pos >= 0 && pos < list.size()) ? list[pos] : list[0];
}

const BoardMaterial& MaterialLibrary::board(int pos) const { return at(m_boards, pos); }
const AxleMaterial& MaterialLibrary::axle(int pos) const { return at(m_axles, pos); }
const SpringMaterial& MaterialLibrary::spring(int pos) const { return at(m_springs, pos); }
const TreadMaterial& MaterialLibrary::tread(int pos) const { return at(m_treads, pos); }

QString MaterialLibrary::name(MaterialKind kind, int pos) const
{
    switch (kind) {
    case MaterialKind::Board: return board(pos).Name;
    case MaterialKind::Axle: return axle(pos).Name;
    case MaterialKind::Spring: return spring(pos).Name;
    case MaterialKind::Tread: return tread(pos).Name;
    }
    return {};
}

QStringList MaterialLibrary::listTexts(MaterialKind kind) const
{
    QStringList texts;
    for (int i = 0; i < count(kind); ++i)
        texts << name(kind, i);
    if (kind == MaterialKind::Tread)
        texts[0] = QStringLiteral("Ideal rubber");
    return texts;
}

void adjustSelectionsAfterDelete(MaterialSelection& selection, MaterialKind kind, int pos)
{
    for (int slot = 0; slot < kMaterialSlots; ++slot) {
        if (kindOfSlot(slot) != kind)
            continue;
        if (selection[slot] == pos)
            selection[slot] = 0;
        else if (selection[slot] > pos)
            selection[slot] -= 1;
    }
}

} // namespace brisko
