#include "persist/DesignFile.h"
#include "persist/WholeFile.h"

#include "persist/DesignFileLines.h"
#include "persist/DesignFileMaterials.h"
#include "persist/DesignFileText.h"
#include "model/ValueBounds.h"
#include "text/NumberText.h"

#include "persist/RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace brisko {

namespace {

float figure(const QString& text)
{
    return toSingle(text).value_or(0.0f);
}

// Far beyond the largest design file (a few hundred kilobytes with 100 springs).
constexpr qint64 kMaxDesignFileBytes = 16 * 1024 * 1024;
constexpr qint64 kDesignReadPiece = 64 * 1024;

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
        if (!(lines.readIntIn(x, bounds::PointX, QStringLiteral("an outline point's x"))
              && lines.readIntIn(y, bounds::PointY, QStringLiteral("an outline point's y"))))
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

// Weights fill the slots from the first one in file order, each with a mass the
// weight dialog accepts.
bool readWeights(DesignFileLines& lines, CarDesign& design)
{
    int count = 0;
    if (!lines.readCount(count, kWeightSlots, QStringLiteral("the number of added weights")))
        return false;
    for (int slot = 0; slot < count; ++slot) {
        AddedWeight w;
        const QString mass = QStringLiteral("a weight's mass");
        if (!(lines.readIntIn(w.X, bounds::PointX, QStringLiteral("a weight's x"))
              && lines.readIntIn(w.Y, bounds::PointY, QStringLiteral("a weight's y")) && lines.readFloat(w.Mass, mass)
              && lines.require(acceptsWeightMass(w.Mass), mass, kWeightMassRangeText)))
            return false;
        design.Weights[slot] = w;
    }
    return true;
}

// Distances from the paper's right and bottom edges, in inches and in drawing pixels.
bool readFrontAxle(DesignFileLines& lines, FrontAxleLocation& axle)
{
    const QString what = QStringLiteral("the front axle position");
    constexpr ValueRange xUnits = bounds::PointX;
    constexpr ValueRange yUnits = bounds::PointY;
    constexpr ValueRange xInches{xUnits.low / 72, xUnits.high / 72};
    constexpr ValueRange yInches{yUnits.low / 72, yUnits.high / 72};
    return lines.readFloatIn(axle.XInches, xInches, what) && lines.readFloatIn(axle.YInches, yInches, what)
        && lines.readFloatIn(axle.XUnits, xUnits, what) && lines.readFloatIn(axle.YUnits, yUnits, what);
}

bool readChamber(DesignFileLines& lines, CarDesign& design)
{
    int code = 0;
    const QString what = QStringLiteral("the chamber shape");
    if (!(lines.readInt(code, what)
          && lines.require(code == int(ChamberShape::Octagonal) || code == int(ChamberShape::Circular), what,
                           QStringLiteral("13 (octagonal) or 14 (circular)"))))
        return false;
    design.Chamber = ChamberShape(code);
    return true;
}

bool readDrive(DesignFileLines& lines, CarDesign& design)
{
    int code = 0;
    const QString what = QStringLiteral("the drive type");
    if (!(lines.readInt(code, what)
          && lines.require(code >= int(DriveType::RWD) && code <= int(DriveType::AWD), what,
                           QStringLiteral("10 (rear), 11 (front) or 12 (all-wheel drive)"))))
        return false;
    design.setDrive(DriveType(code));
    return true;
}

// A value line: its text, the range it must lie in and what the message calls it.
struct ValueLine {
    QString* text;
    ValueRange range;
    const char* what;
};

// Reads the lines in order; `lineOf` receives the line number of each text read.
bool readValues(DesignFileLines& lines, std::initializer_list<ValueLine> values, QHash<const QString*, int>& lineOf)
{
    for (const ValueLine& v : values) {
        if (!lines.readValue(*v.text, v.range, QString::fromLatin1(v.what)))
            return false;
        lineOf.insert(v.text, lines.lineNumber());
    }
    return true;
}

// Each wheel must be wider than its axle (the last checks of a typed dimension);
// the file is refused at the wheel's line, or at the axle's when that came later.
bool checkWheelsOverAxles(DesignFileLines& lines, const CarDesign& d, const QHash<const QString*, int>& lineOf)
{
    const auto check = [&](const QString& wheel, const QString& axle, const char* which) {
        if (figure(wheel) > figure(axle))
            return true;
        const int line = std::max(lineOf.value(&wheel), lineOf.value(&axle));
        return lines.failAt(line, QStringLiteral("the %1 wheel diameter %2 is not larger than its axle's diameter %3")
                                      .arg(QString::fromLatin1(which), wheel, axle));
    };
    return check(d.DriveWheelDiameter, d.DriveAxleDiameter, "drive")
        && check(d.OtherWheelDiameter, d.OtherAxleDiameter, "other");
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
    QString reason;
    const bool written = writeFileWhole(path, bytes, &reason);
    if (!written && error)
        *error = QStringLiteral("The design could not be saved to \"%1\": %2").arg(path, reason);
    return written;
}

// The values are checked against the ranges of typed input as they are read.
bool ReadDesignFile(DesignFileLines& lines, DesignFileContents& into)
{
    clearReadParts(into);
    CarDesign& d = into.design;
    QHash<const QString*, int> lineOf;
    if (!(lines.readText(into.name)
          && readValues(lines,
                        {{&d.SpringWidth, bounds::SpringWidth, "the spring width"},
                         {&d.SpringLength, bounds::SpringLength, "the spring length"},
                         {&d.DriveWheelDiameter, bounds::DriveWheelBesideLargeChamber, "the drive wheel diameter"},
                         {&d.DriveAxleDiameter, bounds::DriveAxleDiameter, "the drive axle diameter"},
                         {&d.DriveAxleLength, bounds::DriveAxleLength, "the drive axle length"},
                         {&d.OtherWheelDiameter, bounds::OtherWheelDiameter, "the other wheel diameter"},
                         {&d.OtherAxleDiameter, bounds::OtherAxleDiameter, "the other axle diameter"},
                         {&d.OtherAxleLength, bounds::OtherAxleLength, "the other axle length"}},
                        lineOf)
          && checkWheelsOverAxles(lines, d, lineOf)))
        return false;
    d.KeptOtherWheelDiameter = d.OtherWheelDiameter;
    return readMaterialBlock(lines, d.Materials, into.materials)
        && readValues(lines,
                      {{&d.ElementStepSize, bounds::ElementStepSize, "the finite element size"},
                       {&d.CaseRatio, bounds::CaseRatio, "the case ratio"},
                       {&d.FrictionForce, bounds::FrictionForce, "the friction force"}},
                      lineOf)
        && readChamber(lines, d) && readDrive(lines, d) && readOuterOutline(lines, d.OuterOutline)
        && readInnerOutline(lines, d) && readWeights(lines, d) && readFrontAxle(lines, d.FrontAxle)
        && lines.expectEnd();
}

bool ReadLegacyDesignFile(DesignFileLines& lines, DesignFileContents& into)
{
    clearReadParts(into);
    CarDesign& d = into.design;
    QHash<const QString*, int> lineOf;
    if (!(readValues(lines,
                     {{&d.SpringWidth, bounds::SpringWidth, "the spring width"},
                      {&d.SpringLength, bounds::SpringLength, "the spring length"},
                      {&d.DriveWheelDiameter, bounds::DriveWheelBesideLargeChamber, "the drive wheel diameter"},
                      {&d.DriveAxleDiameter, bounds::DriveAxleDiameter, "the drive axle diameter"},
                      {&d.OtherWheelDiameter, bounds::OtherWheelDiameter, "the other wheel diameter"}},
                     lineOf)
          && checkWheelsOverAxles(lines, d, lineOf)))
        return false;
    d.KeptOtherWheelDiameter = d.OtherWheelDiameter;
    into.olderLayout = true;
    int unused = 0;
    return readMaterialBlock(lines, d.Materials, into.materials, BlockMarks::ZeroOrOne)
        && readValues(lines, {{&d.ElementStepSize, bounds::ElementStepSize, "the finite element size"}}, lineOf)
        && lines.readInt(unused, QStringLiteral("a whole number")) && readDrive(lines, d) && readChamber(lines, d)
        && readOuterOutline(lines, d.OuterOutline) && readWeights(lines, d) && readFrontAxle(lines, d.FrontAxle)
        && lines.expectEnd();
}

bool parseDesignFile(const QString& path, OlderLayout older, DesignFileContents& into, QString* error)
{
    auto refuse = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    // A device or a named pipe could be read without end, or block the program: what
    // is opened is checked, without waiting, before a byte is read.
    if (const QString why = notRegularReason(path); !why.isEmpty())
        return refuse(QStringLiteral("The design file \"%1\" cannot be read: %2.").arg(path, why));
    QFile file;
    QString reason;
    if (!openRegularForReading(path, file, &reason))
        return refuse(QStringLiteral("The design file \"%1\" cannot be opened: %2").arg(path, reason));
    // Whatever size the file gives (a sparse file of gigabytes reads as zeros), no
    // more than one byte past the limit is read.
    if (file.size() > kMaxDesignFileBytes)
        return refuse(QStringLiteral("The design file \"%1\" cannot be read: it is far too large for a design file.").arg(path));
    // Read in pieces: asking for the whole limit at once would have every small file
    // take (and clear) 16 MB first, which dominated the reading of a class's files.
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(std::min<qint64>(file.size(), kMaxDesignFileBytes) + 1));
    while (bytes.size() <= kMaxDesignFileBytes) {
        const QByteArray piece = file.read(std::min<qint64>(kDesignReadPiece, kMaxDesignFileBytes + 1 - bytes.size()));
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    if (bytes.size() > kMaxDesignFileBytes)
        return refuse(QStringLiteral("The design file \"%1\" cannot be read: it is far too large for a design file.").arg(path));
    return readDesignBytes(bytes, path, older, into, error);
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
