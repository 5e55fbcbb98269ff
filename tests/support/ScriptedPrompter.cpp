#include "ScriptedPrompter.h"

namespace brisko::test {

template <typename T, typename D>
static T take(std::deque<T>& queue, D fallback)
{
    if (queue.empty())
        return fallback;
    T v = queue.front();
    queue.pop_front();
    return v;
}

QVector<Prompt> ScriptedPrompter::promptsOf(Prompt::Kind kind) const
{
    QVector<Prompt> out;
    for (const auto& p : m_prompts)
        if (p.kind == kind)
            out << p;
    return out;
}

QStringList ScriptedPrompter::messageTexts() const
{
    QStringList out;
    for (const auto& p : promptsOf(Prompt::Message))
        out << p.text;
    return out;
}

void ScriptedPrompter::message(const QString& title, const QString& text)
{
    m_prompts.push_back({Prompt::Message, title, text, {}, {}});
}

Answer ScriptedPrompter::confirm(const QString& title, const QString& text)
{
    m_prompts.push_back({Prompt::Confirm, title, text, {}, {}});
    return take(m_confirms, Answer::Cancel);
}

QString ScriptedPrompter::openFile(const FileRequest& request)
{
    m_prompts.push_back({Prompt::OpenFile, request.title, {}, request, {}});
    return take(m_files, QString());
}

QString ScriptedPrompter::saveFile(const FileRequest& request)
{
    m_prompts.push_back({Prompt::SaveFile, request.title, {}, request, {}});
    return take(m_files, QString());
}

QString ScriptedPrompter::chooseFolder(const FileRequest& request)
{
    m_prompts.push_back({Prompt::Folder, request.title, {}, request, {}});
    return take(m_files, QString());
}

std::optional<QString> ScriptedPrompter::inputText(const QString& title, const QString& prompt, const QString& text)
{
    m_prompts.push_back({Prompt::Input, title, prompt, {}, text});
    return take(m_inputs, std::optional<QString>());
}

std::optional<QColor> ScriptedPrompter::chooseColor(const QColor& initial)
{
    m_prompts.push_back({Prompt::Color, {}, initial.name(), {}, {}});
    return take(m_colors, std::optional<QColor>());
}

bool ScriptedPrompter::choosePrinter(QPagedPaintDevice* printer)
{
    m_prompts.push_back({Prompt::Print, {}, {}, {}, {}});
    const auto [ok, setUp] = take(m_prints, std::pair<bool, PrinterSetUp>(false, {}));
    if (ok && setUp && printer)
        setUp(*printer);
    return ok;
}

void ScriptedPrompter::openUrl(const QString& url)
{
    if (onOpenUrl)
        onOpenUrl(url);
    m_prompts.push_back({Prompt::Url, {}, url, {}, {}});
}

void ScriptedPrompter::beep()
{
    m_prompts.push_back({Prompt::Beep, {}, {}, {}, {}});
}

} // namespace brisko::test
