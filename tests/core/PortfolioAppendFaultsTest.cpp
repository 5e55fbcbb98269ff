// Appending to the portfolio where it cannot be done: a read-only portfolio, a
// full disk, a portfolio removed while the program runs. The student is told,
// with the file's name and the reason, and the records already there stay byte
// for byte as they were.
#include "SessionFixture.h"
#include "SmallDisk.h"

#include <QFileInfo>

using namespace brisko;
using namespace brisko::test;

namespace {

class PortfolioAppendFaults : public ::testing::Test {
protected:
    // A session working in a portfolio on the small disk, with a record there.
    void attachOnDisk()
    {
        portfolio = disk.filePath("class.brdp");
        ASSERT_TRUE(session.attachPortfolio(portfolio, nullptr));
        ASSERT_TRUE(session.logAction(-1, 61, QStringLiteral("4.0.2"), {}, {}, {}, QStringLiteral("ProgramStart")));
    }

    // Logs one record that must fail: the message names the portfolio and the
    // reason, and the file is what it was.
    void expectRefusedAppend(const QString& reason)
    {
        const QByteArray before = checksumOf(portfolio);
        prompter.clear();
        EXPECT_FALSE(session.logAction(-2, 71, QStringLiteral("ViewDP"), {}, {}, {}, QStringLiteral("ViewDP")));
        ASSERT_EQ(prompter.messageTexts().size(), 1);
        const QString message = prompter.messageTexts()[0];
        EXPECT_TRUE(message.contains(portfolio)) << message.toStdString();
        EXPECT_TRUE(message.contains(reason)) << message.toStdString();
        EXPECT_EQ(checksumOf(portfolio), before);
    }

    SmallDisk disk;
    ScriptedPrompter prompter;
    Session session{prompter};
    QString portfolio;
};

} // namespace

TEST_F(PortfolioAppendFaults, AReadOnlyPortfolioIsToldAndKeptAsItWas)
{
    BRISKO_NEED_SMALL_DISK(disk);
    attachOnDisk();
    BRISKO_NEED_READ_ONLY_DISK(disk);
    expectRefusedAppend("Read-only file system");
    ASSERT_TRUE(disk.setReadOnly(false));
    EXPECT_TRUE(session.logAction(-2, 71, QStringLiteral("ViewDP"), {}, {}, {}, QStringLiteral("ViewDP")));
}

TEST_F(PortfolioAppendFaults, AFullDiskAndARemovedPortfolioAreToldAndNothingIsLost)
{
    BRISKO_NEED_SMALL_DISK(disk);
    attachOnDisk();
    {
        // Up to just short of the end of its block, so the next record needs another.
        QFile file(portfolio);
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write(QByteArray(4096 - 20 - file.size(), 'r') + "\r\n");
    }
    disk.fill();
    expectRefusedAppend("No space left on device");
    disk.makeRoom();
    QFile::remove(portfolio);
    prompter.clear();
    EXPECT_FALSE(session.logAction(-2, 71, QStringLiteral("ViewDP"), {}, {}, {}, QStringLiteral("ViewDP")));
    ASSERT_EQ(prompter.messageTexts().size(), 1);
    EXPECT_TRUE(prompter.messageTexts()[0].contains(portfolio));
    EXPECT_TRUE(prompter.messageTexts()[0].contains("no longer exists"));
    EXPECT_FALSE(QFileInfo::exists(portfolio)) << "a removed portfolio is not made again";
}
