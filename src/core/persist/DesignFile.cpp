#include "persist/DesignFile.h"

#include "persist/DesignFileLines.h"
#include "persist/DesignFileMaterials.h"
#include "persist/DesignFileText.h"
#include "text/NumberText.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace brisko {

namespace {

// Far beyond the largest design file (a few hundred kilobytes with 100 springs).
constexpr qint64 kMaxDesignFileBytes = 16 * 1024 * 1024;

void writeOutline(QByteArray& out, const BodyOutline& outline)
{
    writeLine(out, outline.count());
    for (const QPoint& p : outline.points()) {
        writeLine(out, p.x());
        writeLine(out, p.y());
    }
}

void writeWeights(QByteArray& out, const CarDesign& design)
{
    writeLine(out, design.weightsInUse());
    for (const AddedWeight& w : design.Weights) {
        if (!w.inUse())
            continue;
        writeLine(out, w.X);
        writeLine(out, w.Y);
        writeLine(out, fileFloat(w.Mass));
    }
}

void writeFrontAxle(QByteArray& out, const FrontAxleLocation& axle)
{
    for (float value : {axle.XInches, axle.YInches, axle.XUnits, axle.YUnits})
        writeLine(out, fileFloat(value));
}

bool readPoints(DesignFileLines& lines, int count, BodyOutline& outline)
{
    QVector<QPoint> points;
    points.reserve(count);
    for (int i = 0; i < count; ++i) {
        int x = 0;
        int y = 0;
        if (!(lines.readInt(x, QStringLiteral("an outline point's x")) && lines.readInt(y, QStringLiteral("an outline point's y"))))
            return false;
        points.append({x, y});
    }
    outline.setPoints(points);
    return true;
}

bool readOuterOutline(DesignFileLines& lines, BodyOutline& outline)
{
    int count = 0;
    return lines.readCount(count, kMaxOutlinePoints, QStringLiteral("the outer outline's point count"))
        && readPoints(lines, count, outline);
}

// No inner points: the inner outline is the outer one.
bool readInnerOutline(DesignFileLines& lines, CarDesign& design)
{
    int count = 0;
    if (!lines.readCount(count, kMaxOutlinePoints, QStringLiteral("the inner outline's point count")))
        return false;
    if (count == 0) {
        design.InnerOutline = design.OuterOutline;
        return true;
    }
    return readPoints(lines, count, design.InnerOutline);
}

// Weights fill the slots from the first one in file order; a weight without mass
// would be an empty slot, so it takes none.
bool readWeights(DesignFileLines& lines, CarDesign& design)
{
    int count = 0;
    if (!lines.readCount(count, kWeightSlots, QStringLiteral("the number of added weights")))
        return false;
    int slot = 0;
    for (int i = 0; i < count; ++i) {
        AddedWeight w;
        if (!(lines.readInt(w.X, QStringLiteral("a weight's x")) && lines.readInt(w.Y, QStringLiteral("a weight's y"))
              && lines.readFloat(w.Mass, QStringLiteral("a weight's mass"))))
            return false;
        if (w.inUse())
            design.Weights[slot++] = w;
    }
    return true;
}

bool readFrontAxle(DesignFileLines& lines, FrontAxleLocation& axle)
{
    const QString what = QStringLiteral("the front axle position");
    return lines.readFloat(axle.XInches, what) && lines.readFloat(axle.YInches, what)
        && lines.readFloat(axle.XUnits, what) && lines.readFloat(axle.YUnits, what);
}

bool readChamber(DesignFileLines& lines, CarDesign& design)
{
    int code = 0;
    if (!lines.readInt(code, QStringLiteral("the chamber shape")))
        return false;
    if (code == int(ChamberShape::Octagonal) || code == int(ChamberShape::Circular))
        design.Chamber = ChamberShape(code);
    return true;
}

bool readDrive(DesignFileLines& lines, CarDesign& design)
{
    int code = 0;
    if (!lines.readInt(code, QStringLiteral("the drive type")))
        return false;
    if (code >= int(DriveType::RWD) && code <= int(DriveType::AWD))
        design.setDrive(DriveType(code));
    return true;
}

bool readTexts(DesignFileLines& lines, std::initializer_list<QString*> texts)
{
    for (QString* text : texts)
        if (!lines.readText(*text))
            return false;
    return true;
}

// What every reader replaces whatever the starting point held.
void clearReadParts(DesignFileContents& into)
{
    into.design.clearOuterOutline();
    into.design.clearInnerOutline();
    into.design.clearWeights();
    into.design.Materials.fill(0);
    into.materials.clearDefined();
    into.name.clear();
    into.olderLayout = false;
}

} // namespace

QByteArray designFileBytes(const CarDesign& d, const MaterialLibrary& materials, const QString& name)
{
    QByteArray out;
    writeLine(out, kDesignFileMarker);
    writeLine(out, kDesignFileVersion);
    writeLine(out, name);
    for (const QString* text : {&d.SpringWidth, &d.SpringLength, &d.DriveWheelDiameter, &d.DriveAxleDiameter,
                                &d.DriveAxleLength, &d.OtherWheelDiameter, &d.OtherAxleDiameter, &d.OtherAxleLength})
        writeLine(out, *text);
    writeMaterialBlock(out, d.Materials, materials);
    writeLine(out, d.ElementStepSize);
    writeLine(out, d.CaseRatio);
    writeLine(out, d.FrictionForce);
    writeLine(out, int(d.Chamber));
    writeLine(out, int(d.Drive));
    writeOutline(out, d.OuterOutline);
    writeOutline(out, d.InnerOutline);
    writeWeights(out, d);
    writeFrontAxle(out, d.FrontAxle);
    return out;
}

bool WriteDesignFile(const QString& path, const CarDesign& design, const MaterialLibrary& materials,
                     const QString& name, QString* error)
{
    const QByteArray bytes = designFileBytes(design, materials, name);
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!written && error)
        *error = QStringLiteral("The design could not be saved to \"%1\": %2").arg(path, file.errorString());
    return written;
}

bool ReadDesignFile(DesignFileLines& lines, DesignFileContents& into)
{
    clearReadParts(into);
    CarDesign& d = into.design;
    if (!readTexts(lines, {&into.name, &d.SpringWidth, &d.SpringLength, &d.DriveWheelDiameter, &d.DriveAxleDiameter,
                           &d.DriveAxleLength, &d.OtherWheelDiameter, &d.OtherAxleDiameter, &d.OtherAxleLength}))
        return false;
    d.KeptOtherWheelDiameter = d.OtherWheelDiameter;
    return readMaterialBlock(lines, d.Materials, into.materials)
        && readTexts(lines, {&d.ElementStepSize, &d.CaseRatio, &d.FrictionForce}) && readChamber(lines, d)
        && readDrive(lines, d) && readOuterOutline(lines, d.OuterOutline) && readInnerOutline(lines, d)
        && readWeights(lines, d) && readFrontAxle(lines, d.FrontAxle);
}

bool ReadLegacyDesignFile(DesignFileLines& lines, DesignFileContents& into)
{
    clearReadParts(into);
    CarDesign& d = into.design;
    if (!readTexts(lines, {&d.SpringWidth, &d.SpringLength, &d.DriveWheelDiameter, &d.DriveAxleDiameter,
                           &d.OtherWheelDiameter}))
        return false;
    d.KeptOtherWheelDiameter = d.OtherWheelDiameter;
    into.olderLayout = true;
    int unused = 0;
    return readMaterialBlock(lines, d.Materials, into.materials) && readTexts(lines, {&d.ElementStepSize})
        && lines.readInt(unused, QStringLiteral("a whole number")) && readDrive(lines, d) && readChamber(lines, d)
        && readOuterOutline(lines, d.OuterOutline) && readWeights(lines, d) && readFrontAxle(lines, d.FrontAxle);
}

bool readDesignFile(const QString& path, OlderLayout older, DesignFileContents& into, QString* error)
{
    auto refuse = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(QStringLiteral("The design file \"%1\" cannot be opened: %2").arg(path, file.errorString()));
    if (file.size() > kMaxDesignFileBytes)
        return refuse(QStringLiteral("The design file \"%1\" cannot be read: it is far too large for a design file.").arg(path));
    return readDesignBytes(file.readAll(), path, older, into, error);
}

bool readDesignBytes(const QByteArray& bytes, const QString& path, OlderLayout older, DesignFileContents& into,
                     QString* error)
{
    DesignFileLines lines(bytes, path);
    DesignFileContents work = into;
    work.materials.onChanged = nullptr; // the library shown stays quiet until the read succeeds
    QString first;
    lines.readText(first);
    bool read = false;
    if (first == kDesignFileMarker) {
        QString version;
        if (lines.readText(version) && version != kDesignFileVersion)
            lines.failAt(2, QStringLiteral("the file is of version \"%1\"; this program reads version %2")
                                .arg(version.left(40), kDesignFileVersion));
        read = !lines.failed() && ReadDesignFile(lines, work);
    } else if (older == OlderLayout::Read && !lines.failed()) {
        read = ReadLegacyDesignFile(lines, work);
    } else if (!lines.failed()) {
        lines.failAt(1, QStringLiteral("it does not begin with \"%1\", so it is not a Brisko design file")
                            .arg(kDesignFileMarker));
    }
    if (!read) {
        if (error)
            *error = lines.error();
        return false;
    }
    work.materials.onChanged = std::move(into.materials.onChanged);
    into = std::move(work);
    return true;
}

} // namespace brisko
