#pragma once
// Qt's offscreen screen is 800 x 600 unless told otherwise; the GUI tests and the
// picture tool see a desktop monitor on which the main window opens at its full size.
#include <QByteArray>
#include <QTemporaryFile>
#include <QtGlobal>

namespace brisko::test {

// Offscreen unless the environment chose a platform; `config` keeps the screen's
// description and must outlive the application object made after this.
inline void useOffscreenDesktop(QTemporaryFile& config)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qgetenv("QT_QPA_PLATFORM") != "offscreen" || !config.open())
        return;
    config.write(R"({ "screens": [ { "name": "Desktop", "x": 0, "y": 0, "width": 1920, "height": 1200,
                    "logicalDpi": 96, "dpr": 1 } ] })");
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
}

} // namespace brisko::test
