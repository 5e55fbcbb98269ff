// Every file Brisko writes, written again on a disk with no room left: the write
// fails, says why and names the file, and the file written before stays byte for
// byte as it was, with nothing half-written left beside it.
#include "DesignSamples.h"
#include "GuiApp.h"
#include "SmallDisk.h"

#include "output/PaperPrototype.h"
#include "output/PdfFile.h"
#include "output/StandingsTable.h"
#include "output/TemplateSvg.h"
#include "persist/DesignFile.h"
#include "persist/Portfolio.h"

#include <QDir>
#include <QPainter>

using namespace brisko;
using namespace brisko::test;

namespace {

const QString kNoSpace = QStringLiteral("No space left on device");

CarDesign preset(int position)
{
    CarDesign d;
    loadPresetShape(d, position);
    return d;
}

RecordContext context()
{
    RecordContext c;
    c.timeText = "12.345";
    c.distanceText = "[3.21]";
    c.speedText = "0";
    c.massText = "0.57";
    c.designName = "Racer";
    return c;
}

QStringList filesBeside(const SmallDisk& disk)
{
    return QDir(disk.filePath(QString())).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

class FullDisk : public ::testing::Test {
protected:
    void SetUp() override { ensureGuiApp(); }

    // Writes with `write` once with room, fills the disk, then writes again:
    // the second write must fail naming the file and the reason, and leave it whole.
    void expectKeptWhole(const QString& name, const std::function<QString(const QString& path, int pass)>& write)
    {
        const QString path = disk.filePath(name);
        ASSERT_EQ(write(path, 0), QString());
        const QByteArray before = checksumOf(path);
        ASSERT_FALSE(before.isEmpty());
        disk.fill();
        const QString failure = write(path, 1);
        EXPECT_TRUE(failure.contains(kNoSpace)) << failure.toStdString();
        EXPECT_TRUE(failure.contains(path) || failure.contains(QDir::toNativeSeparators(path))) << failure.toStdString();
        EXPECT_EQ(checksumOf(path), before);
        EXPECT_EQ(filesBeside(disk), QStringList({QStringLiteral(".filler"), name}));
    }

    SmallDisk disk;
};

TEST_F(FullDisk, ADesignSaveFailsAndKeepsTheSavedDesign)
{
    BRISKO_NEED_SMALL_DISK(disk);
    expectKeptWhole(QStringLiteral("F.brsk"), [](const QString& path, int pass) {
        QString error;
        const bool written = WriteDesignFile(path, preset(pass == 0 ? 1 : 2), MaterialLibrary(),
                                             pass == 0 ? QStringLiteral("Racer") : QStringLiteral("Pickup"), &error);
        return written ? QString() : error;
    });
}

TEST_F(FullDisk, APdfFailsAndKeepsTheEarlierPdf)
{
    BRISKO_NEED_SMALL_DISK(disk);
    expectKeptWhole(QStringLiteral("set.pdf"), [](const QString& path, int) {
        const PdfFileSettings settings{QPageSize(QPageSize::Letter), QPageLayout::Landscape, 0.5, 72, "Test"};
        return writePdfFile(path, settings, [](QPdfWriter& pdf) {
            QPainter painter(&pdf);
            painter.drawLine(0, 0, 100, 100);
            return QString();
        });
    });
}

TEST_F(FullDisk, TheStandingsCsvAndTheSvgTemplatesFailAndKeepTheirFiles)
{
    BRISKO_NEED_SMALL_DISK(disk);
    expectKeptWhole(QStringLiteral("standings.csv"), [](const QString& path, int) {
        StandingRow row;
        row.FileName = QStringLiteral("Racer.brsk");
        row.DesignName = QStringLiteral("Racer");
        QString error;
        return writeStandingsCsv(path, {row}, &error) ? QString() : error;
    });
    disk.makeRoom();
    const PaperPrototype prototype = paperPrototypeOf(preset(1), MaterialLibrary(), QStringLiteral("Racer"));
    QString error;
    const QStringList first = exportTemplateSvgs(prototype, disk.filePath(QString()), QStringLiteral("Racer"), &error);
    ASSERT_FALSE(first.isEmpty()) << error.toStdString();
    QVector<QByteArray> before;
    for (const QString& path : first)
        before << checksumOf(path);
    disk.fill();
    EXPECT_TRUE(exportTemplateSvgs(prototype, disk.filePath(QString()), QStringLiteral("Racer"), &error).isEmpty());
    EXPECT_TRUE(error.contains(kNoSpace)) << error.toStdString();
    for (int i = 0; i < first.size(); ++i)
        EXPECT_EQ(checksumOf(first[i]), before[i]) << first[i].toStdString();
}

TEST_F(FullDisk, APortfolioAppendFailsAndKeepsTheRecordsThere)
{
    BRISKO_NEED_SMALL_DISK(disk);
    Portfolio portfolio;
    const QString path = disk.filePath(QStringLiteral("class.brdp"));
    ASSERT_TRUE(portfolio.attach(path, nullptr));
    const ActionRecord record{-2, 69, QStringLiteral("Racer"), {}, {}, {}, QStringLiteral("Change design")};
    QString error;
    ASSERT_TRUE(portfolio.append(record, context(), &error)) << error.toStdString();
    // Records up to just short of the file's last block: the next one would need
    // another block, which the full disk does not have, so only part of it fits.
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write(QByteArray(4096 - 30 - file.size(), 'r'));
    }
    const QByteArray before = checksumOf(path);
    disk.fill();
    EXPECT_FALSE(portfolio.append(record, context(), &error));
    EXPECT_TRUE(error.contains(path) && error.contains(kNoSpace)) << error.toStdString();
    EXPECT_EQ(checksumOf(path), before);

    disk.makeRoom();
    EXPECT_TRUE(portfolio.append(record, context(), &error)) << error.toStdString();
    QFile::remove(path);
    EXPECT_FALSE(portfolio.append(record, context(), &error));
    EXPECT_FALSE(QFile::exists(path)) << "a removed portfolio is not made again";
}

} // namespace
