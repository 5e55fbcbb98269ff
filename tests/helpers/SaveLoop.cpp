// A helper for the save-under-SIGKILL test: writes the two versions of a design
// it will save into a reference folder, says "ready", then saves them over the
// target in turn, as fast as it can, until it is killed.
#include "model/MaterialLibrary.h"
#include "model/Presets.h"
#include "persist/DesignFile.h"
#include "persist/DesignFileMaterials.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

using namespace brisko;

namespace {

// As many materials as a design file holds (about 200 KB), so that a save takes
// long enough to be killed in the middle.
MaterialLibrary manyMaterials(int version)
{
    MaterialLibrary materials;
    const QString tag = QStringLiteral(" of version %1").arg(version);
    for (int i = 0; i < kMaxDefinedMaterials; ++i) {
        const QString n = QString::number(i) + tag;
        materials.addBoard({QStringLiteral("Board ") + n, "0.25", "0.0031"});
        materials.addAxle({QStringLiteral("Axle ") + n, "0.018"});
        materials.addTread({QStringLiteral("Tread ") + n, "0.85"});
        SpringMaterial spring{QStringLiteral("Spring ") + n, "0.010", "0.045", "1.0", {}};
        for (int k = 0; k < kTorqueCurveEntries; ++k)
            spring.TorqueCurve[k] = QString::number(0.9 - k * 0.0125, 'f', 4);
        materials.addSpring(spring);
    }
    return materials;
}

bool save(const QString& path, int version)
{
    CarDesign design;
    loadPresetShape(design, 1 + version);
    return WriteDesignFile(path, design, manyMaterials(version), QStringLiteral("Version %1").arg(version), nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: brisko_save_loop TARGET REFERENCE-FOLDER\n");
        return 2;
    }
    const QString target = QString::fromLocal8Bit(argv[1]);
    const QDir references(QString::fromLocal8Bit(argv[2]));
    if (!save(references.filePath("old.brsk"), 0) || !save(references.filePath("new.brsk"), 1))
        return 1;
    std::printf("ready\n");
    std::fflush(stdout);
    for (int version = 1;; version = 1 - version)
        save(target, version);
}
