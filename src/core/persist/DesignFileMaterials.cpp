#include "persist/DesignFileMaterials.h"

#include "persist/DesignFileLines.h"
#include "persist/DesignFileText.h"

#include <array>

namespace brisko {

namespace {

constexpr int kMaterialBlockFollows = 1;

template <typename T>
QVector<T> definedOnly(const QVector<T>& all)
{
    return all.mid(1);
}

bool readCountOf(DesignFileLines& lines, int& count, const QString& kind)
{
    return lines.readCount(count, kMaxDefinedMaterials, QStringLiteral("the number of %1 materials").arg(kind));
}

bool readBoards(DesignFileLines& lines, MaterialLibrary& materials)
{
    int count = 0;
    if (!readCountOf(lines, count, QStringLiteral("board")))
        return false;
    for (int i = 0; i < count; ++i) {
        BoardMaterial m;
        if (!(lines.readText(m.Name) && lines.readText(m.Thickness) && lines.readText(m.Density)))
            return false;
        materials.addBoard(m);
    }
    return true;
}

bool readAxles(DesignFileLines& lines, MaterialLibrary& materials)
{
    int count = 0;
    if (!readCountOf(lines, count, QStringLiteral("axle")))
        return false;
    for (int i = 0; i < count; ++i) {
        AxleMaterial m;
        if (!(lines.readText(m.Name) && lines.readText(m.Density)))
            return false;
        materials.addAxle(m);
    }
    return true;
}

bool readSpring(DesignFileLines& lines, SpringMaterial& m)
{
    if (!(lines.readText(m.Name) && lines.readText(m.Thickness) && lines.readText(m.Density)
          && lines.readText(m.SampleWidth)))
        return false;
    for (QString& torque : m.TorqueCurve)
        if (!lines.readText(torque))
            return false;
    return true;
}

bool readSprings(DesignFileLines& lines, MaterialLibrary& materials)
{
    int count = 0;
    if (!readCountOf(lines, count, QStringLiteral("spring")))
        return false;
    for (int i = 0; i < count; ++i) {
        SpringMaterial m;
        if (!readSpring(lines, m))
            return false;
        materials.addSpring(m);
    }
    return true;
}

bool readTreads(DesignFileLines& lines, MaterialLibrary& materials)
{
    int count = 0;
    if (!readCountOf(lines, count, QStringLiteral("tread")))
        return false;
    for (int i = 0; i < count; ++i) {
        TreadMaterial m;
        if (!(lines.readText(m.Name) && lines.readText(m.StaticFriction)))
            return false;
        materials.addTread(m);
    }
    return true;
}

} // namespace

void writeMaterialBlock(QByteArray& out, const MaterialSelection& selection, const MaterialLibrary& materials)
{
    writeLine(out, kMaterialBlockFollows);
    for (qint32 index : selection)
        writeLine(out, index);
    const auto boards = definedOnly(materials.boards());
    writeLine(out, boards.size());
    for (const auto& m : boards) {
        writeLine(out, m.Name);
        writeLine(out, m.Thickness);
        writeLine(out, m.Density);
    }
    const auto axles = definedOnly(materials.axles());
    writeLine(out, axles.size());
    for (const auto& m : axles) {
        writeLine(out, m.Name);
        writeLine(out, m.Density);
    }
    const auto springs = definedOnly(materials.springs());
    writeLine(out, springs.size());
    for (const auto& m : springs) {
        for (const QString* text : {&m.Name, &m.Thickness, &m.Density, &m.SampleWidth})
            writeLine(out, *text);
        for (const QString& torque : m.TorqueCurve)
            writeLine(out, torque);
    }
    const auto treads = definedOnly(materials.treads());
    writeLine(out, treads.size());
    for (const auto& m : treads) {
        writeLine(out, m.Name);
        writeLine(out, m.StaticFriction);
    }
}

bool readMaterialBlock(DesignFileLines& lines, MaterialSelection& selection, MaterialLibrary& materials)
{
    int follows = 0;
    if (!lines.readInt(follows, QStringLiteral("the material-block mark")))
        return false;
    if (follows != kMaterialBlockFollows)
        return true;
    std::array<int, kMaterialSlots> selectionLines{};
    MaterialSelection read{};
    for (int slot = 0; slot < kMaterialSlots; ++slot) {
        if (!lines.readInt(read[slot], QStringLiteral("a material choice")))
            return false;
        selectionLines[slot] = lines.lineNumber();
    }
    if (!(readBoards(lines, materials) && readAxles(lines, materials) && readSprings(lines, materials)
          && readTreads(lines, materials)))
        return false;
    for (int slot = 0; slot < kMaterialSlots; ++slot) {
        const int available = materials.count(kindOfSlot(slot));
        if (read[slot] < 0 || read[slot] >= available)
            return lines.failAt(selectionLines[slot], QStringLiteral("the material choice %1 is not one of the %2 "
                                                                     "materials of its kind in the file")
                                                          .arg(read[slot])
                                                          .arg(available));
    }
    selection = read;
    return true;
}

} // namespace brisko
