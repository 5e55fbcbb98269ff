#include "app/QtPrompter.h"

#include "app/FileFilter.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

namespace brisko::gui {

namespace {

QString startPath(const FileRequest& request)
{
    if (request.proposedName.isEmpty())
        return request.folder;
    return QDir(request.folder).filePath(request.proposedName);
}

// Texts written with carriage returns as line breaks show as lines.
QString withLineBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

void QtPrompter::message(const QString& title, const QString& text)
{
    QMessageBox::information(m_parent, title, withLineBreaks(text), QMessageBox::Ok);
}

Answer QtPrompter::confirm(const QString& title, const QString& text)
{
    const auto button = QMessageBox::question(m_parent, title, text,
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                              QMessageBox::Yes);
    if (button == QMessageBox::Yes)
        return Answer::Yes;
    if (button == QMessageBox::No)
        return Answer::No;
    return Answer::Cancel;
}

QString QtPrompter::openFile(const FileRequest& request)
{
    return QFileDialog::getOpenFileName(m_parent, request.title, startPath(request),
                                        toQtFileFilter(request.filter));
}

QString QtPrompter::saveFile(const FileRequest& request)
{
    const QFileDialog::Options options =
        request.confirmOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite;
    return QFileDialog::getSaveFileName(m_parent, request.title, startPath(request),
                                        toQtFileFilter(request.filter), nullptr, options);
}

QString QtPrompter::chooseFolder(const FileRequest& request)
{
    return QFileDialog::getExistingDirectory(m_parent, request.title, request.folder);
}

std::optional<QString> QtPrompter::inputText(const QString& title, const QString& prompt, const QString& text)
{
    bool ok = false;
    const QString typed = QInputDialog::getText(m_parent, title, prompt, QLineEdit::Normal, text, &ok);
    if (!ok)
        return std::nullopt;
    return typed;
}

std::optional<QColor> QtPrompter::chooseColor(const QColor& initial)
{
    const QColor chosen = QColorDialog::getColor(initial, m_parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

bool QtPrompter::choosePrinter(QPagedPaintDevice* device)
{
    auto* printer = dynamic_cast<QPrinter*>(device);
    if (!printer)
        return false;
    QPrintDialog dialog(printer, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

void QtPrompter::openUrl(const QString& url)
{
    QDesktopServices::openUrl(QUrl(url)); // the browser's answer does not matter
}

void QtPrompter::beep()
{
    QApplication::beep();
}

} // namespace brisko::gui
