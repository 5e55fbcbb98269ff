// A helper for the save-under-SIGKILL test: writes the two versions of a design
// it will save into a reference folder, says "ready", then saves them over the
// target in turn, as fast as it can, until it is killed.
#include "model/MaterialLibrary.h"
#include "model/Presets.h"
#include "persist/DesignFile.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

using namespace brisko;

namespace {

// Enough materials that one save takes long enough to be killed in the middle.
MaterialLibrary manyMaterials(int version)
{
    MaterialLibrary materials;
    for (int i = 0; i < 300; ++i)
        materials.addBoard({QStringLiteral("Board %1 of version %2").arg(i).arg(version), "0.25", "0.0031"});
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
