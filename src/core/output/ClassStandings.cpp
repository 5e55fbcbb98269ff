#include "output/ClassStandings.h"

#include "analysis/FigureSheet.h"
#include "analysis/VirtualPrototype.h"
#include "persist/DesignFile.h"
#include "text/NumberText.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QFileInfo>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <numeric>
#include <sys/stat.h>

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
        // Every entry with the extension, whatever it is (a folder, a pipe, a link
        // that leads nowhere, a file that cannot be read): each becomes a row, and
        // the reader refuses what it cannot read, with the reason.
        const QDir folder(item);
        const QStringList names = folder.entryList({QStringLiteral("*") + kDesignFileExtension},
                                                   QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot,
                                                   QDir::Name | QDir::IgnoreCase);
        for (const QString& name : names)
            files << folder.filePath(name);
    }
    return files;
}

QHash<QString, QString> sameFilesIn(const QStringList& files)
{
    QHash<QString, QString> same;
    QHash<QPair<quint64, quint64>, QString> first;
    for (const QString& path : files) {
        struct stat info {};
        if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
            continue; // the reader says what is wrong with it
        const QPair<quint64, quint64> id(quint64(info.st_dev), quint64(info.st_ino));
        const auto earlier = first.constFind(id);
        if (earlier == first.constEnd())
            first.insert(id, path);
        else
            same.insert(path, *earlier);
    }
    return same;
}

void rankStandings(QVector<StandingRow>& rows)
{
    std::stable_sort(rows.begin(), rows.end(), ranksBefore);
    int place = 0;
    for (StandingRow& row : rows)
        row.Place = row.Refused ? 0 : ++place;
}

namespace {

StandingRow sameFileRow(const QString& path, const QString& earlier)
{
    StandingRow row;
    row.FilePath = path;
    row.FileName = QFileInfo(path).fileName();
    row.Refused = true;
    row.Message = QStringLiteral("The design file \"%1\" is the same file as \"%2\", which is ranked in its place.")
                      .arg(path, QFileInfo(earlier).fileName());
    return row;
}

std::function<StandingRow(const QString&)> refusingSameFiles(const QStringList& files,
                                                            std::function<StandingRow(const QString&)> analyse)
{
    return [same = sameFilesIn(files), analyse = std::move(analyse)](const QString& path) {
        const auto earlier = same.constFind(path);
        return earlier == same.constEnd() ? analyse(path) : sameFileRow(path, *earlier);
    };
}

} // namespace

ClassStandings ClassStandings::of(const QStringList& files, StandingThreads threads, QThreadPool* pool)
{
    const auto analyse = refusingSameFiles(files, analyseDesignFile);
    QVector<StandingRow> rows;
    if (threads == StandingThreads::Pool) {
        QThreadPool own;
        rows = QtConcurrent::blockingMapped<QVector<StandingRow>>(pool ? pool : &own, files, analyse);
    } else {
        rows.reserve(files.size());
        for (const QString& file : files)
            rows.append(analyse(file));
    }
    ClassStandings standings;
    standings.add(std::move(rows));
    return standings;
}

QFuture<StandingRow> ClassStandings::start(QThreadPool& pool, const QStringList& files,
                                           std::function<StandingRow(const QString&)> analyse)
{
    return QtConcurrent::mapped(&pool, files, refusingSameFiles(files, std::move(analyse)));
}

void ClassStandings::add(StandingRow row)
{
    const auto place = std::upper_bound(m_order.begin(), m_order.end(), row,
                                        [this](const StandingRow& r, int i) { return ranksBefore(r, m_rows[i]); });
    const size_t position = size_t(place - m_order.begin());
    m_refused += row.Refused ? 1 : 0;
    m_rows.append(std::move(row));
    m_order.insert(m_order.begin() + std::ptrdiff_t(position), int(m_rows.size() - 1));
    numberFrom(position);
}

void ClassStandings::add(QVector<StandingRow> rows)
{
    (void)this->rows(); // the rows there in standing order, positions 0..n-1
    for (StandingRow& row : rows) {
        m_refused += row.Refused ? 1 : 0;
        m_rows.append(std::move(row));
    }
    rankStandings(m_rows);
    m_order.resize(size_t(m_rows.size()));
    std::iota(m_order.begin(), m_order.end(), 0);
}

void ClassStandings::clear()
{
    m_rows.clear();
    m_order.clear();
    m_refused = 0;
}

// Ranked rows come first, so a row's place is its position plus one.
void ClassStandings::numberFrom(size_t position)
{
    for (size_t k = position; k < m_order.size(); ++k) {
        StandingRow& row = m_rows[m_order[k]];
        row.Place = row.Refused ? 0 : int(k) + 1;
    }
}

const QVector<StandingRow>& ClassStandings::rows() const
{
    // Follows each cycle of the permutation, so every row moves once.
    for (size_t start = 0; start < m_order.size(); ++start) {
        if (m_order[start] == int(start))
            continue;
        StandingRow held = std::move(m_rows[qsizetype(start)]);
        size_t to = start;
        for (size_t from = size_t(m_order[to]); from != start; from = size_t(m_order[to])) {
            m_rows[qsizetype(to)] = std::move(m_rows[qsizetype(from)]);
            m_order[to] = int(to);
            to = from;
        }
        m_rows[qsizetype(to)] = std::move(held);
        m_order[to] = int(to);
    }
    return m_rows;
}

QVector<StandingRow> ClassStandings::best(int count) const
{
    QVector<StandingRow> out;
    for (int i = 0; i < this->count() && out.size() < count && !at(i).Refused; ++i)
        out.append(at(i));
    return out;
}

} // namespace brisko
