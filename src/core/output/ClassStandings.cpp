#include "output/ClassStandings.h"

#include "analysis/FigureSheet.h"
#include "analysis/VirtualPrototype.h"
#include "persist/DesignFile.h"
#include "text/NumberText.h"

#include <QDir>
#include <QFileInfo>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>

namespace brisko {

namespace {

QString driveName(DriveType drive)
{
    switch (drive) {
    case DriveType::FWD: return QStringLiteral("FWD");
    case DriveType::AWD: return QStringLiteral("AWD");
    case DriveType::RWD: break;
    }
    return QStringLiteral("RWD");
}

// The figure texts of a Dynamic refresh, read from the figure sheet.
void takeFigures(StandingRow& row, const VirtualPrototype& vp)
{
    const FigureSheet sheet = figuresOf(vp);
    row.TimeTo15 = sheet.Simulate.TimeTo15;
    row.TopSpeed = sheet.Simulate.TopSpeed;
    row.ProjectedDistance = sheet.Simulate.RunDistance;
    row.TotalMass = sheet.Analyze.TotalMass;
    row.BoardMass = sheet.Analyze.BoardMass;
    row.SpringMass = sheet.Analyze.SpringMass;
    row.AxleMass = sheet.Analyze.AxleMass;
    row.Layers = sheet.Build.TotalLayers;
    row.Revolutions = sheet.Analyze.Revolutions;
    // A time that did not reach 15 ft is shown in brackets.
    row.Reached = !row.TimeTo15.startsWith(QLatin1Char('['));
    if (row.Reached)
        row.TimeHundredths = nearest(toDouble(row.TimeTo15).value_or(0.0) * 100.0);
}

double valueOf(const QString& text)
{
    return toDouble(text).value_or(0.0);
}

int compareNames(const StandingRow& a, const StandingRow& b)
{
    if (const int c = a.DesignName.compare(b.DesignName, Qt::CaseInsensitive); c != 0)
        return c;
    return a.FileName.compare(b.FileName, Qt::CaseInsensitive);
}

bool ranksBefore(const StandingRow& a, const StandingRow& b)
{
    if (a.Refused != b.Refused)
        return !a.Refused;
    if (a.Refused)
        return a.FileName.compare(b.FileName, Qt::CaseInsensitive) < 0;
    if (a.Reached != b.Reached)
        return a.Reached;
    if (a.Reached) {
        if (a.TimeHundredths != b.TimeHundredths)
            return a.TimeHundredths < b.TimeHundredths;
        if (const double va = valueOf(a.TopSpeed), vb = valueOf(b.TopSpeed); va != vb)
            return va > vb;
    } else if (const double da = valueOf(a.ProjectedDistance), db = valueOf(b.ProjectedDistance); da != db) {
        return da > db;
    }
    return compareNames(a, b) < 0;
}

} // namespace

QStringList advisoryWords(const AdvisoryFlags& flags)
{
    QStringList words;
    if (flags.Skid)
        words << QStringLiteral("Skid");
    if (flags.PaperEdge)
        words << QStringLiteral("Overlaps paper edge");
    if (flags.FrontAxleFree)
        words << QStringLiteral("Front axle not connected");
    if (flags.SpringCaseFree)
        words << QStringLiteral("Spring case not connected");
    if (flags.CasesInterfere)
        words << QStringLiteral("Cases interfere");
    if (flags.Floating)
        words << QStringLiteral("Floating parts");
    return words;
}

StandingRow analyseDesignFile(const QString& path)
{
    StandingRow row;
    row.FilePath = path;
    row.FileName = QFileInfo(path).fileName();
    DesignFileContents contents;
    QString error;
    if (!parseDesignFile(path, OlderLayout::Read, contents, &error)) {
        row.Refused = true;
        row.Message = error.simplified();
        return row;
    }
    row.DesignName = contents.name.isEmpty() ? QFileInfo(path).completeBaseName() : contents.name;
    row.Drive = driveName(contents.design.Drive);
    row.Design = contents.design;
    row.Materials = contents.materials;

    // The refresh works on its own copy: the sizing may correct texts of the design.
    CarDesign design = contents.design;
    VirtualPrototype vp(design, contents.materials);
    vp.refresh(ProcessState::Dynamic, silentObserver(), kNoFrame);
    takeFigures(row, vp);
    row.Flags = vp.advisories().Flags;
    row.Advisories = advisoryWords(row.Flags);
    row.Trace = vp.dynamic().Trace;
    return row;
}

QStringList designFilesIn(const QStringList& foldersOrFiles)
{
    QStringList files;
    for (const QString& item : foldersOrFiles) {
        const QFileInfo info(item);
        if (!info.isDir()) {
            files << item;
            continue;
        }
        const QDir folder(item);
        const QStringList names = folder.entryList({QStringLiteral("*") + kDesignFileExtension},
                                                   QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
        for (const QString& name : names)
            files << folder.filePath(name);
    }
    return files;
}

void rankStandings(QVector<StandingRow>& rows)
{
    std::stable_sort(rows.begin(), rows.end(), ranksBefore);
    int place = 0;
    for (StandingRow& row : rows)
        row.Place = row.Refused ? 0 : ++place;
}

ClassStandings ClassStandings::of(const QStringList& files, StandingThreads threads, QThreadPool* pool)
{
    QVector<StandingRow> rows;
    if (threads == StandingThreads::Pool) {
        QThreadPool own;
        rows = QtConcurrent::blockingMapped<QVector<StandingRow>>(pool ? pool : &own, files, analyseDesignFile);
    } else {
        rows.reserve(files.size());
        for (const QString& file : files)
            rows.append(analyseDesignFile(file));
    }
    ClassStandings standings;
    standings.add(std::move(rows));
    return standings;
}

QFuture<StandingRow> ClassStandings::start(QThreadPool& pool, const QStringList& files,
                                           std::function<StandingRow(const QString&)> analyse)
{
    return QtConcurrent::mapped(&pool, files, std::move(analyse));
}

void ClassStandings::add(StandingRow row)
{
    m_rows.append(std::move(row));
    rankStandings(m_rows);
}

void ClassStandings::add(QVector<StandingRow> rows)
{
    m_rows.append(std::move(rows));
    rankStandings(m_rows);
}

int ClassStandings::rankedCount() const
{
    return static_cast<int>(std::count_if(m_rows.begin(), m_rows.end(), [](const StandingRow& r) { return !r.Refused; }));
}

QVector<StandingRow> ClassStandings::best(int count) const
{
    QVector<StandingRow> out;
    for (const StandingRow& row : m_rows) {
        if (out.size() >= count || row.Refused)
            break;
        out.append(row);
    }
    return out;
}

} // namespace brisko
