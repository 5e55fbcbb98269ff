#pragma once
// A whole class's designs, each read from its file, simulated as the Simulate state
// runs it and ranked: the designs that reach 15 ft by their time (hundredths, ties by
// top speed, then name), then the others by projected distance; files that cannot be
// read follow as rows with the reader's message. Every figure is a text of the
// design's figure sheet; analysing one file touches nothing shared, so files are
// analysed on several threads at once.
#include "model/AdvisoryFlags.h"
#include "analysis/RaceTrace.h"
#include "model/CarDesign.h"
#include "model/MaterialLibrary.h"

#include <QFuture>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <QVector>
#include <functional>
#include <vector>

namespace brisko {

struct StandingRow {
    QString FilePath;
    QString FileName;
    bool Refused = false;
    QString Message;         // why the file was refused, as the reader said it

    QString DesignName;      // the file's own name for the older layout, which holds none
    QString Drive;           // "RWD", "FWD" or "AWD"
    // Figure texts as the program shows them.
    QString TimeTo15, TopSpeed;
    QString ProjectedDistance; // as the Simulate panel's distance field and the report show it
    QString TotalMass, BoardMass, SpringMass, AxleMass;
    QString Layers, Revolutions;
    AdvisoryFlags Flags;
    QStringList Advisories;  // the advisories in force, as words

    bool Reached = false;    // reached 15 ft
    int TimeHundredths = 0;  // time to 15 ft in hundredths of a second, when reached
    int Place = 0;           // 1 for the best; 0 for a refused file

    // What the pictures and the race need: the design as read and its run.
    CarDesign Design;
    MaterialLibrary Materials;
    RaceTrace Trace;
};

// Reads one design file and runs its Dynamic refresh with the file's own drive,
// chamber shape, element size and materials. Re-entrant.
StandingRow analyseDesignFile(const QString& path);

// The files to rank: every ".brsk" entry of each folder (by name; folders, pipes and
// broken links among them, which the reader refuses) and each file named directly,
// in the order given.
QStringList designFilesIn(const QStringList& foldersOrFiles);

// Of `files`, those that are the same file as one before them (linked twice, or
// named twice), each with the first of them; the standings refuse these.
QHash<QString, QString> sameFilesIn(const QStringList& files);

// Puts the rows in standing order and numbers the places of the ranked ones.
void rankStandings(QVector<StandingRow>& rows);

// The words of the advisories that flags carry, in the advisory window's order.
QStringList advisoryWords(const AdvisoryFlags& flags);

enum class StandingThreads { One, Pool };

class ClassStandings {
public:
    // Analyses and ranks the files; Pool runs them on the given pool, or on a pool
    // of their own with one thread per core. A pool kept between runs keeps its
    // threads, and with them the regions each thread has built already.
    static ClassStandings of(const QStringList& files, StandingThreads threads = StandingThreads::Pool,
                             QThreadPool* pool = nullptr);
    // The analysis of each file, started on the given pool; its results come in file
    // order. A file that is the same as one before it is refused without being read
    // twice. Cancelling it stops between files. The pool is not Qt's global one, which
    // painting borrows, so that windows keep drawing while files are analysed.
    static QFuture<StandingRow> start(QThreadPool& pool, const QStringList& files,
                                      std::function<StandingRow(const QString&)> analyse = analyseDesignFile);

    // Adds an analysed row in its place: a search among the rows ranked so far and
    // a shift of their positions, so rows arriving one by one rank in the time of
    // one ranking, without moving a row's design again for every arrival.
    void add(StandingRow row);
    void add(QVector<StandingRow> rows);
    void clear();

    // The rows in standing order; the rows themselves are put in that order once
    // after each change, when asked for.
    const QVector<StandingRow>& rows() const;
    int count() const { return static_cast<int>(m_order.size()); }
    // The row at a position of the standings (0 for the first).
    const StandingRow& at(int position) const { return m_rows[m_order[size_t(position)]]; }
    int rankedCount() const { return count() - m_refused; }
    int refusedCount() const { return m_refused; }
    // The best `count` ranked rows, best first.
    QVector<StandingRow> best(int count) const;

private:
    void numberFrom(size_t position);

    mutable QVector<StandingRow> m_rows; // in arrival order, or in standing order after rows()
    mutable std::vector<int> m_order;    // positions in m_rows, in standing order
    int m_refused = 0;
};

} // namespace brisko
