// brisko-figures: the figures the Build, Analyze and Simulate states show for a
// preset design, one "Name: text" line each, computed by the same code as the
// program.
#include "analysis/ChartCsv.h"
#include "analysis/FigureSheet.h"
#include "analysis/PowerSweep.h"
#include "analysis/VirtualPrototype.h"
#include "model/MaterialLibrary.h"
#include "persist/DesignFile.h"
#include "persist/WholeFile.h"
#include "model/Presets.h"
#include "output/PaperPrototypeFiles.h"
#include "output/TemplateSvg.h"
#include "text/NumberText.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>

using namespace brisko;

namespace {

const char* const kUsage =
    "Usage: brisko-figures (--preset NAME | --file PATH) [--drive RWD|FWD|AWD]\n"
    "                      [--chamber circular|octagonal] [--element PIXELS] [--save PATH]\n"
    "                      [--print-pdf PATH [--what report|inner|outer|wheels|set]\n"
    "                       [--paper letter|a4|a5|legal]] [--export-svg FOLDER]\n"
    "       brisko-figures (--preset NAME | --file PATH) --sweep [--sw FROM,TO,STEP]\n"
    "                      [--sl FROM,TO,STEP] [--dw FROM,TO,STEP] [--csv FILE]\n"
    "\n"
    "Prints the figures Brisko shows in the Build, Analyze and Simulate states for a\n"
    "preset design or a design file, one \"Name: text\" line each, with the texts the\n"
    "program displays, followed by the advisory flags (1 when the advisory shows after\n"
    "a simulation).\n"
    "\n"
    "  --preset NAME      \"Default Design\", \"Racer\", \"Pickup\", \"Tow Truck\" or \"Wheelie\"\n"
    "  --file PATH        a .brsk design file, with its own materials and settings\n"
    "  --drive TYPE       RWD, FWD or AWD (default: RWD for a preset, the file's own)\n"
    "  --chamber SHAPE    circular or octagonal (default: circular for a preset, the file's own)\n"
    "  --element PIXELS   finite element size of the mass scan, 2 to 72 (default: 9 for a\n"
    "                     preset, the file's own)\n"
    "  --save PATH        also write the analysed design as a version-3 design file\n"
    "  --print-pdf PATH   also print the paper prototype to a PDF file, through the same\n"
    "                     pages as the printer: every template at full size, in\n"
    "                     overlapping tiles where it is larger than the printable area\n"
    "  --what OPERATION   report, inner (one inner layer), outer (one outer layer), wheels\n"
    "                     or set (the entire set: report, layers and wheels; the default)\n"
    "  --paper SIZE       letter (the default), a4, a5 or legal, with 0.25 in margins;\n"
    "                     paper too small for the 7.5 x 10 in report prints nothing\n"
    "  --export-svg DIR   also write the layers and wheels as SVG cutting templates at\n"
    "                     true size (inches) into the folder\n"
    "  --sweep            instead of the figures, run the Power Designer's sweep over\n"
    "                     spring width (--sw), spring length (--sl) and drive wheel\n"
    "                     diameter (--dw), defaults 1.5,1.5,1.5 36,36,4 and 4,7.5,0.5:\n"
    "                     one \"Combination: width length wheel time\" line each, then\n"
    "                     the best time and combination as the Power Designer shows them\n"
    "  --csv FILE         with --sweep, also write every combination tried and its time\n"
    "                     as the Power Designer's Export CSV... writes them\n"
    "  --help             this text\n"
    "\n"
    "Exit status: 0 on success, 2 for an unknown preset or option, a refused design\n"
    "file or sweep range, a file that cannot be written, or paper too small for the\n"
    "report.\n";

struct Options {
    int preset = -1;
    QString file;
    QString save;
    QString pdf;
    PrintChoice what = PrintChoice::EntireSet;
    QPageSize::PageSizeId paper = QPageSize::Letter;
    QString svgFolder;
    std::optional<DriveType> drive;
    std::optional<ChamberShape> chamber;
    std::optional<QString> element;
    bool help = false;
    bool sweep = false;
    SweepFormTexts ranges;
    QString sweepCsv;
};

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "brisko-figures: %s\n", qPrintable(message));
    std::exit(2);
}

// "FROM,TO,STEP" into the three texts of a sweep range.
SweepRangeTexts rangeTexts(const QString& key, const QString& value)
{
    const QStringList parts = value.split(QLatin1Char(','));
    if (parts.size() != 3)
        fail(QStringLiteral("%1 needs FROM,TO,STEP, not \"%2\"").arg(key, value));
    return {parts[0].trimmed(), parts[1].trimmed(), parts[2].trimmed()};
}

std::optional<int> presetByName(const QString& name)
{
    for (int i = 0; i < kPresetCount; ++i)
        if (presetNames().at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return std::nullopt;
}

PrintChoice choiceByName(const QString& name)
{
    const QString v = name.toLower();
    if (v == QLatin1String("report"))
        return PrintChoice::Report;
    if (v == QLatin1String("inner"))
        return PrintChoice::OneInner;
    if (v == QLatin1String("outer"))
        return PrintChoice::OneOuter;
    if (v == QLatin1String("wheels"))
        return PrintChoice::Wheels;
    if (v == QLatin1String("set"))
        return PrintChoice::EntireSet;
    fail(QStringLiteral("unknown print operation \"%1\" (report, inner, outer, wheels or set)").arg(name));
}

QPageSize::PageSizeId paperByName(const QString& name)
{
    const QString v = name.toLower();
    if (v == QLatin1String("letter"))
        return QPageSize::Letter;
    if (v == QLatin1String("a4"))
        return QPageSize::A4;
    if (v == QLatin1String("a5"))
        return QPageSize::A5;
    if (v == QLatin1String("legal"))
        return QPageSize::Legal;
    fail(QStringLiteral("unknown paper \"%1\" (letter, a4, a5 or legal)").arg(name));
}

Options parse(const QStringList& args)
{
    Options o;
    for (int i = 0; i < args.size(); ++i) {
        QString key = args[i];
        QString value;
        const bool takesValue =
            key != QLatin1String("--help") && key != QLatin1String("-h") && key != QLatin1String("--sweep");
        if (takesValue) {
            const int eq = key.indexOf(QLatin1Char('='));
            if (eq > 0) {
                value = key.mid(eq + 1);
                key = key.left(eq);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                fail(QStringLiteral("option %1 needs a value (see --help)").arg(key));
            }
        }
        if (key == QLatin1String("--sweep")) {
            o.sweep = true;
        } else if (!takesValue) {
            o.help = true;
        } else if (key == QLatin1String("--sw")) {
            o.ranges.Width = rangeTexts(key, value);
        } else if (key == QLatin1String("--sl")) {
            o.ranges.Length = rangeTexts(key, value);
        } else if (key == QLatin1String("--dw")) {
            o.ranges.Wheel = rangeTexts(key, value);
        } else if (key == QLatin1String("--preset")) {
            const auto p = presetByName(value);
            if (!p)
                fail(QStringLiteral("unknown preset \"%1\" (see --help)").arg(value));
            o.preset = *p;
        } else if (key == QLatin1String("--file")) {
            o.file = value;
        } else if (key == QLatin1String("--save")) {
            o.save = value;
        } else if (key == QLatin1String("--csv")) {
            o.sweepCsv = value;
        } else if (key == QLatin1String("--print-pdf")) {
            o.pdf = value;
        } else if (key == QLatin1String("--what")) {
            o.what = choiceByName(value);
        } else if (key == QLatin1String("--paper")) {
            o.paper = paperByName(value);
        } else if (key == QLatin1String("--export-svg")) {
            o.svgFolder = value;
        } else if (key == QLatin1String("--drive")) {
            const QString v = value.toUpper();
            if (v == QLatin1String("RWD"))
                o.drive = DriveType::RWD;
            else if (v == QLatin1String("FWD"))
                o.drive = DriveType::FWD;
            else if (v == QLatin1String("AWD"))
                o.drive = DriveType::AWD;
            else
                fail(QStringLiteral("unknown drive \"%1\" (RWD, FWD or AWD)").arg(value));
        } else if (key == QLatin1String("--chamber")) {
            const QString v = value.toLower();
            if (v == QLatin1String("circular"))
                o.chamber = ChamberShape::Circular;
            else if (v == QLatin1String("octagonal"))
                o.chamber = ChamberShape::Octagonal;
            else
                fail(QStringLiteral("unknown chamber shape \"%1\" (circular or octagonal)").arg(value));
        } else if (key == QLatin1String("--element")) {
            const auto n = toInt(value);
            if (!n || *n < 2 || *n > 72)
                fail(QStringLiteral("element size must be a whole number of pixels from 2 to 72, not \"%1\"").arg(value));
            o.element = QString::number(*n);
        } else {
            fail(QStringLiteral("unknown option \"%1\" (see --help)").arg(key));
        }
    }
    return o;
}

void line(const char* name, const QString& text)
{
    std::printf("%s: %s\n", name, qPrintable(text));
}

void print(const VirtualPrototype& vp, const CarDesign& design)
{
    line("DriveWheelDiameter", design.DriveWheelDiameter);
    figuresOf(vp).forEach([](const char* name, const QString& text) { line(name, text); });
    const AdvisoryDisplay& a = vp.advisories();
    auto flag = [](const AdvisoryLabel& l) { return l.Shown ? QStringLiteral("1") : QStringLiteral("0"); };
    line("SkidAdvisory", flag(a.Skid));
    line("PaperEdgeAdvisory", flag(a.CarTooBig));
    line("FrontAxleAdvisory", flag(a.AxleFree));
    line("SpringCaseAdvisory", flag(a.CaseFree));
    line("InterfereAdvisory", flag(a.CoreInterfere));
    line("FloatingAdvisory", flag(a.Floating));
}

// The sweep as the Power Designer runs it, one line per combination tried, then the
// four best texts it shows ("-" when no combination reached 15 ft).
void printSweep(const CarDesign& design, const MaterialLibrary& materials, const SweepFormTexts& ranges,
                const QString& csvPath)
{
    const SweepCheck check = checkSweepForm(ranges);
    if (!check.Plan)
        fail(check.Message);
    PowerSweep sweep(design, materials, *check.Plan);
    while (sweep.runNext()) {
        const SweepCombination& c = sweep.last();
        std::printf("Combination: %s %s %s %s\n", qPrintable(c.Width), qPrintable(c.Length), qPrintable(c.Wheel),
                    qPrintable(sweep.lastTime()));
    }
    QString reason;
    if (!csvPath.isEmpty() && !writeFileWhole(csvPath, sweepCsv(sweep.trials()), &reason))
        fail(csvPath + QStringLiteral(": ") + reason);
    const SweepBest& best = sweep.best();
    const QString none = QStringLiteral("-");
    line("BestYet", best.found() ? best.Time : none);
    line("BestSWYet", best.found() ? best.Combination.Width : none);
    line("BestSLYet", best.found() ? best.Combination.Length : none);
    line("BestDWYet", best.found() ? best.Combination.Wheel : none);
}

} // namespace

// The paper prototype of the analysed design as a PDF and as SVG cutting templates.
void writePaperPrototype(const Options& options, const DesignFileContents& loaded)
{
    // Text needs the font database of a GUI application; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "brisko-figures";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    // The older file layout holds no name: the file's own name stands in.
    const QString designName = loaded.name.isEmpty() ? QFileInfo(options.file).completeBaseName() : loaded.name;
    const PaperPrototype prototype = paperPrototypeOf(loaded.design, loaded.materials, designName);
    if (!options.pdf.isEmpty()) {
        const QString error = writePaperPrototypePdf(prototype, options.what, options.pdf, QPageSize(options.paper));
        if (!error.isEmpty())
            fail(error);
    }
    if (!options.svgFolder.isEmpty()) {
        if (!QDir().mkpath(options.svgFolder))
            fail(QStringLiteral("%1: the folder cannot be made").arg(options.svgFolder));
        QString error;
        if (exportTemplateSvgs(prototype, options.svgFolder, designName, &error).isEmpty())
            fail(error);
    }
}

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const Options options = parse(args);
    if (options.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if ((options.preset < 0) == options.file.isEmpty())
        fail(QStringLiteral("give one design: --preset NAME or --file PATH (see --help)"));

    DesignFileContents loaded;
    if (options.file.isEmpty()) {
        loadPresetShape(loaded.design, options.preset);
        loaded.name = presetNames().at(options.preset);
    } else {
        QString error;
        if (!parseDesignFile(options.file, OlderLayout::Read, loaded, &error))
            fail(QString(error).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    }
    CarDesign& design = loaded.design;
    if (options.drive)
        design.setDrive(*options.drive);
    if (options.chamber)
        design.Chamber = *options.chamber;
    if (options.element)
        design.ElementStepSize = *options.element;

    if (options.sweep) {
        printSweep(design, loaded.materials, options.ranges, options.sweepCsv);
        return 0;
    }

    VirtualPrototype vp(design, loaded.materials);
    vp.refresh(ProcessState::Dynamic, silentObserver(), kNoFrame);
    if (!options.pdf.isEmpty() || !options.svgFolder.isEmpty())
        writePaperPrototype(options, loaded);
    print(vp, design);

    if (!options.save.isEmpty()) {
        QString error;
        if (!WriteDesignFile(options.save, design, loaded.materials, loaded.name, &error))
            fail(QString(error).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    }
    return 0;
}
