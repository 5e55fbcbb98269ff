#pragma once
// A prompter for tests: records every prompt and answers from a script.
#include "ui/Prompter.h"

#include <QColor>
#include <deque>
#include <functional>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>
#include <variant>

namespace brisko::test {

struct Prompt {
    enum Kind { Message, Confirm, OpenFile, SaveFile, Input, Color, Print, Url, Beep, Folder } kind;
    QString title;
    QString text;  // message text, prompt, or url
    FileRequest file;
    QString defaultText;
};

class ScriptedPrompter : public Prompter {
public:
    // Answers are consumed in order by the prompts of their kind. Without a scripted
    // answer a confirmation answers Cancel, dialogs are cancelled, messages are OK.
    void answerConfirm(Answer a) { m_confirms.push_back(a); }
    void answerFile(const QString& path) { m_files.push_back(path); }
    void answerInput(std::optional<QString> text) { m_inputs.push_back(text); }
    void answerColor(std::optional<QColor> c) { m_colors.push_back(c); }
    // A confirmed print dialog may also set the printer up, as the student would
    // (a PDF file as the output, a paper size).
    using PrinterSetUp = std::function<void(QPagedPaintDevice&)>;
    void answerPrint(bool ok, PrinterSetUp setUp = {}) { m_prints.push_back({ok, std::move(setUp)}); }

    // Called when a page is asked for, before it is noted: lets a test see what had
    // happened by then.
    std::function<void(const QString& url)> onOpenUrl;

    const QVector<Prompt>& prompts() const { return m_prompts; }
    QVector<Prompt> promptsOf(Prompt::Kind kind) const;
    QStringList messageTexts() const;
    void clear() { m_prompts.clear(); }

    void message(const QString& title, const QString& text) override;
    Answer confirm(const QString& title, const QString& text) override;
    QString openFile(const FileRequest& request) override;
    QString saveFile(const FileRequest& request) override;
    // Answered from the file answers, as the open and save dialogs are.
    QString chooseFolder(const FileRequest& request) override;
    std::optional<QString> inputText(const QString& title, const QString& prompt, const QString& text) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    bool choosePrinter(QPagedPaintDevice* printer) override;
    void openUrl(const QString& url) override;
    void beep() override;

private:
    QVector<Prompt> m_prompts;
    std::deque<Answer> m_confirms;
    std::deque<QString> m_files;
    std::deque<std::optional<QString>> m_inputs;
    std::deque<std::optional<QColor>> m_colors;
    std::deque<std::pair<bool, PrinterSetUp>> m_prints;
};

} // namespace brisko::test
