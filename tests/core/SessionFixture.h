#pragma once
// A session with a scripted prompter and a portfolio in a temporary folder.
#include "ScriptedPrompter.h"
#include "session/Session.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace brisko::test {

class SessionFixture : public ::testing::Test {
protected:
    SessionFixture()
    {
        session.attachPortfolio(dir.filePath("work.brdp"), nullptr);
        session.nameDraw().seed(7);
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    // The portfolio's records, each split into its 22 fields.
    QVector<QStringList> records() const
    {
        QFile f(session.portfolio().path());
        f.open(QIODevice::ReadOnly);
        QVector<QStringList> out;
        for (const QByteArray& line : f.readAll().split('\n'))
            if (!line.trimmed().isEmpty())
                out << QString::fromLatin1(line.trimmed()).split(',');
        return out;
    }

    // Records with a given description (field 14).
    QVector<QStringList> recordsNamed(const QString& description) const
    {
        QVector<QStringList> out;
        for (const auto& r : records())
            if (r.value(13) == description)
                out << r;
        return out;
    }

    QTemporaryDir dir;
    ScriptedPrompter prompter;
    Session session{prompter};
};

} // namespace brisko::test
