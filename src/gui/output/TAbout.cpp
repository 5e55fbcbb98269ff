#include "output/TAbout.h"

#include "output/AboutPicture.h"
#include "output/HelpSite.h"
#include "ui/Prompter.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace brisko::gui {

namespace {
const QColor kAboutBackground(255, 221, 187);
}

TAbout::TAbout(Prompter& prompter, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_prompter(prompter)
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About Brisko"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kAboutBackground);
    setPalette(palette);
    setAutoFillBackground(true);
    buildContents();
    setFixedSize(sizeHint());
}

void TAbout::buildContents()
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 20, 24, 20);
    column->setSpacing(10);

    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(drawAboutPicture(QSize(360, 200)));
    picture->installEventFilter(this);
    column->addWidget(picture, 0, Qt::AlignHCenter);

    auto* title = new QLabel(QStringLiteral("Brisko"));
    title->setStyleSheet(QStringLiteral("font-size: 22pt; font-weight: bold; color: #14406e;"));
    title->setAlignment(Qt::AlignHCenter);
    title->installEventFilter(this);
    column->addWidget(title);

    auto* version = new QLabel(QStringLiteral("Version 4.0.3a"));
    version->setObjectName(QStringLiteral("Label1"));
    version->setAlignment(Qt::AlignHCenter);
    version->installEventFilter(this);
    column->addWidget(version);
    auto* date = new QLabel(QStringLiteral("30 Nov 01"));
    date->setObjectName(QStringLiteral("Label3"));
    date->setAlignment(Qt::AlignHCenter);
    column->addWidget(date);

    auto* links = new QHBoxLayout;
    links->addWidget(makeLink("Label4", kHelpSiteName, kHelpSiteBase + QStringLiteral("/")));
    links->addStretch(1);
    links->addWidget(makeLink("Label2", QStringLiteral("Download latest version"),
                              helpPageUrl(QStringLiteral("/download.html"))));
    column->addLayout(links);

    auto* start = new QPushButton(QStringLiteral("Start designing"));
    start->setObjectName(QStringLiteral("StartDesigningBtn"));
    start->setDefault(true);
    start->setMinimumHeight(32);
    connect(start, &QPushButton::clicked, this, &QDialog::accept);
    column->addWidget(start);
}

QWidget* TAbout::makeLink(const char* name, const QString& text, const QString& url)
{
    auto* link = new QLabel(text);
    link->setObjectName(QString::fromLatin1(name));
    link->setCursor(Qt::PointingHandCursor);
    link->setStyleSheet(QStringLiteral("color: #0050c8; text-decoration: underline;"));
    link->setProperty("url", url);
    link->installEventFilter(this);
    return link;
}

void TAbout::showCentred()
{
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    open();
}

void TAbout::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        accept();
    QDialog::mouseReleaseEvent(event);
}

// Links open their page; the picture, title and version text close the box.
bool TAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return QDialog::eventFilter(watched, event);
    if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
        return false;
    const QString url = watched->property("url").toString();
    if (url.isEmpty())
        accept();
    else
        m_prompter.openUrl(url);
    return true;
}

} // namespace brisko::gui
