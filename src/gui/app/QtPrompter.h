#pragma once
// The desktop answers to the program's questions: real message boxes and dialogs.
#include "ui/Prompter.h"

class QWidget;

namespace brisko::gui {

class QtPrompter : public Prompter {
public:
    // Dialogs are centred over `parent` once it is set.
    void setParentWindow(QWidget* parent) { m_parent = parent; }

    void message(const QString& title, const QString& text) override;
    Answer confirm(const QString& title, const QString& text) override;
    QString openFile(const FileRequest& request) override;
    QString saveFile(const FileRequest& request) override;
    QString chooseFolder(const FileRequest& request) override;
    std::optional<QString> inputText(const QString& title, const QString& prompt, const QString& text) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    bool choosePrinter(QPagedPaintDevice* printer) override;
    void openUrl(const QString& url) override;
    void beep() override;

private:
    QWidget* m_parent = nullptr;
};

} // namespace brisko::gui
