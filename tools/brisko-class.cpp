// brisko-class: a whole class's design files simulated and ranked, printed as a
// table, and written as CSV and as printable pages, by the same code as the program.
#include "output/ClassStandings.h"
#include "output/StandingsPages.h"
#include "output/StandingsTable.h"

#include <QDate>
#include <QDir>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <optional>

using namespace brisko;

namespace {

const char* const kUsage =
    "Usage: brisko-class FOLDER_OR_FILE... [--csv OUT.csv] [--pdf OUT.pdf]\n"
    "\n"
    "Reads every .brsk design file of each folder (and each file named), simulates each\n"
    "design as the Simulate state does (the file's own drive, chamber shape, element size\n"
    "and materials) and prints the class standings: the designs that reach 15 ft by\n"
    "their time (ties by top speed, then name), then the others by projected distance,\n"
    "then the files that could not be read with the reason.\n"
    "\n"
    "  --csv PATH   also write the standings as CSV (a header row, exact figures)\n"
    "  --pdf PATH   also write printable pages: a picture of each car, its figures and\n"
    "               advisories\n"
    "  --help       this text\n"
    "\n"
    "Exit status: 0 when at least one design was ranked, 2 when none could be read or\n"
    "for a bad option or a file that cannot be written.\n";

struct Options {
    QStringList inputs;
    QString csv;
    QString pdf;
    bool help = false;
};

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "brisko-class: %s\n", qPrintable(message));
    std::exit(2);
}

Options parse(const QStringList& args)
{
    Options o;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            o.help = true;
        } else if (a == QLatin1String("--csv") || a == QLatin1String("--pdf")) {
            if (i + 1 >= args.size())
                fail(QStringLiteral("option %1 needs a file (see --help)").arg(a));
            (a == QLatin1String("--csv") ? o.csv : o.pdf) = args[++i];
        } else if (a.startsWith(QLatin1String("--"))) {
            fail(QStringLiteral("unknown option \"%1\" (see --help)").arg(a));
        } else {
            o.inputs << a;
        }
    }
    return o;
}

// The terminal table: the shown texts, padded to each column's widest text.
void printTable(const QVector<StandingRow>& rows)
{
    const StandingColumn shown[] = {StandingColumn::Place,       StandingColumn::Design,
                                    StandingColumn::Drive,       StandingColumn::Time,
                                    StandingColumn::TopSpeed,    StandingColumn::ProjectedDistance,
                                    StandingColumn::TotalMass,   StandingColumn::Layers,
                                    StandingColumn::Revolutions, StandingColumn::Advisories};
    QVector<QStringList> lines;
    QStringList header;
    for (StandingColumn c : shown)
        header << standingHeader(c);
    lines << header;
    for (const StandingRow& row : rows) {
        QStringList cells;
        for (StandingColumn c : shown)
            cells << (c == StandingColumn::Design && row.Refused ? row.FileName : standingText(row, c));
        lines << cells;
    }
    QVector<int> widths(std::size(shown), 0);
    for (const QStringList& cells : lines)
        for (int c = 0; c < cells.size(); ++c)
            widths[c] = std::max(widths[c], static_cast<int>(cells[c].size()));
    for (const QStringList& cells : lines) {
        QString text;
        for (int c = 0; c < cells.size(); ++c) {
            const bool number = shown[c] != StandingColumn::Design && shown[c] != StandingColumn::Drive
                             && shown[c] != StandingColumn::Advisories;
            const QString cell = number ? cells[c].rightJustified(widths[c]) : cells[c].leftJustified(widths[c]);
            text += (c ? QStringLiteral("  ") : QString()) + cell;
        }
        while (text.endsWith(QLatin1Char(' ')))
            text.chop(1);
        std::printf("%s\n", text.toLocal8Bit().constData());
    }
}

} // namespace

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const Options options = parse(args);
    // The pictures of the printed pages need the fonts of a GUI application (no
    // window is ever shown); the table and the CSV file do without its start-up.
    std::optional<QCoreApplication> plain;
    std::optional<QGuiApplication> gui;
    if (options.pdf.isEmpty()) {
        plain.emplace(argc, argv);
    } else {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        gui.emplace(argc, argv);
    }
    if (options.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (options.inputs.isEmpty())
        fail(QStringLiteral("give a folder or design files (see --help)"));
    for (const QString& input : options.inputs)
        if (!QFileInfo::exists(input))
            fail(QStringLiteral("%1: no such file or folder").arg(QDir::toNativeSeparators(input)));

    const QStringList files = designFilesIn(options.inputs);
    if (files.isEmpty())
        fail(QStringLiteral("no .brsk design files in %1").arg(options.inputs.join(QStringLiteral(", "))));
    const ClassStandings standings = ClassStandings::of(files);
    printTable(standings.rows());
    if (standings.rankedCount() == 0)
        fail(QStringLiteral("none of the %1 files could be read as a design").arg(files.size()));

    if (!options.csv.isEmpty()) {
        QString error;
        if (!writeStandingsCsv(options.csv, standings.rows(), &error))
            fail(error);
    }
    if (!options.pdf.isEmpty()) {
        if (const QString error = writeStandingsPdf(options.pdf, standings.rows(), QDate::currentDate());
            !error.isEmpty())
            fail(error);
    }
    return 0;
}
