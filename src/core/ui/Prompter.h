#pragma once
// Every question the program puts to the user passes through this interface:
// message boxes, confirmations, file dialogs, the input box, the colour and print
// dialogs, opening a web page and the system beep. The desktop build answers with
// real dialogs; tests install a scripted prompter.
#include <QColor>
#include <QString>
#include <optional>

class QPagedPaintDevice;

namespace brisko {

enum class Answer { Yes, No, Cancel };

struct FileRequest {
    QString title;
    QString filter;      // "Brisko|*.brsk|All Files|*.*"
    QString folder;
    QString proposedName;
    // Save dialogs: whether choosing an existing file asks before replacing it. The
    // portfolio is only ever appended to, so choosing an existing one asks nothing.
    bool confirmOverwrite = true;
};

class Prompter {
public:
    virtual ~Prompter() = default;

    // A message box with only an OK button.
    virtual void message(const QString& title, const QString& text) = 0;
    // A confirmation box with Yes, No and Cancel.
    virtual Answer confirm(const QString& title, const QString& text) = 0;
    // File dialogs: the chosen path, empty when cancelled.
    virtual QString openFile(const FileRequest& request) = 0;
    virtual QString saveFile(const FileRequest& request) = 0;
    // The folder dialog: the chosen folder, empty when cancelled.
    virtual QString chooseFolder(const FileRequest& /*request*/) { return {}; }
    // The input box: the typed text, nothing when cancelled.
    virtual std::optional<QString> inputText(const QString& title, const QString& prompt, const QString& text) = 0;
    // The colour dialog: the chosen colour, nothing when cancelled.
    virtual std::optional<QColor> chooseColor(const QColor& initial) = 0;
    // The print dialog for a printer (a QPrinter in the desktop build); true on OK.
    virtual bool choosePrinter(QPagedPaintDevice* printer) = 0;
    // Hands a web address to the user's browser; the result is ignored.
    virtual void openUrl(const QString& url) = 0;
    virtual void beep() = 0;
};

} // namespace brisko
