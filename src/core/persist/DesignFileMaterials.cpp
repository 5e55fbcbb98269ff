#include "persist/DesignFileMaterials.h"

#include "persist/DesignFileLines.h"
#include "persist/DesignFileText.h"
#include "model/ValueBounds.h"

#include <algorithm>
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

bool hasControlCharacters(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
}

// A material's name, which the definition dialogs never leave empty and keep to
// one line of text: a tab, a lone carriage return or binary garbage in it is damage.
bool readName(DesignFileLines& lines, QString& name, const char* kind)
{
    const QString what = QStringLiteral("the name of a %1 material").arg(QLatin1String(kind));
    return lines.readText(name) && lines.require(!name.trimmed().isEmpty(), what, QStringLiteral("a name"))
        && lines.require(!hasControlCharacters(name), what, QStringLiteral("text without control characters"));
}

QString property(const char* kind, const char* what)
{
    return QStringLiteral("the %1 of the %2 material").arg(QLatin1String(what), QLatin1String(kind));
}

bool readBoards(DesignFileLines& lines, MaterialLibrary& materials)
{
    int count = 0;
    if (!readCountOf(lines, count, QStringLiteral("board")))
        return false;
    for (int i = 0; i < count; ++i) {
        BoardMaterial m;
        if (!(readName(lines, m.Name, "board")
              && lines.readValue(m.Thickness, bounds::BoardThickness, property("board", "thickness"))
              && lines.readValue(m.Density, bounds::BoardDensity, property("board", "density"))))
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
        if (!(readName(lines, m.Name, "axle")
              && lines.readValue(m.Density, bounds::AxleDensity, property("axle", "density"))))
            return false;
        materials.addAxle(m);
    }
    return true;
}

bool readSpring(DesignFileLines& lines, SpringMaterial& m)
{
    if (!(readName(lines, m.Name, "spring")
          && lines.readValue(m.Thickness, bounds::SpringThickness, property("spring", "thickness"))
          && lines.readValue(m.Density, bounds::SpringDensity, property("spring", "density"))
          && lines.readValue(m.SampleWidth, bounds::SpringSampleWidth, property("spring", "sample width"))
          && lines.readValue(m.TorqueCurve[0], bounds::MaximumTorque, property("spring", "maximum torque"))))
        return false;
    for (int k = 1; k < kTorqueCurveEntries; ++k)
        if (!lines.readValue(m.TorqueCurve[k], bounds::FurtherTorque,
                             property("spring", "torque").append(QStringLiteral(" at %1 turns unwound").arg(k))))
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
        if (!(readName(lines, m.Name, "tread")
              && lines.readValue(m.StaticFriction, bounds::TreadFriction, property("tread", "friction coefficient"))))
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

bool readMaterialBlock(DesignFileLines& lines, MaterialSelection& selection, MaterialLibrary& materials,
                       BlockMarks marks)
{
    int follows = 0;
    const QString mark = QStringLiteral("the material-block mark");
    // Without the block every later line would be read as the wrong value.
    const bool olderMarks = marks == BlockMarks::ZeroOrOne;
    if (!(lines.readInt(follows, mark)
          && lines.require(follows == kMaterialBlockFollows || (olderMarks && follows == 0), mark,
                           olderMarks ? QStringLiteral("0 or 1") : QStringLiteral("1"))))
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
